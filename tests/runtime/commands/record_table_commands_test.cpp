// Record tables through their commands: columns by index or name, cells, queries, row lists,
// files and embedded files.

#include "file_script_test.h"

namespace {

// Columns Name and Age; rows (Ann, 31), (bob, 7), (Cy, x).
const char* const kPeople = R"(@t.Create()
@t.InsertColumn("Name", -1)
@t.InsertColumn("Age", -1)
@t.InsertRow(-1)
@t.InsertRow(-1)
@t.InsertRow(-1)
@t.SetCell("Name", 0, "Ann")
@t.SetCell(1, 0, 31)
@t.SetCell("Name", 1, "bob")
@t.SetCell(1, 1, 7)
@t.SetCell(0, 2, "Cy")
@t.SetCell("Age", 2, "x")
)";

class RecordTableCommandsTest : public FileScriptTest {
protected:
    // Runs the lines as event 0 of MAIN, which holds the RecordTable object t; answers its return.
    CString Script(const std::string& lines, const std::string& more = "")
    {
        Start(kRecordTableWords + std::string("window MAIN\n  object RecordTable t\n  event 0\n") + Indent(lines) +
              more);
        return Run("MAIN", 0);
    }
    // The value of the expression after the lines ran.
    CString After(const std::string& lines, const std::string& expression)
    {
        return Script(lines + "@Application.Return(" + expression + ")\n");
    }
};

TEST_F(RecordTableCommandsTest, QueriesAnswerRowLists)
{
    struct Case {
        const char *expression, *rows;
    } cases[] = {
        {"@t.Query(\"Age\", \">\", 10)", "0,"},
        {"@t.Query(\"Age\", \"<\", 10)", "1,2,"},
        {"@t.Query(\"Name\", \"=\", \"BOB\")", ""},
        {"@t.Query(\"Name\", \"=\", \"bob\")", "1,"},
        {"@t.Query(\"Name\", \">=\", \"b\")", "1,"},
        {"@t.Query(\"Age\", \"LIKE\", 3)", ""},
        {"@t.Query(9, \"=\", 1)", "-1"},
        {"@t.Query(\"Height\", \"=\", 1)", "-1"},
        {"@t.Query(\"\", \"!=\", \"Cy\")", "0,1,"},
        {"@t.Combine(\"3,1,\", 0, \"1,2,\")", "1,2,3,"},
        {"@t.Combine(\"3,1,\", 1, \"1,2,\")", "1,"},
        {"@t.Combine(\"5\", 0, \"\")", ""},
        {"@t.Combine(@t.Query(\"Age\", \">\", 10), 0, @t.Query(\"Name\", \"=\", \"Cy\"))", "0,2,"},
    };
    for (const Case& c : cases) EXPECT_EQ(After(kPeople, c.expression), std::string(c.rows)) << c.expression;
}

TEST_F(RecordTableCommandsTest, ColumnsAreFoundByIndexOrName)
{
    // Digits name an index, so a column named "1" is reached by index only; lookups by the Find
    // commands ignore case.
    EXPECT_EQ(After(kPeople + std::string("@t.InsertColumn(\"1\", 0)\n@t.DeleteColumn(\"1\")\n"),
                    "@t.ColumnCount() & @t.ColumnName(0) & @t.ColumnName(1) & \"|\" & @t.ColumnName(2) & "
                    "@t.FindColumn(\"AGE\") & @t.FindColumn(\"Height\") & @t.FindRow(\"Age\", \"X\") & "
                    "@t.FindRow(\"Age\", 31) & @t.FindRow(5, \"x\") & @t.RenameColumn(\"Age\", \"Years\") & "
                    "@t.RenameColumn(\"Age\", \"x\") & @t.ColumnName(1)"),
              "21Age|1-120-110Years");
}

TEST_F(RecordTableCommandsTest, RowsCellsAndCellData)
{
    EXPECT_EQ(After(kPeople, "@t.InsertRow(5) & @t.InsertRow(1) & @t.GetCell(0, 1) & @t.GetCell(0, 2) & "
                             "@t.DeleteRow(1) & @t.DeleteRow(3) & @t.RowCount() & \"|\" & "
                             "@t.SetData(\"Name\", 0, \"d\") & @t.GetData(0, 0) & @t.GetCell(0, 0) & "
                             "@t.SetCell(0, 3, 1) & @t.SetData(2, 0, 1) & @t.GetCell(9, 0) & \"|\" & "
                             "@t.DeleteAllRows() & @t.RowCount() & @t.ColumnCount() & @t.Clear() & @t.ColumnCount()"),
              "-11bob103|1dAnn00|10210");
    EXPECT_EQ(After("@t.Create()\n", "@t.InsertRow(-1) & @t.InsertColumn(\"a\", 2) & @t.InsertColumn(\"a\", -1) & "
                                     "@t.Create() & @t.RowCount()"),
              "0-1001");
}

TEST_F(RecordTableCommandsTest, WithoutATableEveryCommandAnswersItsPreset)
{
    EXPECT_EQ(After("", "@t.DeleteColumn(0) & @t.DeleteRow(0) & @t.Query(0, \"=\", 1) & @t.ColumnCount() & "
                        "@t.FindColumn(\"a\") & @t.ColumnName(0) & @t.RowCount() & @t.GetData(0, 0) & "
                        "@t.FindRow(0, 1) & @t.GetCell(0, 0) & @t.InsertColumn(\"a\", -1) & @t.InsertRow(-1) & "
                        "@t.LoadFile(\"x\", \"CSV\") & @t.LoadEmbedded(\"x\", \"\") & @t.Combine(\"1,\", 0, \"\") & "
                        "@t.Clear() & @t.DeleteAllRows() & @t.SaveFile(\"x\", \"\") & @t.RenameColumn(0, \"b\") & "
                        "@t.SetData(0, 0, 1) & @t.SetCell(0, 0, 1) & \"|\" & @t.Create()"),
              "00-10-10-1-1-100-1000000|1");
}

TEST_F(RecordTableCommandsTest, FilesInBothFormatsKeepValuesAndDropCellData)
{
    const std::string lines = Path("people.txt"), csv = Path("people.csv");
    EXPECT_EQ(After(kPeople + std::string("@t.SetCell(0, 1, \"b\\\"o;b\")\n@t.SetData(0, 0, \"d\")\n"),
                    "@t.SaveFile(" + QuotedPath(lines) + ", \"\") & @t.SaveFile(" + QuotedPath(csv) +
                        ", \"CSV\") & @t.LoadFile(" + QuotedPath(csv) +
                        ", \"CSV\") & @t.GetData(0, 0) & "
                        "@t.GetCell(0, 1) & @t.RowCount() & @t.LoadFile(" +
                        QuotedPath(lines) + ", \"csv\") & @t.ColumnCount() & @t.LoadFile(" + QuotedPath(lines) +
                        ", \"\") & @t.GetCell(1, 2) & @t.LoadFile(" + QuotedPath(Path("none.txt")) +
                        ", \"\") & @t.RowCount() & @t.SaveFile(" + QuotedPath(Path("no/such.txt")) + ", \"\")"),
              "111b\"o;b3121x030");
    EXPECT_EQ(ReadFile("people.csv"), "\"Name\";\"Age\"\r\n\"Ann\";\"31\"\r\n\"b\"\"o;b\";\"7\"\r\n\"Cy\";\"x\"\r\n");
    EXPECT_EQ(ReadFile("people.txt"), "2\r\nName\r\nAge\r\nAnn\r\n31\r\nb\"o;b\r\n7\r\nCy\r\nx\r\n");
}

TEST_F(RecordTableCommandsTest, EmbeddedFilesLoadByName)
{
    EXPECT_EQ(Script("@t.Create()\n@Application.Return(@t.LoadEmbedded(\"Data/People.csv\", \"CSV\") & "
                     "@t.GetCell(\"Age\", 1) & @t.LoadEmbedded(\"missing\", \"CSV\") & @t.RowCount())\n",
                     "file \"data/people.csv\" type 0 text \"Name;Age\\r\\nAnn;31\\r\\nBob;7\"\n"),
              "1702");
}

// Tables t (12), u (13) and v (14, never created); data streams s (15) and e (16).
TEST_F(RecordTableCommandsTest, StreamsTakeTablesInBothFormatsAndKeepTheirPosition)
{
    Start(kRecordTableWords +
          std::string("window MAIN\n  object RecordTable t\n  object RecordTable u\n  object RecordTable v\n"
                      "  object DataStream s\n  object DataStream e\n  event 0\n") +
          Indent(kPeople +
                 std::string("@Application.Return(@t.SaveStream(15, \"CSV\") & @s.GetPosition() & \"|\" & "
                             "@u.Create() & @u.LoadStream(15, \"CSV\") & @u.RowCount() & @u.GetCell(\"Age\", 1) & "
                             "@s.GetPosition() & \"|\" & @s.Seek(0) & @s.ReadLine() & \"|\" & "
                             "@v.SaveStream(16, \"CSV\") & @e.WriteText(\"a\") & \"|\" & "
                             "@e.Create() & @u.LoadStream(16, \"CSV\") & @u.RowCount() & @u.LoadStream(12, \"CSV\") & "
                             "@t.SaveStream(13, \"CSV\") & \"|\" & "
                             "@s.Create() & @t.SaveStream(15, \"\") & @u.LoadStream(15, \"\") & @u.ColumnName(1) & "
                             "@u.GetCell(0, 2))\n")));
    // A stream made for a table-less object answers "0" yet is there to write into; an empty
    // stream loads nothing and leaves the table; other types are no streams.
    EXPECT_EQ(Run("MAIN", 0), "147|113747|\"Name\";\"Age\"|01|0300|11AgeCy");
}

}  // namespace
