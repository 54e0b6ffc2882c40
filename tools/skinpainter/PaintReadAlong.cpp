// The read-along's pictures: its ground with the sentence card, the switches
// drawn off, and the switched-on and pressed faces.

#include "Style.h"
#include "sentence/bjzReadLayout.h"

#include <QPainter>

using namespace style;

namespace {

using namespace bjzReadLayout;


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
    DrawBandCaptions(painter, BandCaptions);

    DrawWell(painter, Card);
    painter.setPen(QPen(look::WellEdge.Q(), 1, Qt::DashLine));
    const int divider = (English.Top + English.Height + Chinese.Top) / 2;
    painter.drawLine(Card.Left + 24, divider, Card.Left + Card.Width - 24, divider);

    for (const Switch& layout : Switches)
        DrawSwitch(painter, layout.place, QString::fromUtf8(layout.caption), false);
    for (const Caption& caption : SettingCaptions)
        DrawCaption(painter, caption.place, QString::fromUtf8(caption.text));
    for (const LayoutRect& number : {bjzReadTime, SenAndSenTimer})
        DrawNumberWell(painter, number);

    DrawBand(painter, FootBand, Height - FootBand);
    DrawFootHelp(painter, KeyHelp, KeyHelpText);
    return ground;
}

} // namespace

std::vector<PaintedPicture> PaintReadAlong()
{
    const QImage ground = PaintGround();
    std::vector<PaintedPicture> pictures{{QString::fromUtf8(Background), ground},
                                         {QString::fromUtf8(PressedFace), PressedPlate(kivReadStart.place)}};
    for (const Switch& layout : Switches)
        pictures.push_back(
            {QString::fromUtf8(layout.onFace), SwitchOnGround(ground, layout.place, QString::fromUtf8(layout.caption), true)});
    return pictures;
}
