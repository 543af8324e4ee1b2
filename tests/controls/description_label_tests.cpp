// The description in the real dialog: text straight over the picture, cut at
// the control's edges, nothing at all for an empty text.
#include "app/main_window.h"
#include "controls/description_label.h"
#include "controls_fixture.h"
#include "resources/resource_ids.h"

namespace {

std::string Elements()
{
    std::string words;
    for (int i = 0; i < 60; ++i)
        words += "lorem ipsum ";
    return "[Element]\r\nName=Short\r\nDescription=Short text\r\n"
           "[Element]\r\nName=Long\r\nDescription=" +
           words +
           "\r\n"
           "[Element]\r\nName=Wide\r\nDescription=" +
           std::string(120, 'W') + "\r\n";
}

class DescriptionLabelTest : public ControlsTest {
protected:
    DescriptionLabelTest() : ControlsTest("", Elements())
    {
        GetWindowRect(menu.Control(IDC_DESCRIPTION), &area);
        MapWindowPoints(nullptr, menu.Dialog(), reinterpret_cast<POINT*>(&area), 2);
    }

    // The ink of the label and a margin right of and below it, as the dialog
    // shows them once the list reported the row as current; in label
    // coordinates.
    RECT InkForRow(int row)
    {
        SendMessageA(menu.Dialog(), UM_CURRENTITEM, static_cast<WPARAM>(row), 0);
        menu.Pump();
        return InkBounds(CaptureClient(menu.Dialog(),
                                       RECT{area.left, area.top, area.right + 4, area.bottom + 2}));
    }

    RECT area = {};
};

} // namespace

TEST_F(DescriptionLabelTest, TextIsDrawnOverThePictureWrappedToWholeLinesAndCutAtTheRightEdge)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    // One short line at the top left, the picture all around it.
    const RECT line = InkForRow(0);
    ASSERT_GT(line.right, 0);
    EXPECT_LT(line.left, 3);
    EXPECT_LT(line.right, width / 2);
    EXPECT_LT(line.bottom, height * 2 / 3);
    // No text, no ink.
    EXPECT_EQ(0, InkForRow(-1).right);
    // Many words wrap down to the last line that shows whole, which ends in
    // an ellipsis: no line is cut through the middle at the bottom edge.
    const RECT many = InkForRow(1);
    EXPECT_GT(many.bottom, height * 2 / 3);
    EXPECT_LE(many.bottom, height - 2);
    const DescriptionLabel& label = menu.Window().Description();
    EXPECT_FALSE(label.Fits(label.Text()));
    EXPECT_TRUE(label.Fits(L"Short text"));
    // A word wider than the control cannot wrap: it runs to the edge and stops.
    EXPECT_EQ(width, InkForRow(2).right);
}

TEST_F(DescriptionLabelTest, AmpersandUnderlinesTheNextCharacterAndTwoShowOne)
{
    DescriptionLabel object;
    ExtraControl extra(menu.Dialog(), "Static", SS_OWNERDRAW, 200, 40);
    object.Attach(&menu.Window(), extra.window);
    auto inkOf = [&](const wchar_t* text) {
        object.SetText(text);
        return InkBounds(DrawnBy(object, 200, 40));
    };
    const RECT plain = inkOf(L"WW");
    const RECT prefixed = inkOf(L"W&W");
    const RECT doubled = inkOf(L"W&&W");
    EXPECT_EQ(plain.right, prefixed.right);   // the ampersand takes no room
    EXPECT_GT(prefixed.bottom, plain.bottom); // the underline below the second W
    EXPECT_GT(doubled.right, plain.right);    // one ampersand is shown
    EXPECT_EQ(plain.bottom, doubled.bottom);
}
