#include "controls/window_text.h"

#include <algorithm>
#include <cstring>

#include "platform/text_layer.h"

namespace {

template <class Char>
LRESULT CopyCharacters(const std::basic_string<Char>& text, size_t capacity, LPARAM buffer)
{
    Char* const destination = reinterpret_cast<Char*>(buffer);
    if (!destination || capacity == 0)
        return 0;
    const size_t count = std::min(text.size(), capacity - 1);
    std::memcpy(destination, text.data(), count * sizeof(Char));
    destination[count] = Char();
    return static_cast<LRESULT>(count);
}

} // namespace

void StoreWindowText(HWND window, const std::wstring& text)
{
    if (!window)
        return;
    if (IsUnicodePlatform()) {
        DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        return;
    }
    const std::string ansi = WideToAnsi(text);
    DefWindowProcA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ansi.c_str()));
}

void AnnounceNameChange(HWND window)
{
    using NotifyWinEventCall = void(WINAPI*)(DWORD, HWND, LONG, LONG);
    static const NotifyWinEventCall notify = [] {
        const HMODULE user32 = GetModuleHandleA("user32.dll");
        return user32 ? reinterpret_cast<NotifyWinEventCall>(
                            reinterpret_cast<void*>(GetProcAddress(user32, "NotifyWinEvent")))
                      : nullptr;
    }();
    if (notify && window)
        notify(EVENT_OBJECT_NAMECHANGE, window, OBJID_WINDOW, CHILDID_SELF);
}

LRESULT CopyTextOut(const std::wstring& text, size_t capacity, LPARAM buffer)
{
    if (IsUnicodePlatform())
        return CopyCharacters(text, capacity, buffer);
    return CopyCharacters(WideToAnsi(text), capacity, buffer);
}

LRESULT TextLengthOut(const std::wstring& text)
{
    if (IsUnicodePlatform())
        return static_cast<LRESULT>(text.size());
    return static_cast<LRESULT>(WideToAnsi(text).size());
}
