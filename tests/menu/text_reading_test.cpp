// The reading rules of menu files, through real files: a byte-order mark
// chooses the encoding; without one, well-formed UTF-8 is UTF-8 and anything
// else is the ANSI code page (1252 in the test prefix). Malformed input
// becomes one U+FFFD per maximal subpart of UTF-8, per unpaired surrogate and
// per stray last byte of UTF-16.
#include "menu/text_file_reader.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring ReadText(const TempFolder& folder, const std::string& bytes)
{
    TextFileReader reader(folder.WriteFile("text.lst", bytes));
    reader.Read();
    return reader.ReleaseText();
}

// The little-endian bytes behind the mark of either byte order.
std::string Utf16(std::string bytes, bool bigEndian)
{
    for (std::size_t i = 0; bigEndian && i + 1 < bytes.size(); i += 2)
        std::swap(bytes[i], bytes[i + 1]);
    return (bigEndian ? "\xFE\xFF" : "\xFF\xFE") + bytes;
}

std::string Utf8(const std::string& bytes)
{
    return "\xEF\xBB\xBF" + bytes;
}

} // namespace

TEST(TextReading, MarksChooseTheEncodingAndMalformedSequencesAreReplaced)
{
    const struct {
        std::string bytes;
        std::wstring text;
    } cases[] = {
        {Utf8("Name=A\r\n"), L"Name=A\r\n"},
        {"Name=A\r\n", L"Name=A\r\n"},
        {Utf8("\xEF\xBB\xBF\x41"), L"\uFEFFA"}, // only the first mark is one
        {"", L""},
        {Utf8(""), L""},
        {"\xEF\xBB", L"\u00EF\u00BB"}, // a mark cut short is ANSI text
        {std::string("\0A\0", 3), std::wstring(L"\0A\0", 3)},
        {"Gr\xC3\xB6\xC3\x9F\x65", L"Gr\u00F6\u00DFe"},
        {"Gr\xF6\xDF\x65\r\n", L"Gr\u00F6\u00DFe\r\n"}, // Notepad's "ANSI"
        {"caf\xC3", L"caf\u00C3"},                      // cut at the end: not UTF-8, so ANSI
        {Utf8("Gr\xF6\xDF\x65"), L"Gr\uFFFD\uFFFDe"},
        {Utf8("A\xC3\xA4\xE2\x82\xAC"), L"A\u00E4\u20AC"},
        {Utf8("\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"), L"\xD83D\xDE00\xDBFF\xDFFF"},
        {Utf8("\xEF\xBF\xBD\x80"), L"\xFFFD\xFFFD"},
        {Utf8("\xC0\xAF\xC1\xBF"), L"\xFFFD\xFFFD\xFFFD\xFFFD"}, // overlong leads
        {Utf8("\xE0\x80\xAF"), L"\xFFFD\xFFFD\xFFFD"},           // overlong three bytes
        {Utf8("\xED\xA0\x80"), L"\xFFFD\xFFFD\xFFFD"},           // a surrogate
        {Utf8("\xF4\x90\x80\x80"), L"\xFFFD\xFFFD\xFFFD\xFFFD"}, // beyond U+10FFFF
        {Utf8("\xF5\x80\xFF\xFE"), L"\xFFFD\xFFFD\xFFFD\xFFFD"},
        {Utf8("\xC3"), L"\xFFFD"}, // cut short at the end
        {Utf8("\xF0\x9F\x98"), L"\xFFFD"},
        {Utf8("\xE2\x82\x41"), L"\uFFFDA"},
        {Utf8("\xF0\x9F\x98\xC3\xA4"), L"\xFFFD\u00E4"},
    };
    const struct {
        std::string littleEndian;
        std::wstring text;
    } utf16[] = {
        {std::string("G\0\xF6\0\xAC\x20\n\0", 8), L"G\u00F6\u20AC\n"},
        {std::string("\x3D\xD8\0\xDE", 4), L"\xD83D\xDE00"},
        {std::string("\x3D\xD8\x41\0", 4), L"\uFFFDA"},      // lead without trail
        {std::string("\0\xDE\x3D\xD8", 4), L"\xFFFD\xFFFD"}, // trail first
        {std::string("A\0B", 3), L"A\xFFFD"},                // stray last byte
        {std::string("\0\0A\0", 4), std::wstring(L"\0A", 2)},
    };
    TempFolder folder;
    for (const auto& c : cases)
        EXPECT_EQ(ReadText(folder, c.bytes), c.text) << testing::PrintToString(c.bytes);
    for (bool bigEndian : {false, true})
        for (const auto& c : utf16)
            EXPECT_EQ(ReadText(folder, Utf16(c.littleEndian, bigEndian)), c.text)
                << (bigEndian ? "big-endian " : "little-endian ")
                << testing::PrintToString(c.littleEndian);
}

TEST(TextReading, ReadsAgainFromTheStartAndHandsTheTextOverOnce)
{
    TempFolder folder;
    TextFileReader reader(folder.WriteFile("text.lst", "[Main]\n"));
    reader.Read();
    reader.Read();
    EXPECT_EQ(reader.ReleaseText(), L"[Main]\n");
    EXPECT_EQ(reader.ReleaseText(), L"");
}
