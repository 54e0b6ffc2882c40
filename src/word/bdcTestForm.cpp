#include "bdcTestForm.h"
#include "platform/Fonts.h"

TbdcTestForm* bdcTestForm = nullptr;

TbdcTestForm::TbdcTestForm() : TForm(FormKind::FullScreen, 800, 600, QStringLiteral("bdcTestForm")) {}

void TbdcTestForm::FormCreate()
{
    MoveToTopLeft();
    platform::AddPhoneticFont();
}
