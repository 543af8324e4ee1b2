#include "checker/preview_canvas.h"

#include "platform/text_helpers.h"

#include <cstring>

namespace {

constexpr WORD kBmpSignature = 0x4D42; // "BM"

} // namespace

PreviewCanvas::PreviewCanvas(int width, int height)
    : header(), dc(CreateCompatibleDC(nullptr)), bitmap(nullptr), previous(nullptr), bits(nullptr)
{
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height; // positive: bottom-up, as BMP files store rows
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = ImageSize();
    BITMAPINFO info = {};
    info.bmiHeader = header;
    if (dc && width > 0 && height > 0)
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        bits = nullptr;
        return;
    }
    previous = SelectObject(dc, bitmap);
    std::memset(bits, 0xFF, ImageSize());
}

PreviewCanvas::~PreviewCanvas()
{
    if (bitmap) {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
    }
    if (dc)
        DeleteDC(dc);
}

DWORD PreviewCanvas::ImageSize() const
{
    // Every row is padded to whole DWORDs.
    const DWORD stride = (static_cast<DWORD>(header.biWidth) * 3 + 3) & ~3u;
    return stride * static_cast<DWORD>(header.biHeight);
}

bool PreviewCanvas::Save(const std::string& path, std::string& error) const
{
    if (!bits) {
        error = "the preview bitmap could not be made";
        return false;
    }
    // What GDI painted may still be queued.
    GdiFlush();
    BITMAPFILEHEADER file = {};
    file.bfType = kBmpSignature;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + ImageSize();

    const HANDLE output = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        error = path + ": " + SystemErrorText(GetLastError());
        return false;
    }
    const struct {
        const void* data;
        DWORD size;
    } parts[] = {{&file, sizeof(file)}, {&header, sizeof(header)}, {bits, ImageSize()}};
    bool written = true;
    for (const auto& part : parts) {
        DWORD done = 0;
        if (!WriteFile(output, part.data, part.size, &done, nullptr) || done != part.size) {
            written = false;
            break;
        }
    }
    // A write that stops short without an error has found the disc full.
    const DWORD failure = written ? 0 : GetLastError();
    CloseHandle(output);
    if (!written) {
        error = path + ": " + SystemErrorText(failure ? failure : ERROR_DISK_FULL);
        DeleteFileA(path.c_str());
    }
    return written;
}
