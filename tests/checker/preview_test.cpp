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
#include "support/running_menu.h"
#include "support/temp_folder.h"

namespace {

constexpr COLORREF kGerman = RGB(200, 60, 30);

// The pixels of a BMP file as the preview writes it: 24 bits, bottom-up.
Pixels ReadPreview(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    bytes.copy(reinterpret_cast<char*>(&file), sizeof(file));
    bytes.copy(reinterpret_cast<char*>(&info), sizeof(info), sizeof(file));
    const size_t stride = (info.biWidth * 3 + 3) & ~3;
    if (file.bfType != 0x4D42 || info.biBitCount != 24 ||
        bytes.size() != file.bfOffBits + stride * info.biHeight) {
        ADD_FAILURE() << path << " is no 24-bit bottom-up BMP file";
        return Pixels();
    }
    Pixels pixels{info.biWidth, info.biHeight, {}};
    for (int y = pixels.height - 1; y >= 0; --y)
        for (int x = 0; x < pixels.width; ++x) {
            const char* bgr = &bytes[file.bfOffBits + y * stride + 3 * x];
            pixels.colours.push_back(RGB(BYTE(bgr[2]), BYTE(bgr[1]), BYTE(bgr[0])));
        }
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

Pixels Preview(const std::string& menu, const std::string& language)
{
    const std::string bmp = RunningMenu::WriteBeside(PreviewFileName(language), "");
    std::string error;
    shows = 0;
    const HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, CountShows, nullptr, GetCurrentThreadId());
    EXPECT_TRUE(WriteMenuPreview(GetModuleHandleA(nullptr), menu, language, bmp, error)) << error;
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(0, shows) << "the dialog must never be shown";
    return ReadPreview(bmp);
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

// The pixels that differ, with the first of them for the message.
std::string Differences(const Pixels& a, const Pixels& b)
{
    int count = 0, first = -1;
    for (size_t i = 0; i < a.colours.size() && i < b.colours.size(); ++i)
        if (a.colours[i] != b.colours[i] && count++ == 0)
            first = int(i);
    return count == 0 ? ""
                      : std::to_string(count) + " pixels, the first at " +
                            std::to_string(first % a.width) + "," + std::to_string(first / a.width);
}

} // namespace

TEST(Preview, PrintsTheDialogOfEachLanguageAsTheDesktopShowsIt)
{
    // Each language a picture of its own, and rows enough to bring up the
    // list's own scroll bar.
    std::string menu =
        "[Main]\r\nExitText=Exit\r\nPicture_en=" +
        RunningMenu::WriteBeside("en.bmp", BandedBitmapFile(360, 250)) +
        "\r\nPicture_de=" + RunningMenu::WriteBeside("de.bmp", SolidBitmapFile(420, 280, kGerman)) +
        "\r\n[Language]\r\nLocale=en\r\nName=English\r\n"
        "[Language]\r\nLocale=de\r\nName=Deutsch\r\n"
        "[Element]\r\nName=Read me\r\nMarker=Secondary\r\n";
    for (int i = 0; i < 12; ++i)
        menu += "[Element]\r\nName=Entry " + std::to_string(i) + "\r\n";
    const std::string menuPath = RunningMenu::WriteBeside("kiveron.lst", menu);
    // Again after the other language: nothing of one preview stays for the next.
    std::map<std::string, Pixels> previews;
    for (const char* language : {"en", "de", "en"}) {
        const Pixels preview = Preview(menuPath, language);
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
    HWND list = shown.Control(IDC_MENU_LIST);

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
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        RedrawWindow(shown.Dialog(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        PumpAll();
        screen = CaptureClient(shown.Dialog());
        if (Differences(screen, preview).empty())
            break;
    }
    ASSERT_EQ(screen.width, preview.width);
    ASSERT_EQ(screen.height, preview.height);
    EXPECT_EQ("", Differences(screen, preview));
}

TEST(Preview, GuidesFrameTheAreasKiveronDrawsOverThePictureAndFailuresAreReported)
{
    const std::string menu =
        "[Main]\r\nExitText=Exit\r\nPicture=" +
        RunningMenu::WriteBeside("back.bmp", SolidBitmapFile(400, 260, kGerman)) +
        "\r\n[Element]\r\nName=Row\r\n";
    const std::string menuPath = RunningMenu::WriteBeside("kiveron.lst", menu);
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
