#include "platform/text_helpers.h"

#include <windows.h>

namespace {

// HRESULTs of the interface facility from 0x80040200 up are the ones that
// IDispatch implementations number from 1.
const unsigned long kFirstDispatchError = 0x80040200UL;
const unsigned long kLastDispatchError = 0x8004FFFFUL;

// The system's message, or an empty string when it has none.
std::string FormatSystemMessage(unsigned long code)
{
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM,
                                        nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                        reinterpret_cast<char*>(&buffer), 0, nullptr);
    if (buffer == nullptr)
        return std::string();
    std::string message(buffer, length);
    LocalFree(buffer);
    return message;
}

// The system ends its messages with a line break, which would show as an
// empty line at the bottom of an error box.
void RemoveTrailingLineBreak(std::string& message)
{
    if (message.size() > 1 && message.back() == '\n') {
        message.pop_back();
        if (!message.empty() && message.back() == '\r')
            message.pop_back();
    }
}

// Formatted with user32's wsprintfA rather than the C library's printf
// family, whose MinGW implementation (floating point included) would add a
// tenth to the program's size for these two lines. Both texts fit in 32
// characters, wsprintfA's limit being 1024.
std::string FallbackErrorText(unsigned long code)
{
    char text[32];
    if (code > kFirstDispatchError && code <= kLastDispatchError)
        wsprintfA(text, "IDispatch error #%d", static_cast<int>(code - kFirstDispatchError));
    else
        wsprintfA(text, "Unknown error 0x%lX", code);
    return text;
}

// Only A to Z fold: header and key names are ASCII, and no other letter may
// match one of them.
wchar_t FoldAsciiLetter(wchar_t character)
{
    return (character >= L'A' && character <= L'Z')
               ? static_cast<wchar_t>(character + (L'a' - L'A'))
               : character;
}

} // namespace

std::string SystemErrorText(unsigned long code)
{
    std::string message = FormatSystemMessage(code);
    if (message.empty())
        return FallbackErrorText(code);
    RemoveTrailingLineBreak(message);
    return message;
}

int CompareNoCase(const std::wstring& a, const std::wstring& b)
{
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        if (a[i] == b[i])
            continue;
        const wchar_t foldedA = FoldAsciiLetter(a[i]);
        const wchar_t foldedB = FoldAsciiLetter(b[i]);
        if (foldedA != foldedB)
            return foldedA < foldedB ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool IsCLocaleSpace(wchar_t character)
{
    if (character < 0x100)
        return (character >= 0x09 && character <= 0x0D) || character == 0x20 || character == 0xA0;
    // Unicode's White_Space characters above U+00FF, from a table rather than
    // GetStringTypeW, which fails on Windows 95 to ME: every system trims the
    // same. Ranges of first and last character.
    static const wchar_t kSpaces[][2] = {
        {0x1680, 0x1680}, {0x2000, 0x200A}, {0x2028, 0x2029},
        {0x202F, 0x202F}, {0x205F, 0x205F}, {0x3000, 0x3000},
    };
    for (const auto& range : kSpaces)
        if (character >= range[0] && character <= range[1])
            return true;
    return false;
}

std::wstring TrimWhitespace(const std::wstring& text)
{
    std::wstring trimmed;
    AssignTrimmed(text, 0, text.size(), trimmed);
    return trimmed;
}

void AssignTrimmed(const std::wstring& source, std::size_t begin, std::size_t end,
                   std::wstring& target)
{
    while (begin < end && IsCLocaleSpace(source[begin]))
        ++begin;
    while (end > begin && IsCLocaleSpace(source[end - 1]))
        --end;
    target.assign(source, begin, end - begin);
}
