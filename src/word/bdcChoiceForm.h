#pragma once
// The word list browser: the entry screen of the word course. It shows the
// current group of the current word book as eleven scrolling rows (number
// and word on the left, meaning on the right), plays a word's clip when its
// row is clicked and the whole group word by word on play-all, moves between
// groups and changes the group size, hides either column, and opens the book
// picker and the drills. It owns what every word screen shares: the loaded
// book table, its groups and their arrays, the book's recording in bdcPlayer
// and FSoundReady.

#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Labels.h"
#include "controls/ListBox.h"
#include "controls/ScrollBar.h"
#include "controls/SpeedButton.h"
#include "controls/StringTable.h"
#include "controls/Timer.h"
#include "word/WordGroups.h"

#include <array>
#include <cstdint>
#include <memory>

class TMediaPlayer;

class TbdcChoiceForm : public TForm {
    Q_OBJECT
public:
    TbdcChoiceForm();
    ~TbdcChoiceForm() override;

    void FormCreate() override;
    void FormDestroy() override;

    // The word books and their groups.
    void ListWordBooks();
    [[nodiscard]] bool LoadWordBook(const QString& path);
    void CountZus();
    void LoadZu();
    void OpenFirstBook();
    void OpenPickedBook();

    // The list.
    void ResetWordCourse();
    void ShowZuLabels();
    void PlaceLineShape();
    void HideEmptyRows();
    void RefreshWordList();
    // Sound.
    void StopPlayAll();
    void PlayWordClip();
    // Clips of the book's recording, for this screen and the drills: a clip
    // from `start` to `end` (decimal texts, read only when there is a
    // recording), its points handed back; false, and nothing played, without
    // a recording.
    bool PlayBookClip(const QString& start, const QString& end, std::int32_t* clipEnd = nullptr,
                      std::int32_t* clipStart = nullptr);
    // The end-of-clip watch: true, with the player stopped, once a clip
    // ending at `clipEnd` is over.
    bool EndBookClipIfOver(int clipEnd);
    void StopBookClip();
    // The group arrays' entry for word `word` of the group, kept within them.
    static std::size_t ZuEntry(int word);

    // Event handlers.
    void RowLabelClick(QObject* Sender);
    void OneWordPlayTimerTimer(QObject* Sender);
    void WordToWordTimerTimer(QObject* Sender);
    void kivPlayImage1Click(QObject* Sender);
    void kivStopImage1Click(QObject* Sender);
    void UpZuButtonClick(QObject* Sender);
    void DownZuButtonClick(QObject* Sender);
    void UpWordButtonClick(QObject* Sender);
    void DownWordButtonClick(QObject* Sender);
    void EnglishDisplayImage1Click(QObject* Sender);
    void ChineseDisplayImage1Click(QObject* Sender);
    void kivWordScrollBarMouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void kivWordScrollBarKeyUp(QObject* Sender, int& Key, TShiftState Shift);
    void kivWordScrollBarWheel(QObject* Sender);
    void kivBookImage1Click(QObject* Sender);
    void kivReadImage1Click(QObject* Sender);
    void kivTypeImage1Click(QObject* Sender);
    void kivTestImage1Click(QObject* Sender);
    void kivEngToChiImage1Click(QObject* Sender);
    void kivReturnImage1Click(QObject* Sender);

    // Row i (1 to 11) of the list.
    TkivLabel* EnglishLabel(int row) const { return FEnglishLabels[std::size_t(row)]; }
    TkivLabel* ChineseLabel(int row) const { return FChineseLabels[std::size_t(row)]; }

    // The book and its groups.
    QString FAppDir;
    // The loaded book's words, one row each (no caption row); empty until a
    // book has loaded.
    StringTable WordStringGrid{7};
    std::int32_t FBookWordCount = 0;
    std::int32_t FZuSize = word::kDefaultZuSize;
    std::int32_t FZuCount = 1;
    std::uint8_t FLastZuFull = 0;
    std::int32_t FCurrentZu = 1;
    std::int32_t FZuWordCount = 0;
    std::uint8_t FSoundReady = 0;
    // Entries 1 to 62 of the current group; the drills read them too.
    word::ZuArrays FZu;
    word::ZuArray& FZuNumber = FZu.FZuNumber;
    word::ZuArray& FZuWord = FZu.FZuWord;
    word::ZuArray& FZuMeaning = FZu.FZuMeaning;
    word::ZuArray& FZuPhonetic = FZu.FZuPhonetic;
    word::ZuArray& FZuStart = FZu.FZuStart;
    word::ZuArray& FZuEnd = FZu.FZuEnd;

    // The list.
    std::int32_t FCurrentWord = 1;
    std::int32_t FLineRow = 1;
    std::uint8_t FPlayingAll = 0;
    std::int32_t FClipStart = 0;
    std::int32_t FClipEnd = 0;
    std::uint8_t FShowEnglish = 1;
    std::uint8_t FShowChinese = 1;
    // Entries 1 to 11; entry 0 is never used.
    std::array<TkivLabel*, 12> FEnglishLabels{};
    std::array<TkivLabel*, 12> FChineseLabels{};

    TImage* Image1;
    TImage* Panel1;
    TImage* Image2;
    TImage* LineShape;
    TkivScrollBar* kivWordScrollBar;
    TLabel* TotalZuLabel;
    TLabel* ZuLabel;
    TLabel* OneZuLabel;
    TLabel* ThisZuLabel;
    TLabel* WordPosLabel;
    TSpeedButton* UpZuButton;
    TSpeedButton* DownZuButton;
    TSpeedButton* UpWordButton;
    TSpeedButton* DownWordButton;
    TkivImage1* EnglishDisplayImage1;
    TkivImage1* ChineseDisplayImage1;
    TImage* Image3;
    TImage* Image4;
    TImage* KongImage;
    TkivImage1* kivPlayImage1;
    TkivImage1* kivStopImage1;
    TImage* Image5;
    TImage* Image6;
    TkivImage1* kivBookImage1;
    TkivImage1* kivReadImage1;
    TkivImage1* kivTypeImage1;
    TkivImage1* kivTestImage1;
    TkivImage1* kivEngToChiImage1;
    TkivImage1* kivReturnImage1;
    TImage* kivBookImage2;
    TImage* kivReadImage2;
    TImage* kivTypeImage2;
    TImage* kivTestImage2;
    TImage* kivEngToChiImage2;
    TImage* kivReturnImage2;
    TMediaPlayer* bdcPlayer;
    TTimer* OneWordPlayTimer;
    TTimer* WordToWordTimer;
    // The word books found (hidden); the main menu enters the course only
    // when it holds at least one.
    TListBox* bdcBookListBox;

private:
    QString BookFolder() const;
    void OpenBookAndRecording(const QString& bookName);
    void OpenRecording(const QString& bookName);
    int Position() const { return kivWordScrollBar->Position(); }
    void ScrollTo(int position) { kivWordScrollBar->SetPosition(position); }
    void ShowLineShapeAt(int lineRow);
    void ChangeZu(int step);
    void ChangeZuSize(int step);
    void EnableSteppers();
    void StartClip();
    void StopTimers();
    void EndPlayAll();
    void CreateRowLabels();

    std::unique_ptr<TMediaPlayer> player_;
};

extern TbdcChoiceForm* bdcChoiceForm;
