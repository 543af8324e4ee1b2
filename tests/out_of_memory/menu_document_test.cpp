// Running out of memory while a menu file is loaded into a document that
// already holds a menu, at each allocation of the load in turn: the load
// throws std::bad_alloc and the document is exactly the menu it was.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <utility>
#include <vector>

#include "failing_allocator.h"
#include "menu/menu_document.h"
#include "support/menu_process.h"

namespace {

// Everything the document holds: its texts, and the rest as narrow strings.
std::pair<std::vector<LocalizedText::Entries>, std::vector<std::string>>
Contents(const MenuDocument& document)
{
    std::vector<LocalizedText::Entries> texts = {document.GetCaption().GetEntries(),
                                                 document.GetExitText().GetEntries(),
                                                 document.GetWarningMsg().GetEntries()};
    std::vector<std::string> rest;
    for (const PictureMap& pictures : {document.GetPicture(), document.GetPictureFolders()})
        for (const auto& picture : pictures)
            rest.push_back(picture.first + ">" + picture.second);
    for (const MenuLanguage& language : document.GetLanguages()) {
        rest.push_back(language.locale);
        texts.push_back(language.name.GetEntries());
    }
    for (const MenuElement& element : document.GetElements()) {
        rest.push_back(element.command + "/" + std::to_string(int(element.marker)));
        texts.push_back(element.name.GetEntries());
        texts.push_back(element.description.GetEntries());
    }
    return {texts, rest};
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
        bool threw = false;
        try {
            document.Load(second);
        } catch (const std::bad_alloc&) {
            threw = true;
        }
        const bool failed = StopFailing();
        EXPECT_EQ(failed, threw) << "allocation " << nth;
        if (!failed) {
            EXPECT_TRUE(before != Contents(document)) << "the whole load did nothing";
            break;
        }
        EXPECT_TRUE(before == Contents(document)) << "out of memory at allocation " << nth;
    }
    EXPECT_GT(nth, 20u) << "the load allocates less than its content needs";
}

} // namespace
