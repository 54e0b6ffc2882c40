#include "bdcTestFinishForm.h"

TbdcTestFinishForm* bdcTestFinishForm = nullptr;

TbdcTestFinishForm::TbdcTestFinishForm() : TForm(FormKind::Popup, 401, 301, QStringLiteral("bdcTestFinishForm")) {}
