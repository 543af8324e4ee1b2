#pragma once
#include "fuzz_corpus.h"
#include "fuzz_options.h"
#include "mutator.h"
#include "support/temp_folder.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One reader's fuzzing run. Every input goes to the reader through a real
// file; the check names the invariant that the reader broke, or is empty.
// An input that breaks one, that is slow (long runs only), that crashes the
// process or that hangs is saved under fuzz-findings\ in the current folder
// and reported with the seed and index that make it again.
class FuzzRun {
public:
    using Check = std::function<std::string(const std::string& path, const std::string& bytes)>;
    using Generate = std::function<std::string(Mutator& mutator)>;

    // reader names the run in reports and file names; extension is the
    // inputs' file name extension (".lst", ".bmp").
    FuzzRun(const std::string& reader, const std::string& extension);
    ~FuzzRun();
    FuzzRun(const FuzzRun&) = delete;
    FuzzRun& operator=(const FuzzRun&) = delete;

    // Each corpus file as it is.
    void TryCorpus(const std::vector<CorpusFile>& corpus, const Check& check);
    // The inputs of the current options, input i made by generate from a
    // mutator seeded with the run's seed and i.
    void TryMutations(const Generate& generate, const Check& check);

    // Prints inputs tried, inputs per second, findings and the slowest input.
    void PrintSummary() const;

private:
    void Try(const std::string& label, const std::string& bytes, const Check& check);
    void Report(const std::string& label, const std::string& bytes, const std::string& failure);
    std::uint64_t InputSeed(std::uint64_t index) const;

    std::string reader;
    std::string extension;
    TempFolder folder;
    using Clock = std::chrono::steady_clock;
    Clock::time_point started;
    std::uint64_t tried = 0;
    int findings = 0;
    double slowestSeconds = 0;
    std::string slowestLabel;
};
