#pragma once
#include <gtest/gtest.h>

#include <string>

#include "disc_drive.h"
#include "disc_menu.h"

// A test that has a disc of its own: a fresh folder shown as a drive, onto
// which it writes a menu and copies the programs the menu offers.
class DiscTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Copies the recording stand-in program onto the disc under the given
    // name ("tools\setup.exe") and returns the path of the record it will
    // write there ("K:\tools\setup.txt").
    std::string PutRecorder(const std::string& name) const;

    // The two lines of a record: the command line and the current folder.
    static std::string RecordedCommandLine(const std::string& record);
    static std::string RecordedFolder(const std::string& record);

    static int RowCount(const DiscMenu& menu);
    static int LanguageCount(const DiscMenu& menu);

    DiscDrive disc;
};
