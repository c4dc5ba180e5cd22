#include <gtest/gtest.h>

#include "fake_grid_host.h"
#include "grid_file.h"
#include "grid_model.h"
#include "scratch_folder.h"

namespace {

std::string Bytes(std::initializer_list<std::string> fields)
{
    std::string out;
    for (const std::string& f : fields) out += f + '\x01';
    return out;
}

// A grid of 2 columns and 3 rows, 1 fixed of each, holding "a".."f" column by column.
void FillSample(CGridModel& grid)
{
    grid.SetRowCount(3);
    grid.SetColumnCount(2);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    const char* texts[] = {"a", "b", "c", "d", "e", "f"};
    for (int i = 0; i < 6; ++i) grid.SetItemText(i % 3, i / 3, texts[i]);
}

struct Shape {
    int cols, rows, fixedCols, fixedRows;
    bool operator==(const Shape& o) const
    {
        return cols == o.cols && rows == o.rows && fixedCols == o.fixedCols && fixedRows == o.fixedRows;
    }
};
Shape ShapeOf(const CGridModel& g)
{
    return {g.GetColumnCount(), g.GetRowCount(), g.GetFixedColumnCount(), g.GetFixedRowCount()};
}

}  // namespace

using GridFileOnDiskTest = ScratchFolderTest;

TEST(GridFileTest, SavesCountsThenTextsColumnByColumn)
{
    CGridModel grid;
    FillSample(grid);
    EXPECT_EQ(WriteGridFile(grid), Bytes({"2", "3", "1", "1", "a", "b", "c", "d", "e", "f"}));
    CGridModel empty;
    EXPECT_EQ(WriteGridFile(empty), Bytes({"0", "0", "0", "0"}));
}

TEST(GridFileTest, LoadingReplacesTheShapeTextsAndSizesEveryColumn)
{
    HostedGrid g(5, 7, 2, 3);
    g.grid.SetItemText(4, 6, "old");
    g.grid.SetSelectedRange(2, 3, 4, 5);
    const std::string file = Bytes({"2", "3", "1", "1", "a", "b", "a longer text", "d", "e", "f"});
    ASSERT_TRUE(ReadGridFile(g.grid, file.data(), file.size()));
    EXPECT_EQ(ShapeOf(g.grid), (Shape{2, 3, 1, 1}));
    const char* texts[] = {"a", "b", "a longer text", "d", "e", "f"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(g.grid.GetItemText(i % 3, i / 3), texts[i]);
    EXPECT_EQ(g.grid.GetColumnWidth(0), 13 * FakeGridHost::kCharWidth + 4 * 3);
    EXPECT_EQ(g.grid.GetColumnWidth(1), 1 * FakeGridHost::kCharWidth + 4 * 3);
    EXPECT_EQ(g.grid.GetSelectedCount(), 0);
    ExpectConsistent(g.grid);
    EXPECT_EQ(WriteGridFile(g.grid), file);

    // Stored without fixed rows or columns: none, whatever the grid had.
    const std::string plain = Bytes({"1", "2", "0", "0", "x", "y"});
    ASSERT_TRUE(ReadGridFile(g.grid, plain.data(), plain.size()));
    EXPECT_EQ(ShapeOf(g.grid), (Shape{1, 2, 0, 0}));
}

TEST(GridFileTest, SeparatorBytesInTextsSurviveSavingAndLoading)
{
    const std::string texts[] = {
        std::string("a\x01"
                    "b"),
        "\x01",
        "\x02",
        std::string("x\x02"),
        std::string("\x02\x01"),
        std::string("\x02\x02\x01\x01"),
        std::string("\x02y"),
        "",
        "plain",
    };
    CGridModel grid(int(std::size(texts)), 1);
    for (int r = 0; r < int(std::size(texts)); ++r) grid.SetItemText(r, 0, texts[r].c_str());
    const std::string file = WriteGridFile(grid);
    CGridModel loaded(1, 1);
    ASSERT_TRUE(ReadGridFile(loaded, file.data(), file.size()));
    ASSERT_EQ(loaded.GetRowCount(), int(std::size(texts)));
    for (int r = 0; r < int(std::size(texts)); ++r) EXPECT_EQ(loaded.GetItemText(r, 0).Str(), texts[r]) << r;
    // A 0x02 that cannot be taken for an escape is stored as itself.
    CGridModel one(1, 1);
    one.SetItemText(0, 0, "\x02y");
    EXPECT_EQ(WriteGridFile(one), Bytes({"1", "1", "0", "0", "\x02y"}));
}

TEST(GridFileTest, DamagedFilesLeaveTheGridAsItWas)
{
    const std::string cases[] = {
        "",
        "2\x01"
        "3\x01"
        "1",  // the counts end early
        Bytes({"2", "3", "0", "0", "a", "b", "c", "d", "e"}),  // one text short
        Bytes({"2", "1", "3", "0", "a", "b"}),  // more fixed columns than columns
        Bytes({"1", "1", "0", "2", "a"}),  // more fixed rows than rows
        Bytes({"999999999", "999999999", "0", "0", "a"}),  // counts the bytes cannot hold
        Bytes({"0", "99999999", "0", "0"}),
        Bytes({"99999999999999999999", "1", "0", "0", "x"}),
    };
    for (const std::string& bytes : cases) {
        CGridModel grid;
        FillSample(grid);
        const std::string before = WriteGridFile(grid);
        EXPECT_FALSE(ReadGridFile(grid, bytes.data(), bytes.size())) << bytes;
        EXPECT_EQ(WriteGridFile(grid), before) << bytes;
    }
}

TEST(GridFileTest, OddButReadableFilesLoadWhatTheyHold)
{
    struct Case {
        std::string bytes;
        Shape shape;
        std::string firstText;
    } cases[] = {
        {Bytes({"1", "1", "0", "0", "a", "extra", "more"}) + "tail", {1, 1, 0, 0}, "a"},
        {Bytes({" 2x", "+1", "junk", "-4", "p", "q"}), {2, 1, 0, 0}, "p"},
        {Bytes({"0", "3", "0", "3"}), {0, 3, 0, 3}, ""},
        {Bytes({"3", "0", "2", "0"}), {3, 0, 2, 0}, ""},
        {Bytes({"900", "0", "0", "0"}), {900, 0, 0, 0}, ""},  // more columns than bytes, but no cells
    };
    for (const auto& c : cases) {
        HostedGrid g(2, 2, 0, 0);
        ASSERT_TRUE(ReadGridFile(g.grid, c.bytes.data(), c.bytes.size())) << c.bytes;
        EXPECT_EQ(ShapeOf(g.grid), c.shape) << c.bytes;
        EXPECT_EQ(g.grid.GetItemText(0, 0), c.firstText.c_str()) << c.bytes;
        ExpectConsistent(g.grid);
    }
}

TEST(GridFileTest, LoadingMeasuresEachCellOnce)
{
    // Sizing columns after every cell measured whole columns again and again.
    HostedGrid g(0, 0, 0, 0);
    CGridModel source(400, 3, 1, 0);
    const std::string file = WriteGridFile(source);
    ASSERT_TRUE(ReadGridFile(g.grid, file.data(), file.size()));
    EXPECT_LE(g.host.measureCalls, 400 * 3 + 3);
    EXPECT_EQ(g.host.invalidations, 1);
}

TEST_F(GridFileOnDiskTest, SavesAndLoadsThroughFiles)
{
    CGridModel grid;
    FillSample(grid);
    ASSERT_TRUE(SaveGridFile(grid, Path("g.grd")));
    EXPECT_EQ(ReadBytes("g.grd"), WriteGridFile(grid));
    CGridModel loaded(4, 4);
    ASSERT_TRUE(LoadGridFile(loaded, Path("g.grd")));
    EXPECT_EQ(WriteGridFile(loaded), WriteGridFile(grid));

    const std::string before = WriteGridFile(loaded);
    EXPECT_FALSE(LoadGridFile(loaded, Path("missing.grd")));
    WriteBytes("empty.grd", "");
    EXPECT_FALSE(LoadGridFile(loaded, Path("empty.grd")));
    EXPECT_FALSE(LoadGridFile(loaded, Folder()));
    EXPECT_EQ(WriteGridFile(loaded), before);
    EXPECT_FALSE(SaveGridFile(grid, Path("no") + Sep() + "g.grd"));
}
