#include "bdcBookForm.h"

TbdcBookForm* bdcBookForm = nullptr;

TbdcBookForm::TbdcBookForm() : TForm(FormKind::Popup, 432, 288, QStringLiteral("bdcBookForm")) {}
