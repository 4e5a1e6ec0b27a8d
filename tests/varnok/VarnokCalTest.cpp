// Tests of Varnok.dll through its import library: the program links against it the same way.
#include "varnok/VarnokCal.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

int Phase(int year, int month, int day, int steps = 28)
{
    CVarnokCal cal;
    return cal.Varnok(year, month, day, steps);
}

// With a million steps the index reads the cycle fraction to six places.
constexpr int kFine = 1000000;

int FineDifference(int y1, int m1, int d1, int y2, int m2, int d2)
{
    int diff = Phase(y2, m2, d2, kFine) - Phase(y1, m1, d1, kFine);
    if (diff < 0) diff += kFine;
    return diff;
}

// Fraction of a cycle covered by `days`, in millionths.
int FineCycles(double days)
{
    double cycles = days * 0.033863867253640365;
    double fraction = cycles - static_cast<int>(cycles);
    return static_cast<int>(fraction * kFine + 0.5);
}

bool IsDaysInMonthValid(int year, int month, int day)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    int last = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
    return day >= 1 && day <= last;
}

// The export directory of a loaded module: its name, ordinal base, number of exported addresses
// and the named exports as (ordinal, name), by ordinal.
struct ExportTable {
    std::string moduleName;
    DWORD ordinalBase = 0;
    DWORD functionCount = 0;
    std::vector<std::pair<unsigned, std::string>> named;
};

ExportTable ExportTableOf(HMODULE module)
{
    ExportTable table;
    const auto* base = reinterpret_cast<const unsigned char*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (entry.VirtualAddress == 0)
        return table;
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
    table.moduleName = reinterpret_cast<const char*>(base + exports->Name);
    table.ordinalBase = exports->Base;
    table.functionCount = exports->NumberOfFunctions;
    const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    const auto* indexes = reinterpret_cast<const WORD*>(base + exports->AddressOfNameOrdinals);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        table.named.emplace_back(exports->Base + indexes[i], reinterpret_cast<const char*>(base + names[i]));
    std::sort(table.named.begin(), table.named.end());
    return table;
}

} // namespace

TEST(Varnok, KnownDates)
{
    EXPECT_EQ(Phase(2000, 1, 6), 0);
    EXPECT_EQ(Phase(2000, 1, 20), 14);
    EXPECT_EQ(Phase(2000, 1, 21), 15);
    EXPECT_EQ(Phase(2009, 1, 1), 5);
    EXPECT_EQ(Phase(2010, 6, 15), 3);
    EXPECT_EQ(Phase(2008, 12, 27), 0);
}

TEST(Varnok, FractionRoundingUpToAWholeCycleIsNewMoon)
{
    // 5 March 2000 lies at 0.985 of its cycle: 0.985 x 28 + 0.5 reaches 28, which is the next new moon.
    EXPECT_EQ(Phase(2000, 3, 5), 0);
    EXPECT_EQ(Phase(2000, 3, 4), 27);
    // The same date read finely is just short of a whole cycle.
    EXPECT_GT(Phase(2000, 3, 5, kFine), 985000);
}

TEST(Varnok, IndexAlwaysWithinStepsAfter2000)
{
    int seen[28] = {};
    for (int year = 2000; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                if (!IsDaysInMonthValid(year, month, day)) continue;
                int index = Phase(year, month, day);
                ASSERT_GE(index, 0) << year << "-" << month << "-" << day;
                ASSERT_LT(index, 28) << year << "-" << month << "-" << day;
                ++seen[index];
            }
        }
    }
    for (int i = 0; i < 28; ++i) EXPECT_GT(seen[i], 0) << "index " << i << " never produced";
}

TEST(Varnok, JanuaryAndFebruaryCountAsMonths13And14OfThePreviousYear)
{
    // 1 Feb 2010 (month 14 of 2009) to 1 Mar 2010: 365.25 - 11 x 30.6 = 28.65 days.
    EXPECT_NEAR(FineDifference(2010, 2, 1, 2010, 3, 1), FineCycles(28.65), 1);
    // 1 Jan 2010 to 1 Feb 2010: exactly 30.6 days.
    EXPECT_NEAR(FineDifference(2010, 1, 1, 2010, 2, 1), FineCycles(30.6), 1);
    // 31 Dec 2009 to 1 Jan 2010 (month 12 day 31 against month 13 day 1): 0.6 days.
    EXPECT_NEAR(FineDifference(2009, 12, 31, 2010, 1, 1), FineCycles(0.6), 1);
}

TEST(Varnok, DayAndMonthTakenWithoutRangeTest)
{
    // Day 32 of January is one day after day 31, and so 1 February 2010 less 0.6 days ...
    EXPECT_NEAR(FineDifference(2010, 1, 31, 2010, 1, 32), FineCycles(1.0), 1);
    // ... and month 13 of 2010 is 30.6 days after December 2010.
    EXPECT_NEAR(FineDifference(2010, 12, 1, 2010, 13, 1), FineCycles(30.6), 1);
}

TEST(Varnok, DatesBeforeTheReferenceTruncateTowardZero)
{
    // The cycle count is negative before about 1900 and its fraction is not wrapped into 0..1.
    EXPECT_EQ(Phase(1899, 12, 31), -1);
    EXPECT_EQ(Phase(1899, 6, 1), -7);
    EXPECT_EQ(Phase(1850, 1, 1), -12);
    EXPECT_EQ(Phase(1900, 1, 1), 0); // -0.034 x 28 + 0.5 truncates to 0
}

TEST(Varnok, ObjectsKeepNoState)
{
    CVarnokCal first;
    CVarnokCal copy(first);
    CVarnokCal assigned;
    assigned = first;
    EXPECT_EQ(&(assigned = copy), &assigned);
    EXPECT_EQ(copy.Varnok(2000, 1, 21, 28), first.Varnok(2000, 1, 21, 28));
    EXPECT_EQ(assigned.Varnok(2009, 1, 1, 28), 5);
    // A repeated call answers the same; a different step count is independent of earlier calls.
    EXPECT_EQ(first.Varnok(2000, 1, 20, 8), first.Varnok(2000, 1, 20, 8));
    EXPECT_EQ(first.Varnok(2000, 1, 20, 2), 1); // 0.487 of a cycle, halves: rounds to 1

    CVarnokCal* heap = new CVarnokCal;
    EXPECT_EQ(heap->Varnok(2010, 6, 15, 28), 3);
    delete heap;
    CVarnokCal* array = new CVarnokCal[3];
    EXPECT_EQ(array[2].Varnok(2008, 12, 27, 28), 0);
    delete[] array;
}

TEST(VarnokModule, ExportsTheSixMembersByNameAtOrdinalsOneToSix)
{
    HMODULE module = GetModuleHandleW(L"Varnok.dll");
    ASSERT_NE(module, nullptr);
    const ExportTable table = ExportTableOf(module);
    EXPECT_EQ(table.moduleName, "Varnok.dll");
    EXPECT_EQ(table.ordinalBase, 1u);
    EXPECT_EQ(table.functionCount, 6u);
    const std::vector<std::pair<unsigned, std::string>> expected = {
        {1, "_ZN10CVarnokCalC1ERKS_"}, {2, "_ZN10CVarnokCalC1Ev"}, {3, "_ZN10CVarnokCalD1Ev"},
        {4, "_ZN10CVarnokCalaSERKS_"}, {5, "_ZTV10CVarnokCal"},    {6, "_ZN10CVarnokCal6VarnokEiiii"}};
    EXPECT_EQ(table.named, expected);
    for (const auto& entry : expected)
        EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCEA(entry.first)), GetProcAddress(module, entry.second.c_str()))
            << entry.second;

    // The data export is the class's virtual table: an object points just past its two header
    // words (offset to top, type information).
    CVarnokCal cal;
    const char* table5 = reinterpret_cast<const char*>(GetProcAddress(module, MAKEINTRESOURCEA(5)));
    ASSERT_NE(table5, nullptr);
    const char* pointer = nullptr;
    std::memcpy(&pointer, &cal, sizeof pointer);
    EXPECT_EQ(pointer, table5 + 2 * sizeof(void*));
}

TEST(VarnokModule, VersionResource)
{
    HMODULE module = GetModuleHandleW(L"Varnok.dll");
    ASSERT_NE(module, nullptr);
    wchar_t path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(module, path, MAX_PATH), 0u);

    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path, &handle);
    ASSERT_GT(size, 0u);
    std::vector<unsigned char> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLength = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedLength));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));

    auto text = [&](const wchar_t* name) -> std::wstring {
        std::wstring key = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
        wchar_t* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(data.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
            return L"<absent>";
        return value;
    };
    EXPECT_EQ(text(L"FileVersion"), L"1, 0, 0, 1");
    EXPECT_EQ(text(L"ProductVersion"), L"1, 0, 0, 1");
    EXPECT_EQ(text(L"FileDescription"), L"Varnok DLL");
    EXPECT_EQ(text(L"ProductName"), L"Varnok Dynamic Link Library");
    EXPECT_EQ(text(L"InternalName"), L"Varnok");
    EXPECT_EQ(text(L"OriginalFilename"), L"Varnok.DLL");
    EXPECT_EQ(text(L"CompanyName"), L"<absent>");
}
