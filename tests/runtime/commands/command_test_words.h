// Command words of the file and table types for script tests, and small helpers to write their
// scripts.
#pragma once

#include <sstream>
#include <string>

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
