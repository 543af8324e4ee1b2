#pragma once
#include <string>

// Why Kiveron's picture loader refused a file, told from the file's first
// bytes (at least its headers when it has them), and how an author makes a
// picture that it shows. fileName is the name the menu gives, used in the
// example command.
struct PictureDiagnosis {
    std::string reason; // "is a PNG file renamed", "has an OS/2 1.x header", ...
    std::string fix;    // what to do about it, with a command to do it
};

PictureDiagnosis DiagnosePicture(const std::string& firstBytes, const std::string& fileName);
