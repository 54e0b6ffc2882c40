#pragma once
// The sentence read-along: steps through the current lesson's sentences by
// itself. Each sentence is shown in English and Chinese (either can be
// hidden) and played as its English clip, or spoken in Chinese by the speech
// voice; after a pause it is played again or the next one follows, and after
// the last sentence the learner chooses to go through the lesson again or to
// pick another lesson. The lesson is the chooser's sentence table, whose
// selected row is the current sentence; sound comes through the chooser's
// player.

#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Labels.h"
#include "controls/SpeedButton.h"
#include "controls/Timer.h"
#include "media/SpeechVoice.h"

#include <cstdint>

class TbjzReadForm : public TForm {
    Q_OBJECT
public:
    TbjzReadForm();
    void FormCreate() override;

    // Used by the chooser when it opens this screen.
    void SelectEnglishRead();
    void ShowSentenceTexts();

    // Event handlers.
    void bjzReadStartButtonClick(QObject* Sender);
    void bjzReadStopButtonClick(QObject* Sender);
    void bjzReadLastSenClick(QObject* Sender);
    void kivReadNextClick(QObject* Sender);
    void ReturnToChoiceClassClick(QObject* Sender);
    void kivChoiceClassClick(QObject* Sender);
    void EnglishDisplayImage1Click(QObject* Sender);
    void ChineseDisplayImage1Click(QObject* Sender);
    void EnglishReadImage1Click(QObject* Sender);
    void ChineseReadImage1Click(QObject* Sender);
    void ReadUpClick(QObject* Sender);
    void ReadDownClick(QObject* Sender);
    void UpTimerClick(QObject* Sender);
    void DownTimerClick(QObject* Sender);
    void bjzReadOneSenTimerTimer(QObject* Sender);
    void bjzReadSenTimerTimer(QObject* Sender);
    void SpVoice1EndStream(int StreamNumber, int StreamPosition);
    void EnglishKeyUp(QObject* Sender, int& Key, TShiftState Shift);

    std::uint8_t FShowEnglish = 1;
    std::uint8_t FShowChinese = 1;
    std::uint8_t FEnglishRead = 1;
    std::uint8_t FRunning = 1;
    std::int32_t FRepeatLeft = 1;

    TImage* Image1;
    TLabel* English;
    TLabel* Chinese;
    TkivImage1* EnglishDisplayImage1;
    TkivImage1* ChineseDisplayImage1;
    TkivImage1* EnglishReadImage1;
    TkivImage1* ChineseReadImage1;
    TImage* EnglishDisplayImage2;
    TImage* ChineseDisplayImage2;
    TImage* EnglishReadImage2;
    TImage* ChineseReadImage2;
    TImage* KongImage;
    TkivImage1* kivReadStart;
    TkivImage1* kivReadStop;
    TkivImage1* kivReadLast;
    TkivImage1* kivReadNext;
    TkivImage1* kivChoiceLesson;
    TkivImage1* kivReturnToMain;
    TImage* kivPressImage;
    TSpeedButton* ReadUp;
    TSpeedButton* ReadDown;
    TSpeedButton* UpTimer;
    TSpeedButton* DownTimer;
    TLabel* bjzReadTime;
    TLabel* SenAndSenTimer;
    TLabel* Lesson;
    TLabel* NumberSen;
    TTimer* bjzReadOneSenTimer;
    TTimer* bjzReadSenTimer;
    TSpVoice SpVoice1;

private:
    // The steps the commands and the cycle share.
    int Row() const;
    int RowCount() const;
    void SelectRow(int row);
    void ShowEnglishText();
    void ShowChineseText();
    void PlayCurrent();
    void SpeakChinese(const QString& text);
    void StopSpeech();
    void HaltAll();
    void MarkRunning();
    void WatchClipEnd();
    void AdvanceSentence();
    void FinishLesson();
    void StartReading();
    void StopReading();
    void PreviousSentence();
    void NextSentence();
    void BackToChooser();
    void SelectChineseRead();
    // Moves to `row`, shows it and plays it: the tail of Previous and Next.
    void StepTo(int row);
    bool SpeechReady() const;
    void StepPause(int direction);
    void StepRepeats(int direction);

    // The utterance whose end starts the next pause; 0 while none is awaited,
    // so an end arriving after Stop, Back or a switch to English starts
    // nothing.
    int awaitedStream_ = 0;
};

extern TbjzReadForm* bjzReadForm;
