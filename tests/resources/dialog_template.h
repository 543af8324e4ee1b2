#ifndef KIVERON_TESTS_RESOURCES_DIALOG_TEMPLATE_H
#define KIVERON_TESTS_RESOURCES_DIALOG_TEMPLATE_H

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

// A name-or-ordinal field of a dialog template.
struct TemplateName {
    WORD ordinal = 0;  // set when the template stores a number
    std::wstring text; // set when it stores a string
};

struct DialogItemTemplate {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    TemplateName windowClass;
    TemplateName title;
    WORD extraCount = 0;
};

// The fields of an extended dialog template (DLGTEMPLATEEX) and its items,
// read the way the dialog manager reads them.
struct DialogTemplateEx {
    WORD version = 0;
    WORD signature = 0;
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    WORD itemCount = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    TemplateName menu;
    TemplateName windowClass;
    std::wstring title;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring typeface;
    std::vector<DialogItemTemplate> items;
};

// False when the bytes end before the template does.
bool ParseDialogTemplateEx(const BYTE* data, std::size_t size, DialogTemplateEx& dialog);

#endif
