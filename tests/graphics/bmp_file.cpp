#include "bmp_file.h"

#include <cstring>

namespace {

template <typename T>
void Append(std::string& out, const T& value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// Distinct for every index below 256 (the blue channel alone tells them apart).
RGBQUAD TableColour(int index) {
    RGBQUAD colour;
    colour.rgbRed = static_cast<BYTE>(index * 53);
    colour.rgbGreen = static_cast<BYTE>(index * 97 + 40);
    colour.rgbBlue = static_cast<BYTE>(255 - index);
    colour.rgbReserved = 0;
    return colour;
}

int ColourCount(WORD bitCount) {
    return bitCount <= 8 ? 1 << bitCount : 0;
}

int PatternIndex(WORD bitCount, int x, int y) {
    return (x + 3 * y) % ColourCount(bitCount);
}

// Channels of 16-bit pixels use only the 5-bit levels 0..2, whose 8-bit
// value is the same whichever way a system widens 5 bits to 8.
int Level555(int value) {
    return value % 3;
}

void PutBits(std::string& row, int x, WORD bitCount, unsigned value) {
    const int bitOffset = x * bitCount;
    const int shift = 8 - bitCount - bitOffset % 8;
    row[bitOffset / 8] = static_cast<char>(static_cast<unsigned char>(row[bitOffset / 8]) | (value << shift));
}

void PutPixel(std::string& row, int x, WORD bitCount, int y) {
    const COLORREF colour = PatternColour(bitCount, x, y);
    switch (bitCount) {
    case 1: case 4: case 8:
        if (bitCount == 8)
            row[x] = static_cast<char>(PatternIndex(bitCount, x, y));
        else
            PutBits(row, x, bitCount, static_cast<unsigned>(PatternIndex(bitCount, x, y)));
        break;
    case 16: {
        const WORD value = static_cast<WORD>((Level555(x) << 10) | (Level555(y) << 5) | Level555(x + y));
        std::memcpy(&row[x * 2], &value, sizeof value);
        break;
    }
    default: {
        const int bytes = bitCount / 8;
        row[x * bytes] = static_cast<char>(GetBValue(colour));
        row[x * bytes + 1] = static_cast<char>(GetGValue(colour));
        row[x * bytes + 2] = static_cast<char>(GetRValue(colour));
        break;
    }
    }
}

BITMAPINFOHEADER InfoHeader(int width, int height, WORD bitCount) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = bitCount;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(StrideOf(width, bitCount) * height);
    return info;
}

} // namespace

std::string BmpFile::Bytes() const {
    std::string out;
    Append(out, signature);
    Append(out, static_cast<DWORD>(0)); // file size: not looked at
    Append(out, reserved1);
    Append(out, reserved2);
    Append(out, automaticPixelOffset ? AutomaticPixelOffset() : pixelOffset);
    Append(out, info);
    out += headerExtension;
    for (const RGBQUAD& colour : colorTable)
        Append(out, colour);
    return out + pixels;
}

DWORD BmpFile::AutomaticPixelOffset() const {
    return static_cast<DWORD>(14 + sizeof info + headerExtension.size() + colorTable.size() * sizeof(RGBQUAD));
}

int StrideOf(int width, int bitCount) {
    return (bitCount * width + 31) / 32 * 4;
}

COLORREF PatternColour(WORD bitCount, int x, int y) {
    if (bitCount <= 8) {
        const RGBQUAD colour = TableColour(PatternIndex(bitCount, x, y));
        return RGB(colour.rgbRed, colour.rgbGreen, colour.rgbBlue);
    }
    if (bitCount == 16)
        return RGB(Level555(x) << 3, Level555(y) << 3, Level555(x + y) << 3);
    return RGB(x * 40 + 10, y * 40 + 20, (x * 16 + y) ^ 0x80);
}

BmpFile PatternPicture(int width, int height, WORD bitCount) {
    BmpFile file;
    file.info = InfoHeader(width, height, bitCount);
    for (int i = 0; i < ColourCount(bitCount); ++i)
        file.colorTable.push_back(TableColour(i));
    // Rows are stored bottom-up.
    for (int y = height - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(StrideOf(width, bitCount)), '\0');
        for (int x = 0; x < width; ++x)
            PutPixel(row, x, bitCount, y);
        file.pixels += row;
    }
    return file;
}

BmpFile SolidPicture(int width, int height, COLORREF colour) {
    BmpFile file;
    file.info = InfoHeader(width, height, 24);
    for (int y = 0; y < height; ++y) {
        std::string row(static_cast<size_t>(StrideOf(width, 24)), '\0');
        for (int x = 0; x < width; ++x) {
            row[x * 3] = static_cast<char>(GetBValue(colour));
            row[x * 3 + 1] = static_cast<char>(GetGValue(colour));
            row[x * 3 + 2] = static_cast<char>(GetRValue(colour));
        }
        file.pixels += row;
    }
    return file;
}
