#pragma once
#include "mutators.h"
#include "support/temp_folder.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct CorpusFile {
    std::string name;
    std::string bytes;
};

// The files that fuzzing starts from, in a fixed order so that a seed names
// the same inputs on every run. Each is also checked as it is: the corpus
// folder holds edge cases and the reduced inputs of earlier findings.
// Menus: the sample disc's, then the corpus folder's *.lst files.
std::vector<CorpusFile> CorpusMenus();
// Pictures: one of every depth, the drawing programs' files of the
// graphics tests, then the corpus folder's *.bmp files.
std::vector<CorpusFile> CorpusPictures();

// One reader's run: each corpus file, then the inputs that mutate makes
// from them, go to the reader through a real file; check names the invariant
// that the reader broke, or is empty. A broken input is saved under
// fuzz-findings\ in the current folder and reported with the seed and index
// that make it again. The suite's short run tries 2000 inputs from seed 1;
// KIVERON_FUZZ="inputs seed first" asks for another run, such as a long one
// ("1000000 7 0") or one input again ("1 7 4711"). An input that crashes the
// process is left in the run's temporary folder.
void FuzzReader(
    const std::string& reader, const std::string& extension, const std::vector<CorpusFile>& corpus,
    const std::function<std::string(Mutator&, const std::string&)>& mutate,
    const std::function<std::string(const std::string& path, const std::string& bytes)>& check);
