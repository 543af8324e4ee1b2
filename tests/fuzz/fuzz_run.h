#pragma once
// Mutation fuzzing of a reader of files that others prepare: the random
// choices of one input, the byte-level changes that any format meets, the
// files the changes start from, and the run that hands the inputs over.
#include "../graphics/table_rows.h" // the tables, and GoogleTest
#include "support/temp_folder.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>

// std::mt19937_64 is the same generator on every platform, and no standard
// distribution is used (their results differ between libraries), so a seed
// names the same input everywhere.
class Mutator {
public:
    explicit Mutator(std::uint64_t seed) : random(seed) {}

    // 0 .. bound - 1 (0 when bound is 0).
    std::size_t Below(std::size_t bound) { return bound == 0 ? 0 : std::size_t(random() % bound); }
    bool OneIn(std::size_t n) { return Below(n) == 0; }
    // A length of a chunk: short ones are the most telling, long ones rare.
    std::size_t Chunk() { return 1 + Below(OneIn(8) ? 4096 : 16); }

    // A word of one of the lists of data/words.txt.
    std::string Word(const std::string& list)
    {
        static const std::vector<TableRow> lists = TableRows(FUZZ_DIR "/data/words.txt");
        const TableRow& words = *std::find_if(lists.begin(), lists.end(),
                                              [&](const TableRow& row) { return row[0] == list; });
        return UnescapedBytes(words[1 + Below(words.size() - 1)]);
    }

    // One change: a bit flipped or a byte set to one that a BMP header or a
    // menu line gives a meaning to; or a splice, where nothing, a chunk or
    // the whole rest gives way to nothing, to a run of one byte, or to a
    // copy of a chunk of the file.
    void MutateBytes(std::string& bytes)
    {
        static const std::string telling("\0\xFF\x7F\x80\x01\n\r[]=_ \xEF\xBB\xBF\xC3\xF0", 17);
        const std::size_t at = Below(bytes.size() + 1);
        if (at < bytes.size() && OneIn(3)) {
            bytes[at] = OneIn(2) ? char(bytes[at] ^ 1 << Below(8)) : telling[Below(telling.size())];
            return;
        }
        const std::string run(Chunk(), OneIn(2) ? char(Any()) : telling[Below(telling.size())]);
        const std::string pieces[] = {"", run, bytes.substr(Below(bytes.size()), Chunk())};
        bytes.replace(at, OneIn(3) ? 0 : OneIn(4) ? bytes.size() : Chunk(), pieces[Below(3)]);
    }

    // Any value at all.
    std::uint32_t Any() { return std::uint32_t(random()); }

private:
    std::mt19937_64 random;
};

struct CorpusFile {
    std::string name, bytes;
};

// The files of the folders (and their subfolders) with the extension, in
// the order of their paths so that a seed names the same inputs on every run.
inline std::vector<CorpusFile> Corpus(std::initializer_list<const char*> folders,
                                      const std::string& extension)
{
    std::vector<std::filesystem::path> paths;
    for (const char* folder : folders)
        for (const auto& entry : std::filesystem::recursive_directory_iterator(HostPath(folder)))
            if (entry.path().extension() == extension)
                paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    std::vector<CorpusFile> files;
    for (const std::filesystem::path& path : paths)
        files.push_back({path.stem().string(), FileBytes(path.string())});
    return files;
}

// One reader's run: each corpus file, then the inputs that mutate makes from
// them, go to the reader through a real file; check names the invariant that
// the reader broke, or is empty. A failure names the seed and index that make
// the input again: the suite's short run tries 2000 inputs from seed 1;
// KIVERON_FUZZ="inputs seed first" asks for another run, such as a long one
// ("1000000 7 0") or one input again ("1 7 4711"). An input that crashes the
// process is left in the run's temporary folder.
template <typename Mutate, typename Check>
void FuzzReader(const std::string& reader, const std::string& extension,
                const std::vector<CorpusFile>& corpus, Mutate mutate, Check check)
{
    unsigned long long inputs = 2000, seed = 1, first = 0;
    if (const char* run = std::getenv("KIVERON_FUZZ"))
        std::sscanf(run, "%llu %llu %llu", &inputs, &seed, &first);
    TempFolder folder;
    int findings = 0;
    const auto tryInput = [&](const std::string& label, const std::string& bytes) {
        const std::string failure = check(folder.WriteFile("input" + extension, bytes), bytes);
        if (!failure.empty() && ++findings <= 50)
            ADD_FAILURE() << reader << " " << label << " (seed " << seed << "): " << failure;
    };
    for (const CorpusFile& file : corpus)
        tryInput("corpus-" + file.name, file.bytes);
    for (unsigned long long i = first; i < first + inputs; ++i) {
        Mutator mutator(seed << 32 ^ i); // the generator spreads neighbouring seeds
        tryInput("input" + std::to_string(i),
                 mutate(mutator, corpus[mutator.Below(corpus.size())].bytes));
    }
    std::printf("%s reader: %d corpus files and %llu inputs from seed %llu, %d findings\n",
                reader.c_str(), int(corpus.size()), inputs, seed, findings);
}
