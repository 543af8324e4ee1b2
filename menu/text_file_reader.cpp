#include "menu/text_file_reader.h"

#include "menu/input_data_file_exception.h"
#include "menu/text_decoding.h"
#include "platform/text_helpers.h"
#include "platform/text_layer.h"

#include <climits>
#include <new>

namespace {

// The system's code-page conversion takes int counts; a file beyond that
// cannot be held, like one beyond the memory there is.
const DWORD kLargestDecodableSize = INT_MAX;

[[noreturn]] void ThrowFileError(DWORD code)
{
    throw InputDataFileException(SystemErrorText(code));
}

} // namespace

TextFileReader::TextFileReader(const std::string& path)
    : file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr))
{
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        file = nullptr;
        ThrowFileError(error);
    }
}

TextFileReader::~TextFileReader()
{
    if (file != nullptr)
        CloseHandle(file);
}

void TextFileReader::Read()
{
    const DWORD size = QuerySize();
    const DWORD byteCount = ReadBytes(size);
    Decode(byteCount);
}

std::wstring TextFileReader::ReleaseText()
{
    std::wstring released;
    released.swap(text);
    return released;
}

// Only the low 32 bits of the size count: a menu file is never that large.
DWORD TextFileReader::QuerySize() const
{
    DWORD high = 0;
    SetLastError(NO_ERROR);
    const DWORD size = GetFileSize(file, &high);
    // 0xFFFFFFFF is also a valid low part; only the error code tells them apart.
    if (size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR)
        ThrowFileError(GetLastError());
    if (size > kLargestDecodableSize || size > text.max_size())
        throw std::bad_alloc();
    return size;
}

// Returns the count of bytes actually read, which is what gets decoded: the
// file may have shrunk since its size was taken.
DWORD TextFileReader::ReadBytes(DWORD size)
{
    bytes.reset();
    bytes.reset(new char[size]);
    // Read from the start even when Read is called a second time.
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    DWORD byteCount = 0;
    if (!ReadFile(file, bytes.get(), size, &byteCount, nullptr))
        ThrowFileError(GetLastError());
    return byteCount;
}

void TextFileReader::Decode(DWORD byteCount)
{
    const unsigned char* start = reinterpret_cast<const unsigned char*>(bytes.get());
    std::size_t markSize = 0;
    const TextEncoding encoding = DetectTextEncoding(start, byteCount, markSize);
    text.clear();
    switch (encoding) {
    case TextEncoding::Utf8: AppendUtf8(start + markSize, byteCount - markSize, text); break;
    case TextEncoding::Utf16LittleEndian:
    case TextEncoding::Utf16BigEndian:
        AppendUtf16(start + markSize, byteCount - markSize,
                    encoding == TextEncoding::Utf16BigEndian, text);
        break;
    case TextEncoding::Ansi:
        // Notepad's "ANSI": the code page of the system the menu was written
        // on, which is the reader's own on the systems it was written for.
        text = AnsiToWide(std::string(bytes.get(), byteCount));
        break;
    }
}
