// Reading and building projects of 10 to 10,000 objects: the time of the reader (records, scripts
// compiled) for each size, next to the time per object of the smallest, so that a growth faster
// than linear shows as a ratio above 1. A program that prints figures; no test runs it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "project_model.h"
#include "project_plan.h"
#include "project_stream_writer.h"

namespace {

qbkw::ProjectPlan ProjectOf(int objects)
{
    qbkw::ProjectPlan project;
    project.commandWords[qbk::TypeWindow] = {"GetId", "GetName"};
    qbkw::WindowPlan window = qbkw::WindowPlan::Make("MAIN");
    const int types[] = {qbk::TypeCheckBox, qbk::TypeListBox, qbk::TypeComboBox, qbk::TypeTextVariable};
    for (int i = 0; i < objects; ++i) {
        qbkw::ObjectPlan& object = window.Add(types[i % 4], "o" + std::to_string(i));
        object.caption = "Object " + std::to_string(i);
        object.SetProperty("Content", "a|b|c");
        if (!object.events.empty()) object.events[0] = {std::string("\x01") + "0\x02" + "3\x03" + "1\x04\x06"};
    }
    project.windows.push_back(window);
    return project;
}

double BestLoadMs(const std::string& path, int runs)
{
    double best = 1e30;
    for (int run = 0; run < runs; ++run) {
        CProjectRuntime runtime;
        const auto start = std::chrono::steady_clock::now();
        if (!runtime.LoadProject(path.c_str())) return -1;
        runtime.CompileAllScripts();
        const auto end = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(end - start).count());
    }
    return best;
}

}  // namespace

int main()
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "qbk_project_load_benchmark";
    std::filesystem::create_directories(folder);
    std::printf("%8s %12s %14s %10s\n", "objects", "load ms", "us per object", "vs 10");
    double basePerObject = 0;
    for (int objects : {10, 100, 1000, 10000}) {
        const std::string path = (folder / ("p" + std::to_string(objects) + ".exe")).string();
        qbkw::WriteWholeFile(path, qbkw::AppendProject(std::string("MZ bench"), ProjectOf(objects)));
        const double ms = BestLoadMs(path, 5);
        const double perObject = ms * 1000.0 / objects;
        if (objects == 10) basePerObject = perObject;
        std::printf("%8d %12.3f %14.3f %10.2f\n", objects, ms, perObject, perObject / basePerObject);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
