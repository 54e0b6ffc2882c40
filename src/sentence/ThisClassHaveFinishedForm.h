#pragma once
// The lesson-finished pop-up, shown modally by read-along, dictation and word
// linking after the lesson's last sentence: learn the lesson again (FChoice
// 1) or choose another lesson (FChoice 2). It keeps the last choice made.

#include "controls/Forms.h"
#include "controls/Image.h"

#include <cstdint>

class TThisClassHaveFinishedForm : public TForm {
    Q_OBJECT
public:
    TThisClassHaveFinishedForm();
    void FormCreate() override;

    void AgainReadOneTimeButtonClick(QObject* Sender);
    void ChoiceOtherOneClassButtonClick(QObject* Sender);

    std::int32_t FChoice = 0;

    TImage* Image1;
    TkivImage1* AgainImage1;
    TkivImage1* TheOtherImage1;
    TImage* Image2;
    TImage* Image3;
    TImage* KongImage;
};

extern TThisClassHaveFinishedForm* ThisClassHaveFinishedForm;
