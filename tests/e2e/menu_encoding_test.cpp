// Menus saved the ways Notepad saves them: "Unicode" (UTF-16 with a mark, in
// either byte order) and "ANSI" (here code page 1252 on a German system).
// Each shows its caption, its rows and their commands as written.
#include "disc.h"

namespace {

const wchar_t kMenu[] =
    L"[Main]\r\nCaption=Men\u00FC f\u00FCr Gr\u00F6\u00DFen\r\n"
    L"[Element]\r\nName=\u00DCbersicht\r\nCommand=\\setup.exe Gr\u00F6\u00DFe\r\n"
    L"[Element]\r\nName=Zur\u00FCck\r\n";
const wchar_t kCaption[] = L"Men\u00FC f\u00FCr Gr\u00F6\u00DFen";
// What the program started by the first row finds on its command line, in
// code page 1252.
const char kArgument[] = " Gr\xF6\xDF"
                         "e";

std::string Utf16WithMark(const std::wstring& text, bool bigEndian)
{
    std::string bytes;
    for (wchar_t unit : L"\xFEFF" + text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

std::string InCodePage1252(const std::wstring& text)
{
    std::string bytes;
    for (wchar_t unit : text)
        bytes += static_cast<char>(unit); // Latin-1 letters only: the same bytes in 1252
    return bytes;
}

class SavedEncoding : public DiscTest {};

TEST_F(SavedEncoding, Utf16InBothByteOrdersAndAnsiShowTheMenuAsWritten)
{
    const std::string record = PutRecorder("setup.exe");
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"UTF-16 LE", Utf16WithMark(kMenu, false)},
        {"UTF-16 BE", Utf16WithMark(kMenu, true)},
        {"ANSI 1252", InCodePage1252(kMenu)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA(record.c_str());
        WriteOnDisc("kiveron.lst", c.bytes);
        MenuProcess menu(KIVERON_EXE, Root(), {"", "kiveron.exe", {"LC_ALL=de_DE.UTF-8"}});
        HWND dialog = menu.WaitForWindow(kCaption);
        ASSERT_NE(nullptr, dialog)
            << "no caption with umlauts; is the de_DE.UTF-8 locale installed?";
        EXPECT_EQ(2, RowCount(dialog));
        ASSERT_TRUE(Activate(dialog, 0));
        const std::string commandLine = WaitForFileContent(record);
        EXPECT_NE(std::string::npos, commandLine.find(std::string("setup.exe") + kArgument + "\n"))
            << commandLine;
        EXPECT_EQ(0u, menu.Close(dialog));
    }
}

} // namespace
