#pragma once
// The lesson chooser: the entry screen of the sentence course. It lists the
// sentence books, the lessons of the loaded book and the sentences of the
// chosen lesson, and plays a sentence's clip when it is clicked. It owns
// everything the course shares: the loaded book as three string grids, the
// lesson recording in bjzPlayer, FSoundReady, the current clip's bounds and
// the clip operations every sentence screen uses.

#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Labels.h"
#include "controls/ListBox.h"
#include "controls/RichEdit.h"
#include "controls/StringGrid.h"
#include "controls/Timer.h"

#include <QDateTime>
#include <QFileInfo>
#include <cstdint>
#include <memory>

class TMediaPlayer;

class TChoiceClassForm : public TForm {
    Q_OBJECT
public:
    TChoiceClassForm();
    ~TChoiceClassForm() override;

    void FormCreate() override;

    // The lesson catalogue.
    static QString GetAppDir();
    void ListSentenceBooks();
    void LoadSentenceBook(const QString& fileName);
    void SetGridHeaders();
    void LoadLessonSentences();
    void OpenLessonSound();

    // Offered to the other screens.
    void OpenFirstBook();
    // A text of the lesson's sentence in `row`; empty outside the sentences,
    // so the table's captions never show as a sentence.
    QString LessonSentenceCell(int column, int row) const;
    void PlaySentenceClip();
    void PlayAndWatchClip();
    void TiaoZhanButtonClick(QObject* Sender);

    // Event handlers.
    void BookListBoxMouseUp(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void ClassStringGridMouseUp(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void ClassStringGridKeyUp(QObject* Sender, int& Key, TShiftState Shift);
    void OneClassStringGridMouseUp(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void OneClassStringGridKeyUp(QObject* Sender, int& Key, TShiftState Shift);
    void ReadOneSenTimerTimer(QObject* Sender);
    void bjzReadSenClick(QObject* Sender);
    void bjzTypeSenButtonClick(QObject* Sender);
    void LianCiButtonClick(QObject* Sender);
    void TotalButtonClick(QObject* Sender);
    void ReturnToMainFormClick(QObject* Sender);

    QString FAppDir;
    QString FBookMask;
    QString FSoundFolder;
    std::uint8_t FSoundReady = 0;
    std::int32_t FClipStart = 0;
    std::int32_t FClipEnd = 0;

    TImage* Image1;
    TListBox* BookListBox;
    TListBox* BookFileListBox;
    TStringGrid* ClassStringGrid;
    TStringGrid* OneClassStringGrid;
    TStringGrid* SenStringGrid;
    TRichEdit* SentenceEdit;
    TMediaPlayer* bjzPlayer;
    TTimer* ReadOneSenTimer;
    TkivImage1* kivReadSen;
    TkivImage1* kivTypeSen;
    TkivImage1* kivLianCiImage;
    TkivImage1* TotalImage1;
    TkivImage1* ReturnToMain;
    TImage* kivImage1;
    TImage* kivImage2;
    TImage* ReturnImage2;
    TImage* KongImage;

private:
    void SelectLesson();
    void ShowSentence();
    // Stops a clip started from this screen.
    void StopClip();
    void ReopenShownLesson();
    QString BookFolder() const;

    std::unique_ptr<TMediaPlayer> player_;

    // The book file the grids hold, as it was when read.
    struct LoadedFile {
        QString path;
        qint64 size = 0;
        QDateTime modified;
        static LoadedFile Of(const QFileInfo& file);
        bool IsOf(const QFileInfo& file) const;
    };
    LoadedFile loadedBook_;
};

extern TChoiceClassForm* ChoiceClassForm;
