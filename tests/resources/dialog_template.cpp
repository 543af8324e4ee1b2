#include "dialog_template.h"

#include <cstring>

namespace {

// Reads fields in order from a template, never past its end.
class TemplateCursor {
public:
    TemplateCursor(const BYTE* data, std::size_t size) : data(data), size(size), at(0), ok(true) {}

    template <typename T>
    T Next() {
        T value{};
        if (at + sizeof value > size) {
            ok = false;
            return value;
        }
        std::memcpy(&value, data + at, sizeof value);
        at += sizeof value;
        return value;
    }

    std::wstring String() {
        std::wstring text;
        for (WCHAR c = Next<WCHAR>(); ok && c != 0; c = Next<WCHAR>())
            text += c;
        return text;
    }

    TemplateName Name() {
        TemplateName name;
        const WORD first = Next<WORD>();
        if (first == 0xFFFF) {
            name.ordinal = Next<WORD>();
        } else if (first != 0) {
            name.text = std::wstring(1, static_cast<WCHAR>(first)) + String();
        }
        return name;
    }

    // Items start on DWORD boundaries.
    void AlignToDword() { at = (at + 3) & ~std::size_t(3); }
    void Skip(std::size_t bytes) { at += bytes; }
    bool Ok() const { return ok && at <= size; }

private:
    const BYTE* data;
    std::size_t size;
    std::size_t at;
    bool ok;
};

DialogItemTemplate ReadItem(TemplateCursor& cursor) {
    DialogItemTemplate item;
    cursor.AlignToDword();
    item.helpId = cursor.Next<DWORD>();
    item.exStyle = cursor.Next<DWORD>();
    item.style = cursor.Next<DWORD>();
    item.x = cursor.Next<short>();
    item.y = cursor.Next<short>();
    item.cx = cursor.Next<short>();
    item.cy = cursor.Next<short>();
    item.id = cursor.Next<DWORD>();
    item.windowClass = cursor.Name();
    item.title = cursor.Name();
    item.extraCount = cursor.Next<WORD>();
    cursor.Skip(item.extraCount);
    return item;
}

} // namespace

bool ParseDialogTemplateEx(const BYTE* data, std::size_t size, DialogTemplateEx& dialog) {
    TemplateCursor cursor(data, size);
    dialog.version = cursor.Next<WORD>();
    dialog.signature = cursor.Next<WORD>();
    dialog.helpId = cursor.Next<DWORD>();
    dialog.exStyle = cursor.Next<DWORD>();
    dialog.style = cursor.Next<DWORD>();
    dialog.itemCount = cursor.Next<WORD>();
    dialog.x = cursor.Next<short>();
    dialog.y = cursor.Next<short>();
    dialog.cx = cursor.Next<short>();
    dialog.cy = cursor.Next<short>();
    dialog.menu = cursor.Name();
    dialog.windowClass = cursor.Name();
    dialog.title = cursor.String();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = cursor.Next<WORD>();
        dialog.weight = cursor.Next<WORD>();
        dialog.italic = cursor.Next<BYTE>();
        dialog.charset = cursor.Next<BYTE>();
        dialog.typeface = cursor.String();
    }
    for (WORD i = 0; i < dialog.itemCount && cursor.Ok(); ++i)
        dialog.items.push_back(ReadItem(cursor));
    return cursor.Ok();
}
