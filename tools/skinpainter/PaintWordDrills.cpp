// The word drills' pictures: one arrangement for all four (title band with
// the word's number, the card, the answer field, toggles and buttons), each
// with its own toggles, settings and captions; and the spelling test's two
// pop-ups.

#include "Style.h"
#include "word/WordDrillLayout.h"

#include <QPainter>
#include <span>

using namespace style;

namespace {

struct DrillLook {
    const char* title;
    bool paperCard;    // light card for dark text, else a deep one for light text
    bool answerField;  // the drill has a field to type in
    std::span<const LayoutToggle> toggles;
    std::span<const LayoutCommand> commands;
    const char* keyHelp; // empty: none
};

void DrawCard(QPainter& painter, bool paper)
{
    const QRectF box = QRectF(ToRect(WordDrillLayout::Card)).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(paper ? look::PaperRule.Q() : look::PanelEdge.Q(), 1));
    painter.setBrush(paper ? look::Paper.Q() : QColor(0x0d, 0x33, 0x45));
    painter.drawRoundedRect(box, 10, 10);
}

QImage DrillGround(const DrillLook& drill)
{
    using namespace WordDrillLayout;
    QImage ground = TitledGround(QString::fromUtf8(drill.title));
    QPainter painter(&ground);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawBandCaptions(painter, BandCaptions);
    DrawCard(painter, drill.paperCard);
    if (drill.answerField) {
        DrawWell(painter, AnswerWell);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(ToRect(Answer)).adjusted(-8, -4, 8, 4), 6, 6);
    }
    DrawBand(painter, FootBand.Top, FootBand.Height);
    if (*drill.keyHelp)
        DrawFootHelp(painter, KeyHelp, drill.keyHelp);
    return ground;
}

std::vector<PaintedPicture> DrillPictures(const DrillLook& drill, const QImage& ground, const char* background)
{
    QImage rest = ground;
    {
        QPainter painter(&rest);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const LayoutToggle& toggle : drill.toggles)
            DrawSwitch(painter, toggle.place, QString::fromUtf8(toggle.caption), false);
        for (const LayoutCommand& command : drill.commands)
            DrawFace(painter, command.place, QString::fromUtf8(command.caption), QString(), false);
    }
    std::vector<PaintedPicture> pictures{{QString::fromUtf8(background), rest}};
    for (const LayoutToggle& toggle : drill.toggles)
        pictures.push_back(
            {QString::fromUtf8(toggle.onFace), SwitchOnGround(ground, toggle.place, QString::fromUtf8(toggle.caption), true)});
    for (const LayoutCommand& command : drill.commands)
        if (*command.litFace)
            pictures.push_back({QString::fromUtf8(command.litFace),
                                FaceOnGround(ground, command.place, QString::fromUtf8(command.caption), true)});
    return pictures;
}

// The captions and number wells of a drill's settings.
void DrawSettings(QImage& ground, std::span<const LayoutCaption> captions, std::span<const LayoutRect> numbers)
{
    QPainter painter(&ground);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(KaiFont(18));
    painter.setPen(look::TextMuted.Q());
    for (const LayoutCaption& caption : captions)
        painter.drawText(ToRect(caption.place), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(caption.text));
    for (const LayoutRect& number : numbers)
        DrawNumberWell(painter, number);
}

// A button whose resting caption is painted into the background and whose
// other state (paused: "继续") is its own face.
void AddTwoStateButton(std::vector<PaintedPicture>& pictures, const QImage& ground, const LayoutCommand& button,
                       const char* otherCaption)
{
    QPainter painter(&pictures.front().image);
    DrawFace(painter, button.place, QString::fromUtf8(button.caption), QString(), false);
    pictures.push_back(
        {QString::fromUtf8(button.litFace), FaceOnGround(ground, button.place, QString::fromUtf8(otherCaption), true)});
}

std::vector<PaintedPicture> PaintTyping()
{
    using namespace bdcTypeLayout;
    const DrillLook drill{Title, false, true, Toggles, Commands, KeyHelpText};
    return DrillPictures(drill, DrillGround(drill), Background);
}

std::vector<PaintedPicture> PaintSpelling()
{
    using namespace bdcTestLayout;
    const DrillLook drill{Title, true, true, Toggles, Commands, KeyHelpText};
    QImage ground = DrillGround(drill);
    {
        QPainter painter(&ground);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(KaiFont(20));
        painter.setPen(look::TextMuted.Q());
        painter.drawText(ToRect(WrongCaption.place), Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromUtf8(WrongCaption.text));
    }
    return DrillPictures(drill, ground, Background);
}

std::vector<PaintedPicture> PaintWordReadAlong()
{
    using namespace bdcReadLayout;
    const DrillLook drill{Title, false, true, Toggles, Commands, KeyHelpText};
    QImage ground = DrillGround(drill);
    DrawSettings(ground, SettingCaptions, SettingNumbers);
    {
        QPainter painter(&ground);
        const LayoutCaption total[] = {TotalCaption};
        DrawBandCaptions(painter, total);
    }
    std::vector<PaintedPicture> pictures = DrillPictures(drill, ground, Background);
    AddTwoStateButton(pictures, ground, kivPauseImage1, ContinueCaption);
    return pictures;
}

std::vector<PaintedPicture> PaintFlashCards()
{
    using namespace bdcEngToChiLayout;
    const DrillLook drill{Title, false, false, {}, Commands, ""};
    QImage ground = DrillGround(drill);
    const LayoutCaption captions[] = {TimeCaption};
    const LayoutRect numbers[] = {TimeLabel};
    DrawSettings(ground, captions, numbers);
    std::vector<PaintedPicture> pictures = DrillPictures(drill, ground, Background);
    // The mode not chosen shows the background's face; the chosen one its own.
    {
        QPainter painter(&pictures.front().image);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const LayoutToggle& mode : Modes)
            DrawFace(painter, mode.place, QString::fromUtf8(mode.caption), QString(), false);
    }
    for (const LayoutToggle& mode : Modes)
        pictures.push_back({QString::fromUtf8(mode.onFace),
                            FaceOnGround(ground, mode.place, QString::fromUtf8(mode.caption), true)});
    AddTwoStateButton(pictures, ground, PauseImage, ContinueCaption);
    return pictures;
}

std::vector<PaintedPicture> PaintSpellingFinished()
{
    using namespace bdcTestFinishLayout;
    const QImage ground = PopupCard(Width, Height, QString::fromUtf8(Headline), 26);
    QImage rest = ground;
    {
        QPainter painter(&rest);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(look::Paper.Q());
        painter.drawRoundedRect(QRectF(ToRect(WrongLabel)), 10, 10);
        DrawFace(painter, ContinueButton, QString::fromUtf8(ContinueCaption), QString(), false);
        DrawFace(painter, ReturnButton, QString::fromUtf8(ReturnCaption), QString(), false);
    }
    return {{QString::fromUtf8(Background), rest},
            {QString::fromUtf8(CImage2), FaceOnGround(ground, ContinueButton, QString::fromUtf8(ContinueCaption), true)},
            {QString::fromUtf8(ReImage2), FaceOnGround(ground, ReturnButton, QString::fromUtf8(ReturnCaption), true)}};
}

std::vector<PaintedPicture> PaintAllRight()
{
    using namespace YouRememberLayout;
    QImage card = PopupCard(Width, Height, QString::fromUtf8(Headline), 64);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawSoundWave(painter, QPointF(Width / 2.0, 46), 9, 5, 28, look::Accent.Q());
    painter.setFont(SansFont(16, true));
    painter.setPen(look::Accent.Q());
    painter.drawText(QRect(0, 112, Width, 28), Qt::AlignHCenter, QStringLiteral("Well done!"));
    painter.setFont(KaiFont(18));
    painter.setPen(look::TextSoft.Q());
    painter.drawText(QRect(0, 200, Width, 28), Qt::AlignHCenter, QStringLiteral("点一下返回词表"));
    painter.end();
    return {{QString::fromUtf8(Picture), card}};
}

} // namespace

std::vector<PaintedPicture> PaintWordDrills()
{
    std::vector<PaintedPicture> all;
    for (auto painter : {PaintTyping, PaintSpelling, PaintWordReadAlong, PaintFlashCards, PaintSpellingFinished, PaintAllRight})
        for (PaintedPicture& picture : painter())
            all.push_back(std::move(picture));
    return all;
}
