// The fuzz group's own main: GoogleTest's flags first, then the run's.
#include "fuzz_options.h"

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (!FuzzOptions::Current().Parse(argc, argv)) {
        std::fprintf(stderr,
                     "usage: fuzz_tests [--fuzz-inputs=N] [--fuzz-seed=N] [--fuzz-first=N]\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
