// The program's resources as compiled into the executable: read as their
// bytes, and each icon image as the system's own loader makes it. The art's
// exact pixels are the generator's business (the art check compares them
// byte for byte); these tests check what the program relies on: sizes, which
// picture sits under which name, and what the system makes of icon, cursor
// and manifest.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "resources/resource_ids.h"
#include "support/bitmap_file.h"
#include "support/desktop_input.h"

namespace {

// The bytes of a resource of the running executable; none when it has none.
std::string Resource(int type, int id)
{
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    return bytes ? std::string(bytes, SizeofResource(nullptr, found)) : std::string();
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
    std::vector<std::string> seen;
    for (const auto& bitmap : bitmaps) {
        seen.push_back(Resource(2 /* RT_BITMAP */, bitmap.id));
        const auto header = FieldAt<BITMAPINFOHEADER>(seen.back(), 0);
        EXPECT_TRUE(header.biWidth == bitmap.width && header.biHeight == bitmap.height)
            << bitmap.id;
        EXPECT_EQ(1, std::count(seen.begin(), seen.end(), seen.back()))
            << "bitmap " << bitmap.id << " shows another one's picture";
    }
    // The up arrows point up: the triangle (pixels unlike the face at x = 2)
    // is narrow at its top; the raised down arrow is the up arrow mirrored.
    // The arrows' rows are 51 bytes of 24-bit pixels and one to fill them to
    // 4 bytes, the bottom row first after the header.
    for (int i : {3, 4}) {
        std::vector<int> widths;
        for (int y = 2; y < 17; ++y) {
            const std::string row = seen[i].substr(40 + 52 * (18 - y), 52);
            int width = 0;
            for (int x = 3; x < 15; ++x)
                width += row.compare(3 * x, 3, row, 6, 3) != 0;
            if (width > 0)
                widths.push_back(width);
            EXPECT_TRUE(i == 4 || row == seen[i + 2].substr(40 + 52 * y, 52))
                << "bitmap " << bitmaps[i + 2].id << " mirrors " << bitmaps[i].id << ", row " << y;
        }
        ASSERT_GE(widths.size(), 3u);
        EXPECT_LT(widths.front(), widths.back()) << "bitmap " << bitmaps[i].id;
    }
}

TEST(IconResource, SmallSizesClassicLargeOnesPngAndEachMaskedAroundItsDisc)
{
    const std::string group = Resource(14 /* RT_GROUP_ICON */, IDI_KIVERON);
    ASSERT_EQ(15, FieldAt<WORD>(group, 4));
    for (size_t entry = 6; entry < 6 + 14 * 15; entry += 14) {
        const int size = FieldAt<BYTE>(group, entry) == 0 ? 256 : FieldAt<BYTE>(group, entry);
        SCOPED_TRACE("icon of size " + std::to_string(size));
        std::string image = Resource(3 /* RT_ICON */, FieldAt<WORD>(group, entry + 12));
        const bool png = image.rfind("\x89PNG\r\n\x1A\n", 0) == 0;
        EXPECT_EQ(size > 48, png) << "sizes up to 48 for systems that cannot read PNG";
        // As a system that picks this image masks it: the corner outside the
        // disc is transparent, the centre is not.
        const HICON icon =
            CreateIconFromResourceEx(reinterpret_cast<BYTE*>(image.data()), DWORD(image.size()),
                                     TRUE, 0x00030000, size, size, 0);
        ASSERT_NE(nullptr, icon);
        const Pixels mask = CaptureDrawing(size, size, [&](HDC dc) {
            DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_MASK);
        });
        EXPECT_EQ(RGB(255, 255, 255), mask.At(0, 0)) << "corner masked";
        EXPECT_EQ(RGB(0, 0, 0), mask.At(size / 2, size / 2)) << "centre opaque";
        // A paletted image's colour is XORed onto the background where the
        // mask is set: only black leaves the background as it is.
        const Pixels drawn = CaptureDrawing(size, size, [&](HDC dc) {
            DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        });
        EXPECT_EQ(kPictureColour, drawn.At(0, 0)) << "corner shows what lies under it";
        DestroyIcon(icon);
    }
}

// The hot spot leads the image in the cursor resource that the group's
// first entry names.
TEST(CursorResource, AHandWithItsHotSpotOnTheFingertip)
{
    const std::string group = Resource(12 /* RT_GROUP_CURSOR */, IDCUR_POINTING_HAND);
    const std::string cursor = Resource(1 /* RT_CURSOR */, FieldAt<WORD>(group, 6 + 12));
    EXPECT_EQ((std::pair<WORD, WORD>(13, 4)),
              std::pair(FieldAt<WORD>(cursor, 0), FieldAt<WORD>(cursor, 2)));
}

TEST(ManifestResource, RequestsTheCallersRightsForAnyArchitecture)
{
    const std::string text = Resource(24 /* RT_MANIFEST */, IDR_APPLICATION_MANIFEST);
    EXPECT_NE(std::string::npos, text.find("<requestedExecutionLevel level=\"asInvoker\""));
    EXPECT_NE(std::string::npos, text.find("urn:schemas-microsoft-com:asm.v3"));
    EXPECT_EQ(std::string::npos, text.find("processorArchitecture"))
        << "one manifest for 32 and 64 bits";
}
