#include "controls/description_label.h"

#include <algorithm>

#include "app/main_window.h"
#include "controls/text_fit.h"
#include "controls/window_text.h"
#include "graphics/client_dc.h"
#include "graphics/dc_scope.h"
#include "platform/text_layer.h"

namespace {

constexpr LONG kFontHeight = -11;
// Wrapped at word boundaries from the top edge (DT_VCENTER does nothing for
// several lines) and clipped by the control's own DC. Prefixes stay on: an
// ampersand underlines the next character, two show one.
constexpr UINT kTextFormat = DT_WORDBREAK | DT_VCENTER;

} // namespace

void DescriptionLabel::Attach(MainWindow* owner, HWND window)
{
    Bind(owner, window);
    StoreWindowText(window, text);
    font.reset(CreateControlFont(window, kFontHeight));
}

void DescriptionLabel::SetText(const std::wstring& text)
{
    this->text = text;
    // A screen reader reads the label's window text; the event lets it say
    // the description of the row that the keys or the pointer reached.
    StoreWindowText(window, text);
    AnnounceNameChange(window);
}

void DescriptionLabel::DrawItem(const DRAWITEMSTRUCT& item)
{
    // No background of its own: the dialog paints the picture under it.
    DrawTextIn(item.hDC, item.rcItem);
}

bool DescriptionLabel::RepaintNow()
{
    RECT client;
    if (!window || !GetClientRect(window, &client))
        return false;
    if (!owner || !owner->Picture().HasImage())
        return false;
    ClientDC dc(window);
    // The old text is wiped by painting the picture again over the lines it
    // covered; the rest of the label shows the picture still.
    RECT inked = client;
    inked.bottom = (std::min)(client.bottom, static_cast<LONG>(inkBottom));
    if (inked.bottom > inked.top)
        PaintPictureUnder(dc.Handle(), inked, inked);
    DrawTextIn(dc.Handle(), client);
    return true;
}

void DescriptionLabel::DrawTextIn(HDC dc, RECT area)
{
    // Without a text the picture shows as it is.
    inkBottom = area.top;
    if (text.empty())
        return;
    SelectedObject selectedFont(dc, font.get());
    BackgroundMode transparent(dc, TRANSPARENT);
    // Wrapped lines that run past the bottom would be cut through the middle:
    // the last whole line ends with an ellipsis instead.
    const std::wstring shown = FitWithEllipsis(
        text, [&](const std::wstring& candidate) { return FitsIn(dc, area, candidate); });
    inkBottom += DrawTextAuto(dc, shown, static_cast<int>(shown.size()), area, kTextFormat);
}

bool DescriptionLabel::FitsIn(HDC dc, const RECT& area, const std::wstring& candidate) const
{
    RECT measured = {0, 0, area.right - area.left, 0};
    DrawTextAuto(dc, candidate, static_cast<int>(candidate.size()), measured,
                 kTextFormat | DT_CALCRECT);
    return measured.bottom <= area.bottom - area.top;
}

bool DescriptionLabel::Fits(const std::wstring& candidate) const
{
    if (!window || candidate.empty())
        return true;
    RECT area;
    GetClientRect(window, &area);
    ClientDC dc(window);
    SelectedObject selectedFont(dc.Handle(), font.get());
    return FitsIn(dc.Handle(), area, candidate);
}
