#pragma once
#include <windows.h>

#include <string>

// What a screen reader reads of the skinned controls. The system's
// accessibility proxies take a control's name or value from its window text
// and an item's name from the control's own item strings, while the skinned
// controls draw from texts they keep themselves; these keep the system's
// copies in step. Texts go in and out in the character set of the window
// procedures: UTF-16 on the NT family, the ANSI code page elsewhere.

// Stores the window text through the default window procedure, past the
// control's own: a static control would draw the new text at once, over the
// old one, before its owner has painted the picture under it again. A null
// window is left alone.
void StoreWindowText(HWND window, const std::wstring& text);

// Tells the readers that listen for events that the window's name changed.
// Looked up at run time: Windows 95 and NT 4.0 do not have the call.
void AnnounceNameChange(HWND window);

// The answer to a request for a text (WM_GETTEXT, CB_GETLBTEXT): copies at
// most capacity - 1 characters and a terminating zero into the caller's
// buffer and returns the number of characters copied, without the zero.
LRESULT CopyTextOut(const std::wstring& text, size_t capacity, LPARAM buffer);
// The length that such a request needs, without the terminating zero.
LRESULT TextLengthOut(const std::wstring& text);
