#pragma once
// The flash cards: the group's words one card at a time, by themselves. In
// English mode a card shows the word and plays it, and the next card
// follows the set time after the clip; in Chinese mode a card shows only the
// meaning, silent, for the set time. After the last card the group-finished
// pop-up offers the group again or the way back.

#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Labels.h"
#include "controls/SpeedButton.h"
#include "controls/Timer.h"

#include <cstdint>

class TbdcEngToChiForm : public TForm {
    Q_OBJECT
public:
    TbdcEngToChiForm();
    void FormCreate() override;

    void StartCards();
    void ShowCard();
    void LeaveCards();

    void OneWordPlayTimerTimer(QObject* Sender);
    void WordToWordTimerTimer(QObject* Sender);
    void PauseImageClick(QObject* Sender);
    void ToEnglish1Click(QObject* Sender);
    void ToChinese1Click(QObject* Sender);
    void UpTimeClick(QObject* Sender);
    void DownTimeClick(QObject* Sender);
    void kivReturnImage1Click(QObject* Sender);

    std::int32_t FCardWord = 1;
    std::int32_t FCardTotal = 0;
    std::int32_t FCardClipEnd = 0;
    std::uint8_t FRunning = 0;
    std::uint8_t FEnglishMode = 1;

    TImage* Image1;
    TLabel* EnglishLabel;
    TLabel* ChineseLabel;
    TLabel* ThisWordLabel;
    TLabel* TotalLabel;
    TLabel* TimeLabel;
    TSpeedButton* UpTime;
    TSpeedButton* DownTime;
    TkivImage1* ToEnglish1;
    TkivImage1* ToChinese1;
    TImage* ToEnglish2;
    TImage* ToChinese2;
    TkivImage1* PauseImage;
    TImage* continueImage;
    TkivImage1* kivChoiceImage1;
    TkivImage1* kivReturnImage1;
    TImage* KongImage;
    TTimer* OneWordPlayTimer;
    TTimer* WordToWordTimer;

private:
    void StepTime(int step, TSpeedButton* pressed, TSpeedButton* other);
    void ShowMode();
};

extern TbdcEngToChiForm* bdcEngToChiForm;
