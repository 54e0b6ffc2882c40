#include "bjzMainForm.h"
#include "bjzMainLayout.h"
#include "bjzhelpForm.h"
#include "controls/Application.h"
#include "controls/Look.h"
#include "controls/Skin.h"
#include "controls/TwinFaces.h"
#include "media/MediaPlayer.h"
#include "platform/DisplaySettings.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "sentence/ChoiceClassForm.h"
#include "word/bdcChoiceForm.h"

TbjzMainForm* bjzMainForm = nullptr;

namespace {

// A button with no picture at rest over its painted face, and its hidden twin
// holding the highlighted face.
TkivImage1* MakeMenuButton(QWidget* form, const bjzMainLayout::MenuButton& layout, TImage*& twin)
{
    twin = HiddenSkinPicture(form, layout.place, layout.twinPicture);
    auto* button = new TkivImage1(form, layout.place);
    button->SetHandCursor();
    // The menu has no keys; the small English line only glosses the caption.
    button->SetAccessibleCaption(QString::fromUtf8(layout.caption));
    return button;
}

} // namespace

TbjzMainForm::TbjzMainForm() : TForm(FormKind::FullScreen, bjzMainLayout::Width, bjzMainLayout::Height, "bjzMainForm")
{
    using namespace bjzMainLayout;
    Image1 = new TImage(this, {0, 0, Width, Height});
    Image1->SetPicture(SkinPicture(Background));
    kivKongImage = new TImage(this, {0, 0, 0, 0});

    Label1 = new TLabel(this, bjzMainLayout::Label1, QStringLiteral("Version 7.2"));
    Label1->SetFont(look::Sans(), 21);
    Label1->SetColor(look::TextMuted.Q());
    Label1->SetTransparent(true);

    kivBjzImage1 = MakeMenuButton(this, SentenceButton, kivBjzImage2);
    kivBdcImage1 = MakeMenuButton(this, WordButton, kivBdcImage2);
    kivWebImage1 = MakeMenuButton(this, WebButton, kivWebImage2);
    kivIHelpmage1 = MakeMenuButton(this, HelpButton, kivHelpImage2);
    kivExitImage1 = MakeMenuButton(this, ExitButton, kivExitImage2);

    const std::pair<TkivImage1*, TImage*> pairs[] = {{kivBjzImage1, kivBjzImage2}, {kivBdcImage1, kivBdcImage2},
                                                     {kivWebImage1, kivWebImage2}, {kivIHelpmage1, kivHelpImage2},
                                                     {kivExitImage1, kivExitImage2}};
    for (auto [button, twin] : pairs)
        BindOwnTwinFaces(*button, *twin, *kivKongImage);

    kivBjzImage1->OnClick = Bind(this, &TbjzMainForm::kivbjzButtonClick);
    kivBdcImage1->OnClick = Bind(this, &TbjzMainForm::kivBdcImage1Click);
    kivWebImage1->OnClick = Bind(this, &TbjzMainForm::MyWebButtonClick);
    kivIHelpmage1->OnClick = Bind(this, &TbjzMainForm::HelpButtonClick);
    kivExitImage1->OnClick = Bind(this, &TbjzMainForm::ExitBjzButtonClick);
}

void TbjzMainForm::FormCreate()
{
    CheckScreenSize();
    SetTop(0);
    SetLeft(0);
}

void TbjzMainForm::FormDestroy()
{
    if (OldScreenWidth != 800)
        ChangeDisplayMode(std::uint16_t(OldScreenWidth), std::uint16_t(OldScreenHeight));
}

void TbjzMainForm::CheckScreenSize()
{
    const QSize size = platform::displaySettings().ScreenSize();
    OldScreenWidth = size.width();
    OldScreenHeight = size.height();
    // Only the width decides: a display 800 pixels wide is left alone.
    if (OldScreenWidth != 800)
        ChangeDisplayMode(800, 600);
}

bool TbjzMainForm::ChangeDisplayMode(std::uint16_t Width, std::uint16_t Height)
{
    // The record starts as the driver's first mode; only the size is asked for.
    platform::DisplayMode mode;
    if (!platform::displaySettings().EnumMode(0, mode))
        return false;
    mode.Fields = platform::DM_PELSWIDTH | platform::DM_PELSHEIGHT;
    mode.PelsWidth = Width;
    mode.PelsHeight = Height;
    return platform::displaySettings().Change(mode);
}

void TbjzMainForm::kivbjzButtonClick(QObject*)
{
    ChoiceClassForm->Show();
    Hide();
    ChoiceClassForm->OpenFirstBook();
}

void TbjzMainForm::kivBdcImage1Click(QObject*)
{
    if (bdcChoiceForm->bdcBookListBox->Count() == 0) {
        platform::ShowMessage(QStringLiteral("该书暂没有单词库"));
        return;
    }
    if (ChoiceClassForm->FSoundReady == 1)
        ChoiceClassForm->bjzPlayer->Close();
    bdcChoiceForm->Show();
    Hide();
    bdcChoiceForm->ResetWordCourse();
    bdcChoiceForm->OpenFirstBook();
    bdcChoiceForm->LoadZu();
    bdcChoiceForm->ShowZuLabels();
    bdcChoiceForm->PlaceLineShape();
    bdcChoiceForm->HideEmptyRows();
}

void TbjzMainForm::MyWebButtonClick(QObject*)
{
    platform::shell().Open(HomePagePath(ChoiceClassForm->FAppDir), this);
}

void TbjzMainForm::HelpButtonClick(QObject*) { bjzhelpForm->ShowModal(); }

void TbjzMainForm::ExitBjzButtonClick(QObject*) { Application->Terminate(); }

QString HomePagePath(const QString& appDir) { return appDir + QStringLiteral("home/index.html"); }
