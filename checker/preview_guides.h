#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The areas of the main dialog that Kiveron draws over the picture, where a
// picture should leave room: the list, the description, the language
// chooser and the exit link, each in the dialog's client coordinates.
struct PreviewGuide {
    const char* name; // "list", "description", "languages", "exit link"
    COLORREF colour;
    RECT area;
};

// The visible ones of the four, as the dialog has laid them out over its
// picture.
std::vector<PreviewGuide> DialogGuides(HWND dialog);

// Frames each area in its colour, one pixel inside its edge, with its name
// in its top-left corner.
void DrawGuides(const std::vector<PreviewGuide>& guides, HDC dc);
