#include "TotalForm.h"

TTotalForm* TotalForm = nullptr;

TTotalForm::TTotalForm() : TForm(FormKind::FullScreen, 800, 600, QStringLiteral("TotalForm")) {}

void TTotalForm::FormCreate()
{
    MoveToTopLeft();
}
