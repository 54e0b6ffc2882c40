#include "StringGrid.h"

#include <QHeaderView>

void StringGridModel::SetTable(StringTable table)
{
    beginResetModel();
    table_ = std::move(table);
    if (table_.RowCount() == 0)
        table_.SetRowCount(1);
    endResetModel();
}

void StringGridModel::SetCell(int column, int row, const QString& text)
{
    table_.SetCell(row, column, text);
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, column, column);
    else
        emit dataChanged(index(row - 1, column), index(row - 1, column));
}

void StringGridModel::SetRowCount(int rows)
{
    beginResetModel();
    table_.SetRowCount(std::max(rows, 1));
    endResetModel();
}

int StringGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(std::max<qsizetype>(table_.RowCount() - 1, 0));
}

int StringGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(table_.ColumnCount());
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    return table_.Cell(index.row() + 1, index.column());
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QVariant();
    return table_.Cell(0, section);
}

TStringGrid::TStringGrid(QWidget* parent, const LayoutRect& place, int columns) : ReleaseNotifying(parent), model_(columns)
{
    setGeometry(place.Left, place.Top, place.Width, place.Height);
    setModel(&model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    // Fixed row heights keep a grid of 65,535 rows as quick as one of ten.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(24);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
}

void TStringGrid::SetRowCount(int rows)
{
    const int keep = Row();
    model_.SetRowCount(rows);
    SetRow(std::min(keep, RowCount() - 1));
}

void TStringGrid::SetTable(StringTable table)
{
    model_.SetTable(std::move(table));
    SetRow(1);
}

int TStringGrid::Row() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : (RowCount() > 1 ? 1 : 0);
}

void TStringGrid::SetRow(int row)
{
    if (row < 1 || row >= RowCount()) {
        setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex target = model_.index(row - 1, std::max(currentIndex().column(), 0));
    setCurrentIndex(target);
    scrollTo(target);
}

void TStringGrid::SetColWidths(std::initializer_list<int> widths)
{
    int column = 0;
    for (int width : widths)
        setColumnWidth(column++, width);
}
