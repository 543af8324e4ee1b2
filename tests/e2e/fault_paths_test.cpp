// What goes wrong around a running menu, and what stays: the menu file taken
// away under it, programs that cannot start, pictures that cannot be read
// after a change of language and a warning box closed with Alt+F4. Each time
// the menu goes on working and, closed, ends with exit code 0.
#include "disc.h"

#include "support/held_file.h"
#include "support/running_menu.h"

namespace {

const POINT kPictureCorner = {4, 4};

class FaultPaths : public DiscTest {};

TEST_F(FaultPaths, AMenuFileDeletedOrRenamedWhileTheMenuRunsIsNotMissed)
{
    const std::string record = PutRecorder("setup.exe");
    const char* const ways[] = {"deleted", "renamed"};
    for (const char* way : ways) {
        SCOPED_TRACE(way);
        DeleteFileA(record.c_str());
        WriteOnDisc("kiveron.lst", "[Main]\r\nCaption_en=Gone\r\nCaption_de=Weg\r\n"
                                   "[Language]\r\nLocale=en\r\n[Language]\r\nLocale=de\r\n"
                                   "[Element]\r\nName=Set-up\r\nCommand=\\setup.exe\r\n"
                                   "[Element]\r\nName=Other\r\n");
        MenuProcess menu(KIVERON_EXE, Root());
        HWND dialog = menu.WaitForWindow(L"Gone");
        ASSERT_NE(nullptr, dialog);
        // The menu holds no handle on its file: both succeed at once.
        if (std::string(way) == "deleted")
            ASSERT_TRUE(DeleteFileA(PathOf("kiveron.lst").c_str()));
        else
            ASSERT_TRUE(MoveFileExA(PathOf("kiveron.lst").c_str(), PathOf("old.lst").c_str(),
                                    MOVEFILE_REPLACE_EXISTING));
        ChooseLanguage(dialog, 1);
        EXPECT_EQ(L"Weg", WindowCaption(dialog));
        EXPECT_EQ(2, RowCount(dialog));
        ASSERT_TRUE(Activate(dialog, 0));
        EXPECT_EQ(PathOf("setup.exe") + "\n" + Root() + "\n", WaitForFileContent(record));
        EXPECT_EQ(0u, menu.Close(dialog));
    }
}

TEST_F(FaultPaths, ProgramsThatCannotStartLeaveTheMenuAsItWas)
{
    // A program's name, but no program inside: text, nothing at all, and a
    // real program that someone holds locked.
    WriteOnDisc("text.exe", "This is no program.\r\n");
    WriteOnDisc("empty.exe", "");
    const std::string record = PutRecorder("locked.exe");
    const std::string started = PutRecorder("setup.exe");
    WriteOnDisc("kiveron.lst", "[Main]\r\nCaption=Cannot start\r\n"
                               "[Element]\r\nName=Text\r\nCommand=\\text.exe\r\n"
                               "[Element]\r\nName=Empty\r\nCommand=\\empty.exe\r\n"
                               "[Element]\r\nName=Locked\r\nCommand=\\locked.exe\r\n"
                               "[Element]\r\nName=Set-up\r\nCommand=\\setup.exe\r\n");
    MenuProcess menu(KIVERON_EXE, Root());
    HWND dialog = menu.WaitForWindow(L"Cannot start");
    ASSERT_NE(nullptr, dialog);
    {
        const HeldFile locked(PathOf("locked.exe"), GENERIC_READ, 0);
        for (int row = 0; row < 3; ++row) {
            SCOPED_TRACE(row);
            ASSERT_TRUE(Activate(dialog, row)) << "the activation waits, for a box perhaps";
            EXPECT_TRUE(menu.ChildProcessIds().empty());
            EXPECT_EQ(std::vector<HWND>{dialog}, menu.TopLevelWindows());
            EXPECT_EQ(4, RowCount(dialog));
        }
    }
    ASSERT_TRUE(Activate(dialog, 3));
    EXPECT_NE("", WaitForFileContent(started)) << "the menu no longer starts programs";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(record.c_str()))
        << "the locked program ran";
    EXPECT_EQ(0u, menu.Close(dialog));
}

TEST_F(FaultPaths, APictureThatCannotBeReadAfterALanguageChangeLeavesTheOneShown)
{
    const COLORREF first = RGB(180, 40, 40);
    const COLORREF second = RGB(30, 60, 170);
    // The start language is en whatever the user's: none of the other codes
    // is one a user can have.
    WriteOnDisc("kiveron.lst", "[Main]\r\nCaption_en=First\r\nCaption_zz=Second\r\n"
                               "Caption_xx=Missing\r\nCaption_yy=Text\r\n"
                               "Caption_ww=Cut short\r\nCaption_vv=Locked\r\n"
                               "Picture_en=first.bmp\r\nPicture_zz=second.bmp\r\n"
                               "Picture_xx=missing.bmp\r\nPicture_yy=text.bmp\r\n"
                               "Picture_ww=short.bmp\r\nPicture_vv=locked.bmp\r\n"
                               "[Language]\r\nLocale=en\r\n[Language]\r\nLocale=zz\r\n"
                               "[Language]\r\nLocale=xx\r\n[Language]\r\nLocale=yy\r\n"
                               "[Language]\r\nLocale=ww\r\n[Language]\r\nLocale=vv\r\n"
                               "[Element]\r\nName=Set-up\r\nCommand=\\setup.exe\r\n");
    WriteOnDisc("first.bmp", SolidBitmapFile(400, 280, first));
    WriteOnDisc("second.bmp", SolidBitmapFile(400, 280, second));
    WriteOnDisc("text.bmp", "This is no picture.\r\n");
    const std::string whole = SolidBitmapFile(400, 280, first);
    WriteOnDisc("short.bmp", whole.substr(0, whole.size() / 2));
    WriteOnDisc("locked.bmp", whole);
    const HeldFile locked(PathOf("locked.bmp"), GENERIC_READ, 0);
    const std::string record = PutRecorder("setup.exe");

    MenuProcess menu(KIVERON_EXE, Root());
    HWND dialog = menu.WaitForWindow(L"First");
    ASSERT_NE(nullptr, dialog);
    ASSERT_TRUE(WaitForClientColour(dialog, kPictureCorner, first));
    ChooseLanguage(dialog, 1);
    ASSERT_TRUE(WaitForClientColour(dialog, kPictureCorner, second));
    const wchar_t* const captions[] = {L"Missing", L"Text", L"Cut short", L"Locked"};
    for (int language = 2; language < 6; ++language) {
        ChooseLanguage(dialog, language);
        EXPECT_EQ(captions[language - 2], WindowCaption(dialog));
        EXPECT_EQ(1, RowCount(dialog));
        EXPECT_TRUE(WaitForClientColour(dialog, kPictureCorner, second)) << language;
    }
    ASSERT_TRUE(Activate(dialog, 0));
    EXPECT_NE("", WaitForFileContent(record)) << "the menu no longer starts programs";
    EXPECT_EQ(0u, menu.Close(dialog));
}

TEST_F(FaultPaths, AltF4OnTheWarningBoxActsAsItsOkButton)
{
    const std::string record = PutRecorder("setup.exe");
    WriteOnDisc("kiveron.lst", "[Main]\r\nCaption=Warned\r\nWarningMsg=Close the others.\r\n"
                               "[Element]\r\nName=Set-up\r\nCommand=\\setup.exe\r\n");
    const RegistryValue version(HKEY_CURRENT_USER, kWineAppDefaults + "kiveron-warned.exe",
                                "Version", "win10");
    ASSERT_TRUE(version.set);
    MenuProcess menu(KIVERON_EXE, Root(), {"", "kiveron-warned.exe", {}});
    HWND dialog = menu.WaitForWindow(L"Warned");
    ASSERT_NE(nullptr, dialog);

    PostActivate(dialog, 0);
    HWND box = menu.WaitForWindow(L"Kiveron");
    ASSERT_NE(nullptr, box) << "no warning box";
    // The keystroke as the box's window gets it: F4 with Alt held.
    PostMessageA(box, WM_SYSKEYDOWN, VK_F4, 1 << 29);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); })) << "Alt+F4 left the box open";
    // The program starts, as after OK, and the menu goes on.
    EXPECT_EQ(PathOf("setup.exe") + "\n" + Root() + "\n", WaitForFileContent(record));
    EXPECT_EQ(std::vector<HWND>{dialog}, menu.TopLevelWindows());
    EXPECT_EQ(1, RowCount(dialog));
    EXPECT_EQ(0u, menu.Close(dialog));
}

} // namespace
