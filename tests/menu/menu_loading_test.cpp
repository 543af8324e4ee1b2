// Loading menu files into a document: failures leave it as it was, a second
// file adds to it by the merge rules, and content alone never fails a load.
#include "support/held_file.h"
#include "menu/menu_document.h"
#include "menu_test_files.h"
#include "../graphics/table_rows.h"
#include "platform/text_helpers.h"

#include <gtest/gtest.h>

namespace {

const std::string kFirstMenu = FileBytes(MENU_DATA_DIR "/first.lst");
const std::string kSecondMenu = FileBytes(MENU_DATA_DIR "/second.lst");

// The message of the InputDataException that loading the path throws, with
// the document checked to be as it was.
std::string LoadFailure(const std::string& path)
{
    MenuDocument document;
    LoadBytes(document, kFirstMenu);
    const std::string before = Describe(document);
    try {
        document.Load(path);
    } catch (const InputDataException& error) {
        EXPECT_EQ(Describe(document), before);
        return error.Message();
    }
    return "no InputDataException";
}

} // namespace

TEST(InputErrors, UnreadableFilesGiveTheSystemTextAndLeaveTheDocument)
{
    TempFolder folder;
    EXPECT_EQ(LoadFailure(folder.PathOf("missing.lst")), SystemErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(LoadFailure(folder.PathOf("missing\\menu.lst")),
              SystemErrorText(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(LoadFailure(folder.Path()), SystemErrorText(ERROR_ACCESS_DENIED));
    const std::string path = folder.WriteFile("menu.lst", kSecondMenu);
    // Locked against all, or a writer at work; another reader is no obstacle.
    for (const DWORD access : {DWORD(GENERIC_READ), DWORD(GENERIC_WRITE)}) {
        HeldFile held(path, access, access == GENERIC_READ ? 0 : FILE_SHARE_READ);
        EXPECT_EQ(LoadFailure(path), SystemErrorText(ERROR_SHARING_VIOLATION)) << access;
    }
    HeldFile reader(path, GENERIC_READ, FILE_SHARE_READ);
    MenuDocument document;
    document.Load(path);
    EXPECT_EQ(document.GetElements().size(), 2u);
    // A pipe's size query fails, answering 0xFFFFFFFF.
    const char pipeName[] = "\\\\.\\pipe\\kiveron-menu-test";
    HANDLE server =
        CreateNamedPipeA(pipeName, PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 4096, 4096, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    EXPECT_EQ(LoadFailure(pipeName), SystemErrorText(ERROR_INVALID_FUNCTION));
    CloseHandle(server);
}

TEST(TwoLoads, EntriesReplacedNewLanguagesAppendedTextsCompleted)
{
    MenuDocument document;
    LoadBytes(document, kFirstMenu);
    LoadBytes(document, kSecondMenu);
    EXPECT_EQ(Describe(document),
              "caption [*]One [de]Zwei\nexit [de]Beenden [en]Leave\nwarning [*]Close all first "
              "[de]Warnung\npicture [*]two.bmp [de]eins.bmp\nlanguage en\nlanguage de\n"
              "element [*]Second entry / /  / 0\nelement [*]Third entry / /  / 0\n");
    // A language already held is not added again: opening the same menu
    // twice, or a nested one that declares the start menu's languages.
    MenuDocument again;
    LoadBytes(again, kSecondMenu);
    LoadBytes(again, kSecondMenu);
    EXPECT_EQ(Describe(again), DescribeFile(kSecondMenu)) << "the same file twice changes nothing";
    LoadBytes(document, "[Language]\nLocale=fr\n[Language]\nLocale=en\n[Language]\nLocale=de\n"
                        "[Language]\nLocale=fr\n");
    std::string locales;
    for (const MenuLanguage& language : document.GetLanguages())
        locales += language.locale + " ";
    EXPECT_EQ("en de fr fr ", locales) << "only the languages held before the load count";
}

TEST(LocalizedText, LooksUpTheCodeThenAnyLanguageThenNothing)
{
    LocalizedText text;
    EXPECT_EQ(text.Lookup("en"), L"");
    text.Add("*", L"Any");
    text.Add("en", L"English");
    EXPECT_EQ(text.Lookup("en"), L"English");
    EXPECT_EQ(text.Lookup("EN"), L"Any");
}

// A file far larger than the fuzzer's: every section line still makes its record.
TEST(HostileFiles, ManySectionsAllBecomeRecords)
{
    std::string text;
    while (text.size() < 20000 * 23)
        text += "[Element]\r\n[Language]\r\n";
    MenuDocument document;
    LoadBytes(document, text);
    EXPECT_EQ(document.GetElements().size(), 20000u);
    EXPECT_EQ(document.GetLanguages().size(), 20000u);
}
