#pragma once
#include <windows.h>

#include <utility>
#include <vector>

// Watches a window's messages for as long as the object lives: notes each
// one's kind and wParam, then passes it on, unless it is of a kind the log
// was told to swallow (answered with 0).
class MessageLog {
public:
    explicit MessageLog(HWND window, std::vector<UINT> swallowed = {});
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    // The wParams of the messages of one kind seen so far, in order.
    std::vector<int> Of(UINT message) const;
    void Clear() { seen.clear(); }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window;
    WNDPROC previous;
    std::vector<UINT> swallowed;
    std::vector<std::pair<UINT, int>> seen;
};
