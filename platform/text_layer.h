#pragma once

// The choice between the UTF-16 ("W") and the ANSI ("A") variants of the
// system's text functions, and the conversions between UTF-16 and the ANSI
// code page that the ANSI variants need. Every function is free-standing.

#include <windows.h>

#include <string>

// True on the NT family, where the UTF-16 variants are used.
bool IsUnicodePlatform();

// Conversions through the system's ANSI code page (CP_ACP). Each converts the
// source up to its first zero, in full whatever its length; characters that
// the code page cannot hold become the system's best-fit character for them
// (e with acute becomes e in the Cyrillic code page) or else its default
// character.
std::wstring AnsiToWide(const std::string& text);
std::string WideToAnsi(const std::wstring& text);

// The same conversions through the code page given: the menu checker asks
// what another system's ANSI code page makes of a menu's names.
std::wstring CodePageToWide(const std::string& text, UINT codePage);
std::string WideToCodePage(const std::wstring& text, UINT codePage);

// Wrappers that call the UTF-16 variant on the NT family and otherwise the
// ANSI variant with converted text.
void SetWindowTextAuto(HWND window, const std::wstring& text);

// count is -1 for the whole text or a number of UTF-16 units of it. The
// rectangle is updated as DrawText does (DT_CALCRECT). Returns what DrawText
// returns: the height of the text, 0 when it fails.
int DrawTextAuto(HDC dc, const std::wstring& text, int count, RECT& rect, UINT format);

// count is a number of UTF-16 units of text; -1 measures the whole text.
SIZE GetTextExtentAuto(HDC dc, const std::wstring& text, int count);

int MessageBoxAuto(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type);
