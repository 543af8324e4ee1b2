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
    explicit Mutator(std::uint64_t seed);

    // 0 .. bound - 1 (0 when bound is 0).
    std::size_t Below(std::size_t bound);
    bool OneIn(std::size_t n);
    template <typename T>
    const T& Pick(const std::vector<T>& choices)
    {
        return choices[Below(choices.size())];
    }

    // One change: a flipped bit, a byte set to one that means something to
    // a reader, a truncation, random bytes inserted, a chunk duplicated in
    // place or elsewhere, or a chunk erased.
    void MutateBytes(std::string& bytes);

    // A value that tends to break size arithmetic: 0, 1, -1, INT_MIN,
    // INT_MAX, powers of two and their neighbours, the real value and its
    // neighbours, a related value (such as the file's size) and its
    // neighbours, or any value.
    std::uint32_t InterestingValue(std::uint32_t real, std::uint32_t related);

    std::string RandomBytes(std::size_t count);

private:
    // A position in bytes, the end included.
    std::size_t Position(const std::string& bytes) { return Below(bytes.size() + 1); }
    // A chunk length: short ones are the most telling, long ones are rare.
    std::size_t ChunkLength(std::size_t limit);

    std::mt19937_64 random;
};
