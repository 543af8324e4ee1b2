#include "checker/check_options.h"
#include "checker/check_report.h"
#include "checker/menu_checker.h"

#include <windows.h>

#include <iostream>
#include <string>
#include <vector>

// kiveron-check [--preview DIR] [--codepage N] path\to\kiveron.lst
//
// Exit status: 0 when the menu needs no change, 1 with warnings, 2 with an
// error (a menu that cannot be read, a preview not written) or wrong arguments.
int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    CheckOptions options;
    std::string error;
    if (!ParseCheckOptions(arguments, options, error)) {
        std::cerr << "kiveron-check: " << error << "\n" << kCheckUsage << "\n";
        return 2;
    }
    if (options.codePage != 0 && !IsValidCodePage(options.codePage)) {
        std::cerr << "kiveron-check: code page " << options.codePage << " is not installed\n";
        return 2;
    }
    CheckReport report;
    MenuChecker(options, report, GetModuleHandleA(nullptr)).Run();
    report.Write(std::cout);
    return report.ExitStatus();
}
