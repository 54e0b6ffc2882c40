#include "bdcTypeForm.h"
#include "platform/Fonts.h"

TbdcTypeForm* bdcTypeForm = nullptr;

TbdcTypeForm::TbdcTypeForm() : TForm(FormKind::FullScreen, 800, 600, QStringLiteral("bdcTypeForm")) {}

void TbdcTypeForm::FormCreate()
{
    MoveToTopLeft();
    platform::AddPhoneticFont();
}
