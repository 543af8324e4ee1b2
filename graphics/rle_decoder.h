#pragma once
#include <windows.h>

#include <cstddef>

// Expands a BI_RLE8 or BI_RLE4 pixel stream into plain bottom-up rows of 8
// or 4 bits per pixel, as GDI would lay them out uncompressed. The stream is
// untrusted and every pixel is checked against the row before it is
// written: runs and literals that go past the row's end are cut there and
// deltas stop at it, as GDI cuts them (encoders run rows on to the padded
// width); a delta or end of line past the last row ends the decode. Pixels
// the stream never reaches keep whatever the rows held (callers pass zeroed
// rows, so they show the colour table's first colour).
class RleDecoder {
public:
    enum class End {
        EndOfBitmap, // the stream's own end-of-bitmap mark, or its last row closed
        StreamEnded, // the bytes ran out first
        OutOfBounds, // a delta left the image
    };

    // rows: |height| rows of rowSize bytes, the bottom row first; bitCount
    // is 8 or 4; width and height are positive.
    static End Decode(const BYTE* stream, std::size_t size, WORD bitCount, LONG width, LONG height,
                      BYTE* rows, std::size_t rowSize);
};
