// Running out of memory at each allocation in turn: while a menu file is
// loaded into a document that already holds a menu (the load throws
// std::bad_alloc and the document is exactly the menu it was), and while the
// real program starts (whatever the point, the process ends by itself with
// exit code 0, and with no failure the menu comes up and closes with 0).
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "failing_allocator.h"
#include "menu/menu_document.h"
#include "support/menu_process.h"
#include "support/temp_folder.h"

namespace {

// Everything the document holds: its texts, and the rest as texts of one
// entry whose key is the narrow string.
std::vector<LocalizedText::Entries> Contents(const MenuDocument& document)
{
    std::vector<LocalizedText::Entries> all = {document.GetCaption().GetEntries(),
                                               document.GetExitText().GetEntries(),
                                               document.GetWarningMsg().GetEntries()};
    for (const PictureMap& pictures : {document.GetPicture(), document.GetPictureFolders()})
        for (const auto& picture : pictures)
            all.push_back({{picture.first + ">" + picture.second, L""}});
    for (const MenuLanguage& language : document.GetLanguages())
        all.insert(all.end(), {{{language.locale, L""}}, language.name.GetEntries()});
    for (const MenuElement& element : document.GetElements())
        all.insert(all.end(), {{{element.command + "/" + std::to_string(int(element.marker)), L""}},
                               element.name.GetEntries(),
                               element.description.GetEntries()});
    return all;
}

TEST(OutOfMemory, ALoadThatRunsOutAtAnyAllocationLeavesTheDocumentAsItWas)
{
    // The second has something for every part of the document to take in.
    const std::string first = HostPath(OUT_OF_MEMORY_DATA "/first.lst"),
                      second = HostPath(OUT_OF_MEMORY_DATA "/second.lst");
    std::size_t nth = 1;
    for (;; ++nth) {
        MenuDocument document;
        document.Load(first);
        const auto before = Contents(document);
        FailAllocation(nth);
        try {
            document.Load(second);
        } catch (const std::bad_alloc&) {
            EXPECT_TRUE(StopFailing() && before == Contents(document)) << "allocation " << nth;
            continue;
        }
        ASSERT_FALSE(StopFailing()) << "running out at allocation " << nth << " went unnoticed";
        EXPECT_TRUE(before != Contents(document)) << "the whole load did nothing";
        break;
    }
    EXPECT_GT(nth, 20u) << "the load allocates less than its content needs";
}

TEST(OutOfMemory, AtAnyAllocationOfTheStartTheProgramEndsWithExitCodeZero)
{
    // Two languages, a picture, descriptions and an exit text: every part of
    // the start has something to allocate.
    TempFolder folder;
    for (const char* name : {"kiveron.lst", "back.bmp"})
        CopyFileA(HostPath(std::string(OUT_OF_MEMORY_DATA "/") + name).c_str(),
                  folder.PathOf(name).c_str(), FALSE);
    const std::string mark = folder.PathOf("allocation-failed");
    std::size_t nth = 1;
    for (;; ++nth) {
        DeleteFileA(mark.c_str());
        MenuProcess menu(FAILING_START_EXE, folder.Path(),
                         {"fail-allocation=" + std::to_string(nth), "kiveron.exe", {}});
        // Its dialog answering a message from the loop: the start is over.
        HWND dialog = menu.WaitForWindow(L"Short of memory");
        const bool running = dialog != nullptr && SendMessageTimeoutA(dialog, WM_NULL, 0, 0,
                                                                      SMTO_NORMAL, 20000, nullptr);
        const bool marked = GetFileAttributesA(mark.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (running && !marked) { // the start needed fewer allocations: the menu runs
            EXPECT_EQ(2, RowCount(dialog));
            EXPECT_EQ(0u, menu.Close(dialog));
            break;
        }
        EXPECT_TRUE(marked) << "allocation " << nth << " ended without running out of memory";
        ASSERT_EQ(0u, menu.WaitForExit()) << "allocation " << nth;
    }
    EXPECT_GT(nth, 50u) << "the start allocates less than its menu needs";
}

} // namespace
