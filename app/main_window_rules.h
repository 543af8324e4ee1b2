#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Decisions of the main window that depend on nothing but their inputs, kept
// apart from the window code so that they can be tried directly.

// The language code for the primary language of a user's language id; the
// languages we have no table entry for get "en".
std::string LanguageCodeForUser(LANGID userLanguage);

// The start-up language: the user's code if the menu declares it, else "en"
// if declared, else "*" (no particular language). Codes compare byte for byte.
std::string ChooseStartupLanguage(const std::vector<std::string>& declaredLocales,
                                  LANGID userLanguage);

// The menu file beside the executable: "E:\setup\kiveron.exe" gives
// "E:\setup\kiveron.lst", "D:\kiveron.exe" gives "D:\kiveron.lst".
std::string MenuFilePathBeside(const std::string& modulePath);

// The paths an entry's command is tried as, in order: after the executable's
// drive, after its drive and directory (both separators kept, as built), and
// as written.
std::vector<std::string> LaunchCandidates(const std::string& modulePath,
                                          const std::string& command);

// A relative picture path taken from the folder of the menu file that named
// it ("D:\tools" and "art\back.bmp" give "D:\tools\art\back.bmp"); empty for
// a path that is not relative, or without a folder.
std::string PictureBesideMenu(const std::string& menuFolder, const std::string& picturePath);

// The text of the box for a menu file that cannot be read: the file, then
// the system's reason.
std::string MenuLoadFailureText(const std::string& menuPath, const std::string& reason);

// A command names a nested menu when it contains ".lst", case-sensitively.
bool IsNestedMenu(const std::string& candidate);

// A control edge scaled when the dialog is fitted to its picture: the list and
// the combo round to the nearest pixel, the description and the exit link
// round down.
LONG ScaleEdge(LONG edge, double factor, bool roundToNearest);
RECT ScaleRect(const RECT& rect, double sx, double sy, bool roundToNearest);
