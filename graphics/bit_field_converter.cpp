#include "graphics/bit_field_converter.h"

#include <cstring>

bool BitFieldConverter::Accepts(const DWORD (&masks)[3], WORD bitCount)
{
    if (bitCount != 16 && bitCount != 32)
        return false;
    for (DWORD mask : masks) {
        if (bitCount == 16 && mask > 0xFFFF)
            return false;
        const DWORD lowest = mask & (0 - mask);
        // A run of ones plus its lowest bit carries into one bit above it.
        const DWORD above = mask + lowest;
        if ((above & (above - 1)) != 0)
            return false;
    }
    return true;
}

BitFieldConverter::BitFieldConverter(const DWORD (&masks)[3], WORD bitCount)
    : bitCount(bitCount), blue(ChannelOf(masks[2])), green(ChannelOf(masks[1])),
      red(ChannelOf(masks[0]))
{
}

BitFieldConverter::Channel BitFieldConverter::ChannelOf(DWORD mask)
{
    Channel channel{mask, 0, 0};
    for (; mask != 0 && (mask & 1) == 0; mask >>= 1)
        ++channel.shift;
    for (; mask != 0; mask >>= 1)
        ++channel.length;
    return channel;
}

BYTE BitFieldConverter::Widen(DWORD pixel, const Channel& channel)
{
    if (channel.length == 0)
        return 0;
    DWORD value = (pixel & channel.mask) >> channel.shift;
    if (channel.length >= 8)
        return BYTE(value >> (channel.length - 8));
    value <<= 8 - channel.length;
    return BYTE(value | value >> channel.length);
}

void BitFieldConverter::Convert(BYTE* rows, LONG width, LONG height, std::size_t inRowSize,
                                std::size_t outRowSize) const
{
    const std::size_t inPixel = bitCount / 8, outPixel = OutputBitCount(bitCount) / 8;
    // From the last pixel back to the first: each pixel's output starts at or
    // after its input, and past every earlier pixel's input, so nothing is
    // overwritten before it has been read.
    for (LONG y = height - 1; y >= 0; --y) {
        for (LONG x = width - 1; x >= 0; --x) {
            DWORD pixel = 0;
            std::memcpy(&pixel, rows + std::size_t(y) * inRowSize + std::size_t(x) * inPixel,
                        inPixel);
            BYTE* const out = rows + std::size_t(y) * outRowSize + std::size_t(x) * outPixel;
            out[0] = Widen(pixel, blue);
            out[1] = Widen(pixel, green);
            out[2] = Widen(pixel, red);
            if (outPixel == 4)
                out[3] = 0;
        }
        // The row's padding, so that the block holds no stale bytes.
        const std::size_t used = std::size_t(width) * outPixel;
        std::memset(rows + std::size_t(y) * outRowSize + used, 0, outRowSize - used);
    }
}
