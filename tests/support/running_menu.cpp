#include "running_menu.h"

#include <cstdint>
#include <fstream>

RunningMenu::RunningMenu(const std::string& menuFile)
    : application(GetModuleHandleA(nullptr))
{
    WriteBeside("kiveron.lst", menuFile);
    window.reset(new MainWindow(&application));
    window->Create();
    Pump();
}

RunningMenu::~RunningMenu()
{
    window.reset();
    // Destroying the dialog posts a quit message of its own: drain it so the
    // next test starts with an empty queue.
    Pump();
}

void RunningMenu::Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitSeen = true;
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::string RunningMenu::ExecutableFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::string RunningMenu::WriteBeside(const std::string& name, const std::string& bytes)
{
    const std::string path = ExecutableFolder() + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
    return path;
}

namespace {

void PutLittleEndian(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

std::string SolidBitmapFile(int width, int height, COLORREF colour, bool topDown)
{
    const uint32_t rowSize = ((24u * width + 31) / 32) * 4;
    const uint32_t imageSize = rowSize * height;
    std::string file = "BM";
    PutLittleEndian(file, 14 + 40 + imageSize, 4);
    PutLittleEndian(file, 0, 4);
    PutLittleEndian(file, 14 + 40, 4);
    PutLittleEndian(file, 40, 4);
    PutLittleEndian(file, width, 4);
    PutLittleEndian(file, static_cast<uint32_t>(topDown ? -height : height), 4);
    PutLittleEndian(file, 1, 2);
    PutLittleEndian(file, 24, 2);
    PutLittleEndian(file, 0, 4);
    PutLittleEndian(file, imageSize, 4);
    for (int i = 0; i < 4; ++i)
        PutLittleEndian(file, 0, 4);
    std::string row;
    for (int x = 0; x < width; ++x) {
        row.push_back(static_cast<char>(GetBValue(colour)));
        row.push_back(static_cast<char>(GetGValue(colour)));
        row.push_back(static_cast<char>(GetRValue(colour)));
    }
    row.resize(rowSize, '\0');
    for (int y = 0; y < height; ++y)
        file += row;
    return file;
}

COLORREF ClientPixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}
