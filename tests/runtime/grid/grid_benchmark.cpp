// Benchmark (not a test): the grid's platform-free work next to the standard library doing the
// same in the same run, printed as ratios. Filling 1,000,000 cells; sorting 100,000 rows beside
// std::stable_sort on the same keys (goal: within twice); saving and loading grid files of
// 25,000 to 100,000 rows (goal: time per row flat, so the work grows linearly).
// Meaningful in an optimised tree without sanitizers:
//   cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZV_SANITIZE=OFF
//   cmake --build build/bench --target grid_benchmark && build/bench/tests/runtime/grid/grid_benchmark
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "grid_file.h"
#include "grid_model.h"

namespace {

// Measures as a fixed-pitch font would, so auto-sizing does its full work.
class MeasuringHost : public CGridHost {
public:
    bool MeasureCellText(const CGridCellBase&, const CString& text, CSize& size) override
    {
        size = CSize(7 * text.GetLength(), 13);
        return true;
    }
};

// The best of five runs, in seconds (the first ones also pay for fresh memory).
double Seconds(const std::function<void()>& setUp, const std::function<void()>& work)
{
    double best = 1e30;
    for (int run = 0; run < 5; ++run) {
        setUp();
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

void Row(const char* what, double ours, double baseline, const char* baselineWhat)
{
    std::printf("%-44s %9.1f ms   %-34s %9.1f ms   ratio %5.2f\n", what, ours * 1e3, baselineWhat, baseline * 1e3,
                ours / baseline);
}

std::vector<std::string> Keys(int count)
{
    std::mt19937 random(7);
    std::vector<std::string> keys;
    keys.reserve(size_t(count));
    for (int i = 0; i < count; ++i) keys.push_back("item " + std::to_string(random() % 50000));
    return keys;
}

void FillBenchmark()
{
    constexpr int kRows = 100000, kCols = 10;
    std::vector<std::string> texts;
    for (int i = 0; i < 1000; ++i) texts.push_back("cell " + std::to_string(i));
    std::unique_ptr<CGridModel> grid;
    const double ours = Seconds([&] { grid.reset(); },
                                [&] {
                                    grid = std::make_unique<CGridModel>(kRows, kCols, 1, 1);
                                    for (int r = 0; r < kRows; ++r)
                                        for (int c = 0; c < kCols; ++c)
                                            grid->SetItemText(r, c, texts[size_t(r * kCols + c) % 1000].c_str());
                                });
    std::vector<std::vector<std::string>> table;
    const double baseline = Seconds([&] { table.clear(); },
                                    [&] {
                                        table.assign(kRows, std::vector<std::string>(kCols));
                                        for (int r = 0; r < kRows; ++r)
                                            for (int c = 0; c < kCols; ++c)
                                                table[size_t(r)][size_t(c)] = texts[size_t(r * kCols + c) % 1000];
                                    });
    Row("fill 1,000,000 cells (grid and texts)", ours, baseline, "vector of string rows");
}

void SortBenchmark()
{
    constexpr int kRows = 100000;
    const std::vector<std::string> keys = Keys(kRows);
    CGridModel grid(kRows + 1, 3, 1, 0);
    const auto fill = [&] {
        for (int r = 0; r < kRows; ++r) {
            grid.SetItemText(r + 1, 0, keys[size_t(r)].c_str());
            grid.SetItemText(r + 1, 1, std::to_string(r).c_str());
        }
    };
    const double ours = Seconds(fill, [&] { grid.SortTextItems(0, true); });
    std::vector<std::string> plain;
    const double baseline = Seconds([&] { plain = keys; }, [&] { std::stable_sort(plain.begin(), plain.end()); });
    Row("sort 100,000 rows by a column", ours, baseline, "std::stable_sort of the keys");
}

void FileBenchmark()
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "qbk-grid-benchmark.grd";
    const std::vector<std::string> keys = Keys(100000);
    double perRow[2][3] = {};
    const int sizes[] = {25000, 50000, 100000};
    for (int s = 0; s < 3; ++s) {
        const int rows = sizes[s];
        CGridModel source(rows + 1, 3, 1, 1);
        for (int r = 1; r <= rows; ++r) {
            source.SetItemText(r, 0, std::to_string(r).c_str());
            source.SetItemText(r, 1, keys[size_t(r - 1)].c_str());
            source.SetItemText(r, 2, "some longer text in the third column");
        }
        const double save = Seconds([] {}, [&] { SaveGridFile(source, path.string().c_str()); });
        MeasuringHost host;
        CGridModel target;
        target.SetHost(&host);
        const double load =
            Seconds([&] { target.DeleteAllItems(); }, [&] { LoadGridFile(target, path.string().c_str()); });
        // The same bytes through the stream library: a write and a read of the whole file.
        const std::string bytes = WriteGridFile(source);
        const double rawWrite = Seconds([] {}, [&] { std::ofstream(path, std::ios::binary) << bytes; });
        std::string read;
        const double rawRead = Seconds([] {},
                                       [&] {
                                           std::ifstream in(path, std::ios::binary);
                                           read.assign(std::istreambuf_iterator<char>(in), {});
                                       });
        char what[64];
        std::snprintf(what, sizeof what, "save a grid file of %d rows", rows);
        Row(what, save, rawWrite, "ofstream write of its bytes");
        std::snprintf(what, sizeof what, "load a grid file of %d rows", rows);
        Row(what, load, rawRead, "ifstream read of its bytes");
        perRow[0][s] = save / rows, perRow[1][s] = load / rows;
    }
    std::printf("time per row at 50,000 and 100,000 rows next to 25,000 (linear: about 1):\n");
    std::printf("  save %5.2f %5.2f   load %5.2f %5.2f\n", perRow[0][1] / perRow[0][0], perRow[0][2] / perRow[0][0],
                perRow[1][1] / perRow[1][0], perRow[1][2] / perRow[1][0]);
    std::filesystem::remove(path);
}

}  // namespace

int main()
{
    FillBenchmark();
    SortBenchmark();
    FileBenchmark();
    return 0;
}
