// The main dialog's menu commands that clear data, open the station settings dialogs, the program
// settings dialogs and Save as, print or close the program, and the small operations that empty
// the rolling histories and reset the rain total.
#include "app/OrvelleDlg.h"

#include "records/RecordFileIo.h"

#include "app/SettingsFiles.h"
#include "app/WindowCapture.h"
#include "dialogs/AlarmDialog.h"
#include "dialogs/AltitudeDialog.h"
#include "dialogs/AutoSavingDialog.h"
#include "dialogs/ConfirmDialogs.h"
#include "dialogs/DisplayDialog.h"
#include "dialogs/DisplayingUnitDialog.h"
#include "dialogs/LanguageDialog.h"
#include "dialogs/LocationDialog.h"
#include "dialogs/RecordIntervalDialog.h"
#include "dialogs/THDDialog.h"
#include "display/SkyPanel.h"
#include "platform/ui/UiMessageBox.h"
#include "platform/ui/UiShellDialogs.h"
#include "printing/PrintPreviewDlg.h"
#include "records/SaveAs.h"
#include "station/SystemKV318.h"
#include "texts/TextTables.h"

#include <algorithm>
#include <iterator>

using namespace stationsettings;

namespace {

constexpr int THD_LINE_TYPE_FIRST = 0;   // m_thdSettings: line types, then thicknesses, then colours,
constexpr int THD_THICKNESS_FIRST = 18;  // each by quantity and sensor
constexpr int SENSOR_FRAME_ID = 1023;

// The row of g_saveAsTexts that says why a save failed.
int SaveAsFailureRow(SaveResult result)
{
    switch (result) {
    case SaveResult::SourceMissing:
        return SAVE_AS_NO_RECORDS;
    case SaveResult::FolderMissing:
        return SAVE_AS_FOLDER_MISSING;
    case SaveResult::TargetHeld:
        return SAVE_AS_TARGET_HELD;
    default:
        return SAVE_AS_NOT_SAVED;
    }
}

// A Save as text in the language with the file's path for "%s".
CString SaveAsText(int row, const std::wstring& path, int language)
{
    CString text;
    text.Format(TextAt(g_saveAsTexts, row, language), path.c_str());
    return text;
}

// Why a save failed: with the system's reason when it gave one.
CString SaveAsFailureText(SaveResult result, unsigned long error, const std::wstring& path, int language)
{
    if (result != SaveResult::WriteFailed || error == 0)
        return SaveAsText(SaveAsFailureRow(result), path, language);
    return FailedWriteText(TextAt(g_saveAsTexts, SAVE_AS_NOT_SAVED_BECAUSE, language), FailedWriteOf(path, error),
                           language);
}

}  // namespace

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
    // The reset holds only once its file is written; one that cannot be is said, with its reason, and
    // the rain total stays as it was.
    const std::wstring path = m_installFolder + settings::RAIN_RESET_FILE;
    const settings::Bytes bytes = RainResetBytes();
    const bool saved = ReplaceOwnFile(path, std::string(bytes.begin(), bytes.end()));
    if (saved) {
        m_rainCounterAtReset = m_lastRainCounter;
        std::fill(std::begin(m_rainHistoryValues), std::end(m_rainHistoryValues), 0.0);
        m_rainResetTime[0] = m_recordTime[RECORD_YEAR];
        m_rainResetTime[1] = m_recordTime[RECORD_MONTH];
        m_rainResetTime[2] = m_recordTime[RECORD_DAY];
        m_rainResetTime[3] = m_recordTime[RECORD_HOUR];
        m_rainResetTime[4] = m_recordTime[RECORD_MINUTE];
    } else {
        TellUser(FailedWriteText(TextAt(g_writeFailureTexts, WRITE_FAILED_RAIN_RESET, m_language),
                                 FailedWriteOf(path, ErrorOfLastFailure()), m_language));
        ShowPendingMessages();
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
    if (!ReadStationAt(RECORD_INTERVAL_ADDRESS))
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
    if (!ReadStationAt(ALTITUDE_ADDRESS))
        return;
    dialog.m_altitude = DecodeAltitude(g_systemKV318.m_memoryImage);
    dialog.DoModal();
}

void COrvelleDlg::OnAlarm()
{
    CAlarmDialogDlg dialog(this);
    AlarmRecord alarms{};
    dialog.m_language = m_language;
    dialog.m_timeFormat = m_timeFormat;
    dialog.m_pMainDlg = this;
    dialog.m_editTouched = 0;
    if (!ReadStationAlarms(&alarms))
        return;
    dialog.SetRecord(alarms);
    dialog.DoModal();
}

// ---- location -----------------------------------------------------------------------------------

namespace {

constexpr int ID_MOON_PHASE_TEXT = 1063;

}  // namespace

void COrvelleDlg::OnLocation()
{
    CLocationDialogDlg dialog(this);
    dialog.m_language = m_language;
    dialog.m_pMainDlg = this;
    dialog.m_editing = 0;
    if (!ReadStationAt(CITY_RECORDS_READ_ADDRESS))
        return;
    for (int side = 0; side < 2; ++side) {
        dialog.SetCurrentCity(side, StationCityAt(&g_systemKV318.m_memoryImage[CITY_RECORD_ADDRESSES[side]],
                                                  m_locationSettings[side].name));
    }
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
    WriteSettingsFile(settings::UNIT_FILE, settings::EncodeUnits(*this));
    PutChangedUnitsInForce(old, oldTimeFormat);
}

void COrvelleDlg::OnTHDSettings()
{
    CTHDDialogDlg dialog(this);
    for (int s = 0; s < CHANNEL_COUNT; ++s)
        dialog.m_channelName[s] = m_channelName[s];
    for (int q = 0; q < THD_QUANTITIES; ++q) {
        for (int s = 0; s < CHANNEL_COUNT; ++s) {
            dialog.m_lineType[q][s] = m_thdSettings[THD_LINE_TYPE_FIRST + CHANNEL_COUNT * q + s];
            dialog.m_lineThickness[q][s] = m_thdSettings[THD_THICKNESS_FIRST + CHANNEL_COUNT * q + s];
            dialog.m_lineColour[q][s] = static_cast<COLORREF>(m_thdSettings[settings::THD_COLOUR_FIRST + CHANNEL_COUNT * q + s]);
        }
    }
    dialog.m_language = m_language;
    if (dialog.DoModal() != IDOK)
        return;

    // A name longer than its field of the settings file is cut to fit, here as there.
    bool renamed = false;
    for (int s = 0; s < CHANNEL_COUNT; ++s) {
        const std::wstring name = settings::FitTextField(dialog.m_channelName[s].str(), settings::NAME_TEXT_UNITS);
        renamed = renamed || name != m_channelName[s];
        m_channelName[s] = name;
    }
    for (int q = 0; q < THD_QUANTITIES; ++q) {
        for (int s = 0; s < CHANNEL_COUNT; ++s) {
            m_thdSettings[THD_LINE_TYPE_FIRST + CHANNEL_COUNT * q + s] = dialog.m_lineType[q][s];
            m_thdSettings[THD_THICKNESS_FIRST + CHANNEL_COUNT * q + s] = dialog.m_lineThickness[q][s];
            m_thdSettings[settings::THD_COLOUR_FIRST + CHANNEL_COUNT * q + s] = static_cast<int>(dialog.m_lineColour[q][s]);
        }
    }
    // A file that cannot be written leaves the new settings in force for this run only.
    WriteSettingsFile(settings::THD_FILE, settings::EncodeThd(*this));
    DrawTemperatureChart();
    if (renamed) {
        FillSensorCombos();
        UpdateUpperSensorPanel();
        SaveInOutdoorSetting();
        UpdateLowerSensorPanel();
        SaveInOutdoorSetting();
    }
    // The legend's line samples and the sensor names are painted with the panels.
    RedrawBoxCaptions(SENSOR_FRAME_ID);
}

void COrvelleDlg::OnAutoSaving()
{
    CAutoSavingDialogDlg dialog(this);
    dialog.m_interval = m_autoSaveInterval;
    dialog.m_intervalCount = m_autoSaveCount;
    dialog.m_saveExcel = m_autoSaveCsv;
    dialog.m_saveText = m_autoSaveTxt;
    dialog.m_saveJpeg = m_autoSaveJpg;
    dialog.m_fileName = m_autoSavePrefix;
    dialog.m_folder = m_autoSaveFolder;
    dialog.m_language = m_language;
    if (dialog.DoModal() != IDOK)
        return;
    m_autoSaveInterval = dialog.m_interval;
    m_autoSaveCount = dialog.m_intervalCount;
    m_autoSaveCsv = dialog.m_saveExcel;
    m_autoSaveTxt = dialog.m_saveText;
    m_autoSaveJpg = dialog.m_saveJpeg;
    m_autoSavePrefix = dialog.m_fileName.str();
    m_autoSaveFolder = dialog.m_folder.str();
    WriteSettingsFile(settings::AUTO_SAVING_FILE, settings::EncodeAutoSaving(*this));
}

void COrvelleDlg::OnChartDisplay()
{
    CDisplayDialogDlg dialog(this);
    DisplaySwitches& switches = *this;
    static_cast<DisplaySwitches&>(dialog) = switches;
    dialog.m_language = m_language;
    if (dialog.DoModal() != IDOK || dialog == switches)
        return;
    switches = dialog;
    WriteSettingsFile(settings::DISPLAY_FILE, settings::EncodeDisplay(*this));
    if (!m_bigChartShown)
        ApplyPanelLayout(false);
    RefreshAllValues();
}

void COrvelleDlg::OnLanguage()
{
    CLanguageDialogDlg dialog(this);
    dialog.m_language = m_language;
    if (dialog.DoModal() != IDOK || dialog.m_language == m_language)
        return;
    m_language = dialog.m_language;
    WriteSettingsFile(settings::LANGUAGE_FILE, settings::EncodeLanguage(m_language));
    HoldElementPositions();
    SelectLanguageLayout(m_language);
    LoadLanguageMenu(m_language);
    if (m_lastLunarPhase >= 0 && m_lastLunarPhase < sky::MOON_PHASE_COUNT && g_currentLunarPhaseNames[m_lastLunarPhase])
        SetControlText(ID_MOON_PHASE_TEXT, g_currentLunarPhaseNames[m_lastLunarPhase]);
    // The auto-save prefix is the user's: it stays as it is in any language.
    if (!m_bigChartShown) {
        if (m_pAllChartDlg && m_pAllChartDlg->IsWindow()) {
            m_pAllChartDlg->ShowWindow(SW_SHOW);
            m_pAllChartDlg->ShowWindow(SW_HIDE);
        }
        ApplyPanelLayout(true);
    }
    ReleaseElementPositions();
    RefreshAllValues();
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

// ---- Save as ---------------------------------------------------------------------------------------

// The records (display-unit copies) as a comma-separated or text file, or the window as a JPEG
// picture captured before the save dialog covers it.
void COrvelleDlg::OnSaveAs()
{
    UpdateWindow();
    CRect client;
    GetClientRect(client);
    CClientDC windowDc(this);
    CDC memory;
    memory.CreateCompatibleDC(&windowDc);
    CBitmap capture;
    capture.CreateCompatibleBitmap(&windowDc, client.Width(), client.Height());
    HGDIOBJ previous = memory.SelectObject(&capture);
    memory.BitBlt(0, 0, client.Width(), client.Height(), &windowDc, 0, 0, SRCCOPY);
    memory.SelectObject(previous);

    CString filter;
    filter.Format(L"%s|*.csv|%s|*.txt|%s|*.jpg; *.jpeg|", TextAt(g_mainAutoSavingTexts, 12, m_language),
                  TextAt(g_mainAutoSavingTexts, 13, m_language), TextAt(g_mainAutoSavingTexts, 14, m_language));
    // The default extension makes the dialog add the chosen type's extension to a bare name before
    // it asks about overwriting. The current folder stays the install folder, where the files
    // opened by bare name are.
    CFileDialog dialog(FALSE, SaveAsDefaultExtension(), L"RECORDS",
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR, filter, this);
    if (dialog.DoModal() != IDOK)
        return;
    const int kind = static_cast<int>(dialog.m_ofn.nFilterIndex);
    const std::wstring chosen = dialog.GetPathName().str();
    const std::wstring target = SaveAsTargetPath(chosen, kind);
    // The extension appended here made a name the dialog did not ask about.
    if (SaveAsNeedsOverwriteQuestion(chosen, target) &&
        AfxMessageBox(SaveAsText(SAVE_AS_REPLACE_QUESTION, target, m_language), MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    SaveResult result;
    unsigned long error = 0;
    if (kind == SAVE_AS_CSV || kind == SAVE_AS_TEXT) {
        result = SaveRecordsAs(m_installFolder, kind, target, UnitsOf(*this), &error);
    } else {
        const HBITMAP picture = static_cast<HBITMAP>(capture.m_hObject);
        result = ReplaceInOneStep(
            target, [picture](const std::wstring& file) { return SaveBitmapImage(picture, file); }, &error);
    }
    if (result != SaveResult::Saved)
        AfxMessageBox(SaveAsFailureText(result, error, target, m_language), MB_OK | MB_ICONWARNING);
}
