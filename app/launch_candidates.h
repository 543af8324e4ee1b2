#pragma once
#include <string>
#include <vector>

// Where the program looks for the files it opens and starts, all taken from
// the place of the executable or of the menu file that names them.

// The menu file beside the executable: "E:\setup\kiveron.exe" gives
// "E:\setup\kiveron.lst", "D:\kiveron.exe" gives "D:\kiveron.lst".
std::string MenuFilePathBeside(const std::string& modulePath);

// The paths an entry's command is tried as, in order: after the executable's
// drive, after its drive and directory (both separators kept, as built), and
// as written.
std::vector<std::string> LaunchCandidates(const std::string& modulePath,
                                          const std::string& command);

// A command names a nested menu when it contains ".lst", case-sensitively.
bool IsNestedMenu(const std::string& candidate);

// A relative picture path taken from the folder of the menu file that named
// it ("D:\tools" and "art\back.bmp" give "D:\tools\art\back.bmp"); empty for
// a path that is not relative, or without a folder.
std::string PictureBesideMenu(const std::string& menuFolder, const std::string& picturePath);

// The text of the box for a menu file that cannot be read: the file, then
// the system's reason.
std::string MenuLoadFailureText(const std::string& menuPath, const std::string& reason);
