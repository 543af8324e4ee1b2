#include "fuzz_run.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

// An input still running after this long is taken for a hang: it is saved
// and the process ends, so that the run reports it instead of timing out.
constexpr DWORD kHangMs = 30000;
constexpr int kMostFindingsSaved = 50;

// The input in hand, for the crash handler and the hang watch.
struct CurrentInput {
    const std::string* reader = nullptr;
    const std::string* extension = nullptr;
    std::string label;
    const std::string* bytes = nullptr;
    volatile bool running = false;
    volatile DWORD startTick = 0; // GetTickCount when it started
};
CurrentInput current;

// Saves the input under fuzz-findings\ and tells what it broke, where it
// lies and, for a generated input, the options that make it again.
std::string SaveFinding(const std::string& reader, const std::string& label,
                        const std::string& extension, const std::string& bytes,
                        const std::string& failure)
{
    const std::string seed = std::to_string(FuzzOptions::Current().seed);
    CreateDirectoryA("fuzz-findings", nullptr);
    const std::string path = "fuzz-findings\\" + reader + "-seed" + seed + "-" + label + extension;
    WriteBinaryFile(path, bytes);
    char full[MAX_PATH];
    std::string finding = reader + " " + label + " (seed " + seed + "): " + failure +
                          "\n  saved as " +
                          (GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr) ? full : path);
    if (label.compare(0, 5, "input") == 0)
        finding += "\n  again: --fuzz-seed=" + seed + " --fuzz-first=" + label.substr(5) +
                   " --fuzz-inputs=1";
    return finding;
}

void ReportLastInput(const std::string& failure)
{
    if (current.bytes == nullptr)
        return;
    const std::string finding =
        SaveFinding(*current.reader, current.label, *current.extension, *current.bytes, failure);
    std::fprintf(stderr, "FINDING %s\n", finding.c_str());
    std::fflush(stderr);
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS* exception)
{
    char what[64];
    std::snprintf(what, sizeof what, "crashed with exception 0x%08lX",
                  static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode));
    ReportLastInput(what);
    return EXCEPTION_CONTINUE_SEARCH;
}

DWORD WINAPI WatchForHangs(void*)
{
    for (;;) {
        Sleep(500);
        if (current.running && GetTickCount() - current.startTick > kHangMs) {
            ReportLastInput("hangs");
            TerminateProcess(GetCurrentProcess(), 3);
        }
    }
}

} // namespace

FuzzRun::FuzzRun(const std::string& reader, const std::string& extension)
    : reader(reader), extension(extension), started(Clock::now())
{
    static const bool guarded = [] {
        SetUnhandledExceptionFilter(OnCrash);
        CloseHandle(CreateThread(nullptr, 0, WatchForHangs, nullptr, 0, nullptr));
        return true;
    }();
    (void)guarded;
}

FuzzRun::~FuzzRun()
{
    current.bytes = nullptr;
}

void FuzzRun::TryCorpus(const std::vector<CorpusFile>& corpus, const Check& check)
{
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        std::string name = corpus[i].name.substr(0, corpus[i].name.rfind('.'));
        std::replace(name.begin(), name.end(), ' ', '-');
        Try("corpus" + std::to_string(i) + "-" + name, corpus[i].bytes, check);
    }
}

void FuzzRun::TryMutations(const Generate& generate, const Check& check)
{
    const FuzzOptions& options = FuzzOptions::Current();
    for (std::uint64_t i = options.first; i < options.first + options.inputs; ++i) {
        Mutator mutator(InputSeed(i));
        Try("input" + std::to_string(i), generate(mutator), check);
    }
}

void FuzzRun::Try(const std::string& label, const std::string& bytes, const Check& check)
{
    const Clock::time_point start = Clock::now();
    current.reader = &reader;
    current.extension = &extension;
    current.label = label;
    current.bytes = &bytes;
    current.startTick = GetTickCount();
    current.running = true;
    const std::string failure = check(folder.WriteFile("input" + extension, bytes), bytes);
    current.running = false;
    current.bytes = nullptr;
    const double taken = std::chrono::duration<double>(Clock::now() - start).count();
    ++tried;
    if (taken > slowestSeconds) {
        slowestSeconds = taken;
        slowestLabel = label;
    }
    if (!failure.empty())
        Report(label, bytes, failure);
    else if (FuzzOptions::Current().longRun && taken > FuzzOptions::kSlowInputSeconds)
        Report(label, bytes, "took " + std::to_string(taken) + " s");
}

void FuzzRun::Report(const std::string& label, const std::string& bytes, const std::string& failure)
{
    if (++findings <= kMostFindingsSaved)
        ADD_FAILURE() << SaveFinding(reader, label, extension, bytes, failure);
}

void FuzzRun::PrintSummary() const
{
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    std::printf(
        "%s reader: %llu inputs in %.1f s, %.0f inputs/s, %d findings, slowest %s %.0f ms\n",
        reader.c_str(), static_cast<unsigned long long>(tried), seconds,
        seconds > 0 ? tried / seconds : 0.0, findings, slowestLabel.c_str(), slowestSeconds * 1000);
    std::fflush(stdout);
}

// SplitMix64 of the seed and the index: neighbouring indices give unrelated
// generator states.
std::uint64_t FuzzRun::InputSeed(std::uint64_t index) const
{
    std::uint64_t z = FuzzOptions::Current().seed * 0x9E3779B97F4A7C15ull + index + 1;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E519ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
