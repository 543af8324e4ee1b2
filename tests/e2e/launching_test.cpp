// What an entry's command starts when the menu runs from the root of a disc:
// a program with its arguments, a document in the program registered for it,
// nothing at all for a name that is not there, and no nested menu for a
// menu file name written in capitals.
#include "disc_test.h"

#include "file_association.h"
#include "support/menu_process.h"

namespace {

// No warning message: each activation runs to its end without a box.
std::string MenuWithCommands(const std::string& firstCommand, const std::string& secondCommand)
{
    return "\xEF\xBB\xBF[Main]\r\nCaption=Launch disc\r\n"
           "[Element]\r\nName=First\r\nCommand=" + firstCommand + "\r\n"
           "[Element]\r\nName=Second\r\nCommand=" + secondCommand + "\r\n";
}

const char kDocumentExtension[] = ".kivdoc";

class Launching : public DiscTest {
protected:
    // Starts the menu and waits for its dialog.
    HWND Open(DiscMenu& menu) { return menu.WaitForDialog(L"Launch disc"); }

    // The menu has started nothing that still runs and shows nothing but its
    // own dialog, with the rows and caption it had.
    void ExpectNothingStarted(const DiscMenu& menu)
    {
        EXPECT_TRUE(menu.ChildProcessIds().empty());
        ASSERT_EQ(1u, menu.TopLevelWindows().size());
        EXPECT_EQ(menu.Dialog(), menu.TopLevelWindows().front());
        EXPECT_EQ(L"Launch disc", WindowCaption(menu.Dialog()));
        EXPECT_EQ(2, RowCount(menu));
    }
};

TEST_F(Launching, AProgramFromTheDiscRootGetsItsArgumentsAndTheMenusFolder)
{
    const std::string record = PutRecorder("setup\\install.exe");
    disc.WriteFile("kiveron.lst", MenuWithCommands("\\readme.txt",
                                                   "\\setup\\install.exe /lang ru \"two words\""));
    DiscMenu menu(disc);
    ASSERT_NE(nullptr, Open(menu));

    ASSERT_TRUE(menu.ActivateWithKeyboard(1));
    const std::string started = WaitForFileContent(record);
    ASSERT_NE("", started) << "the program was not started";
    EXPECT_EQ(disc.PathOf("setup\\install.exe") + " /lang ru \"two words\"",
              RecordedCommandLine(started));
    EXPECT_EQ(disc.Root(), RecordedFolder(started));
    EXPECT_EQ(0u, menu.Close());
}

TEST_F(Launching, ADocumentOpensInTheProgramRegisteredForItsType)
{
    const std::string record = PutRecorder("viewer\\viewer.exe");
    const FileAssociation association(kDocumentExtension, disc.PathOf("viewer\\viewer.exe"));
    ASSERT_TRUE(association.Registered());
    disc.WriteFile("docs\\guide.kivdoc", "A document of a made-up type.\r\n");
    disc.WriteFile("kiveron.lst", MenuWithCommands("\\docs\\guide.kivdoc", "\\nothing.exe"));
    DiscMenu menu(disc);
    ASSERT_NE(nullptr, Open(menu));

    ASSERT_TRUE(menu.Activate(0));
    const std::string opened = WaitForFileContent(record);
    ASSERT_NE("", opened) << "the document was not opened";
    EXPECT_NE(std::string::npos,
              RecordedCommandLine(opened).find("\"" + disc.PathOf("docs\\guide.kivdoc") + "\""))
        << RecordedCommandLine(opened);
    EXPECT_EQ(0u, menu.Close());
}

TEST_F(Launching, ACommandThatNamesNothingStartsAndShowsNothing)
{
    disc.WriteFile("kiveron.lst",
                   MenuWithCommands("\\not-on-this-disc.exe", "missing folder\\missing.doc"));
    DiscMenu menu(disc);
    ASSERT_NE(nullptr, Open(menu));

    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(row);
        ASSERT_TRUE(menu.Activate(row)) << "the activation waits for something, a box perhaps";
        ExpectNothingStarted(menu);
    }
    EXPECT_EQ(0u, menu.Close());
}

TEST_F(Launching, AMenuFileNameInCapitalsIsNoNestedMenuButGoesToTheShell)
{
    // MORE.LST is a readable menu; were it taken for a nested one, its rows
    // would replace the two of the start menu.
    disc.WriteFile("MORE.LST", "[Main]\r\nCaption=More\r\n[Element]\r\nName=Only row\r\n");
    const std::string record = PutRecorder("viewer\\viewer.exe");
    const FileAssociation association(kDocumentExtension, disc.PathOf("viewer\\viewer.exe"));
    ASSERT_TRUE(association.Registered());
    disc.WriteFile("MORE.LST.kivdoc", "A document whose name holds the capitals.\r\n");
    disc.WriteFile("kiveron.lst", MenuWithCommands("\\MORE.LST", "\\MORE.LST.kivdoc"));
    DiscMenu menu(disc);
    ASSERT_NE(nullptr, Open(menu));

    ASSERT_TRUE(menu.Activate(0)) << "the activation waits for something, a box perhaps";
    ExpectNothingStarted(menu);

    // The same capitals before a registered type: the shell opens it.
    ASSERT_TRUE(menu.Activate(1));
    const std::string opened = WaitForFileContent(record);
    EXPECT_NE(std::string::npos,
              RecordedCommandLine(opened).find("\"" + disc.PathOf("MORE.LST.kivdoc") + "\""))
        << RecordedCommandLine(opened);
    EXPECT_EQ(2, RowCount(menu));
    EXPECT_EQ(0u, menu.Close());
}

TEST_F(Launching, AMenuInAFolderOfTheDiscFindsCommandsBesideIt)
{
    // Not in the root: the first place tried (the root) has neither file,
    // the second (the menu's folder) has both.
    const std::string record = PutRecorder("menu\\setup.exe");
    disc.WriteFile("menu\\kiveron.lst", MenuWithCommands("\\setup.exe", "\\more.lst"));
    disc.WriteFile("menu\\more.lst", "[Main]\r\n[Element]\r\nName=Only row of more\r\n");
    DiscMenu::Options options;
    options.exeName = "menu\\kiveron.exe";
    DiscMenu menu(disc, options);
    ASSERT_NE(nullptr, Open(menu));

    ASSERT_TRUE(menu.Activate(0));
    const std::string started = WaitForFileContent(record);
    // The folder keeps its trailing separator before the command's own.
    EXPECT_EQ(disc.PathOf("menu\\\\setup.exe"), RecordedCommandLine(started));

    ASSERT_TRUE(menu.Activate(1)) << "the activation waits for something, an error box perhaps";
    EXPECT_EQ(1, RowCount(menu)) << "the nested menu beside the program was not opened";
    EXPECT_EQ(1u, menu.TopLevelWindows().size());
    EXPECT_EQ(0u, menu.Close());
}

} // namespace
