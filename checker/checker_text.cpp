#include "checker/checker_text.h"

#include <windows.h>

namespace {

std::string WideToCodePage(const std::wstring& text, UINT codePage)
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

std::wstring AnsiToWideText(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int count = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), count, nullptr, 0);
    std::wstring converted(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
    if (needed > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), count, &converted[0], needed);
    return converted;
}

} // namespace

std::string Utf8FromWide(const std::wstring& text)
{
    return WideToCodePage(text, CP_UTF8);
}

std::string Utf8FromAnsi(const std::string& text)
{
    return Utf8FromWide(AnsiToWideText(text));
}

std::string Quoted(const std::string& utf8)
{
    return "\"" + utf8 + "\"";
}

std::string Quoted(const std::wstring& text)
{
    return Quoted(Utf8FromWide(text));
}
