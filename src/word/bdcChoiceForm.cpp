#include "bdcChoiceForm.h"

TbdcChoiceForm* bdcChoiceForm = nullptr;

TbdcChoiceForm::TbdcChoiceForm() : TForm(FormKind::FullScreen, 800, 600, QStringLiteral("bdcChoiceForm"))
{
    bdcBookListBox = new TListBox(this, {0, 0, 0, 0});
    bdcBookListBox->setVisible(false);
}

void TbdcChoiceForm::FormCreate() { MoveToTopLeft(); }

// The word course's screens are built on the word book reader; until then
// entering the course shows its empty screen.
void TbdcChoiceForm::ResetWordCourse() {}
void TbdcChoiceForm::OpenFirstBook() {}
void TbdcChoiceForm::LoadZu() {}
void TbdcChoiceForm::ShowZuLabels() {}
void TbdcChoiceForm::PlaceLineShape() {}
void TbdcChoiceForm::HideEmptyRows() {}
