#pragma once
#include <windows.h>

// Private messages that the controls send to the main dialog (lParam 0).
enum : UINT {
    UM_CURRENTITEM = 0x1400,   // wParam: the row now current, or -1
    UM_ACTIVATEITEM = 0x1401,  // wParam: the row the user activated
    UM_EXITLINKCLICK = 0x1500, // wParam: 0
};
