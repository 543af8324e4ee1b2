#include "checker/disc_root.h"

#include <windows.h>

#include <cctype>
#include <vector>

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool SameLetter(char a, char b)
{
    return std::toupper(static_cast<unsigned char>(a)) ==
           std::toupper(static_cast<unsigned char>(b));
}

// The last free letter, so that no path the author gives for a real drive
// is taken for one of the medium.
std::string UnusedDrive()
{
    const DWORD used = GetLogicalDrives();
    for (char letter = 'Z'; letter > 'A'; --letter) {
        if (!(used & (1u << (letter - 'A'))))
            return std::string(1, letter) + ":";
    }
    return "Z:";
}

// ".", ".." and doubled separators resolved as Windows resolves them, never
// above the root of the drive.
std::string ResolvedPath(const std::string& path)
{
    const DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return path;
    std::vector<char> full(needed);
    const DWORD length = GetFullPathNameA(path.c_str(), needed, full.data(), nullptr);
    return length > 0 && length < needed ? std::string(full.data(), length) : path;
}

} // namespace

DiscRoot::DiscRoot(const std::string& folder) : folder(folder), drive(UnusedDrive())
{
    while (!this->folder.empty() && IsSeparator(this->folder.back()))
        this->folder.pop_back();
}

std::string DiscRoot::ModulePath() const
{
    return drive + "\\kiveron.exe";
}

std::string DiscRoot::RootFolder() const
{
    return folder + "\\";
}

std::string DiscRoot::FileOf(const std::string& path) const
{
    if (path.empty())
        return path;
    const std::string onMedium = OnMediumDrive(path);
    if (onMedium.empty())
        return path;
    // Resolved on the medium's drive, the path keeps that drive.
    return folder + ResolvedPath(onMedium).substr(drive.size());
}

std::string DiscRoot::NameFromRoot(const std::string& file) const
{
    const std::string prefix = RootFolder();
    if (file.size() > prefix.size() &&
        CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, file.c_str(),
                       static_cast<int>(prefix.size()), prefix.c_str(),
                       static_cast<int>(prefix.size())) == CSTR_EQUAL)
        return file.substr(prefix.size());
    return file;
}

// The path made absolute on the medium's drive ("Y:\..."), whose current
// folder is its root; empty for a path on another drive or a network path.
std::string DiscRoot::OnMediumDrive(const std::string& path) const
{
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]))
        return std::string();
    std::string rest = path;
    if (path.size() >= 2 && path[1] == ':') {
        if (!SameLetter(path[0], drive[0]))
            return std::string();
        rest = path.substr(2);
    }
    return drive + (!rest.empty() && IsSeparator(rest[0]) ? "" : "\\") + rest;
}
