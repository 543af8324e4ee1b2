#pragma once

#include <string>

// The ellipsis character that marks a cut text.
constexpr wchar_t kEllipsis = L'\x2026';

// A start of the text with the ellipsis after it, blanks before it dropped.
std::wstring WithEllipsis(std::wstring start);

// Where to cut a text whose first `fitting` characters fit with the
// ellipsis: after the last whole word among them, else (one long word) there.
std::size_t CutAfterWholeWord(const std::wstring& text, std::size_t fitting);

// A text cut so that it fits: when fits(text) is false, the longest start of
// the text that fits with an ellipsis after it, cut after a whole word where
// one fits, else within the first word. fits(candidate) answers whether a
// candidate fits the space; the longer a start, the less it fits. A binary
// search: a few measurements however long the text.
template <class Fits>
std::wstring FitWithEllipsis(const std::wstring& text, Fits fits)
{
    if (fits(text))
        return text;
    std::size_t fitting = 0;
    std::size_t tooLong = text.size();
    while (tooLong - fitting > 1) {
        const std::size_t middle = fitting + (tooLong - fitting) / 2;
        if (fits(WithEllipsis(text.substr(0, middle))))
            fitting = middle;
        else
            tooLong = middle;
    }
    return WithEllipsis(text.substr(0, CutAfterWholeWord(text, fitting)));
}
