#include "Phonetics.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

extern "C" {
#include <flite/flite.h>
cst_lexicon* cmu_lex_init(void);
}

#include <vector>

namespace bookmaker {
namespace {

// flite's English lexicon, started once.
const cst_lexicon* VoiceLexicon()
{
    static const cst_lexicon* lexicon = (flite_init(), cmu_lex_init());
    return lexicon;
}

const QHash<QChar, QString>& StoredCodes()
{
    static const QHash<QChar, QString> codes = {
        {u'æ', "1"}, {u'ɑ', "2"}, {u'ɔ', "3"}, {u'ə', "4"}, {u'ɛ', "5"}, {u'ɪ', "6"}, {u'ʊ', "7"},
        {u'ʌ', "8"}, {u'θ', "9"}, {u'ð', "0"}, {u'ŋ', "="}, {u'ˈ', "'"}, {u'ˌ', ";"}, {u'ʃ', "S"},
        {u'ʒ', "J"}, {u'ː', ":"}, {u'ɡ', "g"}, {u'ɹ', "r"}, {u'ɚ', "4r"}, {u'ɝ', "4r"},
    };
    return codes;
}

// One sound of the voice's lexicon (ARPAbet, lower case, stress digit cut).
QString IpaOfPhone(const QString& phone, bool stressed)
{
    static const QHash<QString, QString> ipa = {
        {"aa", "ɑ"}, {"ae", "æ"}, {"ax", "ə"}, {"ao", "ɔ"}, {"aw", "aʊ"}, {"ay", "aɪ"}, {"eh", "ɛ"}, {"er", "ər"},
        {"ey", "eɪ"}, {"ih", "ɪ"}, {"iy", "i"}, {"ow", "oʊ"}, {"oy", "ɔɪ"}, {"uh", "ʊ"}, {"uw", "u"},
        {"b", "b"}, {"ch", "tʃ"}, {"d", "d"}, {"dh", "ð"}, {"f", "f"}, {"g", "g"}, {"hh", "h"},
        {"jh", "dʒ"}, {"k", "k"}, {"l", "l"}, {"m", "m"}, {"n", "n"}, {"ng", "ŋ"}, {"p", "p"},
        {"r", "r"}, {"s", "s"}, {"sh", "ʃ"}, {"t", "t"}, {"th", "θ"}, {"v", "v"}, {"w", "w"},
        {"y", "j"}, {"z", "z"}, {"zh", "ʒ"},
    };
    // The lexicon's "ah" is the strut vowel when stressed and schwa when not.
    if (phone == QLatin1String("ah"))
        return stressed ? QStringLiteral("ʌ") : QStringLiteral("ə");
    return ipa.value(phone);
}

// Consonant clusters that may begin an English syllable: the consonants
// between two vowels go to the second syllable as far as they form one.
bool LegalOnset(const QStringList& consonants)
{
    static const QSet<QString> onsets = {
        "p l", "b l", "k l", "g l", "f l", "s l", "p r", "b r", "t r", "d r", "k r", "g r", "f r",
        "th r", "sh r", "s p", "s t", "s k", "s m", "s n", "s w", "t w", "d w", "k w", "g w",
        "th w", "s p l", "s p r", "s t r", "s k r", "s k w", "p y", "b y", "k y", "g y", "m y",
        "f y", "v y", "hh y",
    };
    if (consonants.size() <= 1)
        return consonants.isEmpty() || consonants.first() != QLatin1String("ng");
    return onsets.contains(consonants.join(u' '));
}

struct Phone {
    QString name;  // without stress digit
    int stress;    // -1 for a consonant, else 0, 1 or 2
};

std::vector<Phone> LexiconPhones(const QString& word)
{
    std::vector<Phone> phones;
    const QByteArray latin = word.toLower().toLatin1();
    cst_val* found = lex_lookup(VoiceLexicon(), latin.constData(), nullptr, nullptr);
    for (const cst_val* v = found; v != nullptr; v = val_cdr(v)) {
        QString name = QString::fromLatin1(val_string(val_car(v)));
        int stress = -1;
        if (!name.isEmpty() && name.back().isDigit()) {
            stress = name.back().digitValue();
            name.chop(1);
        }
        phones.push_back({name, stress});
    }
    delete_val(found);
    return phones;
}

QString WordIpa(const QString& word)
{
    const std::vector<Phone> phones = LexiconPhones(word);
    std::vector<std::size_t> vowels;
    for (std::size_t i = 0; i < phones.size(); ++i)
        if (phones[i].stress >= 0)
            vowels.push_back(i);
    // Where each stress mark goes: before the stressed syllable's onset.
    // The lexicon marks every stressed syllable alike: the first is taken as
    // the primary stress, any later one as secondary.
    QHash<std::size_t, QString> marks;
    if (vowels.size() > 1) {
        bool primaryPlaced = false;
        for (std::size_t v = 0; v < vowels.size(); ++v) {
            if (phones[vowels[v]].stress == 0)
                continue;
            const bool primary = !primaryPlaced && phones[vowels[v]].stress == 1;
            primaryPlaced = primaryPlaced || primary;
            std::size_t start = vowels[v];
            const std::size_t floor = v == 0 ? 0 : vowels[v - 1] + 1;
            while (start > floor) {
                QStringList onset;
                for (std::size_t i = start - 1; i < vowels[v]; ++i)
                    onset.append(phones[i].name);
                if (v != 0 && !LegalOnset(onset))
                    break;
                --start;
            }
            marks.insert(start, primary ? QStringLiteral("ˈ") : QStringLiteral("ˌ"));
        }
    }
    QString ipa;
    for (std::size_t i = 0; i < phones.size(); ++i)
        ipa += marks.value(i) + IpaOfPhone(phones[i].name, phones[i].stress > 0);
    return ipa;
}

} // namespace

bool StoredPhonetic(const QString& ipa, QString& stored, QString& error)
{
    stored.clear();
    for (const QChar c : ipa) {
        if ((c >= u'a' && c <= u'z') || c == u' ') {
            stored += c;
        } else if (const auto code = StoredCodes().constFind(c); code != StoredCodes().constEnd()) {
            stored += *code;
        } else {
            error = QStringLiteral("\"%1\" (U+%2) is no sound a word book can store")
                        .arg(c)
                        .arg(c.unicode(), 4, 16, QLatin1Char('0'));
            return false;
        }
    }
    return true;
}

bool InVoiceLexicon(const QString& word)
{
    const QByteArray latin = word.toLower().toLatin1();
    return in_lex(VoiceLexicon(), latin.constData(), nullptr, nullptr) != 0;
}

QString VoiceIpa(const QString& english)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z']+"));
    QStringList words;
    for (auto match = word.globalMatch(english); match.hasNext();) {
        const QString ipa = WordIpa(match.next().captured());
        if (!ipa.isEmpty())
            words.append(ipa);
    }
    return words.join(u' ');
}

} // namespace bookmaker
