#pragma once
#include <string>

// The medium as Kiveron sees it from its root. The folder of the start-up
// menu stands for the root of a drive of its own, whatever folder of the
// author's disk it lies in: on the medium "\setup.exe" and "..\kiveron.lst"
// lead to files of the root, and a disc laid out in a build folder must be
// checked as it will be burnt, not against the root of the author's drive.
// The medium's paths are given a drive letter that no drive here has, and
// Windows' own path rules resolve them before they are turned into files
// of the folder.
class DiscRoot {
public:
    // folder: the full path of the folder that is the root of the medium.
    explicit DiscRoot(const std::string& folder);

    // kiveron.exe in the root, as the medium names it, e.g. "Y:\kiveron.exe".
    std::string ModulePath() const;

    // The file that a path names when Kiveron hands it to Windows with the
    // root as its current folder: paths on the medium's drive, from its root
    // or relative lead into the folder, others (another drive, a network
    // path) stay as they are. Empty for an empty path.
    std::string FileOf(const std::string& path) const;

    // The folder with its separator: "C:\disc\", "E:\".
    std::string RootFolder() const;

    // A file of the folder named from the root ("tools\tools.lst"); any
    // other file by its whole path.
    std::string NameFromRoot(const std::string& file) const;

private:
    std::string OnMediumDrive(const std::string& path) const;

    std::string folder; // without a separator at its end: "C:\disc", or "E:" for a drive's root
    std::string drive;  // "Y:"
};
