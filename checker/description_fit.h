#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "app/application.h"
#include "app/main_window.h"

// Whether a description fits the description label of the real dialog, as
// Kiveron shows it at start in a language (fitted to that language's
// picture). Each language's dialog is made once, hidden, on first use.
class DescriptionFit {
public:
    DescriptionFit(HINSTANCE instance, const std::string& startupMenuPath);
    ~DescriptionFit();
    DescriptionFit(const DescriptionFit&) = delete;
    DescriptionFit& operator=(const DescriptionFit&) = delete;

    // True too when the dialog cannot be made: nothing is known then.
    bool Fits(const std::string& language, const std::wstring& description);

private:
    MainWindow* WindowFor(const std::string& language);

    Application application;
    std::string menuPath;
    std::map<std::string, std::unique_ptr<MainWindow>> windows;
};
