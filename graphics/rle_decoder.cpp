#include "graphics/rle_decoder.h"

#include <algorithm>

namespace {

// Where the next pixel goes, and how to put one there.
class RowCursor {
public:
    RowCursor(WORD bitCount, LONG width, LONG height, BYTE* rows, std::size_t rowSize)
        : bitCount(bitCount), width(width), height(height), rows(rows), rowSize(rowSize)
    {
    }

    // A delta moves right and up; false when it leaves the image. Like a
    // run, it stops at the row's end.
    bool Skip(unsigned dx, unsigned dy)
    {
        x = std::min(x + LONG(dx), width);
        y += LONG(dy);
        return y < height;
    }
    // False once the last row has been closed.
    bool NextRow()
    {
        x = 0;
        return ++y < height;
    }

    // Pixels past the row's end are dropped, as GDI drops them: encoders
    // (ImageMagick's among them) run their rows on to the padded width.
    void Put(BYTE index)
    {
        if (x >= width)
            return;
        BYTE* const row = rows + std::size_t(y) * rowSize;
        if (bitCount == 8) {
            row[x] = index;
        } else {
            const int shift = (x & 1) ? 0 : 4;
            row[x / 2] = BYTE((row[x / 2] & ~(0x0F << shift)) | ((index & 0x0F) << shift));
        }
        ++x;
    }

private:
    WORD bitCount;
    LONG width, height;
    BYTE* rows;
    std::size_t rowSize;
    LONG x = 0, y = 0; // y counts from the bottom row, as the rows are stored
};

// The index of the k-th pixel that a run or literal byte stands for.
BYTE IndexOf(BYTE value, unsigned k, WORD bitCount)
{
    return bitCount == 8 ? value : BYTE((k & 1) ? value & 0x0F : value >> 4);
}

} // namespace

RleDecoder::End RleDecoder::Decode(const BYTE* stream, std::size_t size, WORD bitCount, LONG width,
                                   LONG height, BYTE* rows, std::size_t rowSize)
{
    RowCursor cursor(bitCount, width, height, rows, rowSize);
    std::size_t at = 0;
    while (size - at >= 2) {
        const unsigned count = stream[at], value = stream[at + 1];
        at += 2;
        if (count != 0) { // a run of one index, or of two alternating nibbles
            for (unsigned k = 0; k < count; ++k)
                cursor.Put(IndexOf(BYTE(value), k, bitCount));
        } else if (value == 0) { // end of line
            if (!cursor.NextRow())
                return End::EndOfBitmap;
        } else if (value == 1) {
            return End::EndOfBitmap;
        } else if (value == 2) { // delta: right and up
            if (size - at < 2)
                return End::StreamEnded;
            if (!cursor.Skip(stream[at], stream[at + 1]))
                return End::OutOfBounds;
            at += 2;
        } else { // literal pixels, padded to a whole 16-bit word
            const std::size_t bytes = (std::size_t(value) * bitCount + 7) / 8;
            if (size - at < bytes)
                return End::StreamEnded;
            for (unsigned k = 0; k < value; ++k)
                cursor.Put(IndexOf(stream[at + (bitCount == 8 ? k : k / 2)], k, bitCount));
            at += (bytes + 1) & ~std::size_t(1);
            if (at > size)
                at = size;
        }
    }
    return End::StreamEnded;
}
