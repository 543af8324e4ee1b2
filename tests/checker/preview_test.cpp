// The previews of kiveron-check: the real dialog, fitted and filled in one
// language, printed off screen into a BMP file; compared with the same dialog
// as the Wine desktop shows it.
#include "checker/menu_preview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>

#include "app/application.h"
#include "app/main_window.h"
#include "controls/menu_row_layout.h"
#include "graphics/test_pictures.h"
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

// The same dialog shown on the desktop, with the pointer away from it.
struct ShownMenu {
    ShownMenu(const std::string& menu, const std::string& language)
        : application(GetModuleHandleA(nullptr)),
          window(new MainWindow(&application, menu, language))
    {
        // Away first: a dialog that opens under the pointer hovers the row
        // there, and nothing tells the list when the pointer then leaves
        // the dialog altogether.
        MovePointerTo(POINT{0, 0}, PumpAll);
        window->Create();
        PumpAll();
    }
    ~ShownMenu()
    {
        window.reset();
        PumpAll();
    }
    HWND Dialog() const { return window->Dialog(); }
    Application application;
    std::unique_ptr<MainWindow> window;
};

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

int Differences(const Pixels& a, const Pixels& b)
{
    int count = 0;
    for (size_t i = 0; i < a.colours.size() && i < b.colours.size(); ++i)
        count += a.colours[i] != b.colours[i];
    return count;
}

} // namespace

TEST(Preview, PrintsTheDialogOfEachLanguageAsTheDesktopShowsIt)
{
    // English: a patterned picture and two rows; German: a plain one and
    // rows enough to bring up the list's own scroll bar.
    TempFolder folder;
    std::string menu =
        "[Main]\r\nExitText=Exit\r\nPicture_en=" +
        folder.WriteFile("en.bmp", Pattern(360, 250, 24).Bytes()) +
        "\r\nPicture_de=" + folder.WriteFile("de.bmp", SolidBitmapFile(420, 280, kGerman)) +
        "\r\n[Language]\r\nLocale=en\r\nName=English\r\n"
        "[Language]\r\nLocale=de\r\nName=Deutsch\r\n"
        "[Element]\r\nName=Install\r\n[Element]\r\nName=Read me\r\nMarker=Secondary\r\n";
    for (int i = 0; i < 12; ++i)
        menu += "[Element]\r\nName_de=Eintrag " + std::to_string(i) + "\r\n";
    const std::string menuPath = folder.WriteFile("kiveron.lst", menu);

    const struct {
        const char* language;
        SIZE picture;
    } cases[] = {{"en", {360, 250}}, {"de", {420, 280}}, {"en", {360, 250}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        const std::string bmp = folder.PathOf(PreviewFileName(c.language));
        std::string error;
        shows = 0;
        const HHOOK hook =
            SetWindowsHookExA(WH_CALLWNDPROC, CountShows, nullptr, GetCurrentThreadId());
        const bool written =
            WriteMenuPreview(GetModuleHandleA(nullptr), menuPath, c.language, bmp, error);
        UnhookWindowsHookEx(hook);
        ASSERT_TRUE(written) << error;
        EXPECT_EQ(0, shows) << "the dialog must never be shown";
        const Pixels preview = ReadPreview(bmp);
        ASSERT_EQ(c.picture.cx, preview.width);
        ASSERT_EQ(c.picture.cy, preview.height);
        const bool english = c.language == std::string("en");
        for (POINT p : {POINT{3, 4}, POINT{50, 200}})
            EXPECT_EQ(english ? PatternColour(24, p.x, p.y) : kGerman, preview.At(p.x, p.y));

        ShownMenu shown(menuPath, c.language);
        HWND list = GetDlgItem(shown.Dialog(), IDC_MENU_LIST);
        RECT row;
        SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
        POINT bullet = {row.left + kBulletInset + kBulletSize / 2,
                        row.top + kBulletInset + kBulletSize / 2};
        MapWindowPoints(list, shown.Dialog(), &bullet, 1);
        EXPECT_NE(english ? PatternColour(24, bullet.x, bullet.y) : kGerman,
                  preview.At(bullet.x, bullet.y));

        // Other test programs share the desktop and may put a window over
        // this one for a moment: raised above them, it is read again until
        // it shows whole, a few times at most.
        Pixels screen;
        for (int attempt = 0; attempt < 3; ++attempt) {
            SetWindowPos(shown.Dialog(), HWND_TOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            PumpAll();
            Sleep(200);
            PumpAll();
            // Wine may activate the dialog only after it opened; the list's
            // first focus then selects the top row, which a preview of the
            // menu as it opens never shows.
            SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
            RedrawWindow(shown.Dialog(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
            PumpAll();
            screen = CaptureClient(shown.Dialog());
            if (Differences(screen, preview) == 0)
                break;
        }
        ASSERT_EQ(screen.width, preview.width);
        ASSERT_EQ(screen.height, preview.height);
        RECT differ = {screen.width, screen.height, -1, -1};
        for (int y = 0; y < screen.height && y < preview.height; ++y)
            for (int x = 0; x < screen.width && x < preview.width; ++x)
                if (screen.At(x, y) != preview.At(x, y))
                    differ =
                        RECT{std::min(differ.left, LONG(x)), std::min(differ.top, LONG(y)),
                             std::max(differ.right, LONG(x)), std::max(differ.bottom, LONG(y))};
        EXPECT_EQ(0, Differences(screen, preview))
            << "differing pixels within " << differ.left << "," << differ.top << " - "
            << differ.right << "," << differ.bottom;
    }
}

TEST(Preview, ReportsAnUnreadableMenuAndAnUnwritableFile)
{
    TempFolder folder;
    std::string error;
    EXPECT_FALSE(WriteMenuPreview(GetModuleHandleA(nullptr), folder.PathOf("none.lst"), "*",
                                  folder.PathOf("preview-without-languages.bmp"), error));
    EXPECT_NE(std::string::npos, error.find("none.lst")) << error;

    const std::string menu = folder.WriteFile("kiveron.lst", "[Element]\r\nName=Row\r\n");
    const std::string unwritable = folder.PathOf("no folder\\preview-without-languages.bmp");
    error.clear();
    EXPECT_FALSE(WriteMenuPreview(GetModuleHandleA(nullptr), menu, "*", unwritable, error));
    EXPECT_NE(std::string::npos, error.find("no folder")) << error;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(unwritable.c_str()));
}

TEST(Preview, FileNamesHoldOnlyWhatAFileNameCan)
{
    EXPECT_EQ("preview-without-languages.bmp", PreviewFileName("*"));
    EXPECT_EQ("preview-de.bmp", PreviewFileName("de"));
    EXPECT_EQ("preview-c__x_.bmp", PreviewFileName("c:\\x*"));
}

TEST(Preview, GuidesFrameTheAreasKiveronDrawsOverThePicture)
{
    TempFolder folder;
    const std::string menuPath = folder.WriteFile(
        "kiveron.lst", "[Main]\r\nExitText=Exit\r\nPicture=" +
                           folder.WriteFile("back.bmp", SolidBitmapFile(400, 260, kGerman)) +
                           "\r\n[Element]\r\nName=Row\r\n");
    const std::string plain = folder.PathOf("plain.bmp"), guides = folder.PathOf("guides.bmp");
    std::string error;
    ASSERT_TRUE(WriteMenuPreview(GetModuleHandleA(nullptr), menuPath, "*", plain, error, guides))
        << error;
    const Pixels before = ReadPreview(plain), after = ReadPreview(guides);
    ASSERT_EQ(before.colours.size(), after.colours.size());

    ShownMenu shown(menuPath, "*");
    const struct {
        int id;
        COLORREF colour; // none for the chooser: one language hides it
    } areas[] = {{IDC_MENU_LIST, RGB(230, 0, 0)},
                 {IDC_DESCRIPTION, RGB(0, 0, 230)},
                 {IDC_EXIT_LINK, RGB(200, 0, 200)},
                 {IDC_LANGUAGE_COMBO, CLR_INVALID}};
    std::vector<RECT> framed;
    for (const auto& area : areas) {
        RECT rect;
        GetWindowRect(GetDlgItem(shown.Dialog(), area.id), &rect);
        MapWindowPoints(nullptr, shown.Dialog(), reinterpret_cast<POINT*>(&rect), 2);
        const POINT corners[] = {{rect.left, rect.bottom - 1}, {rect.right - 1, rect.top}};
        for (POINT p : corners)
            EXPECT_EQ(area.colour == CLR_INVALID ? before.At(p.x, p.y) : area.colour,
                      after.At(p.x, p.y))
                << area.id;
        if (area.colour != CLR_INVALID)
            framed.push_back(rect);
    }
    int outside = 0;
    for (int i = 0; i < after.width * after.height; ++i) {
        const POINT p{i % after.width, i / after.width};
        const bool inFrame = std::any_of(framed.begin(), framed.end(),
                                         [&](const RECT& r) { return PtInRect(&r, p) != 0; });
        outside += !inFrame && before.At(p.x, p.y) != after.At(p.x, p.y);
    }
    EXPECT_EQ(0, outside) << "guides change only the areas they frame";
    EXPECT_EQ("preview-de-guides.bmp", GuidesFileName("de"));
}
