#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The language code for the primary language of a user's language id; the
// languages we have no table entry for get "en".
std::string LanguageCodeForUser(LANGID userLanguage);

// The start-up language: the user's code if the menu declares it, else "en"
// if declared, else "*" (no particular language). Codes compare byte for byte.
std::string ChooseStartupLanguage(const std::vector<std::string>& declaredLocales,
                                  LANGID userLanguage);
