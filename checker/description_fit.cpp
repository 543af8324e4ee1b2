#include "checker/description_fit.h"

#include "platform/dispatch_guard.h"
#include "menu/input_data_exception.h"

DescriptionFit::DescriptionFit(HINSTANCE instance, const std::string& startupMenuPath)
    : application(instance), menuPath(startupMenuPath)
{
}

DescriptionFit::~DescriptionFit()
{
    windows.clear();
    // Each destroyed dialog posted the quit message that ends Kiveron's loop;
    // here it would end the next loop of the process instead.
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    TakePendingException();
}

bool DescriptionFit::Fits(const std::string& language, const std::wstring& description)
{
    MainWindow* window = WindowFor(language);
    return window == nullptr || window->Description().Fits(description);
}

MainWindow* DescriptionFit::WindowFor(const std::string& language)
{
    std::unique_ptr<MainWindow>& window = windows[language];
    if (!window) {
        try {
            window.reset(new MainWindow(&application, menuPath, language));
        } catch (const InputDataException&) {
            return nullptr;
        }
        if (!window->Create(MainWindow::Visibility::Hidden))
            return nullptr;
    }
    return window->Dialog() != nullptr ? window.get() : nullptr;
}
