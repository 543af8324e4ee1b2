#include "menu/menu_document.h"
#include "platform/text_helpers.h"
#include "menu_test_files.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::string Repeated(const std::string& piece, std::size_t times)
{
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Content alone must never raise an error nor break the document: texts are
// cut at line breaks and trimmed whatever the file said.
void LoadHostile(const TempFolder& folder, const std::string& bytes, const std::string& what)
{
    SCOPED_TRACE(what);
    MenuDocument document;
    try {
        document.Load(folder.WriteFile("hostile.lst", bytes));
    } catch (const InputDataException& error) {
        FAIL() << error.Message();
    }
    std::vector<LocalizedText> texts = {document.GetCaption(), document.GetExitText(),
                                        document.GetWarningMsg()};
    for (const MenuLanguage& language : document.GetLanguages())
        texts.push_back(language.name);
    for (const MenuElement& element : document.GetElements()) {
        texts.push_back(element.name);
        texts.push_back(element.description);
        ASSERT_TRUE(element.marker == MarkerKind::Primary ||
                    element.marker == MarkerKind::Secondary);
    }
    for (const LocalizedText& text : texts)
        for (const auto& entry : text.GetEntries()) {
            ASSERT_EQ(entry.second.find_first_of(std::wstring(L"\n\0", 2)), std::wstring::npos);
            ASSERT_EQ(TrimWhitespace(entry.second), entry.second);
        }
}

} // namespace

TEST(HostileFiles, ContentNeverRaisesAnErrorOrBreaksTheDocument)
{
    // Bytes that mean something to the reader or the parser, drawn far more
    // often than chance would draw them.
    const char telling[] = "[]=_\r\n\0 \t\xEF\xBB\xBF\xC3\xE2\xF0\x80\xFF"
                           "ElementLanguageMainNameCommandMarker";
    const std::string utf8 = "[Element]\r\nName_ru=\xD0\x9F\xD1\x83\r\nName_x=\xF0\x9F\x98\x80\r\n";
    TempFolder folder;
    std::mt19937 random(1149);
    for (int i = 0; i < 3000 && !HasFatalFailure(); ++i) {
        std::string bytes;
        if (i < 2500) {
            bytes.resize(random() % 2048);
            for (char& byte : bytes)
                byte = random() % 2 ? static_cast<char>(random())
                                    : telling[random() % (sizeof telling - 1)];
        } else { // valid lines cut off, often inside a multi-byte character
            bytes = Repeated(utf8, 1 + random() % 20);
            bytes.resize(random() % bytes.size());
        }
        LoadHostile(folder, bytes, "random file #" + std::to_string(i));
    }
    const std::string structured[] = {
        std::string("[Element]\r\nName=\0\r\n", 20),
        Repeated("[Element]\n", 30000),
        Repeated("[Language]\r\nName_=\r\n[Main]\r\n", 10000),
        Repeated("\r", 100000),
        Repeated("\r\r\n", 50000),
        Repeated("=\n", 20000),
        Repeated("_", 50000) + "\n",
        Repeated("_=_\n", 10000) + Repeated("=", 70000) + "\n",
        "[Element]\nName=" + Repeated("x", 1 << 20) + "\n",
        "[Element]\nCommand=" + Repeated("\xD0\x96", 100000) + "\n",
        "[Main]\nCaption_" + Repeated("k", 100000) + "=v\n",
        Repeated("[", 200000),
        Repeated("\xEF\xBB\xBF", 1000),
        Repeated(std::string(1, '\0'), 5000),
    };
    for (const std::string& bytes : structured)
        LoadHostile(folder, bytes, "structured file of " + std::to_string(bytes.size()) + " bytes");
}

TEST(HostileFiles, ManySectionsAllBecomeRecords)
{
    MenuDocument document;
    LoadBytes(document, Repeated("[Element]\r\n[Language]\r\n", 20000));
    EXPECT_EQ(document.GetElements().size(), 20000u);
    EXPECT_EQ(document.GetLanguages().size(), 20000u);
}
