#include "scrambled_table.h"

#include "KIniFile.h"
#include "KMemStream.h"
#include "file_replace.h"

#include <cerrno>
#include <cstdio>

namespace ScrambledTable {

LoadResult Load(KIniFile& table, const char* fileName, KStream* key)
{
    table.Clear();
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
    return table.LoadFromStream(&file) ? kLoaded : kUnreadable;
}

bool Save(KIniFile& table, const char* fileName, KStream* key)
{
    KMemStream& text = table.GetStream();
    KMemStream scrambled;
    const int size = text.Size();
    if (!text.ScrambleStream(key, 0, &scrambled) || scrambled.Size() != size) return false;
    return ReplaceFileContents(fileName, scrambled.GetData(), static_cast<size_t>(size));
}

}  // namespace ScrambledTable
