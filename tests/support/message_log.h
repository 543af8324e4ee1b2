#pragma once
#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

// Watches a window's messages for as long as the object lives: notes each
// one's kind and wParam, then passes it on, unless it is of a kind the log
// was told to swallow (answered with 0).
class MessageLog {
public:
    explicit MessageLog(HWND window, std::vector<UINT> swallowed = {})
        : window(window), swallowed(std::move(swallowed))
    {
        SetPropA(window, "KiveronTestMessageLog", this);
        previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    ~MessageLog()
    {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(window, "KiveronTestMessageLog");
    }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    // The wParams of the messages of one kind seen so far, in order.
    std::vector<int> Of(UINT message) const
    {
        std::vector<int> values;
        for (const auto& entry : seen)
            if (entry.first == message)
                values.push_back(entry.second);
        return values;
    }
    void Clear() { seen.clear(); }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* log = static_cast<MessageLog*>(GetPropA(window, "KiveronTestMessageLog"));
        log->seen.emplace_back(message, static_cast<int>(wParam));
        if (std::count(log->swallowed.begin(), log->swallowed.end(), message) != 0)
            return 0;
        return CallWindowProcW(log->previous, window, message, wParam, lParam);
    }

    HWND window;
    WNDPROC previous = nullptr;
    std::vector<UINT> swallowed;
    std::vector<std::pair<UINT, int>> seen;
};
