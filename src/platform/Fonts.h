#pragma once
// The font seam: registering a font file that sits in the program folder, and
// the substitutions that map the family names the screens ask for onto the
// families this platform has.

#include <QString>

namespace platform {

class Fonts {
public:
    virtual ~Fonts() = default;
    // Makes the fonts in `path` available to this program; returns how many
    // families were added (0 when the file is missing or not a font).
    virtual int AddFontFile(const QString& path) = 0;
    virtual void Substitute(const QString& family, const QString& replacement) = 0;
};

Fonts& fonts();
void InstallFonts(Fonts* fonts); // nullptr: the real one

// Family names used by the screens.
inline constexpr const char* kKaiFamily = "楷体_GB2312";
inline constexpr const char* kSansFamily = "Arial";
inline constexpr const char* kPhoneticFamily = "Kingsoft Phonetic Plain";

// Makes the phonetic font, my_files.ttf in the program folder, known to
// this program; the screens that show phonetics each ask for it when they
// are created. Returns the families added (0 when the file is missing).
int AddPhoneticFont();

// Maps the screens' family names onto installed ones: the Kai face (or
// another Chinese face) for "楷体_GB2312", a metric-compatible sans for
// "Arial" and "MS Sans Serif".
void InstallFontSubstitutions();

// Whether any installed font can show simplified Chinese. Without one every
// Chinese text of the screens is drawn as empty boxes.
bool ChineseFontInstalled();

// Reads the system's font list (fontconfig's configuration and caches) so
// the first text measured or painted need not. Safe on any thread once the
// application object exists; start-up runs it beside the making of the
// screens.
void PrepareFontDatabase();

} // namespace platform
