// Running out of memory at each allocation in turn: while a menu file is
// loaded into a document that already holds a menu (the load throws
// std::bad_alloc and the document is exactly the menu it was), and while the
// real program starts (whatever the point, the process ends by itself with
// exit code 0, and with no failure the menu comes up and closes with 0).
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <tuple>
#include <vector>

#include "failing_allocator.h"
#include "menu/menu_document.h"
#include "support/menu_process.h"
#include "support/temp_folder.h"

namespace {

// Everything the document holds, comparable as a whole.
auto Contents(const MenuDocument& document)
{
    using Texts = LocalizedText::Entries;
    std::vector<std::tuple<std::string, Texts, Texts, int>> parts;
    for (const MenuLanguage& language : document.GetLanguages())
        parts.emplace_back(language.locale, language.name.GetEntries(), Texts(), -1);
    for (const MenuElement& element : document.GetElements())
        parts.emplace_back(element.command, element.name.GetEntries(),
                           element.description.GetEntries(), int(element.marker));
    return std::tuple(document.GetCaption().GetEntries(), document.GetExitText().GetEntries(),
                      document.GetWarningMsg().GetEntries(), document.GetPicture(),
                      document.GetPictureFolders(), parts);
}

TEST(OutOfMemory, ALoadThatRunsOutAtAnyAllocationLeavesTheDocumentAsItWas)
{
    // The second has something for every part of the document to take in.
    const std::string second = HostPath(OUT_OF_MEMORY_DATA "/second.lst");
    for (std::size_t nth = 1;; ++nth) {
        MenuDocument document;
        document.Load(HostPath(OUT_OF_MEMORY_DATA "/first.lst"));
        const auto before = Contents(document);
        FailAllocation(nth);
        try {
            document.Load(second);
        } catch (const std::bad_alloc&) {
            EXPECT_TRUE(FailAllocation(0) && before == Contents(document)) << "allocation " << nth;
            continue;
        }
        ASSERT_FALSE(FailAllocation(0)) << "running out at allocation " << nth << " went unnoticed";
        EXPECT_TRUE(before != Contents(document)) << "the whole load did nothing";
        EXPECT_GT(nth, 20u) << "the load allocates less than its content needs";
        break;
    }
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
    for (std::size_t nth = 1;; ++nth) {
        MenuProcess menu(FAILING_START_EXE, folder.Path(),
                         {"fail-allocation=" + std::to_string(nth), "kiveron.exe", {}});
        const HWND dialog = menu.WaitForWindow(L"Short of memory");
        // No allocation failed by the time its list answers from the loop:
        // the start needed fewer allocations, and the menu runs with its rows.
        if (dialog != nullptr && RowCount(dialog) == 2 &&
            GetFileAttributesA(mark.c_str()) == INVALID_FILE_ATTRIBUTES) {
            EXPECT_EQ(0u, menu.Close(dialog));
            EXPECT_GT(nth, 50u) << "the start allocates less than its menu needs";
            break;
        }
        ASSERT_EQ(0u, menu.WaitForExit()) << "allocation " << nth;
        EXPECT_TRUE(DeleteFileA(mark.c_str()))
            << "allocation " << nth << " ended without running out of memory";
    }
}

} // namespace
