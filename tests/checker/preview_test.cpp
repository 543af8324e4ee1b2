// The previews of kiveron-check: the real dialog, fitted and filled in one
// language, printed off screen into a BMP file, with the controls framed in
// a second one on request; compared with the same dialog as the Wine desktop
// shows it.
#include "checker/menu_preview.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>

#include "resources/resource_ids.h"
#include "support/desktop_input.h"
#include "support/menu_process.h"
#include "support/running_menu.h"
#include "support/temp_folder.h"

namespace {

constexpr COLORREF kGerman = RGB(200, 60, 30), kListGuide = RGB(230, 0, 0);

// The pixels of a BMP file as the preview writes it: 24 bits a pixel.
Pixels ReadPreview(const std::string& path)
{
    const HBITMAP bitmap = HBITMAP(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                              LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    DIBSECTION dib = {};
    GetObjectA(bitmap, sizeof(dib), &dib);
    EXPECT_EQ(24, dib.dsBmih.biBitCount) << path;
    const Pixels pixels = CaptureDrawing(dib.dsBm.bmWidth, dib.dsBm.bmHeight, [&](HDC dc) {
        DrawStateA(dc, nullptr, nullptr, LPARAM(bitmap), 0, 0, 0, 0, 0, DST_BITMAP);
    });
    DeleteObject(bitmap);
    return pixels;
}

// Counts the top-level windows of this thread that are told they are being
// shown (the controls hear it as they are created, visible in their parent).
int shows = 0;
LRESULT CALLBACK CountShows(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT& message = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    shows += code == HC_ACTION && message.message == WM_SHOWWINDOW && message.wParam &&
             !(GetWindowLongPtrA(message.hwnd, GWL_STYLE) & WS_CHILD);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

TEST(Preview, PrintsTheDialogOfEachLanguageAsTheDesktopShowsItAndFramesItsControls)
{
    // Each language a picture of its own, and rows enough to bring up the
    // list's own scroll bar.
    RunningMenu::WriteBeside("en.bmp", BandedBitmapFile(360, 250));
    RunningMenu::WriteBeside("de.bmp", SolidBitmapFile(420, 280, kGerman));
    std::ifstream in(HostPath(CHECKER_DATA "/preview/languages.lst"), std::ios::binary);
    const std::string menu(std::istreambuf_iterator<char>(in), {}),
        menuPath = RunningMenu::WriteBeside("kiveron.lst", menu);
    // Again after the other language: nothing of one preview stays for the next.
    std::map<std::string, Pixels> previews, guides;
    const HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, CountShows, nullptr, GetCurrentThreadId());
    for (const char* language : {"en", "de", "en"}) {
        const std::string bmp = RunningMenu::WriteBeside(PreviewFileName(language), ""),
                          framed = RunningMenu::WriteBeside(GuidesFileName(language), "");
        std::string error;
        EXPECT_TRUE(
            WriteMenuPreview(GetModuleHandleA(nullptr), menuPath, language, bmp, error, framed))
            << error;
        const Pixels& preview = previews[language] = ReadPreview(bmp);
        const bool english = language == std::string("en");
        ASSERT_EQ(english ? 360 : 420, preview.width) << language;
        ASSERT_EQ(english ? 250 : 280, preview.height) << language;
        EXPECT_EQ(english ? BandColour(200) : kGerman, preview.At(50, 200)) << language;
        guides[language] = ReadPreview(framed);
    }
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(0, shows) << "the dialog must never be shown";

    // The desktop shows the language the menu starts in, with the pointer
    // away from it: a dialog that opens under the pointer hovers the row
    // there, and nothing tells the list when the pointer then leaves it.
    MovePointerTo({0, 0}, PumpAll);
    RunningMenu shown(menu);
    const std::string language = shown.Window().CurrentLanguage();
    // Other test programs share the desktop and may put a window over this
    // one for a moment: raised above them, it is read again until it shows
    // whole, a few times at most.
    Pixels screen;
    for (int attempt = 0; attempt < 3 && screen.colours != previews[language].colours; ++attempt) {
        SetWindowPos(shown.Dialog(), HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        PumpAll();
        Sleep(200);
        PumpAll();
        // Wine may activate the dialog only after it opened; the list's
        // first focus then selects the top row, which a preview of the menu
        // as it opens never shows.
        SendMessageA(shown.Control(IDC_MENU_LIST), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        RedrawWindow(shown.Dialog(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        PumpAll();
        screen = CaptureClient(shown.Dialog());
    }
    ASSERT_TRUE(screen.colours == previews[language].colours)
        << "the preview differs from the desktop";

    // Each control framed in its colour where the desktop shows it.
    for (const auto& [id, colour] : {std::pair{IDC_MENU_LIST, kListGuide},
                                     {IDC_DESCRIPTION, RGB(0, 0, 230)},
                                     {IDC_EXIT_LINK, RGB(200, 0, 200)},
                                     {IDC_LANGUAGE_COMBO, RGB(0, 150, 0)}}) {
        RECT rect;
        GetWindowRect(shown.Control(id), &rect);
        MapWindowPoints(nullptr, shown.Dialog(), reinterpret_cast<POINT*>(&rect), 2);
        for (POINT p : {POINT{rect.left, rect.bottom - 1}, POINT{rect.right - 1, rect.top}})
            EXPECT_EQ(colour, guides[language].At(p.x, p.y)) << id;
    }
}

TEST(Preview, FramesOnlyTheControlsShownAndNamesWhatFails)
{
    // One language: the chooser is hidden and gets no frame.
    TempFolder folder;
    folder.WriteFile("back.bmp", SolidBitmapFile(400, 260, kGerman));
    const std::string menuPath =
        folder.WriteFile("one.lst", "[Main]\r\nPicture=back.bmp\r\n[Element]\r\nName=Row\r\n");
    const std::string plain = folder.PathOf("plain.bmp"), framed = folder.PathOf("guides.bmp");
    std::string error;
    ASSERT_TRUE(WriteMenuPreview(GetModuleHandleA(nullptr), menuPath, "*", plain, error, framed))
        << error;
    const Pixels guides = ReadPreview(framed);
    EXPECT_TRUE(HasColour(guides, kListGuide));
    EXPECT_FALSE(HasColour(guides, RGB(0, 150, 0))) << "the hidden chooser framed";

    // A menu that cannot be read, a file that cannot be written: each named.
    EXPECT_FALSE(
        WriteMenuPreview(GetModuleHandleA(nullptr), folder.PathOf("none.lst"), "*", plain, error));
    EXPECT_NE(std::string::npos, error.find("none.lst")) << error;
    EXPECT_FALSE(WriteMenuPreview(GetModuleHandleA(nullptr), menuPath, "*",
                                  folder.PathOf("no folder\\preview.bmp"), error));
    EXPECT_NE(std::string::npos, error.find("no folder")) << error;
    // File names hold only what a file name can.
    EXPECT_EQ("preview-without-languages.bmp", PreviewFileName("*"));
    EXPECT_EQ("preview-c__x_.bmp", PreviewFileName("c:\\x*"));
}
