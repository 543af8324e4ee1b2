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

const char* const armedAt = std::strstr(GetCommandLineA(), "fail-allocation=");
const bool armed =
    armedAt != nullptr &&
    (FailAllocation(std::strtoul(std::strchr(armedAt, '=') + 1, nullptr, 10), LeaveMark), true);

} // namespace
