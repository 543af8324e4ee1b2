// Rows in the real dialog: heights, wrapping, the bar's column and its hit
// codes, and what the rows look like on screen.
#include "menu_list_fixture.h"

namespace {

// The width of a caption on one line in the list's caption font: the
// dialog's face, bold, 15 pixels.
int CaptionWidth(HWND list, const std::string& caption)
{
    LOGFONTA face{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)), sizeof face, &face);
    face.lfHeight = 15;
    face.lfWeight = FW_BOLD;
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, CreateFontIndirectA(&face));
    SIZE size{};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    DeleteObject(SelectObject(dc, previous));
    ReleaseDC(nullptr, dc);
    return size.cx;
}

} // namespace

TEST_F(MenuListTest, CaptionsWrapBesideTheBarColumnThatOnlyOverflowingRowsReserve)
{
    Open(3);
    const int right = ScreenRect().right - ScreenRect().left;
    const int bottom = ScreenRect().bottom - ScreenRect().top;
    EXPECT_EQ(right, ClientRect().right);
    EXPECT_EQ(HTCLIENT, HitCode(POINT{right - 1, 5}));
    EXPECT_EQ(HTNOWHERE, HitCode(POINT{right, 5}));

    // Five-letter words, just wider than the caption column once the bar
    // takes its 18 pixels, narrower before.
    std::string caption;
    while (CaptionWidth(List(), caption) <= right - 19 - 18)
        caption += caption.size() % 6 == 5 ? " w" : "w";
    ASSERT_LE(CaptionWidth(List(), caption), right - 19);
    std::vector<std::string> captions(30, "Entry");
    captions[1] = caption;
    captions[2] = caption + " " + caption + " " + caption;
    Open(captions);
    EXPECT_EQ(17, Send(LB_GETITEMHEIGHT, 0));
    EXPECT_EQ(2 * 15 + 2, Send(LB_GETITEMHEIGHT, 1));
    EXPECT_GE(Send(LB_GETITEMHEIGHT, 2), 3 * 15 + 2);
    EXPECT_EQ(2, Send(LB_GETITEMHEIGHT, 2) % 15) << "whole lines of 15 and 2 below";
    EXPECT_EQ(17 + 32, RowRect(2).top);

    EXPECT_EQ(right - 18, ClientRect().right);
    EXPECT_EQ(HTVSCROLL, HitCode(POINT{right - 1, 5}));
    EXPECT_EQ(HTVSCROLL, HitCode(POINT{right - 17, bottom - 1}));
    EXPECT_EQ(HTBORDER, HitCode(POINT{right - 18, 40}));
    EXPECT_EQ(HTCLIENT, HitCode(POINT{right - 19, 40}));
    Refill({0});
    EXPECT_EQ(right, ClientRect().right);
}

TEST_F(MenuListTest, RowsShowThePictureTheirBulletAndTheCaptionUnderlinedWhileCurrent)
{
    Open(3);
    Refill({0, 1, 7}); // 7 is neither kind: no bullet
    InvalidateRect(menu->Dialog(), nullptr, FALSE);
    const Pixels pixels = CaptureList();
    const COLORREF discs[] = {RGB(1, 65, 128), RGB(254, 172, 2), kPictureColour};
    for (int row = 0; row < 3; ++row) {
        const RECT rect = RowRect(row);
        // The disc 2 pixels in from the corner, with white corners.
        EXPECT_EQ(discs[row], pixels.At(3, rect.top + 6)) << row;
        EXPECT_EQ(row < 2 ? RGB(255, 255, 255) : kPictureColour, pixels.At(2, rect.top + 2)) << row;
        EXPECT_EQ(kPictureColour, pixels.At(1, rect.top + 6)) << row;
        EXPECT_LE(InkBounds(pixels, RECT{0, rect.top, 19, rect.bottom}).right, row < 2 ? 13 : 0)
            << row;
        const RECT caption = InkBounds(pixels, RECT{19, rect.top, rect.right, rect.bottom});
        EXPECT_LT(caption.left, 25) << row;
        EXPECT_LT(caption.right, rect.right - 20) << "the picture shows right of the text";
        EXPECT_LE(caption.bottom, rect.top + 15) << "the 2 pixels below the text stay free";
    }
    EXPECT_EQ(0,
              InkBounds(pixels, RECT{0, RowRect(2).bottom, ClientRect().right, ClientRect().bottom})
                  .right);

    // Only the current row's caption is underlined.
    auto underlined = [this](const Pixels& shown, int row) {
        return HasUnderline(shown,
                            RECT{19, RowRect(row).top, RowRect(row).right, RowRect(row).top + 15});
    };
    EXPECT_FALSE(underlined(pixels, 1));
    PointAt(OnCaption(1));
    const Pixels hovered = CaptureList();
    EXPECT_TRUE(underlined(hovered, 1));
    EXPECT_FALSE(underlined(hovered, 0) || underlined(hovered, 2));
    PointAt(POINT{8, RowRect(1).top + 5}); // onto the bullet: no row is current
    EXPECT_FALSE(underlined(CaptureList(), 1));
}
