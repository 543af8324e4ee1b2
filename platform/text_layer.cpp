#include "platform/text_layer.h"

#include <cstddef>

namespace {

// The ANSI variants take a count of bytes, not of UTF-16 units: a caller's
// count is applied to the UTF-16 text before it is converted, so that a
// count that does not match the converted length never reads past its end.
std::wstring LeadingUnits(const std::wstring& text, int count)
{
    if (count < 0 || static_cast<std::size_t>(count) >= text.size())
        return text;
    return text.substr(0, static_cast<std::size_t>(count));
}

int UnitCount(const std::wstring& text, int count)
{
    if (count < 0 || static_cast<std::size_t>(count) > text.size())
        return static_cast<int>(text.size());
    return count;
}

// Every ANSI code page of the system keeps ASCII as it is, so plain ASCII
// (language codes, most paths) needs no call into the system.
bool IsPlainAscii(const std::wstring& text)
{
    for (wchar_t character : text)
        if (character == L'\0' || character > 0x7F)
            return false;
    return true;
}

} // namespace

bool IsUnicodePlatform()
{
    // The platform cannot change while the process runs, and the wrappers
    // ask for every painted item: ask the system once.
    static const bool unicode = [] {
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof(version);
        return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    }();
    return unicode;
}

std::wstring AnsiToWide(const std::string& text)
{
    return CodePageToWide(text, CP_ACP);
}

std::string WideToAnsi(const std::wstring& text)
{
    // Every ANSI code page holds ASCII as it is.
    if (IsPlainAscii(text))
        return std::string(text.begin(), text.end());
    return WideToCodePage(text, CP_ACP);
}

std::wstring CodePageToWide(const std::string& text, UINT codePage)
{
    // Ask for the size first, so that texts of any length convert in full.
    const int needed = MultiByteToWideChar(codePage, 0, text.c_str(), -1, nullptr, 0);
    if (needed <= 1)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    const int written = MultiByteToWideChar(codePage, 0, text.c_str(), -1, &wide[0], needed);
    wide.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
    return wide;
}

std::string WideToCodePage(const std::wstring& text, UINT codePage)
{
    const int needed =
        WideCharToMultiByte(codePage, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (needed <= 1)
        return std::string();
    std::string converted(static_cast<std::size_t>(needed), '\0');
    const int written =
        WideCharToMultiByte(codePage, 0, text.c_str(), -1, &converted[0], needed, nullptr, nullptr);
    converted.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
    return converted;
}

void SetWindowTextAuto(HWND window, const std::wstring& text)
{
    if (IsUnicodePlatform())
        SetWindowTextW(window, text.c_str());
    else
        SetWindowTextA(window, WideToAnsi(text).c_str());
}

int DrawTextAuto(HDC dc, const std::wstring& text, int count, RECT& rect, UINT format)
{
    // The text is const: DrawText must never write the ellipsis back into it.
    format &= ~static_cast<UINT>(DT_MODIFYSTRING);
    if (IsUnicodePlatform())
        return DrawTextW(dc, text.c_str(), count < 0 ? -1 : UnitCount(text, count), &rect, format);
    const std::string ansi = WideToAnsi(LeadingUnits(text, count));
    return DrawTextA(dc, ansi.c_str(), count < 0 ? -1 : static_cast<int>(ansi.size()), &rect,
                     format);
}

SIZE GetTextExtentAuto(HDC dc, const std::wstring& text, int count)
{
    SIZE size = {};
    if (IsUnicodePlatform()) {
        GetTextExtentPoint32W(dc, text.c_str(), UnitCount(text, count), &size);
        return size;
    }
    const std::string ansi = WideToAnsi(LeadingUnits(text, count));
    GetTextExtentPoint32A(dc, ansi.c_str(), static_cast<int>(ansi.size()), &size);
    return size;
}

int MessageBoxAuto(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type)
{
    if (IsUnicodePlatform())
        return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
    const std::string ansiCaption = WideToAnsi(caption);
    const std::string ansiText = WideToAnsi(text);
    return MessageBoxA(owner, ansiText.c_str(), ansiCaption.c_str(), type);
}
