#include "VariableRows.h"

#include "common/GridRows.h"
#include "common/RowClipboard.h"
#include "lang/LangTable.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using C = VariableTable::Column;
constexpr int kLast = VariableTable::Max_Variables;

struct Tables
{
    VariableTable table;
    VariableTable before; // the table as it was before the operation
    RowClipboard clipboard;
    ScriptedPrompts prompts;
    LangTable texts;
    Tables()
    {
        texts.Build_Default_Table();
        table.resetRows();
        before.resetRows();
    }
};

struct RowCase
{
    const char *name;
    std::function<void(VariableTable &)> prepare; // runs on the table and on its copy "before"
    std::function<void(Tables &)> operation;
    std::deque<bool> answers;    // answers to the questions
    QStringList messages;        // what the user is shown, in order
    std::function<void(const Tables &)> check;
};

void PrintTo(const RowCase &c, std::ostream *os) { *os << c.name; }

void expectRowsMoved(const Tables &t, int firstTarget, int lastTarget, int shift)
{
    for (int row = firstTarget; row <= lastTarget; ++row) {
        ASSERT_EQ(rowValues(t.table, row), rowValues(t.before, row + shift)) << "row " << row;
        ASSERT_EQ(t.table.isReadOnly(row, C::ColLength), t.before.isReadOnly(row + shift, C::ColLength)) << "row " << row;
    }
}

void expectNumbersInPlace(const VariableTable &table)
{
    for (int row = 1; row <= kLast; ++row)
        ASSERT_EQ(table.text(row, C::ColNumber), QString::number(row));
}

void expectRowReadOnly(const VariableTable &table, int row, bool readOnly)
{
    for (int col = 1; col < C::ColumnCount; ++col)
        EXPECT_EQ(table.isReadOnly(row, col), readOnly) << "column " << col;
}

const QString kOverwrite = QStringLiteral("Row Already used. Do you want to overwrite the values?");
const QString kNoCopy = QStringLiteral("Error!!! Copy a valid row before Paste it");
const QString kBadCopy = QStringLiteral("Error in the Copy values!!! Copy a valid row before Paste it");

auto fillAll = [](VariableTable &t) { fillDistinct(t); };
auto fillSome = [](VariableTable &t) { fillDistinct(t, 5); };

const RowCase kCases[] = {
    {"DeleteMovesRowsUpAndLocksTheEmptiedLastRow", fillAll,
     [](Tables &t) { Delete_Grid_Row(3, t.table, true); }, {}, {},
     [](const Tables &t) {
         expectRowsMoved(t, 1, 2, 0);
         expectRowsMoved(t, 3, kLast - 1, 1);
         EXPECT_EQ(rowValues(t.table, kLast), kEmptyRow);
         expectRowReadOnly(t.table, kLast, true);
         expectNumbersInPlace(t.table);
     }},
    {"DeleteOfTheLastRowOnlyEmptiesIt", fillAll,
     [](Tables &t) { Delete_Grid_Row(kLast, t.table, true); }, {}, {},
     [](const Tables &t) {
         expectRowsMoved(t, 1, kLast - 1, 0);
         EXPECT_EQ(rowValues(t.table, kLast), kEmptyRow);
         expectRowReadOnly(t.table, kLast, true);
     }},
    {"DeleteWithoutEnableNewLeavesEveryBoxClear", fillSome,
     [](Tables &t) { Delete_Grid_Row(1, t.table, false); }, {}, {},
     [](const Tables &t) {
         QStringList empty = kEmptyRow;
         empty[0] = "N";
         EXPECT_EQ(rowValues(t.table, kLast), empty);
     }},
    {"InsertAtRowOneDropsTheLastRowAndFreesTheNewRow", fillAll,
     [](Tables &t) { Insert_Grid_Row(1, t.table, true); }, {}, {},
     [](const Tables &t) {
         EXPECT_EQ(rowValues(t.table, 1), kEmptyRow);
         expectRowReadOnly(t.table, 1, false);
         expectRowsMoved(t, 2, kLast, -1);
         expectNumbersInPlace(t.table);
     }},
    {"InsertAtTheLastRowOnlyEmptiesIt", [](VariableTable &t) { fillAll(t); Delete_Grid_Row(1, t, true); },
     [](Tables &t) { Insert_Grid_Row(kLast, t.table, true); }, {}, {},
     [](const Tables &t) {
         expectRowsMoved(t, 1, kLast - 1, 0);
         EXPECT_EQ(rowValues(t.table, kLast), kEmptyRow);
         expectRowReadOnly(t.table, kLast, false);
     }},
    {"RowOutsideTheTableChangesNothing", fillSome,
     [](Tables &t) {
         Delete_Grid_Row(0, t.table, true);
         Insert_Grid_Row(kLast + 1, t.table, true);
         Copy_Grid_Row(t.table, 0, t.clipboard);
     },
     {}, {},
     [](const Tables &t) {
         expectRowsMoved(t, 1, kLast, 0);
         EXPECT_TRUE(t.clipboard.Row_Clipboard.isEmpty());
     }},
    {"CopyTakesTextsAndCheckBoxesButNoLocks", fillSome,
     [](Tables &t) { Copy_Grid_Row(t.table, 3, t.clipboard); }, {}, {},
     [](const Tables &t) {
         EXPECT_EQ(t.clipboard.Row_Clipboard, rowValues(t.table, 3));
         EXPECT_EQ(t.clipboard.Row_Clipboard_Marks,
                   QList<bool>({true, false, false, false, false, false, false, true, true, true, false}));
     }},
    {"PasteWithoutACopyIsRefusedEvenWithAFullClipboard", fillSome,
     [](Tables &t) {
         Copy_Grid_Row(t.table, 1, t.clipboard);
         Paste_Grid_Row(t.table, 9, false, t.clipboard, t.prompts, t.texts);
     },
     {}, {kNoCopy}, [](const Tables &t) { expectRowsMoved(t, 1, kLast, 0); }},
    {"PasteOfACopyWithOtherColumnsIsRefused", fillSome,
     [](Tables &t) {
         t.clipboard.Row_Clipboard = QStringList{"a", "b"};
         t.clipboard.Row_Clipboard_Marks = {false, false};
         Paste_Grid_Row(t.table, 9, true, t.clipboard, t.prompts, t.texts);
     },
     {}, {kBadCopy}, [](const Tables &t) { expectRowsMoved(t, 1, kLast, 0); }},
    {"PasteIntoARowWithOnlyCheckedBoxesAsksNothing",
     [](VariableTable &t) {
         fillSome(t);
         t.setChecked(9, C::ColSwapAll, true);
     },
     [](Tables &t) {
         Copy_Grid_Row(t.table, 2, t.clipboard);
         Paste_Grid_Row(t.table, 9, true, t.clipboard, t.prompts, t.texts);
     },
     {}, {},
     [](const Tables &t) {
         EXPECT_EQ(rowValues(t.table, 9), rowValues(t.table, 2));
         expectRowsMoved(t, 1, 8, 0);
     }},
    {"PasteIntoTheCopiedRowAsksAndNoKeepsIt", fillSome,
     [](Tables &t) {
         Copy_Grid_Row(t.table, 2, t.clipboard);
         t.table.setText(2, C::ColName, "changed");
         Paste_Grid_Row(t.table, 2, true, t.clipboard, t.prompts, t.texts);
     },
     {false}, {kOverwrite}, [](const Tables &t) { EXPECT_EQ(t.table.text(2, C::ColName), "changed"); }},
    {"PasteOverARowInUseOnYesKeepsTheTargetsLocks", fillSome,
     [](Tables &t) {
         Copy_Grid_Row(t.table, 2, t.clipboard); // a String row: Length editable
         Paste_Grid_Row(t.table, 3, true, t.clipboard, t.prompts, t.texts);
         Paste_Grid_Row(t.table, 3, true, t.clipboard, t.prompts, t.texts); // the same copy again
     },
     {true, true}, {kOverwrite, kOverwrite},
     [](const Tables &t) {
         EXPECT_EQ(rowValues(t.table, 3), rowValues(t.table, 2));
         EXPECT_TRUE(t.table.isReadOnly(3, C::ColLength)); // row 3 was Int32
     }},
};

class GridRowOperation : public ::testing::TestWithParam<RowCase>
{
};

TEST_P(GridRowOperation, DoesWhatTheRowOperationsPromise)
{
    const RowCase &c = GetParam();
    Tables t;
    c.prepare(t.table);
    c.prepare(t.before);
    t.prompts.confirmAnswers = c.answers;
    c.operation(t);
    EXPECT_EQ(t.prompts.texts(), c.messages);
    EXPECT_TRUE(t.prompts.confirmAnswers.empty());
    c.check(t);
}

INSTANTIATE_TEST_SUITE_P(Cases, GridRowOperation, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

// The views follow every change of a row operation.
TEST(GridTable, TellsTheViewsWhatARowOperationChanged)
{
    VariableTable table;
    table.resetRows();
    int first = -1, last = -1;
    QObject::connect(&table, &QAbstractItemModel::dataChanged, [&](const QModelIndex &a, const QModelIndex &b) {
        first = a.row();
        last = b.row();
    });
    Insert_Grid_Row(7, table, true);
    EXPECT_EQ(first, 6);
    EXPECT_EQ(last, kLast - 1);
    EXPECT_EQ(table.data(table.modelIndex(7, C::ColEnable), Qt::CheckStateRole), Qt::Checked);
    EXPECT_EQ(table.data(table.modelIndex(7, C::ColNumber)), QStringLiteral("7"));
    EXPECT_FALSE(table.flags(table.modelIndex(7, C::ColNumber)) & Qt::ItemIsEditable);

    Delete_Grid_Row(1, table, true);
    const QModelIndex locked = table.modelIndex(kLast, C::ColName);
    EXPECT_FALSE(table.flags(locked) & Qt::ItemIsEditable);
    EXPECT_FALSE(table.setData(locked, "x"));
    EXPECT_FALSE(table.flags(table.modelIndex(kLast, C::ColEnable)) & Qt::ItemIsUserCheckable);
}

} // namespace
