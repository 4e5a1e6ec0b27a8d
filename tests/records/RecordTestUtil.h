// Helpers of the records tests: scripted current readings and scratch files.
#pragma once
#include "records/ReadingsRecord.h"

#include <cstdio>
#include <string>

// One scripted current reading, as the live read writes it.
struct ScriptedReading {
    int year = 2014, month = 1, day = 18, hour = 10, minute = 20;
    std::string temperature[SENSOR_COUNT] = {"21.5", "10.0", "11.0", "12.0", "13.0", "14.0"};
    std::string humidity[SENSOR_COUNT] = {"45", "60", "61", "62", "63", "64"};
    std::string uv = "3.0", pressure = "1013.2", forecastFlag = "1", forecastCode = "3";
    std::string windChill = "9.5", gust = "4.5", speed = "2.3", direction = "SSW";
    std::string rainStatus = "DEFAULT", rainCounter = "100";

    // The six lines of "record_2min.csv".
    std::string FileText() const
    {
        char buffer[1024];
        std::snprintf(buffer, sizeof buffer,
                      "%d,%d,%d,%d:%d\n%d,%d,%d,x,%d,%d\n%s,%s,%s,%s\n%s,%s,%s,%s,%s,%s\n"
                      "%s,%s,%s,%s,%s,%s,%s,%s\n%s,%s,%s,%s\n",
                      year, month, day, hour, minute, year, month, day, hour, minute, temperature[0].c_str(),
                      humidity[0].c_str(), temperature[1].c_str(), humidity[1].c_str(), temperature[2].c_str(),
                      humidity[2].c_str(), temperature[3].c_str(), humidity[3].c_str(), temperature[4].c_str(),
                      humidity[4].c_str(), temperature[5].c_str(), humidity[5].c_str(), uv.c_str(),
                      pressure.c_str(), forecastFlag.c_str(), forecastCode.c_str(), windChill.c_str(), gust.c_str(),
                      speed.c_str(), direction.c_str(), rainStatus.c_str(), rainCounter.c_str());
        return buffer;
    }
};

inline void WriteTextFile(const std::string& path, const std::string& text)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
}

// Loads a scripted reading into the record through "record_2min.csv".
inline bool LoadScripted(ReadingsRecord& record, const ScriptedReading& reading,
                         const std::string& path = "records_test_record_2min.csv")
{
    WriteTextFile(path, reading.FileText());
    return LoadCurrentRecord(std::wstring(path.begin(), path.end()), record);
}
