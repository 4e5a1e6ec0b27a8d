#include "records/RecordFileIndex.h"

#include "records/MissingValue.h"
#include "records/RecordFileIo.h"
#include "records/RecordNumbers.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

// A field that is a whole decimal number (blanks around it allowed) and nothing else.
bool PlainNumber(std::string_view field, int* value)
{
    size_t i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    size_t digits = 0;
    int v = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9' && digits < 6; ++i, ++digits)
        v = v * 10 + (field[i] - '0');
    while (i < field.size() && field[i] == ' ')
        ++i;
    if (digits == 0 || i != field.size())
        return false;
    *value = v;
    return true;
}

// The fields of the two shapes of record line: a downloaded (or read back) line closes its 26 fields;
// a polled line closes 32 and may leave its 33rd, the last, without a separator after it (a line
// of 33 closed fields is read too).
constexpr int DOWNLOADED_LINE_FIELDS = RECORD_LINE_MIN_FIELDS;
constexpr int POLLED_LINE_CLOSED_FIELDS = 32;

// A reading field of a record line: empty or blank, a marker text, or a plain decimal number with
// blanks around it allowed. Nothing else - no control byte, no byte beyond plain ASCII - stands in
// a field that this program writes.
bool IsReadingField(std::string_view field)
{
    size_t i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    if (i < field.size() && (field[i] == '-' || field[i] == '+'))
        ++i;
    size_t digits = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
        ++digits;
    if (i < field.size() && field[i] == '.')
        for (++i; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
            ++digits;
    while (i < field.size() && field[i] == ' ')
        ++i;
    if (i == field.size() && (digits > 0 || field.find_first_not_of(' ') == std::string_view::npos))
        return true;
    // Rarer shapes (an exponent, a marker text) are read as the readings are; a control byte or a
    // byte beyond ASCII never is part of one.
    for (char c : field)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
            return false;
    double value = 0;
    return IsMarkerText(field) || TryParseReading(field, &value);
}

constexpr std::uint64_t kDigestPrime = 0x100000001b3ULL;
constexpr std::int64_t MISSING_HUNDREDTHS = INT64_MIN;

// A reading as hundredths of its number; MISSING_HUNDREDTHS when it is missing (IsMarkerText, or no
// number for ParseRecordNumber). The plain decimals that nearly every field holds ("-3.20", "48",
// "1013.25") are read in integers, a third decimal rounding; other shapes through ParseRecordNumber.
// (Of the marker texts only whole numbers of five digits read as plain decimals: only those plain
// decimals are asked whether they are one, which keeps ten years of records quick to read.)
std::int64_t HundredthsOf(std::string_view field)
{
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ')
        field.remove_suffix(1);
    if (field.empty())
        return MISSING_HUNDREDTHS;
    size_t i = 0;
    const bool negative = field[0] == '-';
    if (negative || field[0] == '+')
        ++i;
    std::int64_t whole = 0;
    size_t digits = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9' && digits < 15; ++i, ++digits)
        whole = whole * 10 + (field[i] - '0');
    std::int64_t hundredths = whole * 100;
    const bool markerShaped = digits == 5 && i == field.size();
    if (i < field.size() && field[i] == '.') {
        ++i;
        for (int scale = 10; i < field.size() && field[i] >= '0' && field[i] <= '9' && scale > 0; ++i, scale /= 10)
            hundredths += (field[i] - '0') * scale;
        if (i < field.size() && field[i] >= '5' && field[i] <= '9')
            ++hundredths;
        while (i < field.size() && field[i] >= '0' && field[i] <= '9')
            ++i;
    }
    if (i == field.size() && (digits > 0 || field.size() > (negative ? 2u : 1u)) &&
        !(markerShaped && IsMarkerText(field)))
        return negative ? -hundredths : hundredths;
    double value = 0;
    if (!ParseRecordNumber(field, &value) || !(std::fabs(value) < 1e15))
        return MISSING_HUNDREDTHS;
    return std::llround(value * 100.0);
}

// The time of a record line, and the digest of its readings when asked: six plain numbers of a real
// date and time, reading fields after them, and the closed fields of one of the two shapes of line.
bool ReadRecordLine(std::string_view line, char separator, RecordTime* time, CRecordValuesDigest* digest)
{
    int fields[COLUMN_MINUTE + 1] = {};
    size_t start = 0;
    for (int f = 0; f <= COLUMN_MINUTE; ++f) {
        const size_t end = line.find(separator, start);
        if (end == std::string_view::npos || !PlainNumber(line.substr(start, end - start), &fields[f]))
            return false;
        start = end + 1;
    }
    int closed = COLUMN_MINUTE + 1;
    for (size_t end = line.find(separator, start); end != std::string_view::npos;
         start = end + 1, end = line.find(separator, start), ++closed) {
        const std::string_view field = line.substr(start, end - start);
        if (closed > POLLED_LINE_CLOSED_FIELDS || !IsReadingField(field))
            return false;
        if (digest != nullptr && closed < RECORD_LINE_MIN_FIELDS && CRecordValuesDigest::Counts(closed))
            digest->AddField(field);
    }
    // What follows the last separator: nothing or blanks, or the last field of a polled line.
    const std::string_view rest = line.substr(start);
    const bool restBlank = rest.find_first_not_of(' ') == std::string_view::npos;
    const bool shaped = (closed == DOWNLOADED_LINE_FIELDS && restBlank) ||
                        (closed == POLLED_LINE_CLOSED_FIELDS && IsReadingField(rest)) ||
                        (closed == POLLED_LINE_CLOSED_FIELDS + 1 && restBlank);
    const RecordTime t{fields[COLUMN_YEAR], fields[COLUMN_MONTH], fields[COLUMN_DAY], fields[COLUMN_HOUR],
                       fields[COLUMN_MINUTE]};
    if (!shaped || fields[COLUMN_WEEKDAY] > 7 || !IsRealRecordTime(t))
        return false;
    *time = t;
    return true;
}

}  // namespace

void CRecordValuesDigest::AddField(std::string_view field)
{
    m_digest = (m_digest ^ static_cast<std::uint64_t>(HundredthsOf(field))) * kDigestPrime;
}

std::uint32_t CRecordValuesDigest::Value() const
{
    // Every bit of the digest spread over the high half that is kept.
    std::uint64_t x = m_digest;
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    x ^= x >> 31;
    return static_cast<std::uint32_t>(x >> 32);
}

bool RecordTimeOfLine(std::string_view line, char separator, RecordTime* time)
{
    return ReadRecordLine(line, separator, time, nullptr);
}

bool RecordOfLine(std::string_view line, char separator, RecordTime* time, std::uint32_t* values)
{
    CRecordValuesDigest digest;
    if (!ReadRecordLine(line, separator, time, &digest))
        return false;
    *values = digest.Value();
    return true;
}

bool IsWholeRecordLine(std::string_view line, char separator)
{
    RecordTime time;
    return RecordTimeOfLine(line, separator, &time);
}

bool IsHeaderRow(std::string_view line, char separator)
{
    if (line.size() < 5 || line.compare(0, 4, "Year") != 0 || line[4] != separator)
        return false;
    for (char c : line)
        if ((static_cast<unsigned char>(c) < 0x20 && c != separator) || static_cast<unsigned char>(c) >= 0x7F)
            return false;
    return true;
}

FileState StateOfFile(const std::wstring& path)
{
    FileState state;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return state;
    state.size = (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    state.writeTime = (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                      data.ftLastWriteTime.dwLowDateTime;
    return state;
}

namespace {

long long KeyOfEntry(std::uint64_t entry) { return static_cast<long long>(entry >> 32); }

// Whether the sorted entries `mine` hold one whose `of` (the time, or the whole entry: both keep the
// order) is not that of any of the sorted entries `theirs`.
template <class Of>
bool HoldsAnyMissingFrom(const std::vector<std::uint64_t>& mine, const std::vector<std::uint64_t>& theirs, Of of)
{
    auto at = theirs.begin();
    for (std::uint64_t entry : mine) {
        while (at != theirs.end() && of(*at) < of(entry))
            ++at;
        if (at == theirs.end() || of(*at) != of(entry))
            return true;
    }
    return false;
}

}  // namespace

const std::vector<std::uint64_t>& CRecordFileIndex::Sorted() const
{
    if (m_unsorted) {
        std::sort(m_records.begin(), m_records.end());
        m_records.erase(std::unique(m_records.begin(), m_records.end()), m_records.end());
        m_unsorted = false;
    }
    return m_records;
}

bool CRecordFileIndex::Holds(long long key, std::uint32_t values) const
{
    const std::vector<std::uint64_t>& records = Sorted();
    return std::binary_search(records.begin(), records.end(), RecordId(key, values));
}

bool CRecordFileIndex::HoldsTime(long long key) const
{
    const std::vector<std::uint64_t>& records = Sorted();
    const auto at = std::lower_bound(records.begin(), records.end(), RecordId(key, 0));
    return at != records.end() && KeyOfEntry(*at) == key;
}

void CRecordFileIndex::Add(long long key, std::uint32_t values)
{
    ++m_recordCount;
    const std::uint64_t entry = RecordId(key, values);
    if (!m_records.empty() && entry <= m_records.back())
        m_unsorted = true;
    m_records.push_back(entry);
}

bool CRecordFileIndex::HoldsTimesMissingFrom(const CRecordFileIndex& other) const
{
    return HoldsAnyMissingFrom(Sorted(), other.Sorted(), KeyOfEntry);
}

bool CRecordFileIndex::HoldsRecordsMissingFrom(const CRecordFileIndex& other) const
{
    return HoldsAnyMissingFrom(Sorted(), other.Sorted(), [](std::uint64_t entry) { return entry; });
}

void CRecordFileIndex::Start(const std::string& headerRow)
{
    m_records.clear();
    m_unsorted = false;
    m_recordCount = 0;
    m_damagedLines = 0;
    m_headerRow = headerRow;
    m_haveHeader = true;
    m_completeBytes = 0;
    m_state = FileState();
    m_valid = false;
}

void CRecordFileIndex::NoteWritten(const FileState& state, long long completeBytes)
{
    m_state = state;
    m_completeBytes = completeBytes;
    m_valid = state.size >= 0;
}

void CRecordFileIndex::TakeLine(std::string_view line, char separator)
{
    // The first line is the header row; a file that lost its header still has its records known.
    const bool first = !m_haveHeader;
    if (first) {
        m_haveHeader = true;
        m_headerRow.assign(line.data(), line.size());
    }
    RecordTime time;
    std::uint32_t values = 0;
    if (RecordOfLine(line, separator, &time, &values))
        Add(RecordKey(time), values);
    else if (!line.empty() && !(first && IsHeaderRow(line, separator)))
        ++m_damagedLines;
}

bool CRecordFileIndex::Build(const std::wstring& path, char separator)
{
    Start(std::string());
    m_haveHeader = false;
    const FileState before = StateOfFile(path);
    if (before.size < 0) {
        // No such file (or nothing that can be asked about it): only a missing one is described.
        if (!IsMissingFileError(GetLastError()))
            return false;
        NoteWritten(before, 0);
        m_valid = true;
        return true;
    }
    UniqueFile file = OpenFile(path, L"rb");
    if (!file)
        return false;

    // Records are read from lines that end at LF or at a CR alone (the CR of a CR LF is part of the
    // line end); the complete lines end at the last LF.
    std::vector<char> buffer(1 << 20);
    std::string carry;
    long long offset = 0;
    long long lineEnd = 0;
    size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), file.get())) > 0) {
        const char* data = buffer.data();
        size_t start = 0;
        for (size_t i = 0; i < got; ++i) {
            const char c = data[i];
            if (c != '\n' && c != '\r')
                continue;
            if (carry.empty()) {
                TakeLine(std::string_view(data + start, i - start), separator);
            } else {
                carry.append(data + start, i - start);
                TakeLine(carry, separator);
                carry.clear();
            }
            if (c == '\r' && i + 1 < got && data[i + 1] == '\n')
                ++i;
            start = i + 1;
            if (data[i] == '\n')
                lineEnd = offset + static_cast<long long>(i) + 1;
        }
        carry.append(data + start, got - start);
        offset += static_cast<long long>(got);
    }
    if (std::ferror(file.get()))
        return false;
    // A whole record line that only lacks its line end is one of the file's records (the mending
    // of the last line gives it its line end); anything else after the last line end is not.
    if (!carry.empty() && IsWholeRecordLine(carry, separator))
        TakeLine(carry, separator);
    // A CR LF split between two reads leaves a lone LF at the start of the next one: an empty line,
    // which no record line is, so nothing is lost by taking it as one.
    NoteWritten(StateOfFile(path), lineEnd);
    if (m_state != before) {
        Forget();  // written meanwhile: not the file that was read
        return false;
    }
    return true;
}
