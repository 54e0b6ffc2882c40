#pragma once
// The word book picker.

#include "controls/Forms.h"

class TbdcBookForm : public TForm {
    Q_OBJECT
public:
    TbdcBookForm();
};

extern TbdcBookForm* bdcBookForm;
