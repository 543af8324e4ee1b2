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

} // namespace

DiscDrive::DiscDrive()
{
    // From the far end of the alphabet, away from the letters a prefix usually
    // takes: a letter whose root leads nowhere. Wine's mount manager keeps the
    // name of a drive it has taken away (the letter still counts among the
    // logical drives), so a letter counts as free when its root cannot be
    // found; a drive without a disc in it answers "not ready" and is left alone.
    const std::string unixPath = UnixPathOf(folder.Path());
    for (char candidate = 'y'; candidate >= 'k' && letter == 0 && !unixPath.empty(); --candidate) {
        const std::string root = std::string(1, candidate) + ":\\";
        if (GetFileAttributesA(root.c_str()) == INVALID_FILE_ATTRIBUTES &&
            GetLastError() == ERROR_PATH_NOT_FOUND && DefineUnixDrive(candidate, unixPath))
            letter = candidate;
    }
}

DiscDrive::~DiscDrive()
{
    if (letter != 0)
        DefineUnixDrive(letter, std::string());
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

bool DiscDrive::CopyTreeIn(const std::string& hostFolder, const std::string& name) const
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((HostPath(hostFolder) + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool copied = true;
    do {
        const std::string entry = found.cFileName;
        const std::string target = name.empty() ? entry : name + "\\" + entry;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            copied = CopyIn(hostFolder + "/" + entry, target) && copied;
        else if (entry != "." && entry != "..")
            copied = CopyTreeIn(hostFolder + "/" + entry, target) && copied;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return copied;
}
