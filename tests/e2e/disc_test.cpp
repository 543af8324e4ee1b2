#include "disc_test.h"

void DiscTest::SetUp()
{
    ASSERT_TRUE(disc.Mapped()) << "Wine's mount manager did not map a drive for the disc";
}

std::string DiscTest::PutRecorder(const std::string& name) const
{
    EXPECT_TRUE(disc.CopyIn(RECORD_ARGS_EXE, name)) << name;
    return disc.PathOf(name.substr(0, name.find_last_of('.')) + ".txt");
}

std::string WaitForFileContent(const std::string& path)
{
    std::string content;
    WaitUntil([&] {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        content.assign(GetFileSize(file, nullptr), '\0');
        DWORD read = 0;
        const BOOL ok = ReadFile(file, &content[0], static_cast<DWORD>(content.size()), &read,
                                 nullptr);
        CloseHandle(file);
        return ok && read == content.size();
    });
    return content;
}

// Wine's per-program settings in the user's registry; the global setting,
// which every other test shares, stays untouched.
WineVersionOverride::WineVersionOverride(const std::string& exeName, const std::string& version)
    : keyPath("Software\\Wine\\AppDefaults\\" + exeName)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    applied = RegSetValueExA(key, "Version", 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(version.c_str()),
                             static_cast<DWORD>(version.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(key);
}

WineVersionOverride::~WineVersionOverride()
{
    RegDeleteKeyA(HKEY_CURRENT_USER, keyPath.c_str());
}

namespace {

// The window, or one of its controls, is what the screen shows at each point.
bool OnTop(HWND window, const std::vector<POINT>& screenPoints)
{
    for (const POINT& point : screenPoints) {
        HWND found = WindowFromPoint(point);
        if (found != window && !IsChild(window, found))
            return false;
    }
    return true;
}

} // namespace

bool WaitForClientColour(HWND window, POINT clientPoint, COLORREF wanted)
{
    POINT point = clientPoint;
    ClientToScreen(window, &point);
    return WaitUntil([&] {
        if (!OnTop(window, {point}))
            return false;
        HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, point.x, point.y);
        ReleaseDC(nullptr, screen);
        // Covered while it was read: the answer is not the window's.
        return colour == wanted && OnTop(window, {point});
    });
}

int PixelsUnlike(HWND control, COLORREF background)
{
    RECT area;
    GetWindowRect(control, &area);
    const std::vector<POINT> corners = {
        {area.left, area.top}, {area.right - 1, area.top}, {area.left, area.bottom - 1},
        {area.right - 1, area.bottom - 1},
        {(area.left + area.right) / 2, (area.top + area.bottom) / 2}};
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    int unlike = -1;
    WaitUntil([&] {
        if (!OnTop(GetParent(control), corners))
            return false;
        // Read back from a copy of the area rather than pixel by pixel.
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
        int count = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                count += GetPixel(memory, x, y) != background ? 1 : 0;
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        // Covered while it was copied: the copy is not the control's.
        if (OnTop(GetParent(control), corners))
            unlike = count;
        return unlike >= 0;
    });
    return unlike;
}
