// zv_make_key OUT: writes the bytes of the game's key resource.
#include <cstdio>

#include "common/file_io.h"
#include "data_key.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zv_make_key OUTPUT\n");
        return 2;
    }
    if (!zvtools::WriteWholeFile(argv[1], zvtools::MakeDataKey())) {
        std::fprintf(stderr, "zv_make_key: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
