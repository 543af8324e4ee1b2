#include "menu/menu_document.h"
#include "platform/text_helpers.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

// Bytes that mean something to the reader or the parser, drawn far more
// often than chance would draw them.
const char kTelling[] = "[]=_\r\n\0 \t\xEF\xBB\xBF\xC3\xE2\xF0\x80\xFF"
                        "ElementLanguageMainNameCommandMarker";

std::string RandomBytes(std::mt19937& random, std::size_t length)
{
    std::string bytes(length, '\0');
    for (char& byte : bytes)
        byte = random() % 2 ? static_cast<char>(random())
                            : kTelling[random() % (sizeof(kTelling) - 1)];
    return bytes;
}

std::string Repeated(const std::string& piece, std::size_t times)
{
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Valid menu lines cut off in the middle of a multi-byte character.
std::string TruncatedUtf8(std::mt19937& random)
{
    const std::string line = "[Element]\r\nName_ru=\xD0\x9F\xD1\x83\r\nName_x=\xF0\x9F\x98\x80\r\n";
    std::string bytes = Repeated(line, 1 + random() % 20);
    return bytes.substr(0, random() % bytes.size());
}

std::vector<std::string> StructuredHostileFiles()
{
    return {
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
        Repeated(std::string("\0", 1), 5000),
    };
}

// What every loaded menu holds whatever the file said: texts cut at line
// breaks and trimmed, so no text holds a line feed or starts or ends with
// white space.
void ExpectWellFormed(const LocalizedText& text)
{
    for (const auto& entry : text.GetEntries()) {
        const std::wstring& value = entry.second;
        ASSERT_EQ(value.find(L'\n'), std::wstring::npos);
        ASSERT_EQ(value.find(L'\0'), std::wstring::npos);
        ASSERT_EQ(TrimWhitespace(value), value);
    }
}

void ExpectWellFormed(const MenuDocument& document)
{
    ExpectWellFormed(document.GetCaption());
    ExpectWellFormed(document.GetExitText());
    ExpectWellFormed(document.GetWarningMsg());
    for (const MenuLanguage& language : document.GetLanguages())
        ExpectWellFormed(language.name);
    for (const MenuElement& element : document.GetElements()) {
        ExpectWellFormed(element.name);
        ExpectWellFormed(element.description);
        ASSERT_TRUE(element.marker == MarkerKind::Primary ||
                    element.marker == MarkerKind::Secondary);
    }
}

// Loads the bytes from a real file; content alone must never raise an error.
void LoadHostile(const TempFolder& folder, const std::string& bytes, const std::string& what)
{
    const std::string path = folder.WriteFile("hostile.lst", bytes);
    MenuDocument document;
    try {
        document.Load(path);
    } catch (const InputDataException& error) {
        FAIL() << what << ": " << error.Message();
    }
    ExpectWellFormed(document);
}

} // namespace

TEST(HostileFiles, ContentNeverRaisesAnErrorOrBreaksTheDocument)
{
    TempFolder folder;
    std::mt19937 random(1149);
    for (int i = 0; i < 2500; ++i) {
        LoadHostile(folder, RandomBytes(random, random() % 2048), "random #" + std::to_string(i));
        if (HasFatalFailure())
            return;
    }
    for (int i = 0; i < 500; ++i)
        LoadHostile(folder, TruncatedUtf8(random), "truncated #" + std::to_string(i));
    int index = 0;
    for (const std::string& bytes : StructuredHostileFiles())
        LoadHostile(folder, bytes, "structured #" + std::to_string(index++));
}

TEST(HostileFiles, ManySectionsAllBecomeRecords)
{
    TempFolder folder;
    MenuDocument document;
    document.Load(folder.WriteFile("many.lst", Repeated("[Element]\r\n[Language]\r\n", 20000)));
    EXPECT_EQ(document.GetElements().size(), 20000u);
    EXPECT_EQ(document.GetLanguages().size(), 20000u);
}
