// Resource ids of the program.
#pragma once

// Dialog templates.
#define IDD_ORVELLE_DIALOG 102     // the main window
#define IDD_SHOW_ALL_CHART 184     // the all-sensor chart window

// Station settings dialogs and the record confirmations (res/StationDialogs.rc).
#define IDD_CLEAR_ALL_RECORDS 104
#define IDD_CLEAR_RAIN_TOTAL 105
#define IDD_ALTITUDE 106
#define IDD_ALARM 108
#define IDD_RECORD_INTERVAL 112

// Strings.
#define IDS_ABOUTBOX 101           // "&About Orvelle..." (system menu)

// Icons.
#define IDR_MAINFRAME 326          // the program's icon

// Menus (res/Menus.rc): 129 English; 129 + language id for the other languages.
#define IDR_MENU_ENGLISH 129
#define IDR_MENU_GERMAN 130
#define IDR_MENU_FRENCH 131
#define IDR_MENU_ITALIAN 132
#define IDR_MENU_SPANISH 133
#define IDR_MENU_DUTCH 134
#define IDR_MENU_RUSSIAN 135
#define IDR_MENU_POLISH 136

// Bitmaps: the connection states of the status strip and the trend marks of the sensor panels.
#define IDB_CONNECTED 170
#define IDB_NOT_FOUND 183
#define IDB_DOWNLOADING 184
#define IDB_TREND_1 180
#define IDB_TREND_2 181
#define IDB_TREND_3 182

// System menu item of the About box.
#define IDM_ABOUTBOX 0x0010

// Menu commands.
#define ID_FILE_SAVE_AS 32771
#define ID_FILE_AUTO_SAVING 32772
#define ID_FILE_PRINT 32773
#define ID_FILE_CLOSE 32774
#define ID_RECORD_CLEAR_ALL 32775
#define ID_RECORD_CLEAR_RAIN 32776
#define ID_RECORD_INTERVAL 32777
#define ID_SETTING_LANGUAGE 32778
#define ID_SETTING_ALTITUDE 32779
#define ID_SETTING_LOCATION 32780
#define ID_SETTING_THD 32781
#define ID_SETTING_CHART_DISPLAY 32782
#define ID_SETTING_ALARM 32783
#define ID_SETTING_DISPLAYING_UNIT 32784
#define ID_HELP_CONTENTS_PAGE 32786
#define ID_HELP_CONTENTS 32787
#define ID_HELP_INDEX 32788
#define ID_HELP_SEARCH 32789
#define ID_HELP_ABOUT 32790

// Controls of the main window (template 102) that are addressed by id.
#define IDC_REDRAW_CHARTS 1004
#define IDC_PROGRESS 1029
#define IDC_UPPER_SENSOR 1030
#define IDC_LOWER_SENSOR 1031
#define IDC_SHOW_INDOOR 1035       // 1035..1040: indoor, channels 1..5
#define IDC_SHOW_TEMPERATURE 1041
#define IDC_SHOW_HUMIDITY 1042
#define IDC_SHOW_DEWPOINT 1043
#define IDC_RAIN_TOTAL 1098
#define IDC_STATUS 1109

// ---- Current values, sky panel, Help menu icons and the About box ----------------------------------
// Bitmaps (res/SkyPictures.rc): UV levels 187..191 (low .. extreme), forecast frames 240..282 and moon
// phases 287..317 (ids by code and phase in display/SkyPanel.cpp), sunrise and sunset pictures.
#define IDB_UV_LEVEL_FIRST 187
#define IDB_SUNRISE 318
#define IDB_SUNSET 319
// Icons of the Help commands carry the commands' numbers (ID_HELP_CONTENTS_PAGE .. ID_HELP_ABOUT).

// The About box (res/AboutBox.rc).
#define IDD_ABOUTBOX 100
#define IDC_ABOUT_VERSION_FIRST 1408   // 1408..1412: barometer, 5CH & UV, RCC & sunrise, wind & rain, system
#define IDC_ABOUT_STATUS 1413          // the eleven status lines
#define IDC_ABOUT_STATUS_NAMES 1423
#define IDC_ABOUT_PRODUCT 1424
#define IDC_ABOUT_PROGRAM_VERSION 1425
#define IDC_ABOUT_NOTE 1426

// ---- The all-sensor chart window (res/AllSensorChart.rc, template IDD_SHOW_ALL_CHART) -------------------
#define IDC_ALL_CHART_TIME_RANGE 1030
#define IDC_ALL_CHART_FIRST_SERIES 1035    // 1035..1059: the check boxes of series 0..24
#define IDC_ALL_CHART_LINE_VIEW 1110
#define IDC_ALL_CHART_PIE_VIEW 1111
#define IDC_ALL_CHART_GROUP 1112
#define IDC_ALL_CHART_LINE_PICTURE 1113
#define IDC_ALL_CHART_PIE_CH1 1114         // 1114..1118: pies of series 1..5
#define IDC_ALL_CHART_PIE_IN_TEMPERATURE 1119
#define IDC_ALL_CHART_PIE_FIRST_OTHER 1120 // 1120..1138: pies of series 6..24
#define IDC_ALL_CHART_CLOSE 1139
#define IDB_LINE_VIEW 172                  // pictures beside the two view radios
#define IDB_PIE_VIEW 331

// ---- Print preview (res/PrintPreview.rc) ----------------------------------------------------------------
#define IDD_PRINT_PREVIEW 114
#define IDC_PRINT_PRINTER_LIST 1446
#define IDC_PRINT_SETUP 1447
#define IDC_PRINT_ORIENTATION 1448       // frame "Orientation"
#define IDC_PRINT_MARGINS 1449           // frame "Margins (%)"
#define IDC_PRINT_MARGIN_TOP 1450        // each margin field's up-down control has the next id
#define IDC_PRINT_MARGIN_BOTTOM 1452
#define IDC_PRINT_MARGIN_LEFT 1454
#define IDC_PRINT_MARGIN_RIGHT 1456
#define IDC_PRINT_PRINTER 1458           // label "Printer"
#define IDC_PRINT_RESET_MARGINS 1459
#define IDC_PRINT_PREVIEW_AREA 1460      // the radios are 1460 + orientation
#define IDC_PRINT_PORTRAIT 1461
#define IDC_PRINT_LANDSCAPE 1462
#define IDB_PRINT_PORTRAIT 284
#define IDB_PRINT_LANDSCAPE 285

// ---- Display units and the temperature, humidity and dewpoint lines (res/UnitAndLineDialogs.rc) ----
#define IDD_DISPLAYING_UNIT 109
#define IDD_THD_LINES 110

// ---- Program settings dialogs and the location dialog (res/ProgramDialogs.rc, res/LocationDialog.rc) --
#define IDD_AUTO_SAVING 103
#define IDD_DISPLAY 107
#define IDD_LOCATION 111
#define IDD_LANGUAGE 113
// Column heads of the chart display dialog: bar, line (the chart window's IDB_LINE_VIEW), wind rose.
#define IDB_CHART_HEAD_BAR 171
#define IDB_CHART_HEAD_ROSE 173
