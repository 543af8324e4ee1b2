#include "menu_mutator.h"

#include <algorithm>

namespace {

const std::string kByteOrderMark = "\xEF\xBB\xBF";

const std::vector<std::string>& Sections()
{
    static const std::vector<std::string> sections = {
        "[Main]",     "[Element]",   "[Language]",    "[main]",           "[ELEMENT]",
        "[lAnGuAgE]", "[ Element ]", "[Element]x",    "[Element",         "[",
        "[]",         "Element]",    "[Ma\xC4\xB1n]", "[Element]\xC2\xA0"};
    return sections;
}

const std::vector<std::string>& KeyNames()
{
    static const std::vector<std::string> names = {"Caption",
                                                   "Picture",
                                                   "Name",
                                                   "Description",
                                                   "Command",
                                                   "Locale",
                                                   "ExitText",
                                                   "WarningMsg",
                                                   "Marker",
                                                   "NAME",
                                                   "caption",
                                                   "Command ",
                                                   " Name",
                                                   "Nam",
                                                   "Names",
                                                   "",
                                                   "Na\xC3\x9F"
                                                   "e"};
    return names;
}

const std::vector<std::string>& Suffixes()
{
    static const std::vector<std::string> suffixes = {"",      "",     "_en", "_de",
                                                      "_ru",   "_",    "__",  "_en_",
                                                      "_*",    "_ en", "_EN", "_\xD0\xB4\xD0\xB5",
                                                      "_\xC3", "_="};
    return suffixes;
}

const std::vector<std::string>& Values()
{
    static const std::vector<std::string> values = {"",
                                                    "Primary",
                                                    "Secondary",
                                                    "primary",
                                                    "Secondary ",
                                                    "x",
                                                    "a=b",
                                                    "\\tools\\tools.lst",
                                                    "menu.bmp",
                                                    "\xD0\x9F\xD1\x80\xD0\xB8",
                                                    "\xF0\x9F\x98\x80", // Cyrillic, beyond the BMP
                                                    "\xC3",
                                                    "\xE2\x82",
                                                    "\xF0\x9F\x98",
                                                    "\xC0\xAF",
                                                    "\xED\xA0\x80",
                                                    "\xF4\x90\x80\x80",
                                                    "\xFF\xFE", // invalid UTF-8
                                                    std::string("a\0b", 3),
                                                    std::string(1, '\0'),
                                                    "\t \xC2\xA0",
                                                    "\xE3\x80\x80x\xE3\x80\x80",
                                                    "\r",
                                                    "\r\r"};
    return values;
}

const std::vector<std::string>& LineBreaks()
{
    static const std::vector<std::string> breaks = {"\n",   "\r\n",   "\r", "\r\r\n",
                                                    "\n\r", "\r\n\n", ""};
    return breaks;
}

void ReplaceLineBreak(std::string& line, const std::string& lineBreak)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    line += lineBreak;
}

} // namespace

MenuMutator::MenuMutator(Mutator& mutator) : mutator(mutator) {}

std::string MenuMutator::Mutate(const std::string& menu)
{
    std::string text = menu;
    for (std::size_t changes = 1 + mutator.Below(4); changes > 0; --changes) {
        const std::size_t kind = mutator.Below(12);
        if (kind < 7) {
            std::vector<std::string> lines = SplitLines(text);
            MutateLines(lines);
            text = Join(lines);
        } else if (kind < 8) {
            ChangeLineBreaks(text);
        } else if (kind < 9) {
            ChangeEncoding(text);
        } else {
            mutator.MutateBytes(text);
        }
    }
    return text;
}

std::vector<std::string> MenuMutator::SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, next - start));
        start = next;
    }
    return lines;
}

std::string MenuMutator::Join(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line;
    return text;
}

void MenuMutator::MutateLines(std::vector<std::string>& lines)
{
    const std::size_t at = mutator.Below(lines.size() + 1);
    const std::size_t other = mutator.Below(lines.size());
    switch (lines.empty() ? 0 : mutator.Below(6)) {
    case 0:
    case 1: lines.insert(lines.begin() + at, MadeUpLine() + mutator.Pick(LineBreaks())); break;
    case 2: { // a block of lines repeated, perhaps many times
        const std::vector<std::string> block(lines.begin() + other,
                                             lines.begin() + other + 1 +
                                                 mutator.Below(3) % (lines.size() - other));
        // A few megabytes at most: a large menu, not a test of memory.
        const std::size_t blockSize = Join(block).size() + 1;
        std::size_t copies = 1 + (mutator.OneIn(8) ? mutator.Below(2000) : 0);
        for (copies = std::min(copies, 4000000 / blockSize + 1); copies > 0; --copies)
            lines.insert(lines.begin() + at, block.begin(), block.end());
        break;
    }
    case 3: lines.erase(lines.begin() + other); break;
    case 4: std::swap(lines[other], lines[mutator.Below(lines.size())]); break;
    default: { // one line's break changed, or the file cut inside a line
        std::string& line = lines[other];
        if (mutator.OneIn(3)) {
            line.resize(mutator.Below(line.size() + 1));
            lines.resize(other + 1);
        } else {
            ReplaceLineBreak(line, mutator.Pick(LineBreaks()));
        }
        break;
    }
    }
}

void MenuMutator::ChangeLineBreaks(std::string& text)
{
    const std::string lineBreak = mutator.Pick(LineBreaks());
    std::vector<std::string> lines = SplitLines(text);
    for (std::string& line : lines)
        ReplaceLineBreak(line, lineBreak);
    text = Join(lines);
}

// Byte-order marks where they belong and where they do not, or the bytes
// widened to UTF-16 in either byte order, with or without a mark.
void MenuMutator::ChangeEncoding(std::string& text)
{
    switch (mutator.Below(4)) {
    case 0: text.insert(0, kByteOrderMark); break;
    case 1: text.insert(mutator.Below(text.size() + 1), kByteOrderMark); break;
    default: {
        const bool bigEndian = mutator.OneIn(2);
        std::string wide = mutator.OneIn(3) ? "" : bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (char byte : text)
            wide += bigEndian ? std::string(1, '\0') + byte : std::string(1, byte) + '\0';
        text = wide;
        break;
    }
    }
}

std::string MenuMutator::MadeUpLine()
{
    const std::string blank =
        mutator.OneIn(4) ? mutator.Pick(std::vector<std::string>{" ", "\t", "\xC2\xA0", "\v"}) : "";
    if (mutator.OneIn(4))
        return blank + mutator.Pick(Sections()) + blank;
    std::string key = mutator.Pick(KeyNames()) + mutator.Pick(Suffixes());
    if (mutator.OneIn(8)) // a long language code
        key += "_" + std::string(1 + mutator.Below(5000), 'k');
    const std::string equals =
        mutator.OneIn(8) ? mutator.Pick(std::vector<std::string>{"", " = ", "==", "=="}) : "=";
    return blank + key + blank + equals + blank + Value() + blank;
}

// A value from the list, sometimes several of them joined, rarely a long one.
std::string MenuMutator::Value()
{
    if (mutator.OneIn(30)) {
        std::string piece = mutator.Pick(Values());
        std::string value;
        for (std::size_t count = 1 + mutator.Below(70000 / (piece.size() + 1)); count > 0; --count)
            value += piece.empty() ? "v" : piece;
        return value;
    }
    std::string value = mutator.Pick(Values());
    while (mutator.OneIn(3))
        value += mutator.Pick(Values());
    return value;
}
