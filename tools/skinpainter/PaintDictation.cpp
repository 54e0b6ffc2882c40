// The dictation's pictures: its ground with the help switches drawn on and
// the replay button at rest, the ruled paper card under the typing area, the
// navigation buttons' resting face and the switched-off faces.

#include "Style.h"
#include "sentence/bjzTypeSenLayout.h"

#include <QPainter>

using namespace style;

namespace {

using namespace bjzTypeSenLayout;

// Writing paper: the typed text reads as ink, each typed line on a rule, so
// the word-length underline lies on the line it belongs to.
void DrawPaper(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    DrawWell(painter, Paper);
    const QRectF card = QRectF(ToRect(Paper)).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(look::PaperRule.Q(), 1));
    painter.setBrush(look::Paper.Q());
    painter.drawRoundedRect(card, 6, 6);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int line = 1; line <= RuledLines; ++line) {
        const int y = EnglishInput.Top + line * 29;
        painter.drawLine(EnglishInput.Left, y, EnglishInput.Left + EnglishInput.Width, y);
    }
    painter.restore();
}

// Replay: a resting face with a sound wave before its caption.
void DrawReplay(QPainter& painter)
{
    const LayoutRect& place = AgainReadImage.place;
    DrawFace(painter, place, QString(), QString(), false);
    painter.save();
    DrawSoundWave(painter, QPointF(place.Left + 34, place.Top + place.Height / 2.0), 5, 3, 20, look::Accent.Q());
    painter.setFont(KaiFont(21, true));
    painter.setPen(look::Text.Q());
    painter.drawText(QRect(place.Left + 52, place.Top, place.Width - 64, place.Height), Qt::AlignCenter,
                     QString::fromUtf8(AgainReadImage.caption));
    painter.restore();
}

QImage PaintGround()
{
    QImage ground = TitledGround(QString::fromUtf8(Title));
    QPainter painter(&ground);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawBandCaptions(painter, BandCaptions);
    DrawWell(painter, Chinese);
    DrawPaper(painter);
    DrawBand(painter, FootBand, Height - FootBand);
    DrawFootHelp(painter, KeyHelp, KeyHelpText);
    return ground;
}

} // namespace

std::vector<PaintedPicture> PaintDictation()
{
    const QImage ground = PaintGround();
    QImage background = ground;
    {
        QPainter painter(&background);
        for (const Switch& layout : Switches)
            DrawSwitch(painter, layout.place, QString::fromUtf8(layout.caption), true);
        DrawReplay(painter);
    }
    std::vector<PaintedPicture> pictures{{QString::fromUtf8(Background), background},
                                         {QString::fromUtf8(RestingFace), Plate(NextSenImage.place, false)}};
    for (const Switch& layout : Switches)
        pictures.push_back(
            {QString::fromUtf8(layout.offFace), SwitchOnGround(ground, layout.place, QString::fromUtf8(layout.caption), false)});
    return pictures;
}
