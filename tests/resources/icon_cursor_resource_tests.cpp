// The application icon group and the hand cursor as compiled into the
// executable, read entry by entry and through the system's own loaders.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "module_resource.h"
#include "resources/resource_ids.h"

namespace {

const LPCWSTR kIconType = MAKEINTRESOURCEW(3);       // RT_ICON
const LPCWSTR kCursorType = MAKEINTRESOURCEW(1);     // RT_CURSOR
const LPCWSTR kIconGroupType = MAKEINTRESOURCEW(14);  // RT_GROUP_ICON
const LPCWSTR kCursorGroupType = MAKEINTRESOURCEW(12); // RT_GROUP_CURSOR

constexpr size_t kGroupHeader = 6;
constexpr size_t kGroupEntry = 14;

// One entry of an icon or cursor group as the resource compiler stores it.
struct GroupEntry {
    int width;
    int height;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};

std::vector<GroupEntry> GroupEntries(const ModuleResource& group, bool cursor) {
    std::vector<GroupEntry> entries;
    const WORD count = group.At<WORD>(4);
    for (size_t i = 0; i < count; ++i) {
        const size_t at = kGroupHeader + i * kGroupEntry;
        GroupEntry entry;
        if (cursor) {
            entry.width = group.At<WORD>(at);
            entry.height = group.At<WORD>(at + 2);
        } else {
            // A byte per side; 0 stands for 256.
            entry.width = group.At<BYTE>(at) == 0 ? 256 : group.At<BYTE>(at);
            entry.height = group.At<BYTE>(at + 1) == 0 ? 256 : group.At<BYTE>(at + 1);
        }
        entry.planes = group.At<WORD>(at + 4);
        entry.bitCount = group.At<WORD>(at + 6);
        entry.bytes = group.At<DWORD>(at + 8);
        entry.id = group.At<WORD>(at + 12);
        entries.push_back(entry);
    }
    return entries;
}

bool IsPng(const ModuleResource& image) {
    static const BYTE signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return image.Size() > 24 && std::memcmp(image.Data(), signature, 8) == 0;
}

DWORD BigEndian(const ModuleResource& image, size_t offset) {
    const DWORD value = image.At<DWORD>(offset);
    return (value >> 24) | ((value >> 8) & 0xFF00) | ((value << 8) & 0xFF0000) | (value << 24);
}

} // namespace

TEST(IconResource, TenSizesAt32BitsPerPixel) {
    const ModuleResource group(kIconGroupType, IDI_KIVERON);
    ASSERT_TRUE(group.Found());
    EXPECT_EQ(0, group.At<WORD>(0));
    EXPECT_EQ(1, group.At<WORD>(2)) << "an icon group";
    const std::vector<GroupEntry> entries = GroupEntries(group, false);
    ASSERT_EQ(10u, entries.size());

    std::set<int> sizes;
    for (const GroupEntry& entry : entries) {
        SCOPED_TRACE("icon size " + std::to_string(entry.width));
        EXPECT_EQ(entry.width, entry.height);
        EXPECT_EQ(1, entry.planes);
        EXPECT_EQ(32, entry.bitCount);
        sizes.insert(entry.width);
        const ModuleResource image(kIconType, entry.id);
        ASSERT_TRUE(image.Found());
        EXPECT_EQ(entry.bytes, image.Size());
    }
    EXPECT_EQ((std::set<int>{16, 20, 24, 32, 40, 48, 64, 96, 128, 256}), sizes);
}

TEST(IconResource, SmallSizesAreDibsForOldSystemsLargeOnesArePng) {
    const std::vector<GroupEntry> entries = GroupEntries(ModuleResource(kIconGroupType, IDI_KIVERON), false);
    ASSERT_FALSE(entries.empty());
    for (const GroupEntry& entry : entries) {
        SCOPED_TRACE("icon size " + std::to_string(entry.width));
        const ModuleResource image(kIconType, entry.id);
        if (entry.width <= 48) {
            ASSERT_FALSE(IsPng(image));
            const BITMAPINFOHEADER header = image.At<BITMAPINFOHEADER>(0);
            EXPECT_EQ(40u, header.biSize);
            EXPECT_EQ(entry.width, header.biWidth);
            EXPECT_EQ(entry.width * 2, header.biHeight) << "colour and mask";
            EXPECT_EQ(32, header.biBitCount);
            const DWORD colour = DWORD(entry.width * entry.width * 4);
            const DWORD mask = DWORD((entry.width + 31) / 32 * 4 * entry.width);
            EXPECT_EQ(40 + colour + mask, image.Size()) << "colour rows and an AND mask";
        } else {
            ASSERT_TRUE(IsPng(image));
            EXPECT_EQ(DWORD(entry.width), BigEndian(image, 16)) << "IHDR width";
            EXPECT_EQ(DWORD(entry.width), BigEndian(image, 20)) << "IHDR height";
            EXPECT_EQ(8, image.At<BYTE>(24)) << "8 bits per channel";
            EXPECT_EQ(6, image.At<BYTE>(25)) << "RGBA";
        }
    }
}

TEST(IconResource, SystemLoadsEverySize) {
    for (int size : {16, 20, 24, 32, 40, 48, 64, 96, 128, 256}) {
        const HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KIVERON),
                                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        ASSERT_NE(nullptr, icon) << "size " << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour = {};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(size, colour.bmWidth) << "an image of the asked size, not a scaled one";
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(CursorResource, OneMonochromeHandWithItsHotSpotAtTheFingertip) {
    const ModuleResource group(kCursorGroupType, IDCUR_POINTING_HAND);
    ASSERT_TRUE(group.Found());
    EXPECT_EQ(2, group.At<WORD>(2)) << "a cursor group";
    const std::vector<GroupEntry> entries = GroupEntries(group, true);
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ(32, entries[0].width);
    EXPECT_EQ(64, entries[0].height) << "image and mask";

    const ModuleResource cursor(kCursorType, entries[0].id);
    ASSERT_TRUE(cursor.Found());
    EXPECT_EQ(13, cursor.At<WORD>(0)) << "hot spot x";
    EXPECT_EQ(4, cursor.At<WORD>(2)) << "hot spot y";
    const BITMAPINFOHEADER header = cursor.At<BITMAPINFOHEADER>(4);
    EXPECT_EQ(32, header.biWidth);
    EXPECT_EQ(64, header.biHeight);
    EXPECT_EQ(1, header.biBitCount);
}

TEST(CursorResource, SystemLoadsItWithTheHotSpot) {
    const HCURSOR cursor = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_POINTING_HAND));
    ASSERT_NE(nullptr, cursor);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(13u, info.xHotspot);
    EXPECT_EQ(4u, info.yHotspot);
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(32, mask.bmWidth);
    if (info.hbmColor != nullptr)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(CursorResource, HotSpotTouchesTheHand) {
    // The hot spot must be on the drawn fingertip, not in the transparent
    // area around it: the AND mask is 0 (opaque) there, and transparent
    // above the tip.
    const std::vector<GroupEntry> entries =
        GroupEntries(ModuleResource(kCursorGroupType, IDCUR_POINTING_HAND), true);
    ASSERT_EQ(1u, entries.size());
    const ModuleResource cursor(kCursorType, entries[0].id);
    const size_t image = 4 + 40 + 2 * 4; // hot spot, header, two-colour table
    const size_t rowBytes = 4;
    const size_t mask = image + 32 * rowBytes;
    auto transparent = [&](int x, int y) {
        const size_t row = mask + size_t(31 - y) * rowBytes; // bottom-up
        return (cursor.At<BYTE>(row + size_t(x / 8)) >> (7 - x % 8)) & 1;
    };
    EXPECT_EQ(0, transparent(13, 4));
    EXPECT_EQ(1, transparent(13, 3));
    EXPECT_EQ(1, transparent(0, 0));
}
