// The loader's arithmetic on untrusted headers, without files: with the file
// size passed in, the checks against wrapping are tried with a file large
// enough for anything. Files cut short are the load tests' business.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/bitmap_layout.h"

namespace {

constexpr std::uint64_t kHuge = std::uint64_t(1) << 40;

BITMAPINFOHEADER Header(LONG width, LONG height, WORD bits, DWORD sizeImage = 0, DWORD clrUsed = 0)
{
    return BITMAPINFOHEADER{40, width, height, 1, bits, BI_RGB, sizeImage, 0, 0, clrUsed, 0};
}

} // namespace

TEST(BitmapLayoutPlan, PlansExactlyWhatTheFileHolds)
{
    BitmapLayout layout; // 3 x 2 at 8 bits: rows of 4 bytes, 256 colours, biSizeImage computed
    ASSERT_TRUE(BitmapLayout::Plan(Header(3, 2, 8), 0, 54 + 1024 + 8, layout));
    const std::uint64_t got[] = {layout.ColorTableEntries(), layout.ImageSize(),
                                 layout.PixelDataStart(), layout.BlockSize()};
    const std::uint64_t want[] = {256, 8, 54 + 1024, 40 + 1024 + 8};
    EXPECT_EQ(std::vector<std::uint64_t>(want, want + 4), std::vector<std::uint64_t>(got, got + 4));
    ASSERT_TRUE(BitmapLayout::Plan(Header(5, 4, 24, 100), 0, kHuge, layout));
    EXPECT_EQ(100u, layout.ImageSize()) << "a larger stated size is read whole";
}

TEST(BitmapLayoutPlan, AcceptsOnlyWhatGdiCanReadSafely)
{
    const struct {
        const char* name;
        BITMAPINFOHEADER header;
        std::uint64_t fileSize;
        DWORD pixelOffset;
        bool plans;
    } cases[] = {
        {"pixel offset moves the end", Header(3, 2, 8), 54 + 1024 + 108, 54 + 1024 + 100, true},
        {"pixel offset one byte too far", Header(3, 2, 8), 54 + 1024 + 107, 54 + 1024 + 100, false},
        {"stated size covers every row", Header(5, 4, 24, 64), kHuge, 0, true},
        {"stated size one byte short of the rows", Header(5, 4, 24, 63), kHuge, 0, false},
        {"top-down with a stated size", Header(5, -4, 24, 64), kHuge, 0, true},
        {"top-down: |height| rows are read", Header(5, -4, 24, 63), kHuge, 0, false},
        {"32 x 0x08000000 bits is 2^32", Header(0x08000000, 1, 32), kHuge, 0, false},
        {"just below the row wrap", Header(0x07FFFFFF, 1, 32), kHuge, 0, true},
        {"65536 rows of 65536 bytes", Header(0x4000, 0x10000, 32), kHuge, 0, false},
        {"the same top-down", Header(0x4000, -0x10000, 32, 0xFFFFFFFF), kHuge, 0, false},
        {"colour table of 2^32 + 4 bytes", Header(1, 1, 24, 0, 0x40000001), kHuge, 0, false},
        {"table plus image wraps", Header(1, 1, 8, 0x100, 0x3FFFFFF0), kHuge, 0, false},
        {"table larger than the file", Header(4, 4, 24, 0, 0x00FFFFFF), 4096, 0, false},
    };
    for (const auto& c : cases) {
        BitmapLayout layout;
        EXPECT_EQ(c.plans, BitmapLayout::Plan(c.header, c.pixelOffset, c.fileSize, layout))
            << c.name;
    }
}
