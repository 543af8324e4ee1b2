#pragma once
#include <string>
#include <vector>

struct CorpusFile {
    std::string name;
    std::string bytes;
};

// The files that fuzzing starts from, in a fixed order so that a seed names
// the same inputs on every run. Each is also checked as it is: the corpus
// folder holds edge cases and the reduced inputs of earlier findings.
class FuzzCorpus {
public:
    // The sample disc's menus, then the corpus folder's *.lst files.
    static std::vector<CorpusFile> Menus();
    // A picture of every depth and of the odd layouts that load, then the
    // corpus folder's *.bmp files.
    static std::vector<CorpusFile> Pictures();

private:
    static void AddFiles(const std::string& folder, const std::string& pattern,
                         std::vector<CorpusFile>& files);
};
