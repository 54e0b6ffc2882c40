#pragma once
// The group-finished pop-up, shown modally by the word drills after the
// group's last word: go over the group again (FResult 1) or leave the drill
// (FResult 2). Callers set FResult to 0 before showing it; closing it any
// other way leaves 0.

#include "controls/Forms.h"
#include "controls/Image.h"

#include <cstdint>

class TbdcClassFinishForm : public TForm {
    Q_OBJECT
public:
    TbdcClassFinishForm();
    void FormCreate() override;

    // Shows the pop-up modally from a cleared result and returns the
    // learner's choice: 1 again, 2 leave, 0 none.
    int AskAgainOrLeave();

    void Button1Click(QObject* Sender);
    void Button2Click(QObject* Sender);

    std::int32_t FResult = 0;

    TImage* Image1;
    TkivImage1* Image3;
    TkivImage1* Image2;
    TImage* AgainLitImage;
    TImage* LeaveLitImage;
    TImage* KongImage;
};

extern TbdcClassFinishForm* bdcClassFinishForm;
