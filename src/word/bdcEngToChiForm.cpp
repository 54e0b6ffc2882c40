#include "bdcEngToChiForm.h"

TbdcEngToChiForm* bdcEngToChiForm = nullptr;

TbdcEngToChiForm::TbdcEngToChiForm() : TForm(FormKind::FullScreen, 800, 600, QStringLiteral("bdcEngToChiForm")) {}

void TbdcEngToChiForm::FormCreate()
{
    MoveToTopLeft();
}
