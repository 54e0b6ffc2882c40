#pragma once
// The word list browser: the entry screen of the word course and owner of the
// loaded word book, its groups and its recording.

#include "controls/Forms.h"
#include "controls/ListBox.h"

class TbdcChoiceForm : public TForm {
    Q_OBJECT
public:
    TbdcChoiceForm();

    void FormCreate() override;

    // The word course's entry, called by the main menu in this order.
    void ResetWordCourse();
    void OpenFirstBook();
    void LoadZu();
    void ShowZuLabels();
    void PlaceLineShape();
    void HideEmptyRows();

    // The word books found (hidden); the main menu enters the course only
    // when it holds at least one.
    TListBox* bdcBookListBox;
};

extern TbdcChoiceForm* bdcChoiceForm;
