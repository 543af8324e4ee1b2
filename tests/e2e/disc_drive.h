#pragma once
#include <windows.h>

#include <cctype>
#include <string>

#include "support/temp_folder.h"

// A fresh temporary folder that Wine shows as the root of a drive of its own,
// as a disc in a drive: "K:\" and not "C:\users\...\Temp\...". The mapping is
// made through Wine's mount manager, which links the folder into the prefix's
// dosdevices; the folder's Unix path comes from Wine as well. The drive and
// the folder go when the object goes.
class DiscDrive {
public:
    DiscDrive();
    ~DiscDrive();
    DiscDrive(const DiscDrive&) = delete;
    DiscDrive& operator=(const DiscDrive&) = delete;

    bool Mapped() const { return letter != 0; }
    // "K:\", and "K:\name" where name may hold a folder ("tools\tools.lst").
    std::string Root() const { return std::string(1, static_cast<char>(toupper(letter))) + ":\\"; }
    std::string PathOf(const std::string& name) const { return Root() + name; }

    // Writes the bytes as given, making the folders on the way.
    void WriteFile(const std::string& name, const std::string& bytes) const;
    // Copies a file the build produced (a Unix path) onto the disc.
    bool CopyIn(const std::string& hostFile, const std::string& name) const;
    // Copies a folder the sources hold (a Unix path), with everything in
    // it, onto the disc (its root, or the folder name).
    bool CopyTreeIn(const std::string& hostFolder, const std::string& name = "") const;

private:
    void MakeFoldersFor(const std::string& name) const;

    TempFolder folder;
    char letter = 0;
};
