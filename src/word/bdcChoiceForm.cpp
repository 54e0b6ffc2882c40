#include "bdcChoiceForm.h"
#include "WordBook.h"
#include "WordListRules.h"
#include "app/bjzMainForm.h"
#include "bdcBookForm.h"
#include "bdcChoiceLayout.h"
#include "bdcEngToChiForm.h"
#include "bdcReadForm.h"
#include "bdcTestForm.h"
#include "bdcTypeForm.h"
#include "controls/Keys.h"
#include "controls/Look.h"
#include "controls/Numbers.h"
#include "controls/Skin.h"
#include "controls/TwinFaces.h"
#include "media/MediaPlayer.h"
#include "platform/Errors.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

TbdcChoiceForm* bdcChoiceForm = nullptr;

namespace {

using namespace bdcChoiceLayout;

// The screen's keys only scroll the list, so no button has one.
TkivImage1* CommandButton(QWidget* parent, const Command& command)
{
    TkivImage1* button = PictureButton(parent, command.place, command.hint);
    button->SetAccessibleCaption(QString::fromUtf8(command.caption));
    return button;
}

TkivLabel* RowLabel(QWidget* panel, const LayoutRect& place, const QString& family)
{
    auto* label = new TkivLabel(panel, place);
    label->SetFont(family, RowTextPixels);
    label->SetTransparent(true);
    label->SetColor(Qt::white);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

void Enable(TSpeedButton* button, bool enabled) { button->setEnabled(enabled); }

} // namespace

TbdcChoiceForm::TbdcChoiceForm()
    : TForm(FormKind::FullScreen, Width, Height, QStringLiteral("bdcChoiceForm")),
      player_(std::make_unique<TMediaPlayer>())
{
    setStyleSheet(look::StepButtonStyle());
    Image1 = new TImage(this, {0, 0, Width, Height});
    Image1->SetPicture(SkinPicture(Background));
    Panel1 = new TImage(this, bdcChoiceLayout::Panel1);
    Image2 = new TImage(Panel1, {0, 0, bdcChoiceLayout::Panel1.Width, bdcChoiceLayout::Panel1.Height});
    Image2->SetPicture(SkinPicture(PanelPicture));
    // The bar lies under the row labels, which are made after it.
    LineShape = new TImage(Panel1, bdcChoiceLayout::LineShape);
    LineShape->SetPicture(SkinPicture(LinePicture));
    LineShape->setAttribute(Qt::WA_TransparentForMouseEvents);

    kivWordScrollBar = new TkivScrollBar(this, bdcChoiceLayout::kivWordScrollBar);
    kivWordScrollBar->SetRange(1, 1);
    kivWordScrollBar->SetPosition(1);
    kivWordScrollBar->setSingleStep(1);
    kivWordScrollBar->setPageStep(9);
    kivWordScrollBar->setFocusPolicy(Qt::StrongFocus);

    TotalZuLabel = NumberLabel(this, TotalZuLine.number, QStringLiteral("1"), look::Accent.Q());
    ZuLabel = NumberLabel(this, ZuLine.number, QStringLiteral("1"), look::Text.Q());
    OneZuLabel = NumberLabel(this, OneZuLine.number, QString::number(word::kDefaultZuSize), look::Text.Q());
    ThisZuLabel = NumberLabel(this, ThisZuLine.number, QStringLiteral("0"), look::Accent.Q());
    WordPosLabel = NumberLabel(this, WordPosLine.number, QStringLiteral("1"), look::Accent.Q());
    UpZuButton = new TSpeedButton(this, bdcChoiceLayout::UpZuButton, QStringLiteral("+"));
    DownZuButton = new TSpeedButton(this, bdcChoiceLayout::DownZuButton, QStringLiteral("-"));
    UpWordButton = new TSpeedButton(this, bdcChoiceLayout::UpWordButton, QStringLiteral("+"));
    DownWordButton = new TSpeedButton(this, bdcChoiceLayout::DownWordButton, QStringLiteral("-"));

    KongImage = new TImage(this, {0, 0, 0, 0});
    KongImage->SetVisible(false);
    const auto offFace = [this](const Switch& layout) {
        return HiddenSkinPicture(this, layout.place, layout.offFace);
    };
    Image3 = offFace(bdcChoiceLayout::EnglishDisplayImage1);
    Image4 = offFace(bdcChoiceLayout::ChineseDisplayImage1);
    this->EnglishDisplayImage1 = PictureButton(this, bdcChoiceLayout::EnglishDisplayImage1.place);
    this->ChineseDisplayImage1 = PictureButton(this, bdcChoiceLayout::ChineseDisplayImage1.place);
    this->EnglishDisplayImage1->SetAccessibleCaption(QString::fromUtf8(bdcChoiceLayout::EnglishDisplayImage1.caption));
    this->ChineseDisplayImage1->SetAccessibleCaption(QString::fromUtf8(bdcChoiceLayout::ChineseDisplayImage1.caption));

    const auto litTwin = [this](const Command& command) {
        return HiddenSkinPicture(this, command.place, command.litFace);
    };
    Image5 = litTwin(bdcChoiceLayout::kivPlayImage1);
    Image6 = litTwin(bdcChoiceLayout::kivStopImage1);
    kivBookImage2 = litTwin(bdcChoiceLayout::kivBookImage1);
    kivReadImage2 = litTwin(bdcChoiceLayout::kivReadImage1);
    kivTypeImage2 = litTwin(bdcChoiceLayout::kivTypeImage1);
    kivTestImage2 = litTwin(bdcChoiceLayout::kivTestImage1);
    kivEngToChiImage2 = litTwin(bdcChoiceLayout::kivEngToChiImage1);
    kivReturnImage2 = litTwin(bdcChoiceLayout::kivReturnImage1);
    this->kivPlayImage1 = CommandButton(this, bdcChoiceLayout::kivPlayImage1);
    this->kivStopImage1 = CommandButton(this, bdcChoiceLayout::kivStopImage1);
    this->kivBookImage1 = CommandButton(this, bdcChoiceLayout::kivBookImage1);
    this->kivReadImage1 = CommandButton(this, bdcChoiceLayout::kivReadImage1);
    this->kivTypeImage1 = CommandButton(this, bdcChoiceLayout::kivTypeImage1);
    this->kivTestImage1 = CommandButton(this, bdcChoiceLayout::kivTestImage1);
    this->kivEngToChiImage1 = CommandButton(this, bdcChoiceLayout::kivEngToChiImage1);
    this->kivReturnImage1 = CommandButton(this, bdcChoiceLayout::kivReturnImage1);
    const std::pair<TkivImage1*, TImage*> twins[] = {
        {this->kivPlayImage1, Image5},          {this->kivStopImage1, Image6},
        {this->kivBookImage1, kivBookImage2},   {this->kivReadImage1, kivReadImage2},
        {this->kivTypeImage1, kivTypeImage2},   {this->kivTestImage1, kivTestImage2},
        {this->kivEngToChiImage1, kivEngToChiImage2}, {this->kivReturnImage1, kivReturnImage2}};
    for (const auto& [button, twin] : twins)
        BindOwnTwinFaces(*button, *twin, *KongImage);

    bdcPlayer = player_.get();
    bdcPlayer->AutoRewind = false;
    OneWordPlayTimer = new TTimer(200, false);
    OneWordPlayTimer->setParent(this);
    WordToWordTimer = new TTimer(500, false);
    WordToWordTimer->setParent(this);

    bdcBookListBox = new TListBox(this, {0, 0, 0, 0});
    bdcBookListBox->setVisible(false);

    OneWordPlayTimer->SetOnTimer(Bind(this, &TbdcChoiceForm::OneWordPlayTimerTimer));
    WordToWordTimer->SetOnTimer(Bind(this, &TbdcChoiceForm::WordToWordTimerTimer));
    this->kivPlayImage1->OnClick = Bind(this, &TbdcChoiceForm::kivPlayImage1Click);
    this->kivStopImage1->OnClick = Bind(this, &TbdcChoiceForm::kivStopImage1Click);
    UpZuButton->OnClick = Bind(this, &TbdcChoiceForm::UpZuButtonClick);
    DownZuButton->OnClick = Bind(this, &TbdcChoiceForm::DownZuButtonClick);
    UpWordButton->OnClick = Bind(this, &TbdcChoiceForm::UpWordButtonClick);
    DownWordButton->OnClick = Bind(this, &TbdcChoiceForm::DownWordButtonClick);
    this->EnglishDisplayImage1->OnClick = Bind(this, &TbdcChoiceForm::EnglishDisplayImage1Click);
    this->ChineseDisplayImage1->OnClick = Bind(this, &TbdcChoiceForm::ChineseDisplayImage1Click);
    kivWordScrollBar->OnMouseDown = Bind(this, &TbdcChoiceForm::kivWordScrollBarMouseDown);
    kivWordScrollBar->OnKeyUp = Bind(this, &TbdcChoiceForm::kivWordScrollBarKeyUp);
    kivWordScrollBar->OnWheel = Bind(this, &TbdcChoiceForm::kivWordScrollBarWheel);
    this->kivBookImage1->OnClick = Bind(this, &TbdcChoiceForm::kivBookImage1Click);
    this->kivReadImage1->OnClick = Bind(this, &TbdcChoiceForm::kivReadImage1Click);
    this->kivTypeImage1->OnClick = Bind(this, &TbdcChoiceForm::kivTypeImage1Click);
    this->kivTestImage1->OnClick = Bind(this, &TbdcChoiceForm::kivTestImage1Click);
    this->kivEngToChiImage1->OnClick = Bind(this, &TbdcChoiceForm::kivEngToChiImage1Click);
    this->kivReturnImage1->OnClick = Bind(this, &TbdcChoiceForm::kivReturnImage1Click);
    OnWindowClose = Bind(this, &TbdcChoiceForm::kivReturnImage1Click);
}

TbdcChoiceForm::~TbdcChoiceForm() = default;

void TbdcChoiceForm::FormCreate()
{
    MoveToTopLeft();
    ListWordBooks();
    CreateRowLabels();
    EnableSteppers();
}

void TbdcChoiceForm::CreateRowLabels()
{
    for (int row = 1; row <= word::kListRows; ++row) {
        FEnglishLabels[std::size_t(row)] =
            RowLabel(Panel1, {EnglishLabelLeft, word::EnglishRowTop(row), EnglishLabelWidth, RowLabelHeight},
                     look::Sans());
        FChineseLabels[std::size_t(row)] =
            RowLabel(Panel1, {ChineseLabelLeft, word::ChineseRowTop(row), ChineseLabelWidth, RowLabelHeight},
                     look::Kai());
        EnglishLabel(row)->OnClick = Bind(this, &TbdcChoiceForm::RowLabelClick);
        ChineseLabel(row)->OnClick = Bind(this, &TbdcChoiceForm::RowLabelClick);
    }
}

void TbdcChoiceForm::FormDestroy()
{
    for (std::size_t row = 1; row < FEnglishLabels.size(); ++row) {
        delete FEnglishLabels[row];
        delete FChineseLabels[row];
        FEnglishLabels[row] = FChineseLabels[row] = nullptr;
    }
}

// --- The word books ------------------------------------------------------------

QString TbdcChoiceForm::BookFolder() const { return FAppDir + QStringLiteral("bdcBook"); }

void TbdcChoiceForm::ListWordBooks()
{
    FAppDir = platform::ProgramFolder();
    bdcBookListBox->Clear();
    for (const QString& name : word::ListWordBooks(BookFolder()))
        bdcBookListBox->AddItem(name);
}

// A book that cannot be loaded leaves the book table as it was; the groups
// are counted again from it either way. False when the book is there but
// cannot be read.
bool TbdcChoiceForm::LoadWordBook(const QString& path)
{
    word::WordBookLoadResult loaded = word::LoadWordBook(path);
    const bool damaged = !loaded.Ok() && loaded.status != word::WordBookLoadStatus::Missing;
    if (loaded.status == word::WordBookLoadStatus::Missing)
        platform::messageBoxes().Show(QStringLiteral("该书本不存在"), QStringLiteral("Korrel"),
                                      platform::MessageButtons::OkCancel);
    else if (damaged)
        platform::ShowMessage(loaded.message + QLatin1Char('\n') + loaded.detail);
    else
        WordStringGrid = std::move(loaded.book.words);
    CountZus();
    return !damaged;
}

void TbdcChoiceForm::CountZus()
{
    FBookWordCount = std::int32_t(WordStringGrid.RowCount());
    const word::ZuCount count = word::CountZus(FBookWordCount, FZuSize);
    FZuCount = count.FZuCount;
    FLastZuFull = count.FLastZuFull ? 1 : 0;
    TotalZuLabel->SetCaption(QString::number(FZuCount));
}

void TbdcChoiceForm::LoadZu()
{
    ZuLabel->SetCaption(QString::number(FCurrentZu));
    OneZuLabel->SetCaption(QString::number(FZuSize));
    FZuWordCount = word::ZuWordCount(FBookWordCount, FZuSize, FCurrentZu);
    ThisZuLabel->SetCaption(QString::number(FZuWordCount));
    FCurrentWord = 1;
    FLineRow = 1;
    ScrollTo(1);
    kivWordScrollBar->SetRange(1, std::max(1, FZuWordCount));
    word::FillZu(WordStringGrid, FZuSize, FCurrentZu, FZu);
    EnableSteppers();
}

void TbdcChoiceForm::OpenFirstBook()
{
    if (bdcBookListBox->Count() == 0)
        return;
    bdcBookListBox->SetItemIndex(0);
    OpenBookAndRecording(bdcBookListBox->Item(0));
}

void TbdcChoiceForm::OpenPickedBook()
{
    const TListBox* picked = bdcBookForm->BookListBox;
    if (picked->ItemIndex() < 0)
        return;
    OpenBookAndRecording(picked->Item(picked->ItemIndex()));
}

// The book and its recording are looked for independently: either may be
// missing without keeping the other from opening. A book that is there but
// cannot be read ends the opening, silent: the table still holds the previous
// book's words, and this book's recording would play other words at their
// clip points.
void TbdcChoiceForm::OpenBookAndRecording(const QString& bookName)
{
    const QString file = word::FindWordBookFile(BookFolder(), bookName);
    if (!LoadWordBook(file.isEmpty() ? QDir(BookFolder()).filePath(bookName + QStringLiteral(".wd")) : file)) {
        FSoundReady = 0;
        return;
    }
    OpenRecording(bookName);
}

void TbdcChoiceForm::OpenRecording(const QString& bookName)
{
    const QString path = word::FindWordRecording(FAppDir, bookName);
    if (path.isEmpty()) {
        FSoundReady = 0;
        platform::ShowMessage(QStringLiteral("声音文件不存在"));
        return;
    }
    bdcPlayer->FileName = path;
    try {
        bdcPlayer->Open();
        FSoundReady = 1;
    } catch (const EMCIDeviceError& error) {
        // A recording that will not open is reported once; the book's words
        // are still shown, silent.
        FSoundReady = 0;
        platform::ShowMessage(error.Message());
    }
}

// --- The list ------------------------------------------------------------------

void TbdcChoiceForm::ResetWordCourse()
{
    FShowEnglish = 1;
    FShowChinese = 1;
    EnglishDisplayImage1->SetPicture(KongImage->Picture());
    ChineseDisplayImage1->SetPicture(KongImage->Picture());
    FSoundReady = 0;
    FPlayingAll = 0;
    FCurrentZu = 1;
    FZuSize = word::kDefaultZuSize;
    FClipStart = 0;
    FClipEnd = 0;
}

void TbdcChoiceForm::ShowZuLabels()
{
    const int position = Position();
    for (int row = 1; row <= word::kListRows; ++row) {
        const int entry = word::EntryOfRow(row, position);
        const bool inArrays = entry >= 1 && entry <= word::kZuArrayLast;
        EnglishLabel(row)->SetCaption(inArrays ? word::EnglishRowCaption(FZuNumber[std::size_t(entry)],
                                                                         FZuWord[std::size_t(entry)])
                                               : QString());
        EnglishLabel(row)->resize(EnglishLabelWidth, RowLabelHeight);
        EnglishLabel(row)->SetVisible(FShowEnglish == 1);
        ChineseLabel(row)->SetCaption(inArrays ? FZuMeaning[std::size_t(entry)] : QString());
        ChineseLabel(row)->resize(ChineseLabelWidth, RowLabelHeight);
        ChineseLabel(row)->SetVisible(FShowChinese == 1);
    }
}

void TbdcChoiceForm::ShowLineShapeAt(int lineRow)
{
    LineShape->move(bdcChoiceLayout::LineShape.Left, word::LineShapeTop(lineRow));
    LineShape->SetVisible(true);
}

void TbdcChoiceForm::PlaceLineShape()
{
    const std::optional<int> lineRow = word::LineRowOf(FCurrentWord, Position(), FZuWordCount);
    if (!lineRow) {
        LineShape->SetVisible(false);
        return;
    }
    FLineRow = *lineRow;
    WordPosLabel->SetCaption(QString::number(FCurrentWord));
    ShowLineShapeAt(FLineRow);
}

void TbdcChoiceForm::HideEmptyRows()
{
    for (int row = word::FirstEmptyRow(FZuWordCount, Position()); row <= word::kListRows; ++row) {
        EnglishLabel(row)->SetVisible(false);
        ChineseLabel(row)->SetVisible(false);
    }
}

void TbdcChoiceForm::RefreshWordList()
{
    ShowZuLabels();
    PlaceLineShape();
    HideEmptyRows();
}

// --- Sound ---------------------------------------------------------------------

void TbdcChoiceForm::PlayWordClip()
{
    const std::size_t k = ZuEntry(FCurrentWord);
    PlayBookClip(FZuStart[k], FZuEnd[k], &FClipEnd, &FClipStart);
}

bool TbdcChoiceForm::PlayBookClip(const QString& start, const QString& end, std::int32_t* clipEnd,
                                  std::int32_t* clipStart)
{
    if (FSoundReady != 1)
        return false;
    const int from = StrToInt(start);
    const int to = StrToInt(end);
    if (clipStart)
        *clipStart = from;
    if (clipEnd)
        *clipEnd = to;
    // The device is told where the clip ends, so the next word's sound is
    // never heard before the poll stops the player.
    PlayClip(*bdcPlayer, from, to);
    return true;
}

bool TbdcChoiceForm::EndBookClipIfOver(int clipEnd)
{
    if (!ClipOver(*bdcPlayer, clipEnd))
        return false;
    StopBookClip();
    return true;
}

std::size_t TbdcChoiceForm::ZuEntry(int word) { return std::size_t(std::clamp(word, 1, word::kZuArrayLast)); }

void TbdcChoiceForm::StopBookClip()
{
    if (FSoundReady == 1)
        bdcPlayer->Stop();
}

void TbdcChoiceForm::StopTimers()
{
    OneWordPlayTimer->SetEnabled(false);
    WordToWordTimer->SetEnabled(false);
}

void TbdcChoiceForm::StartClip()
{
    PlayWordClip();
    OneWordPlayTimer->SetEnabled(true);
}

void TbdcChoiceForm::OneWordPlayTimerTimer(QObject*)
{
    if (!EndBookClipIfOver(FClipEnd))
        return;
    OneWordPlayTimer->SetEnabled(false);
    if (FPlayingAll == 1)
        WordToWordTimer->SetEnabled(true);
}

void TbdcChoiceForm::kivPlayImage1Click(QObject*)
{
    if (FPlayingAll != 0 || FZuWordCount < 1)
        return;
    // Without a recording there is nothing to play through; the learner is
    // told why nothing happens.
    if (FSoundReady != 1) {
        platform::ShowMessage(QStringLiteral("声音文件不存在"));
        return;
    }
    ScrollTo(FCurrentWord);
    RefreshWordList();
    StartClip();
    FPlayingAll = 1;
}

void TbdcChoiceForm::WordToWordTimerTimer(QObject*)
{
    WordToWordTimer->SetEnabled(false);
    if (FPlayingAll != 1)
        return;
    const word::PlayAllNext next = word::AfterPlayAllGap(FCurrentWord, FZuWordCount, FLineRow);
    if (next.kind == word::PlayAllNext::GroupOver) {
        EndPlayAll();
        return;
    }
    FCurrentWord = next.currentWord;
    WordPosLabel->SetCaption(QString::number(FCurrentWord));
    if (next.kind == word::PlayAllNext::NextWordOnTop) {
        ScrollTo(FCurrentWord);
        RefreshWordList();
    } else {
        PlaceLineShape();
    }
    StartClip();
}

// After the group's last word the list goes back to its first word.
void TbdcChoiceForm::EndPlayAll()
{
    StopTimers();
    if (FSoundReady == 1)
        bdcPlayer->Stop();
    FCurrentWord = 1;
    FPlayingAll = 0;
    ScrollTo(1);
    RefreshWordList();
}

void TbdcChoiceForm::kivStopImage1Click(QObject*)
{
    if (FPlayingAll != 1)
        return;
    StopTimers();
    FPlayingAll = 0;
    bdcPlayer->Stop();
}

void TbdcChoiceForm::StopPlayAll()
{
    if (FSoundReady != 1)
        return;
    FPlayingAll = 0;
    StopTimers();
    bdcPlayer->Stop();
}

void TbdcChoiceForm::RowLabelClick(QObject* Sender)
{
    int row = 0;
    for (int i = 1; i <= word::kListRows; ++i)
        if (Sender == EnglishLabel(i) || Sender == ChineseLabel(i))
            row = i;
    // Only rows holding a word of the group can be picked.
    if (row == 0 || word::EntryOfRow(row, Position()) > FZuWordCount)
        return;
    FLineRow = row;
    FCurrentWord = word::EntryOfRow(row, Position());
    WordPosLabel->SetCaption(QString::number(FCurrentWord));
    ShowLineShapeAt(row - 1);
    if (FSoundReady == 1) {
        WordToWordTimer->SetEnabled(false);
        StartClip();
    }
}

// --- Groups and their size -----------------------------------------------------

// Each "+" and "-" can be pressed exactly while it can still move its number,
// whatever book, group or size came before.
void TbdcChoiceForm::EnableSteppers()
{
    const StepperEnabling zu = EnablingFor(FCurrentZu, {1, FZuCount});
    Enable(UpZuButton, zu.up);
    Enable(DownZuButton, zu.down);
    const StepperEnabling size = EnablingFor(FZuSize, word::kZuSizeRange);
    Enable(UpWordButton, size.up);
    Enable(DownWordButton, size.down);
}

void TbdcChoiceForm::ChangeZu(int step)
{
    StopPlayAll();
    const NumberStep moved = StepNumber(StrToInt(ZuLabel->Caption()), step, {1, FZuCount});
    if (moved.moved) {
        FCurrentZu = moved.value;
        LoadZu();
        RefreshWordList();
    }
    EnableSteppers();
}

void TbdcChoiceForm::ChangeZuSize(int step)
{
    StopPlayAll();
    const NumberStep moved = StepNumber(StrToInt(OneZuLabel->Caption()), step, word::kZuSizeRange);
    if (moved.moved) {
        FZuSize = moved.value;
        CountZus();
        // The group number stays unless the book now has fewer groups.
        FCurrentZu = std::min(FCurrentZu, FZuCount);
        LoadZu();
        RefreshWordList();
    }
    EnableSteppers();
}

void TbdcChoiceForm::UpZuButtonClick(QObject*) { ChangeZu(+1); }
void TbdcChoiceForm::DownZuButtonClick(QObject*) { ChangeZu(-1); }
void TbdcChoiceForm::UpWordButtonClick(QObject*) { ChangeZuSize(+1); }
void TbdcChoiceForm::DownWordButtonClick(QObject*) { ChangeZuSize(-1); }

// --- Columns and scrolling -----------------------------------------------------

void TbdcChoiceForm::EnglishDisplayImage1Click(QObject*)
{
    FShowEnglish = FShowEnglish == 1 ? 0 : 1;
    EnglishDisplayImage1->SetPicture(FShowEnglish == 1 ? KongImage->Picture() : Image3->Picture());
    RefreshWordList();
}

void TbdcChoiceForm::ChineseDisplayImage1Click(QObject*)
{
    FShowChinese = FShowChinese == 1 ? 0 : 1;
    ChineseDisplayImage1->SetPicture(FShowChinese == 1 ? KongImage->Picture() : Image4->Picture());
    RefreshWordList();
}

void TbdcChoiceForm::kivWordScrollBarMouseDown(QObject*, TMouseButton, TShiftState, int, int) { RefreshWordList(); }
// The rows follow the wheel as they follow the bar's buttons and keys.
void TbdcChoiceForm::kivWordScrollBarWheel(QObject*) { RefreshWordList(); }

void TbdcChoiceForm::kivWordScrollBarKeyUp(QObject*, int& Key, TShiftState)
{
    // Page Up, Page Down, End, Home and the arrows move the bar.
    if (IsGridMoveKey(Key))
        RefreshWordList();
}

// --- The other screens ---------------------------------------------------------

void TbdcChoiceForm::kivBookImage1Click(QObject*)
{
    StopPlayAll();
    bdcBookForm->FillBookList(*bdcBookListBox);
    bdcBookForm->ShowModal();
}

// The drills are shown over the list, which stays beneath them. A group
// without words (no book could be loaded) has nothing to practise.
void TbdcChoiceForm::kivReadImage1Click(QObject*)
{
    StopPlayAll();
    if (FZuWordCount < 1)
        return;
    bdcReadForm->Show();
    bdcReadForm->StartReadAlong();
}

void TbdcChoiceForm::kivTypeImage1Click(QObject*)
{
    StopPlayAll();
    if (FZuWordCount < 1)
        return;
    bdcTypeForm->Show();
    bdcTypeForm->StartTyping();
}

void TbdcChoiceForm::kivTestImage1Click(QObject*)
{
    StopPlayAll();
    if (FZuWordCount < 1)
        return;
    bdcTestForm->Show();
    bdcTestForm->StartTest();
}
void TbdcChoiceForm::kivEngToChiImage1Click(QObject*)
{
    StopPlayAll();
    if (FZuWordCount < 1)
        return;
    bdcEngToChiForm->Show();
    bdcEngToChiForm->StartCards();
}

void TbdcChoiceForm::kivReturnImage1Click(QObject*)
{
    StopTimers();
    FPlayingAll = 0;
    bdcPlayer->Close();
    bjzMainForm->Show();
    Close();
}
