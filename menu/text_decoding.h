#pragma once

// Decoding of a menu file's bytes into UTF-16, done here rather than by the
// system: Windows 95 has no UTF-8 code page, and the NT family before Vista
// drops malformed sequences where later systems substitute U+FFFD. Decoding
// in our own code gives every Windows the same text.

#include <cstddef>
#include <string>

enum class TextEncoding {
    Utf8,              // a UTF-8 byte-order mark, or well-formed UTF-8 without one
    Utf16LittleEndian, // FF FE
    Utf16BigEndian,    // FE FF
    Ansi               // no mark and not UTF-8: the system's ANSI code page
};

// The encoding a file's bytes are read in, and the size of the byte-order
// mark that precedes the text (0 when there is none).
TextEncoding DetectTextEncoding(const unsigned char* bytes, std::size_t count,
                                std::size_t& markSize);

// The length of the well-formed UTF-8 sequence at bytes, with its code point;
// or 0 when there is none, with the length of the maximal subpart to replace
// by one U+FFFD in subpartLength (at least 1).
std::size_t Utf8SequenceAt(const unsigned char* bytes, std::size_t count, char32_t& codePoint,
                           std::size_t& subpartLength);

bool IsWellFormedUtf8(const unsigned char* bytes, std::size_t count);

// Each decoder appends to text and never fails: what is malformed becomes
// U+FFFD, one per maximal subpart of UTF-8, one per unpaired surrogate or
// stray last byte of UTF-16. NUL bytes and units stay in the text.
void AppendUtf8(const unsigned char* bytes, std::size_t count, std::wstring& text);
void AppendUtf16(const unsigned char* bytes, std::size_t count, bool bigEndian, std::wstring& text);
