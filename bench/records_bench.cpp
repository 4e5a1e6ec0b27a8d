// Figures of the record code: parsing a full 128 KB memory dump; reading record files of growing
// length at start, the first pass and a new reading merged into them (as a later polling pass does,
// the copies included); and the custom rebuild after a unit change, at ten years of records.
#include "records/DumpParse.h"
#include "records/ReadingsRecord.h"
#include "records/RecordMerge.h"

#include "bench/BenchClock.h"
#include "bench/BenchRecordFolder.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

// "all_weather.csv" of a 128 KB station: 25 header lines and 3442 records, newest first.
std::string FullDump()
{
    const int records = 3442;
    std::string text = "2014,1,18,10:25\n";
    for (int i = 1; i <= 25; ++i)
        text += "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15\n";
    char line[256];
    for (int o = 0; o < records; ++o) {
        int minutes = 5 * o;
        std::snprintf(line, sizeof line, "%d,2014,1,%d,%d,%d,%d,%dsec\n", 257 + 38 * (records - 1 - o),
                      18 - minutes / 1440 % 18, 6, 23 - minutes / 60 % 24, 55 - minutes % 60, minutes * 60);
        text += line;
        std::snprintf(line, sizeof line, "%.2f,%d,%.2f,%d\n", 20.0 + o % 7, 40 + o % 30, 5.0 + o % 5, 60 + o % 20);
        text += line;
        text += "10.00,61,OUT,UU,12.50,70\n";
        std::snprintf(line, sizeof line, "14.00,64,%.2f,%.2f,1,3,9.00,4.50\n", (o % 11) * 0.5, 1000.0 + o % 30);
        text += line;
        std::snprintf(line, sizeof line, "2.30,SSW,%s,%d\n", o == 100 ? "CLEAR" : "DEFAULT", 1000 + o);
        text += line;
    }
    return text;
}

double FileMegabytes(const std::wstring& path)
{
    return static_cast<double>(std::max(0LL, StateOfFile(path).size)) / 1048576.0;
}

DisplayUnitSelection DisplayUnits()
{
    DisplayUnitSelection units;
    units.temperature = 1;
    units.pressure = 0;
    units.wind = 0;
    units.rain = 0;
    units.uv = 0;
    return units;
}

} // namespace

int main()
{
    CreateDirectoryW(L"records_bench_files", nullptr);
    const std::wstring folder = L"records_bench_files\\";

    // ---- dump parse ----
    const std::string dump = FullDump();
    const std::wstring dumpPath = L"records_bench_files\\all_weather.csv";
    WriteText(L"records_bench_files\\all_weather.csv", dump);
    auto record = std::make_unique<ReadingsRecord>();
    std::vector<double> times;
    for (int run = 0; run < 7; ++run) {
        double start = NowMs();
        if (!LoadDumpTokens(*record, dumpPath)) {
            std::printf("dump could not be read\n");
            return 1;
        }
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    std::printf("dump parse: %zu bytes, %d lines, %d rows: median %.2f ms (min %.2f ms, 7 runs)\n", dump.size(),
                record->m_tokenCount, record->m_rowCount, times[times.size() / 2], times.front());

    // Staging the parsed history (what the first polling pass writes before its merges).
    DeleteFileW((folder + STAGING_FILE_NAME).c_str());
    double start = NowMs();
    record->AppendLastRecords(0.0, folder + STAGING_FILE_NAME);
    std::printf("staging %d history lines: %.2f ms\n", record->m_rowCount, NowMs() - start);
    DeleteFileW((folder + STAGING_FILE_NAME).c_str());

    // ---- a new reading merged into record files of growing length ----
    // As the program runs: what the start read of the files (in the download's worker) is kept, so a
    // later pass appends the new line to the four files and their copies without reading them.
    std::printf("a new reading merged into the four record files and their copies (later pass):\n");
    std::printf("%10s %10s %12s %12s %12s %14s\n", "lines", "file MB", "start ms", "1st pass ms", "merge ms",
                "worst merge ms");
    for (int lines : {10000, 100000, 250000, 1050000}) {
        FillBenchRecordFiles(folder, lines);
        CRecordFiles files;
        double t0 = NowMs();
        PrepareRecordFiles(folder, DisplayUnitSelection(), files);
        const double startMs = NowMs() - t0;
        // The first pass: the station's whole history (3442 records, the newest 3441 held already).
        for (int i = lines - 3441; i <= lines; ++i)
            AppendStagedLine(folder + STAGING_FILE_NAME, BenchRecordLine(i));
        t0 = NowMs();
        MergeStagedRecords(folder, true, DisplayUnitSelection(), files);
        const double firstMs = NowMs() - t0;
        std::vector<double> merges;
        for (int run = 1; run <= 9; ++run) {
            AppendStagedLine(folder + STAGING_FILE_NAME, BenchRecordLine(lines + run));
            t0 = NowMs();
            MergeStagedRecords(folder, false, DisplayUnitSelection(), files);
            merges.push_back(NowMs() - t0);
        }
        std::sort(merges.begin(), merges.end());
        std::printf("%10d %10.1f %12.1f %12.1f %12.2f %14.2f\n", lines, FileMegabytes(folder + L"csv.dat"), startMs,
                    firstMs, merges[merges.size() / 2], merges.back());
    }

    // ---- the custom rebuild after a unit change, at the longest length ----
    RebuildControl control;
    double t0 = NowMs();
    RebuildCustomRecords(folder, DisplayUnits(), &control);
    std::printf("custom rebuild of both files (1050010 lines each, degF/MED/h/inHg/km/h/inch): %.0f ms\n",
                NowMs() - t0);
    t0 = NowMs();
    CRecordFileIndex index;
    RebuildCustomFile(RecordFileKind::CsvCustom, folder + L"csv.dat", folder + L"csv_custom.dat", DisplayUnits(), &index);
    std::printf("custom rebuild of csv_custom.dat alone: %.0f ms\n", NowMs() - t0);
    return 0;
}
