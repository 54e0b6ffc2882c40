#include "StringTable.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <utility>

StringTable::StringTable(qsizetype columnCount) : columns_(std::max<qsizetype>(columnCount, 0)) {}

StringTable::StringTable(const StringTable& other)
    : columns_(other.columns_), cells_(other.cells_), blocks_(other.blocks_)
{
    // The shared blocks stay untouched: the next cell goes into a new block.
}

StringTable::StringTable(StringTable&& other) noexcept
    : columns_(std::exchange(other.columns_, 0)),
      cells_(std::move(other.cells_)),
      blocks_(std::move(other.blocks_)),
      fill_(std::exchange(other.fill_, nullptr)),
      fillEnd_(std::exchange(other.fillEnd_, nullptr)),
      fillStart_(std::exchange(other.fillStart_, 0))
{
    other.cells_.clear();
}

StringTable& StringTable::operator=(const StringTable& other)
{
    if (this != &other)
        *this = StringTable(other);
    return *this;
}

StringTable& StringTable::operator=(StringTable&& other) noexcept
{
    if (this != &other) {
        columns_ = std::exchange(other.columns_, 0);
        cells_ = std::move(other.cells_);
        other.cells_.clear();
        blocks_ = std::move(other.blocks_);
        fill_ = std::exchange(other.fill_, nullptr);
        fillEnd_ = std::exchange(other.fillEnd_, nullptr);
        fillStart_ = std::exchange(other.fillStart_, 0);
    }
    return *this;
}

StringTable::StringTable(const QStringList& captions) : StringTable(captions.size())
{
    AppendRow(captions);
}

bool StringTable::Contains(qsizetype row, qsizetype column) const
{
    return row >= 0 && row < RowCount() && column >= 0 && column < columns_;
}

QStringView StringTable::CellView(qsizetype row, qsizetype column) const
{
    if (!Contains(row, column))
        return {};
    const Span span = cells_[row * columns_ + column];
    if (span.length == 0)
        return {};
    const QString& block = blocks_[span.start >> kOffsetBits];
    return QStringView(block.constData() + (span.start & kOffsetMask), span.length);
}

int StringTable::CellNumber(qsizetype row, qsizetype column) const
{
    return CellView(row, column).trimmed().toInt();
}

QStringList StringTable::RowList(qsizetype row) const
{
    QStringList cells;
    if (!Contains(row, 0))
        return cells;
    cells.reserve(columns_);
    for (qsizetype column = 0; column < columns_; ++column)
        cells.append(Cell(row, column));
    return cells;
}

char16_t* StringTable::NewBlock(qsizetype length, quint32& start)
{
    if (blocks_.size() >= kMaxBlocks)
        throw std::length_error("a string table holds at most 2 G characters");
    // What is left of the current block stays unused; cells are short.
    const qsizetype doubled = blocks_.isEmpty()
        ? kFirstBlockLength
        : std::min(blocks_.constLast().size() * 2, kUsualMaxBlockLength);
    blocks_.append(QString(std::max(doubled, length), Qt::Uninitialized));
    QString& block = blocks_.last();
    fill_ = reinterpret_cast<char16_t*>(block.data());
    fillEnd_ = fill_ + block.size();
    fillStart_ = quint32(blocks_.size() - 1) << kOffsetBits;
    start = fillStart_;
    return fill_;
}

StringTable::Span StringTable::Store(QStringView text)
{
    Span span;
    const qsizetype length = std::min(text.size(), kMaxCellLength);
    if (length == 0)
        return span;
    char16_t* room = Room(length, span.start);
    std::memcpy(room, text.utf16(), size_t(length) * sizeof(char16_t));
    span.length = quint32(length);
    Advance(length);
    return span;
}

void StringTable::SetCell(qsizetype row, qsizetype column, QStringView text)
{
    // The old text stays in its block unused: cells change rarely, and only
    // on small tables.
    if (Contains(row, column))
        cells_[row * columns_ + column] = Store(text);
}

void StringTable::SetRowCount(qsizetype rows)
{
    if (columns_ > 0)
        cells_.resize(size_t(std::max<qsizetype>(rows, 0) * columns_));
}

void StringTable::AppendCell(QStringView text)
{
    if (columns_ > 0)
        cells_.push_back(Store(text));
}

void StringTable::AppendRow(const QStringList& cells)
{
    for (qsizetype column = 0; column < columns_; ++column)
        AppendCell(column < cells.size() ? QStringView(cells[column]) : QStringView());
}

void StringTable::AppendRows(StringTable&& rows)
{
    if (rows.columns_ != columns_)
        throw std::invalid_argument("rows of another shape appended to a string table");
    if (blocks_.size() + rows.blocks_.size() > kMaxBlocks)
        throw std::length_error("a string table holds at most 2 G characters");
    // The rows' blocks follow this table's, so their spans move by as many blocks.
    const quint32 base = quint32(blocks_.size()) << kOffsetBits;
    cells_.reserve(cells_.size() + rows.cells_.size());
    for (Span span : rows.cells_) {
        if (span.length != 0)
            span.start += base;
        cells_.push_back(span);
    }
    blocks_.append(std::move(rows.blocks_));
    // Filling goes on where the rows' table stopped, in what is now the last block.
    if (rows.fill_) {
        fill_ = rows.fill_;
        fillEnd_ = rows.fillEnd_;
        fillStart_ = rows.fillStart_ + base;
    }
    rows = StringTable(columns_);
}

bool operator==(const StringTable& a, const StringTable& b)
{
    if (a.columns_ != b.columns_ || a.RowCount() != b.RowCount())
        return false;
    for (qsizetype row = 0; row < a.RowCount(); ++row) {
        for (qsizetype column = 0; column < a.columns_; ++column) {
            if (a.CellView(row, column) != b.CellView(row, column))
                return false;
        }
    }
    return true;
}

namespace {

int DecimalDigits(quint64 value)
{
    int digits = 1;
    for (; value >= 10000; value /= 10000)
        digits += 4;
    return digits + (value >= 10) + (value >= 100) + (value >= 1000);
}

// Writes the digits of `value` so that they end just before `end`, two at a
// time.
template <typename Unsigned>
void WriteDigits(Unsigned value, char16_t* end)
{
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    while (value >= 100) {
        const unsigned pair = unsigned(value % 100) * 2;
        value /= 100;
        *--end = char16_t(kPairs[pair + 1]);
        *--end = char16_t(kPairs[pair]);
    }
    if (value >= 10) {
        *--end = char16_t(kPairs[value * 2 + 1]);
        *--end = char16_t(kPairs[value * 2]);
    } else {
        *--end = char16_t(u'0' + value);
    }
}

} // namespace

qsizetype WriteNumber(qint64 value, char16_t* out)
{
    // Written by hand, straight into place: a book holds a few hundred
    // thousand numbers and the general conversion goes through the locale.
    const quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    const qsizetype length = (value < 0 ? 1 : 0) + DecimalDigits(magnitude);
    if (value < 0)
        out[0] = u'-';
    // Book numbers fit 32 bits, where division is cheaper.
    if (magnitude <= 0xFFFFFFFFu)
        WriteDigits(quint32(magnitude), out + length);
    else
        WriteDigits(magnitude, out + length);
    return length;
}

QString NumberCell(qint64 value)
{
    char16_t text[20];
    return QString(reinterpret_cast<const QChar*>(text), WriteNumber(value, text));
}

