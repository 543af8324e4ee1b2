#include "platform/text_layer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool IsSingleByteCodePage()
{
    CPINFO info = {};
    return GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1;
}

} // namespace

TEST(TextConversion, LongTextsRoundTripInFull)
{
    // ASCII converts without the system; a letter above 0x7F takes the code
    // page's path, so both run past the old 2048-character buffer.
    const char byte = '\xE9';
    wchar_t letter = 0;
    const bool singleByte = IsSingleByteCodePage(); // else only ASCII has known bytes
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, &byte, 1, &letter, 1), 1);
    ASSERT_TRUE(!singleByte || letter > 0x7F);
    for (std::size_t length : {2047u, 2048u, 5000u}) {
        std::wstring ascii;
        for (std::size_t i = 0; i < length; ++i)
            ascii += static_cast<wchar_t>(L'!' + i % 94);
        EXPECT_EQ(AnsiToWide(WideToAnsi(ascii)), ascii) << length;
        EXPECT_EQ(WideToAnsi(ascii).size(), length);
        if (!singleByte)
            continue;
        const std::wstring wide = std::wstring(length, letter) + L"end";
        EXPECT_TRUE(WideToAnsi(wide) == std::string(length, byte) + "end") << length;
        EXPECT_TRUE(AnsiToWide(std::string(length, byte) + "end") == wide) << length;
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

TEST(TextConversion, UnicodePlatformAgreesWithTheSystemVersionFlag)
{
    // GetVersion sets its top bit on the platform family without UTF-16 calls.
    EXPECT_EQ(IsUnicodePlatform(), (GetVersion() & 0x80000000u) == 0);
}
