// The two text formats through streams: what is read, what is written, and what survives a save
// and a load.
#include <gtest/gtest.h>

#include "piece_file.h"
#include "record_table_fixture.h"

namespace {

const int kLines = CRecordTable::kLinesFormat;
const int kCsv = CRecordTable::kCsvFormat;

TEST(RecordLinesFormatTest, ReadsCountNamesAndCellsRowByRow)
{
    CRecordTable table;
    ASSERT_TRUE(Load(table, "2\r\nName\r\nAge\r\nAnn\r\n31\r\nBob\r\n", kLines));
    EXPECT_EQ((Texts{"Name", "Age"}), Columns(table));
    EXPECT_EQ((Grid{{"Ann", "31"}, {"Bob", ""}}), Cells(table));

    // A line feed alone is part of the text; the count is the number the first line begins with.
    ASSERT_TRUE(Load(table, "1 column\r\nA\nB\r\nx\ny\r\n", kLines));
    EXPECT_EQ((Texts{"A\nB"}), Columns(table));
    EXPECT_EQ((Grid{{"x\ny"}}), Cells(table));
}

TEST(RecordLinesFormatTest, ACountOfNoneGivesAnEmptyTable)
{
    for (const char* text : {"0\r\n", "-3\r\nA\r\n", "none\r\nA\r\nB\r\n", "\r\n"}) {
        CRecordTable table;
        Fill(table, {"Old"}, {{"row"}});
        EXPECT_TRUE(Load(table, text, kLines)) << text;
        EXPECT_EQ(0, table.GetColumnCount()) << text;
        EXPECT_EQ(0, table.GetRowCount()) << text;
    }
}

TEST(RecordLinesFormatTest, MissingNamesFailAndKeepWhatWasRead)
{
    CRecordTable table;
    EXPECT_FALSE(Load(table, "", kLines));
    EXPECT_FALSE(Load(table, "3\r\nA\r\nB\r\n", kLines));
    EXPECT_EQ((Texts{"A", "B"}), Columns(table));
    // A count far beyond what the file holds costs nothing.
    EXPECT_FALSE(Load(table, "2000000000\r\nA\r\n", kLines));
    EXPECT_EQ((Texts{"A"}), Columns(table));
}

TEST(RecordLinesFormatTest, WritesOneValueALineAndQuotesOnlyWhatALineCannotHold)
{
    CRecordTable table;
    Fill(table, {"Name", "Note"},
         {{"Ann", "two\r\nlines"}, {"\"Bob\"", "a \"b\" c"}, {"semi;colon", "feed\nonly"}, {"", ""}});
    EXPECT_EQ("2\r\nName\r\nNote\r\n"
              "Ann\r\n\"two\r\nlines\"\r\n"
              "\"\"\"Bob\"\"\"\r\na \"b\" c\r\n"
              "semi;colon\r\n\"feed\nonly\"\r\n"
              "\r\n\r\n",
              Saved(table, kLines));
}

TEST(RecordLinesFormatTest, StrayQuotesReadAsPlainLines)
{
    CRecordTable table;
    // Quotes that do not close right before a line end are text, as they always were.
    ASSERT_TRUE(Load(table, "3\r\n\"A\r\nB\"x\r\n\"C\" D\r\n\"\r\n", kLines));
    EXPECT_EQ((Texts{"\"A", "B\"x", "\"C\" D"}), Columns(table));
    EXPECT_EQ((Grid{{"\"", "", ""}}), Cells(table));
    // A quote that never closes.
    ASSERT_TRUE(Load(table, "1\r\n\"open\r\nrest\r\n", kLines));
    EXPECT_EQ((Texts{"\"open"}), Columns(table));
    EXPECT_EQ((Grid{{"rest"}}), Cells(table));
}

TEST(RecordCsvFormatTest, ReadsNamesAndRowsSplitAtSemicolons)
{
    CRecordTable table;
    ASSERT_TRUE(Load(table, "Name; Age ;City\r\n Ann ;\" 31 \";Oslo;extra\r\n\r\nBob\r\n\"\"\r\n", kCsv));
    EXPECT_EQ((Texts{"Name", "Age", "City"}), Columns(table));
    // Blanks around fields go, blanks inside quotes stay; extra fields are dropped, missing ones
    // are empty; an empty line is no row, but a line holding an empty quoted field is.
    EXPECT_EQ((Grid{{"Ann", " 31 ", "Oslo"}, {"Bob", "", ""}, {"", "", ""}}), Cells(table));
}

TEST(RecordCsvFormatTest, DoubledQuotesReadAsOne)
{
    CRecordTable table;
    ASSERT_TRUE(Load(table, "\"Say \"\"hi\"\"\";B\r\n\"\"\"\";\"a\"\"\"\"b\"\r\n", kCsv));
    EXPECT_EQ((Texts{"Say \"hi\"", "B"}), Columns(table));
    EXPECT_EQ((Grid{{"\"", "a\"\"b"}}), Cells(table));
}

TEST(RecordCsvFormatTest, WritesEveryFieldQuotedWithItsQuotesDoubled)
{
    CRecordTable table;
    Fill(table, {"Name", "Note"}, {{"Ann", "say \"\"x"}, {"", "a;b"}});
    EXPECT_EQ("\"Name\";\"Note\"\r\n"
              "\"Ann\";\"say \"\"\"\"x\"\r\n"
              "\"\";\"a;b\"\r\n",
              Saved(table, kCsv));
}

TEST(RecordCsvFormatTest, AnEmptyFileFailsAndAnEmptyFirstLineHasNoColumns)
{
    CRecordTable table;
    EXPECT_FALSE(Load(table, "", kCsv));
    ASSERT_TRUE(Load(table, "\r\nA;B\r\n", kCsv));
    EXPECT_EQ(0, table.GetColumnCount());
    EXPECT_EQ(1, table.GetRowCount());
}

TEST(RecordCsvFormatTest, StrayQuotesNeverSwallowTheLinesThatFollow)
{
    CRecordTable table;
    // A quote inside a field, and one opening a field but never closed: the lines after them
    // are still rows of their own.
    ASSERT_TRUE(Load(table, "A;B\r\n5\" screen;x\r\n\"open;y\r\nnext;z\r\nlast;w", kCsv));
    EXPECT_EQ((Grid{{"5\" screen;x", ""}, {"open;y", ""}, {"next", "z"}, {"last", "w"}}), Cells(table));
}

TEST(RecordTextFormatsTest, TheLastLineNeedsNoLineEnd)
{
    CRecordTable table;
    ASSERT_TRUE(Load(table, "A;B\r\n1;2", kCsv));
    EXPECT_EQ((Grid{{"1", "2"}}), Cells(table));
    ASSERT_TRUE(Load(table, "1\r\nA\r\nx", kLines));
    EXPECT_EQ((Grid{{"x"}}), Cells(table));
    ASSERT_TRUE(Load(table, "1\r\n\"A\"", kLines));
    EXPECT_EQ((Texts{"A"}), Columns(table));
}

TEST(RecordTextFormatsTest, ALineEndedByACarriageReturnAloneKeepsTheNextLineWhole)
{
    CRecordTable table;
    ASSERT_TRUE(Load(table, "A;B\r1;2\r3;4\r", kCsv));
    EXPECT_EQ((Grid{{"1", "2"}, {"3", "4"}}), Cells(table));
    ASSERT_TRUE(Load(table, "1\rA\rxy\r", kLines));
    EXPECT_EQ((Texts{"A"}), Columns(table));
    EXPECT_EQ((Grid{{"xy"}}), Cells(table));
}

TEST(RecordTextFormatsTest, AnyTextSurvivesASaveAndALoad)
{
    const Texts awkward = {"",
                           " ",
                           "two\r\nlines",
                           "\r",
                           "\n",
                           "\r\n\r\n",
                           "ends\r",
                           "\"",
                           "\"\"",
                           "x\"",
                           "\"x",
                           " \"x\" ",
                           "semi;colon",
                           "\";\r\n\"",
                           "tab\there",
                           std::string("zero\0byte", 9),
                           "\xE9t\xE9 \xFF"};
    CRecordTable table;
    Fill(table, awkward, {awkward, Texts(awkward.rbegin(), awkward.rend()), {"short row"}});
    for (int format : {kLines, kCsv}) {
        SCOPED_TRACE(format);
        CRecordTable copy;
        ASSERT_TRUE(Load(copy, Saved(table, format), format));
        EXPECT_EQ(Columns(table), Columns(copy));
        EXPECT_EQ(Cells(table), Cells(copy));
    }
}

TEST(RecordTextFormatsTest, AStreamThatGivesAFewBytesAtATimeReadsTheSame)
{
    CRecordTable awkward;
    Fill(awkward, {"\"A\"", "two\r\nlines"}, {{"x\"\"", "\r"}, {" \"y\" ", "\";\r\n\""}});
    const std::string inputs[] = {
        "2\r\nName\r\nAge\r\nAnn\r\n31\r\nBob",
        "3\r\n\"A\r\nB\"x\r\n\"C\" D\r\n\"\r\n\"open\r\nrest\r",
        "A;B\r\n5\" screen;x\r\n\"open;y\r\nnext;z\r\nlast;w",
        "A;B\r1;2\r3;4\r",
        Saved(awkward, kLines),
        Saved(awkward, kCsv),
    };
    for (const auto& input : inputs) {
        for (int format : {kLines, kCsv}) {
            CRecordTable whole;
            const bool read = Load(whole, input, format);
            for (size_t piece : {1, 2, 3, 7}) {
                SCOPED_TRACE(testing::Message() << input << " format " << format << " piece " << piece);
                PieceFile stream(input, piece);
                CRecordTable pieces;
                EXPECT_EQ(read, pieces.LoadStream(&stream, format));
                EXPECT_EQ(Columns(whole), Columns(pieces));
                EXPECT_EQ(Cells(whole), Cells(pieces));
            }
        }
    }
}

TEST(RecordTextFormatsTest, AnUnknownFormatOrNoStreamChangesNothing)
{
    CRecordTable table;
    Fill(table, {"A"}, {{"1"}});
    CMemFile file;
    EXPECT_FALSE(table.SaveStream(&file, 2));
    EXPECT_FALSE(table.SaveStream(nullptr, kLines));
    EXPECT_EQ(0u, file.GetLength());
    file.Write("1\r\nB\r\n", 6);
    EXPECT_FALSE(table.LoadStream(&file, 2));
    EXPECT_FALSE(table.LoadStream(&file, -1));
    EXPECT_FALSE(table.LoadStream(nullptr, kLines));
    EXPECT_EQ((Texts{"A"}), Columns(table));
    EXPECT_EQ((Grid{{"1"}}), Cells(table));
}

TEST(RecordTextFormatsTest, StreamsAreReadWholeAndKeepTheirPosition)
{
    CRecordTable table;
    CMemFile memory;
    memory.Write("1\r\nA\r\nx\r\n", 9);
    memory.Seek(4, CFile::begin);
    ASSERT_TRUE(table.LoadStream(&memory, kLines));
    EXPECT_EQ(4u, memory.GetPosition());
    EXPECT_EQ((Grid{{"x"}}), Cells(table));

    // Saving writes at the position, after what the stream holds before it.
    memory.SeekToEnd();
    ASSERT_TRUE(table.SaveStream(&memory, kCsv));
    EXPECT_EQ("1\r\nA\r\nx\r\n\"A\"\r\n\"x\"\r\n",
              std::string(reinterpret_cast<const char*>(memory.Data()), static_cast<size_t>(memory.GetLength())));
}

}  // namespace
