#include "file_association.h"

#include <windows.h>

namespace {

bool SetDefaultValue(const std::string& keyPath, const std::string& value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return false;
    const bool set = RegSetValueExA(key, nullptr, 0, REG_SZ,
                                    reinterpret_cast<const BYTE*>(value.c_str()),
                                    static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(key);
    return set;
}

void DeleteKeyAndSubkeys(const std::string& keyPath)
{
    // Deepest first: RegDeleteKey removes only keys without subkeys.
    const char* const subkeys[] = {"\\shell\\open\\command", "\\shell\\open", "\\shell", ""};
    for (const char* subkey : subkeys)
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (keyPath + subkey).c_str());
}

} // namespace

FileAssociation::FileAssociation(const std::string& extension, const std::string& program)
    : extensionKey(extension),
      typeKey("KiveronTest" + extension.substr(1) + "File")
{
    registered = SetDefaultValue(extensionKey, typeKey) &&
                 SetDefaultValue(typeKey + "\\shell\\open\\command", "\"" + program + "\" \"%1\"");
}

FileAssociation::~FileAssociation()
{
    DeleteKeyAndSubkeys(typeKey);
    DeleteKeyAndSubkeys(extensionKey);
}
