#include "bdcClassFinishForm.h"
#include "WordPopupsLayout.h"
#include "controls/Accessibility.h"
#include "controls/Skin.h"
#include "controls/TwinFaces.h"

TbdcClassFinishForm* bdcClassFinishForm = nullptr;

TbdcClassFinishForm::TbdcClassFinishForm()
    : TForm(FormKind::Popup, bdcClassFinishLayout::Width, bdcClassFinishLayout::Height,
            QStringLiteral("这课已经结束"))
{
    using namespace bdcClassFinishLayout;
    Image1 = new TImage(this, bdcClassFinishLayout::Image1);
    Image1->SetPicture(SkinPicture(Background));
    AgainLitImage = HiddenSkinPicture(this, bdcClassFinishLayout::Image3, AgainLit);
    LeaveLitImage = HiddenSkinPicture(this, bdcClassFinishLayout::Image2, LeaveLit);
    KongImage = new TImage(this, {0, 0, 0, 0});
    KongImage->SetVisible(false);
    Image3 = PictureButton(this, bdcClassFinishLayout::Image3);
    Image2 = PictureButton(this, bdcClassFinishLayout::Image2);
    SetAccessibleCaptions({{Image3, AgainCaption, ""}, {Image2, LeaveCaption, ""}});
    BindOwnTwinFaces(*Image3, *AgainLitImage, *KongImage);
    BindOwnTwinFaces(*Image2, *LeaveLitImage, *KongImage);
    Image3->OnClick = Bind(this, &TbdcClassFinishForm::Button1Click);
    Image2->OnClick = Bind(this, &TbdcClassFinishForm::Button2Click);
}

void TbdcClassFinishForm::FormCreate() { CentreOverMainScreen(); }

int TbdcClassFinishForm::AskAgainOrLeave()
{
    FResult = 0;
    ShowModal();
    return FResult;
}

void TbdcClassFinishForm::Button1Click(QObject*)
{
    FResult = 1;
    Close();
}

void TbdcClassFinishForm::Button2Click(QObject*)
{
    FResult = 2;
    Close();
}
