// The panel geometry of the eight languages, as data: the English table in full, one row per
// element; the rows every other language shares (second lines under the rain labels); per language
// the columns its values take after its longer labels, and the few rows of its own. Each
// language's four tables are composed from these at compile time.
#include "display/PanelGeometry.h"

#include "texts/TextTables.h"

#include <array>
#include <cstddef>

namespace {

using Table = std::array<ElementBox, DISPLAY_ELEMENT_COUNT>;

// element: x, y, width, height (0, 0 for a painted label)
constexpr Table kEnglish = {{
    // ---- pressure and forecast --------------------------------------------------------------
    /*   0 */ {10, 5, 350, 280},     // frame "Atmospheric pressure"
    /*   1 */ {200, 24, 0, 0},       // "Weather forecast" (bold)
    /*   2 */ {20, 24, 0, 0},        // "Pressure (unit)"
    /*   3 */ {20, 58, 0, 0},        // "Sea level"
    /*   4 */ {85, 48, 90, 32},      // sea-level pressure, large digits
    /*   5 */ {20, 98, 0, 0},        // "Local"
    /*   6 */ {85, 97, 90, 16},      // local pressure
    /*   7 */ {200, 44, 120, 80},    // forecast picture
    /*   8 */ {20, 133, 330, 2},     // separator
    /*   9 */ {25, 143, 333, 140},   // pressure chart
    // ---- UV ------------------------------------------------------------------------------------
    /*  10 */ {10, 288, 350, 124},   // frame "Ultra Violet"
    /*  11 */ {15, 304, 36, 30},     // UV level picture
    /*  12 */ {55, 300, 0, 0},       // "Exposure"
    /*  13 */ {55, 314, 0, 0},       // "Level"
    /*  14 */ {55, 328, 110, 14},    // exposure level text, under its two-line label
    /*  15 */ {20, 356, 0, 0},       // "Today Max"
    /*  16 */ {20, 370, 0, 0},       // "Yesterday Max"
    /*  17 */ {20, 384, 0, 0},       // "7 days ago Max"
    /*  18 */ {20, 342, 0, 0},       // "UV index"
    /*  19 */ {119, 342, 26, 14},    // UV value
    /*  20 */ {154, 356, 34, 14},    // today's maximum
    /*  21 */ {154, 370, 34, 14},    // yesterday's maximum
    /*  22 */ {154, 384, 34, 14},    // maximum 7 days ago
    /*  23 */ {190, 298, 145, 108},  // UV chart
    // ---- sun, moon and location ------------------------------------------------------------
    /*  24 */ {10, 415, 350, 197},   // frame "Sun / Moon / Location"
    /*  25 */ {20, 430, 210, 108},   // frame "Sunrise / Sunset"
    /*  26 */ {30, 446, 40, 40},     // sunrise picture
    /*  27 */ {128, 446, 40, 40},    // sunset picture
    /*  28 */ {30, 490, 0, 0},       // "Sunrise time"
    /*  29 */ {128, 490, 0, 0},      // "Sunset time"
    /*  30 */ {30, 506, 90, 16},     // sunrise time
    /*  31 */ {128, 506, 90, 16},    // sunset time
    /*  32 */ {238, 430, 112, 108},  // frame "Moon Phase"
    /*  33 */ {248, 446, 40, 40},    // moon picture
    /*  34 */ {248, 490, 0, 0},      // "Moon phase"
    /*  35 */ {248, 506, 98, 28},    // phase name (two lines)
    /*  36 */ {20, 542, 330, 66},    // frame "Location"
    /*  37 */ {25, 556, 0, 0},       // "City name"
    /*  38 */ {144, 556, 0, 0},      // "Latitude"
    /*  39 */ {244, 556, 0, 0},      // "Longitude"
    /*  40 */ {25, 590, 0, 0},       // "DST mode" (not shown)
    /*  41 */ {144, 590, 0, 0},      // "Timezone" (not shown)
    /*  42 */ {26, 572, 112, 30},    // city name (two lines)
    /*  43 */ {145, 572, 95, 16},    // latitude
    /*  44 */ {245, 572, 100, 16},   // longitude
    /*  45 */ {90, 590, 0, 0},       // daylight-saving mode (not shown)
    /*  46 */ {210, 590, 0, 0},      // time zone (not shown)
    // ---- status strip ---------------------------------------------------------------------------
    /*  47 */ {10, 620, 350, 59},    // frame "Data transmission", its top beside the date frame's
    /*  48 */ {20, 636, 40, 24},     // connection picture
    /*  49 */ {66, 640, 152, 26},    // status text, two lines high for the longer messages
    /*  50 */ {220, 640, 0, 0},      // "00:00" (not shown)
    /*  51 */ {225, 638, 125, 20},   // progress bar
    // ---- temperature, humidity and dewpoint ------------------------------------------------------
    /*  52 */ {370, 5, 578, 302},    // frame "In-Outdoor temperature / humidity"
    /*  53 */ {382, 153, 0, 0},      // "Temperature", vertical, upward from its point
    /*  54 */ {398, 153, 0, 0},      // "Humidity", vertical
    /*  55 */ {414, 153, 0, 0},      // "Dewpoint", vertical
    /*  56 */ {480, 20, 458, 155},   // temperature chart
    /*  57 */ {383, 186, 11, 0},     // legend sample: indoor, temperature
    /*  58 */ {399, 186, 11, 0},     // legend sample: indoor, humidity
    /*  59 */ {415, 186, 11, 0},     // legend sample: indoor, dewpoint
    /*  60 */ {383, 204, 11, 0},     // legend sample: channel 1, temperature
    /*  61 */ {399, 204, 11, 0},     // legend sample: channel 1, humidity
    /*  62 */ {415, 204, 11, 0},     // legend sample: channel 1, dewpoint
    /*  63 */ {383, 222, 11, 0},     // legend sample: channel 2, temperature
    /*  64 */ {399, 222, 11, 0},     // legend sample: channel 2, humidity
    /*  65 */ {415, 222, 11, 0},     // legend sample: channel 2, dewpoint
    /*  66 */ {383, 240, 11, 0},     // legend sample: channel 3, temperature
    /*  67 */ {399, 240, 11, 0},     // legend sample: channel 3, humidity
    /*  68 */ {415, 240, 11, 0},     // legend sample: channel 3, dewpoint
    /*  69 */ {383, 258, 11, 0},     // legend sample: channel 4, temperature
    /*  70 */ {399, 258, 11, 0},     // legend sample: channel 4, humidity
    /*  71 */ {415, 258, 11, 0},     // legend sample: channel 4, dewpoint
    /*  72 */ {383, 276, 11, 0},     // legend sample: channel 5, temperature
    /*  73 */ {399, 276, 11, 0},     // legend sample: channel 5, humidity
    /*  74 */ {415, 276, 11, 0},     // legend sample: channel 5, dewpoint
    /*  75 */ {382, 158, 13, 13},    // check box: temperature lines
    /*  76 */ {398, 158, 13, 13},    // check box: humidity lines
    /*  77 */ {414, 158, 13, 13},    // check box: dewpoint lines
    /*  78 */ {432, 179, 13, 13},    // check box: indoor
    /*  79 */ {432, 197, 13, 13},    // check box: channel 1
    /*  80 */ {432, 215, 13, 13},    // check box: channel 2
    /*  81 */ {432, 233, 13, 13},    // check box: channel 3
    /*  82 */ {432, 251, 13, 13},    // check box: channel 4
    /*  83 */ {432, 269, 13, 13},    // check box: channel 5
    /*  84 */ {448, 178, 0, 0},      // sensor name: indoor
    /*  85 */ {448, 196, 0, 0},      // sensor name: channel 1
    /*  86 */ {448, 214, 0, 0},      // sensor name: channel 2
    /*  87 */ {448, 232, 0, 0},      // sensor name: channel 3
    /*  88 */ {448, 250, 0, 0},      // sensor name: channel 4
    /*  89 */ {448, 268, 0, 0},      // sensor name: channel 5
    /*  90 */ {522, 219, 0, 0},      // row head "Temperature (unit)"
    /*  91 */ {522, 247, 0, 0},      // row head "Humidity (%r.H)"
    /*  92 */ {522, 275, 0, 0},      // row head "Dewpoint (td unit)"
    /*  93 */ {648, 179, 146, 150},  // upper sensor combo box (with its list)
    /*  94 */ {800, 179, 144, 150},  // lower sensor combo box
    /*  95 */ {706, 203, 0, 0},      // upper block "Max"
    /*  96 */ {750, 203, 0, 0},      // upper block "Min"
    /*  97 */ {648, 218, 40, 16},    // upper: temperature
    /*  98 */ {648, 246, 40, 16},    // upper: humidity
    /*  99 */ {648, 274, 40, 16},    // upper: dewpoint
    /* 100 */ {706, 218, 40, 16},    // upper: temperature maximum
    /* 101 */ {706, 246, 40, 16},    // upper: humidity maximum
    /* 102 */ {706, 274, 40, 16},    // upper: dewpoint maximum
    /* 103 */ {750, 218, 40, 16},    // upper: temperature minimum
    /* 104 */ {750, 246, 40, 16},    // upper: humidity minimum
    /* 105 */ {750, 274, 40, 16},    // upper: dewpoint minimum
    /* 106 */ {858, 203, 0, 0},      // lower block "Max"
    /* 107 */ {902, 203, 0, 0},      // lower block "Min"
    /* 108 */ {800, 218, 40, 16},    // lower: temperature
    /* 109 */ {800, 246, 40, 16},    // lower: humidity
    /* 110 */ {800, 274, 40, 16},    // lower: dewpoint
    /* 111 */ {858, 218, 40, 16},    // lower: temperature maximum
    /* 112 */ {858, 246, 40, 16},    // lower: humidity maximum
    /* 113 */ {858, 274, 40, 16},    // lower: dewpoint maximum
    /* 114 */ {902, 218, 40, 16},    // lower: temperature minimum
    /* 115 */ {902, 246, 40, 16},    // lower: humidity minimum
    /* 116 */ {902, 274, 40, 16},    // lower: dewpoint minimum
    // ---- rain ----------------------------------------------------------------------------------
    /* 117 */ {370, 310, 578, 127},  // frame "Rain"
    /* 118 */ {380, 326, 0, 0},      // "Rainfall total"
    /* 119 */ {500, 326, 40, 14},    // rain since the reset
    /* 120 */ {380, 343, 160, 14},   // "since" and the reset time
    /* 121 */ {380, 360, 0, 0},      // "Yesterday"
    /* 122 */ {500, 360, 40, 14},    // yesterday's rain
    /* 123 */ {380, 377, 0, 0},      // "Last week"
    /* 124 */ {500, 377, 40, 14},    // last week's rain
    /* 125 */ {380, 394, 0, 0},      // "Last month"
    /* 126 */ {500, 394, 40, 14},    // last month's rain
    /* 127 */ {660, 318, 285, 114},  // rain chart
    // ---- wind ----------------------------------------------------------------------------------
    /* 128 */ {370, 438, 578, 172},  // frame "Wind": its top line above the chart, its bottom line below
    /* 129 */ {553, 452, 0, 0},      // "Max" over the maxima
    /* 130 */ {380, 467, 0, 0},      // "Wind speed"
    /* 131 */ {495, 467, 50, 14},    // wind speed
    /* 132 */ {553, 467, 50, 14},    // its maximum
    /* 133 */ {380, 496, 0, 0},      // "Gust speed"
    /* 134 */ {495, 496, 50, 14},    // gust speed
    /* 135 */ {553, 496, 50, 14},    // its maximum
    /* 136 */ {380, 526, 262, 2},    // separator
    /* 137 */ {380, 532, 0, 0},      // "Wind direction (^)"
    /* 138 */ {481, 532, 40, 14},    // direction in degrees, after its label
    /* 139 */ {523, 532, 125, 14},   // direction name, up to the chart
    /* 140 */ {380, 550, 262, 2},    // separator
    /* 141 */ {380, 557, 0, 0},      // "Wind chill"
    /* 142 */ {495, 557, 50, 14},    // wind chill
    /* 143 */ {380, 585, 0, 0},      // "Temperature (°C)" (not shown)
    /* 144 */ {520, 585, 0, 0},      // its value (not shown)
    /* 145 */ {650, 447, 295, 160},  // wind chart
    // ---- date and time ----------------------------------------------------------------------------
    /* 146 */ {645, 620, 303, 59},   // frame "Date / Time", below the wind frame moved up over the rain's room
    /* 147 */ {655, 634, 100, 18},    // date
    /* 148 */ {655, 654, 100, 18},    // weekday
    /* 149 */ {757, 635, 180, 37},   // time
    /* 150 */ {689, 218, 16, 16},    // trend picture: upper temperature
    /* 151 */ {689, 246, 16, 16},    // trend picture: upper humidity
    /* 152 */ {841, 218, 16, 16},    // trend picture: lower temperature
    /* 153 */ {841, 246, 16, 16},    // trend picture: lower humidity
    /* 154 */ {893, 646, 42, 22},    // seconds or AM / PM, right of the time's digits
    // ---- second lines -------------------------------------------------------------------------------
    /* 155 */ {522, 233, 0, 0},      // under the temperature row head
    /* 156 */ {522, 289, 0, 0},      // under the dewpoint row head
    /* 157 */ {380, 340, 0, 0},      // under "Rainfall total"
    /* 158 */ {380, 391, 0, 0},      // under "Last week"
    /* 159 */ {380, 408, 0, 0},      // under "Last month"
    /* 160 */ {380, 481, 0, 0},      // under "Wind speed"
    /* 161 */ {380, 510, 0, 0},      // under "Gust speed"
}};

// A row that differs from English: the element and its box in that language.
struct ElementRow {
    int element;
    ElementBox box;
};

// Rows every other language shares: the rain rows make room for the second lines under
// "Rainfall total", "Last week" and "Last month", the last of them a pixel clear of the frame's
// bottom line.
constexpr ElementRow kOtherLanguages[] = {
    {118, {380, 323, 0, 0}},
    {119, {500, 323, 40, 14}},
    {157, {380, 337, 0, 0}},
    {120, {380, 351, 160, 14}},
    {121, {380, 365, 0, 0}},
    {122, {500, 365, 40, 14}},
    {123, {380, 379, 0, 0}},
    {124, {500, 379, 40, 14}},
    {158, {380, 393, 0, 0}},
    {125, {380, 407, 0, 0}},
    {126, {500, 407, 40, 14}},
    {159, {380, 421, 0, 0}},
};

// Where the values stand after each language's labels, two blanks or more after the longest label
// of their column in any unit: the sea-level and local pressure (narrower than in English), the
// UV value, the two columns of wind values (current and maximum), and the wind direction in
// degrees (its name follows up to the chart).
struct ValueColumns {
    int pressureX;
    int uvValueX;
    int windX, windMaxX;
    int directionX;
};
constexpr ValueColumns kGermanColumns = {96, 120, 505, 560, 475};
constexpr ValueColumns kFrenchColumns = {119, 122, 510, 566, 495};
constexpr ValueColumns kItalianColumns = {112, 122, 508, 566, 509};
constexpr ValueColumns kSpanishColumns = {98, 122, 516, 572, 511};
constexpr ValueColumns kDutchColumns = {95, 75, 529, 584, 471};
constexpr ValueColumns kRussianColumns = {107, 131, 541, 595, 517};
constexpr ValueColumns kPolishColumns = {95, 125, 530, 586, 488};

constexpr ElementRow kGerman[] = {
    {125, {380, 393, 0, 0}},      // no second lines under "Letzte Woche" and "Letzter Monat"
    {126, {500, 393, 40, 14}},
    {158, {380, 407, 0, 0}},
    {159, {380, 421, 0, 0}},
};
constexpr ElementRow kFrench[] = {
    {1, {190, 24, 0, 0}},         // the long forecast caption stays inside the box
};
constexpr ElementRow kDutch[] = {
    {125, {380, 393, 0, 0}},      // no second line under "Vorige week"
    {126, {500, 393, 40, 14}},
    {159, {380, 407, 0, 0}},
    {158, {380, 421, 0, 0}},
};
constexpr ElementRow kRussian[] = {
    {119, {500, 323, 40, 25}},    // room under the rain total; the rain-only chart grows with it
};

template <std::size_t N>
constexpr void Apply(Table& table, const ElementRow (&rows)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        table[static_cast<std::size_t>(rows[i].element)] = rows[i].box;
}

struct Columns {
    std::array<int, DISPLAY_ELEMENT_COUNT> x{}, y{}, width{}, height{};
};

constexpr Columns ColumnsOf(const Table& table)
{
    Columns c;
    for (std::size_t i = 0; i < table.size(); ++i) {
        c.x[i] = table[i].x;
        c.y[i] = table[i].y;
        c.width[i] = table[i].width;
        c.height[i] = table[i].height;
    }
    return c;
}

constexpr void ApplyValueColumns(Table& table, const ValueColumns& c)
{
    table[4] = {c.pressureX, table[4].y, 74, table[4].height};
    table[6] = {c.pressureX, table[6].y, 74, table[6].height};
    table[19].x = c.uvValueX;
    for (std::size_t k : {131, 134, 142})
        table[k].x = c.windX;
    for (std::size_t k : {129, 132, 135})
        table[k].x = c.windMaxX;
    const int nameX = c.directionX + (table[139].x - table[138].x);
    table[138].x = c.directionX;
    table[139] = {nameX, table[139].y, table[139].x + table[139].width - nameX, table[139].height};
}

constexpr Table OtherLanguage(const ValueColumns& columns)
{
    Table table = kEnglish;
    Apply(table, kOtherLanguages);
    ApplyValueColumns(table, columns);
    return table;
}

constexpr Columns Language(const ValueColumns& columns) { return ColumnsOf(OtherLanguage(columns)); }

template <std::size_t N>
constexpr Columns Language(const ValueColumns& columns, const ElementRow (&own)[N])
{
    Table table = OtherLanguage(columns);
    Apply(table, own);
    return ColumnsOf(table);
}

constexpr Columns kGeometry[LANGUAGE_COUNT] = {
    ColumnsOf(kEnglish),
    Language(kGermanColumns, kGerman),
    Language(kFrenchColumns, kFrench),
    Language(kItalianColumns),
    Language(kSpanishColumns),
    Language(kDutchColumns, kDutch),
    Language(kRussianColumns, kRussian),
    Language(kPolishColumns),
};

}  // namespace

LanguageGeometry GeometryFor(int language)
{
    const Columns& c = kGeometry[LanguageOrEnglish(language)];
    return {c.x.data(), c.y.data(), c.width.data(), c.height.data()};
}

const int* g_layoutX = kGeometry[LANGUAGE_ENGLISH].x.data();
const int* g_layoutY = kGeometry[LANGUAGE_ENGLISH].y.data();
const int* g_layoutWidth = kGeometry[LANGUAGE_ENGLISH].width.data();
const int* g_layoutHeight = kGeometry[LANGUAGE_ENGLISH].height.data();

void PointLayoutTables(int language)
{
    const LanguageGeometry g = GeometryFor(language);
    g_layoutX = g.x;
    g_layoutY = g.y;
    g_layoutWidth = g.width;
    g_layoutHeight = g.height;
}
