// The loader's arithmetic on untrusted headers, without files: the file size
// is passed in, so the checks against wrapping can be tried on their own with
// a file large enough for anything.
#include <gtest/gtest.h>

#include "graphics/bitmap_layout.h"

namespace {

constexpr std::uint64_t kHeaders = 14 + 40;
constexpr std::uint64_t kHugeFile = std::uint64_t(1) << 40;

BITMAPINFOHEADER Header(LONG width, LONG height, WORD bitCount) {
    BITMAPINFOHEADER header{};
    header.biSize = 40;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = bitCount;
    header.biCompression = BI_RGB;
    return header;
}

bool Plans(const BITMAPINFOHEADER& header, std::uint64_t fileSize, DWORD pixelOffset = 0) {
    BitmapLayout layout;
    return BitmapLayout::Plan(header, pixelOffset, fileSize, layout);
}

} // namespace

TEST(BitmapLayoutPlan, FileMustHoldTableAndImageToTheLastByte) {
    BITMAPINFOHEADER header = Header(3, 2, 8); // rows of 4 bytes, 256 colours
    const std::uint64_t exact = kHeaders + 256 * 4 + 8;
    BitmapLayout layout;
    ASSERT_TRUE(BitmapLayout::Plan(header, 0, exact, layout));
    EXPECT_EQ(256u, layout.ColorTableEntries());
    EXPECT_EQ(8u, layout.ImageSize()) << "biSizeImage 0 is computed";
    EXPECT_EQ(kHeaders + 1024, layout.PixelDataStart());
    EXPECT_EQ(40u + 1024 + 8, layout.BlockSize());
    EXPECT_FALSE(Plans(header, exact - 1));

    EXPECT_FALSE(Plans(header, kHeaders + 1023)) << "colour table cut short";

    // An explicit pixel offset moves where the image must end.
    EXPECT_TRUE(Plans(header, exact + 100, static_cast<DWORD>(kHeaders + 1024 + 100)));
    EXPECT_FALSE(Plans(header, exact + 99, static_cast<DWORD>(kHeaders + 1024 + 100)));
}

TEST(BitmapLayoutPlan, StatedImageSizeMustCoverEveryRow) {
    BITMAPINFOHEADER header = Header(5, 4, 24); // rows of 16 bytes
    header.biSizeImage = 64;
    EXPECT_TRUE(Plans(header, kHugeFile));
    header.biSizeImage = 63;
    EXPECT_FALSE(Plans(header, kHugeFile)) << "GDI would read past the block";
    header.biSizeImage = 100;
    BitmapLayout layout;
    ASSERT_TRUE(BitmapLayout::Plan(header, 0, kHugeFile, layout));
    EXPECT_EQ(100u, layout.ImageSize()) << "a larger stated size is read whole";
}

TEST(BitmapLayoutPlan, TopDownPicturesNeedAStatedSize) {
    BITMAPINFOHEADER header = Header(5, -4, 24);
    EXPECT_FALSE(Plans(header, kHugeFile));
    header.biSizeImage = 64;
    EXPECT_TRUE(Plans(header, kHugeFile));
    header.biSizeImage = 63;
    EXPECT_FALSE(Plans(header, kHugeFile)) << "|biHeight| rows are read";
}

TEST(BitmapLayoutPlan, RejectsSizesThatWouldWrapIn32Bits) {
    // 32 x 0x08000000 bits is exactly 2^32: a 32-bit row size would be 0.
    EXPECT_FALSE(Plans(Header(0x08000000, 1, 32), kHugeFile));
    EXPECT_TRUE(Plans(Header(0x07FFFFFF, 1, 32), kHugeFile)) << "just below the wrap";

    // Rows of 65536 bytes, 65536 of them: 2^32 again.
    EXPECT_FALSE(Plans(Header(0x4000, 0x10000, 32), kHugeFile));
    BITMAPINFOHEADER wrapsWhenNegative = Header(0x4000, -0x10000, 32);
    wrapsWhenNegative.biSizeImage = 0xFFFFFFFF;
    EXPECT_FALSE(Plans(wrapsWhenNegative, kHugeFile));

    // 4 x 0x40000001 colour entries is 2^32 + 4.
    BITMAPINFOHEADER table = Header(1, 1, 24);
    table.biClrUsed = 0x40000001;
    EXPECT_FALSE(Plans(table, kHugeFile));

    // Table and image each fit, their sum with the header does not.
    BITMAPINFOHEADER sum = Header(1, 1, 8);
    sum.biClrUsed = 0x3FFFFFF0;  // 0xFFFFFFC0 bytes
    sum.biSizeImage = 0x100;
    EXPECT_FALSE(Plans(sum, kHugeFile));
}

TEST(BitmapLayoutPlan, NeverPlansMoreThanTheFileSupplies) {
    BITMAPINFOHEADER header = Header(4, 4, 24);
    header.biSizeImage = 0x7FFFFFF0;
    EXPECT_FALSE(Plans(header, 4096));
    header.biSizeImage = 0;
    header.biClrUsed = 0x00FFFFFF;
    EXPECT_FALSE(Plans(header, 4096));
    EXPECT_FALSE(Plans(Header(4, 4, 24), 4096, 0xFFFFFF00)) << "pixel offset past the end";
}
