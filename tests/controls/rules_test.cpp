// The controls' rules without a window: cutting a text to its space, the
// fonts' character set, the keyboard's scroll and the scroll bar's geometry.
#include <algorithm>

#include "controls/control_font.h"
#include "controls/list_keyboard.h"
#include "controls/scroll_bar_geometry.h"
#include "controls/text_fit.h"
#include "graphics/table_rows.h"

TEST(FitWithEllipsis, CutsAfterTheLastWholeWordThatFitsWithTheEllipsis)
{
    for (const TableRow& row : TableRows(CONTROLS_DATA_DIR "/fit.txt")) {
        const std::size_t room = std::stoul(row[1]);
        std::wstring shown =
            FitWithEllipsis(std::wstring(row[0].begin(), row[0].end()),
                            [&](const std::wstring& text) { return text.size() <= room; });
        std::replace(shown.begin(), shown.end(), kEllipsis, L'~');
        EXPECT_EQ(std::wstring(row[2].begin(), row[2].end()), shown) << row[0] << " in " << row[1];
    }
}

TEST(ControlRules, KeysAndTheBarScrollByWholeRowsTheThumbStaysOnTheTrackFontsFollowTheCodePage)
{
    for (const TableRow& row : TableRows(CONTROLS_DATA_DIR "/rules.txt")) {
        const std::string& rule = row[0];
        const auto rows = Numbers<int>(row[1]), a = Numbers<int>(row[2]);
        std::vector<int> result;
        if (rule == "thumb") {
            const RECT thumb = LayoutScrollBar(RECT{0, 0, 17, a[0]}, a[1], a[2], a[3]).thumb;
            result = {int(thumb.top), int(thumb.bottom)};
        } else
            result = {rule == "reveal"    ? TopToReveal(rows, a[0], a[1], a[2])
                      : rule == "up"      ? PageUpTarget(rows, a[0], a[1])
                      : rule == "down"    ? PageDownTarget(rows, a[0], a[1])
                      : rule == "charset" ? ControlFontCharset(a[0] != 0, BYTE(a[1]), UINT(a[2]))
                                          : int(CanStepDown(rows, a[0], a[1]))};
        EXPECT_EQ(Numbers<int>(row[3]), result) << rule << " " << row[1] << " | " << row[2];
    }
}
