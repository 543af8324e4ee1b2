// The sample disc's demo program: a stand-in for the installer or viewer a
// real disc would offer. It shows in a small box that it was started from the
// disc, where it lies and which arguments the menu gave it, and ends.
// ANSI calls only, so that the same program runs on every Windows version
// the menu itself runs on.
#include <windows.h>

#include <string>

namespace {

std::string OwnPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// The command line without the program's own name, which comes first, in
// quotes when it holds blanks.
std::string Arguments()
{
    const char* text = GetCommandLineA();
    if (*text == '"') {
        ++text;
        while (*text != '\0' && *text != '"')
            ++text;
        if (*text == '"')
            ++text;
    } else {
        while (*text != '\0' && *text != ' ' && *text != '\t')
            ++text;
    }
    while (*text == ' ' || *text == '\t')
        ++text;
    return text;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::string arguments = Arguments();
    const std::string message = "This demo program was started from the sample disc.\n\n"
                                "Program: " +
                                OwnPath() +
                                "\n"
                                "Arguments: " +
                                (arguments.empty() ? "(none)" : arguments);
    MessageBoxA(nullptr, message.c_str(), "Kiveron sample disc", MB_OK | MB_ICONINFORMATION);
    return 0;
}
