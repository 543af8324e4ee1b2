// Replaces the global allocation functions of this test executable alone;
// the run-time's array and sized forms call these two.
#include "failing_allocator.h"

#include <cstdlib>
#include <new>

static std::size_t allocationsLeft = 0; // 0: disarmed
static bool failed = false;
static void (*failureHook)() = nullptr;

void FailAllocation(std::size_t nth, void (*onFailure)())
{
    allocationsLeft = nth;
    failureHook = onFailure;
    failed = false;
}

bool StopFailing()
{
    allocationsLeft = 0;
    return failed;
}

void* operator new(std::size_t size)
{
    if (allocationsLeft != 0 && --allocationsLeft == 0) {
        failed = true;
        failureHook();
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
