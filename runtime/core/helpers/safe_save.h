// Saving over a file without ever losing it: the bytes go to a new temporary file beside it, and
// only a file that was written completely takes the old one's place.
#pragma once

#include <functional>

#include "fw_file.h"
#include "fw_string.h"

namespace qbk {

// write fills the open temporary file and may raise the framework's exceptions. False, with the
// old file as it was and no temporary file left, when the path names a folder or a file that may
// not be written, when the temporary file cannot be made, written or closed, or when it cannot
// replace the old file.
bool SaveFileSafely(const CString& path, const std::function<void(CFile&)>& write);

}  // namespace qbk
