#include "wine_version_override.h"

#include <windows.h>

namespace {

const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\";

} // namespace

WineVersionOverride::WineVersionOverride(const std::string& exeName, const std::string& version)
    : keyPath(kAppDefaults + exeName)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    applied = RegSetValueExA(key, "Version", 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(version.c_str()),
                             static_cast<DWORD>(version.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(key);
}

WineVersionOverride::~WineVersionOverride()
{
    RegDeleteKeyA(HKEY_CURRENT_USER, keyPath.c_str());
}
