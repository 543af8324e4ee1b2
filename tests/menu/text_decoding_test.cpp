#include "menu/text_decoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const unsigned char* Bytes(const std::string& bytes)
{
    return reinterpret_cast<const unsigned char*>(bytes.data());
}

std::wstring Utf8(const std::string& bytes)
{
    std::wstring text;
    AppendUtf8(Bytes(bytes), bytes.size(), text);
    return text;
}

// The little-endian bytes, swapped pairwise for big-endian.
std::wstring Utf16(std::string bytes, bool bigEndian)
{
    if (bigEndian)
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            std::swap(bytes[i], bytes[i + 1]);
    std::wstring text;
    AppendUtf16(Bytes(bytes), bytes.size(), bigEndian, text);
    return text;
}

} // namespace

// Malformed input becomes one U+FFFD per maximal subpart, as Unicode
// recommends and current Windows does.
TEST(TextDecoding, Utf8IsDecodedAndEachMaximalSubpartReplacedOnce)
{
    const struct {
        std::string bytes;
        std::wstring text;
    } cases[] = {
        {"A\xC3\xA4\xE2\x82\xAC", L"A\u00E4\u20AC"},
        {"\xF0\x9F\x98\x80", L"\xD83D\xDE00"},
        {"\xF4\x8F\xBF\xBF", L"\xDBFF\xDFFF"},
        {"\xEF\xBF\xBD", L"\xFFFD"},
        {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
        {"\x80", L"\xFFFD"},
        {"\xC0\xAF", L"\xFFFD\xFFFD"}, // overlong lead
        {"\xC1\xBF", L"\xFFFD\xFFFD"},
        {"\xE0\x80\xAF", L"\xFFFD\xFFFD\xFFFD"},           // overlong three bytes
        {"\xED\xA0\x80", L"\xFFFD\xFFFD\xFFFD"},           // a surrogate
        {"\xF4\x90\x80\x80", L"\xFFFD\xFFFD\xFFFD\xFFFD"}, // beyond U+10FFFF
        {"\xF5\x80", L"\xFFFD\xFFFD"},
        {"\xFF\xFE", L"\xFFFD\xFFFD"},
        {"\xC3", L"\xFFFD"}, // cut short at the end
        {"\xE2\x82", L"\xFFFD"},
        {"\xF0\x9F\x98", L"\xFFFD"},
        {"\xE2\x82"
         "A",
         L"\xFFFD"
         L"A"},
        {"\xF0\x9F\x98\xC3\xA4", L"\xFFFD\u00E4"},
        {"\xE4"
         "rger",
         L"\xFFFD"
         L"rger"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8(c.bytes), c.text) << testing::PrintToString(c.bytes);
}

TEST(TextDecoding, Utf16InBothByteOrdersWithUnpairedSurrogatesAndAStrayByteReplaced)
{
    const struct {
        std::string littleEndian;
        std::wstring text;
    } cases[] = {
        {std::string("A\0\xE4\0\xAC\x20", 6), L"A\u00E4\u20AC"},
        {std::string("\x3D\xD8\0\xDE", 4), L"\xD83D\xDE00"},
        {std::string("\x3D\xD8"
                     "A\0",
                     4),
         L"\xFFFD"
         L"A"},                                              // lead without trail
        {std::string("\0\xDE\x3D\xD8", 4), L"\xFFFD\xFFFD"}, // trail first
        {"\x3D\xD8", L"\xFFFD"},
        {std::string("A\0B", 3), L"A\xFFFD"}, // stray last byte
        {std::string("\0\0A\0", 4), std::wstring(L"\0A", 2)},
    };
    for (bool bigEndian : {false, true})
        for (const auto& c : cases)
            EXPECT_EQ(Utf16(c.littleEndian, bigEndian), c.text)
                << (bigEndian ? "big-endian " : "little-endian ")
                << testing::PrintToString(c.littleEndian);
}

TEST(TextDecoding, TheMarkChoosesTheEncodingAndWithoutOneOnlyWellFormedUtf8IsUtf8)
{
    const struct {
        std::string bytes;
        TextEncoding encoding;
        std::size_t markSize;
    } cases[] = {
        {"\xEF\xBB\xBF"
         "a\xFF",
         TextEncoding::Utf8, 3},
        {"\xFF\xFE", TextEncoding::Utf16LittleEndian, 2},
        {"\xFE\xFF\0A", TextEncoding::Utf16BigEndian, 2},
        {"", TextEncoding::Utf8, 0},
        {"\xEF\xBB", TextEncoding::Ansi, 0},
        {"Gr\xC3\xB6\xC3\x9F"
         "e",
         TextEncoding::Utf8, 0},
        {"Gr\xF6\xDF"
         "e",
         TextEncoding::Ansi, 0},
        {"caf\xC3", TextEncoding::Ansi, 0},
        {std::string("A\0B\0", 4), TextEncoding::Utf8, 0},
    };
    for (const auto& c : cases) {
        std::size_t markSize = 99;
        EXPECT_EQ(DetectTextEncoding(Bytes(c.bytes), c.bytes.size(), markSize), c.encoding)
            << testing::PrintToString(c.bytes);
        EXPECT_EQ(markSize, c.markSize) << testing::PrintToString(c.bytes);
    }
}
