#pragma once
#include <cstddef>

// The executable's global operator new counts its calls and, once armed,
// throws std::bad_alloc on the nth one, as a system out of memory would at
// that point.

// Arms the allocator: the nth allocation from now on fails (1: the next;
// 0 disarms it). Returns whether the allocation armed before failed.
bool FailAllocation(std::size_t nth);
