#include "menu/menu_document.h"
#include "menu_test_files.h"

#include <gtest/gtest.h>

namespace {

const std::string kWorkedExample = std::string(kUtf8Bom) + MenuLines({
    "[Main]",
    "Caption=Sample Disc",
    "Caption_de=Beispiel-CD",
    "Picture=menu.bmp",
    "ExitText_en=Exit",
    "ExitText_de=Beenden",
    "WarningMsg_en=Please close all other programs first.",
    "",
    "[Language]",
    "Locale=en",
    "Name_en=English",
    "Name_de=Englisch",
    "",
    "[Language]",
    "Locale=de",
    "Name=Deutsch",
    "",
    "[Element]",
    "Name_en=Install",
    "Name_de=Installieren",
    "Description_en=Installs the viewer.",
    "Description=Setup",
    "Command=setup\\setup.exe",
    "",
    "[Element]",
    "Name=Read me",
    "Command=readme.txt",
    "Marker=secondary",
    "",
    "[Extras]",
    "Name_de=Weitere Werkzeuge",
    "Command=tools\\tools.lst",
    "caption_en=Ignored here",
    "Marker=Primary",
});

const char kWorkedExampleDocument[] =
    "caption [*]Sample Disc [de]Beispiel-CD\n"
    "exit [de]Beenden [en]Exit\n"
    "warning [en]Please close all other programs first.\n"
    "picture [*]menu.bmp\n"
    "language en [de]Englisch [en]English\n"
    "language de [*]Deutsch\n"
    "element [de]Installieren [en]Install / [*]Setup [en]Installs the viewer. / setup\\setup.exe / 0\n"
    "element [*]Read me [de]Weitere Werkzeuge / / tools\\tools.lst / 0\n";

// The first element of a one-element menu written with LF line breaks.
MenuElement OnlyElement(std::initializer_list<const char*> lines)
{
    const std::vector<MenuElement> elements = LoadedFrom(MenuLines(lines, "\n")).GetElements();
    EXPECT_EQ(elements.size(), 1u);
    return elements.empty() ? MenuElement() : elements.front();
}

} // namespace

TEST(WorkedExample, YieldsTheDocumentItDescribes)
{
    EXPECT_EQ(Describe(LoadedFrom(kWorkedExample)), kWorkedExampleDocument);
}

TEST(WorkedExample, LooksUpTheGermanTextsWithTheirFallbacks)
{
    const MenuDocument document = LoadedFrom(kWorkedExample);
    EXPECT_EQ(document.GetCaption().Lookup("de"), L"Beispiel-CD");
    EXPECT_EQ(document.GetExitText().Lookup("de"), L"Beenden");
    EXPECT_EQ(document.GetWarningMsg().Lookup("de"), L"");
    const std::vector<MenuLanguage> languages = document.GetLanguages();
    EXPECT_EQ(languages[0].name.Lookup("de") + L"," + languages[1].name.Lookup("de"),
              L"Englisch,Deutsch");
    const std::vector<MenuElement> elements = document.GetElements();
    EXPECT_EQ(elements[0].name.Lookup("de") + L"," + elements[1].name.Lookup("de"),
              L"Installieren,Weitere Werkzeuge");
}

TEST(LineBreaks, BomAndLineBreakStyleDoNotChangeTheMenu)
{
    const std::string withoutBom = kWorkedExample.substr(3);
    std::string lineFeedsOnly;
    for (char c : withoutBom)
        if (c != '\r')
            lineFeedsOnly += c;
    EXPECT_EQ(Describe(LoadedFrom(withoutBom)), kWorkedExampleDocument);
    EXPECT_EQ(Describe(LoadedFrom(lineFeedsOnly)), kWorkedExampleDocument);
}

TEST(LineBreaks, OnlyTextThatALineFeedEndsIsRead)
{
    // CR-only line breaks and a file without any LF hold no line at all.
    EXPECT_TRUE(LoadedFrom(MenuLines({"[Element]", "Name=A"}, "\r")).GetElements().empty());
    EXPECT_TRUE(LoadedFrom("[Element]").GetElements().empty());
    // The last line without a break is ignored, even when it is a command.
    const std::vector<MenuElement> elements =
        LoadedFrom("[Element]\nName=A\nCommand=a.exe").GetElements();
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_EQ(elements[0].name.Lookup("*"), L"A");
    EXPECT_EQ(elements[0].command, "");
}

TEST(LineBreaks, LoneCarriageReturnsStayInTheirLine)
{
    const MenuElement element =
        LoadedFrom("[Element]\r\nName=a\rb\r\nCommand=x\r\r\n").GetElements().at(0);
    EXPECT_EQ(element.name.Lookup("*"), L"a\rb");
    EXPECT_EQ(element.command, "x");
}

TEST(LineBreaks, NulEndsTheMenuText)
{
    const std::string bytes = std::string("[Element]\nName=A\n\0[Element]\nName=B\n", 34);
    EXPECT_EQ(LoadedFrom(bytes).GetElements().size(), 1u);
}

TEST(Sections, HeadersMatchAsciiCaseButNothingElse)
{
    const MenuDocument document = LoadedFrom(MenuLines(
        {"[ELEMENT]", "name=Upper", "[element]", "NAME=Lower", "[ Element ]", "[Element] x",
         "[Elements]", "[Element]=x", "Description=Still lower", "[main]", "CAPTION=Main"}));
    ASSERT_EQ(document.GetElements().size(), 2u);
    EXPECT_EQ(document.GetElements()[1].name.Lookup("*"), L"Lower");
    EXPECT_EQ(document.GetElements()[1].description.Lookup("*"), L"Still lower");
    EXPECT_EQ(document.GetCaption().Lookup("*"), L"Main");
}

TEST(Sections, EveryKnownHeaderYieldsARecordEvenWhenEmpty)
{
    const MenuDocument document = LoadedFrom(
        MenuLines({"Name=Before any section", "[Foo]", "Caption=Still none", "[Element]",
                   "[Element]", "Name=Second", "[Language]", "[Main]", "Name=Main has none"}));
    ASSERT_EQ(document.GetElements().size(), 2u);
    EXPECT_TRUE(document.GetElements()[0].name.IsEmpty());
    EXPECT_EQ(document.GetElements()[1].name.Lookup("*"), L"Second");
    ASSERT_EQ(document.GetLanguages().size(), 1u);
    EXPECT_TRUE(document.GetLanguages()[0].name.IsEmpty());
    EXPECT_TRUE(document.GetCaption().IsEmpty());
}

TEST(Keys, KeysOutsideTheirSectionAreIgnored)
{
    const MenuDocument document = LoadedFrom(MenuLines(
        {"[Main]", "Command=main.exe", "Locale=xx", "Marker=Secondary", "[Language]",
         "Description=d", "Command=c", "Caption=c", "[Element]", "Locale=yy", "Picture=p.bmp",
         "ExitText=e"}));
    EXPECT_EQ(Describe(document), "caption\nexit\nwarning\npicture\nlanguage \nelement / /  / 0\n");
}

TEST(Keys, RepeatsKeepTheFirstTextAndTheLastSetting)
{
    const MenuDocument document = LoadedFrom(MenuLines(
        {"[Main]", "Caption=First", "Caption=Second", "Picture=a.bmp", "Picture=b.bmp",
         "[Element]", "Name_de=Erst", "name_de=Zweit", "Command_en=first.exe",
         "Command_de=second.exe", "Marker=Secondary", "Marker=Tertiary", "[Language]",
         "Locale=en", "Locale_xx=de"}));
    EXPECT_EQ(document.GetCaption().Lookup("*"), L"First");
    EXPECT_EQ(document.GetPicture(), (PictureMap{{"*", "b.bmp"}}));
    const MenuElement element = document.GetElements().at(0);
    EXPECT_EQ(element.name.Lookup("de"), L"Erst");
    EXPECT_EQ(element.command, "second.exe");
    EXPECT_EQ(element.marker, MarkerKind::Secondary);
    EXPECT_EQ(document.GetLanguages().at(0).locale, "de");
    EXPECT_EQ(OnlyElement({"[Element]", "Marker=SECONDARY", "Marker=pRiMaRy"}).marker,
              MarkerKind::Primary);
}

TEST(Keys, LanguageSuffixesAreKeptAsWritten)
{
    const MenuElement element =
        OnlyElement({"[Element]", "Name_EN=Upper", "Name_=Empty", "Name_ de=Blank after",
                     "Name _fr=Blank before", "Name_de_CH=Swiss", "Name=Any"});
    EXPECT_EQ(element.name.GetEntries(),
              (LocalizedText::Entries{{"*", L"Any"}, {"EN", L"Upper"}, {"", L"Empty"},
                                      {" de", L"Blank after"}, {"de_CH", L"Swiss"}}));
    EXPECT_EQ(element.name.Lookup("en"), L"Any");
}

TEST(Keys, ValuesAreTrimmedAndTakenLiterally)
{
    const MenuElement element = OnlyElement(
        {"[Element]", "  Description =  a = b  ", "Name_de=", "Name_de=Too late",
         "=No key", "Command=\xE3\x80\x80 \"quoted\" \xC2\xA0"});
    EXPECT_EQ(element.description.Lookup("*"), L"a = b");
    EXPECT_EQ(element.name.GetEntries(), (LocalizedText::Entries{{"de", L""}}));
    EXPECT_EQ(element.command, "\"quoted\"");
}

TEST(Encoding, MultiByteCharactersArriveAsUtf16)
{
    const MenuElement element = OnlyElement(
        {"[Element]", "Name_ru=\xD0\x9F\xD1\x83\xD1\x81\xD0\xBA", "Name_ka=\xE1\x83\xA5",
         "Name_vi=Ti\xE1\xBA\xBFng", "Name_x=\xF0\x9F\x98\x80"});
    EXPECT_EQ(element.name.Lookup("ru"), L"\u041F\u0443\u0441\u043A");
    EXPECT_EQ(element.name.Lookup("ka"), L"\u10E5");
    EXPECT_EQ(element.name.Lookup("vi"), L"Ti\u1EBFng");
    EXPECT_EQ(element.name.Lookup("x"), L"\xD83D\xDE00");
}

TEST(Encoding, OtherEncodingsLoadWithoutErrorButWithoutTheirText)
{
    const MenuElement element = OnlyElement({"[Element]", "Name=Caf\xE9 au lait"});
    EXPECT_EQ(element.name.Lookup("*").substr(0, 3), L"Caf");
    EXPECT_NE(element.name.Lookup("*"), L"Caf\u00E9 au lait");
    // UTF-16: its zero bytes end the text after the first character.
    EXPECT_TRUE(LoadedFrom(std::string("\xFF\xFE[\0E\0]\0\n\0", 10)).GetElements().empty());
}
