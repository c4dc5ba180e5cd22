// INI files (type 18): sections and keys read, written and deleted. The object keeps only the
// file's name; every command reads the whole file, and every change writes it back whole.
#include <cerrno>
#include <cstdio>

#include "command_context.h"
#include "command_table.h"
#include "fw_file.h"
#include "ini_file.h"

namespace {

struct IniFilePart : ObjectPart {
    CString name;
};

// Bits of ReadIniFile's answer.
constexpr int kNoSection = 1;
constexpr int kNoKey = 2;

// The file as three parallel lists (section, key, value), one entry per line kept.
struct IniEntries {
    CStringArray sections, keys, values;

    int Read(const CString& path, const CString& section, const CString& key)
    {
        return ReadIniFile(path, sections, keys, values, section, key);
    }
    int Count() const { return int(sections.GetSize()); }
    bool Is(int i, const CString& section) const { return sections[i] == section; }
    bool Is(int i, const CString& section, const CString& key) const { return Is(i, section) && keys[i] == key; }
    // The first entry of the section with the key, or -1.
    int Find(const CString& section, const CString& key) const
    {
        for (int i = 0; i < Count(); ++i)
            if (Is(i, section, key)) return i;
        return -1;
    }
    void Insert(int i, const CString& section, const CString& key, const CString& value)
    {
        sections.InsertAt(i, section);
        keys.InsertAt(i, key);
        values.InsertAt(i, value);
    }
    void RemoveAt(int i)
    {
        sections.RemoveAt(i);
        keys.RemoveAt(i);
        values.RemoveAt(i);
    }
    void Write(const CString& path) const { WriteIniFile(path, sections, keys, values); }
};

// The file the object names; empty when none is set.
CString FileName(CommandContext& ctx)
{
    IniFilePart* part = ctx.FindPart<IniFilePart>();
    return part ? part->name : CString();
}

// True when the file is missing or empty, so that writing it anew loses nothing.
bool HoldsNothing(const CString& path)
{
    FILE* file = FwOpenFile(path, "rb");
    if (!file) return errno == ENOENT;
    const bool empty = std::fgetc(file) == EOF;
    std::fclose(file);
    return empty;
}

void IniFile_Close(CommandContext& ctx)
{
    if (IniFilePart* part = ctx.FindPart<IniFilePart>()) part->name.Empty();
}

// Pulls a section and a key and reads the object's file; false unless both are found.
bool ReadKey(CommandContext& ctx, IniEntries& ini, CString& path, CString& section, CString& key)
{
    section = ctx.Text();
    key = ctx.Text();
    path = FileName(ctx);
    return !path.IsEmpty() && ini.Read(path, section, key) == 0;
}

void IniFile_Read(CommandContext& ctx)
{
    IniEntries ini;
    CString path, section, key;
    if (ReadKey(ctx, ini, path, section, key)) ctx.SetResult(ini.values[ini.Find(section, key)]);
}

void IniFile_SetFile(CommandContext& ctx)
{
    const CString name = ctx.Text();
    ctx.SetResult("0");
    CFile file;
    // An existing file is never emptied here, also when it cannot be read.
    if (!file.Open(name, CFile::modeRead | CFile::shareDenyNone) &&
        !file.Open(name, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite | CFile::shareDenyNone))
        return;
    file.Abort();
    ctx.EnsurePart<IniFilePart>().name = name;
    ctx.SetResult("1");
}

// Removes every entry of the section from entry `first` on, and writes the file back.
void DeleteSection(CommandContext& ctx, int first)
{
    const CString section = ctx.Text();
    const CString path = FileName(ctx);
    if (path.IsEmpty()) return;
    IniEntries ini;
    const int found = ini.Read(path, section, CString());
    if (found < 0 || (found & kNoSection)) return;
    for (int i = first; i < ini.Count();) {
        if (ini.Is(i, section))
            ini.RemoveAt(i);
        else
            ++i;
    }
    ini.Write(path);
}

void IniFile_DeleteSection(CommandContext& ctx) { DeleteSection(ctx, 0); }
void IniFile_DeleteSectionKeepFirst(CommandContext& ctx) { DeleteSection(ctx, 1); }

void IniFile_DeleteKey(CommandContext& ctx)
{
    IniEntries ini;
    CString path, section, key;
    if (!ReadKey(ctx, ini, path, section, key)) return;
    for (int i = 0; i < ini.Count();) {
        if (ini.Is(i, section, key))
            ini.RemoveAt(i);
        else
            ++i;
    }
    ini.Write(path);
}

void IniFile_Write(CommandContext& ctx)
{
    const CString section = ctx.Text();
    const CString key = ctx.Text();
    const CString value = ctx.Text();
    const CString path = FileName(ctx);
    if (path.IsEmpty()) return;
    IniEntries ini;
    int found = ini.Read(path, section, key);
    if (found < 0) {
        // A file that is there but cannot be read is left alone rather than replaced.
        if (!HoldsNothing(path)) return;
        found = kNoSection | kNoKey;
    }
    if (found & kNoSection) ini.Insert(ini.Count(), section, CString(), CString());
    if (key.IsEmpty()) {
        // No key line can have an empty key: the section alone is made.
    } else if (found & kNoKey) {
        // After the section's first run of entries.
        int at = 0;
        while (at < ini.Count() && !ini.Is(at, section)) ++at;
        while (at < ini.Count() && ini.Is(at, section)) ++at;
        ini.Insert(at, section, key, value);
    } else {
        ini.values[ini.Find(section, key)] = value;
    }
    ini.Write(path);
}

constexpr CommandEntry kIniFile[] = {
    {2, "IniFile_Close", IniFile_Close},  // after the shared commands 0 and 1
    {3, "IniFile_Read", IniFile_Read},
    {4, "IniFile_SetFile", IniFile_SetFile},
    {5, "IniFile_DeleteSection", IniFile_DeleteSection},
    {6, "IniFile_DeleteSectionKeepFirst", IniFile_DeleteSectionKeepFirst},
    {7, "IniFile_DeleteKey", IniFile_DeleteKey},
    {8, "IniFile_Write", IniFile_Write},
};
static_assert(NumbersOwnCommands(kIniFile, qbk::TypeIniFile, 8));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeIniFile, kIniFile)};

}  // namespace

extern const CommandFamily kIniFileFamily("IniFile", kLists);
