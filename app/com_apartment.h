#pragma once
#include <windows.h>

// COM on the calling thread, entered on first need and left when the object
// goes. The shell's handlers may use COM and ask their caller to have entered
// it, apartment-threaded; OLE1 DDE stays off, as the shell recommends. ole32
// is loaded at run time, so the program imports and loads no more at start
// than before and pays for COM only when it opens something through the shell.
class ComApartment {
public:
    ComApartment() = default;
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // Enters COM on the first call; later calls do nothing. True when COM
    // is entered on this thread, by this object or already before it.
    bool Enter();

private:
    bool tried = false;
    bool entered = false;
    // Set when this object's own call must be balanced.
    HMODULE ole32 = nullptr;
};
