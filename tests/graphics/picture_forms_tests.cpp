// Pictures as drawing programs write them (longer headers, bit fields, RLE
// streams): each is drawn as GDI draws the file's own bytes, from a block
// that every GDI draws. Hostile RLE streams are expanded without a window.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "file_dib.h"
#include "graphics/draw_surface.h"
#include "graphics/rle_decoder.h"
#include "support/menu_process.h"

namespace {

std::string ReadPicture(const char* name)
{
    std::ifstream file(HostPath(std::string(PICTURES_DIR) + "/" + name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace

TEST(PictureForms, DrawnAsGdiDrawsTheFileFromA40ByteRgbBlock)
{
    const struct {
        const char* file;
        WORD blockBits;
        LONG height;
    } pictures[] = {
        {"v4-header-24.bmp", 24, 7},
        {"v5-header-24.bmp", 24, 7},      // ImageMagick's default
        {"v5-bit-fields-32.bmp", 32, 7},  // ImageMagick, with alpha
        {"v5-bit-fields-565.bmp", 24, 7}, // ImageMagick's RGB565
        {"bit-fields-10-10-10-top-down.bmp", 32, -7},
        {"rle8.bmp", 8, 7},                 // ImageMagick's BMP3 with RLE
        {"rle4-delta-early-end.bmp", 4, 7}, // pixels skipped by a delta and an early end
    };
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.file);
        const std::string bytes = ReadPicture(picture.file);
        FileDib dib;
        ASSERT_EQ("", ReadFileDib(bytes, dib));
        CDrawSurface7 surface;
        ASSERT_TRUE(
            surface.LoadBitmapFile(HostPath(std::string(PICTURES_DIR) + "/" + picture.file)));
        const BITMAPINFOHEADER& header = surface.Header();
        EXPECT_EQ(40u, header.biSize);
        EXPECT_EQ(DWORD(BI_RGB), header.biCompression);
        EXPECT_EQ(picture.blockBits, header.biBitCount);
        ASSERT_EQ(13, surface.GetSize().cx);
        ASSERT_EQ(picture.height, surface.GetSize().cy);
        const RECT all{0, 0, 13, 7};
        const std::vector<DWORD> drawn =
            Render(all, [&](HDC dc, const RECT& box) { return surface.Draw(dc, box, false); });
        const std::vector<DWORD> gdi = DrawFileDib(dib, all);
        ASSERT_FALSE(gdi.empty()) << "GDI draws the file";
        EXPECT_EQ(gdi, drawn);
        EXPECT_NE(std::count(gdi.begin(), gdi.end(), gdi[0]), std::ptrdiff_t(gdi.size()))
            << "a picture, not a fill";
    }
}

TEST(RleDecoder, CutsAtTheRowAndEndsWhereTheStreamLeavesTheImage)
{
    using End = RleDecoder::End;
    const struct {
        const char* name;
        std::vector<BYTE> stream;
        WORD bits;
        LONG width;
        std::vector<BYTE> rows; // two rows, bottom first
        End end;
    } cases[] = {
        {"runs, end of line, end of bitmap",
         {2, 5, 2, 6, 0, 0, 4, 7, 0, 1},
         8,
         4,
         {5, 5, 6, 6, 7, 7, 7, 7},
         End::EndOfBitmap},
        {"run past the row: cut at its end",
         {3, 7, 2, 9, 0, 0, 4, 1},
         8,
         4,
         {7, 7, 7, 9, 1, 1, 1, 1},
         End::StreamEnded},
        {"literal past the row",
         {0, 3, 1, 2, 3, 0, 0, 3, 4, 5, 6, 0},
         8,
         4,
         {1, 2, 3, 4, 0, 0, 0, 0},
         End::StreamEnded},
        {"delta past the row stops at its end",
         {1, 5, 0, 2, 4, 0, 1, 7, 0, 0, 1, 6},
         8,
         4,
         {5, 0, 0, 0, 6, 0, 0, 0},
         End::StreamEnded},
        {"delta past the image",
         {1, 5, 0, 2, 0, 2, 1, 6},
         8,
         4,
         {5, 0, 0, 0, 0, 0, 0, 0},
         End::OutOfBounds},
        {"delta within: skipped pixels stay",
         {0, 2, 1, 1, 2, 8, 0, 1},
         8,
         4,
         {0, 0, 0, 0, 0, 8, 8, 0},
         End::EndOfBitmap},
        {"end of line after the last row",
         {4, 1, 0, 0, 4, 2, 0, 0, 4, 3},
         8,
         4,
         {1, 1, 1, 1, 2, 2, 2, 2},
         End::EndOfBitmap},
        {"missing end of bitmap", {2, 6}, 8, 4, {6, 6, 0, 0, 0, 0, 0, 0}, End::StreamEnded},
        {"literal cut by the stream's end",
         {1, 3, 0, 4, 1, 2},
         8,
         4,
         {3, 0, 0, 0, 0, 0, 0, 0},
         End::StreamEnded},
        {"delta cut by the stream's end",
         {1, 3, 0, 2, 1},
         8,
         4,
         {3, 0, 0, 0, 0, 0, 0, 0},
         End::StreamEnded},
        {"nibble run and odd literal",
         {3, 0x12, 0, 3, 0x34, 0x50, 0, 1},
         4,
         6,
         {0x12, 0x13, 0x45, 0, 0, 0, 0, 0},
         End::EndOfBitmap},
        {"nibble run past the row",
         {5, 0x12, 2, 0x34},
         4,
         6,
         {0x12, 0x12, 0x13, 0, 0, 0, 0, 0},
         End::StreamEnded},
    };
    for (const auto& c : cases) {
        std::vector<BYTE> rows(8, 0);
        EXPECT_EQ(c.end, RleDecoder::Decode(c.stream.data(), c.stream.size(), c.bits, c.width, 2,
                                            rows.data(), 4))
            << c.name;
        EXPECT_EQ(c.rows, rows) << c.name;
    }
}
