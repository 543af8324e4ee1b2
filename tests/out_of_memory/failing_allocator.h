#pragma once
#include <cstddef>

// The executable's global operator new counts its calls and, once armed,
// throws std::bad_alloc on the nth one, as a system out of memory would at
// that point.

// Arms the allocator: the nth allocation from now on fails (1: the next),
// calling onFailure first (it must not allocate).
void FailAllocation(
    std::size_t nth, void (*onFailure)() = [] {});
// Disarms it; returns whether the armed allocation failed.
bool StopFailing();
