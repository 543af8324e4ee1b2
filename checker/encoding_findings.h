#ifndef KIVERON_CHECKER_ENCODING_FINDINGS_H
#define KIVERON_CHECKER_ENCODING_FINDINGS_H

#include "checker/finding_sink.h"
#include "checker/line_findings.h"
#include "checker/menu_line_log.h"

#include <string>

// What the bytes of a menu file say about its encoding and line breaks,
// before Kiveron's reader decodes them as UTF-8. Lines are numbered as the
// parser numbers them: by the LF bytes before.
struct EncodingFacts {
    bool utf16 = false;
    int firstBadUtf8Line = 0;      // 0: every byte is UTF-8
    unsigned char firstBadUtf8 = 0;
    int firstNulLine = 0;          // 0: no NUL byte
    int firstJoiningCrLine = 0;    // 0: every CR ends a line with its LF, or only blanks follow it
    bool crWithoutLf = false;      // lines end in CR alone: none ends in LF
};

EncodingFacts InspectMenuBytes(const std::string& bytes);

// The whole file as bytes; false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes);

void ReportEncodingFindings(const EncodingFacts& facts, FindingSink& sink);

LineBreakKind LineBreaksOf(const EncodingFacts& facts);

// Values that Kiveron hands to Windows in the ANSI code page (commands,
// picture paths, Locale values, language suffixes) and that lose characters
// on the way, converted as Kiveron converts them on a system whose ANSI
// code page is codePage.
void ReportAnsiLosses(const MenuLineLog& log, unsigned codePage, FindingSink& sink);

// The text in the code page; false when a character does not survive.
bool ConvertsWithoutLoss(const std::wstring& text, unsigned codePage, std::string& converted);

#endif
