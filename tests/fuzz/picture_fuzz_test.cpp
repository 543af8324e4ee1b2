// BMP files from elsewhere, spoilt where a loader trusts them: a rejected
// file leaves the picture shown before, and an accepted one is kept as a
// 40-byte BI_RGB block and drawn as GDI draws the file's own bytes.
#include "fuzz_run.h"

#include "graphics/draw_surface.h"
#include "support/bitmap_file.h"

#include <cstdlib>

namespace {

constexpr std::size_t kHeadersSize = 54;

// A header field, given as its offset and size in bytes.
void Write(std::string& bytes, const std::vector<std::size_t>& field, std::uint32_t value)
{
    if (field[0] + field[1] <= bytes.size())
        bytes.replace(field[0], field[1], BytesOf(value), 0, field[1]);
}

// One to four changes stacked on a valid BMP file, where a loader is most
// likely to trust it: a header field set to a value that means something
// for it or that breaks size arithmetic; a step put into an RLE stream where
// it had pixels, in place of them or between them; the colour table made
// longer or shorter, with biClrUsed and bfOffBits following only sometimes;
// plain bytes.
std::string MutateBmp(Mutator& mutator, std::string bytes)
{
    static const std::vector<TableRow> fields = TableRows(FUZZ_DIR "/data/bmp-fields.txt");
    for (std::size_t changes = 1 + mutator.Below(4); changes > 0; --changes) {
        const std::size_t kind = bytes.size() < kHeadersSize ? 9 : mutator.Below(10);
        const std::uint32_t compression = FieldAt<DWORD>(bytes, 30),
                            start = FieldAt<DWORD>(bytes, 10);
        if (kind < 3 && (compression == BI_RLE8 || compression == BI_RLE4) &&
            start < bytes.size()) {
            const std::string& step = mutator.Word("rleSteps");
            bytes.replace(start + 2 * mutator.Below((bytes.size() - start) / 2),
                          mutator.OneIn(2) ? step.size() : 0, step);
        } else if (kind < 6) {
            const TableRow& row = fields[mutator.Below(fields.size())];
            const auto field = Numbers<std::size_t>(row[0]);
            const auto telling = Numbers<std::uint32_t>(row[1] + " 0 0x7FFFFFFF 0x80000000");
            // A value that means something for the field, or one that tends to
            // break size arithmetic: 0, INT_MAX, INT_MIN, the real value, a
            // related one (the file's size, or the room behind the headers:
            // what a loader compares sizes and offsets with), a power of two,
            // as it is, a neighbour or negated; or any value.
            const std::uint32_t bases[] = {
                FieldAt<DWORD>(bytes, field[0]) & (field[1] == 2 ? 0xFFFF : ~0u),
                std::uint32_t(bytes.size() - (mutator.OneIn(2) ? 0 : kHeadersSize)),
                1u << mutator.Below(32), mutator.Any(), telling[mutator.Below(telling.size())]};
            const std::uint32_t base = bases[mutator.OneIn(2) ? 4 : mutator.Below(4)];
            const std::uint32_t values[] = {base, base, base - 1, base + 1, 0 - base};
            Write(bytes, field, values[mutator.Below(5)]);
        } else if (kind < 7) {
            const auto entries = std::uint32_t(1 + mutator.Below(mutator.OneIn(4) ? 300 : 16));
            const bool grow = mutator.OneIn(2);
            const std::uint32_t used = FieldAt<DWORD>(bytes, 46), depth = FieldAt<WORD>(bytes, 28);
            bytes.replace(kHeadersSize, grow ? 0 : 4 * entries, grow ? 4 * entries : 0, '\x5A');
            const std::uint32_t delta = grow ? entries : 0 - entries;
            if (mutator.OneIn(2))
                Write(bytes, {46, 4}, (used != 0 ? used : depth <= 8 ? 1u << depth : 0) + delta);
            if (mutator.OneIn(2))
                Write(bytes, {10, 4}, start + 4 * delta);
        } else {
            mutator.MutateBytes(bytes);
        }
    }
    return bytes;
}

} // namespace

// Starting from the drawing programs' files of the graphics tests, the edge
// cases and reduced findings of the corpus folder, and a file of every
// depth. The oracle keeps what the surface showed after its last accepted
// file: its bottom-left corner, at most 32 pixels square.
TEST(FuzzPictures, RejectedFilesKeepThePictureAndAcceptedOnesAreTheFiles)
{
    std::vector<CorpusFile> corpus =
        Corpus({FUZZ_DIR "/../graphics/pictures", FUZZ_DIR "/corpus"}, ".bmp");
    for (int bits : {1, 4, 8, 16, 24, 32})
        corpus.push_back({std::to_string(bits) + "-bits", Pattern(7, 3, bits).Bytes()});
    CDrawSurface7 surface;
    SIZE shownSize{0, 0};
    std::vector<DWORD> shown;
    const auto check = [&](const std::string& path, const std::string& bytes) -> std::string {
        const bool accepted = surface.LoadBitmapFile(path);
        const SIZE size = surface.GetSize();
        const int width = std::min<int>(size.cx, 32), height = std::min<int>(std::abs(size.cy), 32);
        const std::vector<DWORD> drawn =
            Render(std::max(width, 1), std::max(height, 1), [&](HDC dc) {
                return surface.Draw(dc, RECT{0, 0, width, height}, false);
            });
        if (!accepted)
            return size.cx == shownSize.cx && size.cy == shownSize.cy && drawn == shown
                       ? ""
                       : "rejected, yet the surface no longer shows the picture it held";
        shownSize = size;
        shown = drawn;
        FileDib dib;
        if (const std::string unfit = ReadFileDib(bytes, dib); !unfit.empty())
            return "accepted: " + unfit;
        if (surface.Header().biSize != 40 || surface.Header().biCompression != BI_RGB)
            return "accepted, but kept in a form that not every GDI draws";
        if (size.cx != FieldAt<LONG>(bytes, 18) || size.cy != FieldAt<LONG>(bytes, 22) ||
            drawn.empty())
            return "accepted with a size other than the file's, or not drawn";
        const std::vector<DWORD> gdi = DrawFileDib(dib, width, height);
        // GDI clips an RLE picture to the runs it closed: a run still open when the
        // stream ends without an end-of-line or end-of-bitmap mark is left out,
        // although its pixels are known. So the surface draws every pixel GDI
        // draws, alike, and may show such a run where GDI shows the first colour.
        const auto alike = [&](DWORD mine, DWORD its) {
            return mine == its || (dib.rle && its == dib.FirstColour());
        };
        return std::equal(drawn.begin(), drawn.end(), gdi.begin(), gdi.end(), alike)
                   ? ""
                   : "accepted, but drawn otherwise than GDI draws the file";
    };
    FuzzReader("picture", ".bmp", corpus, MutateBmp, check);
}
