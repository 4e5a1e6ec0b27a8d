// The main window's display elements: 162 numbered boxes (frames, painted labels, value fields,
// pictures, charts) that the panel layout places. This header names the elements that code reads
// by number and binds elements to the controls that are moved onto them.
//
//   upper panel      0..46    pressure and forecast, UV, sun, moon and location
//   status strip    47..51    never moved by a layout variant
//   lower panel     52..161   temperature / humidity, rain, wind (without the date and time
//                             group 146..149 and the seconds 154, which never move)
#pragma once

constexpr int DISPLAY_ELEMENT_COUNT = 162;
constexpr int UPPER_PANEL_LAST = 46;
constexpr int LOWER_PANEL_FIRST = 52;

// Elements read by number.
constexpr int ELEM_PRESSURE_FRAME = 0;
constexpr int ELEM_PRESSURE_LABEL = 2;
constexpr int ELEM_SEA_LEVEL_VALUE = 4;
constexpr int ELEM_UV_TODAY_MAX = 15;         // 15..17 the three maxima labels
constexpr int ELEM_UV_INDEX_LABEL = 18;
constexpr int ELEM_STATUS_TEXT = 49;
constexpr int ELEM_PROGRESS = 51;
constexpr int ELEM_FIRST_LEGEND_SAMPLE = 57;  // 57 + 3 x sensor + quantity
constexpr int ELEM_FIRST_SENSOR_NAME = 84;    // 84..89: indoor, channels 1..5
constexpr int ELEM_TEMPERATURE_HEAD = 90;     // row heads 90..92
constexpr int ELEM_DEWPOINT_HEAD = 92;
constexpr int ELEM_RAIN_TOTAL = 118;
constexpr int ELEM_RAIN_YESTERDAY = 121;
constexpr int ELEM_WIND_SPEED_LABEL = 130;
constexpr int ELEM_GUST_SPEED_LABEL = 133;
constexpr int ELEM_WIND_CHILL_LABEL = 141;
constexpr int ELEM_TEMPERATURE_LINE2 = 155;   // second lines under the row heads 90 and 92
constexpr int ELEM_DEWPOINT_LINE2 = 156;
constexpr int ELEM_RAIN_TOTAL_LINE2 = 157;    // 157..159 under 118, 123, 125
constexpr int ELEM_WIND_SPEED_LINE2 = 160;
constexpr int ELEM_GUST_SPEED_LINE2 = 161;

// The caption of an element on which nothing is drawn (hidden elements carry it).
constexpr const wchar_t* HIDDEN_CAPTION = L"null";

// One element and the control that sits on it.
struct ElementControl {
    int element;
    int control;
};

// Group boxes, in the order the layout frames them. The two inner frames of the sun and moon
// box (sunrise / sunset, moon phase) keep the dialog font; the others get the bold frame font.
struct FrameElement {
    int element;
    int control;
    bool bold;
};
constexpr FrameElement kPanelFrames[] = {
    {0, 1000, true},  {10, 1007, true},  {24, 1013, true},  {25, 1016, false},
    {32, 1017, false}, {36, 1020, true}, {47, 1025, true},  {52, 1023, true},
    {117, 1024, true}, {128, 1011, true}, {146, 1026, true},
};

// Controls whose text the layout clears: the value fields.
constexpr ElementControl kValueFields[] = {
    // pressure, UV
    {6, 1027}, {14, 1052}, {19, 1056}, {20, 1057}, {21, 1058}, {22, 1059},
    // location
    {42, 1064}, {43, 1065}, {44, 1066},
    // sensor blocks: current, maximum, minimum of temperature, humidity, dewpoint
    {97, 1070}, {98, 1071}, {99, 1072}, {100, 1076}, {101, 1077}, {102, 1078},
    {103, 1082}, {104, 1012}, {105, 1083},
    {108, 1073}, {109, 1074}, {110, 1075}, {111, 1079}, {112, 1080}, {113, 1081},
    {114, 1084}, {115, 1085}, {116, 1086},
    // rain
    {119, 1098}, {120, 1140}, {122, 1099}, {124, 1100}, {126, 1101},
    // wind: speed, its maximum, gust, its maximum, direction texts, wind chill
    {131, 1087}, {132, 1089}, {134, 1088}, {135, 1090}, {138, 1091}, {139, 1092}, {142, 1093},
    // date, weekday, time
    {147, 1095}, {148, 1096}, {149, 1097},
};

// Value fields whose text is not cleared by the layout (the sea-level pressure has its own font,
// the sun and moon texts come from the sky panel, the seconds from the clock).
constexpr ElementControl kOtherValueFields[] = {
    {4, 1002}, {30, 1061}, {31, 1062}, {35, 1063}, {154, 1108},
};

// Pictures and charts, each moved onto its element.
constexpr ElementControl kPictures[] = {
    {7, 1003},  {8, 1050},  {9, 1005},  {11, 1028}, {23, 1009},  {26, 1015}, {27, 1014},
    {33, 1018}, {48, 1069}, {56, 1022}, {127, 1045}, {136, 1102}, {140, 1103}, {145, 1010},
    {150, 1104}, {151, 1105}, {152, 1106}, {153, 1107},
};

// Check boxes: quantities shown in the temperature chart (1041..1043), then the sensors
// (1035..1040); combo boxes of the two sensor blocks.
constexpr ElementControl kChecksAndCombos[] = {
    {75, 1041}, {76, 1042}, {77, 1043}, {78, 1035}, {79, 1036}, {80, 1037},
    {81, 1038}, {82, 1039}, {83, 1040}, {93, 1030}, {94, 1031},
};

// The five small charts, in the order a click tests them: wind, rain, pressure, UV, temperature.
constexpr int kSmallChartControls[5] = {1010, 1045, 1005, 1009, 1022};

// Controls of the two panels, hidden while the all-sensor chart window covers them. The status
// strip and the date and time box stay visible.
constexpr int kPanelControlIds[] = {
    1000, 1002, 1003, 1005, 1007, 1009, 1010, 1011, 1012, 1013, 1014, 1015, 1016, 1017,
    1018, 1020, 1022, 1023, 1024, 1027, 1028, 1030, 1031, 1035, 1036, 1037, 1038, 1039,
    1040, 1041, 1042, 1043, 1045, 1050, 1052, 1056, 1057, 1058, 1059, 1061, 1062, 1063,
    1064, 1065, 1066, 1070, 1071, 1072, 1073, 1074, 1075, 1076, 1077, 1078, 1079, 1080,
    1081, 1082, 1083, 1084, 1085, 1086, 1087, 1088, 1089, 1090, 1091, 1092, 1093, 1098,
    1099, 1100, 1101, 1102, 1103, 1104, 1105, 1106, 1107, 1140,
};
