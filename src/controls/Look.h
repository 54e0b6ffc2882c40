#pragma once
// The one look of every screen: the palette and the type faces, shared by the
// screens (their labels and style sheets) and by the skin painter (their
// pictures), so a colour or a face is named once.

#include "platform/Fonts.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace look {

struct Colour {
    unsigned char r, g, b, a = 255;
    QColor Q() const { return QColor(r, g, b, a); }
    // "#rrggbb" for style sheets (opaque colours only).
    QString Css() const { return QColor(r, g, b).name(); }
};

// A deep blue-green ground, soft white text and a warm amber for whatever
// the pointer is on.
inline constexpr Colour GroundTop{0x10, 0x2c, 0x42};
inline constexpr Colour GroundBottom{0x17, 0x4e, 0x5e};
inline constexpr Colour Panel{255, 255, 255, 22};
inline constexpr Colour PanelEdge{255, 255, 255, 48};
inline constexpr Colour Well{5, 20, 32, 80};
// The flat bands (title, foot) that shared button faces sit on, so a face
// borrowed from another screen meets the same colour at its corners.
inline constexpr Colour Band{0x0b, 0x25, 0x37};
inline constexpr Colour WellEdge{255, 255, 255, 40};
inline constexpr Colour Text{0xf4, 0xf7, 0xf8};
inline constexpr Colour TextSoft{0xa9, 0xc4, 0xcc};
inline constexpr Colour TextMuted{0xd6, 0xe4, 0xea};
inline constexpr Colour Accent{0xf2, 0xb3, 0x3d};
inline constexpr Colour AccentDeep{0xe0, 0x8e, 0x2b};
inline constexpr Colour OnAccent{0x14, 0x2b, 0x3b};
inline constexpr Colour Sentence{0xff, 0xd9, 0x5e}; // the yellow of Chinese over the dark ground

// White boxes: lists, grids and text boxes set on the ground.
inline constexpr Colour Paper{0xfb, 0xfa, 0xf6};
inline constexpr Colour Ink{0x10, 0x2c, 0x42};
inline constexpr Colour PaperRule{0xdf, 0xe7, 0xe9};
inline constexpr Colour HeaderFill{0xdf, 0xe9, 0xec};
inline constexpr Colour HeaderInk{0x17, 0x4e, 0x5e};
inline constexpr Colour HeaderEdge{0xc5, 0xd6, 0xdb};
inline constexpr Colour DialogGround{0xee, 0xf3, 0xf4};

// The lesson-finished pop-up's purple, and the classic green, silver and
// blue that the annotation dialog and the current sentence's highlight use.
inline constexpr Colour Purple{0x4b, 0x2a, 0x6b};
inline constexpr Colour Green{0, 128, 0};
// Dictation's hints and the sentence to copy, on the paper of its typing area.
inline constexpr Colour HintRed{0xc6, 0x28, 0x28};
// Word linking's pieces: green at rest, maroon under the pointer.
inline constexpr Colour Maroon{128, 0, 0};
inline constexpr Colour Silver{0xc0, 0xc0, 0xc0};
inline constexpr Colour Blue{0, 0, 0xff};

// The faces by the family names the screens ask for (platform/Fonts.h);
// InstallFontSubstitutions maps them onto the faces this platform has.
QString Kai();
QString Sans();
QFont KaiFont(int pixelSize, bool bold = false);
QFont SansFont(int pixelSize, bool bold = false);

// A style sheet with the palette's and the faces' names in braces replaced:
// "QTextEdit { background: {Paper}; font-family: '{Kai}'; }".
QString StyleSheet(const char* sheet);

// The style of the small "+" and "-" buttons on the dark ground.
QString StepButtonStyle();

} // namespace look
