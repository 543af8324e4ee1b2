#pragma once
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// The random choices of one fuzzing input and the byte-level changes that
// any file format meets. std::mt19937_64 is the same generator on every
// platform, and no standard distribution is used (their results differ
// between libraries), so a seed names the same input everywhere.
class Mutator {
public:
    explicit Mutator(std::uint64_t seed) : random(seed) {}

    // 0 .. bound - 1 (0 when bound is 0).
    std::size_t Below(std::size_t bound) { return bound == 0 ? 0 : std::size_t(random() % bound); }
    bool OneIn(std::size_t n) { return Below(n) == 0; }
    template <typename T>
    const T& Pick(const std::vector<T>& choices)
    {
        return choices[Below(choices.size())];
    }
    // A chunk length: short ones are the most telling, long ones are rare.
    std::size_t ChunkLength(std::size_t limit)
    {
        return 1 +
               Below(std::min<std::size_t>(std::max<std::size_t>(limit, 1), OneIn(8) ? 4096 : 16));
    }

    // One change: a flipped bit, a byte set to one that means something to
    // a reader, a truncation, random bytes inserted, a chunk duplicated in
    // place or elsewhere, or a chunk erased.
    void MutateBytes(std::string& bytes);

    // A value that tends to break size arithmetic: 0, 1, -1, INT_MIN,
    // INT_MAX, or a power of two, the real value or a related one (such as
    // the file's size), as it is, negated or a neighbour; or any value.
    std::uint32_t InterestingValue(std::uint32_t real, std::uint32_t related);

private:
    std::mt19937_64 random;
};

// One to four changes stacked on a valid BMP file, where a loader is most
// likely to trust it: the size, offset, depth and compression fields of its
// headers set to values that break size arithmetic; its colour table made
// longer or shorter with or without the headers agreeing; RLE streams given
// runs, literals and deltas that leave the row or the image; plain bytes.
std::string MutateBmp(Mutator& mutator, std::string bytes);

// One to four changes stacked on a real menu file: made-up section and key
// lines (case, blanks, language suffixes, long and empty values, invalid
// UTF-8, NULs), lines repeated, dropped or swapped, the file cut inside a
// line, other line breaks, byte-order marks, the file in UTF-16; plain bytes.
std::string MutateMenu(Mutator& mutator, const std::string& text);
