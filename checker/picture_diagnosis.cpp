#include "checker/picture_diagnosis.h"

#include <windows.h>

#include <cstring>

namespace {

DWORD DwordAt(const std::string& bytes, std::size_t offset)
{
    DWORD value = 0;
    if (bytes.size() >= offset + sizeof value)
        std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

bool StartsWith(const std::string& bytes, const char* prefix)
{
    return bytes.compare(0, std::strlen(prefix), prefix) == 0;
}

std::string Reason(const std::string& bytes)
{
    if (StartsWith(bytes, "\x89PNG"))
        return "is a PNG file renamed";
    if (StartsWith(bytes, "\xFF\xD8\xFF"))
        return "is a JPEG file renamed";
    if (!StartsWith(bytes, "BM"))
        return "is no BMP file";
    if (bytes.size() < 14 + 16)
        return "is damaged: it ends inside its headers";
    const DWORD headerSize = DwordAt(bytes, 14);
    if (headerSize == 12)
        return "has an OS/2 1.x header";
    if (headerSize != 40 && headerSize != 108 && headerSize != 124)
        return "has an info header of " + std::to_string(headerSize) +
               " bytes; Kiveron reads those of 40, 108 and 124 bytes";
    switch (DwordAt(bytes, 30)) {
    case BI_JPEG: return "holds a JPEG picture inside the BMP file";
    case BI_PNG: return "holds a PNG picture inside the BMP file";
    case BI_RGB:
    case BI_RLE8:
    case BI_RLE4:
    case BI_BITFIELDS:
        return "is damaged: its headers describe a layout Kiveron does not draw or more data than "
               "the file holds";
    default:
        return "uses a compression Kiveron does not know (" + std::to_string(DwordAt(bytes, 30)) +
               ")";
    }
}

} // namespace

PictureDiagnosis DiagnosePicture(const std::string& firstBytes, const std::string& fileName)
{
    PictureDiagnosis diagnosis;
    diagnosis.reason = Reason(firstBytes);
    const std::string name = fileName.substr(fileName.find_last_of("\\/") + 1);
    const bool damaged = diagnosis.reason.compare(0, 10, "is damaged") == 0;
    diagnosis.fix =
        (damaged ? "save it again from the original picture, e.g. `convert original.png BMP3:"
                 : "convert it to an uncompressed BMP file, e.g. `convert " + name + " BMP3:") +
        name + "`";
    return diagnosis;
}
