#include "bdcTestForm.h"
#include "WordDrillLayout.h"
#include "YouRememberForm.h"
#include "bdcChoiceForm.h"
#include "bdcTestFinishForm.h"
#include "controls/Accessibility.h"
#include "controls/Keys.h"
#include "controls/Look.h"
#include "controls/Skin.h"
#include "platform/Fonts.h"

#include <algorithm>

TbdcTestForm* bdcTestForm = nullptr;

namespace {

using namespace bdcTestLayout;

constexpr int kAnswerLimit = 35;
constexpr std::int32_t kPassLimit = 50;
const QColor kPurple{128, 0, 128};

} // namespace

TbdcTestForm::TbdcTestForm() : TForm(FormKind::FullScreen, Width, Height, QStringLiteral("bdcTestForm"))
{
    Image1 = new TImage(this, {0, 0, Width, Height});
    Image1->SetPicture(SkinPicture(Background));
    KongImage = new TImage(this, {0, 0, 0, 0});
    KongImage->SetVisible(false);

    ThisLabel = NumberLabel(this, ThisNumber, QStringLiteral("1"), look::Accent.Q());
    TotalLabel = NumberLabel(this, TotalNumber, QString(), look::TextSoft.Q());
    WrongLabel = NumberLabel(this, bdcTestLayout::WrongLabel, QStringLiteral("0"), look::Accent.Q());
    Label1 = word::CardLabel(this, LeftBracket, look::Sans(), PhoneticPixels, look::Maroon.Q());
    Label1->SetCaption(QStringLiteral("["));
    YinBiaoLabel = word::PhoneticLabel(this, Phonetic, PhoneticPixels, look::Maroon.Q());
    Label2 = word::CardLabel(this, LeftBracket, look::Sans(), PhoneticPixels, look::Maroon.Q());
    Label2->SetCaption(QStringLiteral("]"));
    ChineseLabel = word::CardLabel(this, EnglishWord, look::Kai(), MeaningPixels, look::Ink.Q(), true);
    ChineseLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    TypeEdit = new TEdit(this, Answer);
    TypeEdit->SetFont(look::Sans(), AnswerPixels);
    TypeEdit->SetMaxLength(kAnswerLimit);
    AnswerLabel = word::CardLabel(this, bdcTestLayout::AnswerLabel, look::Sans(), 28, kPurple);
    AnswerLabel->SetFont(look::Sans(), 28, true);
    AnswerLabel->SetVisible(false);
    HelpLabel = word::CardLabel(this, bdcTestLayout::HelpLabel, look::Kai(), 22, look::HintRed.Q());
    HelpLabel->SetVisible(false);

    kivFaYInImage1 = word::MakeToggle(this, bdcTestLayout::kivFaYInImage1);
    kivCiYIImage1 = word::MakeToggle(this, bdcTestLayout::kivCiYIImage1);
    kivYinBiaoImage1 = word::MakeToggle(this, bdcTestLayout::kivYinBiaoImage1);
    kivEarImage1 = word::MakeCommand(this, bdcTestLayout::kivEarImage1, *KongImage);
    kivZuImage1 = word::MakeCommand(this, bdcTestLayout::kivZuImage1, *KongImage);
    kivReturnImage1 = word::MakeCommand(this, bdcTestLayout::kivReturnImage1, *KongImage);
    // Keys as TypeEditKeyDown takes them (AnswerFieldCommand). The toggles'
    // hints name F2 to F4, but no key works them.
    SetAccessibleCaptions({
        {kivFaYInImage1.button, bdcTestLayout::kivFaYInImage1.caption, ""},
        {kivCiYIImage1.button, bdcTestLayout::kivCiYIImage1.caption, ""},
        {kivYinBiaoImage1.button, bdcTestLayout::kivYinBiaoImage1.caption, ""},
        {kivEarImage1, bdcTestLayout::kivEarImage1.caption, "F5"},
        {kivZuImage1, bdcTestLayout::kivZuImage1.caption, "Esc"},
        {kivReturnImage1, bdcTestLayout::kivReturnImage1.caption, "Esc"},
    });

    TypeEdit->OnKeyDown = Bind(this, &TbdcTestForm::TypeEditKeyDown);
    kivEarImage1->OnClick = Bind(this, &TbdcTestForm::kivEarImage1Click);
    kivFaYInImage1.button->OnClick = Bind(this, &TbdcTestForm::kivFaYInImage1Click);
    kivCiYIImage1.button->OnClick = Bind(this, &TbdcTestForm::kivCiYIImage1Click);
    kivYinBiaoImage1.button->OnClick = Bind(this, &TbdcTestForm::kivYinBiaoImage1Click);
    kivZuImage1->OnClick = Bind(this, &TbdcTestForm::kivReturnImage1Click);
    kivReturnImage1->OnClick = Bind(this, &TbdcTestForm::kivReturnImage1Click);
    OnWindowClose = Bind(this, &TbdcTestForm::kivReturnImage1Click);
}

void TbdcTestForm::FormCreate()
{
    MoveToTopLeft();
    FSoundOn = FShowPhonetic = FShowMeaning = 1;
    platform::AddPhoneticFont();
    for (const word::Toggle& toggle : {kivFaYInImage1, kivCiYIImage1, kivYinBiaoImage1})
        word::ShowToggle(toggle, true, *KongImage);
}

void TbdcTestForm::StartTest()
{
    const TbdcChoiceForm& list = *bdcChoiceForm;
    const int total = std::clamp(list.FZuWordCount, 0, kPassLimit);
    for (int k = 1; k <= total; ++k) {
        const auto e = std::size_t(k);
        FTestList[e] = {list.FZuNumber[e], list.FZuWord[e],  list.FZuMeaning[e],
                        list.FZuPhonetic[e], list.FZuStart[e], list.FZuEnd[e]};
    }
    StartPass(total);
}

void TbdcTestForm::RetestWrong()
{
    const int total = std::clamp(FWrongCount, 0, kPassLimit);
    std::copy_n(FWrongList.begin() + 1, total, FTestList.begin() + 1);
    StartPass(total);
}

// A fresh pass starts without a correction under way, also when the test
// was left in the middle of one.
void TbdcTestForm::StartPass(int total)
{
    FTestIndex = 1;
    ThisLabel->SetCaption(QStringLiteral("1"));
    FTestTotal = total;
    TotalLabel->SetCaption(QStringLiteral("(1-%1)").arg(FTestTotal));
    TypeEdit->clear();
    AnswerLabel->SetVisible(false);
    HelpLabel->SetVisible(false);
    FSpelling = {};
    FWrongCount = 0;
    WrongLabel->SetCaption(QStringLiteral("0"));
    TypeEdit->setFocus();
    ShowTestWord();
}

void TbdcTestForm::ShowTestWord()
{
    const TTestEntry& entry = FTestList[std::size_t(std::clamp(FTestIndex, 1, kPassLimit))];
    ThisLabel->SetCaption(QString::number(FTestIndex));
    FAnswer = entry.Word;
    AnswerLabel->SetCaption(FAnswer);
    AnswerLabel->adjustSize();
    ChineseLabel->SetCaption(entry.Meaning);
    ChineseLabel->SetVisible(FShowMeaning == 1);
    word::ShowPhonetic(*Label1, *YinBiaoLabel, *Label2, entry.Phonetic, FShowPhonetic == 1);
    // Without a recording the test goes on silently.
    if (FSoundOn == 1)
        bdcChoiceForm->PlayBookClip(entry.Start, entry.End);
}

// The help follows the correct word; after a long phrase, where it would
// not fit beside it, it goes under the word instead.
void TbdcTestForm::ShowHelp(const QString& text)
{
    HelpLabel->SetCaption(text);
    const int needed = HelpLabel->fontMetrics().horizontalAdvance(text) + 8;
    const int beside = AnswerLabel->x() + AnswerLabel->width() + HelpGap;
    const int cardRight = WordDrillLayout::Card.Left + WordDrillLayout::Card.Width;
    if (beside + needed <= cardRight - 8)
        HelpLabel->setGeometry(beside, bdcTestLayout::HelpLabel.Top, needed, bdcTestLayout::HelpLabel.Height);
    else
        HelpLabel->setGeometry(AnswerLabel->x(), AnswerLabel->y() + AnswerLabel->height() - 4, needed,
                               bdcTestLayout::HelpLabel.Height);
}

void TbdcTestForm::RecordWrong()
{
    if (FWrongCount >= kPassLimit)
        return;
    ++FWrongCount;
    FWrongList[std::size_t(FWrongCount)] = FTestList[std::size_t(FTestIndex)];
    WrongLabel->SetCaption(QString::number(FWrongCount));
}

void TbdcTestForm::CheckAnswer()
{
    const bool right = word::SameAnswer(TypeEdit->Text(), FAnswer);
    TypeEdit->clear();
    const word::SpellingVerdict verdict = word::JudgeSpelling(right, FSpelling);
    switch (verdict.kind) {
    case word::SpellingVerdict::CopyOnceMore: ShowHelp(QStringLiteral("正确，再写一遍")); return;
    case word::SpellingVerdict::CopyTwice:
        AnswerLabel->SetVisible(true);
        HelpLabel->SetVisible(true);
        ShowHelp(QStringLiteral("您打错了，请抄写两遍，加强记忆！"));
        return;
    case word::SpellingVerdict::StillWrong:
        AnswerLabel->SetVisible(true);
        HelpLabel->SetVisible(true);
        return;
    case word::SpellingVerdict::Passed: break;
    }
    HelpLabel->SetVisible(false);
    AnswerLabel->SetVisible(false);
    if (verdict.recordWrong)
        RecordWrong();
    if (FTestIndex < FTestTotal) {
        ++FTestIndex;
        ShowTestWord();
        return;
    }
    EndPass();
}

void TbdcTestForm::EndPass()
{
    bdcTestFinishForm->WrongLabel->SetCaption(QString::number(FWrongCount));
    if (FWrongCount == 0) {
        YouRememberForm->ShowModal();
        LeaveTest();
        return;
    }
    bdcTestFinishForm->ContinueButton->setEnabled(true);
    bdcTestFinishForm->FResult = 0;
    bdcTestFinishForm->ShowModal();
    if (bdcTestFinishForm->FResult == 1)
        RetestWrong();
    else if (bdcTestFinishForm->FResult == 2)
        LeaveTest();
}

void TbdcTestForm::LeaveTest()
{
    Close();
    bdcChoiceForm->StopBookClip();
}

void TbdcTestForm::TypeEditKeyDown(QObject*, int& Key, TShiftState)
{
    const word::AnswerFieldKey command = word::AnswerFieldCommand(Key);
    if (command != word::AnswerFieldKey::Typing)
        Key = 0;
    switch (command) {
    case word::AnswerFieldKey::Leave: LeaveTest(); break;
    case word::AnswerFieldKey::Judge: CheckAnswer(); break;
    case word::AnswerFieldKey::Replay: ShowTestWord(); break;
    case word::AnswerFieldKey::Typing: break;
    }
}

void TbdcTestForm::kivEarImage1Click(QObject*) { ShowTestWord(); }

void TbdcTestForm::kivFaYInImage1Click(QObject*)
{
    if (word::FlipToggle(FSoundOn, kivFaYInImage1, *KongImage))
        ShowTestWord();
}

void TbdcTestForm::kivCiYIImage1Click(QObject*)
{
    ChineseLabel->SetVisible(word::FlipToggle(FShowMeaning, kivCiYIImage1, *KongImage));
}

void TbdcTestForm::kivYinBiaoImage1Click(QObject*)
{
    YinBiaoLabel->SetVisible(word::FlipToggle(FShowPhonetic, kivYinBiaoImage1, *KongImage));
}

void TbdcTestForm::kivReturnImage1Click(QObject*) { LeaveTest(); }
