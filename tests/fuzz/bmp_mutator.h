#pragma once
#include "mutator.h"

#include <string>

// Spoils a valid BMP file where a loader is most likely to trust it: the
// size, offset, depth and compression fields of its two headers, set to
// values that break size arithmetic, and its colour table made longer or
// shorter with or without the headers agreeing, and RLE streams given runs,
// literals and deltas that leave the row or the image; now and then plain
// byte changes as well.
class BmpMutator {
public:
    explicit BmpMutator(Mutator& mutator);

    // One to four changes stacked on the file.
    std::string Mutate(std::string bytes);

private:
    void MutateField(std::string& bytes);
    void ResizeColourTable(std::string& bytes);
    void MutateStream(std::string& bytes);

    Mutator& mutator;
};
