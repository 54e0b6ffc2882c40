#include "SenWrongForm.h"

TSenWrongForm* SenWrongForm = nullptr;

TSenWrongForm::TSenWrongForm() : TForm(FormKind::Popup, 199, 133, QStringLiteral("SenWrongForm")) {}
