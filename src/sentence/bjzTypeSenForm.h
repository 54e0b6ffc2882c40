#pragma once
// The sentence dictation: the learner hears each sentence of the lesson and
// types it. There is no text box: the screen takes every key itself, draws
// only correct characters, as the sentence writes them, and shows a wrong
// one at the caret. Five helps (the word's first letter, an underline as
// long as the word, the whole word after three wrong keys, the Chinese, the
// whole sentence to copy) each have a function key and a switch. The lesson
// is the chooser's sentence table, whose selected row is the current
// sentence; sound comes through the chooser's player.

#include "DictationRules.h"
#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Labels.h"
#include "controls/Timer.h"

#include <QStringList>
#include <cstdint>
#include <vector>

class TbjzTypeSenForm : public TForm {
    Q_OBJECT
public:
    TbjzTypeSenForm();
    void FormCreate() override;

    // Used by the chooser when it opens this screen, and on every change of
    // sentence: lays the current sentence out afresh, nothing typed.
    void LoadDictationSentence();

    // Event handlers.
    void ReturnToChoiceClassClick(QObject* Sender);
    void NextSenClick(QObject* Sender);
    void AgainReadButtonClick(QObject* Sender);
    void kivFirstLetterImageClick(QObject* Sender);
    void kivWordLengthImageClick(QObject* Sender);
    void kivWrongToWordImageClick(QObject* Sender);
    void kivSeeChineseImageClick(QObject* Sender);
    void kivChaoXieImage1Click(QObject* Sender);
    void FormKeyDown(QObject* Sender, int& Key, TShiftState Shift);
    void EnglishInputPaint(QObject* Sender);
    void Timer1Timer(QObject* Sender);

    // The input method is on (the learner may have a Chinese one active) and
    // places its windows at the caret.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

    // The typed text as it stands on the input, for the paint handler.
    const std::vector<sentence::InkRun>& TypedInk() const { return typedInk_; }

    // The current sentence, as the learner types it.
    QStringList FWords;
    std::int32_t FWordCount = 0;
    QString FSentence;
    std::int32_t FSentenceLength = 0;
    std::int32_t FCurPos = 1;
    std::int32_t FWordIndex = 1;
    QString FLineText;
    bool FAtWordStart = true;
    std::int32_t FCaretX = 0;
    std::int32_t FCaretY = 0;
    std::int32_t FWrongCount = 0;
    // The helps: F1 to F4 keep their setting for the whole run, copy mode
    // lasts one sentence.
    std::uint8_t FFirstLetterOn = 1;
    std::uint8_t FWordLengthOn = 1;
    std::uint8_t FWrongToWordOn = 1;
    std::uint8_t FSeeChineseOn = 0;
    std::uint8_t FCopyOn = 0;

    TImage* Image1;
    TkivLabel* Chinese;
    TLabel* English;
    TkivLabel* EnglishInput;
    TLabel* GuangBiao;
    TLabel* DownLine;
    TLabel* FirstLetterHelp;
    TLabel* OneWordHelp;
    TLabel* OneWrongLetter;
    TLabel* Lesson;
    TLabel* TotalSentence;
    TLabel* LessonSentence;
    TTimer* Timer1;
    TkivImage1* ReturnToChoiceImage;
    TkivImage1* NextSenImage;
    TkivImage1* ReturnToMainImage;
    TkivImage1* AgainReadImage;
    TkivImage1* kivFirstLetterImage;
    TkivImage1* kivWordLengthImage;
    TkivImage1* kivWrongToWordImage;
    TkivImage1* kivSeeChineseImage;
    TkivImage1* kivChaoXieImage1;
    TImage* KongImage;
    TImage* kivFirstLetterImage2;
    TImage* kivWordLengthImage2;
    TImage* kivWrongToWordImage2;
    TImage* kivSeeChineseImage2;
    TImage* kivChaoXieImage2;
    TImage* kivImage;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The lesson table.
    int Row() const;
    int RowCount() const;
    int NextTypeableRow() const;

    // The steps of typing: each character the keyboard or an input method
    // delivers is checked, then whether the sentence is done.
    void TypeCharacters(const QString& text);
    void CheckKey(QChar key);
    void WrongKeyTyped();
    void CorrectKeyTyped(QChar expected);
    void MoveToNextWord();
    void RevealWord();
    bool FinishIfTyped();
    void PlaceCaret();
    void RedrawTyped();
    int TextWidth(const QString& text) const;

    // The commands.
    void SentenceDone();
    void FinishLesson();
    void NextSentence();
    void ReplaySentence();
    void ReturnToChooser();
    void ToggleFirstLetter();
    void ToggleWordLength();
    void ToggleWrongToWord();
    void ToggleSeeChinese();
    void ToggleCopy();

    std::vector<sentence::InkRun> typedInk_;
};

extern TbjzTypeSenForm* bjzTypeSenForm;
