#include "checker/menu_preview.h"

#include "app/application.h"
#include "platform/dispatch_guard.h"
#include "app/main_window.h"
#include "checker/preview_canvas.h"
#include "checker/preview_guides.h"
#include "checker/window_print.h"
#include "menu/input_data_exception.h"

#include <exception>
#include <memory>

namespace {

// Destroying the dialog posts a quit message, as it ends the program's loop;
// here it would end the next loop of the process instead.
void DiscardQuitMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

// An exception that a window procedure kept while the dialog was made or
// printed, as an error text; false when there was none.
bool TakeDialogFailure(std::string& error)
{
    const std::exception_ptr pending = TakePendingException();
    if (!pending)
        return false;
    try {
        std::rethrow_exception(pending);
    } catch (const InputDataException& failure) {
        error = failure.Message();
    } catch (const std::exception& failure) {
        error = failure.what();
    } catch (...) {
        error = "the dialog failed while it was painted";
    }
    return true;
}

bool IsFileNameCharacter(char c)
{
    return static_cast<unsigned char>(c) >= 32 &&
           std::string("<>:\"/\\|?*").find(c) == std::string::npos;
}

} // namespace

bool WriteMenuPreview(HINSTANCE instance, const std::string& menuPath, const std::string& language,
                      const std::string& bmpPath, std::string& error, const std::string& guidesPath)
{
    Application application(instance);
    std::unique_ptr<MainWindow> window;
    try {
        window.reset(new MainWindow(&application, menuPath, language));
    } catch (const InputDataException& failure) {
        error = menuPath + ": " + failure.Message();
        return false;
    }
    window->Create(MainWindow::Visibility::Hidden);
    if (!window->Dialog()) {
        error = "the dialog cannot be created";
        return false;
    }

    RECT client;
    GetClientRect(window->Dialog(), &client);
    PreviewCanvas canvas(client.right, client.bottom);
    if (canvas.Handle())
        PrintWindowClient(window->Dialog(), canvas.Handle());
    const std::vector<PreviewGuide> guides = DialogGuides(window->Dialog());
    window.reset();
    DiscardQuitMessages();
    if (TakeDialogFailure(error) || !canvas.Save(bmpPath, error))
        return false;
    if (guidesPath.empty())
        return true;
    if (canvas.Handle())
        DrawGuides(guides, canvas.Handle());
    return canvas.Save(guidesPath, error);
}

std::string GuidesFileName(const std::string& language)
{
    const std::string name = PreviewFileName(language);
    return name.substr(0, name.size() - 4) + "-guides.bmp";
}

std::string PreviewFileName(const std::string& language)
{
    std::string name = language == "*" ? "without-languages" : language;
    for (char& c : name) {
        if (!IsFileNameCharacter(c))
            c = '_';
    }
    return "preview-" + name + ".bmp";
}
