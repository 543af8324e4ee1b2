#include "bmp_mutator.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kHeadersSize = 54;

struct Field {
    std::size_t offset;
    std::size_t size;
    std::vector<std::uint32_t> telling; // values that mean something for this field
};

// The header fields by file offset; the size and layout fields come more
// than once so that they are drawn more often.
const std::vector<Field>& Fields()
{
    static const std::vector<Field> fields = {
        {0, 2, {0x4D42}}, // bfType
        {2, 4, {}},       // bfSize
        {6, 2, {}},
        {8, 2, {}}, // bfReserved1, bfReserved2
        {10, 4, {0, 14, 54, 55}},
        {10, 4, {}},                                         // bfOffBits
        {14, 4, {12, 16, 39, 40, 41, 52, 56, 64, 108, 124}}, // biSize
        {18, 4, {}},
        {18, 4, {}}, // biWidth
        {22, 4, {}},
        {22, 4, {}},        // biHeight
        {26, 2, {0, 1, 2}}, // biPlanes
        {28, 2, {0, 1, 2, 4, 8, 15, 16, 24, 32, 48, 64}},
        {28, 2, {}},                    // biBitCount
        {30, 4, {0, 1, 2, 3, 4, 5, 6}}, // biCompression
        {34, 4, {}},
        {34, 4, {}}, // biSizeImage
        {46, 4, {0, 1, 2, 15, 16, 17, 255, 256, 257}},
        {46, 4, {}}, // biClrUsed
        {50, 4, {}}, // biClrImportant
        // Bit-field masks: after a 40-byte header, inside a longer one.
        {54, 4, {0, 0x7C00, 0xF800, 0xFF0000, 0x3FF00000, 0xFFFF0000, 0xFFFFFFFF, 0x7C01}},
        {58, 4, {0, 0x3E0, 0x7E0, 0xFF00, 0xFFC00, 0x10000}},
        {62, 4, {0, 0x1F, 0xFF, 0x3FF, 0x80000001}},
    };
    return fields;
}

std::uint32_t Read(const std::string& bytes, std::size_t offset, std::size_t size)
{
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, size);
    return value;
}

void Write(std::string& bytes, std::size_t offset, std::size_t size, std::uint32_t value)
{
    std::memcpy(&bytes[offset], &value, size);
}

} // namespace

BmpMutator::BmpMutator(Mutator& mutator) : mutator(mutator) {}

std::string BmpMutator::Mutate(std::string bytes)
{
    for (std::size_t changes = 1 + mutator.Below(4); changes > 0; --changes) {
        const std::size_t kind = mutator.Below(10);
        const std::uint32_t compression = bytes.size() >= kHeadersSize ? Read(bytes, 30, 4) : 0;
        if (kind < 3 && (compression == BI_RLE8 || compression == BI_RLE4))
            MutateStream(bytes);
        else if (kind < 6 && bytes.size() >= kHeadersSize)
            MutateField(bytes);
        else if (kind < 7 && bytes.size() >= kHeadersSize)
            ResizeColourTable(bytes);
        else
            mutator.MutateBytes(bytes);
    }
    return bytes;
}

// An RLE stream spoilt where a decoder trusts it: a run or literal count,
// an escape (end of line, end of bitmap, delta) or a delta's steps put
// where the stream had pixels.
void BmpMutator::MutateStream(std::string& bytes)
{
    const std::uint32_t start = Read(bytes, 10, 4);
    if (start >= bytes.size() || bytes.size() - start < 2) {
        mutator.MutateBytes(bytes);
        return;
    }
    static const std::vector<std::string> steps = {
        std::string("\0\0", 2),       std::string("\0\1", 2),     std::string("\0\2\xFF\0", 4),
        std::string("\0\2\0\xFF", 4), std::string("\0\2\1\1", 4), std::string("\xFF\x12", 2),
        std::string("\0\xFF", 2),     std::string("\0\3\1\2", 4)};
    const std::size_t at = start + 2 * mutator.Below((bytes.size() - start) / 2);
    const std::string& step = mutator.Pick(steps);
    if (mutator.OneIn(2))
        bytes.replace(at, std::min(step.size(), bytes.size() - at), step);
    else
        bytes.insert(at, step);
}

void BmpMutator::MutateField(std::string& bytes)
{
    const Field& field = mutator.Pick(Fields());
    if (field.offset + field.size > bytes.size())
        return;
    const std::uint32_t real = Read(bytes, field.offset, field.size);
    // The file's own size and the room behind the headers are what a
    // loader compares sizes and offsets with.
    const std::uint32_t related =
        static_cast<std::uint32_t>(bytes.size() - (mutator.OneIn(2) ? 0 : kHeadersSize));
    const std::uint32_t value = !field.telling.empty() && mutator.OneIn(2)
                                    ? mutator.Pick(field.telling)
                                    : mutator.InterestingValue(real, related);
    Write(bytes, field.offset, field.size, value);
}

// Entries added or taken away right behind the info header; biClrUsed and
// bfOffBits follow the change only sometimes.
void BmpMutator::ResizeColourTable(std::string& bytes)
{
    const std::size_t entries = 1 + mutator.Below(mutator.OneIn(4) ? 300 : 16);
    const bool grow = mutator.OneIn(2);
    if (grow)
        bytes.insert(kHeadersSize, mutator.RandomBytes(4 * entries));
    else
        bytes.erase(kHeadersSize, 4 * entries);
    const std::uint32_t delta = static_cast<std::uint32_t>(grow ? entries : 0 - entries);
    if (mutator.OneIn(2)) {
        const std::uint32_t used = Read(bytes, 46, 4);
        const std::uint32_t depth = Read(bytes, 28, 2);
        const std::uint32_t implied = used != 0 ? used : depth <= 8 ? std::uint32_t(1) << depth : 0;
        Write(bytes, 46, 4, implied + delta);
    }
    if (mutator.OneIn(2) && Read(bytes, 10, 4) != 0)
        Write(bytes, 10, 4, Read(bytes, 10, 4) + 4 * delta);
}
