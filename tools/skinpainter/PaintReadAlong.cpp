// The read-along's pictures: its ground with the sentence card, the switches
// drawn off, and the switched-on and pressed faces.

#include "Style.h"
#include "sentence/bjzReadLayout.h"

#include <QPainter>
#include <QPainterPath>

using namespace style;

namespace {

using namespace bjzReadLayout;

// A switch: a pill with a round mark and its caption; on, the mark is an
// amber disc with a tick and the pill is edged in amber.
void DrawSwitch(QPainter& painter, const bjzReadLayout::Switch& layout, bool on)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(ToRect(layout.place)).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(on ? look::Accent.Q() : look::PanelEdge.Q(), on ? 2.0 : 1.2));
    painter.setBrush(on ? QColor(242, 179, 61, 46) : look::Panel.Q());
    painter.drawRoundedRect(box, box.height() / 2, box.height() / 2);

    const qreal d = box.height() - 14;
    const QRectF mark(box.left() + 8, box.top() + 7, d, d);
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
        painter.setPen(QPen(look::TextSoft.Q(), 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(mark.adjusted(1, 1, -1, -1));
    }
    painter.setFont(KaiFont(19, true));
    painter.setPen(on ? look::Text.Q() : look::TextSoft.Q());
    painter.drawText(box.adjusted(d + 14, 0, -8, 0), Qt::AlignHCenter | Qt::AlignVCenter,
                     QString::fromUtf8(layout.caption));
    painter.restore();
}

// The face of Start or Stop while it is the one in effect: sunk into the
// ground and edged in amber.
QImage PressedPlate(const LayoutRect& place)
{
    QImage ground(place.Width, place.Height, QImage::Format_RGB32);
    ground.fill(look::Band.Q());
    QPainter painter(&ground);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(0, 0, place.Width, place.Height).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(look::Accent.Q(), 2.2));
    painter.setBrush(QColor(5, 20, 32, 150));
    painter.drawRoundedRect(box, box.height() * 0.28, box.height() * 0.28);
    painter.end();
    return ground;
}

QImage PaintGround()
{
    QImage ground = TitledGround(QString::fromUtf8(Title));
    QPainter painter(&ground);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(KaiFont(22, true));
    painter.setPen(look::TextSoft.Q());
    for (const Caption& caption : BandCaptions)
        painter.drawText(ToRect(caption.place), Qt::AlignCenter, QString::fromUtf8(caption.text));

    DrawWell(painter, Card);
    painter.setPen(QPen(look::WellEdge.Q(), 1, Qt::DashLine));
    const int divider = (English.Top + English.Height + Chinese.Top) / 2;
    painter.drawLine(Card.Left + 24, divider, Card.Left + Card.Width - 24, divider);

    for (const Switch& layout : Switches)
        DrawSwitch(painter, layout, false);
    for (const Caption& caption : SettingCaptions)
        DrawCaption(painter, caption.place, QString::fromUtf8(caption.text));
    for (const LayoutRect& number : {bjzReadTime, SenAndSenTimer})
        DrawWell(painter, {number.Left + 4, number.Top + 4, number.Width - 8, number.Height - 8});

    DrawBand(painter, FootBand, Height - FootBand);
    painter.setFont(KaiFont(15));
    painter.setPen(look::TextSoft.Q());
    painter.drawText(ToRect(KeyHelp), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(KeyHelpText));
    return ground;
}

} // namespace

std::vector<PaintedPicture> PaintReadAlong()
{
    const QImage ground = PaintGround();
    std::vector<PaintedPicture> pictures{{QString::fromUtf8(Background), ground},
                                         {QString::fromUtf8(PressedFace), PressedPlate(kivReadStart.place)}};
    for (const Switch& layout : Switches) {
        QImage on = ground;
        QPainter painter(&on);
        DrawSwitch(painter, layout, true);
        painter.end();
        pictures.push_back({QString::fromUtf8(layout.onFace), Crop(on, layout.place)});
    }
    return pictures;
}
