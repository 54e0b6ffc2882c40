#include "bdcReadForm.h"

TbdcReadForm* bdcReadForm = nullptr;

TbdcReadForm::TbdcReadForm() : TForm(FormKind::FullScreen, 800, 600, QStringLiteral("bdcReadForm")) {}

void TbdcReadForm::FormCreate()
{
    MoveToTopLeft();
}
