#include "tests/station/TestFiles.h"

#include <windows.h>

#include <cstdio>

std::string TempFilePath(const std::string& name)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "orvelle_station_" + std::to_string(GetCurrentProcessId()) + "_" + name;
}

std::wstring Wide(const std::string& path) { return std::wstring(path.begin(), path.end()); }

std::string ReadWholeFile(const std::string& path)
{
    std::string content;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return content;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content.append(buffer, n);
    std::fclose(file);
    return content;
}

std::string ReadLine(const std::string& path, int index)
{
    const std::string content = ReadWholeFile(path);
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = content.find('\n', start);
        if (start == std::string::npos)
            return "";
        ++start;
    }
    size_t end = content.find('\n', start);
    std::string line = content.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}
