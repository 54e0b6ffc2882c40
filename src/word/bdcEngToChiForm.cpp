#include "bdcEngToChiForm.h"
#include "WordDrillLayout.h"
#include "WordDrillParts.h"
#include "WordRunRules.h"
#include "bdcChoiceForm.h"
#include "bdcClassFinishForm.h"
#include "controls/Accessibility.h"
#include "controls/Look.h"
#include "controls/Numbers.h"
#include "controls/Skin.h"
#include "controls/TwinFaces.h"

#include <algorithm>

TbdcEngToChiForm* bdcEngToChiForm = nullptr;

namespace {

using namespace bdcEngToChiLayout;

TLabel* CardText(QWidget* parent, const QString& family, int pixels, const QColor& colour)
{
    TLabel* label = word::CardLabel(parent, CardWord, family, pixels, colour, true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

TbdcEngToChiForm::TbdcEngToChiForm()
    : TForm(FormKind::FullScreen, Width, Height, QStringLiteral("bdcEngToChiForm"))
{
    setStyleSheet(look::StepButtonStyle());
    Image1 = new TImage(this, {0, 0, Width, Height});
    Image1->SetPicture(SkinPicture(Background));
    KongImage = new TImage(this, {0, 0, 0, 0});
    KongImage->SetVisible(false);

    ThisWordLabel = NumberLabel(this, ThisNumber, QStringLiteral("1"), look::Accent.Q());
    TotalLabel = NumberLabel(this, TotalNumber, QString(), look::TextSoft.Q());
    EnglishLabel = CardText(this, look::Sans(), EnglishPixels, Qt::white);
    ChineseLabel = CardText(this, look::Kai(), ChinesePixels, look::Sentence.Q());
    ChineseLabel->SetVisible(false);
    TimeLabel = NumberLabel(this, bdcEngToChiLayout::TimeLabel, QStringLiteral("0"), look::Text.Q());
    UpTime = new TSpeedButton(this, bdcEngToChiLayout::UpTime, QStringLiteral("+"));
    DownTime = new TSpeedButton(this, bdcEngToChiLayout::DownTime, QStringLiteral("-"));

    ToEnglish2 = HiddenSkinPicture(this, bdcEngToChiLayout::ToEnglish1.place, bdcEngToChiLayout::ToEnglish1.onFace);
    ToChinese2 = HiddenSkinPicture(this, bdcEngToChiLayout::ToChinese1.place, bdcEngToChiLayout::ToChinese1.onFace);
    ToEnglish1 = PictureButton(this, bdcEngToChiLayout::ToEnglish1.place);
    ToChinese1 = PictureButton(this, bdcEngToChiLayout::ToChinese1.place);
    continueImage = HiddenSkinPicture(this, bdcEngToChiLayout::PauseImage.place, bdcEngToChiLayout::PauseImage.litFace);
    PauseImage = PictureButton(this, bdcEngToChiLayout::PauseImage.place);
    // This screen's buttons do not light under the pointer.
    kivChoiceImage1 = PictureButton(this, bdcEngToChiLayout::kivChoiceImage1.place);
    kivReturnImage1 = PictureButton(this, bdcEngToChiLayout::kivReturnImage1.place);
    // The screen takes no keys. The pause button's name follows its face.
    SetAccessibleCaptions({
        {ToEnglish1, bdcEngToChiLayout::ToEnglish1.caption, ""},
        {ToChinese1, bdcEngToChiLayout::ToChinese1.caption, ""},
        {PauseImage, bdcEngToChiLayout::PauseImage.caption, ""},
        {kivChoiceImage1, bdcEngToChiLayout::kivChoiceImage1.caption, ""},
        {kivReturnImage1, bdcEngToChiLayout::kivReturnImage1.caption, ""},
    });

    OneWordPlayTimer = new TTimer(200, false);
    OneWordPlayTimer->setParent(this);
    WordToWordTimer = new TTimer(word::CardInterval(0), false);
    WordToWordTimer->setParent(this);

    OneWordPlayTimer->SetOnTimer(Bind(this, &TbdcEngToChiForm::OneWordPlayTimerTimer));
    WordToWordTimer->SetOnTimer(Bind(this, &TbdcEngToChiForm::WordToWordTimerTimer));
    PauseImage->OnClick = Bind(this, &TbdcEngToChiForm::PauseImageClick);
    ToEnglish1->OnClick = Bind(this, &TbdcEngToChiForm::ToEnglish1Click);
    ToChinese1->OnClick = Bind(this, &TbdcEngToChiForm::ToChinese1Click);
    UpTime->OnClick = Bind(this, &TbdcEngToChiForm::UpTimeClick);
    DownTime->OnClick = Bind(this, &TbdcEngToChiForm::DownTimeClick);
    kivChoiceImage1->OnClick = Bind(this, &TbdcEngToChiForm::kivReturnImage1Click);
    kivReturnImage1->OnClick = Bind(this, &TbdcEngToChiForm::kivReturnImage1Click);
    OnWindowClose = Bind(this, &TbdcEngToChiForm::kivReturnImage1Click);
}

void TbdcEngToChiForm::FormCreate()
{
    MoveToTopLeft();
    FEnglishMode = 1;
    FRunning = 0;
}

void TbdcEngToChiForm::ShowMode()
{
    ToEnglish1->SetPicture(FEnglishMode == 1 ? ToEnglish2->Picture() : KongImage->Picture());
    ToChinese1->SetPicture(FEnglishMode == 1 ? KongImage->Picture() : ToChinese2->Picture());
}

// Every run starts in English mode with the set time kept, running: the
// pause button shows its running face even when the screen was left paused.
void TbdcEngToChiForm::StartCards()
{
    FCardWord = 1;
    FCardTotal = bdcChoiceForm->FZuWordCount;
    TotalLabel->SetCaption(QStringLiteral("(1-%1)").arg(FCardTotal));
    FRunning = 1;
    PauseImage->SetPicture(KongImage->Picture());
    PauseImage->SetAccessibleCaption(QString::fromUtf8(bdcEngToChiLayout::PauseImage.caption));
    FEnglishMode = 1;
    ShowMode();
    ShowCard();
}

void TbdcEngToChiForm::ShowCard()
{
    const TbdcChoiceForm& list = *bdcChoiceForm;
    const std::size_t k = TbdcChoiceForm::ZuEntry(FCardWord);
    ThisWordLabel->SetCaption(QString::number(FCardWord));
    EnglishLabel->SetCaption(list.FZuWord[k]);
    ChineseLabel->SetCaption(list.FZuMeaning[k]);
    if (FEnglishMode == 1) {
        EnglishLabel->SetVisible(true);
        ChineseLabel->SetVisible(false);
        // Without a recording the card's time starts at once.
        if (bdcChoiceForm->PlayBookClip(list.FZuStart[k], list.FZuEnd[k], &FCardClipEnd))
            OneWordPlayTimer->SetEnabled(true);
        else
            WordToWordTimer->SetEnabled(true);
        return;
    }
    WordToWordTimer->SetEnabled(true);
    ChineseLabel->SetVisible(true);
    EnglishLabel->SetVisible(false);
}

void TbdcEngToChiForm::OneWordPlayTimerTimer(QObject*)
{
    if (!bdcChoiceForm->EndBookClipIfOver(FCardClipEnd))
        return;
    OneWordPlayTimer->SetEnabled(false);
    WordToWordTimer->SetEnabled(true);
}

void TbdcEngToChiForm::WordToWordTimerTimer(QObject*)
{
    WordToWordTimer->SetEnabled(false);
    if (FCardWord < FCardTotal) {
        ++FCardWord;
        ShowCard();
        return;
    }
    switch (bdcClassFinishForm->AskAgainOrLeave()) {
    case 1: StartCards(); break;
    case 2: LeaveCards(); break;
    default: break;
    }
}

void TbdcEngToChiForm::LeaveCards()
{
    Close();
    OneWordPlayTimer->SetEnabled(false);
    WordToWordTimer->SetEnabled(false);
    bdcChoiceForm->StopBookClip();
}

void TbdcEngToChiForm::PauseImageClick(QObject*)
{
    if (FRunning == 1) {
        FRunning = 0;
        PauseImage->SetPicture(continueImage->Picture());
        PauseImage->SetAccessibleCaption(QString::fromUtf8(bdcEngToChiLayout::ContinueCaption));
        OneWordPlayTimer->SetEnabled(false);
        WordToWordTimer->SetEnabled(false);
        bdcChoiceForm->StopBookClip();
        return;
    }
    FRunning = 1;
    PauseImage->SetPicture(KongImage->Picture());
    PauseImage->SetAccessibleCaption(QString::fromUtf8(bdcEngToChiLayout::PauseImage.caption));
    ShowCard();
}

// A mode change shows from the next card; the card on screen finishes in
// its old mode.
void TbdcEngToChiForm::ToChinese1Click(QObject*)
{
    if (FEnglishMode != 1)
        return;
    FEnglishMode = 0;
    ShowMode();
    TimeLabel->SetCaption(QString::number(word::kChineseModeSeconds));
    WordToWordTimer->SetInterval(word::kChineseModeInterval);
}

void TbdcEngToChiForm::ToEnglish1Click(QObject*)
{
    if (FEnglishMode == 1)
        return;
    FEnglishMode = 1;
    ShowMode();
}

void TbdcEngToChiForm::StepTime(int step, TSpeedButton* pressed, TSpeedButton* other)
{
    if (const std::optional<int> seconds = word::PressStepper(*TimeLabel, step, word::kCardSeconds, *pressed, *other))
        WordToWordTimer->SetInterval(word::CardInterval(*seconds));
}

void TbdcEngToChiForm::UpTimeClick(QObject*) { StepTime(+1, UpTime, DownTime); }
void TbdcEngToChiForm::DownTimeClick(QObject*) { StepTime(-1, DownTime, UpTime); }
void TbdcEngToChiForm::kivReturnImage1Click(QObject*) { LeaveCards(); }
