#include <windows.h>

#include <cstdlib>

#include "app/application.h"
#include "platform/dll_search.h"

// The run-time's default terminate handler prints the demangled type of an
// uncaught exception, and the demangler alone is a sixth of the program. No
// exception leaves WinMain, so a plain abort serves and keeps the program
// small for slow media.
namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
} // namespace __gnu_cxx

// The command line and the show command are not read: the dialog shows
// itself because its template is visible, and the menu file is found beside
// the executable.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR, int)
{
    // First of all: a library planted on the medium beside the program must
    // not be found by whatever loads one by name later on.
    RestrictDllSearch();
    if (previousInstance == nullptr && !InitApplication(instance))
        return 0;
    try {
        Application application(instance);
        return application.Run();
    } catch (...) {
        // Whatever went wrong has been reported where it happened (the menu
        // load shows its own box); the process still ends normally.
        return 0;
    }
}
