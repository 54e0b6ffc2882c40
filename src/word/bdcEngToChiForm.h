#pragma once
// The English and Chinese flash cards.

#include "controls/Forms.h"

class TbdcEngToChiForm : public TForm {
    Q_OBJECT
public:
    TbdcEngToChiForm();
    void FormCreate() override;
};

extern TbdcEngToChiForm* bdcEngToChiForm;
