#include "YouRememberForm.h"
#include "WordDrillLayout.h"
#include "controls/Skin.h"

TYouRememberForm* YouRememberForm = nullptr;

TYouRememberForm::TYouRememberForm()
    : TForm(FormKind::Popup, YouRememberLayout::Width, YouRememberLayout::Height, QStringLiteral("YouRememberForm"))
{
    Image1 = new TImage(this, {0, 0, YouRememberLayout::Width, YouRememberLayout::Height});
    Image1->SetPicture(SkinPicture(YouRememberLayout::Picture));
    Image1->SetHandCursor();
    Image1->OnClick = Bind(this, &TYouRememberForm::Image1Click);
}

void TYouRememberForm::FormCreate() { CentreOverMainScreen(); }

void TYouRememberForm::Image1Click(QObject*) { Close(); }
