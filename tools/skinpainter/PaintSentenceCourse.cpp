// The sentence course's pictures: the lesson chooser and its small screens.

#include "Style.h"
#include "sentence/ChoiceClassLayout.h"
#include "sentence/SentencePopupsLayout.h"

#include <QPainter>

using namespace style;

namespace {

std::vector<PaintedPicture> PaintChooser()
{
    using namespace ChoiceClassLayout;
    QImage ground = TitledGround(QString::fromUtf8(Title));
    {
        QPainter painter(&ground);
        for (const LayoutCaption& caption : Captions)
            DrawCaption(painter, caption.place, QString::fromUtf8(caption.text));
        DrawBand(painter, FootBand.Top, FootBand.Height);
        for (const LayoutRect& well : {BookListBox, ClassStringGrid, OneClassStringGrid, SentenceEdit})
            DrawWell(painter, well);
    }
    QImage background = ground;
    {
        QPainter painter(&background);
        style::DrawFace(painter, ReturnToMain, QString::fromUtf8(ReturnCaption), QString(), false);
    }
    QImage returnLit = ground;
    {
        QPainter painter(&returnLit);
        style::DrawFace(painter, ReturnToMain, QString::fromUtf8(ReturnCaption), QString(), true);
    }
    return {{QString::fromUtf8(Background), background},
            {QString::fromUtf8(RestingFace), Plate(kivReadSen.place, false)},
            {QString::fromUtf8(LitFace), Plate(kivReadSen.place, true)},
            {QString::fromUtf8(ReturnLit), Crop(returnLit, ReturnToMain)}};
}

std::vector<PaintedPicture> PaintLessonFinished()
{
    using namespace ThisClassHaveFinishedLayout;
    // The picture is a little larger than the pop-up; the card is painted
    // to the pop-up's own size so its frame shows whole.
    QImage ground = PopupCard(Width, Height, QStringLiteral("这一课已经学完了"), 28).copy(0, 0, Image1.Width, Image1.Height);
    {
        QPainter painter(&ground);
        painter.setFont(style::SansFont(13));
        painter.setPen(look::TextSoft.Q());
        painter.drawText(QRect(0, 66, Width, 24), Qt::AlignHCenter, QStringLiteral("Well done!"));
    }
    auto faces = [&](bool lit) {
        QImage image = ground;
        QPainter painter(&image);
        style::DrawFace(painter, AgainImage1, QString::fromUtf8(AgainCaption), QString(), lit);
        style::DrawFace(painter, TheOtherImage1, QString::fromUtf8(TheOtherCaption), QString(), lit);
        return image;
    };
    const QImage lit = faces(true);
    return {{QString::fromUtf8(Background), faces(false)},
            {QString::fromUtf8(AgainLit), Crop(lit, AgainImage1)},
            {QString::fromUtf8(TheOtherLit), Crop(lit, TheOtherImage1)}};
}

std::vector<PaintedPicture> PaintChallenge()
{
    using namespace TiaoLayout;
    QImage background = TitledGround(QStringLiteral("挑战"));
    QPainter painter(&background);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look::WellEdge.Q(), 1));
    painter.setBrush(look::Well.Q());
    painter.drawRoundedRect(QRectF(64, 120, 672, 240), 14, 14);
    painter.setFont(style::KaiFont(24));
    painter.setPen(look::TextSoft.Q());
    painter.drawText(QRect(64, 120, 672, 240), Qt::AlignCenter, QStringLiteral("挑战练习即将推出，敬请期待"));
    style::DrawFace(painter, EngToChi, QString::fromUtf8(EngToChiCaption), QString(), false);
    style::DrawFace(painter, ChiToEng, QString::fromUtf8(ChiToEngCaption), QString(), false);
    style::DrawFace(painter, Start, QString::fromUtf8(StartCaption), QString(), false);
    style::DrawFace(painter, ReturnButton, QString::fromUtf8(ReturnCaption), QString(), false);
    painter.end();
    return {{QString::fromUtf8(Background), background}};
}

std::vector<PaintedPicture> PaintWrongSentence()
{
    using namespace SenWrongLayout;
    const QImage card = PopupCard(kivImage11.Width, kivImage11.Height, QStringLiteral("这句还有错"), 18);
    return {{QString::fromUtf8(Picture), card}};
}

} // namespace

std::vector<PaintedPicture> PaintSentenceCourse()
{
    std::vector<PaintedPicture> all;
    for (auto painter : {PaintChooser, PaintLessonFinished, PaintChallenge, PaintWrongSentence})
        for (PaintedPicture& picture : painter())
            all.push_back(std::move(picture));
    return all;
}
