#pragma once
// The typing drill: the group's words one at a time, each shown with its
// phonetic and meaning and played; the learner types it and presses Enter.
// A wrong answer shows "打错了" and the same word again; after the last word
// the group-finished pop-up offers the group again or the way back.

#include "WordDrillParts.h"
#include "controls/Edit.h"
#include "controls/Forms.h"

#include <cstdint>

class TbdcTypeForm : public TForm {
    Q_OBJECT
public:
    TbdcTypeForm();
    void FormCreate() override;

    void StartTyping();
    void ShowTypeWord();
    void CheckTyping();
    void LeaveTyping();

    void TypeEditKeyDown(QObject* Sender, int& Key, TShiftState Shift);
    void kivEarImage1Click(QObject* Sender);
    void kivFaYinImage1Click(QObject* Sender);
    void kivYinBiaoImage1Click(QObject* Sender);
    void kivCiYIImage1Click(QObject* Sender);
    void ReturnWordClick(QObject* Sender);

    std::uint8_t FSoundOn = 1;
    std::uint8_t FShowPhonetic = 1;
    std::uint8_t FShowMeaning = 1;
    std::int32_t FTypeWord = 1;
    std::int32_t FTypeTotal = 0;

    TImage* Image1;
    TLabel* ThisLabel;
    TLabel* TotalLabel;
    TLabel* EnglishLabel;
    TLabel* ChineseLabel;
    TLabel* YinBiaoLabel;
    TLabel* LeftLabel;
    TLabel* RightLabel;
    TLabel* HelpLabel;
    TEdit* TypeEdit;
    TImage* KongImage;
    word::Toggle kivFaYinImage1;
    word::Toggle kivYinBiaoImage1;
    word::Toggle kivCiYIImage1;
    TkivImage1* kivEarImage1;
    TkivImage1* ChoiceWord;
    TkivImage1* ReturnWord;
};

extern TbdcTypeForm* bdcTypeForm;
