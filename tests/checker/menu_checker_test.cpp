// kiveron-check on real menu files in a temporary folder: one file for each
// kind of problem, checked by the checker's library with the folder as the
// current one (so findings name the files as given), and the real
// kiveron-check.exe started as a child for its output and exit statuses.
#include "checker/check_options.h"
#include "checker/menu_checker.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "graphics/test_pictures.h"
#include "support/menu_process.h"
#include "support/temp_folder.h"

namespace {

// A finding expected in its place: the exact "file:line: level:" start and
// words its message must hold.
struct Expected {
    const char* prefix;
    const char* words;
};

std::string Lines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

// A disc: the menus of the test and a program that process creation takes.
class Disc {
public:
    Disc() { folder.WriteFile("app.exe", "MZ"); }
    void Write(const std::string& name, const std::string& bytes) const
    {
        const std::string::size_type slash = name.find('\\');
        if (slash != std::string::npos)
            CreateDirectoryA(folder.PathOf(name.substr(0, slash)).c_str(), nullptr);
        folder.WriteFile(name, bytes);
    }
    std::string PathOf(const std::string& name) const { return folder.PathOf(name); }
    const std::string& Path() const { return folder.Path(); }

    // The findings for a menu given by its name in the disc's folder.
    std::vector<std::string> Check(const std::string& menu) const
    {
        char caller[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, caller);
        SetCurrentDirectoryA(folder.Path().c_str());
        CheckOptions options;
        options.menuPath = menu;
        options.codePage = 1252;
        CheckReport report;
        MenuChecker(options, report, GetModuleHandleA(nullptr)).Run();
        char after[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, after);
        SetCurrentDirectoryA(caller);
        EXPECT_EQ(std::string(after), folder.Path()) << "the checker restores the current folder";
        std::vector<std::string> lines;
        for (const Finding& finding : report.Findings())
            lines.push_back(FormatFinding(finding));
        return lines;
    }

private:
    TempFolder folder;
};

// Most menus here give no ExitText on purpose; the note about it is
// expected only where a test names it.
void ExpectFindings(std::vector<std::string> actual, const std::vector<Expected>& expected)
{
    bool exitTextExpected = false;
    for (const Expected& finding : expected)
        exitTextExpected =
            exitTextExpected || std::string(finding.words).find("ExitText") != std::string::npos;
    if (!exitTextExpected)
        actual.erase(std::remove_if(actual.begin(), actual.end(),
                                    [](const std::string& line) {
                                        return line.find("gives no ExitText") != std::string::npos;
                                    }),
                     actual.end());
    std::string all;
    for (const std::string& line : actual)
        all += line + "\n";
    ASSERT_EQ(actual.size(), expected.size()) << all;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].rfind(expected[i].prefix, 0), 0u) << actual[i];
        EXPECT_NE(actual[i].find(expected[i].words), std::string::npos) << actual[i];
    }
}

} // namespace

TEST(MenuChecker, SaysWhyEachIgnoredLineIsIgnored)
{
    Disc disc;
    disc.Write("lines.lst", Lines({
                                "Caption=Too early",   // 1
                                "[Main]",              // 2
                                "Caption=Disc",        // 3
                                "Colour=red",          // 4
                                "Command=app.exe",     // 5
                                "just a note",         // 6
                                "and its second line", // 7
                                "[Element]",           // 8
                                "Name=Install",        // 9
                                "Command=app.exe",     // 10
                                "[Extras]",            // 11
                                "Marker=Tertiary",     // 12
                                "Comand=x",            // 13
                            }) + "Name=last line");    // 14
    ExpectFindings(
        disc.Check("lines.lst"),
        {
            {"lines.lst:1: warning:", "before any section; the line is ignored"},
            {"lines.lst:4: warning:", "\"Colour\" is not a known key; the line is ignored"},
            {"lines.lst:5: warning:", "\"Command\" does not belong in the [Main] section"},
            {"lines.lst:6: note:", "the 1 after it have no \"=\" and are ignored"},
            {"lines.lst:11: warning:", "\"[Extras]\" is not a section; the line is ignored and the "
                                       "keys after it still belong to the [Element] section"},
            {"lines.lst:12: warning:", "Marker \"Tertiary\" is neither Primary nor Secondary; the "
                                       "line is ignored and the entry's marker is Primary"},
            {"lines.lst:13: warning:", "\"Comand\" is not a known key"},
            {"lines.lst:14: warning:",
             "no line break ends the last line \"Name=last line\", so it is never read"},
        });
}

TEST(MenuChecker, NamesTheLineThatARepeatedKeyMeets)
{
    Disc disc;
    disc.Write("picture.bmp", Pattern(4, 2, 24).Bytes());
    disc.Write("repeats.lst", Lines({
                                  "[Main]",              // 1
                                  "Caption_de=A",        // 2
                                  "Caption_de=B",        // 3
                                  "Picture=none.bmp",    // 4
                                  "Picture=picture.bmp", // 5
                                  "[Language]",          // 6
                                  "Locale_de=de",        // 7
                                  "Locale=de",           // 8
                                  "[Element]",           // 9
                                  "Name=X",              // 10
                                  "Command=missing.exe", // 11
                                  "Command=app.exe",     // 12
                                  "Marker_de=Secondary", // 13
                              }));
    ExpectFindings(
        disc.Check("repeats.lst"),
        {
            {"repeats.lst:3: warning:",
             "\"Caption_de\" gives a second text for language \"de\"; the first, on line 2, stays"},
            {"repeats.lst:5: warning:",
             "\"Picture\" replaces the value of line 4; the last one counts"},
            {"repeats.lst:5: note:", "\"picture.bmp\" is 4 x 2 pixels; when Kiveron starts with "
                                     "it, the window's client area is fitted to 4 x 2"},
            {"repeats.lst:7: warning:",
             "\"Locale_de\": Locale takes no language suffix; the suffix is ignored and the value "
             "counts for every language"},
            {"repeats.lst:8: warning:", "\"Locale\" replaces the value of line 7"},
            {"repeats.lst:12: warning:", "\"Command\" replaces the value of line 11"},
            {"repeats.lst:13: warning:", "\"Marker_de\": Marker takes no language suffix"},
        });
}

TEST(MenuChecker, FindsTextsNoLanguageShowsAndLanguagesNoUserGets)
{
    Disc disc;
    disc.Write("languages.lst", Lines({
                                    "[Main]",               // 1
                                    "Caption_fr=Titre",     // 2
                                    "Caption_DE=Titel",     // 3
                                    "[Language]",           // 4
                                    "Locale=de",            // 5
                                    "[Language]",           // 6
                                    "Locale=ru",            // 7
                                    "[Language]",           // 8
                                    "Locale=de",            // 9
                                    "[Language]",           // 10
                                    "Name=Nobody",          // 11
                                    "[Element]",            // 12
                                    "Name_de=Installieren", // 13
                                    "Command=app.exe",      // 14
                                    "[Element]",            // 15
                                    "Command=app.exe",      // 16
                                }));
    ExpectFindings(
        disc.Check("languages.lst"),
        {
            {"languages.lst:2: warning:",
             "the language code \"fr\" of \"Caption_fr\" is declared by no [Language]"},
            {"languages.lst:3: warning:",
             "\"DE\" of \"Caption_DE\" differs only in case from the declared \"de\""},
            {"languages.lst:9: warning:", "Locale \"de\" is declared again (first on line 5)"},
            {"languages.lst:10: warning:", "gives no Locale (or an empty one); choosing it shows "
                                           "only the texts without language suffix"},
            {"languages.lst:12: warning:",
             "the entry \"Installieren\" has no Name for language \"ru\" and none without suffix; "
             "it is not listed in that language"},
            {"languages.lst:15: warning:", "this entry has no Name; it is never listed"},
        });

    disc.Write("nostart.lst", Lines({
                                  "[Main]",          // 1
                                  "ExitText_=Exit",  // 2
                                  "[Language]",      // 3
                                  "Locale=fr",       // 4
                                  "[Language]",      // 5
                                  "Locale=EN",       // 6
                                  "[Element]",       // 7
                                  "Name=Go",         // 8
                                  "Command=app.exe", // 9
                              }));
    ExpectFindings(
        disc.Check("nostart.lst"),
        {
            {"nostart.lst: warning:", "neither \"en\" nor any code Kiveron takes from the system's "
                                      "language (bg, de, en, ka,"},
            {"nostart.lst:2: warning:",
             "\"ExitText_\" has an empty language code, which no [Language] declares"},
            {"nostart.lst:6: warning:", "Locale \"EN\" differs only in case from \"en\""},
        });
}

TEST(MenuChecker, ReadsTheBytesAsKiveronDecodesThem)
{
    Disc disc;
    // UTF-16 is read after its mark, and its lines are checked: the second
    // one holds an unknown key.
    disc.Write("utf16.lst",
               std::string("\xFE\xFF\0[\0M\0a\0i\0n\0]\0\n\0K\0e\0y\0=\0\xE9\0\n", 28));
    disc.Write("unmarked.lst", std::string("[\0M\0a\0i\0n\0]\0\r\0\n\0", 16));
    disc.Write("ansi.lst", "[Main]\r\nCaption=Caf\xE9\r\n");
    disc.Write("broken.lst", "\xEF\xBB\xBF[Main]\r\nCaption=Caf\xE9\r\n");
    disc.Write("zero.lst", std::string("[Main]\r\nCaption=A\0B\r\n[Element]\r\n", 24));
    // A byte after the NUL that is not UTF-8 still makes the reader take the
    // UTF-8 before it as ANSI.
    disc.Write("zero-ansi.lst", std::string("[Main]\r\nCaption=A\0B\r\n\xE9\r\n", 24));
    disc.Write("cr.lst", "[Main]\rCaption=A\r");
    // A mark, CR LF, LF and a CR alone: lines are counted by their LF.
    disc.Write("mixed.lst", "\xEF\xBB\xBF[Main]\r\nCaption=A\nColour=red\r\n[Element]\rName=X\r\n");
    disc.Write("codepage.lst",
               Lines({
                   "[Language]",               // 1
                   "Locale=en",                // 2
                   "[Language]",               // 3
                   "Locale=\xD1\x80\xD1\x83",  // 4 "ру"
                   "[Element]",                // 5
                   "Name=Go",                  // 6
                   "Name_\xD1\x80\xD1\x83=Go", // 7
                   "Command=\xD0\xB4.exe",     // 8 "д.exe"
                   "[Element]",                // 9
                   "Name=Look-alike",          // 10
                   "Command=\xC5\x82.exe",     // 11 "ł.exe", which Windows writes "l.exe"
               }));
    ExpectFindings(
        disc.Check("utf16.lst"),
        {
            {"utf16.lst: note:",
             "saved as UTF-16 (big-endian) with a byte-order mark, which Kiveron reads as it is"},
            {"utf16.lst:2: warning:", "\"Key\" is not a known key"},
        });
    ExpectFindings(disc.Check("unmarked.lst"),
                   {{"unmarked.lst: warning:",
                     "UTF-16 without a byte-order mark, which Kiveron reads as an empty menu"}});
    ExpectFindings(disc.Check("ansi.lst"),
                   {{"ansi.lst:2: warning:",
                     "the byte 0xE9 is not UTF-8, so Kiveron reads the file in the system's ANSI "
                     "code page: it shows right only on systems with the ANSI code page 1252"}});
    ExpectFindings(
        disc.Check("broken.lst"),
        {{"broken.lst:2: warning:",
          "the byte 0xE9 is not UTF-8 although the file begins with UTF-8's byte-order mark"}});
    ExpectFindings(
        disc.Check("zero.lst"),
        {{"zero.lst:2: warning:", "a NUL byte: Kiveron reads the file only up to the last line "
                                  "break before it, so this line and all after it are ignored"}});
    ExpectFindings(disc.Check("zero-ansi.lst"),
                   {
                       {"zero-ansi.lst:2: warning:", "a NUL byte"},
                       {"zero-ansi.lst:3: warning:", "the byte 0xE9 is not UTF-8, so Kiveron reads "
                                                     "the file in the system's ANSI code page"},
                   });
    ExpectFindings(disc.Check("cr.lst"), {{"cr.lst:1: warning:", "the lines end in CR only"}});
    ExpectFindings(disc.Check("mixed.lst"),
                   {
                       {"mixed.lst:3: warning:", "\"Colour\" is not a known key"},
                       {"mixed.lst:4: warning:", "a CR without LF ends no line for Kiveron: the "
                                                 "text after it is read as part of this line"},
                       {"mixed.lst:4: warning:", "\"[Element]\\x0DName=X\" is not a section"},
                   });
    ExpectFindings(
        disc.Check("codepage.lst"),
        {
            {"codepage.lst:4: warning:", "Locale \"ру\" has characters that the ANSI code page "
                                         "1252 cannot hold; Windows gets \"??\" instead"},
            {"codepage.lst:7: warning:",
             "the language code \"ру\" of \"Name_ру\" has characters that the ANSI code page 1252"},
            {"codepage.lst:8: warning:",
             "Command \"д.exe\" has characters that the ANSI code page 1252 cannot hold"},
            {"codepage.lst:8: warning:", "the command \"?.exe\" finds nothing to start or open"},
            {"codepage.lst:11: warning:", "Command \"ł.exe\" has characters that the ANSI code "
                                          "page 1252 cannot hold; Windows gets \"l.exe\" instead"},
            {"codepage.lst:11: warning:", "the command \"l.exe\" finds nothing to start or open"},
        });
}

// The disc lies in a temporary folder, as a disc laid out by a build does:
// the folder stands for the root of the medium.
TEST(MenuChecker, FollowsPicturesCommandsAndNestedMenusAsKiveronFindsThem)
{
    Disc disc;
    Bmp topDown = Pattern(6, 3, 24);
    topDown.info.biHeight = -3;
    disc.Write("pictures\\good.bmp", topDown.Bytes());
    disc.Write("my tools\\app.exe", "MZ");
    disc.Write("readme.txt", "read me");
    disc.Write("tool.lnk", "a shortcut");
    disc.Write("notes.txt", "not a picture");
    disc.Write("broken.lst\\inside.txt", "a folder is no menu");
    disc.Write("tools\\tools.lst", Lines({
                                       "[Main]",                     // 1
                                       "Caption=Tools",              // 2
                                       "Picture=pictures\\good.bmp", // 3
                                       "[Element]",                  // 4
                                       "Name=Back",                  // 5
                                       "Command=..\\files.lst",      // 6
                                       "Colour=red",                 // 7
                                   }));
    disc.Write("files.lst",
               Lines({
                   "[Main]",                                 // 1
                   "Caption=Files",                          // 2
                   "Picture=\\pictures\\good.bmp",           // 3
                   "Picture_de=pictures\\none.bmp",          // 4
                   "Picture_ru=notes.txt",                   // 5
                   "[Language]",                             // 6
                   "Locale=de",                              // 7
                   "[Language]",                             // 8
                   "Locale=ru",                              // 9
                   "[Element]",                              // 10
                   "Name=Program",                           // 11
                   "Command=\"\\my tools\\app.exe\" /quiet", // 12
                   "[Element]",                              // 13
                   "Name=Read me",                           // 14
                   "Command=\\readme.txt",                   // 15
                   "[Element]",                              // 16
                   "Name=Web",                               // 17
                   "Command=https://example.com/",           // 18
                   "[Element]",                              // 19
                   "Name=Nothing",                           // 20
                   "[Element]",                              // 21
                   "Name=Missing",                           // 22
                   "Command=setup\\missing.exe /q",          // 23
                   "[Element]",                              // 24
                   "Name=Notepad",                           // 25
                   "Command=notepad.exe readme.txt",         // 26
                   "[Element]",                              // 27
                   "Name=Tools",                             // 28
                   "Command=tools\\tools.lst",               // 29
                   "[Element]",                              // 30
                   "Name=Broken",                            // 31
                   "Command=broken.lst",                     // 32
                   "[Element]",                              // 33
                   "Name=Gone",                              // 34
                   "Command=https://example.com/gone.lst",   // 35: a menu before an address
                   "[Element]",                              // 36
                   "Name=Shortcut",                          // 37
                   "Command=\\tool.lnk /q", // 38: the shell gets it and its argument apart
               }));
    ExpectFindings(
        disc.Check("files.lst"),
        {
            {"files.lst:3: note:", "\"\\pictures\\good.bmp\" is 6 x 3 pixels; when Kiveron starts "
                                   "with it, the window's client area is fitted to 6 x 3"},
            {"files.lst:4: warning:", "the picture \"pictures\\none.bmp\" does not exist"},
            {"files.lst:5: warning:",
             "the picture \"notes.txt\" is no BMP file, so Kiveron cannot show it"},
            {"files.lst:18: note:",
             "\"https://example.com/\" is opened by the shell as an address; it is not checked"},
            {"files.lst:19: warning:", "this entry gives no Command; choosing it does nothing"},
            {"files.lst:23: warning:",
             "the command \"setup\\missing.exe /q\" finds nothing to start or open, neither from "
             "the root of the disc nor as written"},
            {"files.lst:26: note:",
             "\"notepad.exe readme.txt\" starts \"C:\\windows\\system32\\notepad.exe\", found only "
             "as written"},
            {"files.lst:32: error:", "the nested menu \"broken.lst\" cannot be read: "},
            {"files.lst:35: warning:", "the nested menu \"https://example.com/gone.lst\" is found "
                                       "neither from the root of the disc nor as written"},
            {"tools\\tools.lst:2: warning:", "\"Caption\" is never shown: the start-up menu gives "
                                             "a text without language suffix already"},
            {"tools\\tools.lst:3: note:",
             "is 6 x 3 pixels; the window keeps the size it was given at start"},
            {"tools\\tools.lst:7: warning:", "\"Colour\" is not a known key"},
        });
}

TEST(MenuChecker, ExplainsPicturesItCannotShowAndWhatToDo)
{
    Disc disc;
    Bmp os2 = Pattern(4, 2, 24);
    os2.info.biSize = 12;
    Bmp jpeg = Pattern(4, 2, 24);
    jpeg.info.biCompression = BI_JPEG;
    Bmp png = jpeg;
    png.info.biCompression = BI_PNG;
    Bmp unknown = jpeg;
    unknown.info.biCompression = 9;
    const std::string cut = Pattern(4, 2, 24).Bytes().substr(0, 70);
    const struct {
        const char* name;
        std::string bytes;
        const char* words;
    } pictures[] = {
        {"renamed.bmp", "\x89PNG\r\n\x1A\n....IHDR",
         "is a PNG file renamed, so Kiveron cannot show it"},
        {"photo.bmp", "\xFF\xD8\xFF\xE0..JFIF", "is a JPEG file renamed"},
        {"os2.bmp", os2.Bytes(), "has an OS/2 1.x header"},
        {"jpeg.bmp", jpeg.Bytes(), "holds a JPEG picture inside the BMP file"},
        {"png.bmp", png.Bytes(), "holds a PNG picture inside the BMP file"},
        {"unknown.bmp", unknown.Bytes(), "uses a compression Kiveron does not know (9)"},
        {"cut.bmp", cut, "is damaged"},
    };
    for (const auto& picture : pictures) {
        disc.Write(picture.name, picture.bytes);
        disc.Write("menu.lst", "[Main]\r\nPicture=" + std::string(picture.name) + "\r\n");
        const std::string fix = std::string("BMP3:") + picture.name + "`";
        ExpectFindings(disc.Check("menu.lst"), {{"menu.lst:2: warning:", picture.words}});
        ExpectFindings(disc.Check("menu.lst"), {{"menu.lst:2: warning:", fix.c_str()}});
    }
}

TEST(MenuChecker, WarnsOfWhatAuthorsExpectOtherwise)
{
    Disc disc;
    disc.Write("start.bmp", Pattern(6, 3, 24).Bytes());
    disc.Write("small.bmp", Pattern(4, 3, 24).Bytes());
    disc.Write("sub\\menu.lst", Lines({"[Main]", "ExitText=Back", "Picture=start.bmp"}));
    disc.Write("sub\\other.lst", Lines({"[Main]", "Picture=small.bmp"}));
    disc.Write("start.lst", Lines({
                                "[Main]",                        // 1
                                "Picture=start.bmp",             // 2
                                "[Element]",                     // 3
                                "Name=Sub",                      // 4
                                "Command=\\SUB\\MENU.LST",       // 5
                                "[Element]",                     // 6
                                "Name=Editor",                   // 7
                                "Command=%WINDIR%\\notepad.exe", // 8
                                "[Element]",                     // 9
                                "Name=Other",                    // 10
                                "Command=sub/other.lst",         // 11
                            }));
    ExpectFindings(
        disc.Check("start.lst"),
        {
            {"start.lst: note:", "the menu gives no ExitText; the exit link shows only its bullet"},
            {"start.lst:2: note:", "is 6 x 3 pixels"},
            {"start.lst:5: warning:", "is started as a program or opened as a document, not as a "
                                      "nested menu: Kiveron's test for \".lst\" is case-sensitive"},
            {"start.lst:8: note:",
             "names %VARIABLES% that the user's system expands when the shell starts it"},
            {"sub\\other.lst: note:", "the menu gives no ExitText"},
            {"sub\\other.lst:2: warning:",
             "is 4 x 3 pixels, but the window keeps the 6 x 3 of the start picture \"start.bmp\"; "
             "the picture is stretched or cut to fit"},
        });
}

TEST(MenuChecker, WarnsForEachLanguageWhoseDescriptionTheLabelCuts)
{
    std::string words;
    for (int i = 0; i < 60; ++i)
        words += "lorem ipsum ";
    const std::string longText = "Description_de=" + words;
    Disc disc;
    disc.Write("long.lst", Lines({
                               "[Language]",           // 1
                               "Locale=en",            // 2
                               "[Language]",           // 3
                               "Locale=de",            // 4
                               "[Element]",            // 5
                               "Name=Entry",           // 6
                               "Description_en=Short", // 7
                               longText.c_str(),       // 8
                               "Command=app.exe",      // 9
                           }));
    ExpectFindings(
        disc.Check("long.lst"),
        {
            {"long.lst:5: warning:", "the description does not fit its space in language \"de\"; "
                                     "its last line shown ends with an ellipsis"},
        });
}

TEST(CheckOptions, TakesOneMenuAndTheTwoOptions)
{
    CheckOptions options;
    std::string error;
    ASSERT_TRUE(ParseCheckOptions({"--codepage", "1251", "--preview", "out", "D:\\kiveron.lst"},
                                  options, error));
    EXPECT_EQ(options.menuPath, "D:\\kiveron.lst");
    EXPECT_EQ(options.previewFolder, "out");
    EXPECT_EQ(options.codePage, 1251u);
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"a.lst", "b.lst"},
        {"--preview"},
        {"--guides", "a.lst"},
        {"--codepage", "cp1251", "a.lst"},
        {"--codepage", "0", "a.lst"},
        {"--verbose", "a.lst"},
    };
    for (const std::vector<std::string>& arguments : wrong)
        EXPECT_FALSE(ParseCheckOptions(arguments, options, error)) << arguments.size();
}
