#pragma once
// The test-finished pop-up: how many words were spelt wrong in the pass,
// and the choice to test exactly those words again (FResult 1) or to return
// to the word list (FResult 2).

#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Labels.h"

#include <cstdint>

class TbdcTestFinishForm : public TForm {
    Q_OBJECT
public:
    TbdcTestFinishForm();
    void FormCreate() override;

    void ContinueButtonClick(QObject* Sender);
    void ReturnButtonClick(QObject* Sender);

    std::int32_t FResult = 0;

    TImage* Image1;
    TLabel* WrongLabel;
    TkivImage1* ContinueButton;
    TkivImage1* ReturnButton;
    TImage* CImage2;
    TImage* ReImage2;
    TImage* KongImage;
};

extern TbdcTestFinishForm* bdcTestFinishForm;
