#include "support/message_log.h"

#include <algorithm>

namespace {

const char kProperty[] = "KiveronTestMessageLog";

} // namespace

MessageLog::MessageLog(HWND window, std::vector<UINT> swallowed)
    : window(window), previous(nullptr), swallowed(std::move(swallowed))
{
    SetPropA(window, kProperty, this);
    previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
}

MessageLog::~MessageLog()
{
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(window, kProperty);
}

std::vector<int> MessageLog::Of(UINT message) const
{
    std::vector<int> values;
    for (const auto& entry : seen)
        if (entry.first == message)
            values.push_back(entry.second);
    return values;
}

LRESULT CALLBACK MessageLog::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MessageLog* log = static_cast<MessageLog*>(GetPropA(window, kProperty));
    log->seen.emplace_back(message, static_cast<int>(wParam));
    if (std::find(log->swallowed.begin(), log->swallowed.end(), message) != log->swallowed.end())
        return 0;
    return CallWindowProcW(log->previous, window, message, wParam, lParam);
}
