#pragma once
// The wrong-sentence pop-up: a picture and a confirm button that closes it.

#include "controls/Forms.h"
#include "controls/Image.h"

#include <QPushButton>

class TSenWrongForm : public TForm {
    Q_OBJECT
public:
    TSenWrongForm();
    void FormCreate() override;

    TImage* kivImage11;
    QPushButton* Button1;
};

extern TSenWrongForm* SenWrongForm;
