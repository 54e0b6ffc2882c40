#include "Style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace style {

QRect ToRect(const LayoutRect& place) { return QRect(place.Left, place.Top, place.Width, place.Height); }

QImage Ground(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, width * 0.35, height);
    gradient.setColorAt(0, look::GroundTop.Q());
    gradient.setColorAt(1, look::GroundBottom.Q());
    painter.fillRect(image.rect(), gradient);
    // Soft light from the upper right, and two faint rings for depth.
    QRadialGradient glow(width * 0.78, height * 0.22, width * 0.55);
    glow.setColorAt(0, QColor(255, 255, 255, 28));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(image.rect(), glow);
    painter.setPen(QPen(QColor(255, 255, 255, 14), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(width * 0.92, height * 0.95), width * 0.30, width * 0.30);
    painter.drawEllipse(QPointF(width * 0.92, height * 0.95), width * 0.22, width * 0.22);
    return image;
}

void DrawFace(QPainter& painter, const LayoutRect& place, const QString& caption, const QString& english, bool lit)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF box = QRectF(ToRect(place)).adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal radius = box.height() * 0.28;
    if (lit) {
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        fill.setColorAt(0, look::Accent.Q());
        fill.setColorAt(1, look::AccentDeep.Q());
        painter.setBrush(fill);
        painter.setPen(QPen(QColor(255, 236, 196), 1.2));
    } else {
        painter.setBrush(look::Panel.Q());
        painter.setPen(QPen(look::PanelEdge.Q(), 1.2));
    }
    painter.drawRoundedRect(box, radius, radius);

    const QColor captionColour = lit ? look::OnAccent.Q() : look::Text.Q();
    const QColor englishColour = lit ? QColor(0x3a, 0x2a, 0x10) : look::TextSoft.Q();
    const int captionSize = int(box.height() * (english.isEmpty() ? 0.50 : 0.44));
    QRectF captionBox = box;
    if (!english.isEmpty())
        captionBox.setBottom(box.top() + box.height() * 0.66);
    painter.setFont(KaiFont(captionSize, true));
    painter.setPen(captionColour);
    painter.drawText(captionBox, Qt::AlignHCenter | (english.isEmpty() ? Qt::AlignVCenter : Qt::AlignBottom), caption);
    if (!english.isEmpty()) {
        QRectF englishBox = box;
        englishBox.setTop(captionBox.bottom() + 1);
        painter.setFont(SansFont(int(box.height() * 0.22)));
        painter.setPen(englishColour);
        painter.drawText(englishBox, Qt::AlignHCenter | Qt::AlignTop, english);
    }
    painter.restore();
}

void DrawSoundWave(QPainter& painter, QPointF centre, int bars, qreal barWidth, qreal maxHeight, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const qreal gap = barWidth * 0.8;
    const qreal total = bars * barWidth + (bars - 1) * gap;
    for (int i = 0; i < bars; ++i) {
        // A gentle envelope with a little variation, like a spoken phrase.
        const qreal t = (i + 0.5) / bars;
        const qreal envelope = std::sin(t * M_PI);
        const qreal wobble = 0.55 + 0.45 * std::fabs(std::sin(i * 1.7 + 0.4));
        const qreal h = std::max(barWidth, maxHeight * envelope * wobble);
        const qreal x = centre.x() - total / 2 + i * (barWidth + gap);
        painter.drawRoundedRect(QRectF(x, centre.y() - h / 2, barWidth, h), barWidth / 2, barWidth / 2);
    }
    painter.restore();
}

// A full screen's ground with a title band and its title.
QImage TitledGround(const QString& title)
{
    QImage ground = Ground(800, 600);
    QPainter painter(&ground);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(0, 0, 800, 62), look::Band.Q());
    painter.setPen(QPen(QColor(255, 255, 255, 36), 1));
    painter.drawLine(0, 62, 800, 62);
    painter.setFont(KaiFont(28, true));
    painter.setPen(look::Text.Q());
    painter.drawText(QRect(24, 0, 500, 62), Qt::AlignLeft | Qt::AlignVCenter, title);
    DrawSoundWave(painter, QPointF(24 + 28 * title.size() + 40, 31), 9, 4, 22, QColor(242, 179, 61, 150));
    return ground;
}

void DrawBandCaptions(QPainter& painter, std::span<const LayoutCaption> captions)
{
    painter.save();
    painter.setFont(KaiFont(22, true));
    painter.setPen(look::TextSoft.Q());
    for (const LayoutCaption& caption : captions)
        painter.drawText(ToRect(caption.place), Qt::AlignCenter, QString::fromUtf8(caption.text));
    painter.restore();
}

void DrawNumberWell(QPainter& painter, const LayoutRect& number)
{
    DrawWell(painter, {number.Left + 4, number.Top + 4, number.Width - 8, number.Height - 8});
}

void DrawFootHelp(QPainter& painter, const LayoutRect& place, const char* text)
{
    painter.save();
    painter.setFont(KaiFont(15));
    painter.setPen(look::TextSoft.Q());
    painter.drawText(ToRect(place), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(text));
    painter.restore();
}

void DrawCaption(QPainter& painter, const LayoutRect& place, const QString& text)
{
    painter.setFont(KaiFont(19, true));
    painter.setPen(look::TextSoft.Q());
    painter.drawText(ToRect(place), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// A well behind a list or text box, so the white control sits in a frame.
void DrawWell(QPainter& painter, const LayoutRect& place)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look::WellEdge.Q(), 1));
    painter.setBrush(look::Well.Q());
    painter.drawRoundedRect(QRectF(ToRect(place)).adjusted(-5, -5, 5, 5), 8, 8);
    painter.restore();
}

// A plain plate face (the captions are labels over it).
QImage Plate(const LayoutRect& place, bool lit)
{
    QImage face(place.Width, place.Height, QImage::Format_RGB32);
    face.fill(look::Band.Q());
    QPainter painter(&face);
    DrawFace(painter, {0, 0, place.Width, place.Height}, QString(), QString(), lit);
    return face;
}

void DrawBand(QPainter& painter, int top, int height)
{
    painter.fillRect(QRect(0, top, 800, height), look::Band.Q());
    painter.setPen(QPen(QColor(255, 255, 255, 36), 1));
    painter.drawLine(0, top, 800, top);
}

void DrawCheckDisc(QPainter& painter, const QRectF& mark, bool on)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal d = mark.width();
    if (on) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(look::Accent.Q());
        painter.drawEllipse(mark);
        QPainterPath tick;
        tick.moveTo(mark.left() + d * 0.26, mark.top() + d * 0.52);
        tick.lineTo(mark.left() + d * 0.44, mark.top() + d * 0.70);
        tick.lineTo(mark.left() + d * 0.76, mark.top() + d * 0.32);
        painter.setPen(QPen(look::OnAccent.Q(), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    } else {
        const QRectF ring = mark.adjusted(1, 1, -1, -1);
        painter.setPen(QPen(look::TextSoft.Q(), 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(ring);
        painter.drawLine(QPointF(ring.left() + d * 0.18, ring.bottom() - d * 0.18),
                         QPointF(ring.right() - d * 0.18, ring.top() + d * 0.18));
    }
    painter.restore();
}

void DrawSwitch(QPainter& painter, const LayoutRect& place, const QString& caption, bool on)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(ToRect(place)).adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal round = box.height() / 2;
    if (on) {
        painter.setPen(QPen(look::Accent.Q(), 2.0));
        painter.setBrush(QColor(look::Accent.r, look::Accent.g, look::Accent.b, 46));
    } else {
        painter.setPen(QPen(look::PanelEdge.Q(), 1.2, Qt::DashLine));
        painter.setBrush(look::Well.Q());
    }
    painter.drawRoundedRect(box, round, round);

    const qreal d = box.height() - 14;
    const QRectF mark(box.left() + 9, box.top() + 7, d, d);
    DrawCheckDisc(painter, mark, on);
    painter.setFont(KaiFont(19, true));
    QColor ink = on ? look::Text.Q() : look::TextSoft.Q();
    if (!on)
        ink.setAlpha(170);
    painter.setPen(ink);
    painter.drawText(box.adjusted(d + 14, 0, -10, 0), Qt::AlignHCenter | Qt::AlignVCenter,
                     caption);
    painter.restore();
}

QImage PopupCard(int width, int height, const QString& headline, int headlineTop)
{
    QImage card = Ground(width, height);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look::Accent.Q(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, width - 2, height - 2));
    painter.setFont(KaiFont(26, true));
    painter.setPen(look::Text.Q());
    painter.drawText(QRect(0, headlineTop, width, 40), Qt::AlignHCenter | Qt::AlignVCenter, headline);
    return card;
}

} // namespace style

QImage Crop(const QImage& image, const LayoutRect& place) { return image.copy(style::ToRect(place)); }

QImage FaceOnGround(const QImage& ground, const LayoutRect& place, const QString& caption, bool lit)
{
    QImage face = ground;
    QPainter painter(&face);
    style::DrawFace(painter, place, caption, QString(), lit);
    painter.end();
    return Crop(face, place);
}

QImage SwitchOnGround(const QImage& ground, const LayoutRect& place, const QString& caption, bool on)
{
    QImage face = ground;
    QPainter painter(&face);
    style::DrawSwitch(painter, place, caption, on);
    painter.end();
    return Crop(face, place);
}
