#pragma once
// The word linking exercise: the learner rebuilds each sentence from its shuffled words.

#include "controls/Forms.h"

class TLinkWordForm : public TForm {
    Q_OBJECT
public:
    TLinkWordForm();
    void FormCreate() override;
};

extern TLinkWordForm* LinkWordForm;
