#pragma once
// The test-finished pop-up: the number of wrong words, test them again or return.

#include "controls/Forms.h"

class TbdcTestFinishForm : public TForm {
    Q_OBJECT
public:
    TbdcTestFinishForm();
};

extern TbdcTestFinishForm* bdcTestFinishForm;
