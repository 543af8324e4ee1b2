#include "controls/description_label.h"

#include "app/dispatch_guard.h"
#include "controls/control_font.h"
#include "platform/text_layer.h"
#include "platform/window_long.h"

namespace {

constexpr LONG kFontHeight = -11;
// Wrapped at word boundaries from the top edge (DT_VCENTER does nothing for
// several lines) and clipped by the control's own DC. Prefixes stay on: an
// ampersand underlines the next character, two show one.
constexpr UINT kTextFormat = DT_WORDBREAK | DT_VCENTER;

} // namespace

DescriptionLabel::~DescriptionLabel()
{
    Release();
}

void DescriptionLabel::Attach(MainWindow* owner, HWND window)
{
    Unbind();
    this->owner = owner;
    this->window = window;
    SetWindowObject(window, this);
    previousProc = SubclassWindow(window, DescriptionLabelProc);

    LOGFONTA description = ControlFontDescription(window);
    description.lfHeight = kFontHeight;
    font = CreateFontIndirectA(&description);
}

void DescriptionLabel::Unbind()
{
    // Bound before: the window gets its own procedure back, so that binding
    // it again does not make this procedure its own predecessor, and the font
    // made for it goes.
    if (window && GetWindowObject<DescriptionLabel>(window) == this) {
        SubclassWindow(window, previousProc);
        SetWindowObject<DescriptionLabel>(window, nullptr);
    }
    if (font) {
        DeleteObject(font);
        font = nullptr;
    }
}

void DescriptionLabel::Release()
{
    if (font) {
        DeleteObject(font);
        font = nullptr;
    }
    text.clear();
}

void DescriptionLabel::SetText(const std::wstring& text)
{
    this->text = text;
}

void DescriptionLabel::DrawItem(const DRAWITEMSTRUCT& item)
{
    // No background of its own: without a text the picture shows as it is.
    if (text.empty())
        return;
    const HDC dc = item.hDC;
    RECT area = item.rcItem;
    const HGDIOBJ previousFont = SelectObject(dc, font);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    DrawTextAuto(dc, text, static_cast<int>(text.size()), area, kTextFormat);
    SetBkMode(dc, previousMode);
    SelectObject(dc, previousFont);
}

// The label handles no message itself; it is bound to its window like the
// other skinned controls, so that the window leads to its object.
LRESULT CALLBACK DescriptionLabel::DescriptionLabelProc(HWND window, UINT message,
                                                        WPARAM wParam, LPARAM lParam)
{
    return GuardDispatch([&]() -> LRESULT {
        const DescriptionLabel* label = GetWindowObject<DescriptionLabel>(window);
        if (!label)
            return DefWindowProcA(window, message, wParam, lParam);
        return CallWindowProcA(label->previousProc, window, message, wParam, lParam);
    });
}
