#pragma once
// The all-right pop-up, shown after a test pass without a wrong word: one
// picture; a click on it closes the pop-up.

#include "controls/Forms.h"
#include "controls/Image.h"

class TYouRememberForm : public TForm {
    Q_OBJECT
public:
    TYouRememberForm();
    void FormCreate() override;

    void Image1Click(QObject* Sender);

    TImage* Image1;
};

extern TYouRememberForm* YouRememberForm;
