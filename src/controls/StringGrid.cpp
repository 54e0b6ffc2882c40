#include "StringGrid.h"

#include "Keys.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

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
    setTabKeyNavigation(false);
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

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    if (IsGridMoveKey(VirtualKeyOf(*event))) {
        QTableView::keyPressEvent(event);
        return;
    }
    // Any other key is the screen's: it reaches the form, and the grid keeps
    // its row.
    event->ignore();
}

QModelIndex TStringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    const int column = std::max(current.column(), 0);
    switch (action) {
    case MoveHome: return model_.index(0, column);
    case MoveEnd: return model_.index(model_.rowCount() - 1, column);
    case MoveLeft:
    case MoveRight:
    case MoveNext:
    case MovePrevious: return current;
    default: return QTableView::moveCursor(action, modifiers);
    }
}

QItemSelectionModel::SelectionFlags TStringGrid::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    // The current row always stays highlighted: Ctrl+click does not clear it.
    const QItemSelectionModel::SelectionFlags command = QTableView::selectionCommand(index, event);
    if (command & QItemSelectionModel::Deselect)
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return command;
}

void TStringGrid::updateGeometries()
{
    QTableView::updateGeometries();
    horizontalScrollBar()->setRange(0, 0);
}
