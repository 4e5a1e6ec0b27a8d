#include "bench/BenchRecordFolder.h"

#include "records/RecordMerge.h"

#include <windows.h>

#include <cstdio>

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

void WriteText(const std::wstring& path, const std::string& text)
{
    if (FILE* f = _wfopen(path.c_str(), L"wb")) {
        fwrite(text.data(), 1, text.size(), f);
        fclose(f);
    }
}

std::string BenchRecordLine(int i)
{
    static const int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    long long minutes = 5LL * i;
    int day = static_cast<int>(minutes / 1440);
    const int hour = static_cast<int>(minutes / 60 % 24), minute = static_cast<int>(minutes % 60);
    int year = 2016, month = 1;
    for (;;) {
        const int inYear = IsLeapYear(year) ? 366 : 365;
        if (day < inYear)
            break;
        day -= inYear;
        ++year;
    }
    for (;; ++month) {
        const int inMonth = kDaysInMonth[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
        if (day < inMonth)
            break;
        day -= inMonth;
    }
    char line[320];
    std::snprintf(line, sizeof line,
                  "%d,%d,%d,%d,%d,%d,%.2f,%d.00,%.2f,%d.00,, ,%.2f,%d.00,%.2f,%d.00,%.2f,%d.00,%.2f,%.2f,%d,%.2f,%.2f,"
                  "%.2f,%d,%.1f,",
                  year, i / 288 % 7, month, day + 1, hour, minute, 18.0 + (i % 97) * 0.05, 40 + i % 30,
                  -5.0 + (i % 301) * 0.1, 50 + i % 40, 2.5 + (i % 53) * 0.3, 60 + i % 20, 10.0 + (i % 71) * 0.15,
                  55 + i % 25, 12.0 + (i % 37) * 0.2, 30 + i % 50, (i % 131) * 0.1, 995.0 + (i % 400) * 0.0625, i % 5, 8.0 + (i % 89) * 0.1,
                  (i % 61) * 0.5, (i % 43) * 0.4, i % 16, (i % 9000) * 0.1);
    return line;
}

void FillBenchRecordFiles(const std::wstring& folder, int lines)
{
    for (RecordFileKind kind : {RecordFileKind::Csv, RecordFileKind::Txt, RecordFileKind::CsvCustom,
                                RecordFileKind::TxtCustom}) {
        std::string text = BuildHeaderRow(SeparatorOf(kind), DisplayUnitSelection()) + "\r\n";
        text.reserve(static_cast<size_t>(lines) * 180);
        for (int i = 0; i < lines; ++i)
            text += RecordLineFor(kind, BenchRecordLine(i), DisplayUnitSelection()) + "\r\n";
        WriteText(folder + RecordFileName(kind), text);
        CopyFileW((folder + RecordFileName(kind)).c_str(), (folder + UserCopyName(kind)).c_str(), FALSE);
    }
}
