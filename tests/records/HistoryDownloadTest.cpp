// The history download: the worker's steps over a scripted station and the outcome it returns.
#include "DumpFixture.h"

#include "records/HistoryDownload.h"
#include "records/MainRecords.h"
#include "station/UsbLink.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

class ScriptedLink : public IHistoryStationLink {
public:
    std::vector<int> sizes;      // answers to the size requests; the last one repeats
    bool readOk = true;
    std::string dump;            // written by WriteMemoryDump (none when empty)
    int sizeRequests = 0;
    std::vector<DWORD> requestTicks;
    bool downloadingAtRead = false;
    CMainRecords* dlg = nullptr;

    int ReadMemorySize() override
    {
        requestTicks.push_back(GetTickCount());
        int answer = sizes.empty() ? -1 : sizes[std::min<size_t>(sizeRequests, sizes.size() - 1)];
        ++sizeRequests;
        return answer;
    }
    bool ReadWholeMemory() override
    {
        downloadingAtRead = dlg && dlg->m_downloading != 0;
        return readOk;
    }
    bool WriteMemoryDump(const std::wstring& path, unsigned long* error) override
    {
        *error = dumpWritten ? 0 : ERROR_DISK_FULL;
        if (!dump.empty())
            WriteBytes(path, dump);
        return dumpWritten;
    }
    bool dumpWritten = true;     // what WriteMemoryDump answers
};

class HistoryDownloadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousWait = SetDownloadWaitForTesting(20);
        dlg = std::make_unique<CMainRecords>();
        folder = ScratchFolder(L"download");
        dlg->m_allWeatherPath = folder + L"all_weather.csv";
        link.dlg = dlg.get();
        g_historyRowCount = 0;
    }
    void TearDown() override { SetDownloadWaitForTesting(previousWait); }

    int previousWait = 0;
    std::unique_ptr<CMainRecords> dlg;
    std::wstring folder;
    ScriptedLink link;
};

TEST_F(HistoryDownloadTest, SizeAnsweredAtTheThirdRequestThenTheHistoryIsLoaded)
{
    link.sizes = {-1, -1, 0x20000};
    link.dump = SmallDump();
    dlg->m_downloading = 0;
    EXPECT_EQ(RunHistoryDownload(*dlg, link), DownloadOutcome::Loaded);
    EXPECT_EQ(link.sizeRequests, 3);
    EXPECT_EQ(dlg->m_stationMemoryBytes, 0x20000);
    EXPECT_TRUE(link.downloadingAtRead);
    EXPECT_EQ(dlg->m_readings.m_rowCount, 3);
    // The worker publishes nothing and leaves the flag for the window side.
    EXPECT_EQ(g_historyRowCount, 0);
    EXPECT_EQ(dlg->m_downloading, 1);
}

TEST_F(HistoryDownloadTest, StationThatNeverAnswersEndsCleanlyAfterElevenRequests)
{
    link.sizes = {-1};
    EXPECT_EQ(RunHistoryDownload(*dlg, link), DownloadOutcome::NoMemorySize);
    EXPECT_EQ(link.sizeRequests, 1 + MEMORY_SIZE_RETRIES);
    EXPECT_EQ(dlg->m_stationMemoryBytes, -1);
    ASSERT_EQ(link.requestTicks.size(), 11u);
    EXPECT_GE(link.requestTicks.back() - link.requestTicks.front(), 10u * 20u - 20u); // waits between requests
    EXPECT_EQ(g_historyRowCount, 0);
}

TEST_F(HistoryDownloadTest, FailedReadAndUnreadableDump)
{
    link.sizes = {0x2000};
    link.readOk = false;
    EXPECT_EQ(RunHistoryDownload(*dlg, link), DownloadOutcome::ReadFailed);

    link.readOk = true; // no dump file is written
    EXPECT_EQ(RunHistoryDownload(*dlg, link), DownloadOutcome::DumpUnreadable);
    EXPECT_EQ(dlg->m_readings.m_rowCount, 0);
}

TEST_F(HistoryDownloadTest, DumpWithoutRecordsIsLoaded)
{
    link.sizes = {0x2000};
    link.dump = BuildDumpText(StandardDumpHeader(), {});
    EXPECT_EQ(RunHistoryDownload(*dlg, link), DownloadOutcome::Loaded);
    EXPECT_EQ(dlg->m_readings.m_rowCount, 0);
    EXPECT_EQ(g_historyRowCount, 0);
}

class RecordingListener : public IDownloadListener {
public:
    std::vector<DownloadOutcome> outcomes;
    bool windowThere = true;
    bool DownloadEnded(DownloadOutcome outcome) override
    {
        outcomes.push_back(outcome);
        return windowThere;
    }
};

TEST_F(HistoryDownloadTest, ThreadHandsItsOutcomeToTheWindow)
{
    RecordingListener listener;
    link.sizes = {0x2000};
    link.dump = SmallDump();
    HistoryDownloadJob job;
    job.records = dlg.get();
    job.listener = &listener;
    job.link = &link;
    HANDLE thread = StartHistoryDownload(&job);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    CloseHandle(thread);
    EXPECT_EQ(listener.outcomes, std::vector<DownloadOutcome>{DownloadOutcome::Loaded});
    EXPECT_EQ(dlg->m_downloading, 1); // cleared by the window side

    // A window that has gone cannot take it: the worker clears the flag itself.
    listener.windowThere = false;
    thread = StartHistoryDownload(&job);
    ASSERT_NE(thread, nullptr);
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    EXPECT_EQ(listener.outcomes.size(), 2u);
    EXPECT_EQ(dlg->m_downloading, 0);
}

TEST_F(HistoryDownloadTest, DumpThatCannotBeWrittenIsNeverParsed)
{
    // "all_weather.csv" of an earlier run is still there; this run cannot write its own.
    WriteBytes(dlg->m_allWeatherPath, SmallDump());
    link.sizes = {0x2000};
    link.dumpWritten = false;
    EXPECT_EQ(RunHistoryDownload(*dlg, link), DownloadOutcome::DumpNotWritten);
    EXPECT_EQ(dlg->m_readings.m_rowCount, 0) << "old readings must not pass for this run's";
}

} // namespace

// A program that closes during the download asks the worker to stop: it makes no further request
// and does not read on.
TEST_F(HistoryDownloadTest, StopRequestEndsTheDownloadWithoutReadingOn)
{
    SetDownloadWaitForTesting(5000);
    link.sizes = {-1};
    g_stopMemoryRead = true;
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(RunHistoryDownload(*dlg, link), DownloadOutcome::Stopped);
    EXPECT_EQ(link.sizeRequests, 1);
    EXPECT_LT(GetTickCount64() - start, 1000u);

    link.sizes = {0x20000};
    link.sizeRequests = 0;
    link.downloadingAtRead = false;
    EXPECT_EQ(RunHistoryDownload(*dlg, link), DownloadOutcome::Stopped);
    EXPECT_FALSE(link.downloadingAtRead) << "the whole memory must not be read";
    EXPECT_LT(GetTickCount64() - start, 1000u);
    g_stopMemoryRead = false;
}
