#include "bjzReadForm.h"

TbjzReadForm* bjzReadForm = nullptr;

TbjzReadForm::TbjzReadForm() : TForm(FormKind::FullScreen, 800, 600, QStringLiteral("bjzReadForm")) {}

void TbjzReadForm::FormCreate()
{
    MoveToTopLeft();
}
