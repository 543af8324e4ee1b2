#include "platform/text_layer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring LongAsciiText(std::size_t length)
{
    std::wstring text;
    for (std::size_t i = 0; i < length; ++i)
        text += static_cast<wchar_t>(L'!' + i % 94);
    return text;
}

bool IsSingleByteCodePage()
{
    CPINFO info = {};
    return GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1;
}

} // namespace

TEST(TextConversion, TextsBeyondTheOldBufferRoundTripInFull)
{
    for (std::size_t length : {2047u, 2048u, 5000u}) {
        const std::wstring wide = LongAsciiText(length);
        const std::string ansi = WideToAnsi(wide);
        ASSERT_EQ(ansi.size(), length);
        EXPECT_EQ(AnsiToWide(ansi), wide);
    }
}

TEST(TextConversion, NonAsciiTextsBeyondTheOldBufferRoundTripInFull)
{
    // ASCII converts without the system; this takes the code page's path.
    if (!IsSingleByteCodePage())
        GTEST_SKIP() << "expectations hold for single-byte ANSI code pages";
    const char byte = '\xE9';
    wchar_t letter = 0;
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, &byte, 1, &letter, 1), 1);
    ASSERT_GT(letter, 0x7F);
    for (std::size_t length : {2047u, 2048u, 5000u}) {
        const std::wstring wide = std::wstring(length, letter) + L"end";
        const std::string ansi = WideToAnsi(wide);
        ASSERT_EQ(ansi.size(), length + 3) << length;
        EXPECT_TRUE(ansi == std::string(length, byte) + "end") << length;
        EXPECT_TRUE(AnsiToWide(ansi) == wide) << length;
    }
}

TEST(TextConversion, EmptyTextsAndTheFirstZeroEndTheSource)
{
    EXPECT_EQ(WideToAnsi(L""), "");
    EXPECT_EQ(AnsiToWide(""), L"");
    EXPECT_EQ(WideToAnsi(std::wstring(L"ab\0cd", 5)), "ab");
    EXPECT_EQ(AnsiToWide(std::string("ab\0cd", 5)), L"ab");
}

TEST(TextConversion, CodePageLettersRoundTripAndOthersBecomeTheReplacement)
{
    if (!IsSingleByteCodePage())
        GTEST_SKIP() << "expectations hold for single-byte ANSI code pages";
    EXPECT_EQ(WideToAnsi(L"a\u4E2Db"), "a?b");
    // A letter that the Western and the Cyrillic code page both hold, at
    // different bytes.
    const wchar_t* letter = GetACP() == 1251 ? L"\u0416" : L"\u00E9";
    const std::string ansi = WideToAnsi(letter);
    ASSERT_EQ(ansi.size(), 1u);
    EXPECT_NE(ansi, "?");
    EXPECT_EQ(AnsiToWide(ansi), letter);
}

TEST(UnicodePlatform, AgreesWithTheSystemVersionFlag)
{
    // GetVersion sets its top bit on the platform family without UTF-16 calls.
    EXPECT_EQ(IsUnicodePlatform(), (GetVersion() & 0x80000000u) == 0);
}
