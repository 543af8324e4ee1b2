#pragma once
#include <windows.h>

#include <vector>

// A dialog created from a template whose own style holds WS_VISIBLE is shown
// by the dialog manager as soon as it is initialised. A copy of the template
// without that bit gives the same dialog, never shown.

// Clears WS_VISIBLE in the dialog's style, in the classic and in the extended
// template layout alike; false when the bytes are too few to hold a style.
bool ClearVisibleStyle(std::vector<BYTE>& dialogTemplate);

// A copy of the dialog template resource id with WS_VISIBLE cleared, aligned
// as CreateDialogIndirectParam needs it; empty when there is no such resource.
std::vector<BYTE> HiddenDialogTemplate(HINSTANCE instance, int id);
