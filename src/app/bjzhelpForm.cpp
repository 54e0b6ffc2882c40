#include "bjzhelpForm.h"

TbjzhelpForm* bjzhelpForm = nullptr;

TbjzhelpForm::TbjzhelpForm() : TForm(FormKind::Dialog, 463, 491, QStringLiteral("帮助")) {}

void TbjzhelpForm::FormCreate()
{
    SetLeft(274);
    SetTop(50);
}
