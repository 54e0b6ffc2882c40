#include "bjzTypeSenForm.h"
#include "ChoiceClassForm.h"
#include "SentenceBook.h"
#include "SentenceWords.h"
#include "ThisClassHaveFinishedForm.h"
#include "bjzTypeSenLayout.h"
#include "controls/Keys.h"
#include "controls/Accessibility.h"
#include "controls/Look.h"
#include "controls/Skin.h"
#include "controls/TwinFaces.h"
#include "media/MediaPlayer.h"

#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>

TbjzTypeSenForm* bjzTypeSenForm = nullptr;

namespace {

using namespace bjzTypeSenLayout;
using sentence::kDictationLineHeight;

// Typed text and the sentence to copy share one way of being drawn, so the
// typed letters cover the sentence's letters exactly.
void DrawInk(QPainter& painter, const std::vector<sentence::InkRun>& runs, const QColor& colour)
{
    painter.setPen(colour);
    for (const sentence::InkRun& run : runs)
        painter.drawText(QRect(run.x, run.y, 4 * EnglishInput.Width, HelpHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, run.text);
}

// The sentence to copy: a label whose caption is laid out in lines the way
// typed text is laid out when the input is repainted.
class SentenceToCopy final : public TLabel {
public:
    using TLabel::TLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        platform::CallGuarded([this] {
            QPainter painter(this);
            painter.setFont(font());
            const QString text = Caption();
            const QFontMetrics metrics(font());
            const auto width = [&metrics](const QString& t) { return metrics.horizontalAdvance(t); };
            const auto lines =
                sentence::RepaintedInk(text, sentence::SplitWords(text), int(text.size()), width, this->width());
            DrawInk(painter, lines, palette().color(QPalette::WindowText));
        });
    }
};

TLabel* HelpLabel(QWidget* parent, int width, const QColor& colour)
{
    auto* label = new TLabel(parent, {EnglishInput.Left, EnglishInput.Top, width, HelpHeight});
    label->SetColor(colour);
    label->SetTransparent(true);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// The caret and the underline: plain ink bars.
TLabel* Bar(QWidget* parent, int width, int height)
{
    auto* bar = new TLabel(parent, {EnglishInput.Left, EnglishInput.Top, width, height});
    bar->SetTransparent(false, look::Ink.Q());
    bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    return bar;
}

TkivImage1* CommandButton(QWidget* parent, const Command& command)
{
    TkivImage1* button = CaptionedButton(parent, command.place, QString::fromUtf8(command.caption));
    button->SetHint(QString::fromUtf8(command.hint));
    return button;
}

// A help switch shows the background's painted "on" through an empty face,
// and its own picture when off.
void ShowSwitch(TkivImage1& button, std::uint8_t on, const TImage& empty, const TImage& off)
{
    button.SetPicture(on == 1 ? empty.Picture() : off.Picture());
}

} // namespace

TbjzTypeSenForm::TbjzTypeSenForm() : TForm(FormKind::FullScreen, Width, Height, QStringLiteral("bjzTypeSenForm"))
{
    // Every width on the screen is measured in this font.
    setFont(look::SansFont(bjzTypeSenLayout::TypedTextPixels));
    // No text box takes the keys: the screen does, and an input method
    // delivers its characters here too.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);

    Image1 = new TImage(this, {0, 0, Width, Height});
    Image1->SetPicture(SkinPicture(Background));

    Chinese = new TkivLabel(this, bjzTypeSenLayout::Chinese);
    Chinese->setFont(look::KaiFont(21, true));
    Chinese->SetColor(look::Sentence.Q());
    Chinese->SetTransparent(true);
    Chinese->setWordWrap(true);
    Chinese->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // Beneath the typed text, in stacking order: the sentence to copy, the
    // helps at the word, the underline and the wrong letter.
    English = new SentenceToCopy(this, bjzTypeSenLayout::English);
    English->SetColor(look::HintRed.Q());
    English->SetTransparent(true);
    English->setVisible(false);
    FirstLetterHelp = HelpLabel(this, FirstLetterHelpWidth, look::HintRed.Q());
    // Wide enough for the longest word at any place on a line.
    OneWordHelp = HelpLabel(this, bjzTypeSenLayout::EnglishInput.Width, look::HintRed.Q());
    OneWordHelp->setVisible(false);
    DownLine = Bar(this, 0, DownLineHeight);
    // The wrong letter stands on a purple tint, so it never reads as typed.
    OneWrongLetter = HelpLabel(this, OneWrongLetterWidth, look::Purple.Q());
    QColor tint = look::Purple.Q();
    tint.setAlpha(48);
    OneWrongLetter->SetTransparent(false, tint);
    OneWrongLetter->setVisible(false);
    EnglishInput = new TkivLabel(this, bjzTypeSenLayout::EnglishInput);
    EnglishInput->SetTransparent(true);
    EnglishInput->setAttribute(Qt::WA_TransparentForMouseEvents);
    GuangBiao = Bar(this, CaretWidth, CaretHeight);

    Lesson = NumberLabel(this, bjzTypeSenLayout::Lesson, QString(), look::Accent.Q());
    LessonSentence = NumberLabel(this, bjzTypeSenLayout::LessonSentence, QString(), look::Accent.Q());
    TotalSentence = NumberLabel(this, bjzTypeSenLayout::TotalSentence, QString(), look::Accent.Q());

    KongImage = new TImage(this, {0, 0, 0, 0});
    const auto offFace = [this](const Switch& layout) {
        return HiddenSkinPicture(this, layout.place, layout.offFace);
    };
    kivFirstLetterImage2 = offFace(bjzTypeSenLayout::kivFirstLetterImage);
    kivWordLengthImage2 = offFace(bjzTypeSenLayout::kivWordLengthImage);
    kivWrongToWordImage2 = offFace(bjzTypeSenLayout::kivWrongToWordImage);
    kivSeeChineseImage2 = offFace(bjzTypeSenLayout::kivSeeChineseImage);
    kivChaoXieImage2 = offFace(bjzTypeSenLayout::kivChaoXieImage1);
    kivImage = HiddenSkinPicture(this, bjzTypeSenLayout::NextSenImage.place, RestingFace);

    const auto switchButton = [this](const Switch& layout) { return PictureButton(this, layout.place, layout.hint); };
    kivFirstLetterImage = switchButton(bjzTypeSenLayout::kivFirstLetterImage);
    kivWordLengthImage = switchButton(bjzTypeSenLayout::kivWordLengthImage);
    kivWrongToWordImage = switchButton(bjzTypeSenLayout::kivWrongToWordImage);
    kivSeeChineseImage = switchButton(bjzTypeSenLayout::kivSeeChineseImage);
    kivChaoXieImage1 = switchButton(bjzTypeSenLayout::kivChaoXieImage1);
    AgainReadImage = PictureButton(this, bjzTypeSenLayout::AgainReadImage.place, bjzTypeSenLayout::AgainReadImage.hint);
    NextSenImage = CommandButton(this, bjzTypeSenLayout::NextSenImage);
    ReturnToChoiceImage = CommandButton(this, bjzTypeSenLayout::ReturnToChoiceImage);
    ReturnToMainImage = CommandButton(this, bjzTypeSenLayout::ReturnToMainImage);
    // Keys as FormKeyDown takes them (DictationKeyCommand).
    SetAccessibleCaptions({
        {kivFirstLetterImage, bjzTypeSenLayout::kivFirstLetterImage.caption, "F1"},
        {kivWordLengthImage, bjzTypeSenLayout::kivWordLengthImage.caption, "F2"},
        {kivWrongToWordImage, bjzTypeSenLayout::kivWrongToWordImage.caption, "F3"},
        {kivSeeChineseImage, bjzTypeSenLayout::kivSeeChineseImage.caption, "F4"},
        {kivChaoXieImage1, bjzTypeSenLayout::kivChaoXieImage1.caption, "F5"},
        {AgainReadImage, bjzTypeSenLayout::AgainReadImage.caption, "Enter"},
        {NextSenImage, bjzTypeSenLayout::NextSenImage.caption, "PageDown"},
        {ReturnToChoiceImage, bjzTypeSenLayout::ReturnToChoiceImage.caption, "Esc"},
        {ReturnToMainImage, bjzTypeSenLayout::ReturnToMainImage.caption, "Esc"},
    });

    // The caret blinks while the screen is shown (see showEvent): a hidden
    // screen's timer would only wake an idle program.
    Timer1 = new TTimer(600, false);
    Timer1->setParent(this);

    EnglishInput->OnPaint = Bind(this, &TbjzTypeSenForm::EnglishInputPaint);
    Timer1->SetOnTimer(Bind(this, &TbjzTypeSenForm::Timer1Timer));
    ReturnToChoiceImage->OnClick = Bind(this, &TbjzTypeSenForm::ReturnToChoiceClassClick);
    ReturnToMainImage->OnClick = Bind(this, &TbjzTypeSenForm::ReturnToChoiceClassClick);
    OnWindowClose = Bind(this, &TbjzTypeSenForm::ReturnToChoiceClassClick);
    NextSenImage->OnClick = Bind(this, &TbjzTypeSenForm::NextSenClick);
    AgainReadImage->OnClick = Bind(this, &TbjzTypeSenForm::AgainReadButtonClick);
    kivFirstLetterImage->OnClick = Bind(this, &TbjzTypeSenForm::kivFirstLetterImageClick);
    kivWordLengthImage->OnClick = Bind(this, &TbjzTypeSenForm::kivWordLengthImageClick);
    kivWrongToWordImage->OnClick = Bind(this, &TbjzTypeSenForm::kivWrongToWordImageClick);
    kivSeeChineseImage->OnClick = Bind(this, &TbjzTypeSenForm::kivSeeChineseImageClick);
    kivChaoXieImage1->OnClick = Bind(this, &TbjzTypeSenForm::kivChaoXieImage1Click);
}

void TbjzTypeSenForm::FormCreate()
{
    MoveToTopLeft();
    FFirstLetterOn = FWordLengthOn = FWrongToWordOn = 1;
    kivSeeChineseImage->SetPicture(kivSeeChineseImage2->Picture());
    Chinese->SetVisible(false);
    FSeeChineseOn = 0;
    kivChaoXieImage1->SetPicture(kivChaoXieImage2->Picture());
    for (TkivImage1* button : {ReturnToChoiceImage, NextSenImage, ReturnToMainImage})
        BindSharedFaces(*button, *kivImage, *ChoiceClassForm->kivImage2);
}

// --- The lesson table ----------------------------------------------------

int TbjzTypeSenForm::Row() const { return ChoiceClassForm->OneClassStringGrid->Row(); }

int TbjzTypeSenForm::RowCount() const { return ChoiceClassForm->OneClassStringGrid->RowCount(); }

int TbjzTypeSenForm::NextTypeableRow() const
{
    return sentence::FirstTypeableRow(Row() + 1, RowCount(), [this](int row) {
        return ChoiceClassForm->LessonSentenceCell(sentence::kEnglishColumn, row);
    });
}

int TbjzTypeSenForm::TextWidth(const QString& text) const { return QFontMetrics(font()).horizontalAdvance(text); }

// --- Starting a sentence ---------------------------------------------------

void TbjzTypeSenForm::LoadDictationSentence()
{
    // A sentence with nothing to type (a blank line of a book) is passed
    // over when a sentence to type follows it; a lesson with none left stays
    // on it, and the first key finishes it.
    if (sentence::SplitWords(ChoiceClassForm->LessonSentenceCell(sentence::kEnglishColumn, Row())).isEmpty()) {
        if (const int next = NextTypeableRow(); next != 0) {
            ChoiceClassForm->OneClassStringGrid->SetRow(next);
            ChoiceClassForm->PlayAndWatchClip();
        }
    }

    OneWrongLetter->SetVisible(false);
    FWrongCount = 0;
    OneWordHelp->SetVisible(false);
    FAtWordStart = true;
    EnglishInput->SetCaption(QString());

    FCurPos = 1;
    FWordIndex = 1;
    FCaretX = 0;
    FCaretY = 0;
    RedrawTyped();

    FWords = sentence::SplitWords(ChoiceClassForm->LessonSentenceCell(sentence::kEnglishColumn, Row()));
    FWordCount = std::int32_t(FWords.size());
    FSentence = sentence::JoinWords(FWords);
    FSentenceLength = std::int32_t(FSentence.size());

    LessonSentence->SetCaption(QString::number(Row()));
    English->SetCaption(FSentence);
    Chinese->SetCaption(ChoiceClassForm->LessonSentenceCell(sentence::kChineseColumn, Row()));

    // An empty sentence has no word for the helps to show.
    const QString first = FWords.value(0);
    FLineText = first;
    OneWordHelp->SetCaption(first);
    FirstLetterHelp->SetCaption(first.left(1));
    PlaceCaret();
    DownLine->setGeometry(EnglishInput->x(), EnglishInput->y() + kDictationLineHeight, TextWidth(first),
                          DownLineHeight);
    OneWordHelp->move(DownLine->x(), EnglishInput->y());
    FirstLetterHelp->move(EnglishInput->x(), EnglishInput->y());
    FirstLetterHelp->SetVisible(FFirstLetterOn == 1);
    DownLine->SetVisible(FWordLengthOn == 1);

    FCopyOn = 0;
    kivChaoXieImage1->SetPicture(kivChaoXieImage2->Picture());
    English->SetVisible(false);
}

// --- Typing -----------------------------------------------------------------

void TbjzTypeSenForm::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    // Keys without a character of their own (the function keys, Page Down)
    // act by their code; the characters a key delivers are typed after its
    // command, so Enter replays and then counts as a wrong key.
    int key = VirtualKeyOf(*event);
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (key != 0)
        platform::CallGuarded([this, &key, modifiers] { FormKeyDown(this, key, modifiers); });
    // A key that left the screen (Esc) types nothing more: on a sentence with
    // nothing to type it would finish the lesson over the chooser.
    if (!Visible())
        return;
    const QString text = event->text();
    platform::CallGuarded([this, &text] { TypeCharacters(text); });
}

void TbjzTypeSenForm::inputMethodEvent(QInputMethodEvent* event)
{
    event->accept();
    const QString text = event->commitString();
    platform::CallGuarded([this, &text] { TypeCharacters(text); });
}

QVariant TbjzTypeSenForm::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled: return true;
    case Qt::ImCursorRectangle: return GuangBiao->geometry();
    case Qt::ImFont: return font();
    case Qt::ImHints: return int(Qt::ImhPreferLatin | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    default: return TForm::inputMethodQuery(query);
    }
}

void TbjzTypeSenForm::showEvent(QShowEvent* event)
{
    TForm::showEvent(event);
    setFocus();
    Timer1->SetEnabled(true);
    platform::CallGuarded([this] { RedrawTyped(); });
}

void TbjzTypeSenForm::hideEvent(QHideEvent* event)
{
    Timer1->SetEnabled(false);
    TForm::hideEvent(event);
}

// An input method may commit several characters at once; those after the
// one that finishes a sentence were meant for it, not for the next.
void TbjzTypeSenForm::TypeCharacters(const QString& text)
{
    for (const QChar c : text) {
        CheckKey(c);
        if (FinishIfTyped())
            return;
    }
}

void TbjzTypeSenForm::CheckKey(QChar key)
{
    const QChar expected = sentence::ExpectedAt(FSentence, FCurPos);
    OneWrongLetter->SetCaption(QString(key));
    if (sentence::TypedMatches(key, expected))
        CorrectKeyTyped(expected);
    else
        WrongKeyTyped();
}

void TbjzTypeSenForm::WrongKeyTyped()
{
    const sentence::WrongKey wrong = sentence::AfterWrongKey(FWrongCount, FWrongToWordOn == 1, FCopyOn == 1,
                                                             OneWordHelp->Visible(), FAtWordStart);
    FWrongCount = wrong.wrongCount;
    if (wrong.revealWord) {
        OneWordHelp->SetVisible(true);
        OneWrongLetter->SetVisible(false);
    }
    if (wrong.showWrongLetter) {
        OneWrongLetter->setGeometry(EnglishInput->x() + FCaretX, EnglishInput->y() + FCaretY,
                                    TextWidth(OneWrongLetter->Caption()) + 2, CaretHeight);
        OneWrongLetter->SetVisible(true);
    }
}

void TbjzTypeSenForm::CorrectKeyTyped(QChar expected)
{
    FAtWordStart = false;
    OneWrongLetter->SetVisible(false);
    FWrongCount = 0;

    // The character joins the typed run of the caret's line, and the caret
    // goes to the end of that run measured whole: a face's advances are not
    // whole pixels, so adding up the characters' own widths would drift from
    // the words the helps and a repaint measure.
    if (typedInk_.empty() || typedInk_.back().y != FCaretY)
        typedInk_.push_back({QString(), FCaretX, FCaretY});
    sentence::InkRun& line = typedInk_.back();
    line.text += sentence::DrawnCharacter(expected);
    EnglishInput->update();
    ++FCurPos;
    FCaretX = line.x + TextWidth(line.text);
    PlaceCaret();

    if (expected == u' ')
        MoveToNextWord();
    if (sentence::RevealsWordBefore(sentence::ExpectedAt(FSentence, FCurPos)))
        RevealWord();
}

void TbjzTypeSenForm::MoveToNextWord()
{
    FAtWordStart = true;
    OneWordHelp->SetVisible(false);
    ++FWordIndex;
    const QString word = FWords.value(FWordIndex - 1);
    const sentence::TypedWordPlace place = sentence::PlaceTypedWord(FLineText, word, [this](const QString& t) {
        return TextWidth(t);
    }, EnglishInput->width());
    FLineText = place.lineText;
    // The space just typed stays at the end of the line it ended.
    if (place.wraps) {
        FCaretX = 0;
        FCaretY += kDictationLineHeight;
        PlaceCaret();
    }
    const int left = EnglishInput->x() + place.left;
    const int top = EnglishInput->y() + FCaretY;
    DownLine->setGeometry(left, top + kDictationLineHeight, place.width, DownLineHeight);
    FirstLetterHelp->SetCaption(word.left(1));
    FirstLetterHelp->move(left, top);
    OneWordHelp->SetCaption(word);
    OneWordHelp->move(left, top);
}

void TbjzTypeSenForm::RevealWord()
{
    OneWordHelp->SetVisible(true);
    OneWrongLetter->SetVisible(false);
    FWrongCount = 0;
}

void TbjzTypeSenForm::PlaceCaret()
{
    GuangBiao->setGeometry(EnglishInput->x() + FCaretX, EnglishInput->y() + FCaretY, CaretWidth, CaretHeight);
}

// Returns whether the sentence was done: its last character typed.
bool TbjzTypeSenForm::FinishIfTyped()
{
    if (FCurPos <= FSentenceLength)
        return false;
    FCurPos = 0;
    RedrawTyped();
    // The whole sentence stands in place of the typed text.
    English->SetVisible(false);
    English->SetVisible(true);
    SentenceDone();
    return true;
}

// The input laid out afresh, as when it is repainted: after the sentence
// changes, when the sentence to copy appears over it or goes, and when the
// screen is shown.
void TbjzTypeSenForm::RedrawTyped()
{
    typedInk_ = sentence::RepaintedInk(FSentence, FWords, FCurPos - 1,
                                       [this](const QString& t) { return TextWidth(t); }, EnglishInput->width());
    EnglishInput->update();
}

void TbjzTypeSenForm::EnglishInputPaint(QObject*)
{
    QPainter& canvas = *EnglishInput->Canvas();
    canvas.setFont(font());
    DrawInk(canvas, typedInk_, look::Ink.Q());
}

void TbjzTypeSenForm::Timer1Timer(QObject*) { GuangBiao->SetVisible(!GuangBiao->Visible()); }

// --- Moving through the lesson -------------------------------------------

void TbjzTypeSenForm::SentenceDone()
{
    if (const int next = NextTypeableRow(); next != 0) {
        ChoiceClassForm->OneClassStringGrid->SetRow(next);
        ChoiceClassForm->PlayAndWatchClip();
        LoadDictationSentence();
        return;
    }
    FinishLesson();
}

void TbjzTypeSenForm::FinishLesson()
{
    ChoiceClassForm->OneClassStringGrid->SetRow(1);
    ThisClassHaveFinishedForm->ShowModal();
    switch (ThisClassHaveFinishedForm->FChoice) {
    case 1:
        ChoiceClassForm->OneClassStringGrid->SetRow(1);
        ChoiceClassForm->PlayAndWatchClip();
        LoadDictationSentence();
        break;
    case 2:
        ChoiceClassForm->Show();
        Close();
        break;
    default: break;
    }
}

// Skipping drops what was typed of the sentence; nothing is kept of it.
void TbjzTypeSenForm::NextSentence()
{
    const int next = NextTypeableRow();
    if (next == 0)
        return;
    FCurPos = 0;
    RedrawTyped();
    ChoiceClassForm->OneClassStringGrid->SetRow(next);
    ChoiceClassForm->PlayAndWatchClip();
    LoadDictationSentence();
}

void TbjzTypeSenForm::ReplaySentence() { ChoiceClassForm->PlayAndWatchClip(); }

void TbjzTypeSenForm::ReturnToChooser()
{
    ChoiceClassForm->Show();
    Close();
    if (ChoiceClassForm->FSoundReady == 1)
        ChoiceClassForm->bjzPlayer->Stop();
    ChoiceClassForm->ReadOneSenTimer->SetEnabled(false);
}

// --- The helps ----------------------------------------------------------------

void TbjzTypeSenForm::ToggleFirstLetter()
{
    FFirstLetterOn ^= 1;
    FirstLetterHelp->SetVisible(FFirstLetterOn == 1);
    ShowSwitch(*kivFirstLetterImage, FFirstLetterOn, *KongImage, *kivFirstLetterImage2);
}

void TbjzTypeSenForm::ToggleWordLength()
{
    FWordLengthOn ^= 1;
    DownLine->SetVisible(FWordLengthOn == 1);
    ShowSwitch(*kivWordLengthImage, FWordLengthOn, *KongImage, *kivWordLengthImage2);
}

// Switching it on shows the current word at once.
void TbjzTypeSenForm::ToggleWrongToWord()
{
    FWrongToWordOn ^= 1;
    OneWordHelp->SetVisible(FWrongToWordOn == 1);
    ShowSwitch(*kivWrongToWordImage, FWrongToWordOn, *KongImage, *kivWrongToWordImage2);
}

void TbjzTypeSenForm::ToggleSeeChinese()
{
    FSeeChineseOn ^= 1;
    Chinese->SetVisible(FSeeChineseOn == 1);
    ShowSwitch(*kivSeeChineseImage, FSeeChineseOn, *KongImage, *kivSeeChineseImage2);
}

void TbjzTypeSenForm::ToggleCopy()
{
    FCopyOn ^= 1;
    English->SetVisible(FCopyOn == 1);
    ShowSwitch(*kivChaoXieImage1, FCopyOn, *KongImage, *kivChaoXieImage2);
    if (FCopyOn == 1) {
        OneWrongLetter->SetVisible(false);
        FWrongCount = 0;
    }
    RedrawTyped();
}

// --- Event handlers ----------------------------------------------------------

void TbjzTypeSenForm::ReturnToChoiceClassClick(QObject*) { ReturnToChooser(); }
void TbjzTypeSenForm::NextSenClick(QObject*) { NextSentence(); }
void TbjzTypeSenForm::AgainReadButtonClick(QObject*) { ReplaySentence(); }
void TbjzTypeSenForm::kivFirstLetterImageClick(QObject*) { ToggleFirstLetter(); }
void TbjzTypeSenForm::kivWordLengthImageClick(QObject*) { ToggleWordLength(); }
void TbjzTypeSenForm::kivWrongToWordImageClick(QObject*) { ToggleWrongToWord(); }
void TbjzTypeSenForm::kivSeeChineseImageClick(QObject*) { ToggleSeeChinese(); }
void TbjzTypeSenForm::kivChaoXieImage1Click(QObject*) { ToggleCopy(); }

void TbjzTypeSenForm::FormKeyDown(QObject*, int& Key, TShiftState)
{
    switch (sentence::DictationKeyCommand(Key)) {
    case sentence::DictationKey::Replay: ReplaySentence(); break;
    case sentence::DictationKey::Back: ReturnToChooser(); break;
    case sentence::DictationKey::Skip: NextSentence(); break;
    case sentence::DictationKey::FirstLetter: ToggleFirstLetter(); break;
    case sentence::DictationKey::WordLength: ToggleWordLength(); break;
    case sentence::DictationKey::WrongToWord: ToggleWrongToWord(); break;
    case sentence::DictationKey::SeeChinese: ToggleSeeChinese(); break;
    case sentence::DictationKey::Copy: ToggleCopy(); break;
    case sentence::DictationKey::None: break;
    }
}
