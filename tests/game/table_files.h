// Scratch folder and key for the tests of the saved tables.
#pragma once

#include "KMemStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TableFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              (std::string("zv_tables_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        const char keyBytes[] = "\x01\x7f\x80\xff key bytes";
        key.Write(keyBytes, sizeof keyBytes - 1);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string Path(const char* name) const { return (dir / name).string(); }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Write(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // Stores a plain INI text scrambled with the test key, as the game would.
    void WriteScrambled(const std::string& path, const std::string& text)
    {
        KMemStream plain, scrambled;
        plain.Write(text.data(), static_cast<int>(text.size()));
        ASSERT_TRUE(plain.ScrambleStream(&key, 0, &scrambled));
        Write(path,
              std::string(reinterpret_cast<const char*>(scrambled.GetData()), static_cast<size_t>(scrambled.Size())));
    }
    static std::string Text(KMemStream& stream)
    {
        return std::string(reinterpret_cast<const char*>(stream.GetData()), static_cast<size_t>(stream.Size()));
    }

    std::filesystem::path dir;
    KMemStream key;
};
