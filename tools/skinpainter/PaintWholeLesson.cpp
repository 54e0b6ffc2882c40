// The whole-lesson player's pictures: its ground with the command buttons at
// rest and the display switches on, the paper card under the lesson's text,
// the lit command faces and the switched-off faces.

#include "Style.h"
#include "sentence/TotalLayout.h"

#include <QPainter>

using namespace style;

namespace {

using namespace TotalLayout;


void DrawKeyLines(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const KeyLine& line : KeyLines) {
        const QRect place = ToRect(line.place);
        painter.setFont(SansFont(14, true));
        painter.setPen(look::Accent.Q());
        painter.drawText(place.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(line.key));
        painter.setFont(KaiFont(16));
        painter.setPen(look::TextMuted.Q());
        painter.drawText(place.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromUtf8(line.meaning));
    }
    painter.restore();
}

QImage PaintGround()
{
    QImage ground = TitledGround(QString::fromUtf8(Title));
    QPainter painter(&ground);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawBandCaptions(painter, BandCaptions);
    for (const Caption& caption : AreaCaptions)
        DrawCaption(painter, caption.place, QString::fromUtf8(caption.text));

    // One well holds the card and its scroll bar.
    const LayoutRect card = TotalLayout::Panel1;
    const LayoutRect bar = TotalLayout::kivScrollBar1;
    DrawWell(painter, {card.Left, card.Top, bar.Left + bar.Width - card.Left, card.Height});
    for (const LayoutRect& number : {ReadCountLabel, SenToSenLabel})
        DrawNumberWell(painter, number);
    DrawKeyLines(painter);
    return ground;
}

// The card under the lesson's text: quiet paper, so black lines and the
// green of the current sentence read well.
QImage PaintTextCard(const QImage& ground)
{
    QImage card = ground;
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(ToRect(TotalLayout::Panel1)).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(look::PaperRule.Q(), 1));
    painter.setBrush(look::Paper.Q());
    painter.drawRoundedRect(box, 6, 6);
    painter.end();
    return Crop(card, TotalLayout::Panel1);
}

} // namespace

std::vector<PaintedPicture> PaintWholeLesson()
{
    const QImage ground = PaintGround();
    QImage background = ground;
    {
        QPainter painter(&background);
        for (const Switch& layout : Switches)
            DrawSwitch(painter, layout.place, QString::fromUtf8(layout.caption), true);
        for (const Command& command : Commands)
            DrawFace(painter, command.place, QString::fromUtf8(command.caption), QString(), false);
    }
    std::vector<PaintedPicture> pictures{{QString::fromUtf8(Background), background},
                                         {QString::fromUtf8(SenWin), PaintTextCard(ground)}};
    for (const Switch& layout : Switches)
        pictures.push_back(
            {QString::fromUtf8(layout.offFace), SwitchOnGround(ground, layout.place, QString::fromUtf8(layout.caption), false)});
    for (const Command& command : Commands)
        pictures.push_back(
            {QString::fromUtf8(command.litFace), FaceOnGround(ground, command.place, QString::fromUtf8(command.caption), true)});
    return pictures;
}
