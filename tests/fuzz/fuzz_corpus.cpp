#include "fuzz_corpus.h"

#include "graphics/test_pictures.h"
#include "support/menu_process.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

CorpusFile Picture(const std::string& name, const Bmp& bmp)
{
    return CorpusFile{name, bmp.Bytes()};
}

} // namespace

std::vector<CorpusFile> FuzzCorpus::Menus()
{
    std::vector<CorpusFile> menus;
    AddFiles(SAMPLE_DISC_DIR, "*.lst", menus);
    AddFiles(SAMPLE_DISC_DIR "/tools", "*.lst", menus);
    AddFiles(FUZZ_CORPUS_DIR, "*.lst", menus);
    return menus;
}

std::vector<CorpusFile> FuzzCorpus::Pictures()
{
    std::vector<CorpusFile> pictures;
    for (int bits : {1, 4, 8, 16, 24, 32})
        pictures.push_back(Picture(std::to_string(bits) + " bits", Pattern(7, 3, bits)));
    Bmp unsized = Pattern(33, 5, 1);
    unsized.info.biSizeImage = 0;
    Bmp topDown = Pattern(5, 4, 24);
    topDown.info.biHeight = -4;
    Bmp shortTable = Pattern(5, 3, 8);
    shortTable.table.resize(16);
    shortTable.info.biClrUsed = 16;
    Bmp gap = Pattern(4, 2, 32);
    gap.autoOffset = false;
    gap.file.bfOffBits = gap.Offset() + 10;
    gap.pixels.insert(0, 10, '\x77');
    Bmp noOffset = Pattern(3, 3, 4);
    noOffset.autoOffset = false;
    pictures.insert(pictures.end(),
                    {Picture("biSizeImage 0", unsized), Picture("top-down", topDown),
                     Picture("16-colour table", shortTable), Picture("gap before rows", gap),
                     Picture("pixel offset 0", noOffset), Picture("1x1", Pattern(1, 1, 24)),
                     Picture("wide", Pattern(64, 2, 8))});
    AddFiles(PICTURES_DIR, "*.bmp", pictures);
    AddFiles(FUZZ_CORPUS_DIR, "*.bmp", pictures);
    return pictures;
}

void FuzzCorpus::AddFiles(const std::string& folder, const std::string& pattern,
                          std::vector<CorpusFile>& files)
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
