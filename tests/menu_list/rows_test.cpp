// Rows in the real dialog: heights, wrapping, the bar's column and its hit
// codes, and what the rows look like on screen.
#include "menu_list_fixture.h"

#include <algorithm>

namespace {

// The width of a caption on one line in the list's caption font: the
// dialog's face, bold, 15 pixels.
int CaptionWidth(HWND list, const std::string& caption)
{
    LOGFONTA description{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)), sizeof description,
               &description);
    description.lfHeight = 15;
    description.lfWeight = FW_BOLD;
    const HFONT font = CreateFontIndirectA(&description);
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return size.cx;
}

// Five-letter words, grown letter by letter until just wider than width.
std::string CaptionJustWiderThan(HWND list, int width)
{
    std::string caption;
    while (CaptionWidth(list, caption) <= width)
        caption += caption.size() % 6 == 5 ? " w" : "w";
    return caption;
}

// The columns of a row where some pixel is not the picture, and whether some
// pixel row is inked across nine tenths of them: an underline.
struct Ink {
    int left = 10000;
    int right = -1;
    int bottom = -1;
    bool underlined = false;
};

Ink InkOf(const Pixels& pixels, const RECT& area)
{
    Ink ink;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (pixels.At(x, y) != kPictureColour) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x + 1);
                ink.bottom = std::max(ink.bottom, y + 1);
            }
    for (int y = area.top; y < area.bottom; ++y) {
        int inked = 0;
        for (int x = ink.left; x < ink.right; ++x)
            inked += pixels.At(x, y) != kPictureColour ? 1 : 0;
        ink.underlined = ink.underlined || inked * 10 >= (ink.right - ink.left) * 9;
    }
    return ink;
}

} // namespace

TEST_F(MenuListTest, CaptionsWrapToTheClientWidthLessTheBulletColumn)
{
    Open(NumberedEntries(1));
    const int column = ClientRect().right - 19;
    // Wider than the column once the bar takes 18 pixels, narrower before.
    const std::string caption = CaptionJustWiderThan(List(), column - 18);
    ASSERT_LE(CaptionWidth(List(), caption), column);
    std::vector<Entry> entries = NumberedEntries(30);
    entries[1].name = caption;
    entries[2].name = caption + " " + caption + " " + caption;
    Open(entries);

    EXPECT_EQ(WindowRect().right - 18, ClientRect().right);
    EXPECT_EQ(17, RowHeight(0));
    EXPECT_EQ(2 * 15 + 2, RowHeight(1));
    EXPECT_GE(RowHeight(2), 3 * 15 + 2);
    EXPECT_EQ(2, RowHeight(2) % 15) << "whole lines of 15 and 2 below";
    EXPECT_EQ(17 + 32, RowRect(2).top);
}

TEST_F(MenuListTest, TheBarColumnIsReservedOnlyWhileRowsOverflow)
{
    Open(NumberedEntries(3));
    const RECT whole = WindowRect();
    EXPECT_EQ(whole.right, ClientRect().right);
    EXPECT_EQ(HTCLIENT, HitCode(POINT{whole.right - 1, 5}));
    EXPECT_EQ(HTNOWHERE, HitCode(POINT{whole.right, 5}));

    for (int i = 3; i < 30; ++i)
        Menu().AddItem(L"More", 0);
    Menu().Relayout();
    EXPECT_EQ(whole.right - 18, ClientRect().right);
    EXPECT_EQ(HTVSCROLL, HitCode(POINT{whole.right - 1, 5}));
    EXPECT_EQ(HTVSCROLL, HitCode(POINT{whole.right - 17, whole.bottom - 1}));
    EXPECT_EQ(HTBORDER, HitCode(POINT{whole.right - 18, 40}));
    EXPECT_EQ(HTCLIENT, HitCode(POINT{whole.right - 19, 40}));

    Menu().Clear();
    Menu().AddItem(L"Only row", 0);
    Menu().Relayout();
    EXPECT_EQ(whole.right, ClientRect().right);
}

TEST_F(MenuListTest, RowsShowThePictureTheirBulletAndTheCaptionRightOfIt)
{
    Open({Entry{"Primary"}, Entry{"Secondary", "Secondary"}, Entry{"None"}});
    Menu().Clear();
    Menu().AddItem(L"Primary", 0);
    Menu().AddItem(L"Secondary", 1);
    Menu().AddItem(L"None", 7);  // neither kind: no bullet
    Menu().Relayout();
    InvalidateRect(menu->Dialog(), nullptr, FALSE);
    const Pixels pixels = CaptureList();

    const COLORREF discs[] = {RGB(1, 65, 128), RGB(254, 172, 2), kPictureColour};
    for (int row = 0; row < 3; ++row) {
        const RECT rect = RowRect(row);
        // The disc 2 pixels in from the corner, with white corners.
        EXPECT_EQ(discs[row], pixels.At(3, rect.top + 6)) << row;
        EXPECT_EQ(row < 2 ? RGB(255, 255, 255) : kPictureColour, pixels.At(2, rect.top + 2));
        EXPECT_EQ(kPictureColour, pixels.At(1, rect.top + 6));
        const Ink bullet = InkOf(pixels, RECT{0, rect.top, 19, rect.bottom});
        EXPECT_LE(bullet.right, row < 2 ? 13 : -1) << "nothing between bullet and caption";
        const Ink caption = InkOf(pixels, RECT{19, rect.top, rect.right, rect.bottom});
        EXPECT_LT(caption.left, 25);
        EXPECT_LT(caption.right, rect.right - 20) << "the picture shows right of the text";
        EXPECT_LE(caption.bottom, rect.top + 15) << "the 2 pixels below the text stay free";
    }
    // Below the last row, the picture.
    const Ink below = InkOf(pixels, RECT{0, RowRect(2).bottom, ClientRect().right, ClientRect().bottom});
    EXPECT_EQ(-1, below.right);
}

TEST_F(MenuListTest, OnlyTheCurrentRowIsUnderlined)
{
    Open(NumberedEntries(3));
    auto caption = [](const Pixels& pixels, const RECT& row) {
        return InkOf(pixels, RECT{19, row.top, row.right, row.top + 15});
    };
    EXPECT_FALSE(caption(CaptureList(), RowRect(1)).underlined);

    PointAt(POINT{25, RowRect(1).top + 5});
    const Pixels hovered = CaptureList();
    EXPECT_TRUE(caption(hovered, RowRect(1)).underlined);
    EXPECT_FALSE(caption(hovered, RowRect(0)).underlined);
    EXPECT_FALSE(caption(hovered, RowRect(2)).underlined);

    PointAt(POINT{8, RowRect(1).top + 5});  // onto the bullet: no row is current
    EXPECT_FALSE(caption(CaptureList(), RowRect(1)).underlined);
}
