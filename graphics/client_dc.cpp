#include "graphics/client_dc.h"

ClientDC::ClientDC(HWND window) : window(window), dc(GetDC(window)) {}

ClientDC::~ClientDC()
{
    if (dc != nullptr)
        ReleaseDC(window, dc);
}
