#include "disc.h"

#include <shellapi.h>
#include <shlwapi.h>
#include <winioctl.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "support/menu_process.h"

namespace {

// Wine's own mount manager request that links a Unix folder as a drive (the
// one its configuration program uses); an empty mount point removes it.
struct MountManagerUnixDrive {
    ULONG size, type, fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset, deviceOffset, labelOffset;
};

bool DefineUnixDrive(char letter, const std::string& unixPath)
{
    const DWORD defineUnixDrive =
        CTL_CODE(0x6d /* 'm' */, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
    HANDLE manager =
        CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
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
    const BOOL done =
        DeviceIoControl(manager, defineUnixDrive, request.data(),
                        static_cast<DWORD>(request.size()), nullptr, 0, &returned, nullptr);
    CloseHandle(manager);
    return done != FALSE;
}

// The Unix path of a Windows path, as Wine's kernel32 reports it.
std::string UnixPathOf(const std::string& windowsPath)
{
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    const std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unixPath = toUnix == nullptr ? nullptr : toUnix(wide.c_str());
    if (unixPath == nullptr)
        return std::string();
    const std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

// The window, or one of its controls, is what the screen shows at the corners
// and the centre of the area.
bool OnTop(HWND window, const RECT& area)
{
    const POINT points[] = {{area.left, area.top},
                            {area.right - 1, area.top},
                            {area.left, area.bottom - 1},
                            {area.right - 1, area.bottom - 1},
                            {(area.left + area.right) / 2, (area.top + area.bottom) / 2}};
    for (const POINT& point : points) {
        const HWND found = WindowFromPoint(point);
        if (found != window && !IsChild(window, found))
            return false;
    }
    return true;
}

} // namespace

Disc::Disc()
{
    // From the far end of the alphabet, away from the letters a prefix usually
    // takes. Wine's mount manager keeps the name of a drive it has taken away,
    // so a letter counts as free when its root cannot be found; a drive
    // without a disc in it answers "not ready" and is left alone.
    const std::string unixPath = UnixPathOf(folder.Path());
    for (char candidate = 'y'; candidate >= 'k' && letter == 0 && !unixPath.empty(); --candidate)
        if (GetFileAttributesA(std::string(1, candidate).append(":\\").c_str()) ==
                INVALID_FILE_ATTRIBUTES &&
            GetLastError() == ERROR_PATH_NOT_FOUND && DefineUnixDrive(candidate, unixPath))
            letter = candidate;
}

Disc::~Disc()
{
    if (letter != 0)
        DefineUnixDrive(letter, std::string());
}

void Disc::Write(const std::string& name, const std::string& bytes) const
{
    for (auto separator = name.find('\\'); separator != std::string::npos;
         separator = name.find('\\', separator + 1))
        CreateDirectoryA(PathOf(name.substr(0, separator)).c_str(), nullptr);
    WriteBinaryFile(PathOf(name), bytes);
}

bool Disc::CopyFolder(const std::string& hostFolder) const
{
    const std::string from = HostPath(hostFolder) + "\\*" + '\0';
    const std::string to = Root() + '\0';
    SHFILEOPSTRUCTA copy = {};
    copy.wFunc = FO_COPY;
    copy.pFrom = from.c_str();
    copy.pTo = to.c_str();
    copy.fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI | FOF_SILENT;
    return SHFileOperationA(&copy) == 0 && !copy.fAnyOperationsAborted;
}

void Disc::PutRecorder(const std::string& name) const
{
    Write(name, HostFileBytes(RECORD_ARGS_EXE));
}

std::string Disc::Record(const std::string& name) const
{
    const std::string path = PathOf(name.substr(0, name.find_last_of('.')) + ".txt");
    std::string content;
    WaitUntil([&] {
        std::ifstream file(path, std::ios::binary);
        content.assign(std::istreambuf_iterator<char>(file), {});
        return file.is_open();
    });
    return content;
}

std::string HostFileBytes(const std::string& hostPath)
{
    std::ifstream file(HostPath(hostPath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

RegistryValue::RegistryValue(HKEY root, const std::string& key, const char* name,
                             const std::string& value, const std::string& ownKey)
    : root(root), ownKey(ownKey.empty() ? key : ownKey),
      set(SHSetValueA(root, key.c_str(), name, REG_SZ, value.c_str(),
                      static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS)
{
}

RegistryValue::~RegistryValue()
{
    SHDeleteKeyA(root, ownKey.c_str());
}

Pixels ScreenPixels(HWND window, RECT area)
{
    // Above the other tests' windows, with every message before this one,
    // paints included, handled and given time to reach the screen.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DWORD_PTR ignored;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    Sleep(300);
    Pixels shown;
    WaitUntil([&] {
        if (!OnTop(window, area))
            return false;
        shown = CaptureClient(GetDesktopWindow(), area);
        // Covered while it was copied: the copy is not the window's.
        if (!OnTop(window, area))
            shown = Pixels();
        return !shown.colours.empty();
    });
    return shown;
}

bool WaitForClientColour(HWND window, POINT p, COLORREF wanted)
{
    ClientToScreen(window, &p);
    return WaitUntil([&] {
        const Pixels shown = ScreenPixels(window, RECT{p.x, p.y, p.x + 1, p.y + 1});
        return !shown.colours.empty() && shown.At(0, 0) == wanted;
    });
}
