#include "ChoiceClassForm.h"
#include "ChoiceClassLayout.h"
#include "LinkWordForm.h"
#include "SentenceBook.h"
#include "TiaoForm.h"
#include "TotalForm.h"
#include "app/bjzMainForm.h"
#include "bjzReadForm.h"
#include "bjzTypeSenForm.h"
#include "controls/Application.h"
#include "controls/Keys.h"
#include "controls/Look.h"
#include "controls/Skin.h"
#include "controls/TwinFaces.h"
#include "media/MediaPlayer.h"
#include "platform/Errors.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramFolder.h"

#include <QFileInfo>

TChoiceClassForm* ChoiceClassForm = nullptr;

namespace {

using namespace ChoiceClassLayout;

const char* const kListStyle =
    "QListWidget, QTableView { background: {Paper}; color: {Ink}; border: none;"
    "  selection-background-color: {Accent}; selection-color: {Ink}; }"
    "QListWidget { font-family: '{Kai}'; font-size: 19px; }"
    "QTableView { font-family: '{Sans}', '{Kai}'; font-size: 15px; gridline-color: {PaperRule}; }"
    "QHeaderView::section { background: {HeaderFill}; color: {HeaderInk}; border: none;"
    "  border-right: 1px solid {HeaderEdge};"
    "  font-family: '{Kai}'; font-size: 15px; font-weight: bold; padding: 2px 4px; }"
    "QTextEdit { background: {Paper}; color: {Ink}; border: none; }";

} // namespace

TChoiceClassForm::TChoiceClassForm()
    : TForm(FormKind::FullScreen, Width, Height, QStringLiteral("ChoiceClassForm")),
      player_(std::make_unique<TMediaPlayer>())
{
    setStyleSheet(look::StyleSheet(kListStyle));
    Image1 = new TImage(this, {0, 0, Width, Height});
    Image1->SetPicture(SkinPicture(Background));

    BookListBox = new TListBox(this, ChoiceClassLayout::BookListBox);
    BookFileListBox = new TListBox(this, {0, 0, 0, 0});
    BookFileListBox->setVisible(false);
    ClassStringGrid = new TStringGrid(this, ChoiceClassLayout::ClassStringGrid, 5);
    ClassStringGrid->SetColWidths({46, 148, 70, 70, 120});
    OneClassStringGrid = new TStringGrid(this, ChoiceClassLayout::OneClassStringGrid, 9);
    OneClassStringGrid->SetColWidths({46, 318, 260, 70, 70, 120, 50, 70, 70});
    OneClassStringGrid->setToolTip(QStringLiteral("即点即读"));
    SenStringGrid = new TStringGrid(this, {0, 0, 0, 0}, 8);
    SenStringGrid->setVisible(false);
    SentenceEdit = new TRichEdit(this, ChoiceClassLayout::SentenceEdit);
    SentenceEdit->SetReadOnly(true);
    SentenceEdit->SetFont(look::Sans(), 17, true);
    SentenceEdit->SetText(QStringLiteral("英语句子"));

    bjzPlayer = player_.get();
    bjzPlayer->AutoRewind = true;
    ReadOneSenTimer = new TTimer(200, false);
    ReadOneSenTimer->setParent(this);
    ReadOneSenTimer->SetOnTimer(Bind(this, &TChoiceClassForm::ReadOneSenTimerTimer));

    kivImage1 = HiddenSkinPicture(this, ChoiceClassLayout::kivReadSen.place, RestingFace);
    kivImage2 = HiddenSkinPicture(this, ChoiceClassLayout::kivReadSen.place, LitFace);
    ReturnImage2 = HiddenSkinPicture(this, ChoiceClassLayout::ReturnToMain, ReturnLit);
    KongImage = new TImage(this, {0, 0, 0, 0});
    const auto practiceButton = [this](const PracticeButton& layout) {
        return CaptionedButton(this, layout.place, QString::fromUtf8(layout.caption));
    };
    kivReadSen = practiceButton(ChoiceClassLayout::kivReadSen);
    kivTypeSen = practiceButton(ChoiceClassLayout::kivTypeSen);
    kivLianCiImage = practiceButton(ChoiceClassLayout::kivLianCiImage);
    TotalImage1 = practiceButton(ChoiceClassLayout::TotalImage1);
    ReturnToMain = new TkivImage1(this, ChoiceClassLayout::ReturnToMain);
    ReturnToMain->SetHandCursor();
    // The practice buttons are named by their labels; the screen's keys
    // only move the grids' rows, so no button has one.
    ReturnToMain->SetAccessibleCaption(QString::fromUtf8(ReturnCaption));
    BindOwnTwinFaces(*ReturnToMain, *ReturnImage2, *KongImage);

    BookListBox->OnMouseUp = Bind(this, &TChoiceClassForm::BookListBoxMouseUp);
    ClassStringGrid->OnMouseUp = Bind(this, &TChoiceClassForm::ClassStringGridMouseUp);
    ClassStringGrid->OnKeyUp = Bind(this, &TChoiceClassForm::ClassStringGridKeyUp);
    OneClassStringGrid->OnMouseUp = Bind(this, &TChoiceClassForm::OneClassStringGridMouseUp);
    OneClassStringGrid->OnKeyUp = Bind(this, &TChoiceClassForm::OneClassStringGridKeyUp);
    ReturnToMain->OnClick = Bind(this, &TChoiceClassForm::ReturnToMainFormClick);
    OnWindowClose = Bind(this, &TChoiceClassForm::ReturnToMainFormClick);
    kivReadSen->OnClick = Bind(this, &TChoiceClassForm::bjzReadSenClick);
    kivTypeSen->OnClick = Bind(this, &TChoiceClassForm::bjzTypeSenButtonClick);
    kivLianCiImage->OnClick = Bind(this, &TChoiceClassForm::LianCiButtonClick);
    TotalImage1->OnClick = Bind(this, &TChoiceClassForm::TotalButtonClick);
}

TChoiceClassForm::~TChoiceClassForm() = default;

void TChoiceClassForm::FormCreate()
{
    MoveToTopLeft();
    for (TkivImage1* button : {kivReadSen, kivTypeSen, TotalImage1, kivLianCiImage})
        BindSharedFaces(*button, *kivImage1, *kivImage2);
    FAppDir = GetAppDir();
    FBookMask = FAppDir + QStringLiteral("EnglishBook/*.jz");
    ListSentenceBooks();
    if (Application && Application->Terminated())
        return;
    OpenFirstBook();
}

QString TChoiceClassForm::GetAppDir() { return platform::ProgramFolder(); }

QString TChoiceClassForm::BookFolder() const { return FAppDir + QStringLiteral("EnglishBook"); }

void TChoiceClassForm::ListSentenceBooks()
{
    const QStringList names = sentence::ListSentenceBooks(BookFolder());
    BookFileListBox->Clear();
    BookListBox->Clear();
    if (names.isEmpty()) {
        platform::ShowMessage(QStringLiteral("书本文件不存在，请在作者主页下载，完整版"));
        if (Application)
            Application->Terminate();
        return;
    }
    for (const QString& name : names) {
        BookFileListBox->AddItem(QFileInfo(sentence::FindSentenceBookFile(BookFolder(), name)).fileName());
        BookListBox->AddItem(name);
    }
    BookListBox->SetItemIndex(0);
}

void TChoiceClassForm::SetGridHeaders()
{
    const QStringList& sentenceCaptions = sentence::SentenceCaptions();
    for (int column = 0; column < sentenceCaptions.size(); ++column) {
        SenStringGrid->SetCells(column, 0, sentenceCaptions[column]);
        OneClassStringGrid->SetCells(column, 0, sentenceCaptions[column]);
    }
    OneClassStringGrid->SetCells(8, 0, sentence::LessonSentenceCaptions()[8]);
    const QStringList& lessonCaptions = sentence::LessonCaptions();
    for (int column = 0; column < lessonCaptions.size(); ++column)
        ClassStringGrid->SetCells(column, 0, lessonCaptions[column]);
}

void TChoiceClassForm::LoadSentenceBook(const QString& fileName)
{
    bjzPlayer->Close();
    ReadOneSenTimer->SetEnabled(false);
    const QString path = sentence::FindSentenceBookFile(BookFolder(), fileName.chopped(3));
    if (path.isEmpty()) {
        platform::ShowMessage(QStringLiteral("文件不存在"));
        ReopenShownLesson();
        return;
    }
    const QFileInfo file(path);
    if (loadedBook_.IsOf(file)) {
        // The same file, unchanged since it was read: its tables are the ones
        // held, so only the first lesson is chosen again.
        ClassStringGrid->SetRow(1);
        SenStringGrid->SetRow(1);
    } else {
        sentence::BookLoadResult loaded = sentence::LoadSentenceBook(path);
        if (!loaded.Ok()) {
            platform::ShowMessage(loaded.message + QLatin1Char('\n') + loaded.detail);
            ReopenShownLesson();
            return;
        }
        FSoundFolder = loaded.book.soundFolder;
        ClassStringGrid->SetTable(std::move(loaded.book.lessons));
        SenStringGrid->SetTable(std::move(loaded.book.sentences));
        loadedBook_ = LoadedFile::Of(file);
    }
    OpenLessonSound();
    LoadLessonSentences();
}

TChoiceClassForm::LoadedFile TChoiceClassForm::LoadedFile::Of(const QFileInfo& file)
{
    return {file.absoluteFilePath(), file.size(), file.lastModified()};
}

bool TChoiceClassForm::LoadedFile::IsOf(const QFileInfo& file) const
{
    return !path.isEmpty() && path == file.absoluteFilePath() && size == file.size() &&
           modified == file.lastModified();
}

// A book that cannot be loaded leaves the book shown before, and its lesson
// keeps sounding: the recording the load closed is opened again.
void TChoiceClassForm::ReopenShownLesson()
{
    if (ClassStringGrid->RowCount() > 1)
        OpenLessonSound();
}

void TChoiceClassForm::OpenLessonSound()
{
    ReadOneSenTimer->SetEnabled(false);
    const QString path = FAppDir + QStringLiteral("Sound/") + FSoundFolder + QLatin1Char('/') +
                         ClassStringGrid->Cells(sentence::kRecordingColumn, ClassStringGrid->Row());
    if (!QFileInfo(path).isFile()) {
        FSoundReady = 0;
        return;
    }
    FSoundReady = 1;
    bjzPlayer->FileName = path;
    try {
        bjzPlayer->Open();
    } catch (const EMCIDeviceError& error) {
        // A recording that will not open is reported once; the lesson stays
        // usable without sound.
        FSoundReady = 0;
        platform::ShowMessage(error.Message());
    }
}

void TChoiceClassForm::LoadLessonSentences()
{
    OneClassStringGrid->SetTable(
        sentence::LessonSentenceTable(SenStringGrid->Table(), ClassStringGrid->Table(), ClassStringGrid->Row()));
    OneClassStringGrid->SetRow(1);
    ShowSentence();
}

void TChoiceClassForm::OpenFirstBook()
{
    FSoundReady = 0;
    SetGridHeaders();
    if (BookListBox->Count() > 0)
        LoadSentenceBook(BookListBox->Item(0) + QStringLiteral(".jz"));
}

void TChoiceClassForm::ShowSentence()
{
    const int row = OneClassStringGrid->Row();
    SentenceEdit->SetText(OneClassStringGrid->Cells(sentence::kEnglishColumn, row) + QStringLiteral("--") +
                          OneClassStringGrid->Cells(sentence::kChineseColumn, row));
}

QString TChoiceClassForm::LessonSentenceCell(int column, int row) const
{
    if (row < 1 || row >= OneClassStringGrid->RowCount())
        return QString();
    return OneClassStringGrid->Cells(column, row);
}

void TChoiceClassForm::PlaySentenceClip()
{
    if (FSoundReady != 1)
        return;
    const int row = OneClassStringGrid->Row();
    FClipStart = OneClassStringGrid->CellNumber(sentence::kStartColumn, row);
    FClipEnd = OneClassStringGrid->CellNumber(sentence::kEndColumn, row);
    // The device is told where the clip ends, so no sound of the next sentence
    // is heard before the caller's poll timer stops the player.
    PlayClip(*bjzPlayer, FClipStart, FClipEnd);
}

void TChoiceClassForm::PlayAndWatchClip()
{
    PlaySentenceClip();
    if (FSoundReady == 1)
        ReadOneSenTimer->SetEnabled(true);
}

void TChoiceClassForm::StopClip()
{
    if (FSoundReady != 1)
        return;
    bjzPlayer->Stop();
    ReadOneSenTimer->SetEnabled(false);
}

void TChoiceClassForm::SelectLesson()
{
    LoadLessonSentences();
    StopClip();
    OpenLessonSound();
}

void TChoiceClassForm::BookListBoxMouseUp(QObject*, TMouseButton, TShiftState, int, int)
{
    if (BookListBox->ItemIndex() >= 0)
        LoadSentenceBook(BookListBox->Item(BookListBox->ItemIndex()) + QStringLiteral(".jz"));
}

void TChoiceClassForm::ClassStringGridMouseUp(QObject*, TMouseButton, TShiftState, int, int) { SelectLesson(); }

void TChoiceClassForm::ClassStringGridKeyUp(QObject*, int& Key, TShiftState)
{
    if (IsGridMoveKey(Key))
        SelectLesson();
}

void TChoiceClassForm::OneClassStringGridMouseUp(QObject*, TMouseButton, TShiftState, int, int)
{
    ShowSentence();
    PlayAndWatchClip();
}

void TChoiceClassForm::OneClassStringGridKeyUp(QObject*, int& Key, TShiftState)
{
    if (IsGridMoveKey(Key))
        ShowSentence();
}

void TChoiceClassForm::ReadOneSenTimerTimer(QObject*)
{
    if (ClipOver(*bjzPlayer, FClipEnd)) {
        bjzPlayer->Stop();
        ReadOneSenTimer->SetEnabled(false);
    }
}

void TChoiceClassForm::ReturnToMainFormClick(QObject*)
{
    if (FSoundReady == 1) {
        bjzPlayer->Close();
        ReadOneSenTimer->SetEnabled(false);
    }
    bjzMainForm->Show();
    Close();
}

// Every practice screen starts at the lesson's first sentence.
void TChoiceClassForm::bjzReadSenClick(QObject*)
{
    StopClip();
    bjzReadForm->Show();
    Hide();
    OneClassStringGrid->SetRow(1);
    bjzReadForm->bjzReadSenTimer->SetInterval(1000);
    bjzReadForm->SenAndSenTimer->SetCaption(QStringLiteral("1"));
    bjzReadForm->FShowEnglish = 1;
    bjzReadForm->FShowChinese = 1;
    bjzReadForm->EnglishDisplayImage1->SetPicture(bjzReadForm->EnglishDisplayImage2->Picture());
    bjzReadForm->ChineseDisplayImage1->SetPicture(bjzReadForm->ChineseDisplayImage2->Picture());
    bjzReadForm->Lesson->SetCaption(QString::number(ClassStringGrid->Row()));
    bjzReadForm->NumberSen->SetCaption(QStringLiteral("1"));
    bjzReadForm->SelectEnglishRead();
    bjzReadForm->ShowSentenceTexts();
    PlaySentenceClip();
    bjzReadForm->bjzReadOneSenTimer->SetEnabled(true);
}

void TChoiceClassForm::bjzTypeSenButtonClick(QObject*)
{
    StopClip();
    bjzTypeSenForm->Show();
    Hide();
    OneClassStringGrid->SetRow(1);
    PlayAndWatchClip();
    bjzTypeSenForm->Lesson->SetCaption(QString::number(ClassStringGrid->Row()));
    bjzTypeSenForm->TotalSentence->SetCaption(QString::number(OneClassStringGrid->RowCount() - 1));
    bjzTypeSenForm->LessonSentence->SetCaption(QString::number(OneClassStringGrid->Row()));
    bjzTypeSenForm->LoadDictationSentence();
}

// Word linking starts without sound.
void TChoiceClassForm::LianCiButtonClick(QObject*)
{
    StopClip();
    LinkWordForm->Show();
    Hide();
    OneClassStringGrid->SetRow(1);
    LinkWordForm->Label1->SetCaption(QString::number(ClassStringGrid->Row()));
    LinkWordForm->Label2->SetCaption(QStringLiteral("1"));
    LinkWordForm->LoadLinkSentence();
}

void TChoiceClassForm::TotalButtonClick(QObject*)
{
    StopClip();
    TotalForm->LessonLabel1->SetCaption(QString::number(ClassStringGrid->Row()));
    TotalForm->SenNumberLabel->SetCaption(QStringLiteral("(%1)").arg(OneClassStringGrid->RowCount() - 1));
    TotalForm->FWindowRow = 1;
    TotalForm->Show();
    Hide();
    OneClassStringGrid->SetRow(1);
    TotalForm->LoadLessonTexts();
}

void TChoiceClassForm::TiaoZhanButtonClick(QObject*)
{
    TiaoForm->Show();
    Hide();
}
