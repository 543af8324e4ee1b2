#include "mutators.h"

#include <windows.h>

#include "../graphics/table_rows.h"
#include "support/bitmap_file.h"

#include <algorithm>
#include <map>

namespace {

constexpr std::size_t kHeadersSize = 54;

void Write(std::string& bytes, std::size_t offset, std::size_t size, std::uint32_t value)
{
    bytes.replace(offset, size, BytesOf(value), 0, size);
}

// The lists of words in data/menu-words.txt, by name.
const std::vector<std::string>& Words(const std::string& list)
{
    static const std::map<std::string, std::vector<std::string>> lists = [] {
        std::map<std::string, std::vector<std::string>> read;
        for (const TableRow& row : TableRows(FUZZ_DATA_DIR "/menu-words.txt"))
            for (std::size_t i = 1; i < row.size(); ++i)
                read[row[0]].push_back(UnescapedBytes(row[i]));
        return read;
    }();
    return lists.at(list);
}

void MutateField(Mutator& mutator, std::string& bytes)
{
    static const std::vector<TableRow> fields = TableRows(FUZZ_DATA_DIR "/bmp-fields.txt");
    const TableRow& field = mutator.Pick(fields);
    const std::size_t offset = std::stoul(field[0]), size = offset % 4 == 2 && offset < 30 ? 2 : 4;
    const std::vector<std::uint32_t> telling = Numbers<std::uint32_t>(field[1]);
    // The file's own size and the room behind the headers are what a
    // loader compares sizes and offsets with.
    const auto related = std::uint32_t(bytes.size() - (mutator.OneIn(2) ? 0 : kHeadersSize));
    if (offset + size <= bytes.size())
        Write(bytes, offset, size,
              !telling.empty() && mutator.OneIn(2)
                  ? mutator.Pick(telling)
                  : mutator.InterestingValue(size == 2 ? FieldAt<WORD>(bytes, offset)
                                                       : FieldAt<DWORD>(bytes, offset),
                                             related));
}

// Entries added or taken away right behind the info header; biClrUsed and
// bfOffBits follow the change only sometimes.
void ResizeColourTable(Mutator& mutator, std::string& bytes)
{
    const std::size_t entries = 1 + mutator.Below(mutator.OneIn(4) ? 300 : 16);
    const bool grow = mutator.OneIn(2);
    bytes.replace(kHeadersSize, grow ? 0 : 4 * entries, grow ? 4 * entries : 0, '\x5A');
    const auto delta = std::uint32_t(grow ? entries : 0 - entries);
    if (bytes.size() < kHeadersSize)
        return;
    const std::uint32_t used = FieldAt<DWORD>(bytes, 46), depth = FieldAt<WORD>(bytes, 28);
    if (mutator.OneIn(2))
        Write(bytes, 46, 4, (used != 0 ? used : depth <= 8 ? 1u << depth : 0) + delta);
    if (mutator.OneIn(2) && FieldAt<DWORD>(bytes, 10) != 0)
        Write(bytes, 10, 4, FieldAt<DWORD>(bytes, 10) + 4 * delta);
}

// An RLE stream spoilt where a decoder trusts it: a step put where the
// stream had pixels, in place of them or between them.
void MutateStream(Mutator& mutator, std::string& bytes)
{
    const std::uint32_t start = FieldAt<DWORD>(bytes, 10);
    if (start >= bytes.size() || bytes.size() - start < 2)
        return mutator.MutateBytes(bytes);
    const std::size_t at = start + 2 * mutator.Below((bytes.size() - start) / 2);
    const std::string& step = mutator.Pick(Words("rleSteps"));
    bytes.replace(at, mutator.OneIn(2) ? std::min(step.size(), bytes.size() - at) : 0, step);
}

// A value from the list, sometimes several joined, rarely a long one, now
// and then with a NUL.
std::string Value(Mutator& mutator)
{
    std::string value = mutator.Pick(Words("values"));
    if (mutator.OneIn(30)) {
        const std::string piece = value.empty() ? "v" : value;
        for (std::size_t count = mutator.Below(70000 / piece.size()); count > 0; --count)
            value += piece;
    }
    while (mutator.OneIn(3))
        value += mutator.Pick(Words("values"));
    if (mutator.OneIn(12))
        value.insert(mutator.Below(value.size() + 1), 1, '\0');
    return value;
}

std::string MadeUpLine(Mutator& mutator)
{
    const std::string blank = mutator.OneIn(4) ? mutator.Pick(Words("blanks")) : "";
    if (mutator.OneIn(4))
        return blank + mutator.Pick(Words("sections")) + blank;
    std::string key = mutator.Pick(Words("keys")) + mutator.Pick(Words("suffixes"));
    if (mutator.OneIn(8)) // a long language code
        key += "_" + std::string(1 + mutator.Below(5000), 'k');
    const std::string equals = mutator.OneIn(8) ? mutator.Pick(Words("equals")) : "=";
    return blank + key + blank + equals + blank + Value(mutator) + blank;
}

// The lines (each with its line break) changed: one made up, a block of
// them repeated, perhaps many times (a few megabytes at most), one dropped,
// two swapped, one given another line break, or the file cut inside one.
void MutateLines(Mutator& mutator, std::vector<std::string>& lines)
{
    const std::size_t at = mutator.Below(lines.size() + 1), other = mutator.Below(lines.size());
    const std::size_t kind = lines.empty() ? 0 : mutator.Below(7);
    if (kind < 2) {
        lines.insert(lines.begin() + at, MadeUpLine(mutator) + mutator.Pick(Words("lineBreaks")));
    } else if (kind == 2) {
        const std::vector<std::string> block(lines.begin() + other,
                                             lines.begin() + other + 1 +
                                                 mutator.Below(3) % (lines.size() - other));
        std::size_t bytes = 1;
        for (const std::string& line : block)
            bytes += line.size();
        for (std::size_t copies =
                 std::min(1 + (mutator.OneIn(8) ? mutator.Below(2000) : 0), 4000000 / bytes + 1);
             copies > 0; --copies)
            lines.insert(lines.begin() + at, block.begin(), block.end());
    } else if (kind == 3) {
        lines.erase(lines.begin() + other);
    } else if (kind == 4) {
        std::swap(lines[other], lines[mutator.Below(lines.size())]);
    } else if (kind == 5) {
        lines[other].resize(mutator.Below(lines[other].size() + 1));
        lines.resize(other + 1);
    } else {
        std::string& line = lines[other];
        line.erase(line.find_last_not_of("\r\n") + 1);
        line += mutator.Pick(Words("lineBreaks"));
    }
}

// Byte-order marks where they belong and where they do not, or the bytes
// widened to UTF-16 in either byte order, with or without a mark.
void ChangeEncoding(Mutator& mutator, std::string& text)
{
    if (mutator.OneIn(2)) {
        text.insert(mutator.OneIn(2) ? 0 : mutator.Below(text.size() + 1), "\xEF\xBB\xBF");
        return;
    }
    const bool bigEndian = mutator.OneIn(2);
    std::string wide = mutator.OneIn(3) ? "" : bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char byte : text)
        wide += bigEndian ? std::string(1, '\0') + byte : std::string(1, byte) + '\0';
    text = wide;
}

} // namespace

void Mutator::MutateBytes(std::string& bytes)
{
    // Bytes that a BMP header or a menu line gives a meaning to.
    static const std::string telling("\0\xFF\x7F\x80\x01\n\r[]=_ \xEF\xBB\xBF\xC3\xF0", 17);
    const std::size_t at = Below(bytes.size() + 1), start = Below(bytes.size());
    switch (Below(bytes.empty() ? 2 : 6)) {
    case 0: bytes.insert(at, ChunkLength(64), char(random())); break;
    case 1: bytes.insert(at, ChunkLength(8), telling[Below(telling.size())]); break;
    case 2: bytes.resize(start); break;
    case 3: {
        const std::string chunk = bytes.substr(start, ChunkLength(bytes.size() - start));
        for (std::size_t copies = 1 + (OneIn(4) ? Below(64) : 0); copies > 0; --copies)
            bytes.insert(OneIn(2) ? start : Below(bytes.size() + 1), chunk);
        break;
    }
    case 4: bytes.erase(start, ChunkLength(bytes.size() - start)); break;
    default: bytes[start] = OneIn(2) ? bytes[start] ^ char(1 << Below(8)) : telling[Below(17)];
    }
}

std::uint32_t Mutator::InterestingValue(std::uint32_t real, std::uint32_t related)
{
    const std::uint32_t bases[] = {real, related, std::uint32_t(1) << Below(32)};
    const std::uint32_t base = bases[Below(3)];
    switch (Below(8)) {
    case 0: return 0;
    case 1: return 1;
    case 2: return 0xFFFFFFFFu;                          // -1
    case 3: return OneIn(2) ? 0x80000000u : 0x7FFFFFFFu; // INT_MIN, INT_MAX
    case 4: return base - 1;
    case 5: return base + 1;
    case 6: return OneIn(2) ? base : 0u - base;
    default: return std::uint32_t(random());
    }
}

std::string MutateBmp(Mutator& mutator, std::string bytes)
{
    for (std::size_t changes = 1 + mutator.Below(4); changes > 0; --changes) {
        const std::size_t kind = mutator.Below(10);
        const std::uint32_t compression =
            bytes.size() >= kHeadersSize ? FieldAt<DWORD>(bytes, 30) : 0;
        if (kind < 3 && (compression == BI_RLE8 || compression == BI_RLE4))
            MutateStream(mutator, bytes);
        else if (kind < 6 && bytes.size() >= kHeadersSize)
            MutateField(mutator, bytes);
        else if (kind < 7 && bytes.size() >= kHeadersSize)
            ResizeColourTable(mutator, bytes);
        else
            mutator.MutateBytes(bytes);
    }
    return bytes;
}

std::string MutateMenu(Mutator& mutator, const std::string& menu)
{
    std::string text = menu;
    for (std::size_t changes = 1 + mutator.Below(4); changes > 0; --changes) {
        const std::size_t kind = mutator.Below(12);
        if (kind < 8) { // lines with their line breaks, so that joining them gives the file
            std::vector<std::string> lines;
            for (std::size_t at = 0, end; at < text.size(); at = end) {
                end = std::min(text.find('\n', at), text.size() - 1) + 1;
                lines.push_back(text.substr(at, end - at));
            }
            const std::string lineBreak =
                mutator.Pick(Words("lineBreaks")); // for every line, or for one
            for (std::size_t i = 0; i < lines.size() && kind == 7; ++i)
                lines[i].erase(lines[i].find_last_not_of("\r\n") + 1).append(lineBreak);
            if (kind < 7)
                MutateLines(mutator, lines);
            text.clear();
            for (const std::string& line : lines)
                text += line;
        } else if (kind < 9) {
            ChangeEncoding(mutator, text);
        } else {
            mutator.MutateBytes(text);
        }
    }
    return text;
}
