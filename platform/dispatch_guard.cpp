#include "platform/dispatch_guard.h"

namespace {
// Only the first exception counts: later ones are consequences of the first,
// raised while the loop was already on its way out.
std::exception_ptr pendingException;
} // namespace

void KeepPendingException(std::exception_ptr exception)
{
    if (!pendingException)
        pendingException = exception;
}

std::exception_ptr TakePendingException()
{
    std::exception_ptr exception = pendingException;
    pendingException = nullptr;
    return exception;
}
