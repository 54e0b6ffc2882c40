#include "bdcReadForm.h"
#include "platform/Fonts.h"

TbdcReadForm* bdcReadForm = nullptr;

TbdcReadForm::TbdcReadForm() : TForm(FormKind::FullScreen, 800, 600, QStringLiteral("bdcReadForm")) {}

void TbdcReadForm::FormCreate()
{
    MoveToTopLeft();
    platform::AddPhoneticFont();
}
