#pragma once
#include <windows.h>

#include <memory>
#include <string>

// Reads one whole text file and decodes it into a UTF-16 text: UTF-8 or
// UTF-16 after their byte-order marks, UTF-8 without one when every byte is
// UTF-8, and otherwise the system's ANSI code page. Use: construct, Read, ReleaseText.
// The reader owns the open file and both buffers until the text is handed
// over, and releases whatever it still owns when destroyed.
class TextFileReader {
public:
    // Opens the file for reading; others may read it meanwhile, not write
    // it. Throws InputDataFileException with the system's text on failure.
    explicit TextFileReader(const std::string& path);
    ~TextFileReader();

    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    // Reads and decodes the whole file. Throws InputDataFileException when
    // the size or the content cannot be read, std::bad_alloc when a buffer
    // cannot be had. Nothing in the content is an error: malformed UTF-8 or
    // UTF-16 becomes U+FFFD.
    void Read();

    // Hands the decoded text over by moving it, so that a large menu is not
    // copied once more; the reader keeps an empty text. A UTF-8 or UTF-16
    // text holds every unit decoded, NUL units included; one read in the
    // ANSI code page ends before its first NUL byte. Either way the parser
    // reads no further than the first NUL. Empty for a file that decodes to
    // nothing.
    std::wstring ReleaseText();

private:
    DWORD QuerySize() const;
    DWORD ReadBytes(DWORD size);
    void Decode(DWORD byteCount);

    HANDLE file;
    std::unique_ptr<char[]> bytes;
    std::wstring text;
};
