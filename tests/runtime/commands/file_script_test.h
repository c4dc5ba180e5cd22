// Script tests of the file and table types: their command words, helpers to write scripts, and a
// fixture with scratch files.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "script_test_fixture.h"

constexpr const char* kTextFileWords =
    "commands TextFile GetId GetName Close Length Position Open ReadText ReadByte ReadToBuffer ReadChar ReadLine "
    "ReadUntil Seek WriteText WriteByte WriteBuffer WriteLine WriteStream\n";
constexpr const char* kIniFileWords =
    "commands IniFile GetId GetName Close Read SetFile DeleteSection DeleteSectionKeepFirst DeleteKey Write\n";
constexpr const char* kRecordTableWords =
    "commands RecordTable GetId GetName DeleteColumn DeleteRow Query ColumnCount FindColumn ColumnName RowCount "
    "GetData FindRow GetCell Create InsertColumn InsertRow LoadFile LoadStream LoadEmbedded Combine Clear "
    "DeleteAllRows SaveFile SaveStream RenameColumn SetData SetCell\n";

// The lines indented as the body of an event.
inline std::string Indent(const std::string& lines)
{
    std::istringstream in(lines);
    std::string out, line;
    while (std::getline(in, line)) out += "    " + line + "\n";
    return out;
}

// A path as a quoted text of the project description (its backslashes escaped).
inline std::string QuotedPath(const std::string& path)
{
    std::string out = "\"";
    for (char c : path) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

constexpr const char* kRegistryWords = "commands Registry GetId GetName Read DeleteKey DeleteValue Write\n";
constexpr const char* kSystemWords =
    "commands System ComputerName Desktop Serial FontsDir FontList QuickLaunch Recent Depth Height Width Programs "
    "GetColor SystemDir Temp UserName WindowsDir InstallFont SetColor\n";
constexpr const char* kFileSystemWords =
    "commands FileSystem Append ToJpeg Compress Copy Extract Shortcut Expand Delete RemoveDir EmptyBin Shell Exists "
    "List TempName CurrentDir Free Total Drive Ext SplitPath Entry Count Title Name Size Short FolderExists "
    "CreateFile CreateDir Rename SetCurrentDir\n";

// A script test whose scripts work on files of its scratch folder.
class FileScriptTest : public ScriptTest {
protected:
    void TearDown() override
    {
        runtime_.ResetProject();  // objects let go of their files, so that the folder can go
        ScriptTest::TearDown();
    }
    // A scratch path as a quoted text of the description.
    std::string Q(const std::string& name) const { return QuotedPath(Path(name)); }
    void WriteFile(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::string ReadFile(const std::string& name) const
    {
        std::ifstream in(Path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(Path(name)); }
};
