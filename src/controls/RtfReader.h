#pragma once
// A small reader for the rich text our help pages are written in.

#include <QByteArray>
#include <QColor>
#include <QPointer>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>
#include <vector>

// How a run of text looks; only what our help pages use.
struct RichTextFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0;   // 0: the box's own size
    QColor color;         // invalid: the box's own colour

    friend bool operator==(const RichTextFormat&, const RichTextFormat&) = default;
};

// A stretch of a paragraph's text in one format.
struct RichTextRun {
    qsizetype length = 0;
    RichTextFormat format;
};

enum class RichAlignment { Natural, Left, Center, Right, Justify };

struct RichParagraph {
    RichAlignment alignment = RichAlignment::Natural;
    int spaceBeforePixels = 0;
    int spaceAfterPixels = 0;
    int leftIndentPixels = 0;
    QString text;   // a line break within the paragraph is U+2028
    // The text's runs, in order, together as long as the text; neighbouring
    // runs always differ in format: equal ones are merged.
    std::vector<RichTextRun> runs;
};

struct RichText {
    std::vector<RichParagraph> paragraphs;
};

// Reads RTF bytes: paragraphs, bold, italic, underline, font sizes, colours,
// GBK \'hh escapes and \u escapes. Anything it does not understand is
// dropped, never shown as control words, and damaged input (cut short,
// unbalanced, absurd numbers) gives whatever text it holds. Input that is not
// RTF at all comes back as its plain text, a paragraph a line.
RichText ReadRtf(const QByteArray& rtf);

// Writes a page into a document a slice at a time, so that a long page shows
// its first screen at once and the rest follows while the learner reads.
// Builds the document directly rather than through HTML, whose import slows
// down with every run a page holds; what it builds is what that import makes
// of the same page. A paragraph of more than kMaxBlockCharacters or
// kMaxBlockRuns goes on in a new line of the document: the box lays out each
// of its paragraphs whole, at a cost that grows with the length times the runs.
class RichTextWriter {
public:
    static constexpr qsizetype kMaxBlockCharacters = 2000;
    static constexpr int kMaxBlockRuns = 500;
    // What writing costs, in units of about the time the box takes to lay
    // out one character: a unit for each character, and these for each run
    // and each block of the document.
    static constexpr qsizetype kRunCost = 40;
    static constexpr qsizetype kBlockCost = 40;

    // Empties the document; nothing of `text` is in it yet.
    RichTextWriter(QTextDocument& document, RichText text);

    // Writes about `budget` units more; true once the whole page is written
    // (or the document is gone).
    bool WriteSome(qsizetype budget);

private:
    void WriteRun(const RichParagraph& paragraph, const RichTextRun& run, qsizetype& budget);
    void NextParagraph();
    void StartParagraph(const RichParagraph& paragraph);
    void StartBlock();
    void ContinueParagraph(const RichParagraph& paragraph);
    const QTextCharFormat& CharacterFormat(const RichTextFormat& format);
    bool Finished() const { return paragraph_ >= text_.paragraphs.size(); }

    QPointer<QTextDocument> document_;
    QTextCursor cursor_;
    RichText text_;
    size_t paragraph_ = 0;           // the paragraph being written
    size_t run_ = 0;                 // its run being written
    qsizetype runStart_ = 0;         // where that run starts in the text
    qsizetype runOffset_ = 0;        // how much of that run is written
    bool paragraphStarted_ = false;
    // The document's current block: what it holds, and whether it is full.
    qsizetype blockCharacters_ = 0;
    int blockRuns_ = 0;
    bool blockFull_ = false;
    std::vector<std::pair<RichTextFormat, QTextCharFormat>> formats_;
};

// Replaces the document's contents with the whole of `text`.
void ShowRichText(QTextDocument& document, const RichText& text);
