#ifndef KIVERON_MENU_TEXT_FILE_READER_H
#define KIVERON_MENU_TEXT_FILE_READER_H

#include <windows.h>

#include <memory>
#include <string>

// Reads one whole UTF-8 file (with or without byte-order mark) and decodes
// it into a UTF-16 text. Use: construct, Read, ReleaseText.
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
    // cannot be had. Malformed UTF-8 is no error: the decoder replaces it.
    void Read();

    // Hands the decoded text over by moving it, so that a large menu is not
    // copied once more; the reader keeps an empty text. The text holds every
    // unit decoded, a U+0000 for each NUL byte of the file included, and is
    // empty for a file that decodes to nothing.
    std::wstring ReleaseText();

private:
    DWORD QuerySize() const;
    DWORD ReadBytes(DWORD size);
    void Decode(DWORD byteCount);

    HANDLE file;
    std::unique_ptr<char[]> bytes;
    std::wstring text;
};

#endif
