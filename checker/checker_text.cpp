#include "checker/checker_text.h"

#include <windows.h>

#include <cstdio>

std::string WideToCodePage(const std::wstring& text, unsigned codePage)
{
    if (text.empty())
        return std::string();
    const int count = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(codePage, 0, text.data(), count, nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0)
        WideCharToMultiByte(codePage, 0, text.data(), count, &converted[0], needed, nullptr, nullptr);
    return converted;
}

std::wstring WideFromCodePage(const std::string& text, unsigned codePage)
{
    if (text.empty())
        return std::wstring();
    const int count = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(codePage, 0, text.data(), count, nullptr, 0);
    std::wstring converted(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
    if (needed > 0)
        MultiByteToWideChar(codePage, 0, text.data(), count, &converted[0], needed);
    return converted;
}

std::string Utf8FromWide(const std::wstring& text)
{
    return WideToCodePage(text, CP_UTF8);
}

std::string Utf8FromAnsi(const std::string& text)
{
    return Utf8FromWide(WideFromCodePage(text, CP_ACP));
}

// Control characters are written out, so that a finding stays one line of
// plain text whatever the menu holds.
std::string Quoted(const std::string& utf8)
{
    std::string quoted = "\"";
    for (char c : utf8) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            quoted += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\x%02X", byte);
            quoted += escaped;
        }
    }
    return quoted + "\"";
}

std::string Quoted(const std::wstring& text)
{
    return Quoted(Utf8FromWide(text));
}
