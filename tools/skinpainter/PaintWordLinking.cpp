// Word linking's pictures: its ground with the command buttons at rest, the
// switches off and the frame of the answer line; the marker a switch wears
// while on, and the lit command faces.

#include "Style.h"
#include "sentence/LinkWordLayout.h"

#include <QPainter>

using namespace style;

namespace {

using namespace LinkWordLayout;

LayoutRect MarkOf(const LayoutRect& place) { return {place.Left, place.Top, MarkSize, MarkSize}; }

// A switch's mark square around the switches' round mark: dim with a dashed
// edge when off, edged in amber when on.
void DrawMark(QPainter& painter, const LayoutRect& mark, bool on)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(ToRect(mark)).adjusted(1.5, 1.5, -1.5, -1.5);
    if (on) {
        painter.setPen(QPen(look::Accent.Q(), 2.0));
        painter.setBrush(QColor(look::Accent.r, look::Accent.g, look::Accent.b, 46));
    } else {
        painter.setPen(QPen(look::PanelEdge.Q(), 1.2, Qt::DashLine));
        painter.setBrush(look::Well.Q());
    }
    painter.drawRoundedRect(box, 9, 9);

    const qreal d = box.height() - 16;
    DrawCheckDisc(painter, QRectF(box.center().x() - d / 2, box.center().y() - d / 2, d, d), on);
    painter.restore();
}

void DrawSwitchCaption(QPainter& painter, const Switch& layout)
{
    const QRect place = ToRect(layout.place).adjusted(MarkSize + 10, 0, 0, 0);
    painter.setFont(KaiFont(19, true));
    painter.setPen(look::TextMuted.Q());
    painter.drawText(place, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(layout.caption));
}

QImage PaintGround()
{
    QImage ground = TitledGround(QString::fromUtf8(Title));
    QPainter painter(&ground);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawBandCaptions(painter, BandCaptions);
    DrawWell(painter, LinkWordLayout::EnglishRightAnswer);
    DrawBand(painter, FootBand, Height - FootBand);
    for (const Switch& layout : Switches) {
        DrawMark(painter, MarkOf(layout.place), false);
        DrawSwitchCaption(painter, layout);
    }
    DrawFootHelp(painter, HelpLine, HelpText);
    return ground;
}

} // namespace

std::vector<PaintedPicture> PaintWordLinking()
{
    const QImage ground = PaintGround();
    QImage background = ground;
    {
        QPainter painter(&background);
        for (const Command& command : Commands)
            DrawFace(painter, command.place, QString::fromUtf8(command.caption), QString(), false);
    }
    // Both switches lie on the flat foot band, so one marker serves both.
    QImage on = ground;
    {
        QPainter painter(&on);
        DrawMark(painter, MarkOf(kivFaYinImage.place), true);
    }
    std::vector<PaintedPicture> pictures{{QString::fromUtf8(Background), background},
                                         {QString::fromUtf8(Marker), Crop(on, MarkOf(kivFaYinImage.place))}};
    for (const Command& command : Commands)
        pictures.push_back(
            {QString::fromUtf8(command.litFace), FaceOnGround(ground, command.place, QString::fromUtf8(command.caption), true)});
    return pictures;
}
