#include "ChoiceClassForm.h"
#include "ChoiceClassLayout.h"
#include "SentenceBook.h"
#include "TiaoForm.h"
#include "app/bjzMainForm.h"
#include "controls/Application.h"
#include "controls/Keys.h"
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

// A practice button: the shared face with its caption as a label over it
// that lets the pointer through to the button.
TkivImage1* MakePracticeButton(QWidget* parent, const ChoiceClassLayout::PracticeButton& layout)
{
    auto* button = new TkivImage1(parent, layout.place);
    button->SetHandCursor();
    auto* caption = new TLabel(parent, layout.place, QString::fromUtf8(layout.caption));
    caption->SetFont(QStringLiteral("楷体_GB2312"), 21, true);
    caption->SetColor(QColor(0xf4, 0xf7, 0xf8));
    caption->SetTransparent(true);
    caption->setAlignment(Qt::AlignCenter);
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    return button;
}

const char* const kListStyle =
    "QListWidget, QTableView { background: #fbfaf6; color: #102c42; border: none;"
    "  selection-background-color: #f2b33d; selection-color: #102c42; }"
    "QListWidget { font-family: '楷体_GB2312'; font-size: 19px; }"
    "QTableView { font-family: 'Arial', '楷体_GB2312'; font-size: 15px; gridline-color: #dfe7e9; }"
    "QHeaderView::section { background: #dfe9ec; color: #174e5e; border: none; border-right: 1px solid #c5d6db;"
    "  font-family: '楷体_GB2312'; font-size: 15px; font-weight: bold; padding: 2px 4px; }"
    "QTextEdit { background: #fbfaf6; color: #102c42; border: none; }";

} // namespace

TChoiceClassForm::TChoiceClassForm()
    : TForm(FormKind::FullScreen, Width, Height, QStringLiteral("ChoiceClassForm")),
      player_(std::make_unique<TMediaPlayer>())
{
    setStyleSheet(QString::fromUtf8(kListStyle));
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
    SentenceEdit->SetFont(QStringLiteral("Arial"), 17, true);
    SentenceEdit->SetText(QStringLiteral("英语句子"));

    bjzPlayer = player_.get();
    bjzPlayer->AutoRewind = true;
    ReadOneSenTimer = new TTimer(200, false);
    ReadOneSenTimer->setParent(this);
    ReadOneSenTimer->SetOnTimer([this](QObject* s) { ReadOneSenTimerTimer(s); });

    kivImage1 = HiddenSkinPicture(this, ChoiceClassLayout::kivReadSen.place, RestingFace);
    kivImage2 = HiddenSkinPicture(this, ChoiceClassLayout::kivReadSen.place, LitFace);
    ReturnImage2 = HiddenSkinPicture(this, ChoiceClassLayout::ReturnToMain, ReturnLit);
    KongImage = new TImage(this, {0, 0, 0, 0});
    kivReadSen = MakePracticeButton(this, ChoiceClassLayout::kivReadSen);
    kivTypeSen = MakePracticeButton(this, ChoiceClassLayout::kivTypeSen);
    kivLianCiImage = MakePracticeButton(this, ChoiceClassLayout::kivLianCiImage);
    TotalImage1 = MakePracticeButton(this, ChoiceClassLayout::TotalImage1);
    ReturnToMain = new TkivImage1(this, ChoiceClassLayout::ReturnToMain);
    ReturnToMain->SetHandCursor();
    BindOwnTwinFaces(*ReturnToMain, *ReturnImage2, *KongImage);

    BookListBox->OnMouseUp = [this](QObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        BookListBoxMouseUp(s, b, sh, x, y);
    };
    ClassStringGrid->OnMouseUp = [this](QObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        ClassStringGridMouseUp(s, b, sh, x, y);
    };
    ClassStringGrid->OnKeyUp = [this](QObject* s, int& key, TShiftState sh) { ClassStringGridKeyUp(s, key, sh); };
    OneClassStringGrid->OnMouseUp = [this](QObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        OneClassStringGridMouseUp(s, b, sh, x, y);
    };
    OneClassStringGrid->OnKeyUp = [this](QObject* s, int& key, TShiftState sh) {
        OneClassStringGridKeyUp(s, key, sh);
    };
    ReturnToMain->OnClick = [this](QObject* s) { ReturnToMainFormClick(s); };
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
    sentence::BookLoadResult loaded = sentence::LoadSentenceBook(path);
    if (!loaded.Ok()) {
        platform::ShowMessage(loaded.message + QLatin1Char('\n') + loaded.detail);
        ReopenShownLesson();
        return;
    }
    FSoundFolder = loaded.book.soundFolder;
    ClassStringGrid->SetTable(std::move(loaded.book.lessons));
    SenStringGrid->SetTable(std::move(loaded.book.sentences));
    OpenLessonSound();
    LoadLessonSentences();
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
    if (bjzPlayer->Position() >= FClipEnd) {
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

void TChoiceClassForm::TiaoZhanButtonClick(QObject*)
{
    TiaoForm->Show();
    Hide();
}
