// Record files of a given length for the benchmarks: a station that records every five minutes
// from 2016-01-01, so 1.05M records are ten years.
#pragma once
#include <string>

// Writes the text as the file's bytes (created or truncated).
void WriteText(const std::wstring& path, const std::string& text);

// Record i as a staged line; the values change from line to line as real ones do.
std::string BenchRecordLine(int i);

// The four record files of `lines` records (the custom ones in the default units, which are the
// base units) in the folder (ending in a backslash), each with its "RECORDS" copy.
void FillBenchRecordFiles(const std::wstring& folder, int lines);
