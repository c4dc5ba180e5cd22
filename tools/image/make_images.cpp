// zv_make_images FOLDER: paints the 20 images of the game's image file as image00.png ..
// image19.png, index = the image's place in the file.
#include <cstdio>
#include <functional>
#include <string>

#include "backdrops.h"
#include "common/file_io.h"
#include "png_file.h"
#include "track_textures.h"

using namespace zvtools;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zv_make_images FOLDER\n");
        return 2;
    }
    const Rgb blue = HexRgb(0x3C7CFF), teal = HexRgb(0x20C8B0), violet = HexRgb(0x9A50FF), amber = HexRgb(0xFF9A30),
              green = HexRgb(0x40E060), red = HexRgb(0xFF4050);
    const std::function<Canvas()> painters[20] = {
        PaintLogo,
        PaintStarfield,
        PaintFixedBlock,
        [] { return PaintPushFace(false); },
        [] { return PaintPushFace(true); },
        PaintMetalPlate,
        PaintPushableBlock,
        [] { return PaintSign(SignKind::Checkpoint); },
        [] { return PaintSign(SignKind::Finish); },
        [] { return PaintSign(SignKind::Start); },
        PaintGem,
        [&] {
            return PaintBackdrop({"ZORVANE", "PILOTS - HELP - CREDITS", teal, false});
        },
        [&] {
            return PaintBackdrop({"SELECT LEVEL", "", violet, false});
        },
        [&] {
            return PaintBackdrop({"ZORVANE", "RACE THE TUNNEL", blue, false});
        },
        [&] {
            return PaintBackdrop({"HIGH SCORES", "", amber, false});
        },
        [&] {
            return PaintBackdrop({"GET READY", "LOADING THE TUNNEL", green, true});
        },
        [&] {
            return PaintBackdrop({"SEE YOU SOON", "THANKS FOR PLAYING", red, true});
        },
        PaintTunnelWall,
        PaintSlideWall,
        PaintTurboArrow,
    };
    for (int i = 0; i < 20; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/image%02d.png", i);
        const auto png = EncodePng(painters[i]());
        if (png.empty() || !WriteWholeFile(argv[1] + std::string(name), png)) {
            std::fprintf(stderr, "zv_make_images: cannot write %s%s\n", argv[1], name);
            return 1;
        }
    }
    return 0;
}
