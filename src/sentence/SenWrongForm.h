#pragma once
// The wrong-sentence pop-up.

#include "controls/Forms.h"

class TSenWrongForm : public TForm {
    Q_OBJECT
public:
    TSenWrongForm();
};

extern TSenWrongForm* SenWrongForm;
