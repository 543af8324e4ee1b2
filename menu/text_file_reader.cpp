#include "menu/text_file_reader.h"

#include "menu/input_data_file_exception.h"
#include "platform/text_helpers.h"

#include <climits>
#include <new>

namespace {

const DWORD kByteOrderMarkSize = 3;

// The decoder takes int counts; a file beyond that cannot be held, like one
// beyond the memory there is.
const DWORD kLargestDecodableSize = INT_MAX;

[[noreturn]] void ThrowFileError(DWORD code)
{
    throw InputDataFileException(SystemErrorText(code));
}

bool StartsWithByteOrderMark(const char* bytes, DWORD count)
{
    return count >= kByteOrderMarkSize && static_cast<unsigned char>(bytes[0]) == 0xEF &&
           static_cast<unsigned char>(bytes[1]) == 0xBB &&
           static_cast<unsigned char>(bytes[2]) == 0xBF;
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
    const char* start = bytes.get();
    if (StartsWithByteOrderMark(start, byteCount)) {
        start += kByteOrderMarkSize;
        byteCount -= kByteOrderMarkSize;
    }
    const int count = static_cast<int>(byteCount);
    text.clear();
    // UTF-8 never yields more UTF-16 units than it has bytes.
    text.resize(byteCount);
    const int units = count > 0 ? MultiByteToWideChar(CP_UTF8, 0, start, count, &text[0], count)
                                : 0;
    // Decoding garbage may yield nothing at all: an empty text, not an error.
    text.resize(units > 0 ? static_cast<std::size_t>(units) : 0);
}
