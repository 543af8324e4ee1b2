// Linked into a copy of kiveron.exe with the failing allocator: the number
// after "fail-allocation=" on its command line is the allocation that fails,
// counted from the program's start. The program itself reads no arguments.
// When the failure comes, the file "allocation-failed" appears in the current
// folder, so that a test knows the program met it.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "../failing_allocator.h"

namespace {

void LeaveMark()
{
    CloseHandle(CreateFileA("allocation-failed", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
}

const bool armed = [] {
    const char* const found = std::strstr(GetCommandLineA(), "fail-allocation=");
    if (found != nullptr)
        FailAllocation(std::strtoul(found + std::strlen("fail-allocation="), nullptr, 10),
                       LeaveMark);
    return found != nullptr;
}();

} // namespace
