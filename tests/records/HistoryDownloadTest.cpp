// The history download: the worker's steps over a scripted station, and the window side.
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
    bool WriteMemoryDump(const std::wstring& path) override
    {
        if (!dump.empty())
            WriteBytes(path, dump);
        return dumpWritten;
    }
    bool dumpWritten = true;     // what WriteMemoryDump answers
};

class RecordingDisplay : public CDisplayOps, public IDownloadWindow {
public:
    std::vector<std::string> calls;
    int progress = -1;
    std::wstring status, message;

    void UpdateLocationTexts() override { calls.push_back("location"); }
    void DrawPressureBarChart() override { calls.push_back("pressureBar"); }
    void DrawPressureLineChart() override { calls.push_back("pressureLine"); }
    void DrawUvBarChart() override { calls.push_back("uvBar"); }
    void DrawUvLineChart() override { calls.push_back("uvLine"); }
    void DrawRainBarChart() override { calls.push_back("rainBar"); }
    void DrawRainLineChart() override { calls.push_back("rainLine"); }
    void DrawWindRoseChart() override { calls.push_back("windRose"); }
    void DrawWindSpeedBarChart() override { calls.push_back("windSpeedBar"); }
    void DrawWindSpeedLineChart() override { calls.push_back("windSpeedLine"); }
    void DrawWindDirectionBarChart() override { calls.push_back("windDirectionBar"); }
    void DrawWindDirectionChart() override { calls.push_back("windDirection"); }
    void DrawTemperatureChart() override { calls.push_back("temperature"); }
    void SetAllChartTimeWindowFromLastRecord() override { calls.push_back("timeWindow"); }
    void SetProgressPosition(int position) override { progress = position; }
    void SetStatusText(const std::wstring& text) override { status = text; }
    void ShowErrorMessage(const std::wstring& text) override
    {
        message = text;
        ++messages;
    }
    bool StationPresent() override { return stationPresent; }
    void RestartDownloadLater() override { ++restarts; }
    bool stationPresent = false;
    int messages = 0;
    int restarts = 0;

    bool Called(const std::string& name) const { return std::find(calls.begin(), calls.end(), name) != calls.end(); }
};

std::string SmallDump()
{
    std::vector<DumpRecordText> records;
    for (int i = 0; i < 4; ++i)
        records.push_back({"2014,1,18,6,10," + std::to_string(20 - 5 * i) + "," + std::to_string(300 * i) + "sec",
                           "20.00,50,0.00,100", "10.00,60,OUT,45,UU,UU", "5.00,70,1.20,1013.25,1,3,9.00,4.50",
                           "2.30,SSW,DEFAULT,100"});
    return BuildDumpText(StandardDumpHeader(), records);
}

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
    RecordingDisplay display;
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

    dlg->m_windSpeedView = 3;
    dlg->m_windDirectionView = 3;
    dlg->m_readings.m_headerAltitude = 263.44;
    CompleteHistoryDownload(*dlg, display, display, DownloadOutcome::Loaded);
    EXPECT_EQ(display.progress, DOWNLOAD_PROGRESS_END);
    EXPECT_EQ(g_historyRowCount, 3);
    EXPECT_EQ(g_historyMinute, dlg->m_readings.m_minuteColumn);
    EXPECT_EQ(g_historySensorColumns[0][0], dlg->m_readings.m_temperatureColumns[0]);
    EXPECT_EQ(g_historyRain, dlg->m_readings.m_rainColumn);
    EXPECT_TRUE(display.Called("timeWindow"));
    EXPECT_TRUE(display.Called("location"));
    EXPECT_TRUE(display.Called("windRose"));
    EXPECT_DOUBLE_EQ(dlg->m_altitudeMetres, 263.44); // header values taken
    EXPECT_EQ(display.status, L"Receiving data... 100% done");
    EXPECT_EQ(dlg->m_downloading, 0);
}

TEST_F(HistoryDownloadTest, StationThatNeverAnswersEndsCleanlyAfterElevenRequests)
{
    link.sizes = {-1};
    EXPECT_EQ(RunHistoryDownload(*dlg, link), DownloadOutcome::NoMemorySize);
    EXPECT_EQ(link.sizeRequests, 1 + MEMORY_SIZE_RETRIES);
    EXPECT_EQ(dlg->m_stationMemoryBytes, -1);
    ASSERT_EQ(link.requestTicks.size(), 11u);
    EXPECT_GE(link.requestTicks.back() - link.requestTicks.front(), 10u * 20u - 20u); // waits between requests
    CompleteHistoryDownload(*dlg, display, display, DownloadOutcome::NoMemorySize);
    EXPECT_EQ(dlg->m_downloading, 0);
    EXPECT_TRUE(display.calls.empty());
    EXPECT_TRUE(display.message.empty());
    EXPECT_EQ(g_historyRowCount, 0);
}

TEST_F(HistoryDownloadTest, FailedReadAndUnreadableDump)
{
    link.sizes = {0x2000};
    link.readOk = false;
    EXPECT_EQ(RunHistoryDownload(*dlg, link), DownloadOutcome::ReadFailed);
    CompleteHistoryDownload(*dlg, display, display, DownloadOutcome::ReadFailed);
    EXPECT_TRUE(display.message.empty());
    EXPECT_EQ(dlg->m_downloading, 0);

    link.readOk = true; // no dump file is written
    EXPECT_EQ(RunHistoryDownload(*dlg, link), DownloadOutcome::DumpUnreadable);
    CompleteHistoryDownload(*dlg, display, display, DownloadOutcome::DumpUnreadable);
    EXPECT_EQ(display.message, L"Can't read data file!");
    EXPECT_TRUE(display.calls.empty());
    EXPECT_EQ(dlg->m_downloading, 0);
}

TEST_F(HistoryDownloadTest, DumpWithoutRecordsStillRefreshesEverything)
{
    link.sizes = {0x2000};
    link.dump = BuildDumpText(StandardDumpHeader(), {});
    EXPECT_EQ(RunHistoryDownload(*dlg, link), DownloadOutcome::Loaded);
    CompleteHistoryDownload(*dlg, display, display, DownloadOutcome::Loaded);
    EXPECT_EQ(g_historyRowCount, 0);
    EXPECT_FALSE(display.Called("timeWindow"));
    EXPECT_TRUE(display.Called("temperature"));
    EXPECT_EQ(display.status, L"Receiving data... 100% done");
}

TEST(DrawAllChartsTest, EachViewPicksItsChart)
{
    RecordingDisplay display;
    ChartViews views;
    views.pressure = 2;
    views.uv = 1;
    views.rain = 2;
    views.windSpeed = 3;
    views.windDirection = 2;
    DrawAllCharts(display, views);
    EXPECT_EQ(display.calls, (std::vector<std::string>{"pressureLine", "uvBar", "temperature", "rainLine",
                                                        "windDirection"}));
    const struct {
        int speed, direction;
        const char* chart;
    } wind[] = {{3, 3, "windRose"}, {1, 3, "windSpeedBar"}, {2, 1, "windSpeedLine"}, {3, 1, "windDirectionBar"}};
    for (const auto& w : wind) {
        display.calls.clear();
        views.windSpeed = w.speed;
        views.windDirection = w.direction;
        DrawAllCharts(display, views);
        EXPECT_EQ(display.calls.back(), w.chart);
    }
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

TEST_F(HistoryDownloadTest, FailedDownloadWithTheStationThereIsSaidOnceAndStartedAgain)
{
    display.stationPresent = true;
    for (DownloadOutcome failure :
         {DownloadOutcome::ReadFailed, DownloadOutcome::NoMemorySize, DownloadOutcome::DumpNotWritten}) {
        dlg->m_downloading = 1;
        CompleteHistoryDownload(*dlg, display, display, failure);
        EXPECT_EQ(dlg->m_downloading, 1) << "the polling loop keeps waiting for the history";
    }
    EXPECT_EQ(display.messages, 1);
    EXPECT_EQ(display.message, L"Can't receive data!");
    EXPECT_EQ(display.restarts, 3);
    EXPECT_TRUE(display.calls.empty());

    // The station answers at last.
    link.sizes = {0x2000};
    link.dump = SmallDump();
    ASSERT_EQ(RunHistoryDownload(*dlg, link), DownloadOutcome::Loaded);
    CompleteHistoryDownload(*dlg, display, display, DownloadOutcome::Loaded);
    EXPECT_EQ(dlg->m_downloading, 0);
    EXPECT_EQ(g_historyRowCount, 3);
    EXPECT_EQ(display.messages, 1);

    // A station that has gone is the connection watch's to report: no message, no new attempt.
    display.stationPresent = false;
    dlg->m_downloading = 1;
    CompleteHistoryDownload(*dlg, display, display, DownloadOutcome::ReadFailed);
    EXPECT_EQ(display.restarts, 3);
    EXPECT_EQ(dlg->m_downloading, 0);
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
