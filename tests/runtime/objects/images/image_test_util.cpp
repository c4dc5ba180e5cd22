#include "image_test_util.h"

#include "win_test_support.h"

std::string qbktest::ScratchPath(const char* name) { return zvtest::TempDir() + name; }
