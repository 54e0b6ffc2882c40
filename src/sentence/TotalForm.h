#pragma once
// The whole-lesson player: the current lesson as a scrollable text, seven
// sentences at a time, each an English line over its Chinese line. Clicking
// an English line plays that sentence; Play runs through the lesson from the
// current sentence to its end, each sentence played the chosen number of
// times with the chosen pause between plays, the text highlighting and
// scrolling along. The lesson is the chooser's sentence table; sound comes
// through the chooser's player.

#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Labels.h"
#include "controls/ScrollBar.h"
#include "controls/SpeedButton.h"
#include "controls/Timer.h"

#include <QStringList>
#include <cstdint>
#include <vector>

class TTotalForm : public TForm {
    Q_OBJECT
public:
    TTotalForm();
    void FormCreate() override;
    void FormDestroy() override;

    // Used by the chooser when it opens this screen.
    void LoadLessonTexts();

    // Event handlers.
    void ReturnButtonClick(QObject* Sender);
    void kivSenPlayClick(QObject* Sender);
    void kivSenStopClick(QObject* Sender);
    void EnglishDisplayClick(QObject* Sender);
    void ChineseDisplayClick(QObject* Sender);
    void SpeedButton1MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void SpeedButton2MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void SpeedButton3MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void SpeedButton4MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void kivScrollBar1MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void kivScrollBar1KeyUp(QObject* Sender, int& Key, TShiftState Shift);
    void kivScrollBar1Wheel(QObject* Sender);
    void ReadOneSenTimerTimer(QObject* Sender);
    void SenToSenTimerTimer(QObject* Sender);
    // The seven English labels share these; the pair is told by Sender.
    void EnglishLabelMouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void EnglishLabelClick(QObject* Sender);
    void EnglishLabelMouseUp(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

    // The text window.
    void LayOutPairs();
    void HideTail();
    void MeasureRowsFit();
    void ClearHighlight();
    void HighlightCurrent();
    void RefreshList();
    // Sound.
    void PlayCurrentSentence();
    void TogglePlay();

    // Pair k (1 to 7) of the text window.
    TkivLabel2* EnglishLabel(int pair) const { return FSenLabels[std::size_t(2 * pair - 2)]; }
    TkivLabel2* ChineseLabel(int pair) const { return FSenLabels[std::size_t(2 * pair - 1)]; }

    std::uint8_t FShowEnglish = 1;
    std::uint8_t FShowChinese = 1;
    std::uint8_t FPlaying = 0;
    std::int32_t FRepeatLeft = 0;
    std::int32_t FRowsFit = 0;
    std::int32_t FWindowRow = 0;
    std::int32_t FSentenceCount = 0;
    std::int32_t FCurrentSentence = 0;
    // Sentence n's texts are entry n - 1; a lesson of any length fits.
    QStringList FEnglishTexts;
    QStringList FChineseTexts;
    // Pair k is labels 2k - 1 (English) and 2k (Chinese), counted from 1.
    std::vector<TkivLabel2*> FSenLabels;

    TImage* Image1;
    TImage* Panel1;
    TkivScrollBar* kivScrollBar1;
    TLabel* SenLessonNum;
    TLabel* LessonLabel1;
    TLabel* SenNumberLabel;
    TLabel* ReadCountLabel;
    TLabel* SenToSenLabel;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;
    TSpeedButton* SpeedButton3;
    TSpeedButton* SpeedButton4;
    TkivImage1* EnglishDisplay;
    TkivImage1* ChineseDisplay;
    TImage* English2;
    TImage* chinese2;
    TkivImage1* kivSenPlay;
    TkivImage1* kivSenStop;
    TkivImage1* ReturnImage11;
    TkivImage1* kivChoiceImage1;
    TImage* PlayImage2;
    TImage* StopImage2;
    TImage* returnImage2;
    TImage* choiceImage2;
    TImage* KongImage;
    TTimer* ReadOneSenTimer;
    TTimer* SenToSenTimer;

private:
    void CopyLessonTexts();
    void StartRun();
    void StopRun();
    void BackToChooser();
    void ShowCurrentNumber();
    void ScrollTo(int position);
    int Position() const { return kivScrollBar1->Position(); }
    // The pair (1 to 7) of an English label, 0 for any other sender.
    int PairOf(QObject* label) const;
    void LightEnglish(TLabel* label);
    void LightPair(int pair);
    void SetEnglishShown(bool shown);
    void SetChineseShown(bool shown);
    void StepRepeatCount(int step);
    void StepPause(int step);
    bool SoundReady() const;
};

extern TTotalForm* TotalForm;
