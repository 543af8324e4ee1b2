// The bitmaps as compiled into the executable: size and depth from their
// headers, and the colour rules the controls rely on, read back through
// LoadBitmap and GetDIBits as the controls will load them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "module_resource.h"
#include "resources/resource_ids.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A loaded bitmap's pixels, top row first.
class BitmapPixels {
public:
    explicit BitmapPixels(int id) : width(0), height(0) {
        const HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
        if (bitmap == nullptr)
            return;
        BITMAP info = {};
        GetObjectA(bitmap, sizeof info, &info);
        width = info.bmWidth;
        height = info.bmHeight;
        BITMAPINFO request = {};
        request.bmiHeader.biSize = sizeof request.bmiHeader;
        request.bmiHeader.biWidth = width;
        request.bmiHeader.biHeight = -height;
        request.bmiHeader.biPlanes = 1;
        request.bmiHeader.biBitCount = 32;
        request.bmiHeader.biCompression = BI_RGB;
        std::vector<DWORD> bits(static_cast<size_t>(width * height));
        const HDC screen = GetDC(nullptr);
        GetDIBits(screen, bitmap, 0, height, bits.data(), &request, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        DeleteObject(bitmap);
        for (DWORD value : bits)
            pixels.push_back(RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF));
    }

    int Width() const { return width; }
    int Height() const { return height; }
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }

private:
    int width;
    int height;
    std::vector<COLORREF> pixels;
};

COLORREF Grey(int level) {
    return RGB(level, level, level);
}

bool IsGrey(COLORREF colour, int low, int high) {
    return GetRValue(colour) == GetGValue(colour) && GetGValue(colour) == GetBValue(colour) &&
           GetRValue(colour) >= low && GetRValue(colour) <= high;
}

// How far colour lies from white toward disc (0 white .. 1 disc), or -1 when
// it is not on the line between them (channels disagree by more than rounding).
double ShareOfDisc(COLORREF colour, COLORREF disc) {
    const int channels[3][2] = {{GetRValue(colour), GetRValue(disc)},
                                {GetGValue(colour), GetGValue(disc)},
                                {GetBValue(colour), GetBValue(disc)}};
    // The channel farthest from white measures the share most finely.
    int widest = 0;
    for (int c = 1; c < 3; ++c)
        if (255 - channels[c][1] > 255 - channels[widest][1])
            widest = c;
    const double share = double(255 - channels[widest][0]) / (255 - channels[widest][1]);
    for (const auto& channel : channels) {
        const double expected = 255 - share * (255 - channel[1]);
        if (std::abs(expected - channel[0]) > 1.0)
            return -1;
    }
    return share;
}

void ExpectBullet(int id, COLORREF disc) {
    SCOPED_TRACE("bitmap " + std::to_string(id));
    const BitmapPixels bullet(id);
    ASSERT_EQ(11, bullet.Width());
    ASSERT_EQ(11, bullet.Height());
    for (const POINT corner : {POINT{0, 0}, POINT{10, 0}, POINT{0, 10}, POINT{10, 10}})
        EXPECT_EQ(kWhite, bullet.At(corner.x, corner.y)) << "corner " << corner.x << "," << corner.y;
    // Well inside the disc, around the triangle: the disc colour itself.
    for (const POINT inside : {POINT{1, 5}, POINT{5, 1}, POINT{5, 9}, POINT{9, 5}})
        EXPECT_EQ(disc, bullet.At(inside.x, inside.y)) << "disc at " << inside.x << "," << inside.y;
    EXPECT_EQ(kWhite, bullet.At(5, 5)) << "the triangle's middle";
    // Anti-aliased edges only ever mix the disc colour with white.
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x)
            ASSERT_GE(ShareOfDisc(bullet.At(x, y), disc), 0.0) << "pixel " << x << "," << y;
    // The triangle points right: its white column is tall on the left and
    // narrows toward the tip.
    auto whiteRun = [&](int x) {
        int run = 0;
        for (int y = 3; y <= 7; ++y)
            run += ShareOfDisc(bullet.At(x, y), disc) < 0.5;
        return run;
    };
    EXPECT_GT(whiteRun(5), whiteRun(7));
    // The disc is round: its span across a row grows toward the middle row.
    auto discRow = [&](int y) {
        int left = 11, right = -1;
        for (int x = 0; x < 11; ++x)
            if (bullet.At(x, y) != kWhite) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        return right - left + 1;
    };
    EXPECT_LT(discRow(0), discRow(1));
    EXPECT_LT(discRow(1), discRow(5));
    EXPECT_EQ(11, discRow(5));
}

// Triangle pixels: those inside the button's frame that differ from the face
// colour of their row at x = 2.
int TriangleWidth(const BitmapPixels& button, int y) {
    int count = 0;
    for (int x = 2; x < 15; ++x)
        count += button.At(x, y) != button.At(2, y);
    return count;
}

void ExpectButtonFrame(const BitmapPixels& button) {
    ASSERT_EQ(17, button.Width());
    ASSERT_EQ(19, button.Height());
    for (int x = 1; x < 16; ++x) {
        EXPECT_EQ(Grey(185), button.At(x, 0)) << "top outline " << x;
        EXPECT_EQ(Grey(185), button.At(x, 18)) << "bottom outline " << x;
    }
    for (int y = 1; y < 18; ++y) {
        EXPECT_EQ(Grey(185), button.At(0, y)) << "left outline " << y;
        EXPECT_EQ(Grey(185), button.At(16, y)) << "right outline " << y;
    }
    for (const POINT corner : {POINT{0, 0}, POINT{16, 0}, POINT{0, 18}, POINT{16, 18}})
        EXPECT_EQ(kWhite, button.At(corner.x, corner.y)) << "corner " << corner.x << "," << corner.y;
}

// Rows of the button in which the triangle shows, top to bottom.
std::vector<int> TriangleRows(const BitmapPixels& button) {
    std::vector<int> widths;
    for (int y = 1; y < 18; ++y)
        if (TriangleWidth(button, y) > 0)
            widths.push_back(TriangleWidth(button, y));
    return widths;
}

void ExpectWhiteTriangleWithGreyOutline(const BitmapPixels& button) {
    bool white = false, outline = false;
    for (int y = 1; y < 18; ++y)
        for (int x = 2; x < 15; ++x) {
            white |= button.At(x, y) == kWhite;
            outline |= IsGrey(button.At(x, y), 60, 200);
        }
    EXPECT_TRUE(white);
    EXPECT_TRUE(outline);
}

} // namespace

TEST(BitmapResources, SizesAndDepthsFromTheirHeaders) {
    const struct {
        int id;
        LONG width, height;
    } bitmaps[] = {
        {IDB_PRIMARY_BULLET, 11, 11}, {IDB_SECONDARY_BULLET, 11, 11},  {IDB_EXIT_BULLET, 11, 11},
        {IDB_UP_ARROW, 17, 19},       {IDB_UP_ARROW_PRESSED, 17, 19},  {IDB_DOWN_ARROW, 17, 19},
        {IDB_DOWN_ARROW_PRESSED, 17, 19}, {IDB_THUMB_TOP, 17, 2},      {IDB_THUMB_BOTTOM, 17, 2},
        {IDB_THUMB_MIDDLE, 17, 2},
    };
    for (const auto& bitmap : bitmaps) {
        SCOPED_TRACE("bitmap " + std::to_string(bitmap.id));
        const ModuleResource resource(MAKEINTRESOURCEW(2) /* RT_BITMAP */, bitmap.id);
        ASSERT_TRUE(resource.Found());
        const BITMAPINFOHEADER header = resource.At<BITMAPINFOHEADER>(0);
        EXPECT_EQ(40u, header.biSize);
        EXPECT_EQ(bitmap.width, header.biWidth);
        EXPECT_EQ(bitmap.height, header.biHeight) << "bottom-up rows";
        EXPECT_EQ(24, header.biBitCount);
        EXPECT_EQ(DWORD(BI_RGB), header.biCompression);
        const DWORD rows = DWORD((bitmap.width * 3 + 3) / 4 * 4 * bitmap.height);
        EXPECT_GE(resource.Size(), 40 + rows) << "every row is there";
    }
}

TEST(BitmapResources, BulletsAreDiscsWithAWhiteTriangle) {
    ExpectBullet(IDB_PRIMARY_BULLET, RGB(1, 65, 128));
    ExpectBullet(IDB_SECONDARY_BULLET, RGB(254, 172, 2));
    ExpectBullet(IDB_EXIT_BULLET, RGB(255, 1, 1));
}

TEST(BitmapResources, UpArrowButton) {
    const BitmapPixels up(IDB_UP_ARROW);
    ExpectButtonFrame(up);
    ExpectWhiteTriangleWithGreyOutline(up);
    for (int y = 1; y < 12; ++y)
        EXPECT_TRUE(IsGrey(up.At(1, y), 239, 248)) << "near-white face, row " << y;
    EXPECT_GT(GetRValue(up.At(1, 1)), GetRValue(up.At(1, 12))) << "the face darkens downward";
    EXPECT_LT(GetRValue(up.At(1, 17)), 239) << "a shadow row at the bottom";
    EXPECT_TRUE(IsGrey(up.At(1, 17), 200, 238));
    const std::vector<int> rows = TriangleRows(up);
    ASSERT_GE(rows.size(), 3u);
    EXPECT_LT(rows.front(), rows.back()) << "narrow at the top: it points up";
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
}

TEST(BitmapResources, DownArrowIsTheUpArrowMirrored) {
    const BitmapPixels up(IDB_UP_ARROW);
    const BitmapPixels down(IDB_DOWN_ARROW);
    ExpectButtonFrame(down);
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 17; ++x)
            ASSERT_EQ(up.At(x, 18 - y), down.At(x, y)) << "pixel " << x << "," << y;
}

TEST(BitmapResources, PressedButtonsHaveFlatFaces) {
    const BitmapPixels upPressed(IDB_UP_ARROW_PRESSED);
    const BitmapPixels downPressed(IDB_DOWN_ARROW_PRESSED);
    ExpectButtonFrame(upPressed);
    ExpectButtonFrame(downPressed);
    ExpectWhiteTriangleWithGreyOutline(upPressed);
    ExpectWhiteTriangleWithGreyOutline(downPressed);
    for (int y = 1; y < 18; ++y) {
        EXPECT_EQ(Grey(226), upPressed.At(1, y)) << "row " << y;
        EXPECT_EQ(Grey(226), upPressed.At(15, y)) << "row " << y;
        EXPECT_EQ(Grey(225), downPressed.At(1, y)) << "row " << y;
        EXPECT_EQ(Grey(225), downPressed.At(15, y)) << "row " << y;
    }
    const std::vector<int> upRows = TriangleRows(upPressed);
    const std::vector<int> downRows = TriangleRows(downPressed);
    ASSERT_FALSE(upRows.empty());
    ASSERT_FALSE(downRows.empty());
    EXPECT_LT(upRows.front(), upRows.back()) << "pressed up still points up";
    EXPECT_GT(downRows.front(), downRows.back()) << "pressed down points down";
}

TEST(BitmapResources, ThumbSlices) {
    const BitmapPixels top(IDB_THUMB_TOP);
    const BitmapPixels bottom(IDB_THUMB_BOTTOM);
    const BitmapPixels middle(IDB_THUMB_MIDDLE);
    // The outline row: white end pixels round a grey line.
    for (const auto* outline : {&top, &bottom}) {
        const int row = outline == &top ? 0 : 1;
        EXPECT_EQ(kWhite, outline->At(0, row));
        EXPECT_EQ(kWhite, outline->At(16, row));
        for (int x = 1; x < 16; ++x)
            EXPECT_TRUE(IsGrey(outline->At(x, row), 150, 230)) << "outline pixel " << x;
        const int light = 1 - row;
        for (int x = 1; x < 16; ++x)
            EXPECT_TRUE(IsGrey(outline->At(x, light), 240, 254)) << "light row pixel " << x;
    }
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(Grey(213), middle.At(0, y));
        EXPECT_EQ(Grey(220), middle.At(16, y));
        for (int x = 1; x < 16; ++x)
            EXPECT_TRUE(IsGrey(middle.At(x, y), 246, 252)) << "face pixel " << x << "," << y;
        for (int x = 0; x < 17; ++x)
            EXPECT_EQ(middle.At(x, 0), middle.At(x, 1)) << "stretched vertically, so both rows agree";
    }
}
