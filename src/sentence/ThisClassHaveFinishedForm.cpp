#include "ThisClassHaveFinishedForm.h"

TThisClassHaveFinishedForm* ThisClassHaveFinishedForm = nullptr;

TThisClassHaveFinishedForm::TThisClassHaveFinishedForm() : TForm(FormKind::Popup, 339, 224, QStringLiteral("ThisClassHaveFinishedForm")) {}
