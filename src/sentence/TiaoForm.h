#pragma once
// The challenge screen.

#include "controls/Forms.h"

class TTiaoForm : public TForm {
    Q_OBJECT
public:
    TTiaoForm();
    void FormCreate() override;
};

extern TTiaoForm* TiaoForm;
