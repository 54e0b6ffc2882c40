#pragma once
// The lesson-finished pop-up: learn the lesson again or choose another one.

#include "controls/Forms.h"

class TThisClassHaveFinishedForm : public TForm {
    Q_OBJECT
public:
    TThisClassHaveFinishedForm();
};

extern TThisClassHaveFinishedForm* ThisClassHaveFinishedForm;
