#include "bjzReadForm.h"
#include "ChoiceClassForm.h"
#include "ReadAlongRules.h"
#include "SentenceBook.h"
#include "ThisClassHaveFinishedForm.h"
#include "app/bjzhelpForm.h"
#include "bjzReadLayout.h"
#include "controls/Accessibility.h"
#include "controls/Look.h"
#include "controls/Skin.h"
#include "controls/TwinFaces.h"
#include "media/MediaPlayer.h"
#include "platform/MessageBoxes.h"

TbjzReadForm* bjzReadForm = nullptr;

namespace {

using namespace bjzReadLayout;

TLabel* SentenceLabel(QWidget* parent, const LayoutRect& place, const QFont& font, const QColor& colour)
{
    auto* label = new TLabel(parent, place);
    label->setFont(font);
    label->SetColor(colour);
    label->SetTransparent(true);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

TkivImage1* CommandButton(QWidget* parent, const bjzReadLayout::Command& command)
{
    TkivImage1* button = CaptionedButton(parent, command.place, QString::fromUtf8(command.caption));
    button->SetHint(QString::fromUtf8(command.hint));
    return button;
}

} // namespace

TbjzReadForm::TbjzReadForm() : TForm(FormKind::FullScreen, Width, Height, QStringLiteral("bjzReadForm"))
{
    Image1 = new TImage(this, {0, 0, Width, Height});
    Image1->SetPicture(SkinPicture(Background));

    English = SentenceLabel(this, bjzReadLayout::English, look::SansFont(21), look::Text.Q());
    Chinese = SentenceLabel(this, bjzReadLayout::Chinese, look::KaiFont(21, true), look::Sentence.Q());
    Lesson = NumberLabel(this, bjzReadLayout::Lesson, QStringLiteral("1"), look::Accent.Q());
    NumberSen = NumberLabel(this, bjzReadLayout::NumberSen, QStringLiteral("1"), look::Accent.Q());
    bjzReadTime = NumberLabel(this, bjzReadLayout::bjzReadTime, QStringLiteral("1"), look::Text.Q());
    SenAndSenTimer = NumberLabel(this, bjzReadLayout::SenAndSenTimer, QStringLiteral("1"), look::Text.Q());

    EnglishDisplayImage2 = HiddenSkinPicture(this, bjzReadLayout::EnglishDisplayImage1.place, bjzReadLayout::EnglishDisplayImage1.onFace);
    ChineseDisplayImage2 = HiddenSkinPicture(this, bjzReadLayout::ChineseDisplayImage1.place, bjzReadLayout::ChineseDisplayImage1.onFace);
    EnglishReadImage2 = HiddenSkinPicture(this, bjzReadLayout::EnglishReadImage1.place, bjzReadLayout::EnglishReadImage1.onFace);
    ChineseReadImage2 = HiddenSkinPicture(this, bjzReadLayout::ChineseReadImage1.place, bjzReadLayout::ChineseReadImage1.onFace);
    kivPressImage = HiddenSkinPicture(this, bjzReadLayout::kivReadStart.place, PressedFace);
    KongImage = new TImage(this, {0, 0, 0, 0});
    EnglishDisplayImage1 = PictureButton(this, bjzReadLayout::EnglishDisplayImage1.place);
    ChineseDisplayImage1 = PictureButton(this, bjzReadLayout::ChineseDisplayImage1.place);
    EnglishReadImage1 = PictureButton(this, bjzReadLayout::EnglishReadImage1.place);
    ChineseReadImage1 = PictureButton(this, bjzReadLayout::ChineseReadImage1.place);

    kivReadStart = CommandButton(this, bjzReadLayout::kivReadStart);
    kivReadStop = CommandButton(this, bjzReadLayout::kivReadStop);
    kivReadLast = CommandButton(this, bjzReadLayout::kivReadLast);
    kivReadNext = CommandButton(this, bjzReadLayout::kivReadNext);
    kivChoiceLesson = CommandButton(this, bjzReadLayout::kivChoiceLesson);
    kivReturnToMain = CommandButton(this, bjzReadLayout::kivReturnToMain);
    // Keys as EnglishKeyUp takes them (ReadAlongKeyCommand).
    SetAccessibleCaptions({
        {kivReadStart, bjzReadLayout::kivReadStart.caption, "Ctrl+S"},
        {kivReadStop, bjzReadLayout::kivReadStop.caption, "Ctrl+D"},
        {kivReadLast, bjzReadLayout::kivReadLast.caption, "PageUp"},
        {kivReadNext, bjzReadLayout::kivReadNext.caption, "PageDown"},
        {kivChoiceLesson, bjzReadLayout::kivChoiceLesson.caption, "Esc"},
        {kivReturnToMain, bjzReadLayout::kivReturnToMain.caption, "Esc"},
        {EnglishDisplayImage1, bjzReadLayout::EnglishDisplayImage1.caption, ""},
        {ChineseDisplayImage1, bjzReadLayout::ChineseDisplayImage1.caption, ""},
        {EnglishReadImage1, bjzReadLayout::EnglishReadImage1.caption, ""},
        {ChineseReadImage1, bjzReadLayout::ChineseReadImage1.caption, ""},
    });

    setStyleSheet(look::StepButtonStyle());
    ReadUp = new TSpeedButton(this, bjzReadLayout::ReadUp, QStringLiteral("+"));
    ReadDown = new TSpeedButton(this, bjzReadLayout::ReadDown, QStringLiteral("-"));
    UpTimer = new TSpeedButton(this, bjzReadLayout::UpTimer, QStringLiteral("+"));
    DownTimer = new TSpeedButton(this, bjzReadLayout::DownTimer, QStringLiteral("-"));

    bjzReadOneSenTimer = new TTimer(200, false);
    bjzReadOneSenTimer->setParent(this);
    bjzReadSenTimer = new TTimer(1000, false);
    bjzReadSenTimer->setParent(this);

    kivReadStart->OnClick = Bind(this, &TbjzReadForm::bjzReadStartButtonClick);
    kivReadStop->OnClick = Bind(this, &TbjzReadForm::bjzReadStopButtonClick);
    kivReadLast->OnClick = Bind(this, &TbjzReadForm::bjzReadLastSenClick);
    kivReadNext->OnClick = Bind(this, &TbjzReadForm::kivReadNextClick);
    kivChoiceLesson->OnClick = Bind(this, &TbjzReadForm::kivChoiceClassClick);
    kivReturnToMain->OnClick = Bind(this, &TbjzReadForm::ReturnToChoiceClassClick);
    OnWindowClose = Bind(this, &TbjzReadForm::ReturnToChoiceClassClick);
    EnglishDisplayImage1->OnClick = Bind(this, &TbjzReadForm::EnglishDisplayImage1Click);
    ChineseDisplayImage1->OnClick = Bind(this, &TbjzReadForm::ChineseDisplayImage1Click);
    EnglishReadImage1->OnClick = Bind(this, &TbjzReadForm::EnglishReadImage1Click);
    ChineseReadImage1->OnClick = Bind(this, &TbjzReadForm::ChineseReadImage1Click);
    ReadUp->OnClick = Bind(this, &TbjzReadForm::ReadUpClick);
    ReadDown->OnClick = Bind(this, &TbjzReadForm::ReadDownClick);
    UpTimer->OnClick = Bind(this, &TbjzReadForm::UpTimerClick);
    DownTimer->OnClick = Bind(this, &TbjzReadForm::DownTimerClick);
    bjzReadOneSenTimer->SetOnTimer(Bind(this, &TbjzReadForm::bjzReadOneSenTimerTimer));
    bjzReadSenTimer->SetOnTimer(Bind(this, &TbjzReadForm::bjzReadSenTimerTimer));
    SpVoice1.OnEndStream = Bind(this, &TbjzReadForm::SpVoice1EndStream);
    OnKeyUp = Bind(this, &TbjzReadForm::EnglishKeyUp);
}

void TbjzReadForm::FormCreate()
{
    MoveToTopLeft();
    FRepeatLeft = 1;
    FRunning = 1;
    EnglishDisplayImage1->SetPicture(EnglishDisplayImage2->Picture());
    ChineseDisplayImage1->SetPicture(ChineseDisplayImage2->Picture());
    EnglishReadImage1->SetPicture(EnglishReadImage2->Picture());
    FShowEnglish = FShowChinese = FEnglishRead = 1;
    kivReadStart->SetPicture(kivPressImage->Picture());

    const TImage& resting = *ChoiceClassForm->kivImage1;
    const TImage& lit = *ChoiceClassForm->kivImage2;
    for (TkivImage1* button : {kivReadLast, kivReadNext, kivChoiceLesson, kivReturnToMain})
        BindSharedFaces(*button, resting, lit);
    kivReadStop->SetPicture(resting.Picture());
    // Start lights only while stopped and Stop only while running, so the
    // pressed face of the one in effect stays in place.
    const auto lightWhile = [this, &resting, &lit](TkivImage1* button, std::uint8_t running) {
        button->OnMouseEnter = [this, button, &lit, running](QObject*) {
            if (FRunning == running)
                button->SetPicture(lit.Picture());
        };
        button->OnMouseLeave = [this, button, &resting, running](QObject*) {
            if (FRunning == running)
                button->SetPicture(resting.Picture());
        };
    };
    lightWhile(kivReadStart, 0);
    lightWhile(kivReadStop, 1);
}

// --- The lesson table ----------------------------------------------------

int TbjzReadForm::Row() const { return ChoiceClassForm->OneClassStringGrid->Row(); }

int TbjzReadForm::RowCount() const { return ChoiceClassForm->OneClassStringGrid->RowCount(); }

void TbjzReadForm::SelectRow(int row)
{
    ChoiceClassForm->OneClassStringGrid->SetRow(row);
    NumberSen->SetCaption(QString::number(Row()));
}

bool TbjzReadForm::SpeechReady() const { return bjzhelpForm->FSpeechReady == 1; }

// --- Shared steps ----------------------------------------------------------

void TbjzReadForm::ShowEnglishText()
{
    English->SetCaption(ChoiceClassForm->LessonSentenceCell(sentence::kEnglishColumn, Row()));
    English->SetVisible(FShowEnglish == 1);
}

void TbjzReadForm::ShowChineseText()
{
    Chinese->SetCaption(ChoiceClassForm->LessonSentenceCell(sentence::kChineseColumn, Row()));
    Chinese->SetVisible(FShowChinese == 1);
}

void TbjzReadForm::ShowSentenceTexts()
{
    ShowEnglishText();
    ShowChineseText();
}

void TbjzReadForm::PlayCurrent()
{
    if (FEnglishRead == 1) {
        ChoiceClassForm->PlaySentenceClip();
        bjzReadSenTimer->SetEnabled(false);
        bjzReadOneSenTimer->SetEnabled(true);
    } else {
        bjzReadSenTimer->SetEnabled(false);
        bjzReadOneSenTimer->SetEnabled(false);
        SpeakChinese(Chinese->Caption());
    }
}

void TbjzReadForm::SpeakChinese(const QString& text)
{
    if (!SpeechReady())
        return;
    awaitedStream_ = 0;
    SpVoice1.Speak(text);
    awaitedStream_ = SpVoice1.StreamNumber();
}

void TbjzReadForm::StopSpeech()
{
    awaitedStream_ = 0;
    if (!SpeechReady())
        return;
    SpVoice1.Silence();
}

void TbjzReadForm::HaltAll()
{
    if (ChoiceClassForm->FSoundReady == 1)
        ChoiceClassForm->bjzPlayer->Stop();
    if (FEnglishRead == 0)
        StopSpeech();
    bjzReadOneSenTimer->SetEnabled(false);
    bjzReadSenTimer->SetEnabled(false);
}

void TbjzReadForm::MarkRunning()
{
    if (FRunning == 1)
        return;
    kivReadStart->SetPicture(kivPressImage->Picture());
    kivReadStop->SetPicture(ChoiceClassForm->kivImage1->Picture());
    FRunning = 1;
}

// --- The sentence cycle ----------------------------------------------------

void TbjzReadForm::bjzReadOneSenTimerTimer(QObject*)
{
    if (FEnglishRead == 1)
        WatchClipEnd();
}

void TbjzReadForm::WatchClipEnd()
{
    if (ChoiceClassForm->FSoundReady == 1) {
        if (!ClipOver(*ChoiceClassForm->bjzPlayer, ChoiceClassForm->FClipEnd))
            return;
        ChoiceClassForm->bjzPlayer->Stop();
    }
    bjzReadOneSenTimer->SetEnabled(false);
    bjzReadSenTimer->SetEnabled(true);
}

void TbjzReadForm::SpVoice1EndStream(int StreamNumber, int)
{
    // Only the end of the utterance this screen is waiting for starts the
    // pause; one that was silenced meanwhile must not restart the cycle.
    if (awaitedStream_ == 0 || StreamNumber != awaitedStream_ || FEnglishRead == 1)
        return;
    awaitedStream_ = 0;
    bjzReadSenTimer->SetEnabled(true);
}

void TbjzReadForm::bjzReadSenTimerTimer(QObject*) { AdvanceSentence(); }

void TbjzReadForm::AdvanceSentence()
{
    const sentence::ReadAlongMove move =
        sentence::AfterReadAlongPause(Row(), RowCount(), FRepeatLeft, StrToInt(bjzReadTime->Caption()));
    if (move.kind == sentence::ReadAlongMove::Finished) {
        FinishLesson();
        return;
    }
    FRepeatLeft = move.repeatLeft;
    SelectRow(move.row);
    ShowSentenceTexts();
    PlayCurrent();
}

void TbjzReadForm::FinishLesson()
{
    SelectRow(1);
    ShowSentenceTexts();
    HaltAll();
    ThisClassHaveFinishedForm->ShowModal();
    switch (ThisClassHaveFinishedForm->FChoice) {
    case 1: PlayCurrent(); break;
    case 2:
        HaltAll();
        ChoiceClassForm->Show();
        Close();
        break;
    default: break;
    }
}

// --- Commands ----------------------------------------------------------------

void TbjzReadForm::StartReading()
{
    if (FRunning == 1)
        return;
    PlayCurrent();
    MarkRunning();
}

void TbjzReadForm::StopReading()
{
    if (FRunning != 1)
        return;
    HaltAll();
    FRunning = 0;
    kivReadStop->SetPicture(kivPressImage->Picture());
    kivReadStart->SetPicture(ChoiceClassForm->kivImage1->Picture());
}

void TbjzReadForm::StepTo(int row)
{
    SelectRow(row);
    ShowSentenceTexts();
    PlayCurrent();
    MarkRunning();
}

void TbjzReadForm::PreviousSentence()
{
    if (sentence::CanStepBack(Row()))
        StepTo(Row() - 1);
}

void TbjzReadForm::NextSentence()
{
    if (sentence::CanStepForward(Row(), RowCount()))
        StepTo(Row() + 1);
}

void TbjzReadForm::BackToChooser()
{
    ChoiceClassForm->Show();
    Close();
    HaltAll();
}

void TbjzReadForm::SelectEnglishRead()
{
    if (FEnglishRead == 1)
        return;
    EnglishReadImage1->SetPicture(EnglishReadImage2->Picture());
    ChineseReadImage1->SetPicture(KongImage->Picture());
    FEnglishRead = 1;
    StopSpeech();
    if (ChoiceClassForm->FSoundReady == 1)
        ChoiceClassForm->PlaySentenceClip();
    bjzReadSenTimer->SetEnabled(false);
    bjzReadOneSenTimer->SetEnabled(true);
}

void TbjzReadForm::SelectChineseRead()
{
    if (FEnglishRead != 1)
        return;
    EnglishReadImage1->SetPicture(KongImage->Picture());
    ChineseReadImage1->SetPicture(ChineseReadImage2->Picture());
    FEnglishRead = 0;
    bjzReadOneSenTimer->SetEnabled(false);
    bjzReadSenTimer->SetEnabled(false);
    if (ChoiceClassForm->FSoundReady == 1)
        ChoiceClassForm->bjzPlayer->Stop();
    SpeakChinese(Chinese->Caption());
}

// --- Event handlers ----------------------------------------------------------

void TbjzReadForm::bjzReadStartButtonClick(QObject*) { StartReading(); }
void TbjzReadForm::bjzReadStopButtonClick(QObject*) { StopReading(); }
void TbjzReadForm::bjzReadLastSenClick(QObject*) { PreviousSentence(); }
void TbjzReadForm::kivReadNextClick(QObject*) { NextSentence(); }
void TbjzReadForm::ReturnToChoiceClassClick(QObject*) { BackToChooser(); }
void TbjzReadForm::kivChoiceClassClick(QObject*) { BackToChooser(); }
void TbjzReadForm::EnglishReadImage1Click(QObject*) { SelectEnglishRead(); }

void TbjzReadForm::ChineseReadImage1Click(QObject*)
{
    if (bjzhelpForm->FSpeechReadyText != QStringLiteral("True")) {
        platform::ShowMessage(QStringLiteral("你未安装TTS中文语音发音引擎，请安装"));
        return;
    }
    SelectChineseRead();
}

void TbjzReadForm::EnglishDisplayImage1Click(QObject*)
{
    FShowEnglish = FShowEnglish == 1 ? 0 : 1;
    EnglishDisplayImage1->SetPicture(FShowEnglish == 1 ? EnglishDisplayImage2->Picture() : KongImage->Picture());
    English->SetVisible(FShowEnglish == 1);
}

void TbjzReadForm::ChineseDisplayImage1Click(QObject*)
{
    FShowChinese = FShowChinese == 1 ? 0 : 1;
    ChineseDisplayImage1->SetPicture(FShowChinese == 1 ? ChineseDisplayImage2->Picture() : KongImage->Picture());
    Chinese->SetVisible(FShowChinese == 1);
}

void TbjzReadForm::UpTimerClick(QObject*) { StepPause(+1); }
void TbjzReadForm::DownTimerClick(QObject*) { StepPause(-1); }

// The caption counts the seconds along with the interval.
void TbjzReadForm::StepPause(int direction)
{
    const int before = bjzReadSenTimer->Interval();
    const int after = Stepped(before, direction * sentence::kReadAlongPauseStepMs, sentence::kReadAlongPauseMs);
    if (after == before)
        return;
    bjzReadSenTimer->SetInterval(after);
    SenAndSenTimer->SetCaption(QString::number(StrToInt(SenAndSenTimer->Caption()) + direction));
}

void TbjzReadForm::ReadUpClick(QObject*) { StepRepeats(+1); }
void TbjzReadForm::ReadDownClick(QObject*) { StepRepeats(-1); }

void TbjzReadForm::StepRepeats(int direction)
{
    const int count = StrToInt(bjzReadTime->Caption());
    bjzReadTime->SetCaption(QString::number(Stepped(count, direction, sentence::kReadAlongRepeats)));
}

void TbjzReadForm::EnglishKeyUp(QObject*, int& Key, TShiftState Shift)
{
    switch (sentence::ReadAlongKeyCommand(Key, Shift)) {
    case sentence::ReadAlongKey::Back: BackToChooser(); break;
    case sentence::ReadAlongKey::Next: NextSentence(); break;
    case sentence::ReadAlongKey::Previous: PreviousSentence(); break;
    case sentence::ReadAlongKey::Start: StartReading(); break;
    case sentence::ReadAlongKey::Stop: StopReading(); break;
    case sentence::ReadAlongKey::None: break;
    }
}
