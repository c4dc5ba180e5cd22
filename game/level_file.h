// Where level texts come from: the records of "level.dat" and the plain lesson files.
#pragma once

#include "KString.h"

class KStream;
class KMemStream;

namespace LevelFile {

constexpr int kLessons = 5;

// Copies record `index` of an unscrambled "level.dat" (a decimal length line ended by CR LF, then
// that many bytes, record after record) into `out`, which is emptied first. False when there is no
// such record or it is cut short; `out` then stays empty.
bool ReadRecord(KStream* levels, int index, KMemStream* out);
// Loads the scrambled file whole, unscrambles it with the data-file key and reads the record.
bool LoadRecord(const char* fileName, KStream* key, int index, KMemStream* out);

// "help\lesson" + k + ".dat", k = 1 to 5.
KString LessonFileName(int lesson);
// The whole plain lesson file; false (and `out` empty) for a lesson outside 1 to 5 or a file that
// cannot be read.
bool LoadLesson(int lesson, KMemStream* out);

}  // namespace LevelFile
