#pragma once
// The annotation dialog: a box for a sentence's annotation with two buttons.
// Nothing in the program shows it yet.

#include "controls/Forms.h"
#include "controls/RichEdit.h"

#include <QToolButton>

class TbjzZhujie : public TForm {
    Q_OBJECT
public:
    TbjzZhujie();

    TRichEdit* RichEdit1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
};

extern TbjzZhujie* bjzZhujie;
