// The station's latest history record as the line the record files store, and the test by which
// the polling loop recognises a new one.
#include "app/OrvelleDlg.h"

#include "app/RecordLine.h"
#include "station/SystemKV318.h"

namespace {

std::wstring Widen(const char* text)
{
    std::wstring out;
    for (const char* p = text; p != nullptr && *p; ++p)
        out += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return out;
}

std::string Copy(const char* text) { return text != nullptr ? std::string(text) : std::string(); }

}  // namespace

CString COrvelleDlg::BuildCurrentRecordLine()
{
    if (!g_systemKV318.ReadLatestHistoryRecord(m_recordTime[RECORD_YEAR] + 1))
        return CString();
    // The getters share one text buffer: each text is copied before the next call.
    RecordLineSources sources;
    sources.latest = Widen(g_systemKV318.GetLatestRecordLineStr());
    sources.value174 = Copy(g_systemKV318.GetValue174Str());
    sources.value176 = Copy(g_systemKV318.GetValue176Str());
    sources.value178 = Copy(g_systemKV318.GetValue178Str());
    sources.bcd7 = Copy(g_systemKV318.GetBcdValueStr(7));
    sources.bcd0 = Copy(g_systemKV318.GetBcdValueStr(0));
    return CString(BuildRecordLine(sources, m_rainCounterAtReset));
}

bool COrvelleDlg::CompareRecordLines(const CString& previous, const CString& line) { return previous != line; }
