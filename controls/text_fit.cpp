#include "controls/text_fit.h"

#include "platform/text_helpers.h"

std::wstring WithEllipsis(std::wstring start)
{
    while (!start.empty() && IsCLocaleSpace(start.back()))
        start.pop_back();
    return start + kEllipsis;
}

std::size_t CutAfterWholeWord(const std::wstring& text, std::size_t fitting)
{
    // Inside a word: back to the end of the word before it, if there is one;
    // a shorter start fits as well.
    if (fitting >= text.size() || IsCLocaleSpace(text[fitting]))
        return fitting;
    std::size_t wordStart = fitting;
    while (wordStart > 0 && !IsCLocaleSpace(text[wordStart - 1]))
        --wordStart;
    std::size_t wordEnd = wordStart;
    while (wordEnd > 0 && IsCLocaleSpace(text[wordEnd - 1]))
        --wordEnd;
    return wordEnd > 0 ? wordEnd : fitting;
}
