#pragma once
// The sentence read-along: steps through the lesson's sentences, playing each a chosen number of times.

#include "controls/Forms.h"

class TbjzReadForm : public TForm {
    Q_OBJECT
public:
    TbjzReadForm();
    void FormCreate() override;
};

extern TbjzReadForm* bjzReadForm;
