#include "mutator.h"

#include <algorithm>

Mutator::Mutator(std::uint64_t seed) : random(seed) {}

std::size_t Mutator::Below(std::size_t bound)
{
    return bound == 0 ? 0 : static_cast<std::size_t>(random() % bound);
}

bool Mutator::OneIn(std::size_t n)
{
    return Below(n) == 0;
}

std::size_t Mutator::ChunkLength(std::size_t limit)
{
    const std::size_t longest = OneIn(8) ? 4096 : 16;
    return 1 + Below(std::min(std::max<std::size_t>(limit, 1), longest));
}

std::string Mutator::RandomBytes(std::size_t count)
{
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

void Mutator::MutateBytes(std::string& bytes)
{
    // Bytes that a BMP header or a menu line gives a meaning to.
    static const std::string telling("\0\xFF\x7F\x80\x01\n\r[]=_ \xEF\xBB\xBF\xC3\xF0", 17);
    const std::size_t at = Position(bytes);
    switch (Below(bytes.empty() ? 2 : 6)) {
    case 0: bytes.insert(at, RandomBytes(ChunkLength(64))); break;
    case 1: bytes.insert(at, std::string(ChunkLength(8), telling[Below(telling.size())])); break;
    case 2: bytes.resize(Below(bytes.size())); break;
    case 3: {
        const std::size_t start = Below(bytes.size());
        const std::string chunk = bytes.substr(start, ChunkLength(bytes.size() - start));
        for (std::size_t copies = 1 + (OneIn(4) ? Below(64) : 0); copies > 0; --copies)
            bytes.insert(OneIn(2) ? start : Position(bytes), chunk);
        break;
    }
    case 4: {
        const std::size_t start = Below(bytes.size());
        bytes.erase(start, ChunkLength(bytes.size() - start));
        break;
    }
    default:
        if (OneIn(2))
            bytes[Below(bytes.size())] ^= static_cast<char>(1 << Below(8));
        else
            bytes[Below(bytes.size())] = telling[Below(telling.size())];
        break;
    }
}

std::uint32_t Mutator::InterestingValue(std::uint32_t real, std::uint32_t related)
{
    const std::uint32_t power = std::uint32_t(1) << Below(32);
    const std::uint32_t near[] = {real, related, power};
    const std::uint32_t base = near[Below(3)];
    switch (Below(8)) {
    case 0: return 0;
    case 1: return 1;
    case 2: return 0xFFFFFFFFu;                          // -1
    case 3: return OneIn(2) ? 0x80000000u : 0x7FFFFFFFu; // INT_MIN, INT_MAX
    case 4: return base - 1;
    case 5: return base + 1;
    case 6: return OneIn(2) ? base : 0u - base; // as is or negated
    default: return static_cast<std::uint32_t>(random());
    }
}
