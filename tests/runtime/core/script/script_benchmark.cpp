// Benchmark (not a test): loops of a stored project next to the same loops in tclsh (an interpreter
// whose values are texts too), timed in the same run, with the ratio printed:
// - arithmetic, a comparison and a text join, a million passes;
// - a string list: entries added, sorted and searched;
// - a byte buffer: every byte set, then every byte read and summed.
// Meaningful in an optimised tree without sanitizers:
//   cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZV_SANITIZE=OFF
//   cmake --build build/bench --target script_benchmark && build/bench/tests/runtime/core/script_benchmark
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "command_families.h"
#include "command_table.h"
#include "project_description.h"
#include "project_model.h"
#include "project_stream_writer.h"

namespace {

constexpr int kPasses = 1000000;
constexpr int kListSearches = 1000;
constexpr int kBufferBytes = 200000;

const char* const kProject = R"(
commands WindowCall Call CallDeclared
commands Loop WHILE WEND
commands Math Abs Acos Asin Atan BitAnd BinaryDigit DigitCount BitOr BitXor Cos Distance2D Distance3D Exp Angle Log Mod
commands ByteBuffer GetId GetName GetByte GetAddress GetSize LoadFile LoadFromStream LoadEmbedded SetByte Fill Resize
commands NumberVariable GetId GetName Add Increment Divide Get GetInt Multiply Set Subtract Decrement
commands TextVariable GetId GetName Append FindChar Find Get GetCharAt GetLength Replace ReverseFindChar Set
commands StringList GetId GetName Add IndexOf FindMatches GetAt GetCount InsertAt LoadFile LoadFromObject LoadEmbedded Move Shift Shuffle RemoveAt RemoveAll SetAt SetCount Sort
window MAIN
  object NumberVariable i
  object NumberVariable acc
  object TextVariable text
  object StringList list
  object ByteBuffer bytes
  event 16
    @i.Set(0)
    @Loop.WHILE(@i.Get(), "<", 1000000)
      @i.Add(1)
      @acc.Set(@i.Get() * 2 + 1)
      @text.Set("x" & @i.Get())
    @Loop.WEND()
  function 0 List
    @list.RemoveAll()
    @i.Set(0)
    @Loop.WHILE(@i.Get(), "<", 20000)
      @list.Add(@Math.Mod(@i.Get() * 7919, 100003))
      @i.Add(1)
    @Loop.WEND()
    @list.Sort()
    @i.Set(0)
    @acc.Set(0)
    @Loop.WHILE(@i.Get(), "<", 1000)
      @acc.Add(@list.IndexOf(@i.Get() * 97))
      @i.Add(1)
    @Loop.WEND()
  function 1 Buffer
    @bytes.Resize(200000)
    @i.Set(0)
    @Loop.WHILE(@i.Get(), "<", 200000)
      @bytes.SetByte(@i.Get(), @i.Get() * 31)
      @i.Add(1)
    @Loop.WEND()
    @i.Set(0)
    @acc.Set(0)
    @Loop.WHILE(@i.Get(), "<", 200000)
      @acc.Add(@bytes.GetByte(@i.Get()))
      @i.Add(1)
    @Loop.WEND()
)";

const char* const kTclLoop = "set i 0; while {$i < 1000000} {incr i; set acc [expr {$i * 2 + 1}]; set t \"x$i\"}";
const char* const kTclList = "set l {}; for {set i 0} {$i < 20000} {incr i} {lappend l [expr {($i * 7919) % 100003}]};"
                             " set l [lsort $l]; set acc 0;"
                             " for {set i 0} {$i < 1000} {incr i} {incr acc [lsearch -exact $l [expr {$i * 97}]]}";
const char* const kTclBuffer = "set b [lrepeat 200000 0];"
                               " for {set i 0} {$i < 200000} {incr i} {lset b $i [expr {($i * 31) & 255}]};"
                               " set acc 0; for {set i 0} {$i < 200000} {incr i} {incr acc [lindex $b $i]}";

// Seconds tclsh takes for the script (best of three), or -1 without tclsh.
double TclSeconds(const char* script)
{
    const std::string command = std::string("echo 'puts [lindex [time {") + script + "} 3] 0]' | tclsh 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    char line[64] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    pclose(pipe);
    return read && std::atof(line) > 0 ? std::atof(line) / 1e6 : -1;
}

// Seconds the event takes, best of three runs.
double QbkSeconds(CProjectRuntime& runtime, WindowRecord& main, ObjectRecord* object, int event)
{
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        runtime.RunScript(&main, object, event);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (seconds < best) best = seconds;
    }
    return best;
}

void Compare(const char* what, double qbk, const char* tclScript)
{
    const double tcl = TclSeconds(tclScript);
    if (tcl > 0)
        std::printf("%s: qbk %.3f s, tclsh %.3f s: qbk takes %.2f times as long (tclsh / qbk = %.2f)\n", what, qbk, tcl,
                    qbk / tcl, tcl / qbk);
    else
        std::printf("%s: qbk %.3f s; tclsh not available\n", what, qbk);
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

    const double loop = QbkSeconds(runtime, main, main.Self(), 16);
    // Each pass runs the loop head and three instructions; then the set before and the last head.
    const double instructions = 4.0 * kPasses + 2;
    std::printf("qbk script: %.0f passes, %.0f instructions in %.3f s: %.0f instructions/s, %.3f us per pass\n",
                main.Objects[12]->Numbers.at(0), instructions, loop, instructions / loop, loop / kPasses * 1e6);
    Compare("arithmetic, comparison and join loop", loop, kTclLoop);

    ObjectRecord* functions = main.Objects[qbk::TypeWindowCall].get();
    const double list = QbkSeconds(runtime, main, functions, 0);
    std::printf("string list: %d entries added, sorted, %d searches (sum of found positions %.0f)\n",
                int(main.Objects[15]->TextList.GetSize()), kListSearches, main.Objects[13]->Numbers.at(0));
    Compare("string list add, sort and find", list, kTclList);

    const double buffer = QbkSeconds(runtime, main, functions, 1);
    std::printf("byte buffer: %d bytes set and read back (sum %.0f)\n", kBufferBytes, main.Objects[13]->Numbers.at(0));
    Compare("byte buffer set and get", buffer, kTclBuffer);
    return 0;
}
