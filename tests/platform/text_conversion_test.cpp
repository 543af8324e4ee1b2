#include "platform/text_layer.h"

#include <gtest/gtest.h>

#include <string>

TEST(TextConversion, LongTextsRoundTripInFullAndCodePageLettersKeepTheirBytes)
{
    EXPECT_EQ(IsUnicodePlatform(), (GetVersion() & 0x80000000u) == 0)
        << "GetVersion's top bit: no UTF-16 calls";
    EXPECT_EQ(WideToAnsi(L""), "");
    EXPECT_EQ(AnsiToWide(""), L"");
    EXPECT_EQ(WideToAnsi(std::wstring(L"ab\0cd", 5)), "ab") << "the first zero ends the source";
    EXPECT_EQ(AnsiToWide(std::string("ab\0cd", 5)), L"ab");
    // ASCII converts without the system; a letter above 0x7F takes the code
    // page's path, so both run past the old 2048-character buffer.
    CPINFO info = {};
    const bool singleByte =
        GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1; // else only ASCII has known bytes
    const char byte = '\xE9';
    wchar_t letter = 0;
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, &byte, 1, &letter, 1), 1);
    ASSERT_TRUE(!singleByte || letter > 0x7F);
    for (std::size_t length : {2047u, 2048u, 5000u}) {
        std::wstring ascii;
        for (std::size_t i = 0; i < length; ++i)
            ascii += static_cast<wchar_t>(L'!' + i % 94);
        EXPECT_EQ(WideToAnsi(ascii).size(), length);
        EXPECT_EQ(AnsiToWide(WideToAnsi(ascii)), ascii) << length;
        const std::wstring wide = std::wstring(length, letter) + L"end";
        EXPECT_TRUE(!singleByte || WideToAnsi(wide) == std::string(length, byte) + "end") << length;
        EXPECT_TRUE(!singleByte || AnsiToWide(std::string(length, byte) + "end") == wide) << length;
    }
    if (!singleByte)
        GTEST_SKIP() << "the rest holds for single-byte ANSI code pages";
    EXPECT_EQ(WideToAnsi(L"a\u4E2Db"), "a?b");
    // A letter that the Western and the Cyrillic code page both hold, at different bytes.
    const wchar_t* known = GetACP() == 1251 ? L"\u0416" : L"\u00E9";
    const std::string ansi = WideToAnsi(known);
    ASSERT_EQ(ansi.size(), 1u);
    EXPECT_NE(ansi, "?");
    EXPECT_EQ(AnsiToWide(ansi), known);
}
