// Builders of "all_weather.csv" texts and scratch folders for the record-file tests.
#pragma once
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

// One history record of a dump: its five lines after the address.
struct DumpRecordText {
    std::string date;  // "year,month,day,weekday,hour,minute,age" (age "%dsec" or "E")
    std::string sensors1, sensors2, line3, line4;
};

// The 25 header lines (tokens 1..25) of a dump with known values.
inline std::vector<std::string> StandardDumpHeader()
{
    return {
        "1,2,3,4,5,6,77",                        // 1: field 6 -> 77
        "0,0,0,0,42,-,51,30,W,0,7,S,52,13,5",    // 2: location
        "1,2,3,4,5,6",                           // 3
        "1,2,3",                                 // 4
        "17,U,0,0,0,0,0,0,0,0,0",                // 5: city name index 17
        "x,y,18.50,24.00,35,55",                 // 6: indoor extremes
        "1.50,9.00,40,80",                       // 7: channel 1
        "2.50,10.00,41,81",                      // 8: channel 2
        "3.50,11.00,42,82",                      // 9: channel 3
        "4.50,12.00,43,83",                      // 10: channel 4
        "UU,MISS,OUT,ChkErr",                    // 11: channel 5 absent
        "1,2,3,U",                               // 12: trends byte 73 (bits 0-1, 2-3, 4-5, 6-7)
        "2,1,U,3",                               // 13: byte 74
        "3,3,1,1",                               // 14: byte 75
        "0,0,0,0",                               // 15
        "1.00,2.00,3.00,MISS,5.00,6.00,7.00,8.50", // 16: UV daily maxima
        "250,1,2,3,4,5",                         // 17: altitude
        "1000.0,1001.0,1002.0,1003.0,1004.0,1005.0,1006.0", // 18-21: hourly pressures
        "1007.0,1008.0,1009.0,1010.0,1011.0,1012.0,1013.0",
        "1014.0,1015.0,1016.0,UU,1018.0,1019.0,1020.0",
        "1021.0,1022.0,1023.0,1024.0",
        "0,0,0,0",                               // 22
        "1,2,3,4,5",                             // 23
        "12.50,20.10,100,UU,65535",              // 24: wind maxima, rain totals
        "252,253,254",                           // 25
    };
}

// The dump text: time line, header lines, then the records (newest first), each line ended by "\n".
inline std::string BuildDumpText(const std::vector<std::string>& header, const std::vector<DumpRecordText>& records)
{
    std::string text = "2014,1,18,10:25\n";
    for (const std::string& line : header)
        text += line + "\n";
    int address = 257 + 38 * static_cast<int>(records.size());
    for (const DumpRecordText& r : records) {
        address -= 38;
        text += std::to_string(address) + "," + r.date + "\n";
        text += r.sensors1 + "\n" + r.sensors2 + "\n" + r.line3 + "\n" + r.line4 + "\n";
    }
    return text;
}

// A dump of four records of 2014-01-18, 10:20 down to 10:05 five minutes apart, that the parse
// takes as three history rows.
inline std::string SmallDump()
{
    std::vector<DumpRecordText> records;
    for (int i = 0; i < 4; ++i)
        records.push_back({"2014,1,18,6,10," + std::to_string(20 - 5 * i) + "," + std::to_string(300 * i) + "sec",
                           "20.00,50,0.00,100", "10.00,60,OUT,45,UU,UU", "5.00,70,1.20,1013.25,1,3,9.00,4.50",
                           "2.30,SSW,DEFAULT,100"});
    return BuildDumpText(StandardDumpHeader(), records);
}

inline std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

// A fresh scratch folder below the test's working folder, with a trailing backslash.
inline std::wstring ScratchFolder(const std::wstring& name)
{
    CreateDirectoryW(L"records_f_scratch", nullptr);
    std::wstring folder = L"records_f_scratch\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    folder += L"\\";
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW((folder + data.cFileName).c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    return folder;
}

inline std::string ReadBytes(const std::wstring& path)
{
    std::string bytes;
    std::FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f)
        return "<missing>";
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, got);
    std::fclose(f);
    return bytes;
}

inline void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    std::FILE* f = _wfopen(path.c_str(), L"wb");
    if (f) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

inline bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Opens the file as another program that reads it and lets others read it, not write it (a viewer
// holding it): the file cannot be written or replaced until the handle is closed. INVALID_HANDLE_VALUE
// when it cannot be opened so.
inline HANDLE HoldForReading(const std::wstring& path)
{
    return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

inline std::string Narrow(const std::wstring& s)
{
    std::string out;
    for (wchar_t c : s)
        out.push_back(static_cast<char>(c));
    return out;
}
