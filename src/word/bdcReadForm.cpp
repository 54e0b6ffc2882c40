#include "bdcReadForm.h"
#include "WordAnswerRules.h"
#include "WordDrillLayout.h"
#include "WordRunRules.h"
#include "bdcChoiceForm.h"
#include "bdcClassFinishForm.h"
#include "controls/Accessibility.h"
#include "controls/Keys.h"
#include "controls/Look.h"
#include "controls/Numbers.h"
#include "controls/Skin.h"
#include "controls/TwinFaces.h"
#include "platform/Fonts.h"

#include <algorithm>

TbdcReadForm* bdcReadForm = nullptr;

namespace {

using namespace bdcReadLayout;

constexpr int kScratchLimit = 35;

} // namespace

TbdcReadForm::TbdcReadForm() : TForm(FormKind::FullScreen, Width, Height, QStringLiteral("bdcReadForm"))
{
    setStyleSheet(look::StepButtonStyle());
    Image1 = new TImage(this, {0, 0, Width, Height});
    Image1->SetPicture(SkinPicture(Background));
    KongImage = new TImage(this, {0, 0, 0, 0});
    KongImage->SetVisible(false);

    ThisWordLabel = ::NumberLabel(this, ThisNumber, QStringLiteral("1"), look::Accent.Q());
    TotalLabel = ::NumberLabel(this, bdcReadLayout::TotalLabel, QString(), look::TextSoft.Q());
    EnglishLabel = word::CardLabel(this, EnglishWord, look::Sans(), 32, Qt::white);
    Label1 = word::CardLabel(this, LeftBracket, look::Sans(), PhoneticPixels, look::TextMuted.Q());
    Label1->SetCaption(QStringLiteral("["));
    YinBiaoLabel = word::PhoneticLabel(this, Phonetic, PhoneticPixels, look::TextMuted.Q());
    Label2 = word::CardLabel(this, LeftBracket, look::Sans(), PhoneticPixels, look::TextMuted.Q());
    Label2->SetCaption(QStringLiteral("]"));
    ChineseLabel = word::CardLabel(this, Meaning, look::Kai(), MeaningPixels, look::Sentence.Q(), true);
    ChineseLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TypeEdit = new TEdit(this, Answer);
    TypeEdit->SetFont(look::Sans(), AnswerPixels);
    TypeEdit->SetMaxLength(kScratchLimit);

    kivYinBiaoImage1 = word::MakeToggle(this, bdcReadLayout::kivYinBiaoImage1);
    kivCiYIImage1 = word::MakeToggle(this, bdcReadLayout::kivCiYIImage1);
    kivDaXieImage1 = word::MakeToggle(this, bdcReadLayout::kivDaXieImage1);
    const LayoutCommand& pause = bdcReadLayout::kivPauseImage1;
    kivPauseImage2 = HiddenSkinPicture(this, pause.place, pause.litFace);
    kivPauseImage1 = PictureButton(this, pause.place);
    NumberLabel = ::NumberLabel(this, bdcReadLayout::NumberLabel, QStringLiteral("1"), look::Text.Q());
    UpNumber = new TSpeedButton(this, bdcReadLayout::UpNumber, QStringLiteral("+"));
    DownNumber = new TSpeedButton(this, bdcReadLayout::DownNumber, QStringLiteral("-"));
    TimeLabel = ::NumberLabel(this, bdcReadLayout::TimeLabel, QStringLiteral("1"), look::Text.Q());
    Uptime = new TSpeedButton(this, bdcReadLayout::UpTime, QStringLiteral("+"));
    DownTime = new TSpeedButton(this, bdcReadLayout::DownTime, QStringLiteral("-"));
    kivReturnImage = word::MakeCommand(this, bdcReadLayout::kivReturnImage, *KongImage);
    kivImage11 = word::MakeCommand(this, bdcReadLayout::kivImage11, *KongImage);
    // Keys as TypeEditKeyDown takes them: Esc leaves; Enter only clears the
    // field. The pause button's name follows its face.
    SetAccessibleCaptions({
        {kivYinBiaoImage1.button, bdcReadLayout::kivYinBiaoImage1.caption, ""},
        {kivCiYIImage1.button, bdcReadLayout::kivCiYIImage1.caption, ""},
        {kivDaXieImage1.button, bdcReadLayout::kivDaXieImage1.caption, ""},
        {kivPauseImage1, bdcReadLayout::kivPauseImage1.caption, ""},
        {kivReturnImage, bdcReadLayout::kivReturnImage.caption, "Esc"},
        {kivImage11, bdcReadLayout::kivImage11.caption, "Esc"},
    });

    OneWordPlayTimer = new TTimer(200, false);
    OneWordPlayTimer->setParent(this);
    WordToWordTimer = new TTimer(word::ReadPauseInterval(1), false);
    WordToWordTimer->setParent(this);

    OneWordPlayTimer->SetOnTimer(Bind(this, &TbdcReadForm::OneWordPlayTimerTimer));
    WordToWordTimer->SetOnTimer(Bind(this, &TbdcReadForm::WordToWordTimerTimer));
    kivPauseImage1->OnClick = Bind(this, &TbdcReadForm::kivPauseImage1Click);
    kivYinBiaoImage1.button->OnClick = Bind(this, &TbdcReadForm::kivYinBiaoImage1Click);
    kivCiYIImage1.button->OnClick = Bind(this, &TbdcReadForm::kivCiYIImage1Click);
    kivDaXieImage1.button->OnClick = Bind(this, &TbdcReadForm::kivDaXieImage1Click);
    UpNumber->OnClick = Bind(this, &TbdcReadForm::UpNumberClick);
    DownNumber->OnClick = Bind(this, &TbdcReadForm::DownNumberClick);
    Uptime->OnClick = Bind(this, &TbdcReadForm::UptimeClick);
    DownTime->OnClick = Bind(this, &TbdcReadForm::DownTimeClick);
    TypeEdit->OnKeyDown = Bind(this, &TbdcReadForm::TypeEditKeyDown);
    kivReturnImage->OnClick = Bind(this, &TbdcReadForm::kivReturnImageClick);
    kivImage11->OnClick = Bind(this, &TbdcReadForm::kivReturnImageClick);
    OnWindowClose = Bind(this, &TbdcReadForm::kivReturnImageClick);
}

void TbdcReadForm::FormCreate()
{
    MoveToTopLeft();
    FShowPhonetic = FShowMeaning = 1;
    FCapitals = 0;
    FRunning = 0;
    FRepeatLeft = 1;
    platform::AddPhoneticFont();
    word::ShowToggle(kivYinBiaoImage1, true, *KongImage);
    word::ShowToggle(kivCiYIImage1, true, *KongImage);
    word::ShowToggle(kivDaXieImage1, false, *KongImage);
}

void TbdcReadForm::StartReadAlong()
{
    FReadWord = 1;
    FReadTotal = bdcChoiceForm->FZuWordCount;
    TotalLabel->SetCaption(QString::number(FReadTotal));
    FRunning = 1;
    kivPauseImage1->SetPicture(KongImage->Picture());
    kivPauseImage1->SetAccessibleCaption(QString::fromUtf8(bdcReadLayout::kivPauseImage1.caption));
    TypeEdit->setFocus();
    ShowReadWord();
}

void TbdcReadForm::ShowReadWord()
{
    const TbdcChoiceForm& list = *bdcChoiceForm;
    const std::size_t k = TbdcChoiceForm::ZuEntry(FReadWord);
    ThisWordLabel->SetCaption(QString::number(FReadWord));
    EnglishLabel->SetCaption(FCapitals != 0 ? word::UpperAsciiLetters(list.FZuWord[k]) : list.FZuWord[k]);
    ChineseLabel->SetCaption(list.FZuMeaning[k]);
    ChineseLabel->SetVisible(FShowMeaning == 1);
    word::ShowPhonetic(*Label1, *YinBiaoLabel, *Label2, list.FZuPhonetic[k], FShowPhonetic == 1);
    // Without a recording the run goes on silently: the pause follows at once.
    if (bdcChoiceForm->PlayBookClip(list.FZuStart[k], list.FZuEnd[k], &FReadClipEnd))
        OneWordPlayTimer->SetEnabled(true);
    else
        WordToWordTimer->SetEnabled(true);
}

void TbdcReadForm::OneWordPlayTimerTimer(QObject*)
{
    if (!bdcChoiceForm->EndBookClipIfOver(FReadClipEnd))
        return;
    OneWordPlayTimer->SetEnabled(false);
    WordToWordTimer->SetEnabled(true);
}

void TbdcReadForm::WordToWordTimerTimer(QObject*)
{
    WordToWordTimer->SetEnabled(false);
    const word::ReadPauseEnd end =
        word::AfterReadPause(FReadWord, FReadTotal, FRepeatLeft, StrToInt(NumberLabel->Caption()));
    if (end.kind != word::ReadPauseEnd::RunOver) {
        FReadWord = end.item;
        FRepeatLeft = end.repeatLeft;
        ShowReadWord();
        return;
    }
    switch (bdcClassFinishForm->AskAgainOrLeave()) {
    case 1: StartReadAlong(); break;
    case 2: LeaveReadAlong(); break;
    default: break;
    }
}

void TbdcReadForm::LeaveReadAlong()
{
    Close();
    OneWordPlayTimer->SetEnabled(false);
    WordToWordTimer->SetEnabled(false);
    bdcChoiceForm->StopBookClip();
}

void TbdcReadForm::kivPauseImage1Click(QObject*)
{
    if (FRunning == 1) {
        FRunning = 0;
        kivPauseImage1->SetPicture(kivPauseImage2->Picture());
        kivPauseImage1->SetAccessibleCaption(QString::fromUtf8(bdcReadLayout::ContinueCaption));
        OneWordPlayTimer->SetEnabled(false);
        WordToWordTimer->SetEnabled(false);
        bdcChoiceForm->StopBookClip();
        return;
    }
    FRunning = 1;
    kivPauseImage1->SetPicture(KongImage->Picture());
    kivPauseImage1->SetAccessibleCaption(QString::fromUtf8(bdcReadLayout::kivPauseImage1.caption));
    ShowReadWord();
}

void TbdcReadForm::kivYinBiaoImage1Click(QObject*)
{
    YinBiaoLabel->SetVisible(word::FlipToggle(FShowPhonetic, kivYinBiaoImage1, *KongImage));
}

void TbdcReadForm::kivCiYIImage1Click(QObject*)
{
    ChineseLabel->SetVisible(word::FlipToggle(FShowMeaning, kivCiYIImage1, *KongImage));
}

// Capitals show from the next word on; the word on screen stays as it is.
void TbdcReadForm::kivDaXieImage1Click(QObject*)
{
    word::FlipToggle(FCapitals, kivDaXieImage1, *KongImage);
}

// The plays per word count from the next move to a new word on.
void TbdcReadForm::UpNumberClick(QObject*)
{
    word::PressStepper(*NumberLabel, +1, word::kReadPlaysPerWord, *UpNumber, *DownNumber);
}

void TbdcReadForm::DownNumberClick(QObject*)
{
    word::PressStepper(*NumberLabel, -1, word::kReadPlaysPerWord, *DownNumber, *UpNumber);
}

void TbdcReadForm::StepPause(int step, TSpeedButton* pressed, TSpeedButton* other)
{
    const std::optional<int> seconds = word::PressStepper(*TimeLabel, step, word::kReadPauseSeconds, *pressed, *other);
    if (seconds)
        WordToWordTimer->SetInterval(word::ReadPauseInterval(*seconds));
}

void TbdcReadForm::UptimeClick(QObject*) { StepPause(+1, Uptime, DownTime); }
void TbdcReadForm::DownTimeClick(QObject*) { StepPause(-1, DownTime, Uptime); }

void TbdcReadForm::TypeEditKeyDown(QObject*, int& Key, TShiftState)
{
    if (Key == vk::Return) {
        Key = 0;
        TypeEdit->clear();
    } else if (Key == vk::Escape) {
        Key = 0;
        LeaveReadAlong();
    }
}

void TbdcReadForm::kivReturnImageClick(QObject*) { LeaveReadAlong(); }
