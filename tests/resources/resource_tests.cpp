// The program's resources as compiled into the executable and as the
// system's own loaders hand them to the controls. The art's exact pixels are
// the generator's business (the art check compares them byte for byte);
// these tests check what the program relies on: sizes, which picture sits
// under which name, and what the system makes of icon, cursor and manifest.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "module_resource.h"
#include "resources/resource_ids.h"

namespace {

// A loaded bitmap's pixels, top row first, as 0x00RRGGBB.
std::vector<DWORD> Pixels(int id, int width, int height)
{
    const HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    BITMAPINFO request = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                          {}};
    std::vector<DWORD> bits(size_t(width * height));
    const HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, height, bits.data(), &request, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    return bits;
}

} // namespace

TEST(BitmapResources, SizesOfTheirHeadersAndWhichPictureIsWhich)
{
    const struct {
        int id;
        LONG width, height;
    } bitmaps[] = {
        {IDB_PRIMARY_BULLET, 11, 11},     {IDB_SECONDARY_BULLET, 11, 11}, {IDB_EXIT_BULLET, 11, 11},
        {IDB_UP_ARROW, 17, 19},           {IDB_UP_ARROW_PRESSED, 17, 19}, {IDB_DOWN_ARROW, 17, 19},
        {IDB_DOWN_ARROW_PRESSED, 17, 19}, {IDB_THUMB_TOP, 17, 2},         {IDB_THUMB_BOTTOM, 17, 2},
        {IDB_THUMB_MIDDLE, 17, 2},
    };
    std::vector<std::vector<DWORD>> seen;
    for (const auto& bitmap : bitmaps) {
        const BITMAPINFOHEADER h =
            ModuleResource(2 /* RT_BITMAP */, bitmap.id).At<BITMAPINFOHEADER>(0);
        EXPECT_EQ(bitmap.width, h.biWidth) << bitmap.id;
        EXPECT_EQ(bitmap.height, h.biHeight) << bitmap.id;
        seen.push_back(Pixels(bitmap.id, bitmap.width, bitmap.height));
        EXPECT_EQ(1, std::count(seen.begin(), seen.end(), seen.back()))
            << "bitmap " << bitmap.id << " shows another one's picture";
    }
    // The up arrows point up: the triangle (pixels unlike the face at x = 2)
    // is narrow at its top; the raised down arrow is the up arrow mirrored.
    for (int i : {3, 4}) {
        std::vector<int> widths;
        for (int y = 0; y < 19; ++y) {
            const auto row = seen[i].begin() + y * 17;
            const auto width =
                std::count_if(row + 2, row + 15, [&](DWORD p) { return p != row[2]; });
            if (width > 0 && y >= 2 && y < 17)
                widths.push_back(int(width));
            EXPECT_TRUE(i == 4 || std::equal(row, row + 17, seen[i + 2].begin() + (18 - y) * 17))
                << "bitmap " << bitmaps[i + 2].id << " mirrors " << bitmaps[i].id << ", row " << y;
        }
        ASSERT_GE(widths.size(), 3u);
        EXPECT_LT(widths.front(), widths.back()) << "bitmap " << bitmaps[i].id;
    }
}

TEST(IconResource, SmallSizesClassicLargeOnesPngAndEachLoadsAtItsOwnSize)
{
    const ModuleResource group(14 /* RT_GROUP_ICON */, IDI_KIVERON);
    ASSERT_EQ(15, group.At<WORD>(4));
    for (size_t i = 0; i < 15; ++i) {
        const size_t entry = 6 + 14 * i;
        const int size = group.At<BYTE>(entry) == 0 ? 256 : group.At<BYTE>(entry);
        SCOPED_TRACE("icon " + std::to_string(i) + ", size " + std::to_string(size));
        const ModuleResource image(3 /* RT_ICON */, group.At<WORD>(entry + 12));
        ASSERT_NE(nullptr, image.data);
        const bool png = image.size > 8 && std::memcmp(image.data, "\x89PNG\r\n\x1A\n", 8) == 0;
        EXPECT_EQ(size > 48, png) << "sizes up to 48 for systems that cannot read PNG";
        // As a system that picks this image makes its icon: the corner
        // outside the disc is transparent, the centre is not.
        const HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(image.data), image.size, TRUE,
                                                    0x00030000, size, size, 0);
        ICONINFO info = {};
        ASSERT_TRUE(icon != nullptr && GetIconInfo(icon, &info));
        BITMAP colour = {};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(size, colour.bmWidth) << "an image of this size, not a scaled one";
        const HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ old = SelectObject(dc, info.hbmMask);
        EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, 0, 0)) << "corner masked";
        EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, size / 2, size / 2)) << "centre opaque";
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(CursorResource, AHandWithItsHotSpotOnTheFingertip)
{
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(
        LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_POINTING_HAND)), &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(13u, info.xHotspot);
    EXPECT_EQ(4u, info.yHotspot);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(ManifestResource, RequestsTheCallersRightsForAnyArchitecture)
{
    const ModuleResource manifest(24 /* RT_MANIFEST */, IDR_APPLICATION_MANIFEST);
    const std::string text(reinterpret_cast<const char*>(manifest.data), manifest.size);
    EXPECT_NE(std::string::npos, text.find("<requestedExecutionLevel level=\"asInvoker\""));
    EXPECT_NE(std::string::npos, text.find("urn:schemas-microsoft-com:asm.v3"));
    EXPECT_EQ(std::string::npos, text.find("processorArchitecture"))
        << "one manifest for 32 and 64 bits";
}
