#pragma once
#include <windows.h>

#include <string>

#include "support/desktop_input.h"
#include "support/temp_folder.h"

// A fresh temporary folder that Wine shows as the root of a CD drive ("K:\",
// not "C:\users\...\Temp\..."), mapped through Wine's mount manager, as a
// disc in a drive. The menu runs from the disc root, as autorun starts it.
class Disc {
public:
    Disc();
    ~Disc();
    Disc(const Disc&) = delete;
    Disc& operator=(const Disc&) = delete;

    bool Mapped() const { return letter != 0; }
    std::string Root() const { return std::string(1, static_cast<char>(letter - 0x20)) + ":\\"; }
    // name may hold folders ("tools\tools.lst"); writing makes them.
    std::string PathOf(const std::string& name) const { return Root() + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    // Copies what a folder of the sources holds (a Unix path) onto the disc.
    bool CopyFolder(const std::string& hostFolder) const;
    // Puts the recording stand-in program onto the disc ("tools\setup.exe").
    void PutRecorder(const std::string& name) const;
    // What the recorder of that name wrote once it ran: its command line, a
    // line break, its current folder and a line break; empty after a
    // generous wait.
    std::string Record(const std::string& name) const;

private:
    TempFolder folder;
    char letter = 0;
};

// The bytes of a file the build made or the sources hold (a Unix path).
std::string HostFileBytes(const std::string& hostPath);

// A string value set in the registry (the key's default one for a null
// name); the key it lies in, or the one given last, goes with everything in it
// when the object goes.
struct RegistryValue {
    RegistryValue(HKEY root, const std::string& key, const char* name, const std::string& value,
                  const std::string& ownKey = "");
    ~RegistryValue();
    const HKEY root;
    const std::string ownKey;
    const bool set;
};

// What the screen shows of a box of another process's window's client area,
// once the window is on top of every other; no pixels when it stays covered.
Pixels ScreenPixels(HWND window, RECT clientBox);
// Waits until the client point shows the colour; false after a generous wait.
bool WaitForClientColour(HWND window, POINT clientPoint, COLORREF wanted);
