#pragma once
// The spelling test: the learner spells each word from its sound and meaning.

#include "controls/Forms.h"

class TbdcTestForm : public TForm {
    Q_OBJECT
public:
    TbdcTestForm();
    void FormCreate() override;
};

extern TbdcTestForm* bdcTestForm;
