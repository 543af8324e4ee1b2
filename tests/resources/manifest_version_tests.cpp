// The application manifest and the version block as compiled into the
// executable.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module_resource.h"
#include "resources/resource_ids.h"

namespace {

std::wstring VersionString(const std::vector<BYTE>& block, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || value == nullptr)
        return L"(missing)";
    return std::wstring(static_cast<const wchar_t*>(value));
}

} // namespace

TEST(ManifestResource, RequestsTheCallersRights) {
    const ModuleResource manifest(MAKEINTRESOURCEW(24) /* RT_MANIFEST */, IDR_APPLICATION_MANIFEST);
    ASSERT_TRUE(manifest.Found());
    const std::string text(reinterpret_cast<const char*>(manifest.Data()), manifest.Size());
    EXPECT_NE(std::string::npos, text.find("<requestedExecutionLevel level=\"asInvoker\""));
    EXPECT_NE(std::string::npos, text.find("urn:schemas-microsoft-com:asm.v3"));
    EXPECT_EQ(std::string::npos, text.find("processorArchitecture"))
        << "the same manifest serves the 32-bit program and the 64-bit tests";
}

TEST(VersionResource, NamesTheProduct) {
    const ModuleResource version(MAKEINTRESOURCEW(16) /* RT_VERSION */, IDV_VERSION_INFO);
    ASSERT_TRUE(version.Found());
    // VerQueryValue wants a writable copy of the block.
    std::vector<BYTE> block(version.Data(), version.Data() + version.Size());

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(UINT(sizeof(VS_FIXEDFILEINFO)), length);
    EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
    EXPECT_EQ(DWORD(VFT_APP), fixed->dwFileType);
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS) << "1.0";

    EXPECT_EQ(L"Kiveron", VersionString(block, L"ProductName"));
    EXPECT_EQ(L"kiveron.exe", VersionString(block, L"OriginalFilename"));
    EXPECT_EQ(L"1.0.0.0", VersionString(block, L"ProductVersion"));
}
