#pragma once
#include "checker/finding_sink.h"
#include "checker/line_findings.h"
#include "checker/menu_line_log.h"
#include "menu/text_decoding.h"

#include <string>

// What the bytes of a menu file say about its encoding and line breaks, as
// Kiveron's reader decodes them. Lines are numbered as the parser numbers
// them: by the line feeds before.
struct EncodingFacts {
    TextEncoding encoding = TextEncoding::Utf8;
    bool utf16WithoutMark = false; // every other byte NUL: read as an empty menu
    int firstBadUtf8Line = 0;      // 0: every byte is UTF-8
    unsigned char firstBadUtf8 = 0;
    int firstNulLine = 0;       // 0: no NUL byte
    int firstJoiningCrLine = 0; // 0: every CR ends a line with its LF, or only blanks follow it
    bool crWithoutLf = false;   // lines end in CR alone: none ends in LF
};

EncodingFacts InspectMenuBytes(const std::string& bytes);

// The whole file as bytes; false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// codePage: the ANSI code page that a file which is not UTF-8 is read in.
void ReportEncodingFindings(const EncodingFacts& facts, unsigned codePage, FindingSink& sink);

LineBreakKind LineBreaksOf(const EncodingFacts& facts);

// Values that Kiveron hands to Windows in the ANSI code page (commands,
// picture paths, Locale values, language suffixes) and that lose characters
// on the way, converted as Kiveron converts them on a system whose ANSI
// code page is codePage.
void ReportAnsiLosses(const MenuLineLog& log, unsigned codePage, FindingSink& sink);

// The text in the code page; false when a character does not survive.
bool ConvertsWithoutLoss(const std::wstring& text, unsigned codePage, std::string& converted);
