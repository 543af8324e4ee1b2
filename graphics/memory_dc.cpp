#include "graphics/memory_dc.h"

MemoryDC::MemoryDC(HDC reference) : dc(CreateCompatibleDC(reference)) {}

MemoryDC::~MemoryDC()
{
    if (dc != nullptr)
        DeleteDC(dc);
}
