#include "app/launch_candidates.h"

std::string MenuFilePathBeside(const std::string& modulePath)
{
    // Drive and directory without the file name; the directory's trailing
    // separator goes, so that a root folder does not give a doubled one.
    const std::string::size_type separator = modulePath.find_last_of("\\/");
    std::string folder;
    if (separator != std::string::npos)
        folder = modulePath.substr(0, separator);
    else if (modulePath.size() >= 2 && modulePath[1] == ':')
        folder = modulePath.substr(0, 2);
    return folder + "\\kiveron.lst";
}

namespace {

// The drive ("E:") and the directory with its trailing separator
// ("\\menu\\") of a module path, as the C library splits a path.
void SplitDriveAndDirectory(const std::string& path, std::string& drive, std::string& directory)
{
    std::string::size_type start = 0;
    drive.clear();
    if (path.size() >= 2 && path[1] == ':') {
        drive = path.substr(0, 2);
        start = 2;
    }
    const std::string::size_type separator = path.find_last_of("\\/");
    if (separator != std::string::npos && separator >= start)
        directory = path.substr(start, separator + 1 - start);
    else
        directory.clear();
}

} // namespace

std::vector<std::string> LaunchCandidates(const std::string& modulePath, const std::string& command)
{
    std::string drive, directory;
    SplitDriveAndDirectory(modulePath, drive, directory);
    return {drive + command, drive + directory + command, command};
}

bool IsNestedMenu(const std::string& candidate)
{
    return candidate.find(".lst") != std::string::npos;
}

std::string PictureBesideMenu(const std::string& menuFolder, const std::string& picturePath)
{
    const bool rooted = !picturePath.empty() && (picturePath[0] == '\\' || picturePath[0] == '/');
    const bool onDrive = picturePath.size() >= 2 && picturePath[1] == ':';
    if (menuFolder.empty() || picturePath.empty() || rooted || onDrive)
        return std::string();
    return menuFolder + "\\" + picturePath;
}

std::string MenuLoadFailureText(const std::string& menuPath, const std::string& reason)
{
    return "The menu file " + menuPath + " cannot be read.\r\n\r\n" + reason;
}
