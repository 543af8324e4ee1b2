#pragma once

// Text helpers without any window: the system's text for an error code and
// the two string operations of the menu parser.

#include <cstddef>
#include <string>

// The system's own message for a Win32 error code or an HRESULT, in the
// user's default language and without its trailing line break; a fixed
// English fallback when the system has no message for the code.
std::string SystemErrorText(unsigned long code);

// Compares ignoring the case of the ASCII letters A to Z only: -1 when a
// sorts first, 1 when b does, 0 when they are equal ignoring that case.
int CompareNoCase(const std::wstring& a, const std::wstring& b);

// The white space of the C library's "C" locale: U+0009 to U+000D, U+0020,
// U+00A0, and above U+00FF the characters Unicode classes as White_Space.
bool IsCLocaleSpace(wchar_t character);

// The text without the white space at both ends.
std::wstring TrimWhitespace(const std::wstring& text);

// Assigns the part of source from begin up to end, without the white space
// at both ends, to target. Lets a caller that trims many pieces reuse one
// buffer instead of making a new string for each.
void AssignTrimmed(const std::wstring& source, std::size_t begin, std::size_t end,
                   std::wstring& target);
