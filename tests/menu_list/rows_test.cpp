// The real list in the real dialog: row heights and wrapping, the scroll bar
// column and its hit codes, and what the rows look like on screen.
#include "menu_list_fixture.h"

#include <string>

namespace {

// The caption font as the list makes it: the dialog's face, bold, 15 pixels.
class CaptionFont {
public:
    explicit CaptionFont(HWND list)
    {
        LOGFONTA description{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)),
                   sizeof description, &description);
        description.lfHeight = 15;
        description.lfWeight = FW_BOLD;
        font = CreateFontIndirectA(&description);
    }
    ~CaptionFont() { DeleteObject(font); }
    CaptionFont(const CaptionFont&) = delete;
    CaptionFont& operator=(const CaptionFont&) = delete;

    int Width(const std::string& text) const
    {
        const HDC dc = GetDC(nullptr);
        const HGDIOBJ previous = SelectObject(dc, font);
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, previous);
        ReleaseDC(nullptr, dc);
        return size.cx;
    }

private:
    HFONT font;
};

// Words of five letters, grown letter by letter until the caption on one
// line is just wider than the given width (by less than a letter or two).
std::string CaptionJustWiderThan(const CaptionFont& font, int width)
{
    std::string caption;
    for (int i = 1; i < 400; ++i) {
        const char next = i % 6 == 0 ? ' ' : 'w';
        caption += next;
        if (next != ' ' && font.Width(caption) > width)
            return caption;
    }
    return caption;
}

// The box of every pixel in a row's area that is not the picture.
RECT InkIn(const Pixels& pixels, const RECT& area)
{
    RECT ink{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (pixels.At(x, y) != kPictureColour) {
                ink.left = std::min<LONG>(ink.left, x);
                ink.top = std::min<LONG>(ink.top, y);
                ink.right = std::max<LONG>(ink.right, x + 1);
                ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
    return ink;
}

// Whether some pixel row inside the caption is inked across nearly its
// whole width: an underline, which no glyph row of plain text is.
bool HasUnderline(const Pixels& pixels, const RECT& caption)
{
    const int width = caption.right - caption.left;
    for (int y = caption.top; y < caption.bottom; ++y) {
        int inked = 0;
        for (int x = caption.left; x < caption.right; ++x)
            inked += pixels.At(x, y) != kPictureColour ? 1 : 0;
        if (inked * 10 >= width * 9)
            return true;
    }
    return false;
}

} // namespace

TEST_F(MenuListTest, OneLineRowsAreSeventeenPixelsTallAndStacked)
{
    Open(NumberedEntries(3));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(17, RowHeight(row)) << row;
        EXPECT_EQ(17 * row, RowRect(row).top) << row;
    }
}

TEST_F(MenuListTest, CaptionsWrapToTheClientWidthLessTheBulletColumn)
{
    // A first dialog gives the list's width and font to build the captions.
    Open(NumberedEntries(1));
    const CaptionFont font(List());
    const int column = ClientRect().right - 19;
    const std::string twoLines = CaptionJustWiderThan(font, column);
    const std::string longer = twoLines + " " + twoLines + " " + twoLines;
    ASSERT_LT(font.Width(twoLines), ClientRect().right) << "it would fit the whole width";
    TearDown();

    Open({Entry{"Short"}, Entry{twoLines}, Entry{longer}});
    EXPECT_EQ(17, RowHeight(0));
    EXPECT_EQ(2 * 15 + 2, RowHeight(1));
    EXPECT_GE(RowHeight(2), 3 * 15 + 2);
    EXPECT_EQ(2, RowHeight(2) % 15) << "whole lines of 15 plus 2";
    EXPECT_EQ(17 + 32, RowRect(2).top);
}

TEST_F(MenuListTest, CaptionsWrapNarrowerOnceTheScrollBarIsReserved)
{
    Open(NumberedEntries(1));
    const CaptionFont font(List());
    const int fullColumn = ClientRect().right - 19;
    const std::string caption = CaptionJustWiderThan(font, fullColumn - 18);
    ASSERT_LE(font.Width(caption), fullColumn) << "it would fit without a scroll bar";
    TearDown();

    std::vector<Entry> entries = NumberedEntries(30);
    entries[1].name = caption;
    Open(entries);
    EXPECT_EQ(WindowRectAtOrigin().right - 18, ClientRect().right);
    EXPECT_EQ(32, RowHeight(1));
    EXPECT_EQ(17, RowHeight(0));
}

TEST_F(MenuListTest, WithoutOverflowTheWholeWidthIsClientArea)
{
    Open(NumberedEntries(3));
    const RECT whole = WindowRectAtOrigin();
    EXPECT_EQ(whole.right, ClientRect().right);
    EXPECT_EQ(HTCLIENT, HitCode(POINT{whole.right - 1, 5}));
    EXPECT_EQ(HTCLIENT, HitCode(POINT{whole.right - 17, whole.bottom - 1}));
    EXPECT_EQ(HTNOWHERE, HitCode(POINT{whole.right, 5}));
    EXPECT_EQ(HTNOWHERE, HitCode(POINT{5, -1}));
}

TEST_F(MenuListTest, OverflowReservesTheBarAndAOnePixelGap)
{
    Open(NumberedEntries(30));
    const RECT whole = WindowRectAtOrigin();
    EXPECT_EQ(whole.right - 18, ClientRect().right);
    EXPECT_EQ(whole.bottom, ClientRect().bottom);
    EXPECT_EQ(HTVSCROLL, HitCode(POINT{whole.right - 1, 5}));
    EXPECT_EQ(HTVSCROLL, HitCode(POINT{whole.right - 17, whole.bottom - 1}));
    EXPECT_EQ(HTBORDER, HitCode(POINT{whole.right - 18, 40}));
    EXPECT_EQ(HTCLIENT, HitCode(POINT{whole.right - 19, 40}));
    EXPECT_EQ(HTNOWHERE, HitCode(POINT{whole.right - 1, whole.bottom}));
}

TEST_F(MenuListTest, ClearingToFewRowsGivesTheColumnBack)
{
    Open(NumberedEntries(30));
    const int full = WindowRectAtOrigin().right;
    ASSERT_EQ(full - 18, ClientRect().right);
    Menu().Clear();
    Menu().AddItem(L"Only row", 0);
    Menu().Relayout();
    EXPECT_EQ(full, ClientRect().right);
    EXPECT_EQ(17, RowHeight(0));
}

TEST_F(MenuListTest, RowsShowThePictureTheirBulletAndTheCaptionRightOfIt)
{
    Open({Entry{"Primary row"}, Entry{"Secondary row", "Secondary"}, Entry{"No bullet"}});
    // A marker other than the two kinds draws no bullet.
    Menu().Clear();
    Menu().AddItem(L"Primary row", 0);
    Menu().AddItem(L"Secondary row", 1);
    Menu().AddItem(L"No bullet", 7);
    Menu().Relayout();
    InvalidateRect(Dialog(), nullptr, FALSE);
    const Pixels pixels = CaptureList();

    const RECT first = RowRect(0);
    const RECT second = RowRect(1);
    const RECT third = RowRect(2);
    // The disc lies 2 pixels in from the row's corner; its corners are white.
    EXPECT_EQ(kPrimaryDisc, pixels.At(2 + 1, first.top + 2 + 4));
    EXPECT_EQ(RGB(255, 255, 255), pixels.At(2, first.top + 2));
    EXPECT_EQ(kSecondaryDisc, pixels.At(2 + 1, second.top + 2 + 4));
    EXPECT_EQ(RGB(255, 255, 255), pixels.At(12, second.top + 12));
    const RECT noBullet{0, third.top, 19, third.bottom};
    EXPECT_EQ(19 * 17, pixels.Count(noBullet, kPictureColour));

    // Nothing outside the bullet: not above or left of it, not after it
    // before the caption column.
    for (const RECT& row : {first, second, third}) {
        EXPECT_EQ(kPictureColour, pixels.At(1, row.top + 6));
        EXPECT_EQ(kPictureColour, pixels.At(6, row.top + 1));
        const RECT gap{13, row.top, 19, row.bottom};
        EXPECT_EQ(6 * 17, pixels.Count(gap, kPictureColour));
        const RECT caption = InkIn(pixels, RECT{19, row.top, row.right, row.bottom});
        EXPECT_GE(caption.left, 19);
        EXPECT_LT(caption.left, 25);
        EXPECT_LT(caption.right, row.right - 20) << "the picture shows right of the text";
        EXPECT_LE(caption.bottom, row.top + 15) << "the 2 pixels below the text stay free";
    }
    // The picture is drawn below the last row as well.
    const RECT below{0, third.bottom, ClientRect().right, ClientRect().bottom};
    EXPECT_EQ((below.right - below.left) * (below.bottom - below.top),
              pixels.Count(below, kPictureColour));
}

TEST_F(MenuListTest, OnlyTheCurrentRowIsUnderlined)
{
    Open(NumberedEntries(3));
    const RECT second = RowRect(1);
    auto captionOf = [&](const Pixels& pixels, const RECT& row) {
        return InkIn(pixels, RECT{19, row.top, row.right, row.top + 15});
    };
    const Pixels before = CaptureList();
    EXPECT_FALSE(HasUnderline(before, captionOf(before, second)));

    PointAt(POINT{25, second.top + 5});
    ASSERT_EQ(1, Menu().GetCurrent());
    const Pixels hovered = CaptureList();
    EXPECT_TRUE(HasUnderline(hovered, captionOf(hovered, second)));
    EXPECT_FALSE(HasUnderline(hovered, captionOf(hovered, RowRect(0))));
    EXPECT_FALSE(HasUnderline(hovered, captionOf(hovered, RowRect(2))));

    // Onto the bullet column: no row is current, the underline goes.
    PointAt(POINT{8, second.top + 5});
    const Pixels left = CaptureList();
    EXPECT_FALSE(HasUnderline(left, captionOf(left, second)));
}
