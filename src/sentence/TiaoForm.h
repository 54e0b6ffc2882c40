#pragma once
// The challenge screen. Only its return button acts: it leads back to the
// lesson chooser. Nothing in the program shows it yet but the chooser's
// TiaoZhanButtonClick, which no control is bound to.

#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Labels.h"

class TTiaoForm : public TForm {
    Q_OBJECT
public:
    TTiaoForm();
    void FormCreate() override;

    void ReturnButtonClick(QObject* Sender);

    TImage* Image1;
    TkivImage1* ReturnButton;
    TkivImage1* EngToChi;
    TkivImage1* ChiToEng;
    TkivImage1* Start;
    TLabel* Lesson;
    TLabel* AllSentence;
    TLabel* Sentence;
    TLabel* WordToWordTimer;
};

extern TTiaoForm* TiaoForm;
