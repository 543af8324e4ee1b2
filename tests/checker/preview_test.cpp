// The previews of kiveron-check: the real dialog, fitted and filled in one
// language, printed off screen into a BMP file; compared with the same dialog
// as the Wine desktop shows it.
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

constexpr COLORREF kGerman = RGB(200, 60, 30);

// The pixels of a BMP file as the preview writes it: 24 bits a pixel.
Pixels ReadPreview(const std::string& path)
{
    const HBITMAP bitmap = HBITMAP(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                              LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    DIBSECTION dib = {};
    GetObjectA(bitmap, sizeof(dib), &dib);
    EXPECT_EQ(24, dib.dsBmih.biBitCount) << path;
    const Pixels pixels = CaptureDrawing(dib.dsBm.bmWidth, dib.dsBm.bmHeight, [&](HDC dc) {
        const HDC source = CreateCompatibleDC(dc);
        SelectObject(source, bitmap);
        BitBlt(dc, 0, 0, dib.dsBm.bmWidth, dib.dsBm.bmHeight, source, 0, 0, SRCCOPY);
        DeleteDC(source);
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

// The menu shown on the desktop, with the pointer away from it: a dialog
// that opens under the pointer hovers the row there, and nothing tells the
// list when the pointer then leaves the dialog altogether.
struct ShownMenu : RunningMenu {
    explicit ShownMenu(const std::string& menu)
        : RunningMenu((MovePointerTo({0, 0}, PumpAll), menu))
    {
    }
};

// A menu of preview/; its pictures are named as written beside the test
// executable, the disc's root.
std::string MenuOf(const char* name)
{
    std::ifstream in(HostPath(std::string(CHECKER_DATA "/preview/") + name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(Preview, PrintsTheDialogOfEachLanguageAsTheDesktopShowsIt)
{
    // Each language a picture of its own, and rows enough to bring up the
    // list's own scroll bar.
    RunningMenu::WriteBeside("en.bmp", BandedBitmapFile(360, 250));
    RunningMenu::WriteBeside("de.bmp", SolidBitmapFile(420, 280, kGerman));
    const std::string menu = MenuOf("languages.lst"),
                      menuPath = RunningMenu::WriteBeside("kiveron.lst", menu);
    // Again after the other language: nothing of one preview stays for the next.
    std::map<std::string, Pixels> previews;
    for (const char* language : {"en", "de", "en"}) {
        const std::string bmp = RunningMenu::WriteBeside(PreviewFileName(language), "");
        std::string error;
        shows = 0;
        const HHOOK hook =
            SetWindowsHookExA(WH_CALLWNDPROC, CountShows, nullptr, GetCurrentThreadId());
        EXPECT_TRUE(WriteMenuPreview(GetModuleHandleA(nullptr), menuPath, language, bmp, error))
            << error;
        UnhookWindowsHookEx(hook);
        EXPECT_EQ(0, shows) << "the dialog must never be shown";
        const Pixels preview = ReadPreview(bmp);
        const bool english = language == std::string("en");
        ASSERT_EQ(english ? 360 : 420, preview.width) << language;
        ASSERT_EQ(english ? 250 : 280, preview.height) << language;
        for (POINT p : {POINT{3, 4}, POINT{50, 200}})
            EXPECT_EQ(english ? BandColour(p.y) : kGerman, preview.At(p.x, p.y)) << language;
        previews[language] = preview;
    }

    // The desktop shows the language the menu starts in.
    ShownMenu shown(menu);
    const Pixels& preview = previews[shown.Window().CurrentLanguage()];

    // Other test programs share the desktop and may put a window over this
    // one for a moment: raised above them, it is read again until it shows
    // whole, a few times at most.
    Pixels screen;
    for (int attempt = 0; attempt < 3; ++attempt) {
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
        if (screen.colours == preview.colours)
            break;
    }
    ASSERT_EQ(screen.width, preview.width);
    EXPECT_TRUE(screen.colours == preview.colours) << "the preview differs from the desktop";
}

TEST(Preview, GuidesFrameTheAreasKiveronDrawsOverThePictureAndFailuresAreReported)
{
    RunningMenu::WriteBeside("back.bmp", SolidBitmapFile(400, 260, kGerman));
    const std::string menu = MenuOf("guides.lst"),
                      menuPath = RunningMenu::WriteBeside("kiveron.lst", menu);
    TempFolder folder;
    const std::string plain = folder.PathOf("plain.bmp"), guides = folder.PathOf("guides.bmp");
    std::string error;
    ASSERT_TRUE(WriteMenuPreview(GetModuleHandleA(nullptr), menuPath, "*", plain, error, guides))
        << error;
    const Pixels before = ReadPreview(plain), after = ReadPreview(guides);
    ASSERT_EQ(before.colours.size(), after.colours.size());

    ShownMenu shown(menu);
    const struct {
        int id;
        COLORREF colour; // none for the chooser: one language hides it
    } areas[] = {{IDC_MENU_LIST, RGB(230, 0, 0)},
                 {IDC_DESCRIPTION, RGB(0, 0, 230)},
                 {IDC_EXIT_LINK, RGB(200, 0, 200)},
                 {IDC_LANGUAGE_COMBO, CLR_INVALID}};
    for (const auto& area : areas) {
        RECT rect;
        GetWindowRect(shown.Control(area.id), &rect);
        MapWindowPoints(nullptr, shown.Dialog(), reinterpret_cast<POINT*>(&rect), 2);
        for (POINT p : {POINT{rect.left, rect.bottom - 1}, POINT{rect.right - 1, rect.top}})
            EXPECT_EQ(area.colour == CLR_INVALID ? before.At(p.x, p.y) : area.colour,
                      after.At(p.x, p.y))
                << area.id;
    }

    // A menu that cannot be read, a file that cannot be written: each named.
    const std::string unwritable = folder.PathOf("no folder\\preview.bmp");
    EXPECT_FALSE(
        WriteMenuPreview(GetModuleHandleA(nullptr), folder.PathOf("none.lst"), "*", plain, error));
    EXPECT_NE(std::string::npos, error.find("none.lst")) << error;
    EXPECT_FALSE(WriteMenuPreview(GetModuleHandleA(nullptr), menuPath, "*", unwritable, error));
    EXPECT_NE(std::string::npos, error.find("no folder")) << error;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(unwritable.c_str()));
    // File names hold only what a file name can.
    EXPECT_EQ("preview-without-languages.bmp", PreviewFileName("*"));
    EXPECT_EQ("preview-c__x_.bmp", PreviewFileName("c:\\x*"));
    EXPECT_EQ("preview-de-guides.bmp", GuidesFileName("de"));
}
