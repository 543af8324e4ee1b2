#include "menu/text_decoding.h"

namespace {

const wchar_t kReplacementCharacter = 0xFFFD;

bool StartsWith(const unsigned char* bytes, std::size_t count, const char* mark,
                std::size_t markSize)
{
    if (count < markSize)
        return false;
    for (std::size_t i = 0; i < markSize; ++i)
        if (bytes[i] != static_cast<unsigned char>(mark[i]))
            return false;
    return true;
}

// The range the second byte of a sequence must lie in: narrower after some
// leads, which rules out overlong forms, surrogates and code points beyond
// U+10FFFF.
void SecondByteRange(unsigned char lead, unsigned char& low, unsigned char& high)
{
    low = 0x80;
    high = 0xBF;
    if (lead == 0xE0)
        low = 0xA0;
    else if (lead == 0xED)
        high = 0x9F;
    else if (lead == 0xF0)
        low = 0x90;
    else if (lead == 0xF4)
        high = 0x8F;
}

// The sequence length a lead byte announces, or 0 for a byte that can
// never begin one.
std::size_t LengthFromLead(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

void AppendCodePoint(char32_t codePoint, std::wstring& text)
{
    if (codePoint < 0x10000) {
        text.push_back(static_cast<wchar_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    text.push_back(static_cast<wchar_t>(0xD800 + (codePoint >> 10)));
    text.push_back(static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF)));
}

bool IsLeadSurrogate(unsigned unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsTrailSurrogate(unsigned unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

TextEncoding DetectTextEncoding(const unsigned char* bytes, std::size_t count,
                                std::size_t& markSize)
{
    markSize = 3;
    if (StartsWith(bytes, count, "\xEF\xBB\xBF", 3))
        return TextEncoding::Utf8;
    markSize = 2;
    if (StartsWith(bytes, count, "\xFF\xFE", 2))
        return TextEncoding::Utf16LittleEndian;
    if (StartsWith(bytes, count, "\xFE\xFF", 2))
        return TextEncoding::Utf16BigEndian;
    markSize = 0;
    return IsWellFormedUtf8(bytes, count) ? TextEncoding::Utf8 : TextEncoding::Ansi;
}

std::size_t Utf8SequenceAt(const unsigned char* bytes, std::size_t count, char32_t& codePoint,
                           std::size_t& subpartLength)
{
    const unsigned char lead = bytes[0];
    const std::size_t length = LengthFromLead(lead);
    subpartLength = 1;
    if (length == 0)
        return 0;
    if (length == 1) {
        codePoint = lead;
        return 1;
    }
    unsigned char low, high;
    SecondByteRange(lead, low, high);
    char32_t value = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if (k >= count || bytes[k] < low || bytes[k] > high)
            return 0;
        value = (value << 6) | (bytes[k] & 0x3F);
        subpartLength = k + 1;
        low = 0x80;
        high = 0xBF;
    }
    codePoint = value;
    return length;
}

bool IsWellFormedUtf8(const unsigned char* bytes, std::size_t count)
{
    char32_t codePoint = 0;
    std::size_t subpart = 0;
    for (std::size_t i = 0; i < count;) {
        const std::size_t length = Utf8SequenceAt(bytes + i, count - i, codePoint, subpart);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

void AppendUtf8(const unsigned char* bytes, std::size_t count, std::wstring& text)
{
    text.reserve(text.size() + count);
    char32_t codePoint = 0;
    std::size_t subpart = 0;
    for (std::size_t i = 0; i < count;) {
        const std::size_t length = Utf8SequenceAt(bytes + i, count - i, codePoint, subpart);
        if (length == 0) {
            text.push_back(kReplacementCharacter);
            i += subpart;
        } else {
            AppendCodePoint(codePoint, text);
            i += length;
        }
    }
}

void AppendUtf16(const unsigned char* bytes, std::size_t count, bool bigEndian, std::wstring& text)
{
    const std::size_t units = count / 2;
    text.reserve(text.size() + units + count % 2);
    const auto unitAt = [&](std::size_t i) -> unsigned {
        const unsigned first = bytes[2 * i], second = bytes[2 * i + 1];
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    for (std::size_t i = 0; i < units; ++i) {
        const unsigned unit = unitAt(i);
        if (IsLeadSurrogate(unit) && i + 1 < units && IsTrailSurrogate(unitAt(i + 1))) {
            text.push_back(static_cast<wchar_t>(unit));
            text.push_back(static_cast<wchar_t>(unitAt(++i)));
        } else if (IsLeadSurrogate(unit) || IsTrailSurrogate(unit)) {
            text.push_back(kReplacementCharacter);
        } else {
            text.push_back(static_cast<wchar_t>(unit));
        }
    }
    if (count % 2 != 0)
        text.push_back(kReplacementCharacter);
}
