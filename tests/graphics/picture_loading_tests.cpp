// The picture loader on untrusted files: its size arithmetic without files,
// the layouts that drawing programs write, drawn as GDI draws the file's own
// bytes from a 40-byte BI_RGB block, and the files it must refuse while
// keeping the picture it shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <utility>

#include "graphics/bitmap_layout.h"
#include "graphics/draw_surface.h"
#include "graphics/rle_decoder.h"
#include "support/bitmap_file.h"
#include "support/menu_process.h"
#include "support/temp_folder.h"
#include "table_rows.h"

namespace {

constexpr std::uint64_t kHuge = std::uint64_t(1) << 40;

BITMAPINFOHEADER Header(LONG width, LONG height, WORD bits, DWORD sizeImage = 0, DWORD clrUsed = 0)
{
    return BITMAPINFOHEADER{40, width, height, 1, bits, BI_RGB, sizeImage, 0, 0, clrUsed, 0};
}

std::string ReadPicture(const std::string& name)
{
    std::ifstream file(HostPath(std::string(PICTURES_DIR) + "/" + name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Pattern(7, 3, 16) as BI_BITFIELDS with the 5-5-5 masks of plain 16-bit rows.
Bmp BitFields()
{
    Bmp bmp = Pattern(7, 3, 16);
    bmp.info.biCompression = BI_BITFIELDS;
    bmp.extension = BytesOf(DWORD(0x7C00)) + BytesOf(DWORD(0x3E0)) + BytesOf(DWORD(0x1F));
    return bmp;
}

std::vector<DWORD> Drawn(const CDrawSurface7& surface, int width, int height)
{
    return Render(width, height, [&](HDC dc) {
        return surface.Draw(dc, RECT{0, 0, width, height}, false);
    });
}

} // namespace

TEST(BitmapLayoutPlan, PlansWhatTheFileHoldsAndNothingThatWraps)
{
    BitmapLayout layout; // 3 x 2 at 8 bits: rows of 4 bytes, 256 colours, biSizeImage computed
    ASSERT_TRUE(BitmapLayout::Plan(Header(3, 2, 8), 0, 54 + 1024 + 8, layout));
    EXPECT_EQ((std::vector<std::uint64_t>{256, 8, 54 + 1024, 40 + 1024 + 8}),
              (std::vector<std::uint64_t>{layout.ColorTableEntries(), layout.ImageSize(),
                                          layout.PixelDataStart(), layout.BlockSize()}));
    for (const TableRow& row : TableRows(GRAPHICS_DATA_DIR "/layout-plans.txt")) {
        const auto h = Numbers<DWORD>(row[1]);
        const std::uint64_t fileSize = std::stoull(row[2]);
        EXPECT_EQ(Numbers<int>(row[4])[0] == 1,
                  BitmapLayout::Plan(Header(LONG(h[0]), LONG(h[1]), WORD(h[2]), h[3], h[4]),
                                     std::stoul(row[3]), fileSize ? fileSize : kHuge, layout))
            << row[0];
    }
}

// Every depth, the odd layouts that are still valid, and small pictures as
// ImageMagick and GIMP write them (V4/V5 headers, bit fields, top-down, RLE).
TEST(PictureLoading, EveryLayoutIsDrawnAsGdiDrawsTheFileFromA40ByteRgbBlock)
{
    std::vector<std::pair<std::string, std::string>> files;
    for (int bits : {1, 4, 8, 16, 24, 32}) { // 7 wide: every depth pads its rows
        Bmp bmp = Pattern(7, 3, bits);
        files.emplace_back(std::to_string(bits) + " bits", bmp.Bytes());
        bmp.info.biSizeImage = 0;
        files.emplace_back(std::to_string(bits) + " bits, biSizeImage 0", bmp.Bytes());
    }
    Bmp shortTable = Pattern(5, 3, 8); // indices 0..10 only: 16 colours, offset 0
    shortTable.table.resize(16);
    shortTable.info.biClrUsed = 16;
    shortTable.autoOffset = false;
    Bmp gap = Pattern(4, 2, 24);
    gap.autoOffset = false;
    gap.file.bfOffBits = gap.Offset() + 10;
    gap.pixels.insert(0, 10, '\x77');
    Bmp padded = Pattern(3, 2, 24);
    padded.info.biSizeImage += 32;
    padded.pixels += std::string(32, '\0');
    Bmp topDown = Pattern(3, 2, 24);
    topDown.info.biHeight = -2;
    for (const auto& odd :
         {std::make_pair("16-colour table", shortTable), std::make_pair("gap", gap),
          std::make_pair("padded", padded), std::make_pair("top-down", topDown),
          std::make_pair("5-5-5", BitFields())})
        files.emplace_back(odd.first, odd.second.Bytes());
    for (const char* name :
         {"v4-header-24.bmp", "v5-header-24.bmp", "v5-bit-fields-32.bmp", "v5-bit-fields-565.bmp",
          "bit-fields-10-10-10-top-down.bmp", "rle8.bmp", "rle4-delta-early-end.bmp"})
        files.emplace_back(name, ReadPicture(name));
    TempFolder folder;
    for (const auto& file : files) {
        SCOPED_TRACE(file.first);
        FileDib dib;
        ASSERT_EQ("", ReadFileDib(file.second, dib));
        CDrawSurface7 surface;
        ASSERT_TRUE(surface.LoadBitmapFile(folder.WriteFile("picture.bmp", file.second)));
        const LONG width = FieldAt<LONG>(file.second, 18), height = FieldAt<LONG>(file.second, 22);
        EXPECT_EQ(width, surface.GetSize().cx);
        EXPECT_EQ(height, surface.GetSize().cy) << "the height as the file states it";
        EXPECT_EQ(40u, surface.Header().biSize);
        EXPECT_EQ(DWORD(BI_RGB), surface.Header().biCompression);
        const std::vector<DWORD> gdi = DrawFileDib(dib, width, std::abs(height));
        ASSERT_FALSE(gdi.empty()) << "GDI draws the file";
        EXPECT_NE(std::count(gdi.begin(), gdi.end(), gdi[0]), std::ptrdiff_t(gdi.size()))
            << "a picture, not a fill";
        EXPECT_EQ(gdi, Drawn(surface, width, std::abs(height)));
    }
}

TEST(PictureLoading, RejectedFilesLeaveTheLoadedPictureInPlace)
{
    TempFolder folder;
    const std::string shown = Pattern(6, 2, 24).Bytes();
    CDrawSurface7 surface;
    ASSERT_TRUE(surface.LoadBitmapFile(folder.WriteFile("shown.bmp", shown)));
    const std::vector<DWORD> before = Drawn(surface, 6, 2);
    for (const TableRow& row : TableRows(GRAPHICS_DATA_DIR "/rejected-files.txt")) {
        std::string bytes =
            (row[1].find("masks") != std::string::npos ? BitFields() : Pattern(4, 3, 8)).Bytes();
        const auto fields = Numbers<DWORD>(row[2]);
        for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
            const std::size_t at = fields[i],
                              size = at == 0 || at == 6 || at == 8 || at == 26 || at == 28 ? 2 : 4;
            bytes.replace(at, size, BytesOf(fields[i + 1]), 0, size);
        }
        bytes.resize(bytes.size() - std::stoul(row[3]));
        EXPECT_FALSE(surface.LoadBitmapFile(folder.WriteFile("spoilt.bmp", bytes))) << row[0];
        EXPECT_EQ(6, surface.GetSize().cx) << row[0];
        EXPECT_EQ(before, Drawn(surface, 6, 2)) << row[0];
    }
    CDrawSurface7 never;
    EXPECT_FALSE(never.LoadBitmapFile(folder.PathOf("missing.bmp")));
    EXPECT_FALSE(never.HasImage());
}

TEST(RleDecoder, CutsAtTheRowAndEndsWhereTheStreamLeavesTheImage)
{
    for (const TableRow& row : TableRows(GRAPHICS_DATA_DIR "/rle-cases.txt")) {
        const auto stream = Numbers<BYTE>(row[1]);
        const WORD bits = WORD(std::stoul(row[2]));
        std::vector<BYTE> rows(8, 0);
        EXPECT_EQ(RleDecoder::End(std::stoi(row[4])),
                  RleDecoder::Decode(stream.data(), stream.size(), bits, bits == 8 ? 4 : 6, 2,
                                     rows.data(), 4))
            << row[0];
        EXPECT_EQ(Numbers<BYTE>(row[3]), rows) << row[0];
    }
}
