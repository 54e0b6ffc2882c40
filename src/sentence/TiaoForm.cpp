#include "TiaoForm.h"

TTiaoForm* TiaoForm = nullptr;

TTiaoForm::TTiaoForm() : TForm(FormKind::FullScreen, 800, 600, QStringLiteral("TiaoForm")) {}

void TTiaoForm::FormCreate()
{
    MoveToTopLeft();
}
