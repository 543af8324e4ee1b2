#pragma once
#include <windows.h>

#include <exception>

// Exceptions must not cross the system's message dispatch: a window procedure
// is called from inside user32, which knows nothing of C++ unwinding. Every
// window and dialog procedure of the program therefore runs its handlers
// through GuardDispatch. An exception that leaves a handler is kept, the
// message loop is told to quit, and Application::Run rethrows the exception
// once the loop has ended, so that it still reaches the entry point.
void KeepPendingException(std::exception_ptr exception);
std::exception_ptr TakePendingException();

template <class Handler>
LRESULT GuardDispatch(Handler&& handler, LRESULT onException = 0) noexcept
{
    try {
        return handler();
    } catch (...) {
        KeepPendingException(std::current_exception());
        PostQuitMessage(0);
        return onException;
    }
}
