#pragma once
#include <gtest/gtest.h>

#include <string>

#include "disc_drive.h"
#include "support/menu_process.h"

// A test that has a disc of its own: a fresh folder shown as a drive, onto
// which it writes a menu and copies the programs the menu offers. The menu
// runs from the disc root, as autorun starts it.
class DiscTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Copies the recording stand-in program onto the disc under the given
    // name ("tools\setup.exe") and returns the path of the record it will
    // write there ("K:\tools\setup.txt"): the command line it got, a line
    // break, and its current folder.
    std::string PutRecorder(const std::string& name) const;

    DiscDrive disc;
};

// Waits until a file exists and can be read whole; empty after a generous wait.
std::string WaitForFileContent(const std::string& path);

// Makes Wine report another version ("winxp", "win98") to the one program of
// that file name, until the object goes.
class WineVersionOverride {
public:
    WineVersionOverride(const std::string& exeName, const std::string& version);
    ~WineVersionOverride();
    bool Applied() const { return applied; }

private:
    std::string keyPath;
    bool applied = false;
};

// What the screen shows of another process's window. Other test groups open
// windows on the same desktop, so a pixel counts only where the window is
// the one on top. Waits until the client point shows the colour; false after
// a generous wait.
bool WaitForClientColour(HWND window, POINT clientPoint, COLORREF wanted);
// The number of pixels of a child control unlike the background, waiting
// while another window covers it; -1 when it stays covered.
int PixelsUnlike(HWND control, COLORREF background);
