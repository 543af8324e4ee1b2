#include "menu/menu_document.h"
#include "menu_test_files.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char kWorkedExample[] =
    "\xEF\xBB\xBF[Main]\r\nCaption=Sample Disc\r\nCaption_de=Beispiel-CD\r\nPicture=menu.bmp\r\n"
    "ExitText_en=Exit\r\nExitText_de=Beenden\r\nWarningMsg_en=Please close all other programs "
    "first.\r\n\r\n"
    "[Language]\r\nLocale=en\r\nName_en=English\r\nName_de=Englisch\r\n\r\n"
    "[Language]\r\nLocale=de\r\nName=Deutsch\r\n\r\n"
    "[Element]\r\nName_en=Install\r\nName_de=Installieren\r\nDescription_en=Installs the "
    "viewer.\r\n"
    "Description=Setup\r\nCommand=setup\\setup.exe\r\n\r\n"
    "[Element]\r\nName=Read me\r\nCommand=readme.txt\r\nMarker=secondary\r\n\r\n"
    "[Extras]\r\nName_de=Weitere Werkzeuge\r\nCommand=tools\\tools.lst\r\ncaption_en=Ignored "
    "here\r\n"
    "Marker=Primary\r\n";

const char kWorkedExampleDocument[] =
    "caption [*]Sample Disc [de]Beispiel-CD\n"
    "exit [de]Beenden [en]Exit\n"
    "warning [en]Please close all other programs first.\n"
    "picture [*]menu.bmp\n"
    "language en [de]Englisch [en]English\n"
    "language de [*]Deutsch\n"
    "element [de]Installieren [en]Install / [*]Setup [en]Installs the viewer. / setup\\setup.exe / "
    "0\n"
    "element [*]Read me [de]Weitere Werkzeuge / / tools\\tools.lst / 0\n";

const char kNothing[] = "caption\nexit\nwarning\npicture\n";

std::string Without(std::string text, char c)
{
    text.erase(std::remove(text.begin(), text.end(), c), text.end());
    return text;
}

std::string Element(std::initializer_list<const char*> lines)
{
    return "[Element]\n" + MenuLines(lines, "\n");
}

} // namespace

TEST(MenuFiles, YieldExactlyTheDocumentTheyDescribe)
{
    const struct {
        const char* name;
        std::string bytes;
        std::string document;
    } cases[] = {
        {"worked example", kWorkedExample, kWorkedExampleDocument},
        {"without BOM", std::string(kWorkedExample + 3), kWorkedExampleDocument},
        {"LF line breaks", Without(kWorkedExample, '\r'), kWorkedExampleDocument},
        {"CR-only line breaks hold no line", MenuLines({"[Element]", "Name=A"}, "\r"), kNothing},
        {"a file without LF holds no line", "[Element]", kNothing},
        {"the last line without a break is ignored", "[Element]\nName=A\nCommand=a.exe",
         std::string(kNothing) + "element [*]A / /  / 0\n"},
        {"lone CRs stay in their line", "[Element]\r\nName=a\rb\r\nCommand=x\r\r\n",
         std::string(kNothing) + "element [*]a\rb / / x / 0\n"},
        {"NUL ends the text", std::string("[Element]\nName=A\n\0[Element]\nName=B\n", 34),
         std::string(kNothing) + "element [*]A / /  / 0\n"},
        {"headers match ASCII case and nothing else",
         MenuLines({"[ELEMENT]", "name=Upper", "[element]", "NAME=Lower", "[ Element ]",
                    "[Element] x", "[Elements]", "[Element]=x", "Description=Still lower", "[main]",
                    "CAPTION=Main"}),
         "caption [*]Main\nexit\nwarning\npicture\nelement [*]Upper / /  / 0\n"
         "element [*]Lower / [*]Still lower /  / 0\n"},
        {"every known header makes a record, even empty",
         MenuLines({"Name=Before any section", "[Foo]", "Caption=Still none", "[Element]",
                    "[Element]", "Name=Second", "[Language]", "[Main]", "Name=Main has none"}),
         std::string(kNothing) + "language \nelement / /  / 0\nelement [*]Second / /  / 0\n"},
        {"keys outside their section are ignored",
         MenuLines({"[Main]", "Command=main.exe", "Locale=xx", "Marker=Secondary", "[Language]",
                    "Description=d", "Command=c", "Caption=c", "[Element]", "Locale=yy",
                    "Picture=p.bmp", "ExitText=e"}),
         std::string(kNothing) + "language \nelement / /  / 0\n"},
        {"texts: first wins; settings: last wins",
         MenuLines({"[Main]", "Caption=First", "Caption=Second", "Picture=a.bmp", "Picture=b.bmp",
                    "[Element]", "Name_de=Erst", "name_de=Zweit", "Command_en=first.exe",
                    "Command_de=second.exe", "Marker=Secondary", "Marker=Tertiary", "[Language]",
                    "Locale=en", "Locale_xx=de"}),
         "caption [*]First\nexit\nwarning\npicture [*]b.bmp\nlanguage de\nelement [de]Erst / / "
         "second.exe / 1\n"},
        {"marker names in any case", Element({"Marker=SECONDARY"}),
         std::string(kNothing) + "element / /  / 1\n"},
        {"marker last wins", Element({"Marker=secondary", "Marker=pRiMaRy"}),
         std::string(kNothing) + "element / /  / 0\n"},
        {"language suffixes kept as written",
         Element({"Name_EN=Upper", "Name_=Empty", "Name_ de=Blank after", "Name _fr=Blank before",
                  "Name_de_CH=Swiss", "Name=Any"}),
         std::string(kNothing) +
             "element []Empty [ de]Blank after [*]Any [EN]Upper [de_CH]Swiss / /  / 0\n"},
        {"values trimmed and taken literally",
         Element({"  Description =  a = b  ", "Name_de=", "Name_de=Too late", "=No key",
                  "Command=\xE3\x80\x80 \"quoted\" \xC2\xA0"}),
         std::string(kNothing) + "element [de] / [*]a = b / \"quoted\" / 0\n"},
        {"UTF-8 arrives whole",
         Element({"Name_ru=\xD0\x9F\xD1\x83\xD1\x81\xD0\xBA", "Name_ka=\xE1\x83\xA5",
                  "Name_vi=Ti\xE1\xBA\xBFng", "Name_x=\xF0\x9F\x98\x80"}),
         std::string(kNothing) +
             "element [ka]\xE1\x83\xA5 [ru]\xD0\x9F\xD1\x83\xD1\x81\xD0\xBA [vi]Ti\xE1\xBA\xBFng "
             "[x]\xF0\x9F\x98\x80 / /  / 0\n"},
        {"UTF-16 after its mark",
         std::string("\xFF\xFE[\0E\0l\0e\0m\0e\0n\0t\0]\0\n\0N\0a\0m\0e\0=\0\xE9\0\n\0", 36),
         std::string(kNothing) + "element [*]\xC3\xA9 / /  / 0\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DescribeFile(c.bytes), c.document) << c.name;
}

// Notepad's "ANSI": not UTF-8, so read in the system's code page (1252 here).
TEST(MenuFiles, AFileThatIsNotUtf8IsReadInTheAnsiCodePage)
{
    EXPECT_EQ(DescribeFile(Element({"Name=Caf\xE9 au lait"})),
              std::string(kNothing) + "element [*]Caf\xC3\xA9 au lait / /  / 0\n");
}
