// Prints how long the record table takes to save and load tables of growing size in both formats,
// next to Python's csv module reading and writing the same files in the same run, and the time
// per row, which stays flat when the work grows linearly. Times are the process's processor time
// (the best of a few runs), so that other work on a shared machine does not count. A
// measurement, not a test: build it in an optimised tree without sanitizers for figures that
// mean something.
//   record_table_bench [rows ...]      (default 250000 500000 1000000)
#include "record_table.h"

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#endif

namespace {

const int kRepeats = 5;
const int kPythonRepeats = 3;

const char* const kPythonScript = R"(import csv, sys, time
path, fmt, repeats = sys.argv[1], sys.argv[2], int(sys.argv[3])
dialect = dict(delimiter=';', quotechar='"') if fmt == '1' else {}
quoting = csv.QUOTE_ALL if fmt == '1' else csv.QUOTE_MINIMAL
load = save = float('inf')
for _ in range(repeats):
    rows = None
    t = time.process_time()
    with open(path, newline='', encoding='latin-1') as f:
        rows = list(csv.reader(f, **dialect))
    load = min(load, time.process_time() - t)
    t = time.process_time()
    with open(path + '.py', 'w', newline='', encoding='latin-1') as f:
        csv.writer(f, lineterminator='\r\n', quoting=quoting, **dialect).writerows(rows)
    save = min(save, time.process_time() - t)
print(load, save, len(rows))
)";

// Five columns of the kinds a settings program keeps: numbers, names, places, amounts and notes,
// some of which need quoting.
void Fill(CRecordTable& table, int rows)
{
    static const char* const cities[] = {"Oslo", "Lyon", "Graz", "Porto", "Turku", "Gent", "Brno"};
    table.Clear();
    for (const char* name : {"Id", "Name", "City", "Amount", "Note"}) table.InsertColumn(name, -1);
    char text[64];
    for (int r = 0; r < rows; ++r) {
        table.InsertRow(-1);
        std::snprintf(text, sizeof text, "%d", r);
        table.SetCell(0, r, text);
        std::snprintf(text, sizeof text, "Player %d", r * 7919 % 100000);
        table.SetCell(1, r, text);
        table.SetCell(2, r, cities[r % 7]);
        std::snprintf(text, sizeof text, "%d.%02d", r * 37 % 10000, r % 100);
        table.SetCell(3, r, text);
        if (r % 10 == 0) table.SetCell(4, r, "said \"fast\"; then left");
        if (r % 10 == 5) table.SetCell(4, r, "plain note");
    }
}

// before runs ahead of each timed run, untimed.
double Best(
    const std::function<bool()>& work, const std::function<void()>& before = [] {})
{
    double best = 1e30;
    for (int i = 0; i < kRepeats; ++i) {
        before();
        const std::clock_t start = std::clock();
        if (!work()) return -1;
        best = std::min(best, double(std::clock() - start) / CLOCKS_PER_SEC);
    }
    return best;
}

struct PythonFigures {
    bool ran = false;
    double load = 0, save = 0;
    long rows = 0;
};

PythonFigures RunPython(const std::string& script, const std::string& file, int format)
{
    PythonFigures figures;
    const std::string command =
        "python3 \"" + script + "\" \"" + file + "\" " + std::to_string(format) + " " + std::to_string(kPythonRepeats);
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return figures;
    figures.ran = std::fscanf(pipe, "%lf %lf %ld", &figures.load, &figures.save, &figures.rows) == 3;
    pclose(pipe);
    return figures;
}

void PrintRatio(const char* what, double ours, double python, bool ran, int rows)
{
    std::printf("  %-5s ours %8.1f ms (%6.3f us/row)", what, ours * 1e3, ours * 1e6 / rows);
    if (ran) std::printf("   python %8.1f ms   python/ours %5.2f", python * 1e3, python / ours);
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {250000, 500000, 1000000};

    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "qbk_record_table_bench";
    std::filesystem::create_directories(folder);
    const std::string script = (folder / "csv_baseline.py").string();
    std::ofstream(script, std::ios::binary) << kPythonScript;

    int failures = 0;
    CRecordTable table;
    for (int rows : sizes) {
        Fill(table, rows);
        for (int format : {0, 1}) {
            const std::string file = (folder / ("table" + std::to_string(format) + ".txt")).string();
            const double save = Best([&] { return table.SaveFile(file.c_str(), format); });
            CRecordTable loaded;
            // The table read before is let go untimed, as the Python side lets its rows go.
            const double load = Best([&] { return loaded.LoadFile(file.c_str(), format); }, [&] { loaded.Clear(); });
            if (save < 0 || load < 0 || loaded.GetRowCount() != rows) {
                std::printf("%d rows, format %d: the table did not load and save (%d rows read)\n", rows, format,
                            loaded.GetRowCount());
                ++failures;
                continue;
            }
            const PythonFigures python = RunPython(script, file, format);
            std::printf("%d rows, format %d, %.1f MB%s\n", rows, format, double(std::filesystem::file_size(file)) / 1e6,
                        python.ran ? "" : " (python3 with its csv module not found: no baseline)");
            PrintRatio("load", load, python.load, python.ran, rows);
            PrintRatio("save", save, python.save, python.ran, rows);
        }
    }
    std::filesystem::remove_all(folder);
    return failures ? 1 : 0;
}
