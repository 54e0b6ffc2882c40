#include "Fonts.h"
#include "ProgramFolder.h"
#include "SeamSlot.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace platform {
namespace {

class QtFonts final : public Fonts {
public:
    int AddFontFile(const QString& path) override
    {
        const int id = QFontDatabase::addApplicationFont(path);
        return id < 0 ? 0 : int(QFontDatabase::applicationFontFamilies(id).size());
    }
    void Substitute(const QString& family, const QString& replacement) override
    {
        QFont::insertSubstitution(family, replacement);
    }
};

SeamSlot<Fonts, QtFonts> slot;

} // namespace

Fonts& fonts() { return slot.Get(); }
void InstallFonts(Fonts* f) { slot.Install(f); }

int AddPhoneticFont() { return fonts().AddFontFile(ProgramFolder() + QStringLiteral("my_files.ttf")); }

void InstallFontSubstitutions()
{
    fonts().Substitute(QString::fromUtf8(kKaiFamily), QStringLiteral("AR PL KaitiM GB"));
    fonts().Substitute(QString::fromUtf8(kSansFamily), QStringLiteral("Liberation Sans"));
    fonts().Substitute(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

} // namespace platform
