#pragma once
#include "mutator.h"

#include <string>
#include <vector>

// Spoils a real menu file line by line: made-up section and key lines
// (case, blanks, language suffixes, long and empty values, invalid UTF-8,
// NULs), lines duplicated, dropped or swapped, other line-break
// combinations, the final line break gone, byte-order marks, the whole file
// in UTF-16; now and then plain byte changes as well.
class MenuMutator {
public:
    explicit MenuMutator(Mutator& mutator);

    // One to four changes stacked on the file.
    std::string Mutate(const std::string& menu);

private:
    // Lines with their line breaks, so that joining them gives the file.
    static std::vector<std::string> SplitLines(const std::string& text);
    static std::string Join(const std::vector<std::string>& lines);

    void MutateLines(std::vector<std::string>& lines);
    void ChangeLineBreaks(std::string& text);
    void ChangeEncoding(std::string& text);
    std::string MadeUpLine();
    std::string Value();

    Mutator& mutator;
};
