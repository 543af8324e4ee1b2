// The bitmaps as compiled into the executable: size and depth from their
// headers, and the colour rules the controls rely on, read back through
// LoadBitmap and GetDIBits as the controls load them.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "module_resource.h"
#include "resources/resource_ids.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
COLORREF Grey(int level)
{
    return RGB(level, level, level);
}

// A loaded bitmap's pixels, top row first.
struct Pixels {
    explicit Pixels(int id)
    {
        const HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
        BITMAP info = {};
        GetObjectA(bitmap, sizeof info, &info);
        width = info.bmWidth;
        BITMAPINFO request = {
            {sizeof(BITMAPINFOHEADER), width, -info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        bits.resize(size_t(width * info.bmHeight));
        const HDC screen = GetDC(nullptr);
        GetDIBits(screen, bitmap, 0, info.bmHeight, bits.data(), &request, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        DeleteObject(bitmap);
    }
    COLORREF At(int x, int y) const
    {
        const DWORD v = bits[size_t(y * width + x)];
        return RGB(v >> 16 & 0xFF, v >> 8 & 0xFF, v & 0xFF);
    }
    int width = 0;
    std::vector<DWORD> bits;
};

} // namespace

TEST(BitmapResources, SizesAndDepthsFromTheirHeaders)
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
    for (const auto& bitmap : bitmaps) {
        const ModuleResource resource(2 /* RT_BITMAP */, bitmap.id);
        const BITMAPINFOHEADER h = resource.At<BITMAPINFOHEADER>(0);
        const LONG got[] = {LONG(h.biSize), h.biWidth, h.biHeight, h.biBitCount,
                            LONG(h.biCompression)};
        const LONG want[] = {40, bitmap.width, bitmap.height, 24,
                             BI_RGB}; // bottom-up rows, 24 bits
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(want[i], got[i]) << "bitmap " << bitmap.id << ", field " << i;
        EXPECT_GE(resource.size, DWORD(40 + (bitmap.width * 3 + 3) / 4 * 4 * bitmap.height))
            << "every row is there";
    }
}

TEST(BitmapResources, BulletsAreDiscsWithAWhiteTriangleThatPointsRight)
{
    for (const auto& bullet : {std::make_pair(IDB_PRIMARY_BULLET, RGB(1, 65, 128)),
                               std::make_pair(IDB_SECONDARY_BULLET, RGB(254, 172, 2)),
                               std::make_pair(IDB_EXIT_BULLET, RGB(255, 1, 1))}) {
        SCOPED_TRACE("bitmap " + std::to_string(bullet.first));
        const Pixels p(bullet.first);
        for (const POINT at : {POINT{0, 0}, POINT{10, 0}, POINT{0, 10}, POINT{10, 10}, POINT{5, 5}})
            EXPECT_EQ(kWhite, p.At(at.x, at.y))
                << "corners and the triangle's middle, " << at.x << "," << at.y;
        for (const POINT at : {POINT{1, 5}, POINT{5, 1}, POINT{5, 9}, POINT{9, 5}})
            EXPECT_EQ(bullet.second, p.At(at.x, at.y))
                << "the disc around the triangle, " << at.x << "," << at.y;
        // Nearer white than the disc: edge pixels mix the two, so their channel sums lie between.
        auto sum = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
        auto whitish = [&](int x, int y) {
            return 2 * sum(p.At(x, y)) > sum(kWhite) + sum(bullet.second);
        };
        int whiteAt5 = 0, whiteAt7 = 0;
        for (int y = 3; y <= 7; ++y) {
            whiteAt5 += whitish(5, y);
            whiteAt7 += whitish(7, y);
        }
        EXPECT_GT(whiteAt5, whiteAt7) << "the triangle narrows toward its tip on the right";
    }
}

TEST(BitmapResources, ArrowButtonsAndThumbSlices)
{
    const Pixels up(IDB_UP_ARROW), down(IDB_DOWN_ARROW), upPressed(IDB_UP_ARROW_PRESSED),
        downPressed(IDB_DOWN_ARROW_PRESSED), top(IDB_THUMB_TOP), bottom(IDB_THUMB_BOTTOM),
        middle(IDB_THUMB_MIDDLE);
    for (const Pixels* button : {&up, &down, &upPressed, &downPressed}) {
        ASSERT_EQ(17 * 19u, button->bits.size());
        std::vector<int>
            rows; // widths of the triangle, top to bottom: pixels unlike the face at x = 2
        for (int i = 0; i < 17 * 19; ++i) {
            const int x = i % 17, y = i / 17, edges = (x == 0 || x == 16) + (y == 0 || y == 18);
            EXPECT_TRUE(edges == 0 || button->At(x, y) == (edges == 2 ? kWhite : Grey(185)))
                << "frame " << x << "," << y;
            if (x == 0 && y > 0 && y < 18)
                rows.push_back(0);
            if (edges == 0 && x >= 2 && x < 15 && button->At(x, y) != button->At(2, y))
                ++rows.back();
        }
        rows.erase(std::remove(rows.begin(), rows.end(), 0), rows.end());
        ASSERT_GE(rows.size(), 3u);
        EXPECT_EQ(button == &up || button == &upPressed, rows.front() < rows.back())
            << "narrow where it points";
    }
    for (int i = 0; i < 17 * 19; ++i)
        ASSERT_EQ(up.At(i % 17, 18 - i / 17), down.At(i % 17, i / 17))
            << "down is up mirrored, pixel " << i;
    EXPECT_GT(GetRValue(up.At(1, 1)), GetRValue(up.At(1, 12)))
        << "the raised face darkens downward";
    for (int y = 1; y < 18; ++y) {
        EXPECT_EQ(Grey(226), upPressed.At(1, y)) << "flat pressed faces, row " << y;
        EXPECT_EQ(Grey(225), downPressed.At(15, y)) << "row " << y;
    }
    for (int x = 1; x < 16; ++x) {
        EXPECT_LT(GetRValue(top.At(x, 0)), GetRValue(top.At(x, 1)))
            << "top: outline above a light row, " << x;
        EXPECT_LT(GetRValue(bottom.At(x, 1)), GetRValue(bottom.At(x, 0)))
            << "bottom: outline below it, " << x;
        EXPECT_EQ(middle.At(x, 0), middle.At(x, 1)) << "both face rows agree, " << x;
    }
    EXPECT_EQ(Grey(213), middle.At(0, 0));
    EXPECT_EQ(Grey(220), middle.At(16, 1));
}
