// BMP files from elsewhere, spoilt where a loader trusts them: a rejected
// file leaves the picture shown before, and an accepted one is what its
// headers describe, drawn from bytes the file holds where it says.
#include "fuzz_corpus.h"
#include "fuzz_run.h"
#include "bmp_mutator.h"

#include "graphics/draw_surface.h"
#include "graphics/test_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

// The part of a picture compared: its bottom-left corner, at most this big.
constexpr int kView = 32;

template <typename T>
T FieldAt(const std::string& bytes, std::size_t offset)
{
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

// The pixels that draw(dc, box) leaves on a canvas of the box's size.
std::vector<DWORD> Render(const RECT& box, const std::function<bool(HDC, const RECT&)>& draw)
{
    DibCanvas canvas(std::max<LONG>(box.right, 1), std::max<LONG>(box.bottom, 1));
    if (!draw(canvas.Dc(), box))
        return {};
    GdiFlush();
    return std::vector<DWORD>(canvas.bits, canvas.bits + canvas.width * canvas.height);
}

RECT ViewOf(SIZE size)
{
    return RECT{0, 0, std::min<LONG>(size.cx, kView), std::min<LONG>(std::abs(size.cy), kView)};
}

// Why the surface should not have taken the file, judged from the file's
// own headers: empty when they describe a drawable picture whose colour
// table and rows the file holds. block receives them as GDI takes them,
// the rows from rowsAt on.
std::string WhyUnfit(const std::string& bytes, std::string& block, std::size_t& rowsAt)
{
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0)
        return "no BMP file";
    const BITMAPINFOHEADER info = FieldAt<BITMAPINFOHEADER>(bytes, 14);
    const WORD bits = info.biBitCount;
    if (info.biSize != 40 || info.biCompression != BI_RGB || info.biPlanes != 1 || info.biWidth <= 0 ||
        info.biHeight == 0 ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return "headers of no uncompressed picture";
    const std::uint64_t entries = info.biClrUsed != 0 ? info.biClrUsed : bits <= 8 ? 1u << bits : 0;
    const std::uint64_t rowSize = (std::uint64_t(bits) * info.biWidth + 31) / 32 * 4;
    const std::uint64_t height = std::uint64_t(std::abs(std::int64_t(info.biHeight)));
    const DWORD offset = FieldAt<DWORD>(bytes, 10);
    const std::uint64_t pixels = offset != 0 ? offset : 54 + 4 * entries;
    if (54 + 4 * entries > bytes.size() || pixels + rowSize * height > bytes.size())
        return "colour table or rows beyond the end of the file";
    block = bytes.substr(14, 40 + 4 * entries);
    rowsAt = block.size();
    // Bottom-up, as the picture is seen: a top-down file's last row first.
    for (std::uint64_t row = 0; row < height; ++row)
        block += bytes.substr(pixels + rowSize * (info.biHeight > 0 ? row : height - 1 - row), rowSize);
    reinterpret_cast<BITMAPINFOHEADER*>(&block[0])->biHeight = LONG(height);
    return std::string();
}

// The surface under test, and what it showed after its last accepted file.
class PictureOracle {
public:
    std::string Check(const std::string& path, const std::string& bytes)
    {
        const bool accepted = surface.LoadBitmapFile(path);
        const SIZE size = surface.GetSize();
        const std::vector<DWORD> drawn = Render(ViewOf(size), [&](HDC dc, const RECT& box) {
            return surface.Draw(dc, box, false);
        });
        if (!accepted) {
            if (size.cx != shownSize.cx || size.cy != shownSize.cy || drawn != shown)
                return std::string("rejected, yet the surface no longer shows the picture it held");
            return std::string();
        }
        shownSize = size;
        shown = drawn;
        std::string block;
        std::size_t rowsAt = 0;
        const std::string unfit = WhyUnfit(bytes, block, rowsAt);
        if (!unfit.empty())
            return "accepted: " + unfit;
        if (size.cx != FieldAt<LONG>(bytes, 18) || size.cy != FieldAt<LONG>(bytes, 22))
            return "accepted with a size other than the file's";
        if (drawn.empty())
            return "accepted, but drawing it fails";
        if (drawn != Reference(block, rowsAt, ViewOf(size)))
            return "accepted, but drawn from other bytes than the file holds";
        return std::string();
    }

private:
    // The file's own header, table and rows drawn as the surface draws its
    // picture into a box no larger than the picture: its bottom-left part.
    static std::vector<DWORD> Reference(const std::string& block, std::size_t rowsAt, const RECT& view)
    {
        return Render(view, [&](HDC dc, const RECT& box) {
            return SetDIBitsToDevice(dc, 0, 0, box.right, box.bottom, 0, 0, 0, box.bottom, block.data() + rowsAt,
                                     reinterpret_cast<const BITMAPINFO*>(block.data()), DIB_RGB_COLORS) != 0;
        });
    }

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
    run.TryMutations([&](Mutator& mutator) { return BmpMutator(mutator).Mutate(mutator.Pick(corpus).bytes); },
                     check);
    run.PrintSummary();
}
