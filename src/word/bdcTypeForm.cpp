#include "bdcTypeForm.h"
#include "WordAnswerRules.h"
#include "WordDrillLayout.h"
#include "bdcChoiceForm.h"
#include "bdcClassFinishForm.h"
#include "controls/Accessibility.h"
#include "controls/Keys.h"
#include "controls/Look.h"
#include "controls/Skin.h"
#include "platform/Fonts.h"

TbdcTypeForm* bdcTypeForm = nullptr;

namespace {

using namespace bdcTypeLayout;

constexpr int kAnswerLimit = 30;

} // namespace

TbdcTypeForm::TbdcTypeForm() : TForm(FormKind::FullScreen, Width, Height, QStringLiteral("bdcTypeForm"))
{
    Image1 = new TImage(this, {0, 0, Width, Height});
    Image1->SetPicture(SkinPicture(Background));
    KongImage = new TImage(this, {0, 0, 0, 0});
    KongImage->SetVisible(false);

    ThisLabel = NumberLabel(this, ThisNumber, QStringLiteral("1"), look::Accent.Q());
    TotalLabel = NumberLabel(this, TotalNumber, QString(), look::TextSoft.Q());
    EnglishLabel = word::CardLabel(this, EnglishWord, look::Sans(), 24, QColor(0, 255, 255));
    EnglishLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LeftLabel = word::CardLabel(this, LeftBracket, look::Sans(), 21, Qt::white);
    LeftLabel->SetCaption(QStringLiteral("["));
    YinBiaoLabel = word::PhoneticLabel(this, Phonetic, 21, Qt::white);
    RightLabel = word::CardLabel(this, LeftBracket, look::Sans(), 21, Qt::white);
    RightLabel->SetCaption(QStringLiteral("]"));
    ChineseLabel = word::CardLabel(this, Meaning, look::Kai(), 21, look::Sentence.Q(), true);
    ChineseLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TypeEdit = new TEdit(this, Answer);
    TypeEdit->SetFont(look::Sans(), AnswerPixels);
    TypeEdit->SetMaxLength(kAnswerLimit);
    HelpLabel = word::CardLabel(this, WordDrillLayout::Help, look::Kai(), 32, QColor(255, 0, 255));
    HelpLabel->SetFont(look::Kai(), 32, true);
    HelpLabel->SetCaption(QString::fromUtf8(bdcTypeLayout::Help));
    HelpLabel->SetVisible(false);

    kivFaYinImage1 = word::MakeToggle(this, bdcTypeLayout::kivFaYinImage1);
    kivYinBiaoImage1 = word::MakeToggle(this, bdcTypeLayout::kivYinBiaoImage1);
    kivCiYIImage1 = word::MakeToggle(this, bdcTypeLayout::kivCiYIImage1);
    kivEarImage1 = word::MakeCommand(this, bdcTypeLayout::kivEarImage1, *KongImage);
    ChoiceWord = word::MakeCommand(this, bdcTypeLayout::ChoiceWord, *KongImage);
    ReturnWord = word::MakeCommand(this, bdcTypeLayout::ReturnWord, *KongImage);
    // Keys as TypeEditKeyDown takes them (AnswerFieldCommand).
    SetAccessibleCaptions({
        {kivFaYinImage1.button, bdcTypeLayout::kivFaYinImage1.caption, ""},
        {kivYinBiaoImage1.button, bdcTypeLayout::kivYinBiaoImage1.caption, ""},
        {kivCiYIImage1.button, bdcTypeLayout::kivCiYIImage1.caption, ""},
        {kivEarImage1, bdcTypeLayout::kivEarImage1.caption, "F5"},
        {ChoiceWord, bdcTypeLayout::ChoiceWord.caption, "Esc"},
        {ReturnWord, bdcTypeLayout::ReturnWord.caption, "Esc"},
    });

    TypeEdit->OnKeyDown = Bind(this, &TbdcTypeForm::TypeEditKeyDown);
    kivEarImage1->OnClick = Bind(this, &TbdcTypeForm::kivEarImage1Click);
    kivFaYinImage1.button->OnClick = Bind(this, &TbdcTypeForm::kivFaYinImage1Click);
    kivYinBiaoImage1.button->OnClick = Bind(this, &TbdcTypeForm::kivYinBiaoImage1Click);
    kivCiYIImage1.button->OnClick = Bind(this, &TbdcTypeForm::kivCiYIImage1Click);
    ChoiceWord->OnClick = Bind(this, &TbdcTypeForm::ReturnWordClick);
    ReturnWord->OnClick = Bind(this, &TbdcTypeForm::ReturnWordClick);
    OnWindowClose = Bind(this, &TbdcTypeForm::ReturnWordClick);
}

void TbdcTypeForm::FormCreate()
{
    MoveToTopLeft();
    FSoundOn = FShowPhonetic = FShowMeaning = 1;
    platform::AddPhoneticFont();
    for (const word::Toggle& toggle : {kivFaYinImage1, kivYinBiaoImage1, kivCiYIImage1})
        word::ShowToggle(toggle, true, *KongImage);
}

void TbdcTypeForm::StartTyping()
{
    FTypeWord = 1;
    ThisLabel->SetCaption(QStringLiteral("1"));
    FTypeTotal = bdcChoiceForm->FZuWordCount;
    TotalLabel->SetCaption(QStringLiteral("(1-%1)").arg(FTypeTotal));
    TypeEdit->clear();
    HelpLabel->SetVisible(false);
    TypeEdit->setFocus();
    ShowTypeWord();
}

void TbdcTypeForm::ShowTypeWord()
{
    const TbdcChoiceForm& list = *bdcChoiceForm;
    const std::size_t k = TbdcChoiceForm::ZuEntry(FTypeWord);
    ThisLabel->SetCaption(QString::number(FTypeWord));
    EnglishLabel->SetCaption(list.FZuWord[k]);
    ChineseLabel->SetCaption(list.FZuMeaning[k]);
    ChineseLabel->SetVisible(FShowMeaning == 1);
    word::ShowPhonetic(*LeftLabel, *YinBiaoLabel, *RightLabel, list.FZuPhonetic[k], FShowPhonetic == 1);
    // Without a recording the drill runs silently.
    if (FSoundOn == 1)
        bdcChoiceForm->PlayBookClip(list.FZuStart[k], list.FZuEnd[k]);
}

void TbdcTypeForm::CheckTyping()
{
    const bool right = word::SameAnswer(TypeEdit->Text(), EnglishLabel->Caption());
    TypeEdit->clear();
    if (!right) {
        ShowTypeWord();
        HelpLabel->SetVisible(true);
        return;
    }
    if (FTypeWord < FTypeTotal) {
        ++FTypeWord;
        HelpLabel->SetVisible(false);
        ShowTypeWord();
        return;
    }
    switch (bdcClassFinishForm->AskAgainOrLeave()) {
    case 1:
        FTypeWord = 1;
        HelpLabel->SetVisible(false);
        ShowTypeWord();
        break;
    case 2: LeaveTyping(); break;
    default: break;
    }
}

void TbdcTypeForm::LeaveTyping() { Close(); }

void TbdcTypeForm::TypeEditKeyDown(QObject*, int& Key, TShiftState)
{
    const word::AnswerFieldKey command = word::AnswerFieldCommand(Key);
    if (command != word::AnswerFieldKey::Typing)
        Key = 0;
    switch (command) {
    case word::AnswerFieldKey::Judge: CheckTyping(); break;
    case word::AnswerFieldKey::Leave: LeaveTyping(); break;
    case word::AnswerFieldKey::Replay: ShowTypeWord(); break;
    case word::AnswerFieldKey::Typing: break;
    }
}

void TbdcTypeForm::kivEarImage1Click(QObject*) { ShowTypeWord(); }

void TbdcTypeForm::kivFaYinImage1Click(QObject*)
{
    if (word::FlipToggle(FSoundOn, kivFaYinImage1, *KongImage))
        ShowTypeWord();
}

void TbdcTypeForm::kivYinBiaoImage1Click(QObject*)
{
    YinBiaoLabel->SetVisible(word::FlipToggle(FShowPhonetic, kivYinBiaoImage1, *KongImage));
}

void TbdcTypeForm::kivCiYIImage1Click(QObject*)
{
    ChineseLabel->SetVisible(word::FlipToggle(FShowMeaning, kivCiYIImage1, *KongImage));
}

void TbdcTypeForm::ReturnWordClick(QObject*) { LeaveTyping(); }
