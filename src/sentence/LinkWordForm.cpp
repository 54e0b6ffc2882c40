#include "LinkWordForm.h"
#include "ChoiceClassForm.h"
#include "LinkWordLayout.h"
#include "LinkWordRules.h"
#include "ReadAlongRules.h"
#include "SentenceBook.h"
#include "SentenceWords.h"
#include "ThisClassHaveFinishedForm.h"
#include "controls/Accessibility.h"
#include "controls/Look.h"
#include "controls/Skin.h"
#include "controls/Timer.h"
#include "controls/TwinFaces.h"
#include "media/MediaPlayer.h"

#include <QFontMetrics>
#include <algorithm>
#include <chrono>

TLinkWordForm* LinkWordForm = nullptr;

namespace {

using namespace LinkWordLayout;

static_assert(sentence::kLinkPiecesBottom < LinkWordLayout::EnglishRightAnswer.Top,
              "the pieces stop above the answer line");

// A piece's frame is one line; its height is a line of its text plus four
// frame widths.
constexpr int kPieceBorder = 1;

// The screen's font, bold at 16 pixels, in which the words are measured and
// the pieces written; look::Sans() stands in for the screen font.
QFont PieceFont(int pixelSize) { return look::SansFont(pixelSize, true); }

int PieceHeight(const QFont& font) { return QFontMetrics(font).height() + 4 * kPieceBorder; }

std::uint32_t ClockSeed()
{
    return std::uint32_t(std::chrono::steady_clock::now().time_since_epoch().count());
}

// Shows `text` in the largest of `sizes` (largest first) of `face` in which it
// fits the label's room, so a long sentence's translation or answer is read
// whole; the smallest when none does.
void ShowFitted(TLabel* label, const QString& text, std::initializer_list<int> sizes, QFont (*face)(int, bool))
{
    const int margin = label->margin();
    const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    for (const int size : sizes) {
        label->setFont(face(size, true));
        if (QFontMetrics(label->font()).boundingRect(room, Qt::TextWordWrap, text).height() <= room.height())
            break;
    }
    label->SetCaption(text);
}

void ShowTranslation(TLabel* label, const QString& text) { ShowFitted(label, text, {18, 16, 14, 12}, look::KaiFont); }

void ShowAnswer(TLabel* label, const QString& text) { ShowFitted(label, text, {18, 16, 14, 12}, look::SansFont); }

} // namespace

TLinkWordForm::TLinkWordForm() : TForm(FormKind::FullScreen, Width, Height, QStringLiteral("LinkWordForm"))
{
    pieceFont_ = PieceFont(sentence::kLinkPieceFontPx);
    setFont(pieceFont_);
    FShuffleSeed = ClockSeed;

    Image1 = new TImage(this, {0, 0, Width, Height});
    Image1->SetPicture(SkinPicture(Background));

    ChineseSentence = new TkivLabel(this, LinkWordLayout::ChineseSentence);
    ChineseSentence->SetTransparent(true);
    ChineseSentence->setWordWrap(true);
    ChineseSentence->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ChineseSentence->setFont(look::KaiFont(18, true));
    ChineseSentence->SetColor(look::Sentence.Q());

    EnglishRightAnswer = new TkivStaticText(this, LinkWordLayout::EnglishRightAnswer);
    EnglishRightAnswer->setFrameStyle(QFrame::NoFrame);
    EnglishRightAnswer->SetTransparent(false, Qt::black);
    EnglishRightAnswer->SetColor(Qt::white);
    EnglishRightAnswer->setFont(look::SansFont(18, true));
    EnglishRightAnswer->setWordWrap(true);
    EnglishRightAnswer->setMargin(AnswerMargin);

    Label1 = NumberLabel(this, LinkWordLayout::Label1, QStringLiteral("1"), look::Accent.Q());
    Label2 = NumberLabel(this, LinkWordLayout::Label2, QStringLiteral("1"), look::Accent.Q());

    KongImage = new TImage(this, {0, 0, 0, 0});
    KongImage->SetVisible(false);
    ChineseImage2 = HiddenSkinPicture(this, {0, 0, MarkSize, MarkSize}, Marker);
    kivFaYinImage = PictureButton(this, LinkWordLayout::kivFaYinImage.place);
    ChineseImage1 = PictureButton(this, LinkWordLayout::ChineseImage1.place);

    NextSenImage2 = HiddenSkinPicture(this, LinkWordLayout::kivNextSenImage.place, LinkWordLayout::kivNextSenImage.litFace);
    ChoiceImage2 = HiddenSkinPicture(this, LinkWordLayout::kivImage13.place, LinkWordLayout::kivImage13.litFace);
    ReturnImage2 = HiddenSkinPicture(this, LinkWordLayout::kivImage11.place, LinkWordLayout::kivImage11.litFace);
    kivNextSenImage = PictureButton(this, LinkWordLayout::kivNextSenImage.place, LinkWordLayout::kivNextSenImage.hint);
    kivImage13 = PictureButton(this, LinkWordLayout::kivImage13.place, LinkWordLayout::kivImage13.hint);
    kivImage11 = PictureButton(this, LinkWordLayout::kivImage11.place, LinkWordLayout::kivImage11.hint);
    // The screen takes no keys.
    SetAccessibleCaptions({
        {kivFaYinImage, LinkWordLayout::kivFaYinImage.caption, ""},
        {ChineseImage1, LinkWordLayout::ChineseImage1.caption, ""},
        {kivNextSenImage, LinkWordLayout::kivNextSenImage.caption, ""},
        {kivImage13, LinkWordLayout::kivImage13.caption, ""},
        {kivImage11, LinkWordLayout::kivImage11.caption, ""},
    });
    BindOwnTwinFaces(*kivNextSenImage, *NextSenImage2, *KongImage);
    BindOwnTwinFaces(*kivImage13, *ChoiceImage2, *KongImage);
    BindOwnTwinFaces(*kivImage11, *ReturnImage2, *KongImage);

    kivNextSenImage->OnClick = Bind(this, &TLinkWordForm::kivNextSenImageClick);
    kivImage13->OnClick = Bind(this, &TLinkWordForm::ReturnButtonClick);
    kivImage11->OnClick = Bind(this, &TLinkWordForm::ReturnButtonClick);
    OnWindowClose = Bind(this, &TLinkWordForm::ReturnButtonClick);
    ChineseImage1->OnClick = Bind(this, &TLinkWordForm::ChineseImage1Click);
    kivFaYinImage->OnClick = Bind(this, &TLinkWordForm::kivFaYinImageClick);
}

void TLinkWordForm::FormCreate()
{
    InitScreen();
    CreatePieces();
    HookPieceEvents();
}

void TLinkWordForm::FormDestroy()
{
    for (TkivStaticText* piece : FPieces)
        delete piece;
    FPieces.clear();
}

void TLinkWordForm::InitScreen()
{
    MoveToTopLeft();
    FChineseOn = 0;
    FSoundOn = 0;
    ChineseSentence->SetVisible(false);
}

// --- The pieces ----------------------------------------------------------------

TkivStaticText* TLinkWordForm::MakePiece()
{
    // Sized to its first caption; from then on the layout sets the width,
    // and the height stays a line of text.
    const QString caption = QStringLiteral("bbb");
    const LayoutRect place{50, 0, QFontMetrics(pieceFont_).horizontalAdvance(caption) + 4 * kPieceBorder,
                           PieceHeight(pieceFont_)};
    auto* piece = new TkivStaticText(this, place, caption);
    piece->setFont(pieceFont_);
    piece->setLineWidth(kPieceBorder);
    piece->SetTransparent(false, look::Green.Q());
    piece->SetColor(Qt::white);
    piece->setAlignment(Qt::AlignCenter);
    piece->setCursor(Qt::PointingHandCursor);
    piece->SetVisible(false);
    FPieces.push_back(piece);
    return piece;
}

void TLinkWordForm::CreatePieces()
{
    while (PieceCount() < sentence::kLinkPieceCount)
        MakePiece();
}

void TLinkWordForm::HookPiece(TkivStaticText* piece)
{
    piece->OnClick = Bind(this, &TLinkWordForm::PieceClick);
    piece->OnMouseEnter = Bind(this, &TLinkWordForm::PieceMouseEnter);
    piece->OnMouseLeave = Bind(this, &TLinkWordForm::PieceMouseLeave);
}

void TLinkWordForm::HookPieceEvents()
{
    for (TkivStaticText* piece : FPieces)
        HookPiece(piece);
}

void TLinkWordForm::HideAllPieces()
{
    for (TkivStaticText* piece : FPieces)
        piece->SetVisible(false);
}

int TLinkWordForm::PieceNumber(QObject* sender) const
{
    const auto found = std::find(FPieces.begin(), FPieces.end(), sender);
    return found == FPieces.end() ? 0 : int(found - FPieces.begin()) + 1;
}

void TLinkWordForm::SetPieceGround(QObject* sender, const QColor& ground)
{
    if (const int i = PieceNumber(sender))
        Piece(i)->SetTransparent(false, ground);
}

// --- The lesson table ----------------------------------------------------------

int TLinkWordForm::Row() const { return ChoiceClassForm->OneClassStringGrid->Row(); }

int TLinkWordForm::RowCount() const { return ChoiceClassForm->OneClassStringGrid->RowCount(); }

void TLinkWordForm::SelectRow(int row) { ChoiceClassForm->OneClassStringGrid->SetRow(row); }

void TLinkWordForm::ShowSentenceNumber() { Label2->SetCaption(QString::number(Row())); }

QStringList TLinkWordForm::LessonEnglish() const
{
    QStringList english;
    for (int row = 1; row < RowCount(); ++row)
        english.append(ChoiceClassForm->OneClassStringGrid->Cells(sentence::kEnglishColumn, row));
    return english;
}

// --- A sentence ------------------------------------------------------------------

void TLinkWordForm::LoadLinkSentence()
{
    const sentence::LinkSentenceStep step = sentence::SentenceToBuild(LessonEnglish(), Row());
    switch (step.kind) {
    case sentence::LinkSentenceStep::Build:
        SelectRow(step.row);
        ShowSentenceNumber();
        ShowSentence(ChoiceClassForm->OneClassStringGrid->Cells(sentence::kEnglishColumn, Row()),
                     ChoiceClassForm->OneClassStringGrid->Cells(sentence::kChineseColumn, Row()));
        break;
    // The lesson may have no rows at all: the table's caption row is no
    // sentence.
    case sentence::LinkSentenceStep::Nothing: ShowSentence(QString(), QString()); break;
    case sentence::LinkSentenceStep::Finished: FinishLesson(); break;
    }
}

void TLinkWordForm::ShowSentence(const QString& english, const QString& chinese)
{
    FRowTop = sentence::kLinkFirstRowTop;
    ShowAnswer(EnglishRightAnswer, QString());
    FNextWord = 1;
    ChineseSentence->SetVisible(FChineseOn == 1);
    FSoundOn = 0;
    kivFaYinImage->SetPicture(KongImage->Picture());

    ShowTranslation(ChineseSentence, chinese);
    FSentence = english;
    FWords = sentence::SplitWords(FSentence);
    FWordCount = std::int32_t(FWords.size());
    LayOutPieces();
}

void TLinkWordForm::LayOutPieces()
{
    FShuffled = sentence::ShuffledWords(FWords, FShuffleSeed());
    // A sentence of more words than there are pieces gets more pieces.
    while (PieceCount() < FShuffled.size())
        HookPiece(MakePiece());

    // The rows at the screen's size if they fit above the answer line, else
    // at the largest smaller size that does.
    QFont font;
    sentence::PieceRows rows;
    for (int size = sentence::kLinkPieceFontPx;; --size) {
        font = PieceFont(size);
        const QFontMetrics metrics(font);
        std::vector<int> widths;
        widths.reserve(std::size_t(FShuffled.size()));
        for (const QString& word : FShuffled)
            widths.push_back(metrics.horizontalAdvance(word));
        rows = sentence::LayOutPieceRows(widths, PieceHeight(font));
        if (rows.fits || size <= sentence::kLinkSmallestPieceFontPx)
            break;
    }

    const QFontMetrics metrics(font);
    const int height = PieceHeight(font);
    for (int i = 1; i <= FShuffled.size(); ++i) {
        TkivStaticText* piece = Piece(i);
        const QString& word = FShuffled[i - 1];
        const sentence::PiecePlace& place = rows.places[std::size_t(i - 1)];
        const int textRoom = place.width - sentence::kLinkPiecePadding;
        const bool cut = metrics.horizontalAdvance(word) > textRoom;
        piece->setFont(font);
        piece->setGeometry(place.left, place.top, place.width, height);
        piece->SetCaption(cut ? metrics.elidedText(word, Qt::ElideMiddle, textRoom) : word);
        piece->setToolTip(cut ? word : QString());
        // A piece hidden under the pointer may have missed its leave.
        piece->SetTransparent(false, look::Green.Q());
        piece->SetVisible(true);
        FRowTop = place.top;
    }
    for (int i = int(FShuffled.size()) + 1; i <= PieceCount(); ++i)
        Piece(i)->SetVisible(false);
}

void TLinkWordForm::CheckSentenceDone()
{
    if (FNextWord <= FWordCount)
        return;
    if (Row() < RowCount() - 1) {
        SelectRow(Row() + 1);
        ShowSentenceNumber();
        LoadLinkSentence();
    } else {
        FinishLesson();
    }
}

void TLinkWordForm::FinishLesson()
{
    // The chooser shows the lesson from its start whichever way the learner
    // goes on.
    SelectRow(1);
    ThisClassHaveFinishedForm->ShowModal();
    switch (ThisClassHaveFinishedForm->FChoice) {
    case 1:
        Label2->SetCaption(QStringLiteral("1"));
        LoadLinkSentence();
        break;
    case 2:
        HideAllPieces();
        ChoiceClassForm->Show();
        Close();
        break;
    default: break;
    }
}

// --- Event handlers ----------------------------------------------------------------

void TLinkWordForm::PieceClick(QObject* Sender)
{
    const int i = PieceNumber(Sender);
    if (i == 0 || i > FShuffled.size() || !sentence::CarriesNextWord(FShuffled[i - 1], FWords, FNextWord))
        return;
    ShowAnswer(EnglishRightAnswer, sentence::AnswerLine(FWords, FNextWord));
    ++FNextWord;
    Piece(i)->SetVisible(false);
    CheckSentenceDone();
}

void TLinkWordForm::PieceMouseEnter(QObject* Sender) { SetPieceGround(Sender, look::Maroon.Q()); }

void TLinkWordForm::PieceMouseLeave(QObject* Sender) { SetPieceGround(Sender, look::Green.Q()); }

void TLinkWordForm::kivNextSenImageClick(QObject*)
{
    if (!sentence::CanStepForward(Row(), RowCount()))
        return;
    HideAllPieces();
    SelectRow(Row() + 1);
    ShowSentenceNumber();
    LoadLinkSentence();
}

void TLinkWordForm::ReturnButtonClick(QObject*)
{
    HideAllPieces();
    ChoiceClassForm->Show();
    Hide();
    if (ChoiceClassForm->FSoundReady == 1) {
        ChoiceClassForm->bjzPlayer->Stop();
        ChoiceClassForm->ReadOneSenTimer->SetEnabled(false);
    }
}

void TLinkWordForm::ChineseImage1Click(QObject*)
{
    FChineseOn = FChineseOn == 1 ? 0 : 1;
    ChineseSentence->SetVisible(FChineseOn == 1);
    ChineseImage1->SetPicture(FChineseOn == 1 ? ChineseImage2->Picture() : KongImage->Picture());
}

void TLinkWordForm::kivFaYinImageClick(QObject*)
{
    if (FSoundOn == 0) {
        FSoundOn = 1;
        kivFaYinImage->SetPicture(ChineseImage2->Picture());
        ChoiceClassForm->PlayAndWatchClip();
    } else {
        FSoundOn = 0;
        kivFaYinImage->SetPicture(KongImage->Picture());
    }
}
