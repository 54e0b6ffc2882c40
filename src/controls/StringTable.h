#pragma once
// A table of text cells laid out as the lesson chooser's string grids hold a
// book: row 0 carries the column captions, data rows start at 1, numbers are
// decimal text.
//
// A full book has half a million cells. Giving each its own string would
// cost half a million allocations per load, several times the cost of reading
// the file, so the table keeps all its text in a few large blocks and each
// cell is a span of them. A grid model takes a loaded table over by moving it
// and reads cells as views; copying a table shares its text blocks.

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <vector>

class StringTable {
public:
    StringTable() = default;
    explicit StringTable(qsizetype columnCount);
    StringTable(const StringTable& other);
    StringTable(StringTable&& other) noexcept;
    StringTable& operator=(const StringTable& other);
    StringTable& operator=(StringTable&& other) noexcept;
    ~StringTable() = default;
    // Row 0 holds `captions`; one column per caption.
    explicit StringTable(const QStringList& captions);

    qsizetype RowCount() const { return columns_ == 0 ? 0 : qsizetype(cells_.size()) / columns_; }
    qsizetype ColumnCount() const { return columns_; }

    // Outside the table every cell reads as empty text and writes go nowhere,
    // so a screen working from a damaged range never touches memory it does
    // not own. A view stays valid until the table is changed or destroyed.
    QStringView CellView(qsizetype row, qsizetype column) const;
    QString Cell(qsizetype row, qsizetype column) const { return CellView(row, column).toString(); }
    // The cell as a number, 0 when it is not one (the grids' string-to-integer).
    int CellNumber(qsizetype row, qsizetype column) const;
    QStringList RowList(qsizetype row) const;

    void SetCell(qsizetype row, qsizetype column, QStringView text);
    // Cuts the table to `rows` rows or adds empty ones.
    void SetRowCount(qsizetype rows);

    // Building a table row after row: cells fill the last row left to right.
    void ReserveRows(qsizetype rows) { cells_.reserve(size_t(std::max<qsizetype>(rows, 0) * columns_)); }
    void AppendCell(QStringView text);
    void AppendRow(const QStringList& cells);
    // Takes every row of `rows` (a table of as many columns) over, after this
    // table's rows, without copying their text; `rows` is left empty.
    void AppendRows(StringTable&& rows);
    // Appends one cell whose text `fill` writes straight into the table: it
    // gets room for `maxLength` (at most kMaxCellLength) characters and
    // returns how many it wrote. Like every write, throws std::length_error
    // once the table's text reaches 2 G characters.
    template <typename Fill>
    void AppendCellWith(qsizetype maxLength, Fill&& fill);

    friend bool operator==(const StringTable& a, const StringTable& b);

private:
    // Where a cell's text lies: block `start >> kOffsetBits`, from offset
    // `start & kOffsetMask` on. A cell never crosses into the next block.
    struct Span {
        quint32 start = 0;
        quint32 length = 0;
    };
    static constexpr int kOffsetBits = 20;
    static constexpr quint32 kOffsetMask = (quint32(1) << kOffsetBits) - 1;
    // Blocks start small, so a lesson's table stays small, and double up to
    // 1 MB for a whole book.
    static constexpr qsizetype kFirstBlockLength = 2048;
    static constexpr qsizetype kUsualMaxBlockLength = qsizetype(1) << (kOffsetBits - 1);
    // What the block number in a Span can address: at least 2 G characters.
    static constexpr qsizetype kMaxBlocks = qsizetype(1) << (32 - kOffsetBits);

public:
    // The longest text a cell holds (a block of its own); longer text is cut.
    static constexpr qsizetype kMaxCellLength = qsizetype(1) << kOffsetBits;

private:
    bool Contains(qsizetype row, qsizetype column) const;
    // Room for `length` characters at the end of the text; returns where.
    char16_t* Room(qsizetype length, quint32& start)
    {
        if (fillEnd_ - fill_ < length)
            return NewBlock(length, start);
        start = fillStart_;
        return fill_;
    }
    char16_t* NewBlock(qsizetype length, quint32& start);
    void Advance(qsizetype length)
    {
        fill_ += length;
        fillStart_ += quint32(length);
    }
    Span Store(QStringView text);

    qsizetype columns_ = 0;
    std::vector<Span> cells_;
    // Copies of a table share its blocks. A copy starts a block of its own for
    // its next cell; the original may go on filling its last block past the
    // end of every span the copy knows, so neither ever sees the other's
    // writes.
    QList<QString> blocks_;
    char16_t* fill_ = nullptr;
    char16_t* fillEnd_ = nullptr;
    quint32 fillStart_ = 0;   // the Span start of fill_
};

template <typename Fill>
void StringTable::AppendCellWith(qsizetype maxLength, Fill&& fill)
{
    Span span;
    Q_ASSERT(maxLength <= kMaxCellLength);
    char16_t* text = Room(maxLength, span.start);
    const qsizetype written = fill(text);
    span.length = quint32(written);
    Advance(written);
    cells_.push_back(span);
}

// Decimal text of a number, as the grids store numbers.
QString NumberCell(qint64 value);
// Writes the decimal text of `value` at `out` (room for 20 characters) and
// returns its length.
qsizetype WriteNumber(qint64 value, char16_t* out);

