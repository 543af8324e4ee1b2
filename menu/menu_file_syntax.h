#pragma once

// The lexical rules of the menu file: line breaks, lines, key lines and
// language suffixes. Free functions, so that each rule can be checked alone.

#include <cstddef>
#include <string>

// Turns every CR LF pair into a single LF, in one pass. A CR that no LF
// follows stays, so CR CR LF becomes CR LF.
void ReplaceCrLfByLf(std::wstring& text);

// The functions that fill strings given by reference reuse their buffers,
// so that a caller passing the same strings for every line allocates little.

// Copies the line that starts at start into line and moves start behind its
// LF. Only text that an LF ends is a line: false when no LF follows start,
// which is how the text after the last line break is left unread.
bool NextLine(const std::wstring& text, std::size_t& start, std::wstring& line);

// A section line is a trimmed line that starts with "[", whether or not it
// names a known section.
bool IsSectionLine(const std::wstring& trimmedLine);

// Splits a line at its first "=" into key and value, both trimmed; the value
// keeps any further "=". False, with both left alone, for a line without "=".
bool SplitKeyLine(const std::wstring& line, std::wstring& key, std::wstring& value);

// Splits a key at its first "_" into the key name and the language code
// (converted to the ANSI code page, kept as written, possibly empty). A key
// without "_" is all name, and its code is the one for any language.
void SplitLanguageSuffix(const std::wstring& key, std::wstring& name, std::string& code);
