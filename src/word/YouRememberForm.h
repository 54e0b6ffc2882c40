#pragma once
// The word-remembered pop-up, shown after a test without a wrong word.

#include "controls/Forms.h"

class TYouRememberForm : public TForm {
    Q_OBJECT
public:
    TYouRememberForm();
};

extern TYouRememberForm* YouRememberForm;
