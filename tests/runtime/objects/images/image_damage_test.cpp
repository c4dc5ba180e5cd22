// Damaged and hostile image files: every cut point of a PNG and a JPEG, a JPEG whose header claims
// a huge picture, and one of thousands of scans. Each fails cleanly or decodes what it holds.
#include "image_samples.h"
#include "jpeg_codec.h"
#include "png_codec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

using namespace qbk;
using qbktest::Bytes;

namespace {

RgbImage DecodeJpegBytes(const Bytes& bytes)
{
    MemoryReader reader(bytes.data(), bytes.size());
    return DecodeJpeg(reader);
}

// The test pattern as a colour JPEG, in one scan or progressive in ten.
Bytes PatternJpeg(int width, int height, bool progressive)
{
    return qbktest::MakeJpeg(width, height, 3, qbktest::PatternRgb(width, height), 90, progressive);
}

struct JpegLayout {
    std::vector<size_t> frames;  // where each start-of-frame segment starts (its 0xFF)
    std::vector<size_t> scans;  // where each scan's header starts
    std::vector<std::pair<size_t, size_t>> coded;  // each scan's coded data: first byte, end
};

// Walks a JPEG segment by segment and over each scan's coded data.
JpegLayout Layout(const Bytes& jpeg)
{
    JpegLayout layout;
    size_t at = 2;
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
        const uint8_t type = jpeg[at + 1];
        if (type == 0xD9) break;
        if (type == 0xC0 || type == 0xC2) layout.frames.push_back(at);
        const size_t start = at;
        at += 2 + (size_t(jpeg[at + 2]) << 8 | jpeg[at + 3]);
        if (type != 0xDA) continue;
        layout.scans.push_back(start);
        const size_t data = at;
        // Up to the next marker that is neither a stuffed zero nor a restart.
        while (at + 1 < jpeg.size() && !(jpeg[at] == 0xFF && jpeg[at + 1] != 0 && (jpeg[at + 1] & 0xF8) != 0xD0)) ++at;
        layout.coded.push_back({data, at});
    }
    return layout;
}

// A file that ends early decodes, its missing part taken as the end of the image: a cut in any
// scan's coded data gives the whole picture. Before the first scan there is none; a cut inside a
// later table or scan header may fail (the library takes what follows for its contents).
TEST(JpegDamage, EveryCutPointFailsBeforeThePictureAndDecodesAtFullSizeInItsData)
{
    for (bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const int w = 24, h = 16;
        const Bytes jpeg = PatternJpeg(w, h, progressive);
        const JpegLayout layout = Layout(jpeg);
        ASSERT_EQ(layout.scans.size(), progressive ? 10u : 1u);
        auto inCodedData = [&](size_t cut) {
            for (const auto& range : layout.coded)
                if (cut >= range.first && cut <= range.second) return true;
            return false;
        };
        int decoded = 0;
        for (size_t cut = 0; cut < jpeg.size(); ++cut) {
            const RgbImage img = DecodeJpegBytes(Bytes(jpeg.begin(), jpeg.begin() + cut));
            if (cut <= layout.scans.front()) {
                ASSERT_FALSE(img) << "cut at " << cut << " of " << jpeg.size();
            }
            if (inCodedData(cut)) {
                ASSERT_TRUE(img) << "cut at " << cut << " of " << jpeg.size();
            }
            if (!img) continue;
            ++decoded;
            ASSERT_EQ(img.width, w) << "cut at " << cut;
            ASSERT_EQ(img.height, h) << "cut at " << cut;
        }
        EXPECT_GT(decoded, 0);
    }
}

TEST(JpegDamage, AHeaderClaimingAHugePictureIsRefusedBeforeDecoding)
{
    Bytes jpeg = PatternJpeg(16, 16, false);
    ASSERT_TRUE(DecodeJpegBytes(jpeg));
    const size_t frame = Layout(jpeg).frames.front();
    // Height and width: 65000 x 65000 pixels, over 12 billion bytes of RGB (past 32 bits too).
    for (size_t at : {frame + 5, frame + 7}) {
        jpeg[at] = 65000 >> 8;
        jpeg[at + 1] = 65000 & 0xFF;
    }
    EXPECT_FALSE(DecodeJpegBytes(jpeg));
}

TEST(JpegDamage, AStreamOfThousandsOfScansIsRefused)
{
    const Bytes jpeg = PatternJpeg(16, 16, true);
    const std::vector<size_t> scans = Layout(jpeg).scans;
    ASSERT_GE(scans.size(), 5u);
    ASSERT_TRUE(DecodeJpegBytes(jpeg)) << "a few scans are fine";
    // The last scan again and again before the end of the image.
    const size_t end = jpeg.size() - 2;
    const Bytes last(jpeg.begin() + scans.back(), jpeg.begin() + end);
    Bytes many(jpeg.begin(), jpeg.begin() + end);
    for (int i = 0; i < 3000; ++i) many.insert(many.end(), last.begin(), last.end());
    many.insert(many.end(), {0xFF, 0xD9});
    EXPECT_FALSE(DecodeJpegBytes(many));
}

TEST(PngDamage, EveryCutPointFailsWithACodeAndNoPicture)
{
    for (bool interlaced : {false, true}) {
        SCOPED_TRACE(interlaced ? "interlaced" : "plain");
        qbktest::PngSpec s;
        s.width = 12;
        s.height = 9;
        s.colorType = 2;  // RGB
        s.interlaced = interlaced;
        s.rows = qbktest::PatternRgb(12, 9);
        const Bytes png = qbktest::MakePng(s);
        for (size_t cut = 0; cut < png.size(); ++cut) {
            const Bytes part(png.begin(), png.begin() + cut);
            char error[kPngErrorTextSize] = {};
            PngReadRequest req;
            req.memory = part.data();
            req.memorySize = part.size();
            req.errorText = error;
            const int code = ReadPngToDib(&req);
            std::free(req.dib);
            ASSERT_NE(code, kPngOk) << "cut at " << cut << " of " << png.size();
            ASSERT_EQ(req.dib, nullptr) << "cut at " << cut;
            ASSERT_STRNE(error, "") << "cut at " << cut;
        }
    }
}

}  // namespace
