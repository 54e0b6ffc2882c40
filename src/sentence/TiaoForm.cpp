#include "TiaoForm.h"
#include "ChoiceClassForm.h"
#include "SentencePopupsLayout.h"
#include "controls/Accessibility.h"
#include "controls/Look.h"
#include "controls/Skin.h"

TTiaoForm* TiaoForm = nullptr;

namespace {

TLabel* CaptionLabel(QWidget* parent, const LayoutRect& place, const QString& caption, const QColor& colour,
                     int height)
{
    auto* label = new TLabel(parent, place, caption);
    label->SetFont(look::Sans(), height);
    label->SetColor(colour);
    label->SetTransparent(true);
    return label;
}

} // namespace

TTiaoForm::TTiaoForm() : TForm(FormKind::FullScreen, TiaoLayout::Width, TiaoLayout::Height, QStringLiteral("TiaoForm"))
{
    using namespace TiaoLayout;
    Image1 = new TImage(this, {0, 0, Width, Height});
    Image1->SetPicture(SkinPicture(Background));
    ReturnButton = new TkivImage1(this, TiaoLayout::ReturnButton);
    EngToChi = new TkivImage1(this, TiaoLayout::EngToChi);
    ChiToEng = new TkivImage1(this, TiaoLayout::ChiToEng);
    Start = new TkivImage1(this, TiaoLayout::Start);
    ReturnButton->SetHandCursor();
    // The screen takes no keys.
    SetAccessibleCaptions({
        {ReturnButton, ReturnCaption, ""},
        {EngToChi, EngToChiCaption, ""},
        {ChiToEng, ChiToEngCaption, ""},
        {Start, StartCaption, ""},
    });
    ReturnButton->OnClick = Bind(this, &TTiaoForm::ReturnButtonClick);
    OnWindowClose = Bind(this, &TTiaoForm::ReturnButtonClick);
    const QColor silver(0xc0, 0xc0, 0xc0);
    // No challenge runs yet, so the labels stay empty.
    Lesson = CaptionLabel(this, TiaoLayout::Lesson, QString(), silver, 21);
    AllSentence = CaptionLabel(this, TiaoLayout::AllSentence, QString(), silver, 21);
    Sentence = CaptionLabel(this, TiaoLayout::Sentence, QString(), Qt::white, 21);
    WordToWordTimer = CaptionLabel(this, TiaoLayout::WordToWordTimer, QString(), silver, 32);
}

void TTiaoForm::FormCreate() { MoveToTopLeft(); }

void TTiaoForm::ReturnButtonClick(QObject*)
{
    ChoiceClassForm->Show();
    Close();
}
