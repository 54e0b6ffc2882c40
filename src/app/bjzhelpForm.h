#pragma once
// The help dialog: the help pages, the user manual and the speech engine's
// version.

#include "controls/Forms.h"

class TbjzhelpForm : public TForm {
    Q_OBJECT
public:
    TbjzhelpForm();
    void FormCreate() override;
};

extern TbjzhelpForm* bjzhelpForm;
