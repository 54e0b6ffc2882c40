#include "bjzTypeSenForm.h"

TbjzTypeSenForm* bjzTypeSenForm = nullptr;

TbjzTypeSenForm::TbjzTypeSenForm() : TForm(FormKind::FullScreen, 800, 600, QStringLiteral("bjzTypeSenForm")) {}

void TbjzTypeSenForm::FormCreate()
{
    MoveToTopLeft();
}
