#include "fuzz_run.h"

#include "support/bitmap_file.h"
#include "support/menu_process.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

void AddFiles(const std::string& folder, const std::string& pattern, std::vector<CorpusFile>& files)
{
    const std::string windowsFolder = HostPath(folder);
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((windowsFolder + "\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do
        names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        std::ifstream file(windowsFolder + "\\" + name, std::ios::binary);
        files.push_back(CorpusFile{name, std::string(std::istreambuf_iterator<char>(file), {})});
    }
}

} // namespace

std::vector<CorpusFile> CorpusMenus()
{
    std::vector<CorpusFile> menus;
    AddFiles(SAMPLE_DISC_DIR, "*.lst", menus);
    AddFiles(SAMPLE_DISC_DIR "/tools", "*.lst", menus);
    AddFiles(FUZZ_CORPUS_DIR, "*.lst", menus);
    return menus;
}

std::vector<CorpusFile> CorpusPictures()
{
    std::vector<CorpusFile> pictures;
    for (int bits : {1, 4, 8, 16, 24, 32})
        pictures.push_back({std::to_string(bits) + "-bits", Pattern(7, 3, bits).Bytes()});
    AddFiles(PICTURES_DIR, "*.bmp", pictures);
    AddFiles(FUZZ_CORPUS_DIR, "*.bmp", pictures);
    return pictures;
}

void FuzzReader(const std::string& reader, const std::string& extension,
                const std::vector<CorpusFile>& corpus,
                const std::function<std::string(Mutator&, const std::string&)>& mutate,
                const std::function<std::string(const std::string&, const std::string&)>& check)
{
    unsigned long long inputs = 2000, seed = 1, first = 0;
    if (const char* run = std::getenv("KIVERON_FUZZ"))
        std::sscanf(run, "%llu %llu %llu", &inputs, &seed, &first);
    TempFolder folder;
    int findings = 0;
    const auto tryInput = [&](const std::string& label, const std::string& bytes) {
        const std::string failure = check(folder.WriteFile("input" + extension, bytes), bytes);
        if (failure.empty() || ++findings > 50)
            return;
        CreateDirectoryA("fuzz-findings", nullptr);
        const std::string saved =
            "fuzz-findings\\" + reader + "-seed" + std::to_string(seed) + "-" + label + extension;
        WriteBinaryFile(saved, bytes);
        ADD_FAILURE() << reader << " " << label << " (seed " << seed << "): " << failure
                      << "\n  saved as " << saved;
    };
    for (const CorpusFile& file : corpus)
        tryInput("corpus-" + file.name.substr(0, file.name.rfind('.')), file.bytes);
    for (unsigned long long i = first; i < first + inputs; ++i) {
        Mutator mutator(seed << 32 ^ i); // the generator spreads neighbouring seeds
        tryInput("input" + std::to_string(i), mutate(mutator, mutator.Pick(corpus).bytes));
    }
    std::printf("%s reader: %llu corpus files and %llu inputs from seed %llu, %d findings\n",
                reader.c_str(), static_cast<unsigned long long>(corpus.size()), inputs, seed,
                findings);
}
