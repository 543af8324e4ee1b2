#include "checker/file_findings.h"

#include "app/main_window_rules.h"
#include "checker/checker_text.h"
#include "checker/command_probe.h"
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

void ReportPicture(const std::string& path, int line, bool startupMenu, const DiscRoot& disc,
                   FindingSink& sink)
{
    const std::string quoted = Quoted(Utf8FromAnsi(path));
    const std::string file = disc.FileOf(path);
    CDrawSurface7 picture;
    if (!FileOrFolderExists(file)) {
        sink.Warning(line, "the picture " + quoted + " does not exist (pictures are found from the "
                           "current folder, the root of the disc); the window keeps the picture "
                           "it has, or none");
    } else if (!picture.LoadBitmapFile(file)) {
        sink.Warning(line, "the picture " + quoted + " is not a BMP file Kiveron can show (uncompressed, "
                           "1 to 32 bits per pixel, 40-byte header); the window keeps the picture it "
                           "has, or none");
    } else if (startupMenu) {
        sink.Note(line, "the picture " + quoted + " is " + PictureSize(picture) + " pixels; when Kiveron "
                        "starts with it, the window's client area is fitted to " + PictureSize(picture));
    } else {
        sink.Note(line, "the picture " + quoted + " is " + PictureSize(picture) + " pixels; the window "
                        "keeps the size it was given at start");
    }
}

// True, with a note, for a name that this system cannot look for as the
// system the menu is checked for names it.
bool CannotLookFor(const std::string& name, const MenuLineReport& line, unsigned codePage,
                   FindingSink& sink)
{
    if (codePage == GetACP() || CodePageToWide(name, CP_ACP) == line.value)
        return false;
    sink.Note(line.number, Quoted(line.value) + " is not looked for: the ANSI code page of this "
                           "system (" + std::to_string(GetACP()) + ") cannot hold its characters; "
                           "check it on a system with code page " + std::to_string(codePage));
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

void ReportCommand(const std::string& command, int line, const DiscRoot& disc,
                   const NestedMenuOpener& openMenu, FindingSink& sink)
{
    const std::string quoted = Quoted(Utf8FromAnsi(command));
    // Kiveron asks whether a command names a menu before anything else.
    if (IsShellUrl(command) && !IsNestedMenu(command)) {
        sink.Note(line, "the command " + quoted + " is opened by the shell as an address; it is not checked");
        return;
    }
    const std::vector<std::string> candidates = LaunchCandidates(disc.ModulePath(), command);
    CommandTrail trail;
    FollowCandidates(command, candidates, line, disc, openMenu, trail, sink);
    if (trail.started)
        return;
    if (!trail.loadError.empty())
        sink.Error(line, "the nested menu " + quoted + " cannot be read: " + Utf8FromAnsi(trail.loadError));
    else if (trail.triedMenu)
        sink.Warning(line, "the nested menu " + quoted + " is found neither from the root of the disc "
                           "nor as written; choosing the entry shows an error box");
    else
        sink.Warning(line, "the command " + quoted + " finds nothing to start or open, neither from "
                           "the root of the disc nor as written; choosing the entry does nothing");
}

} // namespace

void ReportPictureFindings(const MenuLineLog& log, const PictureMap& pictures, bool startupMenu,
                           const DiscRoot& disc, unsigned codePage, FindingSink& sink)
{
    for (const PictureMap::value_type& picture : pictures) {
        const int line = log.ValueLine(SectionState::Main, MenuLineLog::kNoRecord, L"Picture", picture.first);
        if (line > 0 && !CannotLookFor(picture.second, log.LineNumbered(line), codePage, sink))
            ReportPicture(picture.second, line, startupMenu, disc, sink);
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
