// Reading the decoded memory dump "all_weather.csv" back into the readings record: the history
// columns (one row per history record, oldest first), the dewpoint of every row, the dewpoint
// extremes, the rain-reset state and the header values (extremes, trends, altitude, location,
// UV maxima, hourly pressures, rain totals).
//
// The file is read as whitespace-separated tokens, one per line: token 0 is the time line, tokens
// 1-25 the header lines, and history record r (newest first) takes tokens 26 + 5r .. 30 + 5r.
#pragma once
#include <string>
#include <string_view>

class ReadingsRecord;

constexpr int MAX_DUMP_TOKENS = 30000;
constexpr int DUMP_HEADER_TOKENS = 26;
constexpr int HISTORY_MAX_AGE_S = 31536000;       // 365 days
constexpr int INVALID_AGE_S = HISTORY_MAX_AGE_S + 1; // "E" or a negative age
constexpr int ROW_COUNT_OFFSET = 30;

// Reads the dump at path into the record. False when the file cannot be opened or a
// read error occurs (the record is then unchanged); true after every step has run.
bool LoadDumpTokens(ReadingsRecord& record, const std::wstring& path);

// The parse of a dump already read into memory (what LoadDumpTokens does after reading the file).
void ParseDumpText(ReadingsRecord& record, std::string_view text);

// Age in seconds of a history record's age field ("%dsec" or "E"); INVALID_AGE_S for "E", a negative
// age or anything that is not a number followed by "sec".
int DumpAgeSeconds(std::string_view field);
