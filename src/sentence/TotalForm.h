#pragma once
// The whole-lesson player: the lesson plays sentence after sentence in a scrolling text window.

#include "controls/Forms.h"

class TTotalForm : public TForm {
    Q_OBJECT
public:
    TTotalForm();
    void FormCreate() override;
};

extern TTotalForm* TotalForm;
