// The table type the grids take over.

#include "controls/StringTable.h"

#include <gtest/gtest.h>

namespace {


StringTable Sample()
{
    StringTable table(QStringList{"a", "b"});
    table.AppendRow({"1", QString::fromUtf8("一")});
    table.AppendRow({"2"});   // a short row is padded
    return table;
}

TEST(StringTable, CellsOutsideTheTableReadEmptyAndIgnoreWrites)
{
    StringTable table = Sample();
    ASSERT_EQ(table.RowCount(), 3);
    EXPECT_EQ(table.Cell(2, 1), "");
    for (const auto& [row, column] : {std::pair{-1, 0}, {3, 0}, {0, 2}, {0, -1}, {1 << 30, 1 << 30}}) {
        EXPECT_TRUE(table.Cell(row, column).isEmpty());
        EXPECT_EQ(table.CellNumber(row, column), 0);
        table.SetCell(row, column, u"x");
    }
    EXPECT_EQ(table, Sample());
    EXPECT_TRUE(table.RowList(3).isEmpty());
}

TEST(StringTable, CopiesAreIndependent)
{
    StringTable original = Sample();
    StringTable copy = original;
    copy.SetCell(1, 1, u"changed");
    original.AppendRow({"3", "three"});   // the original keeps filling its block
    copy.AppendRow({"4", "four"});
    EXPECT_EQ(original.Cell(1, 1), QString::fromUtf8("一"));
    EXPECT_EQ(original.Cell(3, 1), "three");
    EXPECT_EQ(copy.Cell(1, 1), "changed");
    EXPECT_EQ(copy.Cell(3, 1), "four");
}

TEST(StringTable, GrowsAcrossBlocks)
{
    StringTable table(2);
    for (int k = 0; k < 40000; ++k)
        table.AppendRow({QString::number(k), QString(k % 300, QChar(u'a' + k % 26))});
    ASSERT_EQ(table.RowCount(), 40000);
    for (int k = 0; k < 40000; ++k) {
        ASSERT_EQ(table.CellNumber(k, 0), k);
        ASSERT_EQ(table.CellView(k, 1), QString(k % 300, QChar(u'a' + k % 26)));
    }
    // A cell longer than a usual block gets a block of its own.
    const QString huge(StringTable::kMaxCellLength, QChar(u'z'));
    table.AppendRow({"huge", huge});
    table.AppendRow({"after", "after"});
    EXPECT_EQ(table.CellView(40000, 1), huge);
    EXPECT_EQ(table.Cell(40001, 1), "after");
    EXPECT_EQ(table.Cell(39999, 0), "39999");
}

TEST(StringTable, AppendedRowsKeepTheirTextAndFillingGoesOn)
{
    StringTable table(QStringList{"No", "Text"});
    StringTable rows(2);
    for (int k = 0; k < 30000; ++k) {
        table.AppendRow({QString::number(k), QString(k % 200, QChar(u'a' + k % 26))});
        rows.AppendRow({QString::number(30000 + k), QString(k % 150, QChar(u'A' + k % 26))});
    }
    table.AppendRows(std::move(rows));
    EXPECT_EQ(rows.RowCount(), 0);
    table.AppendRow({"last", "after the appended rows"});
    ASSERT_EQ(table.RowCount(), 1 + 60000 + 1);
    EXPECT_EQ(table.Cell(0, 1), "Text");
    for (int k = 0; k < 30000; ++k) {
        ASSERT_EQ(table.CellNumber(1 + k, 0), k);
        ASSERT_EQ(table.CellView(1 + k, 1), QString(k % 200, QChar(u'a' + k % 26)));
        ASSERT_EQ(table.CellNumber(30001 + k, 0), 30000 + k);
        ASSERT_EQ(table.CellView(30001 + k, 1), QString(k % 150, QChar(u'A' + k % 26)));
    }
    EXPECT_EQ(table.Cell(60001, 1), "after the appended rows");
    StringTable wider(3);
    EXPECT_THROW(table.AppendRows(std::move(wider)), std::invalid_argument);
}

TEST(StringTable, RowCountCutsAndPads)
{
    StringTable table = Sample();
    table.SetRowCount(5);
    EXPECT_EQ(table.RowCount(), 5);
    EXPECT_TRUE(table.Cell(4, 1).isEmpty());
    table.SetRowCount(2);
    EXPECT_EQ(table.RowList(1), (QStringList{"1", QString::fromUtf8("一")}));
    EXPECT_TRUE(table.Cell(2, 0).isEmpty());
}

TEST(StringTable, NumberCellsAreDecimalText)
{
    for (const qint64 value : {qint64(0), qint64(7), qint64(10), qint64(99), qint64(100), qint64(65535),
                               qint64(-1), qint64(2147483647), qint64(-2147483648LL), qint64(-9223372036854775807LL) - 1})
        EXPECT_EQ(NumberCell(value), QString::number(value));
}

} // namespace
