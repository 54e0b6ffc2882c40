#include "Style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace style {

QFont KaiFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("AR PL KaitiM GB"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont SansFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QRect ToRect(const LayoutRect& place) { return QRect(place.Left, place.Top, place.Width, place.Height); }

QImage Ground(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, width * 0.35, height);
    gradient.setColorAt(0, GroundTop);
    gradient.setColorAt(1, GroundBottom);
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
        fill.setColorAt(0, Accent);
        fill.setColorAt(1, AccentDeep);
        painter.setBrush(fill);
        painter.setPen(QPen(QColor(255, 236, 196), 1.2));
    } else {
        painter.setBrush(Panel);
        painter.setPen(QPen(PanelEdge, 1.2));
    }
    painter.drawRoundedRect(box, radius, radius);

    const QColor captionColour = lit ? OnAccent : Text;
    const QColor englishColour = lit ? QColor(0x3a, 0x2a, 0x10) : TextSoft;
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

} // namespace style

QImage Crop(const QImage& image, const LayoutRect& place) { return image.copy(style::ToRect(place)); }
