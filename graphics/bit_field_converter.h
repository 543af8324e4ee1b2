#pragma once
#include <windows.h>

#include <cstddef>

// Turns BI_BITFIELDS rows of 16 or 32 bits per pixel into plain BI_RGB rows
// (24 bits from 16, 32 bits from 32) that every GDI draws. Each channel is
// widened to 8 bits the way GDI widens it: the field's top bits become the
// byte's top bits and are repeated once below them; fields wider than 8 bits
// keep their top 8.
class BitFieldConverter {
public:
    // False unless each mask is one run of set bits (or none) inside the pixel.
    static bool Accepts(const DWORD (&masks)[3], WORD bitCount);

    // The depth of the rows Convert makes.
    static WORD OutputBitCount(WORD bitCount) { return bitCount == 16 ? 24 : 32; }

    BitFieldConverter(const DWORD (&masks)[3], WORD bitCount);

    // Converts height rows in place: they are read at inRowSize bytes each and
    // written at outRowSize (>= inRowSize) bytes each from the same start.
    void Convert(BYTE* rows, LONG width, LONG height, std::size_t inRowSize,
                 std::size_t outRowSize) const;

private:
    struct Channel {
        DWORD mask;
        int shift;  // lowest bit of the field
        int length; // bits in the field
    };
    static Channel ChannelOf(DWORD mask);
    static BYTE Widen(DWORD pixel, const Channel& channel);

    WORD bitCount;
    Channel blue, green, red;
};
