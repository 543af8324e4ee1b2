#pragma once
#include <windows.h>

// Device-context settings that last for a scope: each is made on construction
// and the previous one is put back on destruction.

// A GDI object selected into a device context.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc(dc), previous(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc, previous); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc;
    HGDIOBJ previous;
};

// A background mode.
class BackgroundMode {
public:
    BackgroundMode(HDC dc, int mode) : dc(dc), previous(SetBkMode(dc, mode)) {}
    ~BackgroundMode() { SetBkMode(dc, previous); }
    BackgroundMode(const BackgroundMode&) = delete;
    BackgroundMode& operator=(const BackgroundMode&) = delete;

private:
    HDC dc;
    int previous;
};
