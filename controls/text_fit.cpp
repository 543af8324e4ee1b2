#include "controls/text_fit.h"

#include <cwctype>

std::wstring WithEllipsis(std::wstring start)
{
    while (!start.empty() && std::iswspace(start.back()))
        start.pop_back();
    return start + kEllipsis;
}

std::size_t CutAfterWholeWord(const std::wstring& text, std::size_t fitting)
{
    // Inside a word: back to the end of the word before it, if there is one;
    // a shorter start fits as well.
    if (fitting >= text.size() || std::iswspace(text[fitting]))
        return fitting;
    std::size_t wordStart = fitting;
    while (wordStart > 0 && !std::iswspace(text[wordStart - 1]))
        --wordStart;
    std::size_t wordEnd = wordStart;
    while (wordEnd > 0 && std::iswspace(text[wordEnd - 1]))
        --wordEnd;
    return wordEnd > 0 ? wordEnd : fitting;
}
