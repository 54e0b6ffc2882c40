#pragma once
// Word linking: the current sentence's words lie shuffled on green pieces,
// and the learner rebuilds the English sentence by clicking them in order.
// A piece carrying the next word moves that word onto the answer line; any
// other click does nothing. A finished sentence brings the next at once;
// after the lesson's last one the learner goes through the lesson again or
// picks another. The translation can be shown and the sentence's clip
// played. The lesson is the chooser's sentence table, whose selected row is
// the current sentence; sound comes through the chooser's player.

#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Labels.h"

#include <QFont>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

class TLinkWordForm : public TForm {
    Q_OBJECT
public:
    TLinkWordForm();
    void FormCreate() override;
    void FormDestroy() override;

    // Used by the chooser when it opens this screen; also lays out each
    // following sentence.
    void LoadLinkSentence();

    // Event handlers. The piece handlers serve every piece; the piece is
    // the Sender.
    void kivNextSenImageClick(QObject* Sender);
    void ReturnButtonClick(QObject* Sender);
    void ChineseImage1Click(QObject* Sender);
    void kivFaYinImageClick(QObject* Sender);
    void PieceClick(QObject* Sender);
    void PieceMouseEnter(QObject* Sender);
    void PieceMouseLeave(QObject* Sender);

    // Piece i (counted from 1), and how many there are.
    TkivStaticText* Piece(int i) const { return FPieces[std::size_t(i - 1)]; }
    int PieceCount() const { return int(FPieces.size()); }

    // Top of the last row of pieces laid out.
    std::int32_t FRowTop = 0;
    QString FSentence;
    // Word k of the sentence is FWords[k - 1]; FShuffled[i - 1] is shown on
    // piece i.
    QStringList FWords;
    std::int32_t FWordCount = 0;
    QStringList FShuffled;
    std::vector<TkivStaticText*> FPieces;
    // The word due next, counted from 1; the sentence is built once it
    // exceeds FWordCount.
    std::int32_t FNextWord = 1;
    std::uint8_t FChineseOn = 0;
    std::uint8_t FSoundOn = 0;
    // Gives each layout's shuffle its seed; the clock unless a test sets it.
    std::function<std::uint32_t()> FShuffleSeed;

    TImage* Image1;
    TkivLabel* ChineseSentence;
    TkivStaticText* EnglishRightAnswer;
    TkivImage1* kivNextSenImage;
    TkivImage1* kivImage13;
    TkivImage1* kivImage11;
    TkivImage1* kivFaYinImage;
    TkivImage1* ChineseImage1;
    TImage* ChineseImage2;
    TImage* KongImage;
    TImage* NextSenImage2;
    TImage* ChoiceImage2;
    TImage* ReturnImage2;
    TLabel* Label1;
    TLabel* Label2;

private:
    void InitScreen();
    void CreatePieces();
    void HookPieceEvents();
    // Makes one more piece, hidden, its events not yet hooked.
    TkivStaticText* MakePiece();
    void HookPiece(TkivStaticText* piece);
    void HideAllPieces();

    int Row() const;
    int RowCount() const;
    void SelectRow(int row);
    void ShowSentenceNumber();
    QStringList LessonEnglish() const;

    // The steps of LoadLinkSentence once the sentence is known.
    void ShowSentence(const QString& english, const QString& chinese);
    void LayOutPieces();
    void CheckSentenceDone();
    void FinishLesson();
    // The piece number (from 1) of `sender`, 0 when it is none of them.
    int PieceNumber(QObject* sender) const;
    void SetPieceGround(QObject* sender, const QColor& ground);

    QFont pieceFont_;
};

extern TLinkWordForm* LinkWordForm;
