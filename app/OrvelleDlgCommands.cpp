// The main dialog's menu commands that clear data, open the station settings dialogs, print or
// close the program, and the small operations that empty the rolling histories and reset the rain total.
#include "app/OrvelleDlg.h"

#include "app/SettingsFiles.h"

#include "dialogs/AlarmDialog.h"
#include "dialogs/AltitudeDialog.h"
#include "dialogs/ConfirmDialogs.h"
#include "dialogs/DisplayingUnitDialog.h"
#include "dialogs/PrintPreviewDlg.h"
#include "dialogs/RecordIntervalDialog.h"
#include "station/SystemKV318.h"

#include <algorithm>
#include <iterator>

using namespace stationsettings;

// ---- closing ------------------------------------------------------------------------------------

void COrvelleDlg::OnDestroy() { EndDialog(IDCANCEL); }

// ---- clearing -----------------------------------------------------------------------------------

void COrvelleDlg::OnClearAllRecords()
{
    CClearAllRecordsDialogDlg dialog(this);
    dialog.m_language = m_language;
    if (dialog.DoModal() == IDOK)
        ClearAllRecords();
}

// The record files, "tmpLastRec.txt" and the station's memory keep everything; the history times
// are left as they are.
void COrvelleDlg::ClearAllRecords()
{
    g_historyRowCount = 0;
    ResetRainTotal();
    ClearPressureHistory();
    ClearUvHistory();
    ClearWindHistory();
    ClearSensorHistory();
    RefreshAllValues();
}

void COrvelleDlg::OnClearRainTotal()
{
    CClearRainTotalDialogDlg dialog(this);
    dialog.m_language = m_language;
    if (dialog.DoModal() != IDOK)
        return;
    if (ResetRainTotal()) {
        RefreshAllValues();
        SavePassRainData();
    }
}

bool COrvelleDlg::ResetRainTotal()
{
    m_rainHistoryCount = 0;
    const bool saved = SaveRainReset();
    if (saved) {
        m_rainCounterAtReset = m_lastRainCounter;
        std::fill(std::begin(m_rainHistoryValues), std::end(m_rainHistoryValues), 0.0);
        m_rainResetTime[0] = m_recordTime[RECORD_YEAR];
        m_rainResetTime[1] = m_recordTime[RECORD_MONTH];
        m_rainResetTime[2] = m_recordTime[RECORD_DAY];
        m_rainResetTime[3] = m_recordTime[RECORD_HOUR];
        m_rainResetTime[4] = m_recordTime[RECORD_MINUTE];
    }
    RedrawRainChart();
    return saved;
}

void COrvelleDlg::ClearPressureHistory()
{
    std::fill(std::begin(m_pressureHistoryValues), std::end(m_pressureHistoryValues), 0.0);
    m_pressureHistoryCount = 0;
    RedrawPressureChart();
}

void COrvelleDlg::ClearUvHistory()
{
    m_uvHistoryCount = 0;
    std::fill(std::begin(m_uvHistoryValues), std::end(m_uvHistoryValues), 0.0);
    RedrawUvChart();
}

void COrvelleDlg::ClearWindHistory()
{
    m_windHistoryCount = 0;
    std::fill(std::begin(m_windHistoryDirections), std::end(m_windHistoryDirections), 0.0);
    std::fill(std::begin(m_windHistorySpeeds), std::end(m_windHistorySpeeds), 0.0);
    RedrawWindChart();
}

void COrvelleDlg::ClearSensorHistory()
{
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        m_sensorHistoryCounts[s] = 0;
        m_humidityHistoryCounts[s] = 0;
        std::fill(std::begin(m_sensorHistoryTemperatures[s]), std::end(m_sensorHistoryTemperatures[s]), 0.0);
        std::fill(std::begin(m_sensorHistoryHumidities[s]), std::end(m_sensorHistoryHumidities[s]), 0.0);
        std::fill(std::begin(m_sensorHistoryDewpoints[s]), std::end(m_sensorHistoryDewpoints[s]), 0.0);
    }
    UpdateDewpointMinMax();
    DrawTemperatureChart();
}

// ---- station settings dialogs ------------------------------------------------------------------------

void COrvelleDlg::OnRecordInterval()
{
    if (!g_systemKV318.ReadMemoryRange(RECORD_INTERVAL_ADDRESS, RECORD_INTERVAL_ADDRESS + 32))
        return;
    CRecordIntervalDialogDlg dialog(this);
    dialog.m_language = m_language;
    dialog.m_pMainDlg = this;
    dialog.m_interval = RecordIntervalSelection(g_systemKV318.m_memoryImage);
    dialog.DoModal();
}

void COrvelleDlg::OnAltitude()
{
    CAltitudeDialogDlg dialog(this);
    dialog.m_altitudeUnit = m_altitudeUnit;
    dialog.m_language = m_language;
    dialog.m_pMainDlg = this;
    dialog.m_editTouched = 0;
    if (!g_systemKV318.ReadMemoryRange(ALTITUDE_ADDRESS, ALTITUDE_ADDRESS + 32))
        return;
    dialog.m_altitude = DecodeAltitude(g_systemKV318.m_memoryImage);
    dialog.DoModal();
}

void COrvelleDlg::OnAlarm()
{
    CAlarmDialogDlg dialog(this);
    AlarmRecord alarms{};
    alarms[ALARM_TEMPERATURE_ON] = m_alarmRecord[ALARM_TEMPERATURE_ON];  // kept here, not in the station
    dialog.m_language = m_language;
    dialog.m_timeFormat = m_timeFormat;
    dialog.m_pMainDlg = this;
    dialog.m_editTouched = 0;
    if (!g_systemKV318.ReadMemoryRange(ALARM_TIMES_ADDRESS, ALARM_TIMES_ADDRESS + 32))
        return;
    DecodeAlarmTimes(g_systemKV318.m_memoryImage, alarms);
    if (!g_systemKV318.ReadMemoryRange(ALARM_LIMITS_ADDRESS, ALARM_LIMITS_ADDRESS + 32))
        return;
    DecodeAlarmLimits(g_systemKV318.m_memoryImage, alarms);
    dialog.SetRecord(alarms);
    dialog.DoModal();
}

// ---- program settings dialogs ------------------------------------------------------------------------

void COrvelleDlg::OnDisplayingUnit()
{
    CDisplayingUnitDialogDlg dialog(this);
    dialog.m_unitSystem = m_unitReserved;
    dialog.m_altitudeUnit = m_altitudeUnit;
    dialog.m_uvUnit = m_uvUnit;
    dialog.m_pressureUnit = m_pressureUnit;
    dialog.m_rainUnit = m_rainUnit;
    dialog.m_timeFormat = m_timeFormat;
    dialog.m_temperatureUnit = m_temperatureUnit;
    dialog.m_windUnit = m_windUnit;
    dialog.m_language = m_language;
    const DisplayUnitSelection old = UnitsOf(*this);
    const int oldTimeFormat = m_timeFormat;
    if (dialog.DoModal() != IDOK)
        return;

    m_unitReserved = dialog.m_unitSystem;
    m_altitudeUnit = dialog.m_altitudeUnit;
    m_uvUnit = dialog.m_uvUnit;
    m_pressureUnit = dialog.m_pressureUnit;
    m_rainUnit = dialog.m_rainUnit;
    m_timeFormat = dialog.m_timeFormat;
    m_temperatureUnit = dialog.m_temperatureUnit;
    m_windUnit = dialog.m_windUnit;
    // A file that cannot be written leaves the new units in force for this run only.
    settings::WriteFileBytes(m_installFolder + settings::UNIT_FILE, settings::EncodeUnits(*this));
    PutChangedUnitsInForce(old, oldTimeFormat);
}

// ---- printing -----------------------------------------------------------------------------------

// Print: a capture of the window's client area, at least its start-up size, into the print preview.
void COrvelleDlg::OnPrint()
{
    CRect client;
    GetClientRect(client);
    const PixelSize size = CaptureSizeOf(m_initClientWidth, m_initClientHeight, client.Width(), client.Height());
    const int width = size.width;
    const int height = size.height;
    HDC window = ::GetDC(m_hWnd);
    HDC capture = ::CreateCompatibleDC(window);
    HBITMAP bitmap = ::CreateCompatibleBitmap(window, width, height);
    HGDIOBJ old = ::SelectObject(capture, bitmap);
    ::BitBlt(capture, 0, 0, width, height, window, 0, 0, SRCCOPY);

    CPrintPreviewDialogDlg preview;
    preview.m_captureWidth = width;
    preview.m_captureHeight = height;
    preview.m_previewReady = 0;
    preview.m_redrawPending = 0;
    preview.m_pCaptureDC = capture;
    preview.m_language = m_language;
    preview.DoModal();

    ::SelectObject(capture, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(capture);
    ::ReleaseDC(m_hWnd, window);
}
