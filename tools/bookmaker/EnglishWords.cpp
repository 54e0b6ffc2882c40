#include "EnglishWords.h"

#include "Phonetics.h"

#include <QFile>
#include <QRegularExpression>

namespace bookmaker {
namespace {

bool PartAllowed(const QString& part) { return part.size() >= 2 || part == u'a' || part == u'i'; }

} // namespace

bool EnglishWords::Load(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read the word list %1: %2").arg(path, file.errorString());
        return false;
    }
    words_.clear();
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QString word = QString::fromUtf8(line).trimmed().toLower();
        if (!word.isEmpty())
            words_.insert(word);
    }
    if (words_.isEmpty()) {
        error = QStringLiteral("the word list %1 holds no words").arg(path);
        return false;
    }
    return true;
}

bool EnglishWords::Knows(const QString& word) const
{
    const QString lower = word.toLower();
    return words_.contains(lower) || InVoiceLexicon(lower);
}

QString EnglishWords::RunTogether(const QString& word) const
{
    if (Knows(word))
        return {};
    const QString lower = word.toLower();
    // The longest first part wins: "carry on" rather than "car ryon".
    for (qsizetype cut = lower.size() - 1; cut >= 1; --cut) {
        const QString head = lower.left(cut);
        const QString tail = lower.mid(cut);
        if (PartAllowed(head) && PartAllowed(tail) && Knows(head) && Knows(tail))
            return word.left(cut) + u' ' + word.mid(cut);
    }
    return {};
}

QStringList LetterWords(const QString& english)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z][A-Za-z']*"));
    QStringList words;
    for (auto match = word.globalMatch(english); match.hasNext();) {
        QString found = match.next().captured();
        while (found.endsWith(u'\''))
            found.chop(1);
        words.append(found);
    }
    return words;
}

} // namespace bookmaker
