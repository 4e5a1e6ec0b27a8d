// The main dialog's construction, start-up (OnInitDialog), data exchange, system menu and painting.
#include "app/OrvelleDlg.h"

#include "app/StartupPaths.h"
#include "platform/ui/UiApp.h"
#include "records/RecordFileIo.h"
#include "station/UsbLink.h"
#include "texts/TextEncoding.h"
#include "texts/TextTables.h"

#include <cstring>

const ui::MsgMapEntry COrvelleDlg::kMessageEntries[] = {
    ui::OnMessage<WM_SYSCOMMAND, &COrvelleDlg::OnSysCommand>(),
    ui::OnMessage<WM_PAINT, &COrvelleDlg::OnPaint>(),
    ui::OnMessage<WM_QUERYDRAGICON, &COrvelleDlg::OnQueryDragIcon>(),
    ui::OnMessage<WM_TIMER, &COrvelleDlg::OnTimer>(),
    ui::OnMessage<WM_MOUSEMOVE, &COrvelleDlg::OnMouseMove>(),
    ui::OnControlRange<&COrvelleDlg::OnSeriesCheck>(BN_CLICKED, IDC_SHOW_INDOOR, IDC_SHOW_DEWPOINT),
    ui::OnControl<&COrvelleDlg::OnUpperSensorChanged>(CBN_SELCHANGE, IDC_UPPER_SENSOR),
    ui::OnControl<&COrvelleDlg::OnLowerSensorChanged>(CBN_SELCHANGE, IDC_LOWER_SENSOR),
    ui::OnCommand<&COrvelleDlg::OnAbout>(ID_HELP_ABOUT),
    ui::OnCommand<&COrvelleDlg::OnHelpF1>(ID_HELP_CONTENTS_PAGE),
    ui::OnCommand<&COrvelleDlg::OnHelpContents>(ID_HELP_CONTENTS),
    ui::OnCommand<&COrvelleDlg::OnHelpIndex>(ID_HELP_INDEX),
    ui::OnCommand<&COrvelleDlg::OnHelpSearch>(ID_HELP_SEARCH),
    ui::OnRawMessage<WM_HELP, &COrvelleDlg::OnHelpKey>(),
    ui::OnMessage<WM_INITMENUPOPUP, &COrvelleDlg::OnInitMenuPopup>(),
    ui::OnMessage<WM_MEASUREITEM, &COrvelleDlg::OnMeasureItem>(),
    ui::OnMessage<WM_DRAWITEM, &COrvelleDlg::OnDrawItem>(),
    ui::OnCommand<&COrvelleDlg::OnRedrawChartsButton>(IDC_REDRAW_CHARTS),
    ui::OnCommand<&COrvelleDlg::OnDestroy>(ID_FILE_CLOSE),
    ui::OnCommand<&COrvelleDlg::OnPrint>(ID_FILE_PRINT),
    ui::OnMessage<WM_CLOSE, &COrvelleDlg::OnClose>(),
    // Record and station settings commands (OrvelleDlgCommands.cpp).
    ui::OnCommand<&COrvelleDlg::OnClearAllRecords>(ID_RECORD_CLEAR_ALL),
    ui::OnCommand<&COrvelleDlg::OnClearRainTotal>(ID_RECORD_CLEAR_RAIN),
    ui::OnCommand<&COrvelleDlg::OnRecordInterval>(ID_RECORD_INTERVAL),
    ui::OnCommand<&COrvelleDlg::OnAltitude>(ID_SETTING_ALTITUDE),
    ui::OnCommand<&COrvelleDlg::OnAlarm>(ID_SETTING_ALARM),
    ui::OnCommand<&COrvelleDlg::OnLocation>(ID_SETTING_LOCATION),
    // Program settings and Save as (OrvelleDlgCommands.cpp).
    ui::OnCommand<&COrvelleDlg::OnAutoSaving>(ID_FILE_AUTO_SAVING),
    ui::OnCommand<&COrvelleDlg::OnChartDisplay>(ID_SETTING_CHART_DISPLAY),
    ui::OnCommand<&COrvelleDlg::OnLanguage>(ID_SETTING_LANGUAGE),
    ui::OnCommand<&COrvelleDlg::OnSaveAs>(ID_FILE_SAVE_AS),
    ui::OnCommand<&COrvelleDlg::OnDisplayingUnit>(ID_SETTING_DISPLAYING_UNIT),
    ui::OnCommand<&COrvelleDlg::OnTHDSettings>(ID_SETTING_THD),
    ui::OnRawMessage<WM_HISTORY_DOWNLOAD_DONE, &COrvelleDlg::OnHistoryDownloadDone>(),
    ui::OnRawMessage<WM_CUSTOM_REBUILD_DONE, &COrvelleDlg::OnCustomRebuildDone>(),
    ui::OnRawMessage<WM_GAP_SLOTS_READ, &COrvelleDlg::OnGapSlotsRead>(),
    ui::OnRawMessage<WM_RECORD_FILE_NOTICES, &COrvelleDlg::OnRecordFileNotices>(),
    ui::OnRawMessage<WM_SHOW_NEXT_STEP, &COrvelleDlg::OnShowNextStep>(),
    ui::OnMessage<WM_LBUTTONDOWN, &COrvelleDlg::OnLButtonDown>(),
    ui::OnMessage<ui::WM_CTLCOLOR, &COrvelleDlg::OnCtlColor>(),
};
UI_IMPLEMENT_MESSAGE_MAP(COrvelleDlg, CDialog)

COrvelleDlg::COrvelleDlg(CWnd* parent) : CDialog(IDD_ORVELLE_DIALOG, parent)
{
    m_recordSeenTime = 0;
    m_hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

// The download worker writes into this dialog and reads through the station object: a program
// closed during the download asks it to stop (every command in progress gives up within
// WATCHER_POLL_MS) and waits until it has ended, before anything it uses goes. Then the window
// resources are released: the brush, the menu, the all-sensor chart window and Lumidor.dll.
COrvelleDlg::~COrvelleDlg()
{
    StopCustomRebuild();
    if (m_gapSlotsThread != nullptr) {
        g_stopMemoryRead = true;
        EndGapSlotsRead();
    }
    if (m_downloadThread != nullptr) {
        g_stopMemoryRead = true;
        ::WaitForSingleObject(m_downloadThread, INFINITE);
        ::CloseHandle(m_downloadThread);
        m_downloadThread = nullptr;
    }
    if (m_bkBrush != nullptr)
        ::DeleteObject(m_bkBrush);
    if (m_pAllChartDlg != nullptr) {
        if (m_pAllChartDlg->IsWindow())
            m_pAllChartDlg->DestroyWindow();
        delete m_pAllChartDlg;
        m_pAllChartDlg = nullptr;
    }
    // A menu that was the window's went with the window.
    if (m_menu != nullptr && !::IsMenu(m_menu->GetSafeHmenu()))
        m_menu->Detach();
    delete m_menu;
    m_menu = nullptr;
    if (m_hLumidor != nullptr)
        ::FreeLibrary(m_hLumidor);
}

void COrvelleDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, 1003, m_forecastPicture);
    DDX_Control(dx, 1009, m_uvChart);
    DDX_Control(dx, 1005, m_pressureChart);
    DDX_Control(dx, 1010, m_windChart);
    DDX_Control(dx, 1018, m_moonPicture);
    DDX_Control(dx, 1002, m_seaLevelPressureText);
    DDX_Control(dx, 1022, m_temperatureChart);
    DDX_Control(dx, 1045, m_rainChart);
    DDX_Control(dx, 1028, m_uvLevelPicture);
    DDX_Control(dx, 1069, m_connectionPicture);
    DDX_Control(dx, 1095, m_dateText);
    DDX_Control(dx, 1096, m_weekdayText);
    DDX_Control(dx, 1097, m_timeText);
    for (int i = 0; i < 5; ++i)
        DDX_Control(dx, 1104 + i, m_panelStatic[i]);
    DDX_Control(dx, 1144, m_progressText);

    DDX_Control(dx, 1000, m_pressureFrame);
    DDX_Control(dx, 1007, m_uvFrame);
    DDX_Control(dx, 1011, m_windFrame);
    DDX_Control(dx, 1013, m_sunMoonFrame);
    DDX_Control(dx, 1016, m_sunriseFrame);
    DDX_Control(dx, 1017, m_moonFrame);
    DDX_Control(dx, 1014, m_sunsetPicture);
    DDX_Control(dx, 1015, m_sunrisePicture);
    DDX_Control(dx, 1020, m_locationFrame);
    DDX_Control(dx, 1023, m_sensorFrame);
    DDX_Control(dx, 1024, m_rainFrame);
    DDX_Control(dx, 1026, m_dateTimeFrame);
    DDX_Control(dx, 1025, m_statusFrame);
    DDX_Control(dx, 1027, m_localPressureText);
    DDX_Control(dx, 1032, m_static1032);
    DDX_Control(dx, 1033, m_static1033);
    DDX_Control(dx, 1034, m_static1034);
    DDX_Control(dx, 1046, m_static1046);
    DDX_Control(dx, 1047, m_static1047);
    DDX_Control(dx, 1050, m_pressureSeparator);
    for (int i = 0; i < 9; ++i)
        DDX_Control(dx, 1051 + i, m_uvTexts[i]);
    DDX_Control(dx, 1019, m_static1019);
    for (int i = 0; i < 9; ++i)
        DDX_Control(dx, 1060 + i, m_sunMoonTexts[i]);
    for (int i = 0; i < 9; ++i)
        DDX_Control(dx, 1070 + i, m_sensorValueTexts[i]);
    DDX_Control(dx, 1082, m_upperTempMinText);
    for (int i = 0; i < 3; ++i)
        DDX_Control(dx, 1079 + i, m_lowerMaxTexts[i]);
    DDX_Control(dx, 1012, m_upperHumidityMinText);
    for (int i = 0; i < 12; ++i)
        DDX_Control(dx, 1083 + i, m_panelTexts[i]);
    DDX_Control(dx, 1098, m_rainTotalStatic);
    for (int i = 0; i < 3; ++i)
        DDX_Control(dx, 1099 + i, m_rainTotalsTexts[i]);
    for (int i = 0; i < 2; ++i)
        DDX_Control(dx, 1102 + i, m_windSeparators[i]);
    DDX_Control(dx, 1109, m_statusStatic);
    DDX_Control(dx, 1140, m_rainResetText);

    DDX_Control(dx, 1041, m_seriesChecks[0]);
    DDX_Control(dx, 1042, m_seriesChecks[1]);
    DDX_Control(dx, 1043, m_seriesChecks[2]);
    for (int i = 0; i < 6; ++i)
        DDX_Control(dx, 1035 + i, m_seriesChecks[3 + i]);
    DDX_Control(dx, IDC_PROGRESS, m_progress);
    DDX_Control(dx, IDC_UPPER_SENSOR, m_upperSensorCombo);
    DDX_Control(dx, IDC_LOWER_SENSOR, m_lowerSensorCombo);
}

void COrvelleDlg::SetUpFolders()
{
    const std::wstring folder = ModuleFolder();
    m_installFolder = ProgramInstallFolder(folder);
    if (!folder.empty()) {
        m_dataFolder = CString(folder) + L"data\\";
        m_imgFolder = CString(folder) + L"Img\\";
        return;
    }
    // Without a module path: settings and record files go to "c:\", the data and image folders
    // to the product folder under the program files folder.
    std::wstring product;
    if (IsFolder(L"c:\\Program Files (x86)\\")) {
        product = L"c:\\Program Files (x86)\\Brisvane\\";
    } else {
        if (!IsFolder(L"c:\\Program Files\\"))
            ::CreateDirectoryW(L"c:\\Program Files\\", nullptr);
        product = L"c:\\Program Files\\Brisvane\\";
    }
    if (!IsFolder(product))
        ::CreateDirectoryW(product.c_str(), nullptr);
    m_dataFolder = CString(product) + L"data\\";
    m_imgFolder = CString(product) + L"Img\\";
}

BOOL COrvelleDlg::OnInitDialog()
{
    // Controls bound (data exchange).
    m_itemHandles.clear();
    m_placedControls.clear();
    CDialog::OnInitDialog();
    // The window's thread never sleeps on a file: a file another program holds is tried again later.
    FileWaitsForbiddenOnThisThread();
    if (m_onWindowCreated)
        m_onWindowCreated(m_hWnd);
    // The custom statics paint the window's own background (the system's button colour differs).
    for (CxStatic* control : {&m_forecastPicture, &m_uvChart, &m_pressureChart, &m_windChart, &m_moonPicture,
                              &m_seaLevelPressureText, &m_temperatureChart, &m_rainChart, &m_uvLevelPicture,
                              &m_connectionPicture, &m_dateText, &m_weekdayText, &m_timeText, &m_panelStatic[0],
                              &m_panelStatic[1], &m_panelStatic[2], &m_panelStatic[3], &m_panelStatic[4],
                              &m_progressText})
        control->SetBackgroundColour(MAIN_BACKGROUND_COLOUR);

    // The About item of the system menu.
    if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
        CString about;
        about.LoadString(IDS_ABOUTBOX);
        if (!about.IsEmpty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
        }
    }

    // Icons.
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    // Background brush.
    m_bigChartShown = 0;
    m_bkBrush = ::CreateSolidBrush(MAIN_BACKGROUND_COLOUR);

    // The first menu, station commands greyed.
    m_menu = new CMenu;
    m_menu->LoadMenu(IDR_MENU_ENGLISH);
    SetMenu(m_menu);
    m_menusEnabled = 0;
    EnableStationMenus(false);

    // Run state.
    m_rainCounterAtReset = 0.0;
    m_lastRainCounter = 0.0;
    m_elemX.clear();
    m_elemY.clear();
    m_elemW.clear();
    m_elemH.clear();
    m_elemCaption.clear();
    m_connected = 0;
    m_stationMemoryBytes = 0;
    m_uvHistoryCount = 0;
    for (int& field : m_recordTime)
        field = 0;
    m_lastLunarPhase = -1;
    m_pressureFactor = m_uvFactor = m_temperatureFactor = m_windFactor = m_rainFactor = 1.0;
    g_historyRowCount = 0;
    m_chosenCityIndex = -1;
    m_clock24h = 1;

    // Folders and the paths of the data files.
    SetUpFolders();
    if (!IsFolder(m_dataFolder.str()))
        ::CreateDirectoryW(m_dataFolder, nullptr);
    m_allWeatherPath = m_dataFolder.str() + L"all_weather.csv";
    m_record2minPath = m_dataFolder.str() + L"record_2min.csv";
    if (!IsFolder(m_imgFolder.str()))
        ::CreateDirectoryW(m_imgFolder, nullptr);
    // The chart renderer takes its file paths as UTF-8, so any folder name works.
    const std::string imgFolderUtf8 = Utf8(m_imgFolder.str());
    if (imgFolderUtf8.size() < PATH_BUFFER_BYTES)
        std::memcpy(m_imgFolderA, imgFolderUtf8.c_str(), imgFolderUtf8.size() + 1);

    // Lumidor.dll (optional) and the current folder.
    m_hLumidor = ::LoadLibraryW((m_installFolder + L"Lumidor.dll").c_str());
    ::SetCurrentDirectoryW(m_installFolder.c_str());

    // The last rain reset.
    for (int& field : m_rainResetTime)
        field = 0;
    m_rainResetLoaded = LoadRainReset() ? 1 : 0;

    // Histories and current values cleared; the polling loop waits for the history download.
    ClearHistories();
    for (double& v : m_liveValue) v = 0;
    for (double& v : m_channelTempMin) v = 0;
    for (double& v : m_channelTempMax) v = 0;
    for (double& v : m_channelHumidityMin) v = 0;
    for (double& v : m_channelHumidityMax) v = 0;
    for (double& v : m_windNow) v = 0;
    for (double& v : m_rainNow) v = 0;
    m_firstPollDone = 0;
    m_forecastCode = 0;
    m_forecastFlag = 0;
    m_altitudeMetres = 0;
    m_pressureOffset = 0;
    for (unsigned char& shown : m_channelShown)
        shown = 0;
    m_locationText[0].Empty();
    m_locationText[1].Empty();
    m_downloading = 1;

    // Settings files.
    LoadSettings();

    // Text views, panel geometry and elements of the current language. The controls are placed
    // once, when both panels are laid out.
    HoldElementPositions();
    SelectLanguageLayout(m_language);

    // Nothing laid out yet.
    m_appliedUpperVariant = -1;
    m_appliedLowerVariant = -1;
    for (int& type : m_appliedChartType)
        type = 0;

    // The menu of the language. Its station commands stay greyed until the first poll.
    LoadLanguageMenu(m_language);
    EnableStationMenus(false);

    // Window position and size.
    MoveWindow(10, 10, 965, 735, TRUE);
    Invalidate(TRUE);

    // Every control onto its element, then both panels laid out (nothing applied yet).
    ApplyElementPositions();
    ApplyPanelLayout(false);
    ReleaseElementPositions();

    // The all-sensor chart window, hidden.
    m_pAllChartDlg = new CShowAllChartDlg;
    m_pAllChartDlg->m_pMainDlg = this;
    m_pAllChartDlg->m_chartFolder = m_imgFolder;
    m_pAllChartDlg->m_chartFolderA = m_imgFolderA;
    m_pAllChartDlg->m_settingsFolder = m_installFolder;
    if (m_pAllChartDlg->Create(this))
        m_pAllChartDlg->MoveWindow(0, 0, 955, 610, TRUE);

    // Timers.
    SetTimer(TIMER_CLOCK, 500);
    SetTimer(TIMER_FORECAST_ICON, 5000);
    SetTimer(TIMER_CONNECTION, 1000);
    SetTimer(TIMER_POLL, 1000);
    SetTimer(TIMER_AUTO_SAVE, 60000);

    // Download progress.
    m_progress.SetRange(0, PROGRESS_RANGE);
    m_progress.SetPos(0);

    // The six sensors in both combo boxes, and their names in the layout.
    FillSensorCombos();

    // Series check boxes and sensor choices, written back at once.
    LoadInOutdoorSetting();
    SaveInOutdoorSetting();
    return TRUE;
}

void COrvelleDlg::OnSysCommand(UINT id, LPARAM lParam)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX)
        OnAbout();
    else
        CDialog::OnSysCommand(id, lParam);
}

void COrvelleDlg::OnPaint()
{
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        CRect client;
        GetClientRect(client);
        int x = (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        int y = (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
        return;
    }
    // Only the area being painted is drawn: its background has just been cleared.
    CPaintDC dc(this);
    // The painted labels would show through the all-sensor chart window.
    if (!m_bigChartShown)
        PaintPanels(dc);
}

HCURSOR COrvelleDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

// The dialog's default OK and Cancel would end the program at Enter or Esc: they do nothing here.
void COrvelleDlg::OnOK() {}

void COrvelleDlg::OnCancel() {}

// The close box (and Alt+F4, the system menu's Close) closes the program as the Close command does.
void COrvelleDlg::OnClose() { OnDestroy(); }
