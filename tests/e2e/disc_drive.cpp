#include "disc_drive.h"

#include <winioctl.h>

#include <cstring>
#include <vector>

#include "support/menu_process.h"

namespace {

// Wine's own mount manager request that links a Unix folder as a drive (the
// one its configuration program uses); an empty mount point removes it.
struct MountManagerUnixDrive {
    ULONG size;
    ULONG type;
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset;
    USHORT deviceOffset;
    USHORT labelOffset;
};

const DWORD kDefineUnixDrive =
    CTL_CODE(0x6d /* 'm' */, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

bool DefineUnixDrive(char letter, const std::string& unixPath)
{
    HANDLE manager = CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                 nullptr);
    if (manager == INVALID_HANDLE_VALUE)
        return false;
    std::vector<char> request(sizeof(MountManagerUnixDrive) + unixPath.size() + 1);
    auto* drive = reinterpret_cast<MountManagerUnixDrive*>(request.data());
    drive->size = static_cast<ULONG>(request.size());
    drive->type = DRIVE_CDROM;
    drive->letter = static_cast<WCHAR>(letter);
    if (!unixPath.empty()) {
        drive->mountPointOffset = sizeof(MountManagerUnixDrive);
        std::memcpy(request.data() + sizeof(MountManagerUnixDrive), unixPath.c_str(),
                    unixPath.size() + 1);
    }
    DWORD returned = 0;
    const BOOL done = DeviceIoControl(manager, kDefineUnixDrive, request.data(),
                                      static_cast<DWORD>(request.size()), nullptr, 0, &returned,
                                      nullptr);
    CloseHandle(manager);
    return done != FALSE;
}

// The Unix path of a Windows path, as Wine's kernel32 reports it.
std::string UnixPathOf(const std::string& windowsPath)
{
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"),
                                               "wine_get_unix_file_name")));
    if (toUnix == nullptr)
        return std::string();
    const std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unixPath = toUnix(wide.c_str());
    if (unixPath == nullptr)
        return std::string();
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

// From the far end of the alphabet, away from the letters a prefix usually
// takes: a letter whose root leads nowhere. Wine's mount manager keeps the
// name of a drive it has taken away (the letter still counts among the
// logical drives), so a letter counts as free when its root cannot be found;
// a drive without a disc in it answers "not ready" and is left alone.
char FreeDriveLetter()
{
    for (char letter = 'y'; letter >= 'k'; --letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if (GetFileAttributesA(root.c_str()) == INVALID_FILE_ATTRIBUTES &&
            GetLastError() == ERROR_PATH_NOT_FOUND)
            return letter;
    }
    return 0;
}

} // namespace

DiscDrive::DiscDrive()
{
    const std::string unixPath = UnixPathOf(folder.Path());
    const char candidate = FreeDriveLetter();
    if (!unixPath.empty() && candidate != 0 && DefineUnixDrive(candidate, unixPath))
        letter = candidate;
}

DiscDrive::~DiscDrive()
{
    if (letter != 0)
        DefineUnixDrive(letter, std::string());
}

std::string DiscDrive::Drive() const
{
    return std::string(1, static_cast<char>(letter - 'a' + 'A')) + ":";
}

std::string DiscDrive::Root() const
{
    return Drive() + "\\";
}

std::string DiscDrive::PathOf(const std::string& name) const
{
    return Root() + name;
}

void DiscDrive::MakeFoldersFor(const std::string& name) const
{
    for (std::string::size_type separator = name.find('\\'); separator != std::string::npos;
         separator = name.find('\\', separator + 1))
        CreateDirectoryA(PathOf(name.substr(0, separator)).c_str(), nullptr);
}

void DiscDrive::WriteFile(const std::string& name, const std::string& bytes) const
{
    MakeFoldersFor(name);
    WriteBinaryFile(PathOf(name), bytes);
}

bool DiscDrive::CopyIn(const std::string& hostFile, const std::string& name) const
{
    MakeFoldersFor(name);
    return CopyFileA(HostPath(hostFile).c_str(), PathOf(name).c_str(), FALSE) != FALSE;
}

bool DiscDrive::CopyTreeIn(const std::string& hostFolder) const
{
    return CopyFolder(HostPath(hostFolder), std::string());
}

bool DiscDrive::CopyFolder(const std::string& windowsFolder, const std::string& name) const
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((windowsFolder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool copied = true;
    do {
        const std::string entry = found.cFileName;
        if (entry == "." || entry == "..")
            continue;
        const std::string target = name.empty() ? entry : name + "\\" + entry;
        const std::string source = windowsFolder + "\\" + entry;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            CreateDirectoryA(PathOf(target).c_str(), nullptr);
            copied = CopyFolder(source, target) && copied;
        } else {
            copied = CopyFileA(source.c_str(), PathOf(target).c_str(), FALSE) && copied;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return copied;
}

bool DiscDrive::Exists(const std::string& name) const
{
    return GetFileAttributesA(PathOf(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}
