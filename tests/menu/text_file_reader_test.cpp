#include "menu/text_file_reader.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

TEST(TextFileReader, DecodesEveryByteAfterACompleteByteOrderMark)
{
    const struct {
        std::string bytes;
        std::wstring text;
    } cases[] = {
        {"\xEF\xBB\xBFName=A\r\n", L"Name=A\r\n"}, {"Name=A\r\n", L"Name=A\r\n"},
        {"\xEF\xBB\xBF\xEF\xBB\xBF" "A", L"\xFEFF" L"A"}, {"A", L"A"}, {"AB", L"AB"}, {"", L""}, {"\xEF\xBB\xBF", L""},
        {std::string("\0A\0", 3), std::wstring(L"\0A\0", 3)},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        TextFileReader reader(folder.WriteFile("text.lst", c.bytes));
        reader.Read();
        EXPECT_EQ(reader.ReleaseText(), c.text) << c.bytes;
    }
    // Malformed UTF-8 is no error; what the decoder makes of it is its own.
    for (const std::string garbage : {"\xEF\xBB", "\xC3", "\xFF\xFE\xFD", "\xF0\x9F\x98"}) {
        TextFileReader reader(folder.WriteFile("text.lst", garbage));
        reader.Read();
        EXPECT_LE(reader.ReleaseText().size(), garbage.size()) << garbage;
    }
}

TEST(TextFileReader, ReadsAgainFromTheStartAndHandsTheTextOverOnce)
{
    TempFolder folder;
    TextFileReader reader(folder.WriteFile("text.lst", "[Main]\n"));
    reader.Read();
    reader.Read();
    EXPECT_EQ(reader.ReleaseText(), L"[Main]\n");
    EXPECT_EQ(reader.ReleaseText(), L"");
}
