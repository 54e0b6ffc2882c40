#pragma once
// The word typing drill.

#include "controls/Forms.h"

class TbdcTypeForm : public TForm {
    Q_OBJECT
public:
    TbdcTypeForm();
    void FormCreate() override;
};

extern TbdcTypeForm* bdcTypeForm;
