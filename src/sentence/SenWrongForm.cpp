#include "SenWrongForm.h"
#include "SentencePopupsLayout.h"
#include "controls/Events.h"
#include "controls/Look.h"
#include "controls/Skin.h"

TSenWrongForm* SenWrongForm = nullptr;

TSenWrongForm::TSenWrongForm()
    : TForm(FormKind::Popup, SenWrongLayout::Width, SenWrongLayout::Height, QStringLiteral("SenWrongForm"))
{
    using namespace SenWrongLayout;
    kivImage11 = new TImage(this, SenWrongLayout::kivImage11);
    kivImage11->SetPicture(SkinPicture(Picture));
    Button1 = new QPushButton(QStringLiteral("确认"), this);
    Button1->setGeometry(SenWrongLayout::Button1.Left, SenWrongLayout::Button1.Top, SenWrongLayout::Button1.Width,
                         SenWrongLayout::Button1.Height);
    Button1->setFont(look::KaiFont(24, true));
    Button1->setCursor(Qt::PointingHandCursor);
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { SetModalResult(mrOk); }));
}

void TSenWrongForm::FormCreate() { CentreOverMainScreen(); }
