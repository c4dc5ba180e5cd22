// A fresh folder per test, removed afterwards; paths inside it use the system's separator.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "fw_string.h"

class ScratchFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("qbkcore_") + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    static CString Sep() { return CString(static_cast<char>(std::filesystem::path::preferred_separator), 1); }
    // The folder with a trailing separator, or a path inside it.
    CString Folder() const { return CString((dir_ / "").string()); }
    CString Path(const std::string& name) const { return CString((dir_ / name).string()); }
    void WriteBytes(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::string ReadBytes(const std::string& name) const
    {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path dir_;
};
