#pragma once
// A string grid: a table of text cells whose row 0 holds the column captions
// (shown as the header) and whose selected row is a whole row. It shows a
// table of any size without delay: the view asks only for the rows in sight.

#include "Events.h"
#include "Layout.h"
#include "ReleaseNotifying.h"
#include "controls/StringTable.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <initializer_list>


class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StringGridModel(int columns) : table_(columns) { table_.SetRowCount(1); }

    const StringTable& Table() const { return table_; }
    void SetTable(StringTable table);
    void SetCell(int column, int row, const QString& text);
    void SetRowCount(int rows);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    StringTable table_;
};

class TStringGrid : public ReleaseNotifying<QTableView> {
public:
    TStringGrid(QWidget* parent, const LayoutRect& place, int columns);

    // Counts include the caption row 0.
    int RowCount() const { return int(model_.Table().RowCount()); }
    int ColCount() const { return int(model_.Table().ColumnCount()); }
    void SetRowCount(int rows);

    QString Cells(int column, int row) const { return model_.Table().Cell(row, column); }
    // The cell as a number (0 when it is not one).
    int CellNumber(int column, int row) const { return model_.Table().CellNumber(row, column); }
    void SetCells(int column, int row, const QString& text) { model_.SetCell(column, row, text); }
    const StringTable& Table() const { return model_.Table(); }
    // Takes a whole table over (row 0 = captions); the selection goes to row 1.
    void SetTable(StringTable table);

    // The selected row (1 and up), 0 when the grid has no data row.
    int Row() const;
    void SetRow(int row);
    void SetColWidths(std::initializer_list<int> widths);

protected:
    // The selection moves only by the mouse and by the keys that move a row
    // (Page Up, Page Down, End, Home and the arrows), each of which the screen
    // hears about on release; Tab moves the keyboard focus away.
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    // The columns beyond the grid's width carry data no learner should see:
    // the grid never scrolls sideways.
    void updateGeometries() override;

private:
    StringGridModel model_;
};
