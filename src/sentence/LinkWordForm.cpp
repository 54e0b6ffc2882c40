#include "LinkWordForm.h"

TLinkWordForm* LinkWordForm = nullptr;

TLinkWordForm::TLinkWordForm() : TForm(FormKind::FullScreen, 800, 600, QStringLiteral("LinkWordForm")) {}

void TLinkWordForm::FormCreate()
{
    MoveToTopLeft();
}
