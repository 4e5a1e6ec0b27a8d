// Every history slot of the memory: its value texts, its year and the seconds to the next newer record.
#include <cstdint>
#include <ctime>
#include <cwchar>

#include "station/CheckValidDate.h"
#include "station/DataDecode.h"
#include "station/DecodeText.h"
#include "station/HistoryRecordDecode.h"

namespace {

constexpr int kStoredYearCount = 25;        // years of the 25 newest records at 225..249
constexpr int kStoredYearAddress = 0xE1;
// The station keeps two-digit years of this century; local times are 64-bit, so years after 2037 work.
constexpr int kLastValidYear = 2099;

int TextNumber(const std::wstring& text)
{
    return static_cast<int>(std::wcstol(text.c_str(), nullptr, 10));
}

// Date and time of a record, as its texts read.
struct RecordTime {
    int year, month, day, weekday, hour, minute;

    bool IsPlausible() const
    {
        return year >= 1970 && year <= kLastValidYear && month >= 1 && month <= 12 && day >= 1 && day <= 31 &&
               hour <= 23 && minute <= 59;
    }
    // Local date-time in seconds; daylight saving as the computer's rules say.
    int64_t LocalSeconds() const
    {
        std::tm t = {};
        t.tm_year = year - 1900;
        t.tm_mon = month - 1;
        t.tm_mday = day;
        t.tm_hour = hour;
        t.tm_min = minute;
        t.tm_sec = 0;
        t.tm_isdst = -1;
        return static_cast<int64_t>(std::mktime(&t));
    }
};

} // namespace

int CDataDecode::HistorySlotCountOfMemory() const
{
    return HistorySlotCount(m_usedMemorySize);
}

bool CDataDecode::HistoryPointerInRing() const
{
    const int slots = HistorySlotCountOfMemory();
    if (slots <= 0 || m_nextRecordAddress < HISTORY_BASE)
        return false;
    const int index = (m_nextRecordAddress - HISTORY_BASE) / HISTORY_RECORD_SIZE;
    return (m_nextRecordAddress - HISTORY_BASE) % HISTORY_RECORD_SIZE == 0 && index < slots;
}

int CDataDecode::RecordSlotAddress(int slot) const
{
    const int slots = HistorySlotCountOfMemory();
    if (slot < 0 || slot >= slots || !HistoryPointerInRing())
        return -1;
    const int newer = (m_nextRecordAddress - HISTORY_BASE) / HISTORY_RECORD_SIZE;   // records below H
    if (slot < newer)
        return m_nextRecordAddress - HISTORY_RECORD_SIZE * (slot + 1);
    return LastHistorySlotAddress(m_usedMemorySize) - HISTORY_RECORD_SIZE * (slot - newer);
}

void CDataDecode::DecodeHistorySlots()
{
    const int slots = HistorySlotCountOfMemory();
    m_recordTexts.assign(static_cast<size_t>(slots) + 200, std::wstring());
    const int ringEnd = HistoryRingEnd(m_usedMemorySize);
    if (slots <= 0 || ringEnd > static_cast<int>(m_addressTable.size()))
        return;
    for (int slot = 0; slot < slots; ++slot)
        FormHistoryRecordTexts(&m_addressTable[HistorySlotAddress(slot)]);
}

void CDataDecode::BuildRecordYearsAndSeconds()
{
    const int slots = HistorySlotCountOfMemory();
    if (m_recordTexts.size() < static_cast<size_t>(slots) + 200)
        m_recordTexts.resize(static_cast<size_t>(slots) + 200);
    m_recordSeconds.assign(slots > 0 ? slots : 0, -1);
    if (slots <= 0)
        return;

    // The station keeps the years of its newest records.
    for (int s = 0; s < slots && s < kStoredYearCount; ++s)
        m_recordTexts[s] = m_addressTable[kStoredYearAddress + s].valueTexts[0];

    // A history index outside the ring leaves no record order to follow.
    if (!HistoryPointerInRing())
        return;

    CCheckValidDate dates;
    auto text = [this](int address, int field) -> const std::wstring& {
        return m_addressTable[address].valueTexts[field];
    };

    // Older records: the year in which the record's date falls on its weekday, searched back from the
    // year of the next newer record.
    for (int s = kStoredYearCount; s < slots; ++s) {
        const int a = RecordSlotAddress(s);
        const int month = TextNumber(text(a, 0));
        const int weekday = TextNumber(text(a, 1));
        const int day = TextNumber(text(a + 1, 0));
        const int newerYear = TextNumber(m_recordTexts[s - 1]);
        int year = -1;
        if (month <= 12)
            year = dates.InferYearFromWeekday(newerYear, weekday, month, day);
        m_recordTexts[s] = year > 0 ? TextD(year) : std::wstring(L"1999");
    }

    auto timeOf = [&](int s) {
        const int a = RecordSlotAddress(s);
        RecordTime t;
        t.year = TextNumber(m_recordTexts[s]);
        t.month = TextNumber(text(a, 0));
        t.weekday = TextNumber(text(a, 1));
        t.day = TextNumber(text(a + 1, 0));
        t.hour = TextNumber(text(a + 2, 0));
        t.minute = TextNumber(text(a + 3, 0));
        return t;
    };

    m_recordSeconds[0] = 0;
    for (int s = 1; s < slots; ++s) {
        const RecordTime older = timeOf(s);
        if (!older.IsPlausible() || !dates.DateMatchesWeekday(older.year, older.month, older.day, older.weekday))
            continue;   // stays -1
        const RecordTime newer = timeOf(s - 1);
        if (!newer.IsPlausible())
            continue;
        m_recordSeconds[s] = static_cast<int32_t>(newer.LocalSeconds() - older.LocalSeconds());
    }
}
