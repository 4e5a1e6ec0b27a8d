// The four layout tables. They are constant-initialised (built by constexpr functions), so the
// decoder object may use them while the program's global objects are being constructed.
#include "station/FieldLayout.h"

#include <initializer_list>

namespace {

constexpr int LowestSetBit(int mask)
{
    int bit = 1;
    while ((mask & bit) == 0)
        bit <<= 1;
    return bit;
}

constexpr FieldLayout MakeLayout(std::initializer_list<int> masks, int role = CHECKSUM_MEMBER)
{
    FieldLayout layout{};
    layout.fieldCount = static_cast<int32_t>(masks.size());
    for (int k = 0; k < MAX_FIELDS; ++k) {
        layout.masks[k] = 0xFF;
        layout.divisors[k] = -1;
    }
    int k = 0;
    for (int mask : masks) {
        layout.masks[k] = mask;
        layout.divisors[k] = LowestSetBit(mask);
        ++k;
    }
    layout.checksumRole = role;
    return layout;
}

constexpr bool In(int a, int first, int last) { return a >= first && a <= last; }

constexpr bool AnyOf(int a, std::initializer_list<int> list)
{
    for (int x : list)
        if (x == a)
            return true;
    return false;
}

// Field cuts of the settings area.
constexpr FieldLayout SettingsLayoutOf(int a)
{
    // Group checksums and bytes that no sum covers.
    if (AnyOf(a, {15, 21, 30, 35, 63, 89, 93, 123, 151, 157, 169, 180, 250, 256}))
        return MakeLayout({0xFF}, CHECKSUM_CLOSER);
    if (In(a, 94, 95) || In(a, 158, 159) || In(a, 181, 224))
        return MakeLayout({0xFF}, CHECKSUM_LEFT_OUT);

    if (a == 0) return MakeLayout({0xF0, 0x07, 0x08});
    if (In(a, 2, 3)) return MakeLayout({0xF0, 0x03, 0x0C});
    if (a == 5) return MakeLayout({0xF0, 0x01, 0x0E});
    if (a == 10 || a == 26) return MakeLayout({0x80, 0x40, 0x10, 0x08, 0x03});
    if (a == 11 || a == 27) return MakeLayout({0x10, 0x0F});
    if (a == 14) return MakeLayout({0x04, 0x02});
    if (a == 16) return MakeLayout({0xF0, 0x03, 0x08, 0x04});
    if (a == 18) return MakeLayout({0xF0, 0x03, 0x08});
    if (a == 28) return MakeLayout({0xF0});
    if (a == 32 || a == 34) return MakeLayout({0x0F, 0x80});
    if (AnyOf(a, {37, 39, 43, 45, 49, 51, 55, 57, 61, 64, 68, 70}))
        return MakeLayout({0x0F, 0x20, 0x80});
    if (In(a, 73, 75)) return MakeLayout({0xC0, 0x30, 0x0C, 0x03});
    if (a == 76) return MakeLayout({0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01});
    if (a == 92) return MakeLayout({0x08});
    if (a == 96) return MakeLayout({0x0F, 0xF0});
    if (In(a, 97, 98)) return MakeLayout({0x30, 0x0F});
    if (a == 160) return MakeLayout({0x04, 0x02, 0x01});
    if (a == 163 || a == 166) return MakeLayout({0xFF});
    if (a == 164 || a == 167) return MakeLayout({0xF0});
    if (a == 171 || a == 173) return MakeLayout({0x10, 0x0F});
    if (a == 252) return MakeLayout({0x03});
    if (a == 253) return MakeLayout({0x0F});
    // Every other address of the area is two BCD nibbles, high nibble first:
    // 1, 4, 6-9, 12-13, 17, 19-20, 22-25, 29, 31, 33, 36-72 (the rest), 77-88, 90-91, 99-122,
    // 124-150, 152-156, 161-162, 165, 168, 170, 172, 174-179, 225-249, 251, 254-255.
    return MakeLayout({0xF0, 0x0F});
}

constexpr std::array<FieldLayout, SETTINGS_AREA_SIZE> BuildSettingsLayout()
{
    std::array<FieldLayout, SETTINGS_AREA_SIZE> table{};
    for (int a = 0; a < SETTINGS_AREA_SIZE; ++a)
        table[a] = SettingsLayoutOf(a);
    return table;
}

constexpr FieldLayout HistoryLayoutOf(int o)
{
    if (o == 15 || o == 37) return MakeLayout({0xFF}, CHECKSUM_CLOSER);
    if (o == 0) return MakeLayout({0x0F, 0xF0});
    if (o == 1 || o == 2) return MakeLayout({0x30, 0x0F});
    if (o == 5) return MakeLayout({0x0F, 0x20, 0x80});
    if (AnyOf(o, {8, 11, 14, 18, 21, 29})) return MakeLayout({0x0F, 0x20, 0x40, 0x80});
    if (o == 23 || o == 34) return MakeLayout({0x0F, 0xF0});
    if (o == 24) return MakeLayout({0x0F});
    if (o == 27) return MakeLayout({0x08, 0x07});
    if (o == 31 || o == 33) return MakeLayout({0x10, 0x0F});
    // 3, 4, 6-7, 9-10, 12-13, 16-17, 19-20, 22, 25-26, 28, 30, 32, 35-36.
    return MakeLayout({0xF0, 0x0F});
}

constexpr std::array<FieldLayout, HISTORY_RECORD_SIZE> BuildHistoryLayout()
{
    std::array<FieldLayout, HISTORY_RECORD_SIZE> table{};
    for (int o = 0; o < HISTORY_RECORD_SIZE; ++o)
        table[o] = HistoryLayoutOf(o);
    return table;
}

constexpr std::array<FieldLayout, 4> BuildStampLayout()
{
    return {MakeLayout({0x0F, 0xF0}),   // month, weekday
            MakeLayout({0x30, 0x0F}),   // day: tens, units
            MakeLayout({0x30, 0x0F}),   // hour: tens, units
            MakeLayout({0xF0, 0x0F})};  // minute: tens, units
}

constexpr FieldLayout LiveLayoutOf(int b)
{
    if (b == 1) return MakeLayout({0x0F, 0x20, 0x80});
    if (AnyOf(b, {4, 7, 10, 13, 16, 24})) return MakeLayout({0x0F, 0x20, 0x40, 0x80});
    if (b == 18 || b == 29) return MakeLayout({0x0F, 0xF0});
    if (b == 19) return MakeLayout({0x0F});
    if (b == 22) return MakeLayout({0x08, 0x07});
    if (b == 26 || b == 28) return MakeLayout({0x10, 0x0F});
    return MakeLayout({0xF0, 0x0F});
}

constexpr std::array<FieldLayout, 32> BuildLiveLayout()
{
    std::array<FieldLayout, 32> table{};
    for (int b = 0; b < 32; ++b)
        table[b] = LiveLayoutOf(b);
    return table;
}

// The builders are constant expressions, so the tables below are constant-initialised.
static_assert(BuildSettingsLayout()[10].fieldCount == 5);
static_assert(BuildSettingsLayout()[0].divisors[1] == 1 && BuildSettingsLayout()[0].divisors[2] == 8);
static_assert(BuildHistoryLayout()[37].checksumRole == CHECKSUM_CLOSER);
static_assert(BuildLiveLayout()[29].fieldCount == 2);

} // namespace

extern const std::array<FieldLayout, SETTINGS_AREA_SIZE> g_settingsLayout = BuildSettingsLayout();
extern const std::array<FieldLayout, HISTORY_RECORD_SIZE> g_historyLayout = BuildHistoryLayout();
extern const std::array<FieldLayout, 4> g_stampLayout = BuildStampLayout();
extern const std::array<FieldLayout, 32> g_liveLayout = BuildLiveLayout();

const FieldLayout& LayoutOfAddress(int address)
{
    if (address < SETTINGS_AREA_SIZE)
        return g_settingsLayout[address < 0 ? 0 : address];
    return g_historyLayout[HistoryRecordOffset(address)];
}
