// The sentence course's pictures: the lesson chooser and its small screens.

#include "Style.h"
#include "sentence/ChoiceClassLayout.h"
#include "sentence/SentencePopupsLayout.h"

#include <QPainter>

namespace {

// A full screen's ground with a title band and its title.
QImage TitledGround(const QString& title)
{
    QImage ground = style::Ground(800, 600);
    QPainter painter(&ground);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(0, 0, 800, 62), QColor(5, 20, 32, 110));
    painter.setPen(QPen(QColor(255, 255, 255, 36), 1));
    painter.drawLine(0, 62, 800, 62);
    painter.setFont(style::KaiFont(28, true));
    painter.setPen(style::Text);
    painter.drawText(QRect(24, 0, 500, 62), Qt::AlignLeft | Qt::AlignVCenter, title);
    style::DrawSoundWave(painter, QPointF(24 + 28 * title.size() + 40, 31), 9, 4, 22, QColor(242, 179, 61, 150));
    return ground;
}

void DrawCaption(QPainter& painter, const LayoutRect& place, const QString& text)
{
    painter.setFont(style::KaiFont(19, true));
    painter.setPen(style::TextSoft);
    painter.drawText(style::ToRect(place), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// A well behind a list or text box, so the white control sits in a frame.
void DrawWell(QPainter& painter, const LayoutRect& place)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1));
    painter.setBrush(QColor(5, 20, 32, 80));
    painter.drawRoundedRect(QRectF(style::ToRect(place)).adjusted(-5, -5, 5, 5), 8, 8);
    painter.restore();
}

// A plain plate face (the captions are labels over it).
QImage Plate(const LayoutRect& place, bool lit)
{
    QImage ground = TitledGround(QString());
    QPainter painter(&ground);
    style::DrawFace(painter, place, QString(), QString(), lit);
    painter.end();
    return Crop(ground, place);
}

std::vector<PaintedPicture> PaintChooser()
{
    using namespace ChoiceClassLayout;
    QImage ground = TitledGround(QString::fromUtf8(Title));
    {
        QPainter painter(&ground);
        for (const AreaCaption& caption : Captions)
            DrawCaption(painter, caption.place, QString::fromUtf8(caption.text));
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

// A small pop-up's card: a rounded panel with a headline.
QImage PopupCard(int width, int height, const QString& headline, int headlineTop)
{
    QImage card = style::Ground(width, height);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(style::Accent, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, width - 2, height - 2));
    painter.setFont(style::KaiFont(26, true));
    painter.setPen(style::Text);
    painter.drawText(QRect(0, headlineTop, width, 40), Qt::AlignHCenter | Qt::AlignVCenter, headline);
    return card;
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
        painter.setPen(style::TextSoft);
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
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1));
    painter.setBrush(QColor(5, 20, 32, 80));
    painter.drawRoundedRect(QRectF(64, 120, 672, 240), 14, 14);
    painter.setFont(style::KaiFont(24));
    painter.setPen(style::TextSoft);
    painter.drawText(QRect(64, 120, 672, 240), Qt::AlignCenter, QStringLiteral("挑战练习即将推出，敬请期待"));
    style::DrawFace(painter, EngToChi, QStringLiteral("英译中"), QString(), false);
    style::DrawFace(painter, ChiToEng, QStringLiteral("中译英"), QString(), false);
    style::DrawFace(painter, Start, QStringLiteral("开始"), QString(), false);
    style::DrawFace(painter, ReturnButton, QStringLiteral("返回"), QString(), false);
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
