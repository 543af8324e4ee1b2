#include "checker/encoding_findings.h"

#include "checker/checker_text.h"
#include "platform/text_layer.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

const std::size_t kFewestUtf16Bytes = 4;

unsigned char ByteAt(const std::string& bytes, std::size_t i)
{
    return static_cast<unsigned char>(bytes[i]);
}

// Plain text in UTF-16 without a mark: every other byte is NUL.
bool HasNulInEveryOtherByte(const std::string& bytes, std::size_t first)
{
    if (bytes.size() < kFewestUtf16Bytes)
        return false;
    for (std::size_t i = first; i < bytes.size(); i += 2)
        if (bytes[i] != '\0')
            return false;
    return true;
}

bool IsBlankByte(unsigned char byte)
{
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// A CR that no LF follows ends no line for Kiveron: it matters when text
// follows it before the next LF, which then belongs to the same line.
// Called for each byte in turn; afterLoneCr holds whether such a CR stands
// before it on its line.
bool JoinsLines(const std::string& bytes, std::size_t i, bool& afterLoneCr)
{
    const unsigned char byte = ByteAt(bytes, i);
    if (byte == '\n')
        afterLoneCr = false;
    else if (byte == '\r')
        afterLoneCr = afterLoneCr || i + 1 == bytes.size() || bytes[i + 1] != '\n';
    else
        return afterLoneCr && !IsBlankByte(byte);
    return false;
}

// Line breaks up to the first NUL, after which Kiveron reads nothing; UTF-8
// in the whole file, which decides how Kiveron reads it.
void InspectBytes(const std::string& bytes, EncodingFacts& facts)
{
    int line = 1;
    bool sawLf = false, afterLoneCr = false;
    int firstJoiningCrLine = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char byte = ByteAt(bytes, i);
        if (byte == '\0' && facts.firstNulLine == 0)
            facts.firstNulLine = line;
        const bool read = facts.firstNulLine == 0;
        if (!read && facts.firstBadUtf8Line > 0)
            break;
        if (read && JoinsLines(bytes, i, afterLoneCr) && firstJoiningCrLine == 0)
            firstJoiningCrLine = line;
        char32_t codePoint = 0;
        std::size_t subpart = 0;
        const std::size_t length =
            Utf8SequenceAt(reinterpret_cast<const unsigned char*>(bytes.data()) + i,
                           bytes.size() - i, codePoint, subpart);
        if (length == 0 && facts.firstBadUtf8Line == 0) {
            facts.firstBadUtf8Line = line;
            facts.firstBadUtf8 = byte;
        }
        if (byte == '\n') {
            sawLf = sawLf || read;
            ++line;
        }
        i += length == 0 ? subpart : length;
    }
    facts.crWithoutLf = firstJoiningCrLine > 0 && !sawLf;
    if (sawLf)
        facts.firstJoiningCrLine = firstJoiningCrLine;
}

// The line checks look at ASCII only: every other UTF-16 unit stands in as
// one letter, so that the decoded text can be inspected like UTF-8 bytes.
std::string AsciiSkeleton(const std::wstring& text)
{
    std::string skeleton(text.size(), 'x');
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] < 0x80)
            skeleton[i] = static_cast<char>(text[i]);
    return skeleton;
}

std::string HexByte(unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof(text), "0x%02X", byte);
    return text;
}

// subject names the text in the finding.
void CheckConversion(const MenuLineReport& line, const std::string& subject,
                     const std::wstring& text, unsigned codePage, FindingSink& sink)
{
    std::string converted;
    if (ConvertsWithoutLoss(text, codePage, converted))
        return;
    sink.Warning(line.number, subject + " has characters that the ANSI code page " +
                                  std::to_string(codePage) + " cannot hold; Windows gets " +
                                  Quoted(CodePageToWide(converted, codePage)) + " instead");
}

} // namespace

EncodingFacts InspectMenuBytes(const std::string& bytes)
{
    EncodingFacts facts;
    const unsigned char* start = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t markSize = 0;
    facts.encoding = DetectTextEncoding(start, bytes.size(), markSize);
    if (facts.encoding == TextEncoding::Utf16LittleEndian ||
        facts.encoding == TextEncoding::Utf16BigEndian) {
        std::wstring text;
        AppendUtf16(start + markSize, bytes.size() - markSize,
                    facts.encoding == TextEncoding::Utf16BigEndian, text);
        InspectBytes(AsciiSkeleton(text), facts);
        return facts;
    }
    facts.utf16WithoutMark =
        markSize == 0 && (HasNulInEveryOtherByte(bytes, 0) || HasNulInEveryOtherByte(bytes, 1));
    if (!facts.utf16WithoutMark)
        InspectBytes(bytes, facts);
    return facts;
}

bool ReadFileBytes(const std::string& path, std::string& bytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

void ReportEncodingFindings(const EncodingFacts& facts, unsigned codePage, FindingSink& sink)
{
    if (facts.utf16WithoutMark) {
        sink.Warning(0,
                     "the file is saved as UTF-16 without a byte-order mark, which Kiveron reads "
                     "as an empty menu; save it as UTF-8");
        return;
    }
    if (facts.encoding == TextEncoding::Utf16LittleEndian ||
        facts.encoding == TextEncoding::Utf16BigEndian)
        sink.Note(0, std::string("the file is saved as UTF-16 (") +
                         (facts.encoding == TextEncoding::Utf16BigEndian ? "big" : "little") +
                         "-endian) with a byte-order mark, which Kiveron reads as it is");
    if (facts.firstBadUtf8Line > 0 && facts.encoding == TextEncoding::Ansi)
        sink.Warning(
            facts.firstBadUtf8Line,
            "the byte " + HexByte(facts.firstBadUtf8) +
                " is not UTF-8, so Kiveron reads the "
                "file in the system's ANSI code page: it shows right only on systems with the "
                "ANSI code page " +
                std::to_string(codePage) + "; save the file as UTF-8");
    else if (facts.firstBadUtf8Line > 0)
        sink.Warning(
            facts.firstBadUtf8Line,
            "the byte " + HexByte(facts.firstBadUtf8) +
                " is not UTF-8 although the file "
                "begins with UTF-8's byte-order mark: Kiveron shows a replacement character "
                "for it; save the file as UTF-8");
    if (facts.firstJoiningCrLine > 0)
        sink.Warning(facts.firstJoiningCrLine,
                     "a CR without LF ends no line for Kiveron: the text after it is read as part "
                     "of this line (editors may count the lines after it differently); save the "
                     "file with CR LF or LF line breaks");
    if (facts.firstNulLine > 0)
        sink.Warning(facts.firstNulLine,
                     "a NUL byte: Kiveron reads the file only up to the last "
                     "line break before it, so this line and all after it are ignored");
}

LineBreakKind LineBreaksOf(const EncodingFacts& facts)
{
    if (facts.utf16WithoutMark || facts.firstNulLine > 0)
        return LineBreakKind::EndsEarly;
    return facts.crWithoutLf ? LineBreakKind::CrOnly : LineBreakKind::Read;
}

void ReportAnsiLosses(const MenuLineLog& log, unsigned codePage, FindingSink& sink)
{
    for (const MenuLineReport& line : log.Lines()) {
        if (line.ansiValue && TookValue(line))
            CheckConversion(line, Utf8FromWide(line.keyName) + " " + Quoted(line.value), line.value,
                            codePage, sink);
        const bool codeUsed = TookValue(line) || line.outcome == LineOutcome::KeptEarlier;
        if (line.hasSuffix && codeUsed && !TakesNoSuffix(line))
            CheckConversion(line,
                            "the language code " + Quoted(SuffixAsWritten(line)) + " of " +
                                Quoted(KeyAsWritten(line)),
                            SuffixAsWritten(line), codePage, sink);
    }
}

// Whole when converting back gives the same text.
bool ConvertsWithoutLoss(const std::wstring& text, unsigned codePage, std::string& converted)
{
    converted = WideToCodePage(text, codePage);
    return CodePageToWide(converted, codePage) == text;
}
