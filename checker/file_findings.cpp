#include "checker/file_findings.h"

#include "app/launch_candidates.h"
#include "checker/checker_text.h"
#include "checker/command_probe.h"
#include "checker/encoding_findings.h"
#include "checker/picture_diagnosis.h"
#include "graphics/draw_surface.h"
#include "platform/text_layer.h"

#include <windows.h>

#include <cstdlib>

namespace {

std::string PictureSize(const CDrawSurface7& picture)
{
    const SIZE size = picture.GetSize();
    return std::to_string(size.cx) + " x " + std::to_string(std::labs(size.cy));
}

// The first bytes of a file, enough for its headers.
std::string Headers(const std::string& file)
{
    std::string bytes;
    ReadFileBytes(file, bytes);
    return bytes.substr(0, 64);
}

bool SameSize(SIZE a, SIZE b)
{
    return a.cx == b.cx && std::labs(a.cy) == std::labs(b.cy);
}

// The start picture that fits the window for the language a nested menu's
// picture is given for, as Kiveron picks it: that language's, else the one
// for any language. Empty when there is none or it does not load.
bool StartPicture(const PictureMap& start, const std::string& language, const DiscRoot& disc,
                  CDrawSurface7& picture, std::string& name)
{
    PictureMap::const_iterator found = start.find(language);
    if (found == start.end())
        found = start.find("*");
    if (found == start.end() || !picture.LoadBitmapFile(disc.FileOf(found->second)))
        return false;
    name = found->second;
    return true;
}

void ReportNestedPictureSize(const CDrawSurface7& picture, const std::string& quoted, int line,
                             const PictureMap& start, const std::string& language,
                             const DiscRoot& disc, FindingSink& sink)
{
    CDrawSurface7 startPicture;
    std::string startName;
    if (StartPicture(start, language, disc, startPicture, startName) &&
        !SameSize(picture.GetSize(), startPicture.GetSize())) {
        sink.Warning(line, "the picture " + quoted + " is " + PictureSize(picture) +
                               " pixels, but the window "
                               "keeps the " +
                               PictureSize(startPicture) + " of the start picture " +
                               Quoted(Utf8FromAnsi(startName)) +
                               "; the picture is stretched or cut to fit");
        return;
    }
    sink.Note(line, "the picture " + quoted + " is " + PictureSize(picture) +
                        " pixels; the window "
                        "keeps the size it was given at start");
}

void ReportPicture(const std::string& language, const std::string& path, int line,
                   const PictureMap& start, bool startupMenu, const DiscRoot& disc,
                   FindingSink& sink)
{
    const std::string quoted = Quoted(Utf8FromAnsi(path));
    const std::string file = disc.FileOf(path);
    CDrawSurface7 picture;
    if (!FileOrFolderExists(file)) {
        sink.Warning(line,
                     "the picture " + quoted +
                         " does not exist (pictures are found from the "
                         "current folder, the root of the disc); the window keeps the picture "
                         "it has, or none");
    } else if (!picture.LoadBitmapFile(file)) {
        const PictureDiagnosis diagnosis = DiagnosePicture(Headers(file), Utf8FromAnsi(path));
        sink.Warning(line, "the picture " + quoted + " " + diagnosis.reason +
                               ", so Kiveron cannot show it "
                               "and the window keeps the picture it has, or none; " +
                               diagnosis.fix);
    } else if (startupMenu) {
        sink.Note(line, "the picture " + quoted + " is " + PictureSize(picture) +
                            " pixels; when Kiveron "
                            "starts with it, the window's client area is fitted to " +
                            PictureSize(picture));
    } else {
        ReportNestedPictureSize(picture, quoted, line, start, language, disc, sink);
    }
}

// True, with a note, for a name that this system cannot look for as the
// system the menu is checked for names it.
bool CannotLookFor(const std::string& name, const MenuLineReport& line, unsigned codePage,
                   FindingSink& sink)
{
    if (codePage == GetACP() || CodePageToWide(name, CP_ACP) == line.value)
        return false;
    sink.Note(line.number, Quoted(line.value) +
                               " is not looked for: the ANSI code page of this "
                               "system (" +
                               std::to_string(GetACP()) +
                               ") cannot hold its characters; "
                               "check it on a system with code page " +
                               std::to_string(codePage));
    return true;
}

// What happened along the candidates: the finding it is worth, if any.
struct CommandTrail {
    bool started = false;
    bool triedMenu = false;
    std::string loadError;
};

// Only the last candidate, the command as written, leaves the medium: what
// it finds depends on the user's system.
void NoteFoundAsWritten(const std::string& command, const LaunchProbe& probe, int line,
                        FindingSink& sink)
{
    sink.Note(line, "the command " + Quoted(Utf8FromAnsi(command)) +
                        (probe.kind == LaunchKind::Program ? " starts " : " opens ") +
                        Quoted(Utf8FromAnsi(probe.target)) +
                        ", found only as written: in the Windows folders or on the user's system, "
                        "not on the disc");
}

void FollowCandidates(const std::string& command, const std::vector<std::string>& candidates,
                      int line, const DiscRoot& disc, const NestedMenuOpener& openMenu,
                      CommandTrail& trail, FindingSink& sink)
{
    for (std::size_t i = 0; i < candidates.size() && !trail.started; ++i) {
        const LaunchProbe probe = ProbeCandidate(candidates[i], disc);
        if (probe.kind == LaunchKind::NestedMenu) {
            trail.triedMenu = true;
            std::string warning;
            trail.started = FileOrFolderExists(probe.target) &&
                            openMenu(probe.target, trail.loadError, warning);
            if (!warning.empty())
                sink.Warning(line, warning);
        } else if (probe.kind != LaunchKind::Nothing) {
            trail.started = true;
            const bool onDisc = disc.NameFromRoot(probe.target) != probe.target;
            if (i + 1 == candidates.size() && !onDisc)
                NoteFoundAsWritten(command, probe, line, sink);
        }
    }
}

// ".LST" or ".Lst": the author meant a menu, but Kiveron's test for one is
// case-sensitive.
bool HasMenuExtensionInCapitals(const std::string& command)
{
    std::string lower = command;
    for (char& c : lower)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return !IsNestedMenu(command) && lower.find(".lst") != std::string::npos;
}

// "%WINDIR%\notepad.exe": a name between two percent signs.
bool HasEnvironmentVariable(const std::string& command)
{
    const std::string::size_type open = command.find('%');
    const std::string::size_type close =
        open == std::string::npos ? open : command.find('%', open + 1);
    return close != std::string::npos && close > open + 1;
}

void ReportCommand(const std::string& command, int line, const DiscRoot& disc,
                   const NestedMenuOpener& openMenu, FindingSink& sink)
{
    const std::string quoted = Quoted(Utf8FromAnsi(command));
    if (HasMenuExtensionInCapitals(command))
        sink.Warning(
            line, "the command " + quoted +
                      " is started as a program or opened as a document, "
                      "not as a nested menu: Kiveron's test for \".lst\" is case-sensitive; write "
                      "the extension in small letters");
    // Kiveron asks whether a command names a menu before anything else.
    if (IsShellUrl(command) && !IsNestedMenu(command)) {
        sink.Note(line, "the command " + quoted +
                            " is opened by the shell as an address; it is not checked");
        return;
    }
    const std::vector<std::string> candidates = LaunchCandidates(disc.ModulePath(), command);
    CommandTrail trail;
    FollowCandidates(command, candidates, line, disc, openMenu, trail, sink);
    if (trail.started)
        return;
    if (HasEnvironmentVariable(command) && !trail.triedMenu)
        sink.Note(line, "the command " + quoted +
                            " names %VARIABLES% that the user's system expands "
                            "when the shell starts it; it is not checked here");
    else if (!trail.loadError.empty())
        sink.Error(line, "the nested menu " + quoted +
                             " cannot be read: " + Utf8FromAnsi(trail.loadError));
    else if (trail.triedMenu)
        sink.Warning(line, "the nested menu " + quoted +
                               " is found neither from the root of the disc "
                               "nor as written; choosing the entry shows an error box");
    else
        sink.Warning(line,
                     "the command " + quoted +
                         " finds nothing to start or open, neither from "
                         "the root of the disc nor as written; choosing the entry does nothing");
}

} // namespace

void ReportPictureFindings(const MenuLineLog& log, const PictureMap& pictures,
                           const PictureMap& startPictures, bool startupMenu, const DiscRoot& disc,
                           unsigned codePage, FindingSink& sink)
{
    for (const PictureMap::value_type& picture : pictures) {
        const int line =
            log.ValueLine(SectionState::Main, MenuLineLog::kNoRecord, L"Picture", picture.first);
        if (line > 0 && !CannotLookFor(picture.second, log.LineNumbered(line), codePage, sink))
            ReportPicture(picture.first, picture.second, line, startPictures, startupMenu, disc,
                          sink);
    }
}

void ReportCommandFindings(const MenuLineLog& log, const std::vector<MenuElement>& elements,
                           const DiscRoot& disc, unsigned codePage,
                           const NestedMenuOpener& openMenu, FindingSink& sink)
{
    for (std::size_t i = 0; i < elements.size() && i < log.ElementHeaders().size(); ++i) {
        const int header = log.ElementHeaders()[i];
        if (elements[i].command.empty()) {
            sink.Warning(header, "this entry gives no Command; choosing it does nothing");
            continue;
        }
        // An entry's command is always one that a Command line gave.
        const int line = log.ValueLine(SectionState::Element, static_cast<int>(i), L"Command");
        if (!CannotLookFor(elements[i].command, log.LineNumbered(line), codePage, sink))
            ReportCommand(elements[i].command, line, disc, openMenu, sink);
    }
}
