#include "TotalForm.h"
#include "ChoiceClassForm.h"
#include "LessonPlayerRules.h"
#include "SentenceBook.h"
#include "TotalLayout.h"
#include "controls/Accessibility.h"
#include "controls/Look.h"
#include "controls/Numbers.h"
#include "controls/Skin.h"
#include "controls/TwinFaces.h"
#include "media/MediaPlayer.h"

#include <algorithm>

TTotalForm* TotalForm = nullptr;

namespace {

using namespace TotalLayout;

// A sentence line of the text window: placed and sized by the layout of the
// pairs, hidden until then.
TkivLabel2* SentenceLine(QWidget* panel, const QString& family)
{
    auto* label = new TkivLabel2(panel, {SenLabelLeft, 0, SenLabelWidth, 0});
    label->SetFont(family, 21);
    label->setWordWrap(true);
    label->SetTransparent(true);
    label->SetColor(Qt::black);
    label->setVisible(false);
    return label;
}

} // namespace

TTotalForm::TTotalForm() : TForm(FormKind::FullScreen, Width, Height, QStringLiteral("TotalForm"))
{
    setStyleSheet(look::StepButtonStyle());
    Image1 = new TImage(this, {0, 0, Width, Height});
    Image1->SetPicture(SkinPicture(Background));
    Panel1 = new TImage(this, TotalLayout::Panel1);
    Panel1->SetPicture(SkinPicture(SenWin));

    kivScrollBar1 = new TkivScrollBar(this, TotalLayout::kivScrollBar1);
    kivScrollBar1->SetRange(1, 1);
    kivScrollBar1->SetPosition(1);
    kivScrollBar1->setSingleStep(1);
    // One step serves as both the thumb's size and the large change; the
    // large change is the one a learner feels.
    kivScrollBar1->setPageStep(8);
    // The bar holds the screen's keys (Space, Esc, the arrows).
    kivScrollBar1->setFocusPolicy(Qt::StrongFocus);

    LessonLabel1 = NumberLabel(this, TotalLayout::LessonLabel1, QString(), look::Accent.Q());
    SenNumberLabel = NumberLabel(this, TotalLayout::SenNumberLabel, QString(), look::TextSoft.Q());
    SenLessonNum = NumberLabel(this, TotalLayout::SenLessonNum, QStringLiteral("1"), look::Accent.Q());
    ReadCountLabel = NumberLabel(this, TotalLayout::ReadCountLabel, QStringLiteral("1"), look::Text.Q());
    SenToSenLabel = NumberLabel(this, TotalLayout::SenToSenLabel, QStringLiteral("1"), look::Text.Q());
    SpeedButton1 = new TSpeedButton(this, TotalLayout::SpeedButton1, QStringLiteral("+"));
    SpeedButton2 = new TSpeedButton(this, TotalLayout::SpeedButton2, QStringLiteral("-"));
    SpeedButton3 = new TSpeedButton(this, TotalLayout::SpeedButton3, QStringLiteral("-"));
    SpeedButton4 = new TSpeedButton(this, TotalLayout::SpeedButton4, QStringLiteral("+"));

    KongImage = new TImage(this, {0, 0, 0, 0});
    KongImage->SetVisible(false);
    English2 = HiddenSkinPicture(this, TotalLayout::EnglishDisplay.place, TotalLayout::EnglishDisplay.offFace);
    chinese2 = HiddenSkinPicture(this, TotalLayout::ChineseDisplay.place, TotalLayout::ChineseDisplay.offFace);
    EnglishDisplay = PictureButton(this, TotalLayout::EnglishDisplay.place);
    ChineseDisplay = PictureButton(this, TotalLayout::ChineseDisplay.place);

    PlayImage2 = HiddenSkinPicture(this, TotalLayout::kivSenPlay.place, TotalLayout::kivSenPlay.litFace);
    StopImage2 = HiddenSkinPicture(this, TotalLayout::kivSenStop.place, TotalLayout::kivSenStop.litFace);
    returnImage2 = HiddenSkinPicture(this, TotalLayout::ReturnImage11.place, TotalLayout::ReturnImage11.litFace);
    choiceImage2 = HiddenSkinPicture(this, TotalLayout::kivChoiceImage1.place, TotalLayout::kivChoiceImage1.litFace);
    kivSenPlay = PictureButton(this, TotalLayout::kivSenPlay.place, TotalLayout::kivSenPlay.hint);
    kivSenStop = PictureButton(this, TotalLayout::kivSenStop.place, TotalLayout::kivSenStop.hint);
    ReturnImage11 = PictureButton(this, TotalLayout::ReturnImage11.place, TotalLayout::ReturnImage11.hint);
    kivChoiceImage1 = PictureButton(this, TotalLayout::kivChoiceImage1.place, TotalLayout::kivChoiceImage1.hint);
    // Keys as kivScrollBar1KeyUp takes them (LessonPlayerKeyCommand): the
    // space bar plays when stopped and stops when playing.
    SetAccessibleCaptions({
        {EnglishDisplay, TotalLayout::EnglishDisplay.caption, ""},
        {ChineseDisplay, TotalLayout::ChineseDisplay.caption, ""},
        {kivSenPlay, TotalLayout::kivSenPlay.caption, "Space"},
        {kivSenStop, TotalLayout::kivSenStop.caption, "Space"},
        {ReturnImage11, TotalLayout::ReturnImage11.caption, "Esc"},
        {kivChoiceImage1, TotalLayout::kivChoiceImage1.caption, "Esc"},
    });
    BindOwnTwinFaces(*kivSenPlay, *PlayImage2, *KongImage);
    BindOwnTwinFaces(*kivSenStop, *StopImage2, *KongImage);
    BindOwnTwinFaces(*ReturnImage11, *returnImage2, *KongImage);
    BindOwnTwinFaces(*kivChoiceImage1, *choiceImage2, *KongImage);

    ReadOneSenTimer = new TTimer(200, false);
    ReadOneSenTimer->setParent(this);
    SenToSenTimer = new TTimer(1000, false);
    SenToSenTimer->setParent(this);

    ReturnImage11->OnClick = Bind(this, &TTotalForm::ReturnButtonClick);
    OnWindowClose = Bind(this, &TTotalForm::ReturnButtonClick);
    kivChoiceImage1->OnClick = Bind(this, &TTotalForm::ReturnButtonClick);
    kivSenPlay->OnClick = Bind(this, &TTotalForm::kivSenPlayClick);
    kivSenStop->OnClick = Bind(this, &TTotalForm::kivSenStopClick);
    EnglishDisplay->OnClick = Bind(this, &TTotalForm::EnglishDisplayClick);
    ChineseDisplay->OnClick = Bind(this, &TTotalForm::ChineseDisplayClick);
    SpeedButton1->OnMouseDown = Bind(this, &TTotalForm::SpeedButton1MouseDown);
    SpeedButton2->OnMouseDown = Bind(this, &TTotalForm::SpeedButton2MouseDown);
    SpeedButton3->OnMouseDown = Bind(this, &TTotalForm::SpeedButton3MouseDown);
    SpeedButton4->OnMouseDown = Bind(this, &TTotalForm::SpeedButton4MouseDown);
    kivScrollBar1->OnMouseDown = Bind(this, &TTotalForm::kivScrollBar1MouseDown);
    kivScrollBar1->OnKeyUp = Bind(this, &TTotalForm::kivScrollBar1KeyUp);
    kivScrollBar1->OnWheel = Bind(this, &TTotalForm::kivScrollBar1Wheel);
    ReadOneSenTimer->SetOnTimer(Bind(this, &TTotalForm::ReadOneSenTimerTimer));
    SenToSenTimer->SetOnTimer(Bind(this, &TTotalForm::SenToSenTimerTimer));
}

void TTotalForm::FormCreate()
{
    MoveToTopLeft();
    FShowEnglish = FShowChinese = 1;
    FPlaying = 0;
    for (int pair = 1; pair <= sentence::kShownPairs; ++pair) {
        TkivLabel2* english = SentenceLine(Panel1, look::Sans());
        english->setCursor(Qt::PointingHandCursor);
        english->OnMouseDown = Bind(this, &TTotalForm::EnglishLabelMouseDown);
        english->OnClick = Bind(this, &TTotalForm::EnglishLabelClick);
        english->OnMouseUp = Bind(this, &TTotalForm::EnglishLabelMouseUp);
        TkivLabel2* chinese = SentenceLine(Panel1, look::Kai());
        chinese->setAttribute(Qt::WA_TransparentForMouseEvents);
        FSenLabels.push_back(english);
        FSenLabels.push_back(chinese);
    }
}

void TTotalForm::FormDestroy()
{
    for (TkivLabel2* label : FSenLabels)
        delete label;
    FSenLabels.clear();
}

bool TTotalForm::SoundReady() const { return ChoiceClassForm->FSoundReady == 1; }

void TTotalForm::ShowCurrentNumber() { SenLessonNum->SetCaption(QString::number(FCurrentSentence)); }

void TTotalForm::ScrollTo(int position) { kivScrollBar1->SetPosition(position); }

// --- The lesson's text ---------------------------------------------------------

void TTotalForm::LoadLessonTexts()
{
    CopyLessonTexts();
    LayOutPairs();
    HighlightCurrent();
    HideTail();
    MeasureRowsFit();
    // The number beside the title follows the highlighted sentence, which
    // entry has just made the first.
    ShowCurrentNumber();
    kivScrollBar1->setFocus();
}

void TTotalForm::CopyLessonTexts()
{
    const TStringGrid& grid = *ChoiceClassForm->OneClassStringGrid;
    FSentenceCount = std::max(0, grid.RowCount() - 1);
    FEnglishTexts.clear();
    FChineseTexts.clear();
    // A book holds at most 255 bytes for each text, so they are taken whole.
    for (int row = 1; row <= FSentenceCount; ++row) {
        FEnglishTexts.append(grid.Cells(sentence::kEnglishColumn, row));
        FChineseTexts.append(grid.Cells(sentence::kChineseColumn, row));
    }
    kivScrollBar1->SetRange(1, std::max(1, FSentenceCount));
    ScrollTo(1);
    FCurrentSentence = 1;
}

void TTotalForm::LayOutPairs()
{
    const int position = Position();
    std::vector<sentence::PairHeights> heights;
    for (int pair = 1; pair <= sentence::kShownPairs; ++pair) {
        // Pairs past the lesson's end get empty texts; HideTail hides them.
        const int n = sentence::SentenceOfPair(pair, position);
        EnglishLabel(pair)->SetCaption(sentence::NumberedEnglishLine(n, FEnglishTexts.value(n - 1)));
        ChineseLabel(pair)->SetCaption(FChineseTexts.value(n - 1));
        heights.push_back({EnglishLabel(pair)->heightForWidth(SenLabelWidth),
                           ChineseLabel(pair)->heightForWidth(SenLabelWidth)});
    }
    const std::vector<sentence::PairPlace> places = sentence::StackPairs(heights);
    for (int pair = 1; pair <= sentence::kShownPairs; ++pair) {
        const sentence::PairPlace& place = places[std::size_t(pair - 1)];
        const sentence::PairHeights& height = heights[std::size_t(pair - 1)];
        EnglishLabel(pair)->setGeometry(SenLabelLeft, place.englishTop, SenLabelWidth, height.english);
        ChineseLabel(pair)->setGeometry(SenLabelLeft, place.chineseTop, SenLabelWidth, height.chinese);
        if (FShowEnglish == 1)
            EnglishLabel(pair)->SetVisible(true);
        if (FShowChinese == 1)
            ChineseLabel(pair)->SetVisible(true);
    }
}

void TTotalForm::HideTail()
{
    for (int pair = sentence::FirstHiddenPair(FSentenceCount, Position()); pair <= sentence::kShownPairs; ++pair) {
        EnglishLabel(pair)->SetVisible(false);
        ChineseLabel(pair)->SetVisible(false);
    }
}

void TTotalForm::MeasureRowsFit()
{
    std::vector<sentence::PairPlace> places;
    for (int pair = 1; pair <= sentence::kShownPairs; ++pair) {
        const QRect chinese = ChineseLabel(pair)->geometry();
        places.push_back({EnglishLabel(pair)->y(), chinese.y(), chinese.y() + chinese.height()});
    }
    FRowsFit = sentence::PairsThatFit(places);
}

void TTotalForm::ClearHighlight()
{
    for (TkivLabel2* label : FSenLabels) {
        label->SetTransparent(true);
        label->SetColor(Qt::black);
    }
}

void TTotalForm::LightEnglish(TLabel* label)
{
    label->SetTransparent(false, look::Green.Q());
    label->SetColor(Qt::white);
}

void TTotalForm::LightPair(int pair)
{
    LightEnglish(EnglishLabel(pair));
    ChineseLabel(pair)->SetColor(look::Green.Q());
}

void TTotalForm::HighlightCurrent()
{
    ClearHighlight();
    if (sentence::IsAmongShownPairs(FCurrentSentence, Position()))
        LightPair(FCurrentSentence - Position() + 1);
}

void TTotalForm::RefreshList()
{
    HighlightCurrent();
    LayOutPairs();
    HideTail();
    MeasureRowsFit();
}

void TTotalForm::SetEnglishShown(bool shown)
{
    for (int pair = 1; pair <= sentence::kShownPairs; ++pair)
        EnglishLabel(pair)->SetVisible(shown);
}

void TTotalForm::SetChineseShown(bool shown)
{
    for (int pair = 1; pair <= sentence::kShownPairs; ++pair)
        ChineseLabel(pair)->SetVisible(shown);
}

// --- Sound ---------------------------------------------------------------------

void TTotalForm::PlayCurrentSentence()
{
    TStringGrid& grid = *ChoiceClassForm->OneClassStringGrid;
    if (FCurrentSentence >= grid.RowCount())
        return;
    grid.SetRow(FCurrentSentence);
    ChoiceClassForm->PlaySentenceClip();
    if (SoundReady())
        ReadOneSenTimer->SetEnabled(true);
}

void TTotalForm::ReadOneSenTimerTimer(QObject*)
{
    if (!ClipOver(*ChoiceClassForm->bjzPlayer, ChoiceClassForm->FClipEnd))
        return;
    ChoiceClassForm->bjzPlayer->Stop();
    ReadOneSenTimer->SetEnabled(false);
    // Without a run a clip is simply played once.
    if (FPlaying == 1)
        SenToSenTimer->SetEnabled(true);
}

void TTotalForm::SenToSenTimerTimer(QObject*)
{
    const sentence::LessonPauseEnd end = sentence::AfterLessonPause(
        FCurrentSentence, FSentenceCount, FRepeatLeft, StrToInt(ReadCountLabel->Caption()));
    if (end.kind == sentence::LessonPauseEnd::RunOver) {
        SenToSenTimer->SetEnabled(false);
        ReadOneSenTimer->SetEnabled(false);
        FPlaying = 0;
        return;
    }
    FCurrentSentence = end.item;
    FRepeatLeft = end.repeatLeft;
    if (end.kind == sentence::LessonPauseEnd::Next) {
        // A sentence above the window comes back into view first; one that
        // reached the last pair that fits wholly moves to the top.
        if (FCurrentSentence < Position()) {
            ScrollTo(FCurrentSentence);
            RefreshList();
        }
        if (sentence::IsAmongShownPairs(FCurrentSentence, Position()))
            FWindowRow = FCurrentSentence - Position() + 1;
        if (FWindowRow >= FRowsFit) {
            ScrollTo(FCurrentSentence);
            RefreshList();
        }
        HighlightCurrent();
    }
    ShowCurrentNumber();
    SenToSenTimer->SetEnabled(false);
    PlayCurrentSentence();
}

void TTotalForm::StartRun()
{
    if (FPlaying != 0 || !SoundReady())
        return;
    FPlaying = 1;
    ShowCurrentNumber();
    PlayCurrentSentence();
    ScrollTo(FCurrentSentence);
    RefreshList();
}

void TTotalForm::StopRun()
{
    if (FPlaying != 1 || !SoundReady())
        return;
    FPlaying = 0;
    ReadOneSenTimer->SetEnabled(false);
    SenToSenTimer->SetEnabled(false);
    ChoiceClassForm->bjzPlayer->Stop();
}

void TTotalForm::TogglePlay()
{
    if (!SoundReady())
        return;
    if (FPlaying == 1)
        StopRun();
    else
        StartRun();
}

void TTotalForm::BackToChooser()
{
    if (SoundReady()) {
        ChoiceClassForm->bjzPlayer->Stop();
        ReadOneSenTimer->SetEnabled(false);
        SenToSenTimer->SetEnabled(false);
        FPlaying = 0;
    }
    ChoiceClassForm->Show();
    Hide();
}

// --- Event handlers --------------------------------------------------------------

void TTotalForm::ReturnButtonClick(QObject*) { BackToChooser(); }
void TTotalForm::kivSenPlayClick(QObject*) { StartRun(); }
void TTotalForm::kivSenStopClick(QObject*) { StopRun(); }

void TTotalForm::EnglishDisplayClick(QObject*)
{
    if (FShowEnglish == 1) {
        FShowEnglish = 0;
        EnglishDisplay->SetPicture(English2->Picture());
        SetEnglishShown(false);
    } else {
        FShowEnglish = 1;
        EnglishDisplay->SetPicture(KongImage->Picture());
        SetEnglishShown(true);
        HideTail();
    }
}

void TTotalForm::ChineseDisplayClick(QObject*)
{
    if (FShowChinese == 1) {
        FShowChinese = 0;
        ChineseDisplay->SetPicture(chinese2->Picture());
        SetChineseShown(false);
    } else {
        FShowChinese = 1;
        ChineseDisplay->SetPicture(KongImage->Picture());
        SetChineseShown(true);
        HideTail();
    }
}

void TTotalForm::StepRepeatCount(int step)
{
    const int count = StrToInt(ReadCountLabel->Caption());
    ReadCountLabel->SetCaption(QString::number(Stepped(count, step, sentence::kLessonPlayerRepeats)));
}

void TTotalForm::StepPause(int step)
{
    const int before = StrToInt(SenToSenLabel->Caption());
    const int after = Stepped(before, step, sentence::kLessonPlayerPauseSeconds);
    if (after == before)
        return;
    SenToSenLabel->SetCaption(QString::number(after));
    SenToSenTimer->SetInterval(after * 1000);
}

void TTotalForm::SpeedButton1MouseDown(QObject*, TMouseButton, TShiftState, int, int) { StepRepeatCount(+1); }
void TTotalForm::SpeedButton2MouseDown(QObject*, TMouseButton, TShiftState, int, int) { StepRepeatCount(-1); }
void TTotalForm::SpeedButton3MouseDown(QObject*, TMouseButton, TShiftState, int, int) { StepPause(-1); }
void TTotalForm::SpeedButton4MouseDown(QObject*, TMouseButton, TShiftState, int, int) { StepPause(+1); }

void TTotalForm::kivScrollBar1MouseDown(QObject*, TMouseButton, TShiftState, int, int) { RefreshList(); }
// The text follows the wheel as it follows the bar's buttons and keys.
void TTotalForm::kivScrollBar1Wheel(QObject*) { RefreshList(); }

void TTotalForm::kivScrollBar1KeyUp(QObject*, int& Key, TShiftState)
{
    switch (sentence::LessonPlayerKeyCommand(Key)) {
    case sentence::LessonPlayerKey::TogglePlay: TogglePlay(); break;
    case sentence::LessonPlayerKey::Back: BackToChooser(); break;
    case sentence::LessonPlayerKey::Refresh: RefreshList(); break;
    case sentence::LessonPlayerKey::None: break;
    }
}

int TTotalForm::PairOf(QObject* label) const
{
    for (int pair = 1; pair <= sentence::kShownPairs; ++pair)
        if (EnglishLabel(pair) == label)
            return pair;
    return 0;
}

void TTotalForm::EnglishLabelMouseDown(QObject* Sender, TMouseButton Button, TShiftState, int, int)
{
    const int pair = PairOf(Sender);
    if (Button == TMouseButton::mbLeft && pair != 0)
        LightEnglish(EnglishLabel(pair));
}

void TTotalForm::EnglishLabelClick(QObject* Sender)
{
    const int pair = PairOf(Sender);
    if (pair == 0)
        return;
    FCurrentSentence = sentence::SentenceOfPair(pair, Position());
    ShowCurrentNumber();
    // In a run the clicked sentence's own clip comes first; the pause that
    // was under way would otherwise cut it short.
    SenToSenTimer->SetEnabled(false);
    PlayCurrentSentence();
}

void TTotalForm::EnglishLabelMouseUp(QObject* Sender, TMouseButton Button, TShiftState, int, int)
{
    const int pair = PairOf(Sender);
    if (Button != TMouseButton::mbLeft || pair == 0)
        return;
    ClearHighlight();
    LightPair(pair);
}
