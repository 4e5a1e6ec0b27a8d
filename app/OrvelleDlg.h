// The main dialog: the one window of the program, with every setting, history and control of
// the main window for the whole run.
//
// The data side (settings record, readings, rolling histories, extremes, rain state, folders of
// the record files) lives in CMainRecords; the display operations that the history download calls
// are CDisplayOps; this class adds the window: controls, window resources, folders of the images,
// start-up, settings files, sensor panels, and the handlers of its message map.
//
// Files by concern: OrvelleDlgInit.cpp (construction, OnInitDialog, data exchange, system menu,
// painting), OrvelleDlgLayout.cpp (panel layout, control positions, captions, clock),
// OrvelleDlgPaint.cpp (painted labels, control colours, chart click), OrvelleDlgSettings.cpp
// (settings files), OrvelleDlgMenus.cpp (menus),
// OrvelleDlgTimers.cpp (timers and polling loop), OrvelleDlgControls.cpp (control texts),
// SensorPanels.cpp (sensor panels and their settings file), OrvelleDlgCharts.cpp (chart
// images and the hand cursor), OrvelleDlgValues.cpp (current values and location texts),
// OrvelleDlgRecordLine.cpp (the record line), OrvelleDlgSky.cpp (moon, forecast, sunrise and
// sunset), OrvelleDlgHelp.cpp (About box and help commands), OrvelleDlgCommands.cpp (menu
// commands, history clearing, rain total reset), StationWriters.cpp (settings uploaded into the
// station), OrvelleDlgUnits.cpp (display units and rescaling).
#pragma once
#include "app/AboutTexts.h"
#include "app/DisplayOps.h"
#include "app/DisplayUnits.h"
#include "app/DownloadCompletion.h"
#include "app/WindowMessages.h"
#include "app/WriteFailures.h"
#include "controls/XStatic.h"
#include "dialogs/StationWriters.h"
#include "display/MainCharts.h"
#include "display/PanelLayout.h"
#include "display/ShowAllChartDlg.h"
#include "platform/ui/UiControls.h"
#include "platform/ui/UiDialog.h"
#include "records/HistoryDownload.h"
#include "records/MainRecords.h"
#include "records/RecordMerge.h"
#include "res/resource.h"
#include "varnok/VarnokCal.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

// Window timers (all arrive as WM_TIMER).
enum {
    TIMER_CONNECTION = 1,     // every 1000 ms: connection watch and download progress
    TIMER_FORECAST_ICON = 2,  // every 5000 ms: forecast picture
    TIMER_CLOCK = 3,          // every 500 ms: clock text
    TIMER_POLL = 4,           // every 1000 ms: polling loop
    TIMER_AUTO_SAVE = 5,      // every 60000 ms: automatic saving
    TIMER_REBUILD_PROGRESS = 6,  // every 250 ms while the custom record files are rebuilt
};

constexpr int PROGRESS_RANGE = 1500;
constexpr COLORREF MAIN_BACKGROUND_COLOUR = 0xD8E9EC;
constexpr int SERIES_CHECK_COUNT = 9;        // check boxes 1041, 1042, 1043, 1035..1040

// Posted to the main dialog by the history download worker when an attempt has ended.
// wParam: the DownloadOutcome (records/HistoryDownload.h); lParam: 0.
constexpr UINT WM_HISTORY_DOWNLOAD_DONE = WM_APP + 0x170;
// Posted to the main dialog by the custom rebuild's worker when it has ended. wParam: the job's
// serial number; lParam: 0.
constexpr UINT WM_CUSTOM_REBUILD_DONE = WM_APP + 0x171;

// Posted to the main dialog when the history slots of a gap have been read. wParam, lParam: 0.
constexpr UINT WM_GAP_SLOTS_READ = WM_APP + 0x172;

// Posted to the main dialog when notices of the record files wait to be told. wParam, lParam: 0.
constexpr UINT WM_RECORD_FILE_NOTICES = WM_APP + 0x173;

// Posted to the main dialog while what a reading shows waits to be shown (the values, then the small
// charts), one step a message. wParam, lParam: 0.
constexpr UINT WM_SHOW_NEXT_STEP = WM_APP + 0x174;

// The records the station wrote between the last record taken in and a new one (the computer
// slept, say): they lie strictly between the two times.
struct RecordGap {
    RecordTime after, before;
    int missed = 0;                    // records that fell due in between (0: no gap)
};

// The newest history slots, read on a worker to find the records a gap left.
struct GapSlotsJob {
    int count = 0;                     // slots to read, the latest one included
    int referenceYear = 0;             // years are searched back from it
    RecordGap gap;
    std::vector<std::wstring> records; // the station's record lines, oldest first
    HWND window = nullptr;             // receives WM_GAP_SLOTS_READ
};

// The rebuild of the custom record files after a change of display unit, handed to its worker thread.
struct CustomRebuildJob {
    std::wstring installFolder;
    DisplayUnitSelection units;
    CustomFileChoice which{true, true};  // the custom files it rebuilds
    RebuildControl control;
    CustomRebuildResult result;
    HWND window = nullptr;  // receives WM_CUSTOM_REBUILD_DONE
    WPARAM serial = 0;      // told with it, so that the end of a stopped rebuild is known as such
};

class COrvelleDlg : public CDialog,
                    public CMainRecords,
                    public CDisplayOps,
                    public CPanelLayout,
                    public CAllChartOwner,
                    public IDownloadListener,
                    public CStationWriters {
public:
    explicit COrvelleDlg(CWnd* parent = nullptr);
    ~COrvelleDlg() override;
    // Called from OnInitDialog with the new window (the application tells later copies of the
    // program which window to bring to the front).
    std::function<void(HWND)> m_onWindowCreated;

    // ---- controls, in binding order (DoDataExchange) -----------------------------------------
    CxStatic m_forecastPicture;        // 1003
    CxStatic m_uvChart;                // 1009
    CxStatic m_pressureChart;          // 1005
    CxStatic m_windChart;              // 1010
    CxStatic m_moonPicture;            // 1018
    CxStatic m_seaLevelPressureText;   // 1002
    CxStatic m_temperatureChart;       // 1022
    CxStatic m_rainChart;              // 1045
    CxStatic m_uvLevelPicture;         // 1028
    CxStatic m_connectionPicture;      // 1069
    CxStatic m_dateText;               // 1095
    CxStatic m_weekdayText;            // 1096
    CxStatic m_timeText;               // 1097
    CxStatic m_panelStatic[5];         // 1104..1107 trend pictures (upper T, upper H, lower T, lower H),
                                       // 1108 seconds or AM/PM beside the clock
    CxStatic m_progressText;           // 1144, one pixel inside the progress bar

    CStatic m_pressureFrame;           // 1000
    CStatic m_uvFrame;                 // 1007
    CStatic m_windFrame;               // 1011
    CStatic m_sunMoonFrame;            // 1013
    CStatic m_sunriseFrame;            // 1016
    CStatic m_moonFrame;               // 1017
    CStatic m_sunsetPicture;           // 1014
    CStatic m_sunrisePicture;          // 1015
    CStatic m_locationFrame;           // 1020
    CStatic m_sensorFrame;             // 1023
    CStatic m_rainFrame;               // 1024
    CStatic m_dateTimeFrame;           // 1026
    CStatic m_statusFrame;             // 1025
    CStatic m_localPressureText;       // 1027
    CStatic m_static1032;              // 1032
    CStatic m_static1033;              // 1033
    CStatic m_static1034;              // 1034
    CStatic m_static1046;              // 1046
    CStatic m_static1047;              // 1047
    CStatic m_pressureSeparator;       // 1050
    CStatic m_uvTexts[9];              // 1051..1059: 1052 exposure level, 1056 UV value, 1057..1059 maxima
    CStatic m_static1019;              // 1019
    CStatic m_sunMoonTexts[9];         // 1060..1068: 1061 sunrise, 1062 sunset, 1063 moon phase,
                                       // 1064..1066 city, latitude, longitude
    CStatic m_sensorValueTexts[9];     // 1070..1078: upper current T, H, D; lower current T, H, D;
                                       // upper maximum T, H, D
    CStatic m_upperTempMinText;        // 1082
    CStatic m_lowerMaxTexts[3];        // 1079..1081: lower maximum T, H, D
    CStatic m_upperHumidityMinText;    // 1012
    CStatic m_panelTexts[12];          // 1083..1094: 1083 upper minimum D, 1084..1086 lower minimum
                                       // T, H, D, 1087..1090 wind values and maxima, 1091, 1092 wind
                                       // direction, 1093 wind chill
    CStatic m_rainTotalStatic;         // 1098
    CStatic m_rainTotalsTexts[3];      // 1099..1101: yesterday, last week, last month
    CStatic m_windSeparators[2];       // 1102, 1103
    CStatic m_statusStatic;            // 1109
    CStatic m_rainResetText;           // 1140

    CButton m_seriesChecks[SERIES_CHECK_COUNT];  // 1041, 1042, 1043, 1035..1040
    CProgressCtrl m_progress;          // 1029
    CComboBox m_upperSensorCombo;      // 1030
    CComboBox m_lowerSensorCombo;      // 1031

    // ---- window resources ----------------------------------------------------------------
    HICON m_hIcon = nullptr;           // icon 326
    HBRUSH m_bkBrush = nullptr;        // solid MAIN_BACKGROUND_COLOUR, made at start
    CMenu* m_menu = nullptr;           // the window's current menu (heap, kept to the end)
    unsigned char m_menusEnabled = 0;

    // ---- folders (m_installFolder is in CMainRecords) --------------------------------------
    CString m_dataFolder;              // install folder + "data\"
    CString m_imgFolder;               // install folder + "Img\"
    char m_imgFolderA[PATH_BUFFER_BYTES] = {};  // m_imgFolder in UTF-8, for the chart renderer (empty if too long)

    // ---- owned objects ---------------------------------------------------------------------
    CVarnokCal m_varnokCal;
    CShowAllChartDlg* m_pAllChartDlg = nullptr;  // created by OnInitDialog, kept to the end
    HINSTANCE m_hLumidor = nullptr;    // Lumidor.dll, null when it could not be loaded

    // ---- run state -------------------------------------------------------------------------
    int m_connected = 0;
    unsigned char m_firstPollDone = 0;
    int m_lastLunarPhase = -1;
    int m_chosenCityIndex = -1;        // city of the last location upload; 0 or less: none
    unsigned char m_bigChartShown = 0;
    long long m_recordSeenTime = 0;    // seconds since 1970 when the last new record came in
    int m_rainResetTime[5] = {};       // year, month, day, hour, minute of the last rain reset
    double m_rainResetTimeChart = 0;   // the same as chart time
    unsigned char m_rainResetLoaded = 0;
    unsigned char m_channelShown[SERIES_CHECK_COUNT] = {};  // states of 1041, 1042, 1043, 1035..1040

    // ---- panel layout and painting (OrvelleDlgLayout.cpp, OrvelleDlgPaint.cpp) ----------------
    // The element arrays and the variants are CPanelLayout's.
    CFont m_frameFont;                 // bold font of the frames, made once, kept while they use it
    // Tables, texts and elements of the language (English for ids outside 1..7), then the controls
    // moved onto them.
    void SelectLanguageLayout(int language);
    // Lays out each panel whose switches or chart views changed (both when forced).
    void ApplyPanelLayout(bool force);
    // Every control onto its element: frames with their captions and font, value fields cleared,
    // fixed pictures, the small charts drawn again, the clock.
    void ApplyElementPositions();
    // The painted labels and the legend line samples, on the window's paint DC.
    void PaintPanels(CDC& dc);
    // The window cleared and its labels painted again, once it is shown.
    void RepaintPanels();
    // Shows or hides the controls of both panels (the status strip and the clock stay).
    void ShowPanelControls(bool show);
    // While held, ApplyElementPositions only notes that it was asked for; the last release runs it
    // once (the start-up and a language change place every control once, after the language and
    // both panels are settled).
    void HoldElementPositions();
    void ReleaseElementPositions();
    // The handle of the main window's control with the given id, looked up once and kept.
    HWND ItemHandle(int controlId) const;
    void BuildPressureCaptions(int upperVariant);
    void BuildUvCaptions(int upperVariant);
    void BuildTemperatureCaptions(int lowerVariant);
    void BuildRainCaptions() override;
    void BuildWindCaptions() override;
    void UpdateClock() override;
    // ---- the all-sensor chart window (OrvelleDlgPaint.cpp) ----------------------------------------
    // It was closed: the panels come back.
    void OnAllChartClosed() override;
    const int* ChartLineSettings() const override { return m_thdSettings; }
    ChartUnitFactors ChartUnits() const override;
    double CurrentReadingChartTime() const override { return RecordChartTime(); }
    // After the history download: its period and series (on the window's thread).
    void SetAllChartTimeWindowFromLastRecord() override;
    // The point (client coordinates) lies on one of the five small charts (their right and bottom
    // edges excluded).
    bool IsOnSmallChart(CPoint point) const;

    CString m_locationText[2];

    // ---- start-up --------------------------------------------------------------------------
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // The install, data and Img folders: from the module path, or the fixed places.
    void SetUpFolders();

    // ---- settings files (OrvelleDlgSettings.cpp) -------------------------------------------
    void LoadSettings();
    // "rRainReset.dat" for a rain reset at the current record's time and rain counter.
    std::vector<std::uint8_t> RainResetBytes() const;
    // A settings file read at the start (`read`: its bytes, null when it did not open) written again
    // when it does not hold the values in use.
    void WriteBackSettingsFile(const wchar_t* name, const std::vector<std::uint8_t>* read,
                               const std::vector<std::uint8_t>& values);
    bool SaveRainReset();
    bool LoadRainReset();

    // ---- menus (OrvelleDlgMenus.cpp) ------------------------------------------------------------
    void LoadLanguageMenu(int language);
    void EnableStationMenus(bool enable);

    // ---- sensor panels (SensorPanels.cpp) --------------------------------------------------------
    void LoadInOutdoorSetting();
    void SaveInOutdoorSetting();
    // Both sensor combo boxes get the six names (item = sensor), each keeping its selected index,
    // and the layout captions 84..89 show them.
    void FillSensorCombos();
    void UpdateUpperSensorPanel();
    void UpdateLowerSensorPanel();

    // ---- About box --------------------------------------------------------------------------------
    void OnAbout();

    // ---- timers and polling loop (OrvelleDlgTimers.cpp) -----------------------------------------
    unsigned char m_usbKeyFound = 0;      // the power check found the station's registry key
    unsigned char m_usbPowerValid = 0;    // the power settings needed no change
    unsigned char m_deviceGoneShown = 0;  // the connect prompt has been shown: the program closes
    HistoryDownloadJob m_downloadJob;     // handed to the download worker; outlives the thread
    HANDLE m_downloadThread = nullptr;    // the download worker, waited for before the dialog goes
    CDownloadRestart m_downloadRestart;   // a failed download (or gap read) started again at a later tick
    int m_pollFailureShown = -1;          // the data error said since the last good poll, -1 none
    // The station is present: a device handle, and USBCheck answers non-zero.
    static bool DevicePresent();
    LRESULT OnHistoryDownloadDone(WPARAM outcome, LPARAM);

    // ---- record files (OrvelleDlgRecordFiles.cpp) ------------------------------------------------
    // Rebuilds both custom record files in the current display units on a worker thread (stopping
    // one that runs); merges wait until it has ended, and the status strip shows its progress.
    void StartCustomRebuild();
    bool CustomRebuildRunning() const;
    LRESULT OnCustomRebuildDone(WPARAM, LPARAM);
    // The history slots a gap left, read on a worker, reach the window's thread.
    LRESULT OnGapSlotsRead(WPARAM, LPARAM);
    // IDownloadListener: posts the outcome to the window's thread (false once the window is gone).
    bool DownloadEnded(DownloadOutcome outcome) override;

    // ---- notices of the record files (OrvelleDlgRecordNotices.cpp) -----------------------------
    // What was brought back, and the station's clock going back: posted to the window's thread and
    // told there in one message box, once (TellUser).
    void RecordFileNoticesWaiting() override;
    LRESULT OnRecordFileNotices(WPARAM, LPARAM);
    // ---- the window's own messages (OrvelleDlgWrites.cpp) ----------------------------------------
    // Every message the window tells by itself waits in m_messages for the next timer tick, which
    // tells the waiting ones one box after the other; the timers go on meanwhile.
    CWindowMessages m_messages;
    // The text, told in a message box at the next timer tick.
    void TellUser(const std::wstring& text);
    // ---- files that could not be written (OrvelleDlgWrites.cpp) ---------------------------------
    // Each failure is said once for as long as its cause lasts (a message whose cause has ended
    // before its turn is dropped).
    CWriteFailureNotices m_writeNotices;
    void SayFailedWrites(WriteTask task, const std::vector<FailedWrite>& failures);
    void SayFailedWrite(WriteTask task, const std::wstring& path, unsigned long error);
    void NoteWritten(WriteTask task, const std::wstring& path);
    // The last writes of the staging file, the record files and their copies, and the last restores
    // of the record files (m_recordFiles), said where they failed.
    void ReportRecordFileWrites();
    // Record files whose restore failed are brought back, and copies that fell behind caught up,
    // when that is tried again at a reading; what failed is said, what was brought back told.
    void CatchUpRecordFiles();
    // The program's own files in the install folder (settings, the rain reset, the rain history),
    // each replaced in one step; one that cannot be written is said and written again at each
    // reading until it goes in (a later write of the same file takes the place of the waiting one).
    bool WriteOwnFile(const std::wstring& path, const std::string& bytes) override;
    // The file replaced in one step, and no longer waiting nor failing; false, and nothing said or
    // kept to write again, when it cannot be (ErrorOfLastFailure tells why).
    bool ReplaceOwnFile(const std::wstring& path, const std::string& bytes);
    bool WriteSettingsFile(const wchar_t* name, const std::vector<std::uint8_t>& bytes);
    void RetryOwnFileWrites();
    std::map<std::wstring, std::string> m_ownFilesWaiting;
    // The live record file's last write, said when it failed; false then.
    bool ReportLiveFileWrite();
    // Record lines wait, or a record file, a copy or a custom file's rebuild cannot be written: the
    // status strip says so.
    bool RecordFilesFailing() const;
    // The status strip while the station's data files cannot be written.
    void ShowStationDataFailure();
    // The station's memory dump could not be written (the system's error code): said, and shown in
    // the status strip.
    void SayDumpNotWritten(unsigned long error);

    // ---- current values and the record line (OrvelleDlgValues.cpp, OrvelleDlgRecordLine.cpp) --
    int m_forecastCode = 0;            // the current reading's forecast code (-999 when missing)
    int m_forecastFlag = 0;            // ... and the flag that picks one of two picture sets
    double m_currentGust = DISPLAY_MISSING;       // display unit
    double m_currentWindChill = DISPLAY_MISSING;  // display unit
    // Re-texts every current value outside the sensor panels, then the sensor panels.
    void RefreshAllValues();
    // City, latitude, longitude, daylight-saving rule and zone texts: from the station's location
    // bytes (fromStation), else from the city of the last location upload or the station's city.
    void ShowLocationText(bool fromStation);
    void ShowRainResetText();
    // The station's latest history record as a record-file line; empty when it cannot be read.
    CString BuildCurrentRecordLine();
    static bool CompareRecordLines(const CString& previous, const CString& line);
    void OnRedrawChartsButton();

    // ---- sky panel (OrvelleDlgSky.cpp) ----------------------------------------------------------
    int m_forecastFrame = 0;           // 0, 1, 2; set to 0 whenever the panels are laid out
    int m_forecastBitmapId = 0;        // forecast picture last chosen; 0 before any valid code
    void UpdateLunarPhase() override;
    void AnimateForecastIcon() override;
    void UpdateLocationTexts() override;
    std::wstring UpdateSunriseText() override;
    std::wstring UpdateSunsetText() override;
    // Both sun texts into their fields, each whole or ended with an ellipsis inside its field.
    void ShowSunTexts();

    // ---- About box and help (OrvelleDlgHelp.cpp) --------------------------------------------------
    void BuildAboutStatusText(std::wstring (&status)[about::STATUS_COUNT]);
    void OnHelpF1();
    void OnHelpContents();
    void OnHelpIndex();
    void OnHelpSearch();

    // ---- menu commands and history clearing (OrvelleDlgCommands.cpp) ---------------------------
    // Close: the modal dialog ends with IDCANCEL, which ends the program.
    void OnDestroy();
    void OnClearAllRecords();
    void OnClearRainTotal();
    // The station dialogs read their block first; a failed read opens nothing.
    void OnRecordInterval();
    void OnAltitude();
    void OnAlarm();
    void OnLocation();
    // The program settings: OK takes the dialog's values, writes the settings file and the window
    // follows (auto-saving intervals, panels laid out again, menus and texts in the new language).
    void OnAutoSaving();
    void OnChartDisplay();
    void OnLanguage();
    void OnSaveAs();
    // Displaying unit: on OK the eight unit indexes are taken, written to
    // "rDisplayingUnitSetting.dat" and put into force.
    void OnDisplayingUnit();
    // Temperature / Humidity / Dewpoint: on OK the names and line settings are taken, written to
    // "rTHDSetting.dat" and the temperature chart drawn again; a renamed sensor refills both
    // sensor combo boxes (each keeping its selected index) and the panels' name captions.
    void OnTHDSettings();
    // Print: the print preview of a capture of the window at its start-up size.
    void OnPrint();
    // Empties the published history columns and every rolling history, resets the rain total.
    void ClearAllRecords();
    // Rain history count 0; when "rRainReset.dat" could be written, the reset values (time, counter)
    // and an emptied rain history, else the reason said. The rain chart is redrawn either way. True
    // when saved.
    bool ResetRainTotal();
    void ClearPressureHistory();
    void ClearUvHistory();
    void ClearWindHistory();
    void ClearSensorHistory();

    // ---- station settings writers (StationWriters.cpp) -----------------------------------------
    bool WriteRecordInterval(int selection, HeldSetting<int>* held) override;
    bool WriteAltitude(int altitude, HeldSetting<int>* held) override;
    bool WriteAlarms(const stationsettings::AlarmRecord& alarms, HeldSetting<stationsettings::AlarmRecord>* held) override;
    bool WriteLocation(const stationsettings::StationCity (&cities)[2], HeldSetting<StationCities>* held) override;
    // Reads the station's memory from address into the memory image (two blocks, as the commands
    // that open the dialogs read it).
    static bool ReadStationAt(int address);
    // The alarms the station holds (times, then limits, read into the memory image), with the main
    // window's temperature flag, which the station does not hold; false, and *alarms untouched,
    // when a read fails.
    bool ReadStationAlarms(stationsettings::AlarmRecord* alarms) const;
    // A city as the station holds it in its 8 bytes, with its region and name (`userName` for the
    // user-defined city); a record the station cannot mean (a city outside the tables, or a
    // user-defined city with values out of range) becomes the user-defined city at zero.
    static stationsettings::StationCity StationCityAt(const uint8_t* record, const std::wstring& userName);
    // The two cities become the main window's location (texts, moon, sun, "rLocation.dat").
    void TakeLocation(const StationCities& cities);

    // ---- display units (OrvelleDlgUnits.cpp) ------------------------------------------------------
    // The stored units put into force at the first poll, while every factor is still 1: captions,
    // factor, and the held values converted (nothing more for an index outside its range).
    void ApplyStartupPressureUnit(int unit);
    void ApplyStartupUvUnit(int unit);
    void ApplyStartupTemperatureUnit(int unit);
    void ApplyStartupWindUnit();
    void ApplyStartupRainUnit();
    // Each converts the held values of its quantity by the ratio (the caller has set the factor to
    // the new unit's), then re-texts the values, redraws the captions and the chart; a shown
    // all-sensor chart window is drawn again. RescaleTemperature goes to degC when
    // m_temperatureFactor is 1, else to degF.
    void RescaleWind(double ratio);
    void RescaleRain(double ratio);
    void RescaleUv(double ratio);
    void RescalePressure(double ratio);
    void RescaleTemperature(double ratio);
    // The factor member of a quantity.
    double& FactorOf(units::Quantity quantity);
    // Sets the factor and runs the quantity's rescaler when the change asks for a rescale.
    void ApplyUnitChange(units::Quantity quantity, const units::UnitChange& change);
    // After the unit members took the dialog's choice: the clock format, each changed quantity's
    // captions and rescale, and one rebuild of the custom record files when a converted unit changed.
    void PutChangedUnitsInForce(const DisplayUnitSelection& old, int oldTimeFormat);

    // ---- chart images (OrvelleDlgCharts.cpp) -------------------------------------------------
    double m_windSpeedBarValues[HOURLY_BARS] = {};  // the wind-speed bar chart's hourly speeds
    void DrawPressureBarChart() override;
    void DrawPressureLineChart() override;
    void DrawUvBarChart() override;
    void DrawUvLineChart() override;
    void DrawRainBarChart() override;
    void DrawRainLineChart() override;
    void DrawWindRoseChart() override;
    void DrawWindSpeedBarChart() override;
    void DrawWindSpeedLineChart() override;
    void DrawWindDirectionBarChart() override;
    void DrawWindDirectionChart() override;
    void DrawTemperatureChart() override;
    // After a reading its values (with the station's extremes, read from the station) and the five
    // small charts are shown one step a message (WM_SHOW_NEXT_STEP), so that the window answers
    // between them; a step asked for again meanwhile is taken once.
    enum ReadingStep : unsigned {
        STEP_VALUES = 1, STEP_UV_CHART = 2, STEP_PRESSURE_CHART = 4, STEP_RAIN_CHART = 8, STEP_WIND_CHART = 16,
        STEP_TEMPERATURE_CHART = 32
    };
    unsigned m_readingSteps = 0;
    void ShowReadingInTurn(unsigned steps);
    LRESULT OnShowNextStep(WPARAM, LPARAM);
    // The hand cursor over the five chart pictures.
    void OnMouseMove(UINT flags, CPoint point);

    UI_DECLARE_MESSAGE_MAP()

protected:
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnTimer(UINT_PTR timerId);
    // Enter and Esc do not end the program; the close box, Alt+F4 and the Close command do.
    void OnOK() override;
    void OnCancel() override;
    void OnClose();
    void OnSeriesCheck(UINT id);
    void OnUpperSensorChanged();
    void OnLowerSensorChanged();
    // A click on one of the five small charts shows the all-sensor chart window over the panels.
    void OnLButtonDown(UINT flags, CPoint point);
    // Frames, check boxes and texts on the window's own background colour.
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlType);
    void OnUpperPanelLaidOut(int variant) override;
    void OnLowerPanelLaidOut(int variant) override;

    // The text of the main window's control with the given id (set only when it changes).
    void SetControlText(int controlId, const std::wstring& text);
    // The text as the static shows it whole in its room, a longer one ended with an ellipsis.
    void SetFittedText(int controlId, const std::wstring& text);
    // CMainRecords: the summary values of the download in their controls.
    void ShowSummaryValue(SummaryValue value, const std::wstring& text) override;
    // CMainRecords: the station's min/max texts from the decoder (after ReadMinMaxAreas).
    bool StationMinMaxTextsNow(StationMinMaxTexts* texts) override;

    // Menus (OrvelleDlgMenus.cpp): the Help commands' icons, drawn by the window.
    void OnInitMenuPopup(CMenu* popup, UINT index, BOOL systemMenu);
    void OnMeasureItem(int controlId, LPMEASUREITEMSTRUCT measure);
    void OnDrawItem(int controlId, LPDRAWITEMSTRUCT draw);
    // The F1 key (WM_HELP): the help file's contents.
    LRESULT OnHelpKey(WPARAM, LPARAM);

private:
    // Timers and polling loop (OrvelleDlgTimers.cpp).
    void OnConnectionTimer();
    void OnPollTimer();
    void OnAutoSaveTimer();
    bool RunFirstPoll();
    void RunLaterPoll();
    void OnDeviceGone();
    int RunPowerCheck();
    // Starts the history download's worker; dumpOnly: the memory read before is only written and
    // parsed again (its dump could not be written).
    void StartDownload(bool dumpOnly = false);
    // The waiting messages told, when the window exists (TellWaitingMessages also without it).
    void ShowPendingMessages();
    void TellWaitingMessages();
    bool m_closeAfterMessages = false;  // the closing prompt waits for the box open before it
    // A data error of the polling loop (entry of g_dataErrorTexts), said once until a poll succeeds.
    void ShowPollFailure(int entry);
    // The staged record lines (and new ones) merged into the record files; while the custom files
    // are rebuilt they wait.
    void MergeRecordLines(bool firstPass, const std::vector<std::string>* newLines);
    // A new record line merged with the records that the station wrote since the last one taken in
    // when more than one record interval lies between them (the computer slept, say): a few are
    // read back here, many by reading the whole history again on the download's worker.
    void MergeRecordLineAfterAGap(const std::wstring& newLine);
    // The gap between the last line taken in and newLine.
    RecordGap GapBefore(const std::wstring& newLine) const;
    // While the records missed are read, the polling loop waits.
    bool GapReadRunning() const;
    void StartGapSlotsRead(const RecordGap& gap);
    static DWORD WINAPI GapSlotsThreadProc(LPVOID parameter);
    void EndGapSlotsRead();
    std::unique_ptr<GapSlotsJob> m_gapSlotsJob;
    HANDLE m_gapSlotsThread = nullptr;
    void StartGapHistoryRead();
    void OnGapHistoryRead(DownloadOutcome outcome);
    std::unique_ptr<ReadingsRecord> m_gapHistory;  // the history read again to fill a gap
    void StopCustomRebuild();
    void EndCustomRebuild();
    void TakeRebuildResult(CustomRebuildResult&& result);
    CustomFileChoice CustomFilesToRebuild();
    // The station menus and their mirror m_menusEnabled.
    void SetStationMenus(bool enable);
    void ShowCustomRebuildProgress();
    std::unique_ptr<CustomRebuildJob> m_rebuildJob;
    HANDLE m_rebuildThread = nullptr;
    WPARAM m_rebuildSerial = 0;
    void StopTimersAndClose(const wchar_t* prompt);
    void RedrawRainChart();
    void RedrawPressureChart();
    void RedrawUvChart();
    void RedrawWindChart();
    void ShowCountdown();
    // Display units (OrvelleDlgUnits.cpp): the captions of a box painted again; the all-sensor
    // chart window redrawn when it is shown.
    void RedrawBoxCaptions(int frameId);
    void RedrawShownAllChart();

    // Chart images: the picture's size in the window and the file's narrow path; showing the file.
    ChartFrame ChartFrameFor(const CxStatic& picture, const char* file) const;
    std::wstring ChartFilePath(const char* file) const;
    void ShowChartFile(CxStatic& picture, const char* file);
    void RenderChart(CxStatic& picture, const char* file, const std::function<bool(const ChartFrame&)>& draw);
    double RecordDayEnd() const;

    void UpdateSensorPanel(const CComboBox& combo, const int (&controlIds)[9], CxStatic& temperatureTrend,
                           CxStatic& humidityTrend);

    // Current values (OrvelleDlgValues.cpp), in the order RefreshAllValues shows them.
    void ShowUvMaxima(const std::wstring& blank);
    void ShowWindMaxima(const std::wstring& blank);
    void ShowRainTotalTexts(const std::wstring& blank);
    void TakeCurrentForecastGustAndChill();
    void ShowRainSinceReset();
    void ShowUvTexts(const std::wstring& blank);
    void ShowPressureTexts();
    void ShowWindTexts(const std::wstring& blank);
    // Latitude, longitude, daylight-saving rule and zone of a city of the city tables.
    void ShowTableCityTexts(int city);
    // Sky panel (OrvelleDlgSky.cpp): the text of the sunrise or sunset export for the current city.
    std::wstring SunEventText(const char* exportName, int controlId);

    mutable std::unordered_map<int, HWND> m_itemHandles;  // ItemHandle's handles, by control id
    std::unordered_map<HWND, RECT> m_placedControls;  // where ApplyElementPositions put each control
    int m_elementPositionHolds = 0;  // HoldElementPositions not yet released
    bool m_elementPositionsPending = false;
};
