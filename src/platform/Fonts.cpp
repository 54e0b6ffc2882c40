#include "Fonts.h"
#include "ProgramFolder.h"
#include "SeamSlot.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace platform {
namespace {

class QtFonts final : public Fonts {
public:
    // A file already added is not read again: several screens ask for the
    // same font as they are created.
    int AddFontFile(const QString& path) override
    {
        if (const auto added = families_.constFind(path); added != families_.constEnd())
            return *added;
        const int id = QFontDatabase::addApplicationFont(path);
        const int families = id < 0 ? 0 : int(QFontDatabase::applicationFontFamilies(id).size());
        if (families > 0)
            families_.insert(path, families);
        return families;
    }
    void Substitute(const QString& family, const QString& replacement) override
    {
        QFont::insertSubstitution(family, replacement);
    }

private:
    QHash<QString, int> families_;
};

SeamSlot<Fonts, QtFonts> slot;

} // namespace

Fonts& fonts() { return slot.Get(); }
void InstallFonts(Fonts* f) { slot.Install(f); }

int AddPhoneticFont() { return fonts().AddFontFile(ProgramFolder() + QStringLiteral("my_files.ttf")); }

void InstallFontSubstitutions()
{
    // The Kai face first; without it, another installed Chinese face rather
    // than whatever fontconfig picks for an unknown family.
    for (const char* chinese : {"AR PL KaitiM GB", "AR PL UKai CN", "AR PL UKai TW", "Noto Serif CJK SC",
                                "Noto Sans CJK SC", "WenQuanYi Zen Hei", "WenQuanYi Micro Hei", "Droid Sans Fallback"})
        fonts().Substitute(QString::fromUtf8(kKaiFamily), QString::fromUtf8(chinese));
    fonts().Substitute(QString::fromUtf8(kSansFamily), QStringLiteral("Liberation Sans"));
    fonts().Substitute(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

bool ChineseFontInstalled() { return !QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty(); }

void PrepareFontDatabase()
{
    // The font list is shared by all threads; the font engines each thread
    // loads are its own, so only the list is read here.
    QFontDatabase::families();
}

} // namespace platform
