#ifndef KIVERON_TESTS_RESOURCES_MODULE_RESOURCE_H
#define KIVERON_TESTS_RESOURCES_MODULE_RESOURCE_H

#include <windows.h>

#include <cstddef>
#include <cstring>

// The bytes of one resource of the running executable, as the system finds
// and loads it; empty (data null) when there is no such resource.
class ModuleResource {
public:
    ModuleResource(LPCWSTR type, int id);

    bool Found() const { return data != nullptr; }
    const BYTE* Data() const { return data; }
    DWORD Size() const { return size; }

    // A little-endian field at offset, or T{} past the end.
    template <typename T>
    T At(std::size_t offset) const {
        T value{};
        if (data != nullptr && offset + sizeof value <= size)
            std::memcpy(&value, data + offset, sizeof value);
        return value;
    }

private:
    const BYTE* data;
    DWORD size;
};

#endif
