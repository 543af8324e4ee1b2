#pragma once
#include <string>

// The full path of the running executable in the ANSI code page. Unlike a
// fixed 260-character buffer, a longer path is returned whole.
std::string ModuleFilePath();
