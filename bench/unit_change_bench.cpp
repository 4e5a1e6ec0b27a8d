// The window during a change of display unit: Orvelle.exe (beside this program, with a small
// emulated station) runs in a folder of record files of a given length; the Displaying unit command
// is given from outside as a user gives it (the command, a unit picked in the dialog's lists, OK),
// while a second thread sends the main window WM_NULL over and over and times each reply.
//
// For each change it prints
//   - the window's longest unanswered span from OK on (the longest wait for a reply);
//   - OK to the dialog gone;
//   - OK to the whole change done: "rDisplayingUnitSetting.dat" written and, when a unit changed,
//     the four custom files and copies ("csv_custom.dat", "txt_custom.dat", "RECORDS_CUSTOM.csv",
//     "RECORDS_CUSTOM.txt") replaced (watched by their times only, never opened while the program
//     may write them), then the window answering;
//   - whether the four files then begin with the new units' header row;
// for an OK with no unit changed, a change of temperature and wind unit, and the change back, at
// 10,000 lines and at ten years (1.05M lines).
//
// Under Wine each folder is measured twice: with the X11 driver managing the windows, which on a
// display without a window manager makes every hidden dialog wait 2 s for the confirmation a
// window manager would give, and with unmanaged windows (as the tests run). Run it in a Wine
// session that is already up, on a display without a window manager, e.g.
//   xvfb-run -a sh -c 'build/wine-run wineboot >/dev/null 2>&1; build/wine-run build/bin/unit_change_bench.exe'
// An argument gives the longer folder's length in lines (1050000 unless given).
#include "bench/BenchClock.h"
#include "bench/BenchRecordFolder.h"
#include "bench/ReplyWatch.h"
#include "records/RecordMerge.h"
#include "res/resource.h"
#include "tests/e2e/ProgramRun.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int LIST_TEMPERATURE = 1237;
constexpr int LIST_WIND = 1238;
constexpr wchar_t const* kCustomFiles[] = {L"csv_custom.dat", L"txt_custom.dat", L"RECORDS_CUSTOM.csv",
                                           L"RECORDS_CUSTOM.txt"};

// Selects the item of a unit in one of the dialog's lists (the items carry their unit as data).
bool SelectUnit(HWND dialog, int listId, int unit)
{
    HWND list = ::GetDlgItem(dialog, listId);
    const int count = static_cast<int>(::SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (static_cast<int>(::SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)) == unit)
            return ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(i), 0) == i;
    return false;
}

ULONGLONG FileTimeNow()
{
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    return (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

struct ChangeFigures {
    double longestWait = -1, dialogGone = -1, done = -1;
    bool converted = false;  // the four files begin with the new units' header row
};

// One OK in the dialog with the given temperature and wind units.
ChangeFigures ChangeUnits(const e2e::Program& program, ReplyWatch& watch, const DisplayUnitSelection& units,
                          bool changed)
{
    ChangeFigures figures;
    HWND main = program.MainWindow();
    ::PostMessageW(main, WM_COMMAND, MAKEWPARAM(ID_SETTING_DISPLAYING_UNIT, 0), 0);
    HWND dialog = nullptr;
    // The Displaying unit dialog: the program's shown dialog with the temperature list.
    e2e::WaitFor([&] { return (dialog = program.DialogWithControl(LIST_TEMPERATURE)) != nullptr; }, 20);
    if (dialog == nullptr || !SelectUnit(dialog, LIST_TEMPERATURE, units.temperature) ||
        !SelectUnit(dialog, LIST_WIND, units.wind)) {
        std::printf("the Displaying unit dialog did not come or has no such units\n");
        return figures;
    }
    ::Sleep(300);  // the dialog painted and idle
    // Less a little: Linux stamps files by a clock that may lag a few milliseconds.
    const ULONGLONG okTime = FileTimeNow() - 200000;
    const double ok = NowMs();
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    // The units are in force once the unit file is written again and, when a unit changed, the
    // custom files and copies have been replaced.
    auto inForce = [&] {
        if (e2e::LastWriteTime(program.File(L"rDisplayingUnitSetting.dat")) <= okTime)
            return false;
        for (const wchar_t* name : kCustomFiles)
            if (changed && e2e::LastWriteTime(program.File(name)) <= okTime)
                return false;
        return true;
    };
    auto noteDialogGone = [&] {
        if (figures.dialogGone < 0 && !::IsWindow(dialog))
            figures.dialogGone = NowMs() - ok;
    };
    while (!inForce() && NowMs() - ok < 120000) {
        noteDialogGone();
        ::Sleep(2);
    }
    // Done once the window answers after that.
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
    figures.done = NowMs() - ok;
    while (figures.dialogGone < 0 && NowMs() - ok < 60000) {
        noteDialogGone();
        ::Sleep(2);
    }
    ::Sleep(500);  // the replies of the last spans
    figures.longestWait = watch.LongestWaitSince(ok);
    figures.converted = true;
    for (const wchar_t* name : kCustomFiles) {
        const char separator = std::wstring(name).find(L"txt") != std::wstring::npos ? '\t' : ',';
        figures.converted = figures.converted && e2e::FirstLine(program.File(name)) == BuildHeaderRow(separator, units);
    }
    return figures;
}

// Under Wine, whether its X11 driver manages the top-level windows (as on a desktop, where a
// window manager confirms each window hidden) is read by each program at its start from this value.
const wchar_t* const kWineX11Key = L"Software\\Wine\\X11 Driver";

bool UnderWine()
{
    HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The value "Managed" as it is (empty when absent), or set ("" deletes it).
std::wstring WineManagedValue()
{
    wchar_t value[16] = {};
    DWORD size = sizeof value;
    if (::RegGetValueW(HKEY_CURRENT_USER, kWineX11Key, L"Managed", RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::wstring();
    return value;
}

void SetWineManaged(const std::wstring& value)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, kWineX11Key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    if (value.empty())
        ::RegDeleteValueW(key, L"Managed");
    else
        ::RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
}

void Measure(int lines, const char* windows)
{
    e2e::Program program(L"unit_change_" + std::to_wstring(lines));
    if (!program.HasBinaries()) {
        std::printf("Orvelle.exe or USB.dll missing beside this program\n");
        return;
    }
    const double fillStart = NowMs();
    FillBenchRecordFiles(program.Folder() + L"\\", lines);
    // The first poll writes the copies again: its end is seen by their coming.
    for (const wchar_t* name : {L"RECORDS.csv", L"RECORDS.txt", L"RECORDS_CUSTOM.csv", L"RECORDS_CUSTOM.txt"})
        ::DeleteFileW(program.File(name).c_str());
    std::printf("%d lines, %s: record files written in %.0f ms\n", lines, windows, NowMs() - fillStart);
    program.SetEnvironment(L"USB_EMULATOR", e2e::WriteSmallStation(program));
    if (!program.Start() || !program.WaitForFirstPoll(300)) {
        std::printf("%d lines: the program did not come to its first poll\n", lines);
        return;
    }
    ::Sleep(2000);  // the first poll's charts drawn and the window idle
    ReplyWatch watch(program.MainWindow());
    ::Sleep(500);
    std::printf("  before any command: longest unanswered %.0f ms\n", watch.LongestWaitSince(NowMs() - 500));

    DisplayUnitSelection base;
    DisplayUnitSelection fahrenheitKmh;
    fahrenheitKmh.temperature = 1;
    fahrenheitKmh.wind = 0;
    struct Change {
        const char* what;
        const DisplayUnitSelection* units;
        bool changed;
    } changes[] = {{"OK, no unit changed", &base, false},
                   {"degC->degF, mph->km/h", &fahrenheitKmh, true},
                   {"degF->degC, km/h->mph", &base, true},
                   {"OK, no unit changed", &base, false}};
    std::printf("  %-24s %18s %16s %16s %10s\n", "change", "longest wait ms", "dialog gone ms", "whole change ms",
                "files");
    for (const Change& change : changes) {
        const ChangeFigures f = ChangeUnits(program, watch, *change.units, change.changed);
        std::printf("  %-24s %18.0f %16.0f %16.0f %10s\n", change.what, f.longestWait, f.dialogGone, f.done,
                    f.converted ? "converted" : "NOT IN THE UNITS");
        ::Sleep(1000);
    }
    program.Stop();
    e2e::RemoveFolder(program.Folder());
}

std::wstring OwnFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.rfind(L'\\'));
}

}  // namespace

int main(int argc, char** argv)
{
    const int longest = argc > 1 ? std::max(1000, std::atoi(argv[1])) : 1050000;
    // The program's binaries are the ones beside this benchmark.
    ::SetEnvironmentVariableW(L"ORVELLE_BIN_DIR", OwnFolder().c_str());
    ::SetEnvironmentVariableW(L"ORVELLE_TEST_LIVE_PERIOD_MS", nullptr);
    if (!UnderWine()) {
        for (int lines : {10000, longest})
            Measure(lines, "this system's windows");
        return 0;
    }
    // Managed windows on a display without a window manager: each hidden dialog waits the 2 s in
    // which a window manager would have confirmed it; unmanaged: none.
    const std::wstring managed = WineManagedValue();
    for (int lines : {10000, longest}) {
        SetWineManaged(L"Y");
        Measure(lines, "Wine's managed windows");
        SetWineManaged(L"N");
        Measure(lines, "Wine's unmanaged windows");
    }
    SetWineManaged(managed);
    return 0;
}
