#pragma once
// The one look of every screen: palette, faces and the drawing helpers the
// screen painters share.

#include "controls/Layout.h"
#include "controls/Look.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QRect>
#include <QString>
#include <span>
#include <vector>

class QPainter;

namespace style {

using look::KaiFont;
using look::SansFont;

QRect ToRect(const LayoutRect& place);

// A full-screen ground: the vertical gradient with a few quiet circles.
QImage Ground(int width, int height);

// A button face at `place`, resting or lit, with a Chinese caption and an
// optional small English line beneath it.
void DrawFace(QPainter& painter, const LayoutRect& place, const QString& caption, const QString& english, bool lit);

// A sound-wave motif of rounded bars centred on `centre`.
void DrawSoundWave(QPainter& painter, QPointF centre, int bars, qreal barWidth, qreal maxHeight, const QColor& colour);

// A full screen's ground with a title band and its title.
QImage TitledGround(const QString& title);
// The words around the numbers in a title band ("第 1 课"), centred in
// their places.
void DrawBandCaptions(QPainter& painter, std::span<const LayoutCaption> captions);
// The small well behind a number shown between "-" and "+".
void DrawNumberWell(QPainter& painter, const LayoutRect& number);
// An area's caption, in the Kai face, soft white.
void DrawCaption(QPainter& painter, const LayoutRect& place, const QString& text);
// A well behind a list, text box or panel, so the control sits in a frame.
void DrawWell(QPainter& painter, const LayoutRect& place);
// A plain plate face on the flat band colour (its caption is a label over
// it): the face several screens share for their command buttons.
QImage Plate(const LayoutRect& place, bool lit);
// An on/off switch: a pill with a round mark and its caption. On, the mark
// is an amber disc with a tick and the pill is edged in amber; off, the pill
// is dim with a dashed edge and the mark an empty ring struck through.
void DrawSwitch(QPainter& painter, const LayoutRect& place, const QString& caption, bool on);
// The switch's round mark alone, filling `mark`.
void DrawCheckDisc(QPainter& painter, const QRectF& mark, bool on);
// The line telling a screen's keys, small and soft, on its foot band.
void DrawFootHelp(QPainter& painter, const LayoutRect& place, const char* text);
// A small pop-up's card: the ground in an amber frame, with a headline.
QImage PopupCard(int width, int height, const QString& headline, int headlineTop);
// A full-width flat band from `top`, for the buttons wearing plate faces.
void DrawBand(QPainter& painter, int top, int height);

} // namespace style

// One picture the painter makes, named as the screens ask for it.
struct PaintedPicture {
    QString name;
    QImage image;
};

// Crops `place` out of `image`: the picture a twin or a face control holds.
QImage Crop(const QImage& image, const LayoutRect& place);

// A button's face (lit or resting) and a switch's face (on or off), painted
// on `ground` at `place` and cropped, so their corners blend into the ground
// they sit on.
QImage FaceOnGround(const QImage& ground, const LayoutRect& place, const QString& caption, bool lit);
QImage SwitchOnGround(const QImage& ground, const LayoutRect& place, const QString& caption, bool on);

// The painters of each screen; main() collects their pictures.
std::vector<PaintedPicture> PaintMainMenu();
std::vector<PaintedPicture> PaintSentenceCourse();
std::vector<PaintedPicture> PaintReadAlong();
std::vector<PaintedPicture> PaintWholeLesson();
std::vector<PaintedPicture> PaintDictation();
std::vector<PaintedPicture> PaintWordLinking();
std::vector<PaintedPicture> PaintWordCourse();
std::vector<PaintedPicture> PaintWordDrills();
