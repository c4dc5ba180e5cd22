// Benchmark (not a test): a stored project whose event loops a million times over arithmetic, a
// comparison and a text join; prints instructions per second, then times the same loop in tclsh
// (an interpreter whose values are texts too) and prints the ratio.
// Meaningful in an optimised tree without sanitizers:
//   cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZV_SANITIZE=OFF
//   cmake --build build/bench --target script_benchmark && build/bench/tests/runtime/core/script_benchmark
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "project_description.h"
#include "project_model.h"
#include "project_stream_writer.h"
#include "command_families.h"
#include "command_table.h"

namespace {

constexpr int kPasses = 1000000;

const char* const kProject = R"(
commands Loop WHILE WEND
commands NumberVariable GetId GetName Add Increment Divide Get GetInt Multiply Set Subtract Decrement
commands TextVariable GetId GetName Append FindChar Find Get GetCharAt GetLength Replace ReverseFindChar Set
window MAIN
  object NumberVariable i
  object NumberVariable acc
  object TextVariable text
  event 16
    @i.Set(0)
    @Loop.WHILE(@i.Get(), "<", 1000000)
      @i.Add(1)
      @acc.Set(@i.Get() * 2 + 1)
      @text.Set("x" & @i.Get())
    @Loop.WEND()
)";

double TclSeconds()
{
    const char* script = "puts [lindex [time {set i 0; while {$i < 1000000} {incr i; set acc [expr {$i * 2 + 1}]; "
                         "set t \"x$i\"}} 1] 0]";
    const std::string command = std::string("echo '") + script + "' | tclsh 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    char line[64] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    pclose(pipe);
    return read && std::atof(line) > 0 ? std::atof(line) / 1e6 : -1;
}

}  // namespace

int main()
{
    const std::string path = (std::filesystem::temp_directory_path() / "qbk-benchmark.exe").string();
    qbkw::WriteWholeFile(path, qbkw::AppendProject("program", qbkw::ParseProjectDescription(kProject)));
    CProjectRuntime runtime;
    CommandTable table = MakeScriptCommandTable();
    runtime.m_commandTable = &table;
    if (!runtime.LoadProject(path.c_str())) {
        std::fprintf(stderr, "the benchmark project does not load\n");
        return 1;
    }
    std::filesystem::remove(path);
    runtime.CompileAllScripts();
    WindowRecord& main = *runtime.FindWindowByName("MAIN");

    const auto start = std::chrono::steady_clock::now();
    runtime.RunScript(&main, main.Self(), 16);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Each pass runs the loop head and three instructions; then the set before and the last head.
    const double instructions = 4.0 * kPasses + 2;
    const double passes = main.Objects[12]->Numbers.at(0);
    std::printf("qbk script: %.0f passes, %.0f instructions in %.3f s: %.0f instructions/s, %.3f us per pass\n", passes,
                instructions, seconds, instructions / seconds, seconds / kPasses * 1e6);
    const double tcl = TclSeconds();
    if (tcl > 0)
        std::printf("tclsh: the same loop in %.3f s; qbk takes %.2f times as long\n", tcl, seconds / tcl);
    else
        std::printf("tclsh: not available\n");
    return 0;
}
