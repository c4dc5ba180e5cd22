// Columns, rows, cells and cell data, lookups, queries and row lists.
#include <gtest/gtest.h>

#include "record_table_fixture.h"

namespace {

using Match = CRecordTable::Match;

class RecordTableTest : public ::testing::Test {
protected:
    void SetUp() override { Fill(table, {"Name", "Age"}, {{"Ann", "31"}, {"bob", "7"}, {"Cy", "x"}}); }
    CRecordTable table;
};

TEST_F(RecordTableTest, ColumnsInsertedAnywhereCarryTheirCellsAlong)
{
    table.SetCellData(1, 0, "note");
    EXPECT_EQ(1, table.InsertColumn("City", 1));
    EXPECT_EQ(3, table.InsertColumn("Last", -1));
    EXPECT_EQ(0, table.InsertColumn("First", 0));
    EXPECT_EQ((Texts{"First", "Name", "City", "Age", "Last"}), Columns(table));
    EXPECT_EQ((Grid{{"", "Ann", "", "31", ""}, {"", "bob", "", "7", ""}, {"", "Cy", "", "x", ""}}), Cells(table));
    EXPECT_EQ("note", Str(table.GetCellData(3, 0)));
    EXPECT_EQ("", Str(table.GetCellData(2, 0)));

    EXPECT_EQ(-1, table.InsertColumn("Bad", -2));
    EXPECT_EQ(-1, table.InsertColumn("Bad", 6));
    EXPECT_EQ(5, table.GetColumnCount());
}

TEST_F(RecordTableTest, DeletingAColumnTakesItsCellsAndDataFromEveryRow)
{
    table.InsertColumn("Age", -1);  // names need not be unique: lookups take the first
    table.SetCell(2, 1, "third");
    table.SetCellData(1, 1, "age data");
    table.SetCellData(2, 1, "third data");
    EXPECT_EQ(1, table.FindColumn("Age"));
    EXPECT_TRUE(table.DeleteColumnByName("Age"));
    EXPECT_EQ((Texts{"Name", "Age"}), Columns(table));
    EXPECT_EQ((Grid{{"Ann", ""}, {"bob", "third"}, {"Cy", ""}}), Cells(table));
    EXPECT_EQ("third data", Str(table.GetCellData(1, 1)));

    EXPECT_FALSE(table.DeleteColumn(2));
    EXPECT_FALSE(table.DeleteColumn(-1));
    EXPECT_FALSE(table.DeleteColumnByName("Missing"));
    EXPECT_TRUE(table.DeleteColumn(0));
    EXPECT_TRUE(table.DeleteColumn(0));
    EXPECT_EQ(0, table.GetColumnCount());
    EXPECT_EQ(3, table.GetRowCount());
    EXPECT_EQ("", Str(table.GetCell(0, 0)));
}

TEST(RecordTableShortRowTest, ARowReadShortHasEmptyCellsEverywhereElse)
{
    CRecordTable table;
    ASSERT_TRUE(Load(table, "A;B;C\r\nx\r\n", CRecordTable::kCsvFormat));
    EXPECT_EQ((Grid{{"x", "", ""}}), Cells(table));
    EXPECT_EQ(1, table.InsertColumn("N", 1));
    EXPECT_EQ(4, table.InsertColumn("Last", -1));
    EXPECT_TRUE(table.SetCell(3, 0, "z"));
    EXPECT_TRUE(table.SetCellData(2, 0, "d"));
    EXPECT_EQ((Grid{{"x", "", "", "z", ""}}), Cells(table));
    EXPECT_TRUE(table.DeleteColumn(0));
    EXPECT_TRUE(table.DeleteColumn(3));
    EXPECT_EQ((Grid{{"", "", "z"}}), Cells(table));
    EXPECT_EQ("d", Str(table.GetCellData(1, 0)));
    EXPECT_EQ(0, table.FindRow(1, ""));
    EXPECT_EQ("0,", Str(table.Query(0, "=", "")));
}

TEST_F(RecordTableTest, RenamingAndNaming)
{
    EXPECT_TRUE(table.RenameColumn(1, "Years"));
    EXPECT_TRUE(table.RenameColumnByName("Name", "Who"));
    EXPECT_FALSE(table.RenameColumnByName("Name", "Again"));
    EXPECT_FALSE(table.RenameColumn(2, "Out"));
    EXPECT_FALSE(table.RenameColumn(-1, "Out"));
    EXPECT_EQ((Texts{"Who", "Years"}), Columns(table));
    EXPECT_EQ("", Str(table.GetColumnName(2)));
    EXPECT_EQ("", Str(table.GetColumnName(-1)));
    EXPECT_EQ("31", Str(table.GetCellByName("Years", 0)));
}

TEST_F(RecordTableTest, LookupsMatchExactlyOrWithoutCase)
{
    EXPECT_EQ(1, table.FindColumn("Age"));
    EXPECT_EQ(-1, table.FindColumn("age"));
    EXPECT_EQ(1, table.FindColumn("aGE", Match::IgnoreCase));
    EXPECT_EQ(-1, table.FindColumn("Ag", Match::IgnoreCase));

    EXPECT_EQ(1, table.FindRow(0, "bob"));
    EXPECT_EQ(-1, table.FindRow(0, "BOB"));
    EXPECT_EQ(1, table.FindRow(0, "BOB", Match::IgnoreCase));
    EXPECT_EQ(-1, table.FindRow(0, "bo", Match::IgnoreCase));
    EXPECT_EQ(2, table.FindRowByName("Age", "x"));
    EXPECT_EQ(-1, table.FindRowByName("age", "x", Match::IgnoreCase));  // column names stay exact
    EXPECT_EQ(-1, table.FindRow(2, ""));
    EXPECT_EQ(-1, table.FindRow(-1, ""));

    table.InsertRow(-1);
    EXPECT_EQ(3, table.FindRow(1, ""));  // a new row's cells are empty texts
}

TEST_F(RecordTableTest, RowsInsertedAndDeletedByIndex)
{
    EXPECT_EQ(1, table.InsertRow(1));
    EXPECT_EQ(4, table.InsertRow(-1));
    EXPECT_EQ(-1, table.InsertRow(6));
    EXPECT_EQ(-1, table.InsertRow(-2));
    EXPECT_EQ((Grid{{"Ann", "31"}, {"", ""}, {"bob", "7"}, {"Cy", "x"}, {"", ""}}), Cells(table));
    EXPECT_TRUE(table.DeleteRow(0));
    EXPECT_FALSE(table.DeleteRow(4));
    EXPECT_FALSE(table.DeleteRow(-1));
    EXPECT_EQ((Grid{{"", ""}, {"bob", "7"}, {"Cy", "x"}, {"", ""}}), Cells(table));

    EXPECT_TRUE(table.DeleteAllRows());
    EXPECT_EQ(0, table.GetRowCount());
    EXPECT_EQ(2, table.GetColumnCount());
    EXPECT_TRUE(table.Clear());
    EXPECT_EQ(0, table.GetColumnCount());
    EXPECT_EQ(0, table.InsertRow(-1));  // rows need no columns
    EXPECT_EQ(-1, table.InsertRow(2));
}

TEST_F(RecordTableTest, CellsAndCellDataOnlyInRange)
{
    struct Case {
        int column, row;
        bool inside;
    } cases[] = {{0, 0, true}, {1, 2, true}, {2, 0, false}, {-1, 0, false}, {0, 3, false}, {0, -1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.column << "," << c.row);
        EXPECT_EQ(c.inside, table.SetCell(c.column, c.row, "v"));
        EXPECT_EQ(c.inside, table.SetCellData(c.column, c.row, "d"));
        EXPECT_EQ(c.inside ? "v" : "", Str(table.GetCell(c.column, c.row)));
        EXPECT_EQ(c.inside ? "d" : "", Str(table.GetCellData(c.column, c.row)));
    }
    EXPECT_TRUE(table.SetCellByName("Age", 1, "8"));
    EXPECT_TRUE(table.SetCellDataByName("Age", 1, "eight"));
    EXPECT_FALSE(table.SetCellByName("Missing", 1, "8"));
    EXPECT_FALSE(table.SetCellDataByName("Missing", 1, "8"));
    EXPECT_EQ("8", Str(table.GetCellByName("Age", 1)));
    EXPECT_EQ("eight", Str(table.GetCellDataByName("Age", 1)));
    EXPECT_EQ("", Str(table.GetCellDataByName("Missing", 1)));
    EXPECT_EQ("", Str(table.GetCellByName("Missing", 1)));
}

TEST_F(RecordTableTest, CellDataIsApartFromTheCellAndNeverSaved)
{
    table.SetCellData(0, 0, "hidden");
    EXPECT_EQ("Ann", Str(table.GetCell(0, 0)));
    for (int format : {0, 1}) {
        CRecordTable copy;
        ASSERT_TRUE(Load(copy, Saved(table, format), format));
        EXPECT_EQ(Cells(table), Cells(copy));
        EXPECT_EQ("", Str(copy.GetCellData(0, 0)));
    }
    table.SetCellData(0, 0, "");
    EXPECT_EQ("", Str(table.GetCellData(0, 0)));
}

TEST_F(RecordTableTest, QueriesCompareCellsWithTheValue)
{
    struct Case {
        const char* column;
        const char* op;
        const char* value;
        const char* rows;
    } cases[] =
        {
            {"Age", ">", "10", "0,"},    {"Age", "<", "10", "1,2,"},  // "x" counts as 0
            {"Name", "=", "BOB", ""},    {"Name", "=", "bob", "1,"},
            {"Name", ">=", "b", "1,"},  // byte order: upper case first
            {"Name", "<", "b", "0,2,"},  {"Name", "!=", "Cy", "0,1,"},
            {"Name", "<=", "Ann", "0,"}, {"Age", "LIKE", "3", ""},
            {"Age", "==", "31", ""},     {"Missing", "=", "31", "-1"},
        };
    for (const auto& c : cases)
        EXPECT_EQ(c.rows, Str(table.QueryByName(c.column, c.op, c.value))) << c.column << c.op << c.value;
    EXPECT_EQ("-1", Str(table.Query(2, "=", "")));
    EXPECT_EQ("-1", Str(table.Query(-1, "=", "")));
}

TEST(RecordTableQueryTest, TheValueDecidesBetweenNumbersAndText)
{
    CRecordTable table;
    Fill(table, {"V"}, {{"0"}, {"0.0"}, {"5"}, {"05"}, {"1e5"}, {"abc"}, {"-3"}, {"9"}, {"10"}, {" 5"}, {"\xE9"}});
    struct Case {
        const char* op;
        const char* value;
        const char* rows;
    } cases[] = {
        {"=", "0", "0,1,5,10,"},  // numeric: "0.0" and texts count as 0
        {"=", "0.0", "1,"},  // text
        {"=", "00", ""},  // text: its number is 0 but it is not "0"
        {"=", "5", "2,3,9,"},  // a cell's leading blanks are passed over
        {"=", "1e5", "4,"},  // text
        {"=", "-3", "6,"},
        {"<", "-.5", "6,"},
        {"<", ".5", "0,1,5,6,10,"},
        {">=", "10", "4,8,"},  // "1e5" counts as its number
        {">", "z", "10,"},  // bytes compare unsigned
        {"<", "", ""},  // text: nothing is below the empty text
        {">", "-", "0,1,2,3,4,5,6,7,8,10,"},  // text: only " 5" sorts before "-"
    };
    for (const auto& c : cases) EXPECT_EQ(c.rows, Str(table.Query(0, c.op, c.value))) << c.op << " " << c.value;
}

TEST(RecordTableRowListTest, CombinesAsUnionOrIntersectionInNumberOrder)
{
    struct Case {
        const char* a;
        const char* b;
        bool intersect;
        const char* want;
    } cases[] = {
        {"3,1,", "1,2,", false, "1,2,3,"},
        {"3,1,", "1,2,", true, "1,"},
        {"5", "", false, ""},  // no comma, no number
        {"5,6", "7,", false, "5,7,"},
        {"2,2,", "2,3,", false, "2,3,"},  // first appearances only
        {"2,1,2,", "2,", true, "2,2,"},  // every appearance in A that B has
        {"-1,2,", "", false, "2,-1,"},  // unsigned order: negative numbers last
        {"x,", "", false, "0,"},
        {"", "", true, ""},
        {"10,9,", "", false, "9,10,"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.want, Str(CRecordTable::CombineRowLists(c.a, c.b, c.intersect)))
            << c.a << " | " << c.b << " " << c.intersect;
}

}  // namespace
