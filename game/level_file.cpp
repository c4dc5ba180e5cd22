#include "level_file.h"

#include "KMemStream.h"
#include "data_records.h"

namespace LevelFile {

bool ReadRecord(KStream* levels, int index, KMemStream* out)
{
    if (!out) return false;
    out->Close();
    if (!levels || !levels->IsOpen() || index < 0) return false;
    levels->Seek(0);
    for (int record = 0;; ++record) {
        int length = 0;
        if (!DataRecords::ReadLength(levels, &length)) return false;
        if (record == index) {
            if (out->CopyFrom(levels, length) != length) {
                out->Close();
                return false;
            }
            out->Seek(0);
            return true;
        }
        levels->Seek(levels->Tell() + length);
    }
}

bool LoadRecord(const char* fileName, KStream* key, int index, KMemStream* out)
{
    KMemStream file;
    if (!file.LoadFile(fileName) || !file.UnscrambleStream(key, 0)) {
        if (out) out->Close();
        return false;
    }
    return ReadRecord(&file, index, out);
}

KString LessonFileName(int lesson)
{
    KString name;
    name.Format("help\\lesson%d.dat", lesson);
    return name;
}

bool LoadLesson(int lesson, KMemStream* out)
{
    if (!out) return false;
    out->Close();
    if (lesson < 1 || lesson > kLessons) return false;
    if (out->LoadFile(LessonFileName(lesson).c_str())) return true;
    out->Close();
    return false;
}

}  // namespace LevelFile
