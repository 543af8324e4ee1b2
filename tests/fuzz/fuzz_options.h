#pragma once
#include <cstdint>

// How many inputs a run tries and from which seed, taken from the test
// executable's command line:
//   --fuzz-inputs=N  inputs per reader (a long run; without it the short
//                    run of the test suite)
//   --fuzz-seed=N    the run's seed; the same seed gives the same inputs
//   --fuzz-first=N   the index of the first input, to repeat one input of
//                    a run: --fuzz-seed=S --fuzz-first=I --fuzz-inputs=1
struct FuzzOptions {
    static constexpr std::uint64_t kShortRunInputs = 2000;
    // A long run reports every input slower than this as a finding.
    static constexpr double kSlowInputSeconds = 2.0;

    std::uint64_t inputs = kShortRunInputs;
    std::uint64_t seed = 1;
    std::uint64_t first = 0;
    bool longRun = false;

    // Takes the options above out of argv; false names an unknown value.
    bool Parse(int argc, char** argv);

    // The options of this process, set once by main.
    static FuzzOptions& Current();
};
