// The end of the history download as the window shows it, and the choice of each chart by its view.
#include "app/DownloadCompletion.h"
#include "records/DumpParse.h"
#include "records/MainRecords.h"
#include "tests/records/DumpFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

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
    void RestartDownloadLater(bool dumpOnly) override
    {
        ++restarts;
        dumpOnlyRestarts += dumpOnly;
    }
    void SayDumpNotWritten(unsigned long error) override { dumpErrors.push_back(error); }
    void DumpWritten() override { ++dumpsWritten; }
    bool stationPresent = false;
    int messages = 0;
    int restarts = 0;
    int dumpOnlyRestarts = 0;
    std::vector<unsigned long> dumpErrors;
    int dumpsWritten = 0;

    bool Called(const std::string& name) const { return std::find(calls.begin(), calls.end(), name) != calls.end(); }
};

class DownloadCompletion : public ::testing::Test {
protected:
    void SetUp() override
    {
        dlg = std::make_unique<CMainRecords>();
        g_historyRowCount = 0;
    }
    // What the worker leaves behind when it has loaded the dump.
    void LoadedByTheWorker(const std::string& dump)
    {
        ParseDumpText(dlg->m_readings, dump);
        dlg->m_downloading = 1;
    }

    std::unique_ptr<CMainRecords> dlg;
    RecordingDisplay display;
};

TEST_F(DownloadCompletion, ALoadedHistoryIsPublishedAndEveryPanelRefreshed)
{
    LoadedByTheWorker(SmallDump());
    ASSERT_EQ(dlg->m_readings.m_rowCount, 3);
    dlg->m_windSpeedView = 3;
    dlg->m_windDirectionView = 3;
    dlg->m_readings.m_headerAltitude = 263.44;
    CompleteHistoryDownload(*dlg, display, display, DownloadOutcome::Loaded);
    EXPECT_EQ(display.progress, 1500);
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

TEST_F(DownloadCompletion, AHistoryWithoutRecordsStillRefreshesEverything)
{
    LoadedByTheWorker(BuildDumpText(StandardDumpHeader(), {}));
    CompleteHistoryDownload(*dlg, display, display, DownloadOutcome::Loaded);
    EXPECT_EQ(g_historyRowCount, 0);
    EXPECT_FALSE(display.Called("timeWindow"));
    EXPECT_TRUE(display.Called("temperature"));
    EXPECT_EQ(display.status, L"Receiving data... 100% done");
    EXPECT_EQ(dlg->m_downloading, 0);
}

TEST_F(DownloadCompletion, FailuresWithTheStationGoneShowNothing)
{
    for (DownloadOutcome failure : {DownloadOutcome::NoMemorySize, DownloadOutcome::ReadFailed,
                                    DownloadOutcome::DumpNotWritten, DownloadOutcome::Stopped}) {
        dlg->m_downloading = 1;
        CompleteHistoryDownload(*dlg, display, display, failure);
        EXPECT_EQ(dlg->m_downloading, 0) << static_cast<int>(failure);
    }
    EXPECT_TRUE(display.calls.empty());
    EXPECT_TRUE(display.message.empty());
    EXPECT_EQ(display.restarts, 0);
    EXPECT_EQ(g_historyRowCount, 0);
}

TEST_F(DownloadCompletion, AnUnreadableDumpIsSaid)
{
    dlg->m_downloading = 1;
    CompleteHistoryDownload(*dlg, display, display, DownloadOutcome::DumpUnreadable);
    EXPECT_EQ(display.message, L"Can't read data file!");
    EXPECT_TRUE(display.calls.empty());
    EXPECT_EQ(dlg->m_downloading, 0);
}

TEST_F(DownloadCompletion, AFailureWithTheStationThereIsSaidOnceAndStartedAgain)
{
    display.stationPresent = true;
    for (DownloadOutcome failure : {DownloadOutcome::ReadFailed, DownloadOutcome::NoMemorySize}) {
        dlg->m_downloading = 1;
        CompleteHistoryDownload(*dlg, display, display, failure);
        EXPECT_EQ(dlg->m_downloading, 1) << "the polling loop keeps waiting for the history";
    }
    EXPECT_EQ(display.messages, 1);
    EXPECT_EQ(display.message, L"Can't receive data!");
    EXPECT_EQ(display.restarts, 2);
    EXPECT_EQ(display.dumpOnlyRestarts, 0);
    EXPECT_TRUE(display.calls.empty());

    // The station answered, but its dump could not be written (a full disk): that is said with its
    // reason, not as a station that does not answer, and only the dump is written again.
    dlg->m_downloading = 1;
    CompleteHistoryDownload(*dlg, display, display, DownloadOutcome::DumpNotWritten, ERROR_DISK_FULL);
    EXPECT_EQ(dlg->m_downloading, 1);
    EXPECT_EQ(display.messages, 1);
    EXPECT_EQ(display.dumpErrors, std::vector<unsigned long>{ERROR_DISK_FULL});
    EXPECT_EQ(display.progress, 1500) << "the station's memory was read whole";
    EXPECT_EQ(display.dumpOnlyRestarts, 1);
    EXPECT_EQ(display.dumpsWritten, 0);

    // The station answers at last.
    LoadedByTheWorker(SmallDump());
    CompleteHistoryDownload(*dlg, display, display, DownloadOutcome::Loaded);
    EXPECT_EQ(dlg->m_downloading, 0);
    EXPECT_EQ(g_historyRowCount, 3);
    EXPECT_EQ(display.messages, 1);
    EXPECT_EQ(display.dumpsWritten, 1);

    // A station that has gone is the connection watch's to report: no message, no new attempt.
    display.stationPresent = false;
    dlg->m_downloading = 1;
    CompleteHistoryDownload(*dlg, display, display, DownloadOutcome::ReadFailed);
    EXPECT_EQ(display.restarts, 3);
    EXPECT_EQ(dlg->m_downloading, 0);
}

// A restart is asked by the download's end and by a gap's read, and taken by the connection watch.
// A failed read asked after the dump alone was written again reads the station again: a restart
// never keeps the way an earlier one was asked.
TEST(DownloadRestart, IsTakenOnceAndTheWholeReadIsNotTurnedIntoTheDumpAlone)
{
    CDownloadRestart restart;
    bool dumpOnly = true;
    EXPECT_FALSE(restart.Take(&dumpOnly));

    restart.Ask(true);  // the station was read; its dump could not be written
    ASSERT_TRUE(restart.Take(&dumpOnly));
    EXPECT_TRUE(dumpOnly);
    EXPECT_FALSE(restart.Take(&dumpOnly)) << "one ask, one restart";

    restart.Ask(false);  // a later read that failed
    ASSERT_TRUE(restart.Take(&dumpOnly));
    EXPECT_FALSE(dumpOnly) << "the station would not be read: the old memory's dump written again";
}

TEST(DrawAllCharts, EachViewPicksItsChart)
{
    RecordingDisplay display;
    DisplaySwitches views;
    views.m_pressureView = 2;
    views.m_uvView = 1;
    views.m_rainView = 2;
    views.m_windSpeedView = 3;
    views.m_windDirectionView = 2;
    DrawAllCharts(display, views);
    EXPECT_EQ(display.calls, (std::vector<std::string>{"pressureLine", "uvBar", "temperature", "rainLine",
                                                        "windDirection"}));
    const struct {
        int speed, direction;
        const char* chart;
    } wind[] = {{3, 3, "windRose"}, {1, 3, "windSpeedBar"}, {2, 1, "windSpeedLine"}, {3, 1, "windDirectionBar"}};
    for (const auto& w : wind) {
        display.calls.clear();
        views.m_windSpeedView = w.speed;
        views.m_windDirectionView = w.direction;
        DrawAllCharts(display, views);
        EXPECT_EQ(display.calls.back(), w.chart);
    }
}

}  // namespace
