#include "bdcClassFinishForm.h"

TbdcClassFinishForm* bdcClassFinishForm = nullptr;

TbdcClassFinishForm::TbdcClassFinishForm() : TForm(FormKind::Popup, 400, 280, QStringLiteral("这课已经结束")) {}
