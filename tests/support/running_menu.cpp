#include "running_menu.h"

#include <cstdint>
#include <functional>
#include <fstream>

#include "support/desktop_input.h"

RunningMenu::RunningMenu(const std::string& menuFile) : application(GetModuleHandleA(nullptr))
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

std::string RunningMenu::WriteBeside(const std::string& name, const std::string& bytes)
{
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path(exe);
    path = path.substr(0, path.find_last_of("\\/") + 1) + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
    return path;
}

namespace {

std::string RowsBitmapFile(int width, int height, bool topDown,
                           const std::function<COLORREF(int)>& colourOfRow)
{
    const uint32_t rowSize = ((24u * width + 31) / 32) * 4;
    const uint32_t imageSize = rowSize * height;
    const uint32_t headerFields[][2] = {{14 + 40 + imageSize, 4},
                                        {0, 4},
                                        {14 + 40, 4},
                                        {40, 4},
                                        {uint32_t(width), 4},
                                        {uint32_t(topDown ? -height : height), 4},
                                        {1, 2},
                                        {24, 2},
                                        {0, 4},
                                        {imageSize, 4},
                                        {0, 4},
                                        {0, 4},
                                        {0, 4},
                                        {0, 4}};
    std::string file = "BM";
    for (const auto& field : headerFields)
        for (uint32_t i = 0; i < field[1]; ++i)
            file.push_back(static_cast<char>((field[0] >> (8 * i)) & 0xFF));
    for (int stored = 0; stored < height; ++stored) {
        const COLORREF colour = colourOfRow(topDown ? stored : height - 1 - stored);
        std::string row;
        for (int x = 0; x < width; ++x)
            row += {static_cast<char>(GetBValue(colour)), static_cast<char>(GetGValue(colour)),
                    static_cast<char>(GetRValue(colour))};
        row.resize(rowSize, '\0');
        file += row;
    }
    return file;
}

} // namespace

std::string SolidBitmapFile(int width, int height, COLORREF colour, bool topDown)
{
    return RowsBitmapFile(width, height, topDown, [colour](int) { return colour; });
}

std::string BandedBitmapFile(int width, int height)
{
    return RowsBitmapFile(width, height, false, BandColour);
}

COLORREF ClientPixel(HWND window, int x, int y)
{
    return CaptureClient(window, RECT{x, y, x + 1, y + 1}).At(0, 0);
}
