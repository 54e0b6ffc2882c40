#pragma once
// The annotation dialog: a box for a sentence's annotation with two buttons.
// Nothing in the program shows it yet.

#include "controls/Forms.h"
#include "controls/SpeedButton.h"
#include "controls/RichEdit.h"

class TbjzZhujie : public TForm {
    Q_OBJECT
public:
    TbjzZhujie();

    TRichEdit* RichEdit1;
    TSpeedButton* SpeedButton2;
    TSpeedButton* SpeedButton3;
};

extern TbjzZhujie* bjzZhujie;
