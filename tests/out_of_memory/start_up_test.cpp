// Running out of memory while the real program starts, at each allocation of
// its start in turn: whatever the point, the process ends by itself with
// exit code 0, and with no failure the menu comes up and closes with 0.
#include <gtest/gtest.h>

#include "support/menu_process.h"
#include "support/temp_folder.h"

#ifdef FAILING_START_EXE

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
        SCOPED_TRACE("allocation " + std::to_string(nth));
        DeleteFileA(mark.c_str());
        MenuProcess menu(FAILING_START_EXE, folder.Path(),
                         {"fail-allocation=" + std::to_string(nth), "kiveron.exe", {}});
        // Its dialog answering a message from the loop: the start is over.
        HWND dialog = menu.WaitForWindow(L"Short of memory");
        const bool running = dialog != nullptr && SendMessageTimeoutA(dialog, WM_NULL, 0, 0,
                                                                      SMTO_NORMAL, 20000, nullptr);
        if (!running || GetFileAttributesA(mark.c_str()) != INVALID_FILE_ATTRIBUTES) {
            EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(mark.c_str()))
                << "ended without running out of memory";
            ASSERT_EQ(0u, menu.WaitForExit());
            continue;
        }
        // The start needed fewer allocations: the menu runs.
        EXPECT_EQ(2, RowCount(dialog));
        EXPECT_EQ(0u, menu.Close(dialog));
        break;
    }
    EXPECT_GT(nth, 50u) << "the start allocates less than its menu needs";
}

#endif
