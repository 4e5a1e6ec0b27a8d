#include "records/RecordFileIndex.h"

#include "records/RecordFileIo.h"

#include <windows.h>

#include <algorithm>
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

}  // namespace

bool RecordTimeOfLine(std::string_view line, char separator, RecordTime* time)
{
    int fields[COLUMN_MINUTE + 1] = {};
    size_t start = 0;
    for (int f = 0; f <= COLUMN_MINUTE; ++f) {
        const size_t end = line.find(separator, start);
        if (end == std::string_view::npos || !PlainNumber(line.substr(start, end - start), &fields[f]))
            return false;
        start = end + 1;
    }
    for (int f = COLUMN_MINUTE + 1; f < RECORD_LINE_MIN_FIELDS; ++f) {
        const size_t end = line.find(separator, start);
        if (end == std::string_view::npos)
            return false;
        start = end + 1;
    }
    const RecordTime t{fields[COLUMN_YEAR], fields[COLUMN_MONTH], fields[COLUMN_DAY], fields[COLUMN_HOUR],
                       fields[COLUMN_MINUTE]};
    if (fields[COLUMN_WEEKDAY] > 7 || !IsRealRecordTime(t))
        return false;
    *time = t;
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

bool CRecordFileIndex::Holds(long long key) const
{
    if (m_unsorted) {
        std::sort(m_keys.begin(), m_keys.end());
        m_keys.erase(std::unique(m_keys.begin(), m_keys.end()), m_keys.end());
        m_unsorted = false;
    }
    return std::binary_search(m_keys.begin(), m_keys.end(), key);
}

void CRecordFileIndex::Add(long long key)
{
    ++m_recordCount;
    if (!m_keys.empty() && key <= m_keys.back())
        m_unsorted = true;
    m_keys.push_back(key);
}

void CRecordFileIndex::Start(const std::string& headerRow)
{
    m_keys.clear();
    m_unsorted = false;
    m_recordCount = 0;
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
    // The first line is the header row; a file that lost its header still has its record known.
    if (!m_haveHeader) {
        m_haveHeader = true;
        m_headerRow.assign(line.data(), line.size());
    }
    RecordTime time;
    if (RecordTimeOfLine(line, separator, &time))
        Add(RecordKey(time));
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
    // A CR LF split between two reads leaves a lone LF at the start of the next one: an empty line,
    // which no record line is, so nothing is lost by taking it as one.
    NoteWritten(StateOfFile(path), lineEnd);
    if (m_state != before) {
        Forget();  // written meanwhile: not the file that was read
        return false;
    }
    return true;
}
