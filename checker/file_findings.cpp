#include "checker/file_findings.h"

#include "app/main_window_rules.h"
#include "checker/checker_text.h"
#include "checker/command_probe.h"
#include "graphics/draw_surface.h"

#include <cstdlib>

namespace {

std::string PictureSize(const CDrawSurface7& picture)
{
    const SIZE size = picture.GetSize();
    return std::to_string(size.cx) + " x " + std::to_string(std::labs(size.cy));
}

void ReportPicture(const std::string& path, int line, bool startupMenu, FindingSink& sink)
{
    const std::string quoted = Quoted(Utf8FromAnsi(path));
    CDrawSurface7 picture;
    if (!FileOrFolderExists(path)) {
        sink.Warning(line, "the picture " + quoted + " does not exist (pictures are found against the "
                           "folder of kiveron.exe); the window keeps the picture it has, or none");
    } else if (!picture.LoadBitmapFile(path)) {
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

const char* CandidatePlace(std::size_t candidate)
{
    return candidate == 1 ? "after the folder of kiveron.exe" : "as written, in the current folder or the Windows folders";
}

std::string Places(const std::vector<std::string>& candidates)
{
    std::string places;
    for (std::size_t i = 0; i < candidates.size(); ++i)
        places += (i == 0 ? "" : i + 1 == candidates.size() ? " and " : ", ") + Quoted(Utf8FromAnsi(candidates[i]));
    return places;
}

// What happened along the candidates: the finding it is worth, if any.
struct CommandTrail {
    bool started = false;
    bool triedMenu = false;
    std::string loadError;
};

void FollowCandidates(const std::string& command, const std::vector<std::string>& candidates,
                      int line, const NestedMenuOpener& openMenu, CommandTrail& trail,
                      FindingSink& sink)
{
    for (std::size_t i = 0; i < candidates.size() && !trail.started; ++i) {
        const LaunchProbe probe = ProbeCandidate(candidates[i]);
        if (probe.kind == LaunchKind::NestedMenu) {
            trail.triedMenu = true;
            std::string warning;
            trail.started = FileOrFolderExists(probe.target) &&
                            openMenu(probe.target, trail.loadError, warning);
            if (!warning.empty())
                sink.Warning(line, warning);
        } else if (probe.kind != LaunchKind::Nothing) {
            trail.started = true;
            if (i > 0)
                sink.Note(line, "the command " + Quoted(Utf8FromAnsi(command)) +
                                    (probe.kind == LaunchKind::Program ? " starts " : " opens ") +
                                    Quoted(Utf8FromAnsi(probe.target)) + ", found " + CandidatePlace(i));
        }
    }
}

void ReportCommand(const std::string& command, int line, const std::string& modulePath,
                   const NestedMenuOpener& openMenu, FindingSink& sink)
{
    const std::string quoted = Quoted(Utf8FromAnsi(command));
    if (IsShellUrl(command)) {
        sink.Note(line, "the command " + quoted + " is opened by the shell as an address; it is not checked");
        return;
    }
    const std::vector<std::string> candidates = LaunchCandidates(modulePath, command);
    CommandTrail trail;
    FollowCandidates(command, candidates, line, openMenu, trail, sink);
    if (trail.started)
        return;
    if (!trail.loadError.empty())
        sink.Error(line, "the nested menu " + quoted + " cannot be read: " + Utf8FromAnsi(trail.loadError));
    else if (trail.triedMenu)
        sink.Warning(line, "the nested menu " + quoted + " is found at none of " + Places(candidates) +
                               "; choosing the entry shows an error box");
    else
        sink.Warning(line, "the command " + quoted + " finds nothing to start or open at " +
                               Places(candidates) + "; choosing the entry does nothing");
}

} // namespace

void ReportPictureFindings(const MenuLineLog& log, const PictureMap& pictures, bool startupMenu,
                           FindingSink& sink)
{
    for (const PictureMap::value_type& picture : pictures) {
        const int line = log.ValueLine(SectionState::Main, MenuLineLog::kNoRecord, L"Picture", &picture.first);
        if (line > 0)
            ReportPicture(picture.second, line, startupMenu, sink);
    }
}

void ReportCommandFindings(const MenuLineLog& log, const std::vector<MenuElement>& elements,
                           const std::string& modulePath, const NestedMenuOpener& openMenu,
                           FindingSink& sink)
{
    for (std::size_t i = 0; i < elements.size() && i < log.ElementHeaders().size(); ++i) {
        const int header = log.ElementHeaders()[i];
        if (elements[i].command.empty()) {
            sink.Warning(header, "this entry gives no Command; choosing it does nothing");
            continue;
        }
        const int line = log.ValueLine(SectionState::Element, static_cast<int>(i), L"Command");
        ReportCommand(elements[i].command, line > 0 ? line : header, modulePath, openMenu, sink);
    }
}
