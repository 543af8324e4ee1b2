#pragma once
#include <windows.h>

// A memory device context compatible with a reference context (the screen
// for a null one), for copying bitmaps; deleted on destruction. A failed
// CreateCompatibleDC leaves a null context. Whoever selects a bitmap into it
// selects the previous one back before the scope ends.
class MemoryDC {
public:
    explicit MemoryDC(HDC reference);
    ~MemoryDC();
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Handle() const { return dc; }

private:
    HDC dc;
};
