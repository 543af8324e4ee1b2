#include "menu/text_file_reader.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The decoded text of a file holding exactly these bytes.
std::wstring ReadBack(const std::string& bytes)
{
    TempFolder folder;
    TextFileReader reader(folder.WriteFile("text.lst", bytes));
    reader.Read();
    return reader.ReleaseText();
}

} // namespace

TEST(TextFileReader, TheByteOrderMarkIsSkippedOnlyWhenComplete)
{
    EXPECT_EQ(ReadBack("\xEF\xBB\xBFName=A\r\n"), L"Name=A\r\n");
    EXPECT_EQ(ReadBack("Name=A\r\n"), L"Name=A\r\n");
    EXPECT_EQ(ReadBack("\xEF\xBB\xBF\xEF\xBB\xBF" "A"), L"\xFEFF" L"A");
    EXPECT_EQ(ReadBack("A"), L"A");
    EXPECT_EQ(ReadBack("AB"), L"AB");
}

TEST(TextFileReader, DecodesEveryByteReadAndNothingMore)
{
    EXPECT_EQ(ReadBack(""), L"");
    EXPECT_EQ(ReadBack("\xEF\xBB\xBF"), L"");
    EXPECT_EQ(ReadBack(std::string("\0A\0", 3)), std::wstring(L"\0A\0", 3));
    // Malformed UTF-8 is no error; what the decoder makes of it is its own.
    for (const char* garbage : {"\xEF\xBB", "\xC3", "\xFF\xFE\xFD", "\xF0\x9F\x98"})
        EXPECT_LE(ReadBack(garbage).size(), std::string(garbage).size()) << garbage;
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
