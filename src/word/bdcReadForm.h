#pragma once
// The word read-along: the group's words are read out one after another.

#include "controls/Forms.h"

class TbdcReadForm : public TForm {
    Q_OBJECT
public:
    TbdcReadForm();
    void FormCreate() override;
};

extern TbdcReadForm* bdcReadForm;
