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
        {"\xEF\xBB\xBFName=A\r\n", L"Name=A\r\n"},
        {"Name=A\r\n", L"Name=A\r\n"},
        {"\xEF\xBB\xBF\xEF\xBB\xBF"
         "A",
         L"\xFEFF"
         L"A"},
        {"A", L"A"},
        {"AB", L"AB"},
        {"", L""},
        {"\xEF\xBB\xBF", L""},
        {std::string("\0A\0", 3), std::wstring(L"\0A\0", 3)},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        TextFileReader reader(folder.WriteFile("text.lst", c.bytes));
        reader.Read();
        EXPECT_EQ(reader.ReleaseText(), c.text) << c.bytes;
    }
}

// UTF-16 after its mark, and text that is not UTF-8 in the ANSI code page,
// which the test prefix has as 1252.
TEST(TextFileReader, ReadsUtf16AfterItsMarkAndAnythingElseNotUtf8AsAnsi)
{
    const struct {
        std::string bytes;
        std::wstring text;
    } cases[] = {
        {std::string("\xFF\xFEG\0\xF6\0\n\0", 8), L"G\u00F6\n"},
        {std::string("\xFE\xFF\0G\0\xF6\0\n", 8), L"G\u00F6\n"},
        {"Gr\xF6\xDF"
         "e\r\n",
         L"Gr\u00F6\u00DF"
         L"e\r\n"},
        {"\xEF\xBB\xBFGr\xF6\xDF"
         "e",
         L"Gr\xFFFD\xFFFD"
         L"e"},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        TextFileReader reader(folder.WriteFile("text.lst", c.bytes));
        reader.Read();
        EXPECT_EQ(reader.ReleaseText(), c.text) << testing::PrintToString(c.bytes);
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
