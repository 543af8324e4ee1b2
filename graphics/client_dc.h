#pragma once
#include <windows.h>

// The client-area device context of a window (of the screen for a null
// window), held from construction to destruction. A failed GetDC leaves a
// null context, which the destructor then does not release.
class ClientDC {
public:
    explicit ClientDC(HWND window);
    ~ClientDC();
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;

    HDC Handle() const { return dc; }

private:
    HWND window;
    HDC dc;
};
