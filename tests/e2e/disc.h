#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include <cctype>
#include <string>

#include "support/menu_process.h"
#include "support/temp_folder.h"

// A test with a disc of its own: a fresh temporary folder that Wine shows as
// the root of a drive, as a disc in a drive ("K:\" and not
// "C:\users\...\Temp\..."), mapped through Wine's mount manager. The menu
// runs from the disc root, as autorun starts it.
class DiscTest : public ::testing::Test {
protected:
    DiscTest();
    ~DiscTest() override;
    void SetUp() override;

    std::string Root() const { return std::string(1, static_cast<char>(toupper(letter))) + ":\\"; }
    // name may hold folders ("tools\tools.lst"); writing makes them.
    std::string PathOf(const std::string& name) const { return Root() + name; }
    void WriteOnDisc(const std::string& name, const std::string& bytes) const;
    // Copies what a folder of the sources holds (a Unix path) onto the disc.
    bool CopyFolderOntoDisc(const std::string& hostFolder) const;
    // Puts the recording stand-in program onto the disc ("tools\setup.exe")
    // and returns the path of the record it writes ("K:\tools\setup.txt"):
    // its command line, a line break, its current folder and a line break.
    std::string PutRecorder(const std::string& name) const;

private:
    TempFolder folder;
    char letter = 0;
};

// The bytes of a file the build made or the sources hold (a Unix path).
std::string HostFileBytes(const std::string& hostPath);
// The whole content of a file once it exists; empty after a generous wait.
std::string WaitForFileContent(const std::string& path);

// A string value set in the registry (the key's default one for a null
// name); the key it lies in, or the one given last, goes with everything in it
// when the object goes.
struct RegistryValue {
    RegistryValue(HKEY root, const std::string& key, const char* name, const std::string& value,
                  const std::string& ownKey = "")
        : root(root), ownKey(ownKey.empty() ? key : ownKey),
          set(SHSetValueA(root, key.c_str(), name, REG_SZ, value.c_str(),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS)
    {
    }
    ~RegistryValue() { SHDeleteKeyA(root, ownKey.c_str()); }
    const HKEY root;
    const std::string ownKey;
    const bool set;
};
// Wine's per-program settings, by the program's file name: a "Version" there
// ("winxp", "win98") is what Wine reports to that program alone.
const std::string kWineAppDefaults = "Software\\Wine\\AppDefaults\\";

// What the screen shows of another process's window. Other test groups open
// windows on the same desktop, so pixels count only while the window is on
// top there. The number of pixels of a screen area unlike the colour; -1 when
// it stays covered.
int PixelsUnlike(HWND window, const RECT& screenArea, COLORREF colour);
// Waits until the client point shows the colour; false after a generous wait.
bool WaitForClientColour(HWND window, POINT clientPoint, COLORREF wanted);
