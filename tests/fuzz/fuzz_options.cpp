#include "fuzz_options.h"

#include <cstdlib>
#include <cstring>

namespace {

// The number after the prefix when the argument starts with it.
bool NumberAfter(const char* argument, const char* prefix, std::uint64_t& value, bool& valid)
{
    const std::size_t length = std::strlen(prefix);
    if (std::strncmp(argument, prefix, length) != 0)
        return false;
    char* end = nullptr;
    value = std::strtoull(argument + length, &end, 10);
    valid = valid && end != argument + length && *end == '\0';
    return true;
}

} // namespace

bool FuzzOptions::Parse(int argc, char** argv)
{
    bool valid = true;
    for (int i = 1; i < argc; ++i) {
        if (NumberAfter(argv[i], "--fuzz-inputs=", inputs, valid))
            longRun = true;
        else
            NumberAfter(argv[i], "--fuzz-seed=", seed, valid) ||
                NumberAfter(argv[i], "--fuzz-first=", first, valid);
    }
    return valid;
}

FuzzOptions& FuzzOptions::Current()
{
    static FuzzOptions options;
    return options;
}
