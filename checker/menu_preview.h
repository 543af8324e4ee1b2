#pragma once
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
// written. With a guidesPath, the same preview is saved there once more
// with the areas of the list, the description, the language chooser and
// the exit link framed over it.
bool WriteMenuPreview(HINSTANCE instance, const std::string& menuPath, const std::string& language,
                      const std::string& bmpPath, std::string& error,
                      const std::string& guidesPath = std::string());

// The file name of the preview for a language code: "preview-de.bmp"; the
// code "*" (a menu without languages) gives
// "preview-without-languages.bmp", and characters that a file name cannot
// hold become "_".
std::string PreviewFileName(const std::string& language);
// The same with "-guides" before the extension.
std::string GuidesFileName(const std::string& language);
