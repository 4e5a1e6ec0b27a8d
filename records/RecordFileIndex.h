// What the program knows of one record file without reading it again: the times of the records it
// holds, how many there are, its header row, and the size and last write time of the file when that
// was read. The merges ask it whether a record is already in the file; as long as the file is the
// one it describes (only this program writes it), a new record costs no reading at all.
#pragma once
#include "records/RecordTime.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A record line has at least the fields from "Year" to "RainCount", each followed by its separator.
constexpr int RECORD_LINE_MIN_FIELDS = 26;

// Column indexes of a record line.
constexpr int COLUMN_YEAR = 0;
constexpr int COLUMN_WEEKDAY = 1;
constexpr int COLUMN_MONTH = 2;
constexpr int COLUMN_DAY = 3;
constexpr int COLUMN_HOUR = 4;
constexpr int COLUMN_MINUTE = 5;

// The time of a record line: six plain numbers (blanks around them allowed) forming a real date and
// time (weekday 0..7), then reading fields - each empty, blank, a marker text or a plain number - in
// one of the two shapes of record line: the 26 closed fields of a downloaded line, or the 32 of a
// polled line, whose 33rd may follow the last separator. False for a header row, a line cut short,
// and a line that no record line looks like: damaged bytes (a NUL, a byte beyond ASCII), a field that
// is no reading, other numbers of fields (the date of one record glued to the tail of another).
bool RecordTimeOfLine(std::string_view line, char separator, RecordTime* time);

// The key of a record time: its minutes since 1970 (below 2^32 up to the year 9999).
inline long long RecordKey(const RecordTime& time) { return MinutesOf(time); }

// What tells two records of one time apart: a 32-bit digest of the readings a record line carries -
// the temperatures, humidities, UV, pressure, wind chill, gust, wind speed and direction (columns 6
// to 19 and 21 to 24) - each read as a number to the hundredth ("48" and "48.00" are the same
// reading), a missing value or a text that is no number as one missing value. The forecast symbol
// (column 20) takes no part: the downloaded history writes a station's unknown symbol as 0 where a
// polled line leaves it empty; nor does the rain (column 25 on), which counts from the rain reset
// this program keeps and so changes for the same record when the rain total is cleared.
// Records of one time with the same digest are the same record (two records of one time arise
// when the station's clock is set back).
bool RecordOfLine(std::string_view line, char separator, RecordTime* time, std::uint32_t* values);

// A record's time key and values digest as one number (the key in the high 32 bits); records sort
// by time first.
inline std::uint64_t RecordId(long long key, std::uint32_t values)
{
    return (static_cast<std::uint64_t>(key) << 32) | values;
}

// The digest of RecordOfLine built field by field, for a line being written (the conversion into
// display units): the fields of the columns that Counts, in their order.
class CRecordValuesDigest {
public:
    static constexpr bool Counts(int column)
    {
        return column > COLUMN_MINUTE && column <= LAST_READING_COLUMN && column != COLUMN_FORECAST;
    }
    void AddField(std::string_view field);
    std::uint32_t Value() const;

private:
    static constexpr int COLUMN_FORECAST = 20;
    static constexpr int LAST_READING_COLUMN = 24;  // the wind direction
    std::uint64_t m_digest = 0xcbf29ce484222325ULL;
};

// A last line without its line end that still reads as a whole record line (RecordTimeOfLine). A line
// broken off inside a field, or between the fields of a polled line, is not whole.
bool IsWholeRecordLine(std::string_view line, char separator);

// The header row of a record file: "Year" and the separator first, plain ASCII text throughout.
bool IsHeaderRow(std::string_view line, char separator);

// Size and last write time of a file; size -1 when there is no such file (or it cannot be asked).
struct FileState {
    long long size = -1;
    std::uint64_t writeTime = 0;
    bool operator==(const FileState& o) const { return size == o.size && writeTime == o.writeTime; }
    bool operator!=(const FileState& o) const { return !(*this == o); }
};
FileState StateOfFile(const std::wstring& path);

class CRecordFileIndex {
public:
    // Reads the whole file (a last line without its line end counts when it is a whole record line).
    // False (and an index that describes no file) when the file exists but cannot be read. A missing
    // file gives an empty index that describes its absence.
    bool Build(const std::wstring& path, char separator);
    // True when the file is still the one that was read or last written through this index.
    bool Describes(const std::wstring& path) const { return m_valid && StateOfFile(path) == m_state; }
    void Forget() { m_valid = false; }

    // Whether the file holds a record of the time with these values (the same record), or any
    // record of the time.
    bool Holds(long long key, std::uint32_t values) const;
    bool HoldsTime(long long key) const;
    // A record of the file (in any order: they are sorted once when next asked).
    void Add(long long key, std::uint32_t values);
    // Whether this file holds a record of a time that `other` holds no record of; and whether it
    // holds a record (time and values) that `other` lacks.
    bool HoldsTimesMissingFrom(const CRecordFileIndex& other) const;
    bool HoldsRecordsMissingFrom(const CRecordFileIndex& other) const;
    long long RecordCount() const { return m_recordCount; }
    // Complete lines that are neither records nor the header row (nor empty): damage from outside -
    // bytes written over the file by another program, a bad sector. Such a line is never copied
    // into another file.
    long long DamagedLines() const { return m_damagedLines; }
    // The first line of the file (without line end); empty when the file has no complete line.
    const std::string& HeaderRow() const { return m_headerRow; }
    // Bytes up to and including the last line end: a file longer than that ends in a line cut short.
    long long CompleteBytes() const { return m_completeBytes; }
    const FileState& State() const { return m_state; }

    // After this program changed the file: its new state, and where its complete lines end.
    void NoteWritten(const FileState& state, long long completeBytes);
    // Starts an index of a file being written: header row, no records yet.
    void Start(const std::string& headerRow);

private:
    void TakeLine(std::string_view line, char separator);
    const std::vector<std::uint64_t>& Sorted() const;

    // Time key in the high 32 bits, values digest in the low ones: one record in 8 bytes.
    mutable std::vector<std::uint64_t> m_records;  // sorted and unique unless m_unsorted
    mutable bool m_unsorted = false;
    long long m_recordCount = 0;
    long long m_damagedLines = 0;
    std::string m_headerRow;
    bool m_haveHeader = false;
    long long m_completeBytes = 0;
    FileState m_state;
    bool m_valid = false;
};
