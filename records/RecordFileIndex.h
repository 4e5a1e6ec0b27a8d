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
// time (weekday 0..7), and at least RECORD_LINE_MIN_FIELDS separator-terminated fields. False for a
// header row, damaged bytes, a line cut short and the like.
bool RecordTimeOfLine(std::string_view line, char separator, RecordTime* time);

// The key of a record time: its minutes since 1970.
inline long long RecordKey(const RecordTime& time) { return MinutesOf(time); }

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
    // Reads the whole file. False (and an index that describes no file) when the file exists but
    // cannot be read. A missing file gives an empty index that describes its absence.
    bool Build(const std::wstring& path, char separator);
    // True when the file is still the one that was read or last written through this index.
    bool Describes(const std::wstring& path) const { return m_valid && StateOfFile(path) == m_state; }
    void Forget() { m_valid = false; }

    bool Holds(long long key) const;
    // A record of the file (keys in any order: they are sorted once when next asked).
    void Add(long long key);
    long long RecordCount() const { return m_recordCount; }
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

    mutable std::vector<long long> m_keys;  // sorted and unique unless m_unsorted
    mutable bool m_unsorted = false;
    long long m_recordCount = 0;
    std::string m_headerRow;
    bool m_haveHeader = false;
    long long m_completeBytes = 0;
    FileState m_state;
    bool m_valid = false;
};
