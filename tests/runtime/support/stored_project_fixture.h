// Writes projects with the project writer into a scratch program file and loads them.
#pragma once

#include <gtest/gtest.h>
#include <chrono>
#include <filesystem>
#include <string>

#include "project_description.h"
#include "project_model.h"
#include "project_stream_writer.h"

inline bool operator==(const CString& a, const std::string& b) { return a.Str() == b; }
inline void PrintTo(const CString& text, std::ostream* out) { *out << ::testing::PrintToString(text.Str()); }

class StoredProjectTest : public ::testing::Test {
public:
    static std::string Program() { return std::string("MZ program image\0\x01\x02", 20); }

protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("qbk-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                   std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    // A program file: some bytes standing for the program, then the project and its trailer.
    std::string WriteProgram(const qbkw::ProjectPlan& project, const std::string& name = "program.exe")
    {
        const std::string path = Path(name);
        qbkw::WriteWholeFile(path, qbkw::AppendProject(Program(), project));
        return path;
    }
    std::string WriteProgram(const std::string& description)
    {
        return WriteProgram(qbkw::ParseProjectDescription(description, folder_.string()));
    }
    std::string WriteBytes(const std::string& bytes, const std::string& name = "program.exe")
    {
        const std::string path = Path(name);
        qbkw::WriteWholeFile(path, bytes);
        return path;
    }
    bool Load(const std::string& description) { return runtime_.LoadProject(WriteProgram(description).c_str()); }
    bool Load(const qbkw::ProjectPlan& project) { return runtime_.LoadProject(WriteProgram(project).c_str()); }

    WindowRecord& Window(const char* name)
    {
        WindowRecord* window = runtime_.FindWindowByName(name);
        if (!window) throw std::runtime_error(std::string("no window ") + name);
        return *window;
    }

    std::filesystem::path folder_;
    CProjectRuntime runtime_;
};
