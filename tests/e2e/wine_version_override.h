#pragma once
#include <string>

// Makes Wine report another Windows version to one program only, named by its
// file name ("kiveron-xp.exe"), through Wine's per-program settings in the
// user's registry; the global setting, which every other test shares, stays
// untouched. The setting goes when the object goes.
class WineVersionOverride {
public:
    // version: as Wine names it, "winxp", "win98", "win10", ...
    WineVersionOverride(const std::string& exeName, const std::string& version);
    ~WineVersionOverride();
    WineVersionOverride(const WineVersionOverride&) = delete;
    WineVersionOverride& operator=(const WineVersionOverride&) = delete;

    bool Applied() const { return applied; }

private:
    std::string keyPath;
    bool applied = false;
};
