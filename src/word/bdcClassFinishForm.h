#pragma once
// The group-finished pop-up: go over the group again or leave the drill.

#include "controls/Forms.h"

class TbdcClassFinishForm : public TForm {
    Q_OBJECT
public:
    TbdcClassFinishForm();
};

extern TbdcClassFinishForm* bdcClassFinishForm;
