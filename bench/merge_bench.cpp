// The window while a new record is merged: Orvelle.exe (beside this program, with the emulated demo
// station) runs in a folder whose record files hold ten years of records before the station's
// history; the station is moved on to its next record from outside, while a second thread sends the
// main window WM_NULL over and over and times each reply.
//
// For each record it prints the window's longest unanswered span from the record's coming to its
// being in every record file (and, with the copies held, the ticks after), and how long that took:
// with nothing held, and with "RECORDS.csv" and "RECORDS.txt" held open for reading by this program
// (a spreadsheet showing them). Run it in a Wine session that is already up, e.g.
//   xvfb-run -a sh -c 'build/wine-run wineboot >/dev/null 2>&1; build/wine-run build/bin/merge_bench.exe'
// An argument gives the record files' length in lines (1050000 unless given).
#include "bench/BenchClock.h"
#include "bench/BenchRecordFolder.h"
#include "bench/ReplyWatch.h"
#include "tests/e2e/ProgramRun.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

long long SizeOf(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::wstring OwnFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.rfind(L'\\'));
}

// The station's next record, and the span until every record file took it.
void MeasureRecord(const e2e::Program& program, ReplyWatch& watch, const char* what)
{
    const long long before = SizeOf(program.File(L"txt_custom.dat"));
    const double start = NowMs();
    if (!program.Steer("advance 5")) {
        std::printf("  %-34s the station could not be moved on\n", what);
        return;
    }
    while (SizeOf(program.File(L"txt_custom.dat")) == before && NowMs() - start < 60000)
        ::Sleep(2);
    const double merged = NowMs() - start;
    ::Sleep(3000);  // the ticks after it (a held copy tried again) and the replies of the last spans
    std::printf("  %-34s longest unanswered %6.0f ms   in every file after %6.0f ms\n", what,
                watch.LongestWaitSince(start), merged);
}

void Measure(int lines)
{
    e2e::Program program(L"merge_" + std::to_wstring(lines));
    if (!program.HasBinaries()) {
        std::printf("Orvelle.exe or USB.dll missing beside this program\n");
        return;
    }
    FillBenchRecordFiles(program.Folder() + L"\\", lines);
    // The first poll writes the copies again: its end is seen by their coming.
    for (const wchar_t* name : {L"RECORDS.csv", L"RECORDS.txt", L"RECORDS_CUSTOM.csv", L"RECORDS_CUSTOM.txt"})
        ::DeleteFileW(program.File(name).c_str());
    e2e::UseDemoStation(program, 290);
    if (!program.Start() || !program.WaitForFirstPoll(300) ||
        !e2e::WaitFor([&] { return !e2e::Exists(program.File(L"tmpLastRec.txt")); }, 120)) {
        std::printf("%d lines: the program did not come to its first poll\n", lines);
        return;
    }
    ::Sleep(3000);  // the first poll's charts drawn and the window idle
    ReplyWatch watch(program.MainWindow());
    ::Sleep(1000);
    std::printf("%d lines: longest unanswered while idle %.0f ms\n", lines, watch.LongestWaitSince(NowMs() - 1000));
    for (int i = 0; i < 3; ++i)
        MeasureRecord(program, watch, "a record");
    HANDLE held[2];
    int k = 0;
    for (const wchar_t* name : {L"RECORDS.csv", L"RECORDS.txt"})
        held[k++] = ::CreateFileW(program.File(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    for (int i = 0; i < 3; ++i)
        MeasureRecord(program, watch, "a record, both copies held");
    for (HANDLE h : held)
        ::CloseHandle(h);
    while (program.MessageBoxCount() > 0)
        program.PressOk();
    program.Stop();
    e2e::RemoveFolder(program.Folder());
}

}  // namespace

int main(int argc, char** argv)
{
    const int lines = argc > 1 ? std::max(1000, std::atoi(argv[1])) : 1050000;
    // The program's binaries are the ones beside this benchmark.
    ::SetEnvironmentVariableW(L"ORVELLE_BIN_DIR", OwnFolder().c_str());
    Measure(lines);
    return 0;
}
