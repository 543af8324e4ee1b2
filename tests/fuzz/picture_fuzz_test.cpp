// BMP files from elsewhere, spoilt where a loader trusts them: a rejected
// file leaves the picture shown before, and an accepted one is kept as a
// 40-byte BI_RGB block and drawn as GDI draws the file's own bytes.
#include "fuzz_corpus.h"
#include "fuzz_run.h"
#include "bmp_mutator.h"

#include "graphics/draw_surface.h"
#include "graphics/file_dib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>

namespace {

// The part of a picture compared: its bottom-left corner, at most this big.
constexpr int kView = 32;

RECT ViewOf(SIZE size)
{
    return RECT{0, 0, std::min<LONG>(size.cx, kView), std::min<LONG>(std::abs(size.cy), kView)};
}

// GDI clips an RLE picture to the runs it closed: a run still open when the
// stream ends without an end-of-line or end-of-bitmap mark is left out,
// although its pixels are known. So the surface draws every pixel GDI
// draws, alike, and may show such a run where GDI shows the first colour.
bool ShowsAllGdiDraws(const std::vector<DWORD>& drawn, const std::vector<DWORD>& gdi, DWORD first)
{
    if (drawn.size() != gdi.size())
        return false;
    for (std::size_t i = 0; i < drawn.size(); ++i)
        if (drawn[i] != gdi[i] && gdi[i] != first)
            return false;
    return true;
}

// The surface under test, and what it showed after its last accepted file.
class PictureOracle {
public:
    std::string Check(const std::string& path, const std::string& bytes)
    {
        const bool accepted = surface.LoadBitmapFile(path);
        const SIZE size = surface.GetSize();
        const std::vector<DWORD> drawn = Render(
            ViewOf(size), [&](HDC dc, const RECT& box) { return surface.Draw(dc, box, false); });
        if (!accepted) {
            if (size.cx != shownSize.cx || size.cy != shownSize.cy || drawn != shown)
                return std::string("rejected, yet the surface no longer shows the picture it held");
            return std::string();
        }
        shownSize = size;
        shown = drawn;
        ++acceptedByLayout[FormOf(bytes)];
        FileDib dib;
        const std::string unfit = ReadFileDib(bytes, dib);
        if (!unfit.empty())
            return "accepted: " + unfit;
        const BITMAPINFOHEADER& block = surface.Header();
        if (block.biSize != 40 || block.biCompression != BI_RGB)
            return "accepted, but kept in a form that not every GDI draws";
        if (size.cx != FieldAt<LONG>(bytes, 18) || size.cy != FieldAt<LONG>(bytes, 22))
            return "accepted with a size other than the file's";
        if (drawn.empty())
            return "accepted, but drawing it fails";
        const std::vector<DWORD> gdi = DrawFileDib(dib, ViewOf(size));
        if (drawn == gdi || (dib.rle && ShowsAllGdiDraws(drawn, gdi, dib.FirstColour())))
            return std::string();
        return "accepted, but drawn otherwise than GDI draws the file";
    }

    // How many inputs of each layout the surface took.
    void PrintTally() const
    {
        std::printf("picture: accepted by layout:");
        for (const auto& form : acceptedByLayout)
            std::printf(" %s %u;", form.first.c_str(), form.second);
        std::printf("\n");
    }

private:
    static std::string FormOf(const std::string& bytes)
    {
        const BITMAPINFOHEADER info = FieldAt<BITMAPINFOHEADER>(bytes, 14);
        const char* const kinds[] = {"RGB", "RLE8", "RLE4", "bit fields"};
        return std::to_string(info.biSize) + "-byte header " +
               (info.biCompression < 4 ? kinds[info.biCompression] : "?");
    }

    std::map<std::string, unsigned> acceptedByLayout;
    CDrawSurface7 surface;
    SIZE shownSize{0, 0};
    std::vector<DWORD> shown;
};

} // namespace

TEST(FuzzPictures, RejectedFilesKeepThePictureAndAcceptedOnesAreTheFiles)
{
    const std::vector<CorpusFile> corpus = FuzzCorpus::Pictures();
    PictureOracle oracle;
    FuzzRun run("picture", ".bmp");
    const FuzzRun::Check check = [&](const std::string& path, const std::string& bytes) {
        return oracle.Check(path, bytes);
    };
    run.TryCorpus(corpus, check);
    run.TryMutations(
        [&](Mutator& mutator) { return BmpMutator(mutator).Mutate(mutator.Pick(corpus).bytes); },
        check);
    run.PrintSummary();
    oracle.PrintTally();
}
