// Figures of the record code: parsing a full 128 KB memory dump, and merging one new reading into
// record files of growing length (one merge per file, as a later polling pass does, plus the copies).
#include "records/DumpParse.h"
#include "records/ReadingsRecord.h"
#include "records/RecordMerge.h"

#include "bench/BenchClock.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

void WriteText(const std::wstring& path, const std::string& text)
{
    if (FILE* f = _wfopen(path.c_str(), L"wb")) {
        fwrite(text.data(), 1, text.size(), f);
        fclose(f);
    }
}

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

std::string RecordLine(int i)
{
    char line[256];
    std::snprintf(line, sizeof line,
                  "2%03d,6,1,18,10,%d,21.50,45.00,10.00,60.00,, , 12.00,62.00,13.00,63.00,14.00,64.00,3.00,1013.25,"
                  "3,9.50,4.50,2.30,9,%.1f,",
                  i / 100000, i % 60, 0.1 * (i % 1000));
    return line;
}

void FillRecordFiles(const std::wstring& folder, int lines)
{
    for (RecordFileKind kind : {RecordFileKind::Csv, RecordFileKind::Txt, RecordFileKind::CsvCustom,
                                RecordFileKind::TxtCustom}) {
        std::string text = BuildHeaderRow(SeparatorOf(kind), DisplayUnitSelection()) + "\r\n";
        text.reserve(static_cast<size_t>(lines) * 180);
        for (int i = 0; i < lines; ++i)
            text += RecordLineFor(kind, RecordLine(i), DisplayUnitSelection()) + "\r\n";
        WriteText(folder + RecordFileName(kind), text);
    }
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

    // ---- merge of one new reading ----
    std::printf("merge of one new reading into the four record files (later pass: merges, copies, staging "
                "file deleted):\n");
    std::printf("%10s %12s %14s %16s\n", "lines", "file MB", "merge ms", "ms per 100k lines");
    for (int lines : {10000, 50000, 100000, 250000}) {
        FillRecordFiles(folder, lines);
        double best = 1e30;
        for (int run = 0; run < 3; ++run) {
            AppendStagedLine(folder + STAGING_FILE_NAME, RecordLine(lines + run));
            double t0 = NowMs();
            MergeStagedRecords(folder, false, false, DisplayUnitSelection());
            best = std::min(best, NowMs() - t0);
        }
        WIN32_FILE_ATTRIBUTE_DATA data;
        double mb = 0;
        if (GetFileAttributesExW((folder + L"csv.dat").c_str(), GetFileExInfoStandard, &data))
            mb = (static_cast<double>(data.nFileSizeHigh) * 4294967296.0 + data.nFileSizeLow) / 1048576.0;
        std::printf("%10d %12.1f %14.1f %16.1f\n", lines, mb, best, best * 100000.0 / lines);
    }
    // The first pass compares by time; its cost at the longest length.
    record->AppendLastRecords(0.0, folder + STAGING_FILE_NAME);
    start = NowMs();
    MergeStagedRecords(folder, true, true, DisplayUnitSelection());
    std::printf("first pass (by time, %d staged lines) into 250000-line files: %.1f ms\n", record->m_rowCount,
                NowMs() - start);
    return 0;
}
