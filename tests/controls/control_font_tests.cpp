// The character set of the fonts the controls make: on the ANSI path the one
// of the system's ANSI code page, whatever the dialog font has.
#include "controls/control_font.h"

#include <gtest/gtest.h>

TEST(ControlFontCharset, FollowsTheAnsiCodePageOnTheAnsiPathAndTheDialogFontOtherwise)
{
    const struct {
        bool unicodePlatform;
        BYTE dialogCharset;
        UINT ansiCodePage;
        BYTE charset;
    } cases[] = {
        {false, RUSSIAN_CHARSET, 1252, ANSI_CHARSET},
        {false, ANSI_CHARSET, 1251, RUSSIAN_CHARSET},
        {false, RUSSIAN_CHARSET, 1250, EASTEUROPE_CHARSET},
        {false, RUSSIAN_CHARSET, 1253, GREEK_CHARSET},
        {false, RUSSIAN_CHARSET, 932, SHIFTJIS_CHARSET},
        {false, RUSSIAN_CHARSET, 12345, DEFAULT_CHARSET}, // a code page without a set
        {true, RUSSIAN_CHARSET, 1252, RUSSIAN_CHARSET},
        {true, ANSI_CHARSET, 1251, ANSI_CHARSET},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ControlFontCharset(c.unicodePlatform, c.dialogCharset, c.ansiCodePage), c.charset)
            << (c.unicodePlatform ? "Unicode" : "ANSI") << " path, code page " << c.ansiCodePage;
}
