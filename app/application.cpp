#include "app/application.h"

#include "app/dispatch_guard.h"
#include "app/main_window.h"
#include "platform/text_helpers.h"


bool InitApplication(HINSTANCE)
{
    return true;
}

Application::Application(HINSTANCE instance)
    : instance(instance), mainWindow(nullptr)
{
}

Application::~Application()
{
    delete mainWindow;
}

const std::string& Application::Title()
{
    static const std::string title = "Kiveron";
    return title;
}

int Application::Run()
{
    mainWindow = new MainWindow(this);
    if (!mainWindow->Create()) {
        // Nothing would ever post the quit message: say why and end.
        const std::string reason = SystemErrorText(GetLastError());
        delete mainWindow;
        mainWindow = nullptr;
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
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }

    delete mainWindow;
    mainWindow = nullptr;

    if (std::exception_ptr pending = TakePendingException())
        std::rethrow_exception(pending);
    // Only the quit message carries the exit code; after a failed GetMessage
    // the structure still holds the last message dispatched.
    return received == 0 ? static_cast<int>(message.wParam) : 0;
}
