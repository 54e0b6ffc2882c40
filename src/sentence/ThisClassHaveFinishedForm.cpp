#include "ThisClassHaveFinishedForm.h"
#include "SentencePopupsLayout.h"
#include "controls/Accessibility.h"
#include "controls/Look.h"
#include "controls/Skin.h"
#include "controls/TwinFaces.h"

TThisClassHaveFinishedForm* ThisClassHaveFinishedForm = nullptr;

TThisClassHaveFinishedForm::TThisClassHaveFinishedForm()
    : TForm(FormKind::Popup, ThisClassHaveFinishedLayout::Width, ThisClassHaveFinishedLayout::Height,
            QStringLiteral("ThisClassHaveFinishedForm"))
{
    using namespace ThisClassHaveFinishedLayout;
    setStyleSheet(look::StyleSheet("TThisClassHaveFinishedForm { background: {Purple}; }"));
    Image1 = new TImage(this, ThisClassHaveFinishedLayout::Image1);
    Image1->SetPicture(SkinPicture(Background));
    Image2 = HiddenSkinPicture(this, ThisClassHaveFinishedLayout::AgainImage1, AgainLit);
    Image3 = HiddenSkinPicture(this, ThisClassHaveFinishedLayout::TheOtherImage1, TheOtherLit);
    KongImage = new TImage(this, {0, 0, 0, 0});
    AgainImage1 = new TkivImage1(this, ThisClassHaveFinishedLayout::AgainImage1);
    TheOtherImage1 = new TkivImage1(this, ThisClassHaveFinishedLayout::TheOtherImage1);
    for (TkivImage1* button : {AgainImage1, TheOtherImage1})
        button->SetHandCursor();
    // The pop-up takes no keys.
    SetAccessibleCaptions({{AgainImage1, AgainCaption, ""}, {TheOtherImage1, TheOtherCaption, ""}});
    BindOwnTwinFaces(*AgainImage1, *Image2, *KongImage);
    BindOwnTwinFaces(*TheOtherImage1, *Image3, *KongImage);
    AgainImage1->OnClick = Bind(this, &TThisClassHaveFinishedForm::AgainReadOneTimeButtonClick);
    TheOtherImage1->OnClick = Bind(this, &TThisClassHaveFinishedForm::ChoiceOtherOneClassButtonClick);
}

void TThisClassHaveFinishedForm::FormCreate()
{
    CentreOverMainScreen();
}

void TThisClassHaveFinishedForm::AgainReadOneTimeButtonClick(QObject*)
{
    FChoice = 1;
    Close();
}

void TThisClassHaveFinishedForm::ChoiceOtherOneClassButtonClick(QObject*)
{
    FChoice = 2;
    Close();
}
