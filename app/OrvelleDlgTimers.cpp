// The window timers and the polling loop: connection watch and download progress (timer 1),
// forecast picture (2), clock (3), first and later polls of the current record (4) and automatic
// saving (5). Everything runs on the window's thread; the computations are in PollLoop.h.
#include "app/DownloadCompletion.h"
#include "app/OrvelleDlg.h"

#include "app/PollLoop.h"
#include "app/StartupPaths.h"
#include "app/WindowCapture.h"
#include "platform/ui/UiMessageBox.h"
#include "records/AutoSave.h"
#include "records/RecordFileIo.h"
#include "records/RecordMerge.h"
#include "station/DecodeText.h"
#include "station/SystemKV318.h"
#include "station/UsbApi.h"
#include "station/UsbLink.h"
#include "station/UsbPowerCheck.h"
#include "texts/TextTables.h"

#include <cstdio>
#include <ctime>
#include <functional>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int STATUS_CAPTION_ELEMENT = 49;  // "USB Disconnected"
constexpr int SUNRISE_TEXT_ID = 1061;
constexpr int SUNSET_TEXT_ID = 1062;

// Test seam of the end-to-end tests (tests/e2e), read once at the first tick: shorter periods of
// the live re-read and of the automatic saving's minute.
bool EnvironmentMilliseconds(const wchar_t* name, int* milliseconds)
{
    wchar_t text[32];
    const DWORD n = GetEnvironmentVariableW(name, text, 32);
    if (n == 0 || n >= 32)
        return false;
    const long value = std::wcstol(text, nullptr, 10);
    if (value < 100 || value > 3600000)
        return false;
    *milliseconds = static_cast<int>(value);
    return true;
}

void ApplyTestPeriods(CWnd& window)
{
    static bool applied = false;
    if (applied)
        return;
    applied = true;
    int ms = 0;
    if (EnvironmentMilliseconds(L"ORVELLE_TEST_LIVE_PERIOD_MS", &ms))
        SetLiveReadPeriodForTesting(ms);
    if (EnvironmentMilliseconds(L"ORVELLE_TEST_AUTOSAVE_MINUTE_MS", &ms))
        window.SetTimer(TIMER_AUTO_SAVE, static_cast<UINT>(ms));
}

int LivePeriodSeconds()
{
    const int seconds = LiveReadPeriodMs() / 1000;
    return seconds > 0 ? seconds : 1;
}

// The end of the history download as the window shows it.
class DownloadWindow : public IDownloadWindow {
public:
    DownloadWindow(COrvelleDlg& dialog, CProgressCtrl& progress, CStatic& status)
        : m_dialog(dialog), m_progress(progress), m_status(status)
    {
    }
    void SetProgressPosition(int position) override { m_progress.SetPos(position); }
    void SetStatusText(const std::wstring& text) override { m_status.SetWindowText(text.c_str()); }
    void ShowErrorMessage(const std::wstring& text) override { m_dialog.TellUser(text); }
    bool StationPresent() override { return COrvelleDlg::DevicePresent(); }
    void RestartDownloadLater(bool dumpOnly) override
    {
        m_dialog.m_downloadRestart.Ask(dumpOnly);
    }
    void SayDumpNotWritten(unsigned long error) override { m_dialog.SayDumpNotWritten(error); }
    void DumpWritten() override { m_dialog.NoteWritten(WriteTask::StationData, m_dialog.m_allWeatherPath); }

private:
    COrvelleDlg& m_dialog;
    CProgressCtrl& m_progress;
    CStatic& m_status;
};

}  // namespace

bool COrvelleDlg::DevicePresent()
{
    const int handle = g_usbDevice.m_handle;
    return handle != 0 && UsbCheck(handle) != 0;
}

void COrvelleDlg::OnTimer(UINT_PTR timerId)
{
    // The window's messages wait for a tick: each box opens here, and while it is open the ticks
    // keep coming and do their work (they open no second box).
    ApplyTestPeriods(*this);
    ShowPendingMessages();
    switch (timerId) {
    case TIMER_CONNECTION:
        OnConnectionTimer();
        break;
    case TIMER_FORECAST_ICON:
        if (m_firstPollDone && !(m_pAllChartDlg && m_pAllChartDlg->IsWindow() && m_pAllChartDlg->IsWindowVisible()))
            AnimateForecastIcon();
        break;
    case TIMER_CLOCK:
        UpdateClock();
        break;
    case TIMER_POLL:
        OnPollTimer();
        break;
    case TIMER_AUTO_SAVE:
        OnAutoSaveTimer();
        break;
    case TIMER_REBUILD_PROGRESS:
        ShowCustomRebuildProgress();
        break;
    default:
        break;
    }
    CDialog::OnTimer(timerId);
}

// ---- message boxes and closing ---------------------------------------------------------------------

void COrvelleDlg::StopTimersAndClose(const wchar_t* prompt)
{
    for (UINT_PTR id : {TIMER_CONNECTION, TIMER_FORECAST_ICON, TIMER_CLOCK, TIMER_POLL, TIMER_AUTO_SAVE})
        KillTimer(id);
    // The prompt comes after the messages that wait (no tick shows them any more); a box open now
    // is answered first, and the program closes after that.
    if (prompt != nullptr)
        TellUser(prompt);
    m_closeAfterMessages = true;
    TellWaitingMessages();
}

// The power-settings check; prints its outcome to the standard output and returns the action.
int COrvelleDlg::RunPowerCheck()
{
    CUsbPowerSettings checker;
    bool keyFound = false;
    bool valid = false;
    const int result = CheckUsbPowerSettings(checker, keyFound, valid);
    m_usbKeyFound = keyFound ? 1 : 0;
    m_usbPowerValid = valid ? 1 : 0;
    const UsbPowerAction action = UsbPowerOutcome(result, keyFound, valid, nullptr);
    std::fflush(stdout);
    return static_cast<int>(action);
}

// ---- timer 1: connection watch -----------------------------------------------------------------------

void COrvelleDlg::OnConnectionTimer()
{
    if (DevicePresent()) {
        if (m_connected == 0) {
            if (m_usbKeyFound == 0) {
                const auto action = static_cast<UsbPowerAction>(RunPowerCheck());
                if (action == UsbPowerAction::CloseSilently) {
                    StopTimersAndClose(nullptr);
                    return;
                }
                if (action == UsbPowerAction::AskReconnectAndClose) {
                    StopTimersAndClose(TextAt(g_reconnectPromptTexts, 0, m_language));
                    return;
                }
            }
            StartDownload();
            m_connected = 1;
        } else if (bool dumpOnly = false; m_downloadRestart.Take(&dumpOnly)) {
            if (!dumpOnly)
                m_progress.SetPos(0);
            StartDownload(dumpOnly);
        }
        if (m_downloading) {
            m_connectionPicture.LoadBitmapResource(IDB_DOWNLOADING);
            const int step =
                poll::DownloadProgressStep(g_readAddress.load(), m_stationMemoryBytes.load(), m_progress.GetPos());
            if (step >= 0) {
                m_progress.SetStep(step);
                m_progress.StepIt();
                const int percent = poll::DownloadPercent(m_progress.GetPos());
                m_statusStatic.SetWindowText(poll::DownloadProgressText(percent).c_str());
            }
            m_menusEnabled = 0;
            EnableStationMenus(false);
        }
        return;
    }
    OnDeviceGone();
}

// The worker of an earlier attempt has handed over its outcome and ends: it is waited for, so that
// one worker at a time writes into the dialog.
void COrvelleDlg::StartDownload(bool dumpOnly)
{
    if (m_downloadThread != nullptr) {
        ::WaitForSingleObject(m_downloadThread, INFINITE);
        ::CloseHandle(m_downloadThread);
    }
    m_downloadJob.records = this;
    m_downloadJob.listener = this;
    m_downloadJob.link = nullptr;
    m_downloadJob.into = m_gapHistory.get();  // the history read again to fill a gap, or none
    m_downloadJob.attempt = DownloadAttempt();
    m_downloadJob.attempt.dumpOnly = dumpOnly;
    m_downloadThread = StartHistoryDownload(&m_downloadJob);
}

bool COrvelleDlg::DownloadEnded(DownloadOutcome outcome)
{
    const HWND window = m_hWnd;
    return window != nullptr && ::IsWindow(window) &&
           ::PostMessageW(window, WM_HISTORY_DOWNLOAD_DONE, static_cast<WPARAM>(outcome), 0);
}

LRESULT COrvelleDlg::OnHistoryDownloadDone(WPARAM outcome, LPARAM)
{
    DownloadOutcome result = DownloadOutcome::ReadFailed;
    if (outcome < static_cast<WPARAM>(DOWNLOAD_OUTCOME_COUNT))
        result = static_cast<DownloadOutcome>(outcome);
    if (m_gapHistory != nullptr) {
        OnGapHistoryRead(result);
        return 0;
    }
    DownloadWindow window(*this, m_progress, m_statusStatic);
    CompleteHistoryDownload(*this, *this, window, result, m_downloadJob.attempt.dumpError);
    return 0;
}

// ---- timer 4: polling loop ---------------------------------------------------------------------------

void COrvelleDlg::OnPollTimer()
{
    if (!DevicePresent()) {
        OnDeviceGone();
        return;
    }
    // While the history is read (at start, or again to fill a gap) the worker has the readings.
    if (m_downloading || GapReadRunning())
        return;
    if (!m_firstPollDone) {
        if (!RunFirstPoll())
            return;
    }
    if (m_firstPollDone) {
        // A copy or a restore that another program held at the last attempt is tried again at each
        // tick, so that one held for a moment goes through at once, and one held longer is said soon.
        if (FilesWaitForAHolder(m_recordFiles))
            CatchUpRecordFiles();
        RunLaterPoll();
    }
}

void COrvelleDlg::RedrawRainChart() { DrawRainChartByView(*this, *this); }

void COrvelleDlg::RedrawPressureChart() { DrawPressureChartByView(*this, *this); }

void COrvelleDlg::RedrawUvChart() { DrawUvChartByView(*this, *this); }

void COrvelleDlg::RedrawWindChart() { DrawWindChartByView(*this, *this); }

void COrvelleDlg::ShowSunTexts()
{
    // "Always sunset" and "Always sunrise" are wider than their fields in most languages.
    SetFittedText(SUNRISE_TEXT_ID, UpdateSunriseText());
    SetFittedText(SUNSET_TEXT_ID, UpdateSunsetText());
}

void COrvelleDlg::ShowCountdown()
{
    if (CustomRebuildRunning()) {
        ShowCustomRebuildProgress();
        return;
    }
    const long long elapsed = static_cast<long long>(_time64(nullptr)) - m_recordSeenTime;
    const poll::Countdown countdown = poll::CountdownAt(elapsed, LivePeriodSeconds());
    m_progress.SetPos(countdown.barPosition);
    m_statusStatic.SetWindowText(poll::PollStatusText(countdown, RecordFilesFailing(),
                                                      m_writeNotices.Failing(WriteTask::StationData), m_language)
                                     .c_str());
}

void COrvelleDlg::ShowPollFailure(int entry)
{
    // Every tick tries again; the message comes once for as long as the failure lasts.
    if (m_pollFailureShown == entry)
        return;
    m_pollFailureShown = entry;
    TellUser(EntryAt(g_dataErrorTexts, entry));
}

bool COrvelleDlg::RunFirstPoll()
{
    // The live read (arming the two-minute re-read) and the record read back. A live file that this
    // read did not write is never read back.
    // A live file that could not be written is no failure of the station (which answered).
    const bool liveRead = g_systemKV318.StartLiveReading(m_record2minPath);
    if (!ReportLiveFileWrite()) {
        ShowStationDataFailure();
        return false;
    }
    if (!liveRead) {
        ShowPollFailure(0);
        return false;
    }
    if (!LoadCurrentRecord(m_record2minPath, m_readings)) {
        ShowPollFailure(1);
        return false;
    }
    m_pollFailureShown = -1;

    // The record's time and line.
    m_recordTime[RECORD_HOUR] = m_readings.GetRecordHour();
    m_recordTime[RECORD_MINUTE] = m_readings.GetRecordMinute();
    m_recordTime[RECORD_YEAR] = m_readings.GetRecordYear();
    m_recordTime[RECORD_MONTH] = m_readings.GetRecordMonth();
    m_recordTime[RECORD_DAY] = m_readings.GetRecordDay();
    m_lastRecordLine = BuildCurrentRecordLine().str();

    // The downloaded rows staged in "tmpLastRec.txt"; rows that cannot be staged now (a full disk)
    // wait in memory and are staged with the merge that can.
    SetCurrentDirectoryW(m_installFolder.c_str());
    StageDownloadedRecords(*this, m_readings);

    // The stored units come into force.
    ApplyStartupPressureUnit(m_pressureUnit);
    ApplyStartupUvUnit(m_uvUnit);
    ApplyStartupTemperatureUnit(m_temperatureUnit);
    ApplyStartupWindUnit();

    // Merged into the four record files by time, copied onto the "RECORDS" files that are not held
    // open elsewhere, the staging file deleted (kept while a record file cannot take its lines).
    MergeRecordLines(true, nullptr);

    // The rolling histories from the download.
    const double recordTime = RecordChartTime();
    poll::SeedPressureHistory(*this, recordTime);
    const poll::FirstPollLimits limits =
        poll::FirstPollLimitsOf(m_recordTime[RECORD_YEAR], m_recordTime[RECORD_MONTH], m_recordTime[RECORD_DAY],
                                m_recordTime[RECORD_HOUR], m_recordTime[RECORD_MINUTE]);
    const HistoryColumns columns = poll::FirstPollColumns();
    if (poll::ConvertDownloadedRain(columns, limits.now, m_rainResetLoaded == 1, m_rainResetTimeChart,
                                    m_readings.RainValue(), &m_lastRainCounter, &m_rainCounterAtReset)) {
        m_rainResetTime[0] = m_recordTime[RECORD_YEAR];
        m_rainResetTime[1] = m_recordTime[RECORD_MONTH];
        m_rainResetTime[2] = m_recordTime[RECORD_DAY];
        m_rainResetTime[3] = m_recordTime[RECORD_HOUR];
        m_rainResetTime[4] = m_recordTime[RECORD_MINUTE];
        m_rainResetLoaded = SaveRainReset() ? 1 : 0;
        // The record line carries the rain since the reset: made again with the new base, so the
        // station's latest record, already in the record files, is not taken for a new one.
        const CString line = BuildCurrentRecordLine();
        if (!line.IsEmpty())
            m_lastRecordLine = line.str();
    }
    std::vector<double> rainValues(poll::RAIN_SAMPLE_COUNT), rainTimes(poll::RAIN_SAMPLE_COUNT);
    const int rainTaken = poll::SeedHistoriesFromDownload(*this, columns, limits, m_rainResetLoaded == 1,
                                                          rainValues.data(), rainTimes.data());

    // Rain reset text, hourly rain history, the rain history file, rain unit.
    ShowRainResetText();
    poll::BuildHourlyRainHistory(*this, rainValues.data(), rainTimes.data(), rainTaken, limits.endOfDay);
    if (!LoadPassRainData(m_rainHistoryCount, limits.since15d))
        SavePassRainData();
    ApplyStartupRainUnit();

    // Moon, dewpoint extremes, the local city of the download, sunrise and sunset.
    UpdateLunarPhase();
    UpdateDewpointMinMax();
    poll::TakeDownloadedLocation(m_readings.m_headerLocation, m_locationSettings[0], *this);
    ShowSunTexts();

    // Values and charts.
    RefreshAllValues();
    m_firstPollDone = 1;
    RedrawRainChart();
    RedrawWindChart();
    RedrawPressureChart();
    RedrawUvChart();
    DrawTemperatureChart();

    // Countdown from the full period, the connected picture, the menus.
    m_statusStatic.SetWindowText(poll::PollStatusText(poll::CountdownAt(0, LivePeriodSeconds()), RecordFilesFailing(),
                                                      false, m_language)
                                     .c_str());
    m_recordSeenTime = static_cast<long long>(_time64(nullptr));
    m_connectionPicture.LoadBitmapResource(IDB_CONNECTED);
    m_progress.SetPos(0);
    m_menusEnabled = 1;
    EnableStationMenus(true);
    return true;
}

void COrvelleDlg::RunLaterPoll()
{
    // A live read whose file could not be written left none: said, and nothing to read until the
    // next live read writes one.
    if (!ReportLiveFileWrite()) {
        ShowCountdown();
        return;
    }
    if (!LoadCurrentRecord(m_record2minPath, m_readings)) {
        ShowPollFailure(1);
        return;
    }
    m_pollFailureShown = -1;
    const int minute = m_readings.GetRecordMinute();
    const int hour = m_readings.GetRecordHour();
    const int year = m_readings.GetRecordYear();
    const int month = m_readings.GetRecordMonth();
    const int day = m_readings.GetRecordDay();

    // A new record is one whose time differs from the last one taken in: its minute alone stays the
    // same when the station's clock was moved on by whole hours.
    if (minute != m_recordTime[RECORD_MINUTE] || hour != m_recordTime[RECORD_HOUR] ||
        day != m_recordTime[RECORD_DAY] || month != m_recordTime[RECORD_MONTH] || year != m_recordTime[RECORD_YEAR]) {
        const CString line = BuildCurrentRecordLine();
        // An empty line means the station's latest record could not be read: nothing to append.
        if (!line.IsEmpty() && CompareRecordLines(CString(m_lastRecordLine), line)) {
            // With the records that a sleeping computer missed, oldest first.
            MergeRecordLineAfterAGap(line.str());
            m_lastRecordLine = line.str();
        } else if (m_recordLinesWaiting || !m_unstagedRecordLines.empty()) {
            // Lines that a record file could not take are tried again with every new reading.
            MergeRecordLines(false, nullptr);
        } else {
            // So are the copies that could not be written, the record files that could not be
            // brought back, and a rebuild of the custom files that failed.
            if (m_writeNotices.Failing(WriteTask::RecordFiles) || m_writeNotices.Failing(WriteTask::Restore))
                CatchUpRecordFiles();
            if (m_writeNotices.Failing(WriteTask::CustomRebuild) && !CustomRebuildRunning())
                StartCustomRebuild();
        }
        // The program's own files that could not be written.
        if (!m_ownFilesWaiting.empty())
            RetryOwnFileWrites();
        ShiftHistoryTimes(minute, hour, year, month, day);
        PruneHistories(minute, hour, month, year, day);
        if (day != m_recordTime[RECORD_DAY])
            UpdateLunarPhase();
        const bool hourChanged = hour != m_recordTime[RECORD_HOUR];
        m_recordSeenTime = static_cast<long long>(_time64(nullptr));
        m_recordTime[RECORD_HOUR] = hour;
        m_recordTime[RECORD_MINUTE] = minute;
        m_recordTime[RECORD_YEAR] = year;
        m_recordTime[RECORD_MONTH] = month;
        m_recordTime[RECORD_DAY] = day;

        AppendUvSample();
        AppendPressureSample();
        AppendRainSample(hourChanged);
        AppendWindSample();
        AppendSensorSamples();
        UpdateDewpointMinMax();
        ShowReadingInTurn(STEP_VALUES | STEP_UV_CHART | STEP_PRESSURE_CHART | STEP_RAIN_CHART | STEP_WIND_CHART |
                          STEP_TEMPERATURE_CHART);
        if (hourChanged) {
            ShowSunTexts();
            AppendHourlyHistoryRow();
        }
    }
    ShowCountdown();
}

// The station has gone (or was never there): the connect prompt, once, and the program closes.
void COrvelleDlg::OnDeviceGone()
{
    // After the reconnect prompt the program is closing; after the connect prompt too.
    if ((m_usbKeyFound && !m_usbPowerValid) || m_deviceGoneShown)
        return;
    m_connectionPicture.LoadBitmapResource(IDB_NOT_FOUND);
    const CString caption = m_elemCaption.size() > STATUS_CAPTION_ELEMENT
                                ? m_elemCaption[STATUS_CAPTION_ELEMENT]
                                : CString(PanelLabelsFor(m_language)[STATUS_CAPTION_ELEMENT]);
    m_statusStatic.SetWindowText(caption);
    m_progress.SetPos(0);
    m_connected = 0;
    m_firstPollDone = 0;
    m_downloading = 1;
    ClearPressureHistory();
    ClearUvHistory();
    ClearWindHistory();
    ClearSensorHistory();
    LoadRainReset();
    m_menusEnabled = 0;
    EnableStationMenus(false);
    // The power-settings check runs only with the station present: without it nothing in the
    // registry is looked at or changed.
    m_deviceGoneShown = 1;
    StopTimersAndClose(TextAt(g_connectPromptTexts, 0, m_language));
}

// ---- timer 5: automatic saving -------------------------------------------------------------------------

void COrvelleDlg::OnAutoSaveTimer()
{
    if (!DevicePresent())
        return;
    const int interval = poll::AutoSaveIntervalMinutes(m_autoSaveInterval, m_autoSaveCount);
    if (!poll::CountAutoSaveMinute(&m_autoSaveMinutes, interval))
        return;

    const __time64_t now = _time64(nullptr);
    std::tm local{};
    if (_localtime64_s(&local, &now) != 0)
        return;
    const std::wstring name =
        m_autoSavePrefix + poll::AutoSaveStamp(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                               local.tm_min);

    AutoSaveSnapshot snapshot;
    snapshot.readings = AutoSaveReadingsFrom(m_readings);
    snapshot.units.temperature = m_temperatureUnit;
    snapshot.units.pressure = m_pressureUnit;
    snapshot.units.uv = m_uvUnit;
    snapshot.units.wind = m_windUnit;
    snapshot.units.rain = m_rainUnit;
    for (int i = 0; i < 5; ++i)
        snapshot.recordTime[i] = m_recordTime[i];
    snapshot.location.cityIndex = m_cityIndex;
    snapshot.location.userCityName = m_userCityName;
    snapshot.location.position = m_position;
    for (int i = 0; i < AUTO_SAVE_SENSOR_COUNT; ++i) {
        const std::size_t element = static_cast<std::size_t>(ELEM_FIRST_SENSOR_NAME + i);
        snapshot.sensorNames[i] = element < m_elemCaption.size() ? m_elemCaption[element].str() : m_channelName[i];
    }
    snapshot.rainTotalText = m_rainTotalStatic.GetWindowText().str();

    // A folder that has gone is replaced by the install folder (in memory; the settings file
    // keeps the old one).
    auto checkFolder = [this] {
        if (!IsFolder(m_autoSaveFolder))
            m_autoSaveFolder = m_installFolder;
    };
    // A save that fails is said with its reason, once until a save goes in again.
    std::vector<FailedWrite> failures;
    auto save = [&](const wchar_t* extension, const std::function<bool(const std::wstring&)>& write) {
        const std::wstring path = poll::AutoSavePath(m_autoSaveFolder, name, extension);
        ClearFileError();
        if (write(path))
            m_writeNotices.Written(WriteTask::AutoSave);
        else
            failures.push_back(FailedWriteOf(path, ErrorOfLastFailure()));
    };
    if (m_autoSaveCsv) {
        checkFolder();
        save(L"csv", [&](const std::wstring& path) { return WriteAutoSaveCsv(path, snapshot, m_language, now); });
    }
    if (m_autoSaveTxt) {
        checkFolder();
        save(L"txt", [&](const std::wstring& path) { return WriteAutoSaveTxt(path, snapshot, m_language, now); });
    }
    if (m_autoSaveJpg)
        save(L"jpg", [&](const std::wstring& path) { return SaveWindowCapture(m_hWnd, path); });
    SayFailedWrites(WriteTask::AutoSave, failures);
}
