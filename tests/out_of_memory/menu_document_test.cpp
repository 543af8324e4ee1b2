// Running out of memory while a menu file is loaded into a document that
// already holds a menu, at each allocation of the load in turn: the load
// throws std::bad_alloc and the document is exactly the menu it was.
#include <gtest/gtest.h>

#include <new>
#include <string>

#include "failing_allocator.h"
#include "menu/menu_document.h"
#include "support/temp_folder.h"

namespace {

std::wstring Describe(const LocalizedText& text)
{
    std::wstring described = L"{";
    for (const auto& entry : text.GetEntries())
        described +=
            std::wstring(entry.first.begin(), entry.first.end()) + L"=" + entry.second + L";";
    return described + L"}";
}

std::wstring Describe(const std::string& narrow)
{
    return std::wstring(narrow.begin(), narrow.end());
}

// Everything the document holds, in one text.
std::wstring Describe(const MenuDocument& document)
{
    std::wstring described = Describe(document.GetCaption()) + Describe(document.GetExitText()) +
                             Describe(document.GetWarningMsg());
    for (const auto& picture : document.GetPicture())
        described += Describe(picture.first) + L">" + Describe(picture.second) + L";";
    for (const MenuLanguage& language : document.GetLanguages())
        described += L"[L]" + Describe(language.locale) + Describe(language.name);
    for (const MenuElement& element : document.GetElements())
        described += L"[E]" + Describe(element.name) + Describe(element.description) +
                     Describe(element.command) + std::to_wstring(int(element.marker));
    return described;
}

TEST(OutOfMemory, ALoadThatRunsOutAtAnyAllocationLeavesTheDocumentAsItWas)
{
    TempFolder folder;
    const std::string first =
        folder.WriteFile("first.lst", "[Main]\r\nCaption_en=First\r\nPicture=first.bmp\r\n"
                                      "[Language]\r\nLocale=en\r\nName=English\r\n"
                                      "[Element]\r\nName=One\r\nCommand=\\one.exe\r\n");
    // Something for every part of the document to take in.
    const std::string second = folder.WriteFile(
        "second.lst", "\xEF\xBB\xBF[Main]\r\nCaption_de=Zweite\r\nExitText=Exit\r\n"
                      "WarningMsg_de=Achtung\r\nPicture=second.bmp\r\nPicture_de=de.bmp\r\n"
                      "[Language]\r\nLocale=de\r\nName=Deutsch\r\nName_en=German\r\n"
                      "[Element]\r\nName=Two\r\nDescription=Second\r\nCommand=\\two.exe\r\n"
                      "[Element]\r\nName_de=Drei\r\nMarker=1\r\n");
    std::size_t failures = 0;
    for (std::size_t nth = 1;; ++nth) {
        MenuDocument document;
        document.Load(first);
        const std::wstring before = Describe(document);
        FailAllocation(nth);
        bool threw = false;
        try {
            document.Load(second);
        } catch (const std::bad_alloc&) {
            threw = true;
        }
        const bool failed = StopFailing();
        EXPECT_EQ(failed, threw) << "allocation " << nth;
        if (!failed) {
            EXPECT_NE(before, Describe(document)) << "the whole load did nothing";
            break;
        }
        ++failures;
        EXPECT_EQ(before, Describe(document)) << "out of memory at allocation " << nth;
    }
    EXPECT_GT(failures, 20u) << "the load allocates less than its content needs";
}

} // namespace
