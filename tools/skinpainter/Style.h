#pragma once
// The one look of every screen: palette, faces and the drawing helpers the
// screen painters share.

#include "controls/Layout.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace style {

// Palette: a deep blue-green ground, soft white text and a warm amber for
// whatever the pointer is on.
inline const QColor GroundTop(0x10, 0x2c, 0x42);
inline const QColor GroundBottom(0x17, 0x4e, 0x5e);
inline const QColor Panel(255, 255, 255, 22);
inline const QColor PanelEdge(255, 255, 255, 48);
inline const QColor Text(0xf4, 0xf7, 0xf8);
inline const QColor TextSoft(0xa9, 0xc4, 0xcc);
inline const QColor Accent(0xf2, 0xb3, 0x3d);
inline const QColor AccentDeep(0xe0, 0x8e, 0x2b);
inline const QColor OnAccent(0x14, 0x2b, 0x3b);

QFont KaiFont(int pixelSize, bool bold = false);
QFont SansFont(int pixelSize, bool bold = false);

QRect ToRect(const LayoutRect& place);

// A full-screen ground: the vertical gradient with a few quiet circles.
QImage Ground(int width, int height);

// A button face at `place`, resting or lit, with a Chinese caption and an
// optional small English line beneath it.
void DrawFace(QPainter& painter, const LayoutRect& place, const QString& caption, const QString& english, bool lit);

// A sound-wave motif of rounded bars centred on `centre`.
void DrawSoundWave(QPainter& painter, QPointF centre, int bars, qreal barWidth, qreal maxHeight, const QColor& colour);

} // namespace style

// One picture the painter makes, named as the screens ask for it.
struct PaintedPicture {
    QString name;
    QImage image;
};

// Crops `place` out of `image`: the picture a twin or a face control holds.
QImage Crop(const QImage& image, const LayoutRect& place);

// The painters of each screen; main() collects their pictures.
std::vector<PaintedPicture> PaintMainMenu();
std::vector<PaintedPicture> PaintSentenceCourse();
