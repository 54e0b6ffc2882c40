#include "bdcTestFinishForm.h"
#include "WordDrillLayout.h"
#include "controls/Accessibility.h"
#include "controls/Look.h"
#include "controls/Skin.h"
#include "controls/TwinFaces.h"

TbdcTestFinishForm* bdcTestFinishForm = nullptr;

TbdcTestFinishForm::TbdcTestFinishForm()
    : TForm(FormKind::Popup, bdcTestFinishLayout::Width, bdcTestFinishLayout::Height,
            QStringLiteral("bdcTestFinishForm"))
{
    using namespace bdcTestFinishLayout;
    Image1 = new TImage(this, {0, 0, Width, Height});
    Image1->SetPicture(SkinPicture(Background));
    WrongLabel = new TLabel(this, bdcTestFinishLayout::WrongLabel, QStringLiteral("0"));
    WrongLabel->SetFont(look::Kai(), 48);
    WrongLabel->SetColor(look::Maroon.Q());
    WrongLabel->SetTransparent(true);
    WrongLabel->setAlignment(Qt::AlignCenter);
    KongImage = new TImage(this, {0, 0, 0, 0});
    KongImage->SetVisible(false);
    this->CImage2 = HiddenSkinPicture(this, bdcTestFinishLayout::ContinueButton, bdcTestFinishLayout::CImage2);
    this->ReImage2 = HiddenSkinPicture(this, bdcTestFinishLayout::ReturnButton, bdcTestFinishLayout::ReImage2);
    ContinueButton = PictureButton(this, bdcTestFinishLayout::ContinueButton);
    ReturnButton = PictureButton(this, bdcTestFinishLayout::ReturnButton);
    SetAccessibleCaptions({{ContinueButton, bdcTestFinishLayout::ContinueCaption, ""},
                           {ReturnButton, bdcTestFinishLayout::ReturnCaption, ""}});
    BindOwnTwinFaces(*ContinueButton, *this->CImage2, *KongImage);
    BindOwnTwinFaces(*ReturnButton, *this->ReImage2, *KongImage);
    ContinueButton->OnClick = Bind(this, &TbdcTestFinishForm::ContinueButtonClick);
    ReturnButton->OnClick = Bind(this, &TbdcTestFinishForm::ReturnButtonClick);
}

void TbdcTestFinishForm::FormCreate() { CentreOverMainScreen(); }

void TbdcTestFinishForm::ContinueButtonClick(QObject*)
{
    FResult = 1;
    Close();
}

void TbdcTestFinishForm::ReturnButtonClick(QObject*)
{
    FResult = 2;
    Close();
}
