#include "checker/checker_text.h"

#include "platform/text_layer.h"

#include <windows.h>

#include <cstdio>

std::string Utf8FromWide(const std::wstring& text)
{
    return WideToCodePage(text, CP_UTF8);
}

std::string Utf8FromAnsi(const std::string& text)
{
    return Utf8FromWide(AnsiToWide(text));
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
