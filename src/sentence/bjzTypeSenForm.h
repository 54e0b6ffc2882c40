#pragma once
// The sentence dictation: the learner types each sentence after hearing it.

#include "controls/Forms.h"

class TbjzTypeSenForm : public TForm {
    Q_OBJECT
public:
    TbjzTypeSenForm();
    void FormCreate() override;
};

extern TbjzTypeSenForm* bjzTypeSenForm;
