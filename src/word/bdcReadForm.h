#pragma once
// The word read-along: the group's words are shown and played one after
// another by themselves, each a set number of times with a set pause after
// each play. The phonetic and the meaning can be hidden, the word shown in
// capitals, the run paused; a scratch field lets the learner write along.
// After the group's last word the group-finished pop-up offers the group
// again or the way back.

#include "WordDrillParts.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "controls/SpeedButton.h"
#include "controls/Timer.h"

#include <cstdint>

class TbdcReadForm : public TForm {
    Q_OBJECT
public:
    TbdcReadForm();
    void FormCreate() override;

    void StartReadAlong();
    void ShowReadWord();
    void LeaveReadAlong();

    void OneWordPlayTimerTimer(QObject* Sender);
    void WordToWordTimerTimer(QObject* Sender);
    void kivPauseImage1Click(QObject* Sender);
    void kivYinBiaoImage1Click(QObject* Sender);
    void kivCiYIImage1Click(QObject* Sender);
    void kivDaXieImage1Click(QObject* Sender);
    void UpNumberClick(QObject* Sender);
    void DownNumberClick(QObject* Sender);
    void UptimeClick(QObject* Sender);
    void DownTimeClick(QObject* Sender);
    void TypeEditKeyDown(QObject* Sender, int& Key, TShiftState Shift);
    void kivReturnImageClick(QObject* Sender);

    std::int32_t FReadWord = 1;
    std::int32_t FReadTotal = 0;
    std::int32_t FReadClipEnd = 0;
    std::uint8_t FShowPhonetic = 1;
    std::uint8_t FShowMeaning = 1;
    std::uint8_t FCapitals = 0;
    std::uint8_t FRunning = 0;
    std::int32_t FRepeatLeft = 1;

    TImage* Image1;
    TLabel* ThisWordLabel;
    TLabel* TotalLabel;
    TLabel* EnglishLabel;
    TLabel* YinBiaoLabel;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* ChineseLabel;
    word::Toggle kivYinBiaoImage1;
    word::Toggle kivCiYIImage1;
    word::Toggle kivDaXieImage1;
    TkivImage1* kivPauseImage1;
    TImage* kivPauseImage2;
    TLabel* NumberLabel;
    TSpeedButton* UpNumber;
    TSpeedButton* DownNumber;
    TLabel* TimeLabel;
    TSpeedButton* Uptime;
    TSpeedButton* DownTime;
    TEdit* TypeEdit;
    TkivImage1* kivReturnImage;
    TkivImage1* kivImage11;
    TTimer* OneWordPlayTimer;
    TTimer* WordToWordTimer;
    TImage* KongImage;

private:
    void StepPause(int step, TSpeedButton* pressed, TSpeedButton* other);
};

extern TbdcReadForm* bdcReadForm;
