#ifndef KIVERON_CHECKER_MENU_PREVIEW_H
#define KIVERON_CHECKER_MENU_PREVIEW_H

#include <windows.h>

#include <string>

// Paints the real dialog for a menu as Kiveron shows it at start-up in the
// given language (fitted to that language's picture, filled from the
// document) without showing it to the user, and saves its client area as a
// 24-bit bottom-up BMP file. The dialog is created hidden from the
// instance's own dialog resource, printed and destroyed again, so one
// process may write one preview after another. Pictures are found as Kiveron
// finds them, against the current directory. False, with the reason in
// error (ANSI code page), when the menu cannot be read or the file cannot be
// written.
bool WriteMenuPreview(HINSTANCE instance, const std::string& menuPath,
                      const std::string& language, const std::string& bmpPath,
                      std::string& error);

// The file name of the preview for a language code: "preview-de.bmp"; the
// code "*" gives "preview-any.bmp", and characters that a file name cannot
// hold become "_".
std::string PreviewFileName(const std::string& language);

#endif
