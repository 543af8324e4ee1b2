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

bool StartsWithUtf16Mark(const std::string& bytes)
{
    return bytes.size() >= 2 && ((ByteAt(bytes, 0) == 0xFF && ByteAt(bytes, 1) == 0xFE) ||
                                 (ByteAt(bytes, 0) == 0xFE && ByteAt(bytes, 1) == 0xFF));
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

// The length of the UTF-8 sequence at i, or 0 when it is not one: no
// overlong forms, no surrogates, nothing beyond U+10FFFF.
std::size_t Utf8SequenceAt(const std::string& bytes, std::size_t i)
{
    const unsigned char lead = ByteAt(bytes, i);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = ByteAt(bytes, i + k);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
            return 0;
    }
    return length;
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

// Up to the first NUL: Kiveron reads nothing after it.
void InspectBytes(const std::string& bytes, EncodingFacts& facts)
{
    int line = 1;
    bool sawLf = false, afterLoneCr = false;
    int firstJoiningCrLine = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char byte = ByteAt(bytes, i);
        if (byte == '\0') {
            facts.firstNulLine = line;
            break;
        }
        if (JoinsLines(bytes, i, afterLoneCr) && firstJoiningCrLine == 0)
            firstJoiningCrLine = line;
        const std::size_t length = Utf8SequenceAt(bytes, i);
        if (length == 0 && facts.firstBadUtf8Line == 0) {
            facts.firstBadUtf8Line = line;
            facts.firstBadUtf8 = byte;
        }
        if (byte == '\n') {
            sawLf = true;
            ++line;
        }
        i += length == 0 ? 1 : length;
    }
    facts.crWithoutLf = firstJoiningCrLine > 0 && !sawLf;
    if (sawLf)
        facts.firstJoiningCrLine = firstJoiningCrLine;
}

std::string HexByte(unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof(text), "0x%02X", byte);
    return text;
}

// subject names the text in the finding.
void CheckConversion(const MenuLineReport& line, const std::string& subject, const std::wstring& text,
                     unsigned codePage, FindingSink& sink)
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
    facts.utf16 = StartsWithUtf16Mark(bytes) || HasNulInEveryOtherByte(bytes, 0) ||
                  HasNulInEveryOtherByte(bytes, 1);
    if (!facts.utf16)
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

void ReportEncodingFindings(const EncodingFacts& facts, FindingSink& sink)
{
    if (facts.utf16) {
        sink.Warning(0, "the file is saved as UTF-16, which Kiveron reads as an empty menu; save it as UTF-8");
        return;
    }
    if (facts.firstBadUtf8Line > 0)
        sink.Warning(facts.firstBadUtf8Line,
                     "the byte " + HexByte(facts.firstBadUtf8) + " is not UTF-8: text saved in an ANSI "
                     "code page loses characters; save the file as UTF-8");
    if (facts.firstJoiningCrLine > 0)
        sink.Warning(facts.firstJoiningCrLine,
                     "a CR without LF ends no line for Kiveron: the text after it is read as part "
                     "of this line (editors may count the lines after it differently); save the "
                     "file with CR LF or LF line breaks");
    if (facts.firstNulLine > 0)
        sink.Warning(facts.firstNulLine, "a NUL byte: Kiveron reads the file only up to the last "
                                         "line break before it, so this line and all after it are ignored");
}

LineBreakKind LineBreaksOf(const EncodingFacts& facts)
{
    if (facts.utf16 || facts.firstNulLine > 0)
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
            CheckConversion(line, "the language code " + Quoted(SuffixAsWritten(line)) + " of " +
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
