#pragma once
// The spelling test: each word of the group is played and its phonetic and
// meaning shown; the learner types the word. A wrong answer shows the word,
// which must then be copied correctly twice and is recorded as wrong. After
// the pass, a pass without wrong words ends with the all-right picture;
// otherwise the test-finished pop-up offers a pass of exactly the wrong
// words. The test works on its own copy of the group.

#include "WordAnswerRules.h"
#include "WordDrillParts.h"
#include "controls/Edit.h"
#include "controls/Forms.h"

#include <QString>
#include <array>
#include <cstdint>

// One word of a pass: the six texts of the group arrays.
struct TTestEntry {
    QString Number, Word, Meaning, Phonetic, Start, End;
};

class TbdcTestForm : public TForm {
    Q_OBJECT
public:
    TbdcTestForm();
    void FormCreate() override;

    void StartTest();
    void RetestWrong();
    void ShowTestWord();
    void CheckAnswer();
    void LeaveTest();

    void TypeEditKeyDown(QObject* Sender, int& Key, TShiftState Shift);
    void kivEarImage1Click(QObject* Sender);
    void kivFaYInImage1Click(QObject* Sender);
    void kivCiYIImage1Click(QObject* Sender);
    void kivYinBiaoImage1Click(QObject* Sender);
    void kivReturnImage1Click(QObject* Sender);

    // Entries 1 to 50; entry 0 is never used.
    std::array<TTestEntry, 51> FTestList;
    std::array<TTestEntry, 51> FWrongList;
    std::int32_t FTestIndex = 1;
    std::int32_t FTestTotal = 0;
    QString FAnswer;
    std::int32_t FWrongCount = 0;
    word::SpellingState FSpelling; // FRetypeLeft and FWasWrong
    std::uint8_t FSoundOn = 1;
    std::uint8_t FShowPhonetic = 1;
    std::uint8_t FShowMeaning = 1;

    TImage* Image1;
    TLabel* ThisLabel;
    TLabel* TotalLabel;
    TLabel* WrongLabel;
    TLabel* YinBiaoLabel;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* ChineseLabel;
    TLabel* AnswerLabel;
    TLabel* HelpLabel;
    TEdit* TypeEdit;
    TImage* KongImage;
    word::Toggle kivFaYInImage1;
    word::Toggle kivCiYIImage1;
    word::Toggle kivYinBiaoImage1;
    TkivImage1* kivEarImage1;
    TkivImage1* kivZuImage1;
    TkivImage1* kivReturnImage1;

private:
    void StartPass(int total);
    void RecordWrong();
    void EndPass();
    void ShowHelp(const QString& text);
};

extern TbdcTestForm* bdcTestForm;
