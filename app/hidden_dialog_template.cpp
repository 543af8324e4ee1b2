#include "app/hidden_dialog_template.h"

#include <cstring>

namespace {

// An extended template starts with its version 1 and the signature 0xFFFF,
// then the help id and the extended style; the style follows them. A classic
// template starts with the style.
constexpr size_t kExtendedHeaderSize = 16;
constexpr size_t kExtendedStyleOffset = 12;
// RT_DIALOG, spelled out for the ANSI call whatever the build's character set.
const LPCSTR kDialogResourceType = MAKEINTRESOURCEA(5);

bool IsExtendedTemplate(const std::vector<BYTE>& bytes)
{
    return bytes.size() >= kExtendedHeaderSize && bytes[0] == 1 && bytes[1] == 0 &&
           bytes[2] == 0xFF && bytes[3] == 0xFF;
}

} // namespace

bool ClearVisibleStyle(std::vector<BYTE>& dialogTemplate)
{
    const size_t offset = IsExtendedTemplate(dialogTemplate) ? kExtendedStyleOffset : 0;
    if (dialogTemplate.size() < offset + sizeof(DWORD))
        return false;
    DWORD style;
    std::memcpy(&style, dialogTemplate.data() + offset, sizeof(style));
    style &= ~static_cast<DWORD>(WS_VISIBLE);
    std::memcpy(dialogTemplate.data() + offset, &style, sizeof(style));
    return true;
}

std::vector<BYTE> HiddenDialogTemplate(HINSTANCE instance, int id)
{
    const HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(id), kDialogResourceType);
    const HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
    const BYTE* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!bytes)
        return {};
    // The vector's block is aligned for any type, as the dialog manager
    // wants the template's DWORDs.
    std::vector<BYTE> copy(bytes, bytes + SizeofResource(instance, resource));
    if (!ClearVisibleStyle(copy))
        return {};
    return copy;
}
