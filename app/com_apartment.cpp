#include "app/com_apartment.h"

namespace {

// The values of objbase.h, which the program does not include.
const DWORD kApartmentThreaded = 0x2;                           // COINIT_APARTMENTTHREADED
const DWORD kDisableOle1Dde = 0x4;                              // COINIT_DISABLE_OLE1DDE
const HRESULT kChangedMode = static_cast<HRESULT>(0x80010106L); // RPC_E_CHANGED_MODE

using CoInitializeExCall = HRESULT(WINAPI*)(LPVOID reserved, DWORD flags);
using CoUninitializeCall = void(WINAPI*)();

template <class Function>
Function Lookup(HMODULE module, const char* name)
{
    // Through void*: a function pointer of another type than FARPROC's.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

ComApartment::~ComApartment()
{
    if (ole32 == nullptr)
        return;
    if (const auto uninitialize = Lookup<CoUninitializeCall>(ole32, "CoUninitialize"))
        uninitialize();
    // ole32 stays loaded: what COM started may still run code from it.
}

bool ComApartment::Enter()
{
    if (tried)
        return entered;
    tried = true;
    const HMODULE module = LoadLibraryA("ole32.dll");
    const auto initialize =
        module == nullptr ? nullptr : Lookup<CoInitializeExCall>(module, "CoInitializeEx");
    if (initialize == nullptr)
        return false;
    const HRESULT result = initialize(nullptr, kApartmentThreaded | kDisableOle1Dde);
    // S_OK and S_FALSE (entered before, by someone else) both count once
    // and must be balanced; another threading model already chosen on this
    // thread still is COM, but not ours to leave.
    if (SUCCEEDED(result))
        ole32 = module;
    entered = SUCCEEDED(result) || result == kChangedMode;
    return entered;
}
