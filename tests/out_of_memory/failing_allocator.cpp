// Replaces the global allocation functions of the executable it is linked
// into; the run-time's array and sized forms call these two.
#include "failing_allocator.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

// A copy of the program started with "fail-allocation=N" on its command line
// (the program itself reads no arguments) fails its Nth allocation, counted
// from its start, and leaves the file "allocation-failed" in its current
// folder first, so that a test knows it met it.
static const char* const armedAt = std::strstr(GetCommandLineA(), "fail-allocation=");
static std::size_t allocationsLeft = armedAt ? std::strtoul(armedAt + 16, nullptr, 10) : 0;
static bool failed = false;

bool FailAllocation(std::size_t nth)
{
    allocationsLeft = nth;
    return std::exchange(failed, false);
}

void* operator new(std::size_t size)
{
    if (allocationsLeft != 0 && --allocationsLeft == 0) {
        failed = true;
        if (armedAt != nullptr)
            std::fclose(std::fopen("allocation-failed", "w"));
        throw std::bad_alloc();
    }
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}
