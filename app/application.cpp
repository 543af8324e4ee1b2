#include "app/application.h"

#include "platform/dispatch_guard.h"
#include "app/main_window.h"
#include "platform/text_helpers.h"

namespace {

// Alt+F4 pressed in one of the dialog's controls.
bool IsCloseKey(const MSG& message, HWND dialog)
{
    return message.message == WM_SYSKEYDOWN && message.wParam == VK_F4 && dialog != nullptr &&
           message.hwnd != dialog && IsChild(dialog, message.hwnd);
}

} // namespace

bool InitApplication(HINSTANCE)
{
    return true;
}

Application::Application(HINSTANCE instance) : instance(instance) {}

// Here, where MainWindow is complete.
Application::~Application() = default;

const std::string& Application::Title()
{
    static const std::string title = "Kiveron";
    return title;
}

int Application::Run()
{
    mainWindow.reset(new MainWindow(this));
    if (!mainWindow->Create()) {
        // Nothing would ever post the quit message: say why and end.
        const std::string reason = SystemErrorText(GetLastError());
        mainWindow.reset();
        MessageBoxA(nullptr, reason.c_str(), Title().c_str(), MB_ICONERROR);
        return 0;
    }

    // The ANSI loop without IsDialogMessage: keys go straight to the focused
    // control, so the dialog has no Tab navigation and no default Enter or
    // Escape; the menu list handles Enter itself. GetMessage answers -1 on
    // an error, which must end the loop rather than spin it.
    MSG message = {};
    BOOL received;
    while ((received = GetMessageA(&message, nullptr, 0, 0)) > 0) {
        if (IsCloseKey(message, mainWindow->Dialog())) {
            // Some controls (the drop-down combo among them) keep Alt+F4 to
            // themselves; the dialog closes whichever control has the focus.
            PostMessageA(mainWindow->Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }

    mainWindow.reset();

    if (std::exception_ptr pending = TakePendingException())
        std::rethrow_exception(pending);
    // Only the quit message carries the exit code; after a failed GetMessage
    // the structure still holds the last message dispatched.
    return received == 0 ? static_cast<int>(message.wParam) : 0;
}
