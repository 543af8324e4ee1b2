// BMP files from elsewhere, spoilt where a loader trusts them: a rejected
// file leaves the picture shown before, and an accepted one is kept as a
// 40-byte BI_RGB block and drawn as GDI draws the file's own bytes.
#include "fuzz_run.h"

#include "graphics/draw_surface.h"
#include "support/bitmap_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

// The surface under test, and what it showed after its last accepted file:
// its bottom-left corner, at most 32 pixels square.
class PictureOracle {
public:
    std::string Check(const std::string& path, const std::string& bytes)
    {
        const bool accepted = surface.LoadBitmapFile(path);
        const SIZE size = surface.GetSize();
        const int width = std::min<int>(size.cx, 32), height = std::min<int>(std::abs(size.cy), 32);
        const std::vector<DWORD> drawn =
            Render(std::max(width, 1), std::max(height, 1), [&](HDC dc) {
                return surface.Draw(dc, RECT{0, 0, width, height}, false);
            });
        if (!accepted)
            return size.cx == shownSize.cx && size.cy == shownSize.cy && drawn == shown
                       ? std::string()
                       : "rejected, yet the surface no longer shows the picture it held";
        shownSize = size;
        shown = drawn;
        FileDib dib;
        const std::string unfit = ReadFileDib(bytes, dib);
        if (!unfit.empty())
            return "accepted: " + unfit;
        if (surface.Header().biSize != 40 || surface.Header().biCompression != BI_RGB)
            return "accepted, but kept in a form that not every GDI draws";
        if (size.cx != FieldAt<LONG>(bytes, 18) || size.cy != FieldAt<LONG>(bytes, 22))
            return "accepted with a size other than the file's";
        if (drawn.empty())
            return "accepted, but drawing it fails";
        const std::vector<DWORD> gdi = DrawFileDib(dib, width, height);
        // GDI clips an RLE picture to the runs it closed: a run still open when the
        // stream ends without an end-of-line or end-of-bitmap mark is left out,
        // although its pixels are known. So the surface draws every pixel GDI
        // draws, alike, and may show such a run where GDI shows the first colour.
        if (drawn == gdi || (dib.rle && std::equal(drawn.begin(), drawn.end(), gdi.begin(),
                                                   gdi.end(), [&](DWORD mine, DWORD its) {
                                                       return mine == its ||
                                                              its == dib.FirstColour();
                                                   })))
            return std::string();
        return "accepted, but drawn otherwise than GDI draws the file";
    }

private:
    CDrawSurface7 surface;
    SIZE shownSize{0, 0};
    std::vector<DWORD> shown;
};

} // namespace

TEST(FuzzPictures, RejectedFilesKeepThePictureAndAcceptedOnesAreTheFiles)
{
    PictureOracle oracle;
    FuzzReader(
        "picture", ".bmp", CorpusPictures(),
        [](Mutator& mutator, const std::string& bytes) { return MutateBmp(mutator, bytes); },
        [&](const std::string& path, const std::string& bytes) {
            return oracle.Check(path, bytes);
        });
}
