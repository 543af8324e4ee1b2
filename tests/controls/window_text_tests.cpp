// The texts that the owner-drawn statics draw are their window texts as well,
// for screen readers, and setting them draws nothing before the owner has
// painted the picture under them again.
#include <functional>

#include "app/main_window.h"
#include "controls/description_label.h"
#include "controls/exit_link.h"
#include "controls_fixture.h"
#include "support/message_log.h"

TEST_F(ControlsTest, AStaticsTextIsItsWindowTextAndSettingItDrawsNothing)
{
    DescriptionLabel label;
    ExitLink exitLink;
    ExtraControl labelWindow(menu.Dialog(), "Static", SS_OWNERDRAW | WS_VISIBLE, 200, 40);
    ExtraControl linkWindow(menu.Dialog(), "Static", SS_OWNERDRAW | SS_NOTIFY | WS_VISIBLE, 200,
                            20);
    label.Attach(&menu.Window(), labelWindow.window);
    exitLink.Attach(&menu.Window(), linkWindow.window);
    menu.Pump();
    UpdateWindow(menu.Dialog());

    const struct {
        const char* name;
        HWND window;
        std::function<void(const std::wstring&)> set;
    } cases[] = {
        {"description", labelWindow.window, [&](const std::wstring& text) { label.SetText(text); }},
        {"exit link", linkWindow.window, [&](const std::wstring& text) { exitLink.SetText(text); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::wstring text : {L"Installs \x0444 & more", L""}) {
            MessageLog dialog(menu.Dialog());
            c.set(text);
            wchar_t shown[64] = {L'?'};
            GetWindowTextW(c.window, shown, 64);
            EXPECT_EQ(text, shown);
            EXPECT_TRUE(dialog.Of(WM_DRAWITEM).empty()) << "drawn over the old text";
        }
    }
}
