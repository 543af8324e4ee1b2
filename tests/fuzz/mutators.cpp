#include "mutators.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kHeadersSize = 54;

std::uint32_t Read(const std::string& bytes, std::size_t offset, std::size_t size)
{
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, size);
    return value;
}

void Write(std::string& bytes, std::size_t offset, std::size_t size, std::uint32_t value)
{
    std::memcpy(&bytes[offset], &value, size);
}

// The header fields by file offset (2-byte fields at 0, 6, 8, 26 and 28),
// with values that mean something for them: signature, reserved fields,
// pixel offset, header size, width, height, planes, depth, compression,
// image size, colours used and important, and the three bit-field masks
// after a 40-byte header or inside a longer one.
struct Field {
    std::size_t offset;
    std::vector<std::uint32_t> telling;
};
// clang-format off
const std::vector<Field> kFields = {
    {0, {0x4D42}}, {6, {}}, {8, {}}, {10, {0, 14, 54, 55}},
    {14, {12, 16, 39, 40, 41, 52, 56, 64, 108, 124}}, {18, {}}, {22, {}}, {26, {0, 1, 2}},
    {28, {0, 1, 2, 4, 8, 15, 16, 24, 32, 48, 64}}, {30, {0, 1, 2, 3, 4, 5, 6}}, {34, {}},
    {46, {0, 1, 2, 15, 16, 17, 255, 256, 257}}, {50, {}},
    {54, {0, 0x7C00, 0xF800, 0xFF0000, 0x3FF00000, 0xFFFF0000, 0xFFFFFFFF, 0x7C01}},
    {58, {0, 0x3E0, 0x7E0, 0xFF00, 0xFFC00, 0x10000}}, {62, {0, 0x1F, 0xFF, 0x3FF, 0x80000001}}};
// Steps of an RLE stream: end of line, end of bitmap, deltas out of the
// image or the row, a long run, a long literal.
const std::vector<std::string> kRleSteps = {
    {"\0\0", 2}, {"\0\1", 2}, {"\0\2\xFF\0", 4}, {"\0\2\0\xFF", 4}, {"\0\2\1\1", 4},
    {"\xFF\x12", 2}, {"\0\xFF", 2}, {"\0\3\1\2", 4}};
// clang-format on

void MutateField(Mutator& mutator, std::string& bytes)
{
    const Field& field = mutator.Pick(kFields);
    const std::size_t size = field.offset % 4 == 2 && field.offset < 30 ? 2 : 4;
    // The file's own size and the room behind the headers are what a
    // loader compares sizes and offsets with.
    const auto related = std::uint32_t(bytes.size() - (mutator.OneIn(2) ? 0 : kHeadersSize));
    if (field.offset + size <= bytes.size())
        Write(bytes, field.offset, size,
              !field.telling.empty() && mutator.OneIn(2)
                  ? mutator.Pick(field.telling)
                  : mutator.InterestingValue(Read(bytes, field.offset, size), related));
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
    const std::uint32_t used = Read(bytes, 46, 4), depth = Read(bytes, 28, 2);
    if (mutator.OneIn(2))
        Write(bytes, 46, 4, (used != 0 ? used : depth <= 8 ? 1u << depth : 0) + delta);
    if (mutator.OneIn(2) && Read(bytes, 10, 4) != 0)
        Write(bytes, 10, 4, Read(bytes, 10, 4) + 4 * delta);
}

// An RLE stream spoilt where a decoder trusts it: a step put where the
// stream had pixels, in place of them or between them.
void MutateStream(Mutator& mutator, std::string& bytes)
{
    const std::uint32_t start = Read(bytes, 10, 4);
    if (start >= bytes.size() || bytes.size() - start < 2)
        return mutator.MutateBytes(bytes);
    const std::size_t at = start + 2 * mutator.Below((bytes.size() - start) / 2);
    const std::string& step = mutator.Pick(kRleSteps);
    bytes.replace(at, mutator.OneIn(2) ? std::min(step.size(), bytes.size() - at) : 0, step);
}

std::vector<std::string> Split(const std::string& words, char separator)
{
    std::vector<std::string> list(1);
    for (char c : words)
        if (c == separator)
            list.emplace_back();
        else
            list.back() += c;
    return list;
}

// The words of made-up lines, separated by "|": known and unknown sections
// and keys, in other cases and with blanks; language suffixes empty,
// doubled, in Cyrillic or cut inside a character; values plain, in
// Cyrillic, beyond the BMP, invalid UTF-8 (cut, overlong, a surrogate,
// beyond U+10FFFF), with odd blanks and CRs.
const std::vector<std::string> kSections =
    Split("[Main]|[Element]|[Language]|[main]|[ELEMENT]|[lAnGuAgE]|[ Element ]|[Element]x|"
          "[Element|[|[]|Element]|[Ma\xC4\xB1n]|[Element]\xC2\xA0",
          '|');
const std::vector<std::string> kKeys =
    Split("Caption|Picture|Name|Description|Command|Locale|ExitText|WarningMsg|Marker|NAME|"
          "caption|Command | Name|Nam|Names||Na\xC3\x9F\x65",
          '|');
const std::vector<std::string> kSuffixes =
    Split("||_en|_de|_ru|_|__|_en_|_*|_ en|_EN|_\xD0\xB4\xD0\xB5|_\xC3|_=", '|');
const std::vector<std::string> kValues =
    Split("|Primary|Secondary|primary|Secondary |x|a=b|\\tools\\tools.lst|menu.bmp|"
          "\xD0\x9F\xD1\x80\xD0\xB8|\xF0\x9F\x98\x80|\xC3|\xE2\x82|\xF0\x9F\x98|\xC0\xAF|"
          "\xED\xA0\x80|\xF4\x90\x80\x80|\xFF\xFE|\t \xC2\xA0|\xE3\x80\x80x\xE3\x80\x80|\r|\r\r",
          '|');
const std::vector<std::string> kBlanks = Split("| |\t|\xC2\xA0|\v", '|');
const std::vector<std::string> kLineBreaks = Split("\n|\r\n|\r|\r\r\n|\n\r|\r\n\n|", '|');

// A value from the list, sometimes several joined, rarely a long one, now
// and then with a NUL.
std::string Value(Mutator& mutator)
{
    std::string value = mutator.Pick(kValues);
    if (mutator.OneIn(30)) {
        const std::string piece = value.empty() ? "v" : value;
        for (std::size_t count = mutator.Below(70000 / piece.size()); count > 0; --count)
            value += piece;
    }
    while (mutator.OneIn(3))
        value += mutator.Pick(kValues);
    if (mutator.OneIn(12))
        value.insert(mutator.Below(value.size() + 1), 1, '\0');
    return value;
}

std::string MadeUpLine(Mutator& mutator)
{
    const std::string blank = mutator.OneIn(4) ? mutator.Pick(kBlanks) : "";
    if (mutator.OneIn(4))
        return blank + mutator.Pick(kSections) + blank;
    std::string key = mutator.Pick(kKeys) + mutator.Pick(kSuffixes);
    if (mutator.OneIn(8)) // a long language code
        key += "_" + std::string(1 + mutator.Below(5000), 'k');
    const std::string equals = mutator.OneIn(8) ? mutator.Pick(Split(" = ||==", '|')) : "=";
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
        lines.insert(lines.begin() + at, MadeUpLine(mutator) + mutator.Pick(kLineBreaks));
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
        line += mutator.Pick(kLineBreaks);
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
        const std::uint32_t compression = bytes.size() >= kHeadersSize ? Read(bytes, 30, 4) : 0;
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
            std::vector<std::string> lines = Split(text, '\n');
            for (std::size_t i = 0; i + 1 < lines.size(); ++i)
                lines[i] += '\n';
            if (lines.back().empty())
                lines.pop_back();
            const std::string lineBreak = mutator.Pick(kLineBreaks); // for every line, or for one
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
