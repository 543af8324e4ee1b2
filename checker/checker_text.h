#pragma once
#include <string>

// The report is UTF-8; the menu code hands over UTF-16 texts and narrow
// paths and codes in the ANSI code page.
std::string Utf8FromWide(const std::wstring& text);
std::string Utf8FromAnsi(const std::string& text);

// A text in double quotes, as findings quote what the author wrote.
std::string Quoted(const std::string& utf8);
std::string Quoted(const std::wstring& text);
