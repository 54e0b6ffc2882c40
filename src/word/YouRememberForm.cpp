#include "YouRememberForm.h"

TYouRememberForm* YouRememberForm = nullptr;

TYouRememberForm::TYouRememberForm() : TForm(FormKind::Popup, 402, 268, QStringLiteral("YouRememberForm")) {}
