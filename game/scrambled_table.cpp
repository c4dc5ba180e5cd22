#include "scrambled_table.h"

#include "KMemStream.h"
#include "file_replace.h"

#include <cerrno>
#include <cstdio>

namespace {

enum LoadResult {
    kLoaded,  // the file's text is in the table
    kMissing,  // no file, or an empty one: the defaults
    kUnreadable,  // a file is there but could not be read or unscrambled
};

LoadResult LoadText(KIniFile& text, const char* fileName, KStream* key)
{
    text.Clear();
    if (!fileName || !*fileName) return kMissing;
    errno = 0;
    std::FILE* probe = std::fopen(fileName, "rb");
    // Only a file that is not there is missing: one that cannot be opened (locked, denied) must not
    // be replaced by a fresh table at the next save.
    if (!probe) return errno == ENOENT ? kMissing : kUnreadable;
    const bool empty = std::fgetc(probe) == EOF;
    const bool failed = std::ferror(probe) != 0;
    std::fclose(probe);
    if (failed) return kUnreadable;
    if (empty) return kMissing;
    KMemStream file;
    if (!file.LoadFile(fileName) || !file.UnscrambleStream(key, 0)) return kUnreadable;
    file.Seek(0);
    return text.LoadFromStream(&file) ? kLoaded : kUnreadable;
}

}  // namespace

bool ScrambledTable::Load(const char* fileName, KStream* key)
{
    const LoadResult result = LoadText(text_, fileName, key);
    if (result == kLoaded)
        ParseText();
    else
        ResetAll();
    return result != kUnreadable;
}

bool ScrambledTable::Save(const char* fileName, KStream* key)
{
    KMemStream& text = Text().GetStream();
    KMemStream scrambled;
    const int size = text.Size();
    if (!text.ScrambleStream(key, 0, &scrambled) || scrambled.Size() != size) return false;
    return ReplaceFileContents(fileName, scrambled.GetData(), static_cast<size_t>(size));
}

void ScrambledTable::ReadText(KStream* text)
{
    text_.LoadFromStream(text);
    ParseText();
}

KString ScrambledTable::Number(int value)
{
    KString text;
    text.Format("%d", value);
    return text;
}

KIniFile& ScrambledTable::Text()
{
    WriteChanges();
    return text_;
}
