// The worker thread of the history download and its link to the station object.
#include "records/HistoryDownload.h"

#include "records/MainRecords.h"
#include "station/SystemKV318.h"

namespace {

class CStationHistoryLink : public IHistoryStationLink {
public:
    int ReadMemorySize() override { return g_systemKV318.ReadMemorySize(); }
    bool ReadWholeMemory() override { return g_systemKV318.ReadWholeMemory(); }
    bool WriteMemoryDump(const std::wstring& path, unsigned long* error) override
    {
        return g_systemKV318.WriteMemoryDump(path, error);
    }
};

} // namespace

DWORD WINAPI HistoryDownloadThreadProc(LPVOID parameter)
{
    auto* job = static_cast<HistoryDownloadJob*>(parameter);
    if (!job || !job->records)
        return 0;
    CStationHistoryLink station;
    IHistoryStationLink& link = job->link ? *job->link : station;
    const DownloadOutcome outcome = RunHistoryDownload(*job->records, link, job->into, &job->attempt);
    if (!job->listener || !job->listener->DownloadEnded(outcome))
        job->records->m_downloading = 0;
    return 0;
}

HANDLE StartHistoryDownload(HistoryDownloadJob* job)
{
    if (!job || !job->records)
        return nullptr;
    job->records->m_downloading = 1;
    HANDLE thread = CreateThread(nullptr, 0, HistoryDownloadThreadProc, job, 0, nullptr);
    if (!thread)
        job->records->m_downloading = 0;
    return thread;
}
