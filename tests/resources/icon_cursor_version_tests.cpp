// The icon group, the hand cursor, the manifest and the version block as
// compiled into the executable, entry by entry and through the system's own
// loaders.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "module_resource.h"
#include "resources/resource_ids.h"

TEST(IconResource, TenSizesSmallOnesClassicLargeOnesPngThenPalettedOnes)
{
    const ModuleResource group(14 /* RT_GROUP_ICON */, IDI_KIVERON);
    EXPECT_EQ(1, group.At<WORD>(2)) << "an icon group";
    ASSERT_EQ(15, group.At<WORD>(4));
    // 8 and 4 bits for Windows 95 to 2000 and displays of 256 colours.
    const struct {
        int size, bits;
    } images[] = {
        {16, 32},  {20, 32},  {24, 32}, {32, 32}, {40, 32}, {48, 32}, {64, 32}, {96, 32},
        {128, 32}, {256, 32}, {16, 8},  {32, 8},  {48, 8},  {16, 4},  {32, 4},
    };
    for (size_t i = 0; i < 15; ++i) {
        const size_t entry = 6 + 14 * i;
        const int size = images[i].size, bits = images[i].bits;
        SCOPED_TRACE("icon size " + std::to_string(size) + " at " + std::to_string(bits) + " bits");
        // width and height (0 for 256), colour count (16 for 4 bits), planes 1, bits per pixel
        EXPECT_EQ(size % 256 * 0x101, group.At<WORD>(entry));
        EXPECT_EQ(bits == 4 ? 16 : 0, group.At<BYTE>(entry + 2));
        EXPECT_EQ(DWORD(bits) << 16 | 1, group.At<DWORD>(entry + 4));
        const ModuleResource image(3 /* RT_ICON */, group.At<WORD>(entry + 12));
        ASSERT_NE(nullptr, image.data);
        EXPECT_EQ(group.At<DWORD>(entry + 8), image.size);
        const bool png = image.size > 24 && std::memcmp(image.data, "\x89PNG\r\n\x1A\n", 8) == 0;
        EXPECT_EQ(size > 48, png) << "sizes up to 48 for systems that cannot read PNG";
        if (png) { // IHDR width and height (big-endian), bit depth 8, colour type 6 (RGBA)
            const std::string want = {
                0, 0, char(size >> 8), char(size), 0, 0, char(size >> 8), char(size), 8, 6};
            EXPECT_EQ(want, std::string(reinterpret_cast<const char*>(image.data) + 16, 10));
        } else {
            const BITMAPINFOHEADER header = image.At<BITMAPINFOHEADER>(0);
            EXPECT_EQ(40u, header.biSize);
            EXPECT_EQ(size, header.biWidth);
            EXPECT_EQ(size * 2, header.biHeight) << "colour and mask";
            EXPECT_EQ(bits, header.biBitCount);
            const DWORD palette = bits < 32 ? 4u << bits : 0;
            const DWORD rows = DWORD((size * bits + 31) / 32 * 4 * size);
            EXPECT_EQ(40 + palette + rows + (size + 31) / 32 * 4 * size, image.size)
                << "palette, rows and AND mask";
        }
        // The image itself, as a system that picks it makes its icon: the
        // corner outside the disc is transparent, the centre is not.
        const HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(image.data), image.size, TRUE,
                                                    0x00030000, size, size, 0);
        ICONINFO info = {};
        ASSERT_TRUE(icon != nullptr && GetIconInfo(icon, &info));
        BITMAP colour = {};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(size, colour.bmWidth)
            << "the system loads an image of this size, not a scaled one";
        const HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ old = SelectObject(dc, info.hbmMask);
        EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, 0, 0)) << "corner masked";
        EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, size / 2, size / 2)) << "centre opaque";
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(CursorResource, MonochromeHandWithItsHotSpotOnTheFingertip)
{
    const ModuleResource group(12 /* RT_GROUP_CURSOR */, IDCUR_POINTING_HAND);
    // cursor group, one entry, 32 wide, 64 high (image and mask)
    for (const auto& field :
         {std::make_pair(2, 2), std::make_pair(4, 1), std::make_pair(6, 32), std::make_pair(8, 64)})
        EXPECT_EQ(field.second, group.At<WORD>(field.first)) << "group field at " << field.first;
    const ModuleResource cursor(1 /* RT_CURSOR */, group.At<WORD>(6 + 12));
    EXPECT_EQ(0x0004000Du, cursor.At<DWORD>(0)) << "hot spot 13, 4";
    const BITMAPINFOHEADER header = cursor.At<BITMAPINFOHEADER>(4);
    EXPECT_EQ(32, header.biWidth);
    EXPECT_EQ(64, header.biHeight);
    EXPECT_EQ(1, header.biBitCount);
    // The AND mask (after hot spot, header, two colours and 32 rows of 4
    // bytes, bottom-up) is opaque at the hot spot, transparent above it.
    auto transparent = [&](int x, int y) {
        return cursor.At<BYTE>(52 + 128 + (31 - y) * 4 + x / 8) >> (7 - x % 8) & 1;
    };
    EXPECT_EQ(0, transparent(13, 4));
    EXPECT_EQ(1, transparent(13, 3));
    EXPECT_EQ(1, transparent(0, 0));
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(
        LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_POINTING_HAND)), &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(13u, info.xHotspot);
    EXPECT_EQ(4u, info.yHotspot);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(ManifestResource, RequestsTheCallersRightsForAnyArchitecture)
{
    const ModuleResource manifest(24 /* RT_MANIFEST */, IDR_APPLICATION_MANIFEST);
    const std::string text(reinterpret_cast<const char*>(manifest.data), manifest.size);
    EXPECT_NE(std::string::npos, text.find("<requestedExecutionLevel level=\"asInvoker\""));
    EXPECT_NE(std::string::npos, text.find("urn:schemas-microsoft-com:asm.v3"));
    EXPECT_EQ(std::string::npos, text.find("processorArchitecture"))
        << "one manifest for 32 and 64 bits";
}

TEST(VersionResource, NamesTheProduct)
{
    const ModuleResource version(16 /* RT_VERSION */, IDV_VERSION_INFO);
    ASSERT_NE(nullptr, version.data);
    std::vector<BYTE> block(version.data,
                            version.data + version.size); // VerQueryValue writes into it
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(UINT(sizeof(VS_FIXEDFILEINFO)), length);
    EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
    EXPECT_EQ(DWORD(VFT_APP), fixed->dwFileType);
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS) << "1.0";
    for (const auto& field : {std::make_pair(L"ProductName", L"Kiveron"),
                              std::make_pair(L"OriginalFilename", L"kiveron.exe"),
                              std::make_pair(L"ProductVersion", L"1.0.0.0")}) {
        void* value = nullptr;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + field.first;
        ASSERT_TRUE(VerQueryValueW(block.data(), path.c_str(), &value, &length)) << field.first;
        EXPECT_STREQ(field.second, static_cast<const wchar_t*>(value));
    }
}
