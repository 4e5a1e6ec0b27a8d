#include "display/AllChartLayout.h"

// Check boxes in columns at x 20, 170, 315, 460, 617 and rows at y 20 .. 120, filled in series order
// with 5, 5, 5, 4, 3 and 3 boxes per row; a sample 18 pixels right of its box and 7 down, its title
// 33 pixels right (only the titles' x and y are used). Samples are 1 pixel thick for temperatures,
// 2 for humidities, 3 for dewpoints, 2 for the other series.
const ChartWindowElement g_chartWindowLayout[CHART_WINDOW_ELEMENT_COUNT] = {
    /*  0 */ {0, 0, 955, 610},      // the window
    /*  1 */ {10, 5, 938, 605},     // the group box
    /*  2 */ {20, 20, 15, 15},      // box: In Temperature
    /*  3 */ {170, 20, 15, 15},     // box: In Humidity
    /*  4 */ {315, 20, 15, 15},     // box: In Dewpoint
    /*  5 */ {460, 20, 15, 15},     // box: Wind Speed - Gust
    /*  6 */ {617, 20, 15, 15},     // box: Pressure
    /*  7 */ {20, 40, 15, 15},      // box: Ch1 Temperature
    /*  8 */ {170, 40, 15, 15},     // box: Ch1 Humidity
    /*  9 */ {315, 40, 15, 15},     // box: Ch1 Dewpoint
    /* 10 */ {460, 40, 15, 15},     // box: Wind Speed - Average
    /* 11 */ {617, 40, 15, 15},     // box: Ultra Violet
    /* 12 */ {20, 60, 15, 15},      // box: Ch2 Temperature
    /* 13 */ {170, 60, 15, 15},     // box: Ch2 Humidity
    /* 14 */ {315, 60, 15, 15},     // box: Ch2 Dewpoint
    /* 15 */ {460, 60, 15, 15},     // box: Wind Direction
    /* 16 */ {617, 60, 15, 15},     // box: Rain
    /* 17 */ {20, 80, 15, 15},      // box: Ch3 Temperature
    /* 18 */ {170, 80, 15, 15},     // box: Ch3 Humidity
    /* 19 */ {315, 80, 15, 15},     // box: Ch3 Dewpoint
    /* 20 */ {460, 80, 15, 15},     // box: Wind Chill
    /* 21 */ {20, 100, 15, 15},     // box: Ch4 Temperature
    /* 22 */ {170, 100, 15, 15},    // box: Ch4 Humidity
    /* 23 */ {315, 100, 15, 15},    // box: Ch4 Dewpoint
    /* 24 */ {20, 120, 15, 15},     // box: Ch5 Temperature
    /* 25 */ {170, 120, 15, 15},    // box: Ch5 Humidity
    /* 26 */ {315, 120, 15, 15},    // box: Ch5 Dewpoint
    /* 27 */ {38, 27, 10, 1},       // sample: In Temperature
    /* 28 */ {188, 27, 10, 2},      // sample: In Humidity
    /* 29 */ {333, 27, 10, 3},      // sample: In Dewpoint
    /* 30 */ {478, 27, 10, 2},      // sample: Wind Speed - Gust
    /* 31 */ {635, 27, 10, 2},      // sample: Pressure
    /* 32 */ {38, 47, 10, 1},       // sample: Ch1 Temperature
    /* 33 */ {188, 47, 10, 2},      // sample: Ch1 Humidity
    /* 34 */ {333, 47, 10, 3},      // sample: Ch1 Dewpoint
    /* 35 */ {478, 47, 10, 2},      // sample: Wind Speed - Average
    /* 36 */ {635, 47, 10, 2},      // sample: Ultra Violet
    /* 37 */ {38, 67, 10, 1},       // sample: Ch2 Temperature
    /* 38 */ {188, 67, 10, 2},      // sample: Ch2 Humidity
    /* 39 */ {333, 67, 10, 3},      // sample: Ch2 Dewpoint
    /* 40 */ {478, 67, 10, 2},      // sample: Wind Direction
    /* 41 */ {635, 67, 10, 2},      // sample: Rain
    /* 42 */ {38, 87, 10, 1},       // sample: Ch3 Temperature
    /* 43 */ {188, 87, 10, 2},      // sample: Ch3 Humidity
    /* 44 */ {333, 87, 10, 3},      // sample: Ch3 Dewpoint
    /* 45 */ {478, 87, 10, 2},      // sample: Wind Chill
    /* 46 */ {38, 107, 10, 1},      // sample: Ch4 Temperature
    /* 47 */ {188, 107, 10, 2},     // sample: Ch4 Humidity
    /* 48 */ {333, 107, 10, 3},     // sample: Ch4 Dewpoint
    /* 49 */ {38, 127, 10, 1},      // sample: Ch5 Temperature
    /* 50 */ {188, 127, 10, 2},     // sample: Ch5 Humidity
    /* 51 */ {333, 127, 10, 3},     // sample: Ch5 Dewpoint
    /* 52 */ {53, 20, 120, 15},     // title: In Temperature
    /* 53 */ {203, 20, 120, 15},    // title: In Humidity
    /* 54 */ {348, 20, 120, 15},    // title: In Dewpoint
    /* 55 */ {493, 20, 120, 15},    // title: Wind Speed - Gust
    /* 56 */ {650, 20, 120, 15},    // title: Pressure
    /* 57 */ {53, 40, 120, 15},     // title: Ch1 Temperature
    /* 58 */ {203, 40, 120, 15},    // title: Ch1 Humidity
    /* 59 */ {348, 40, 120, 15},    // title: Ch1 Dewpoint
    /* 60 */ {493, 40, 120, 15},    // title: Wind Speed - Average
    /* 61 */ {650, 40, 120, 15},    // title: Ultra Violet
    /* 62 */ {53, 60, 120, 15},     // title: Ch2 Temperature
    /* 63 */ {203, 60, 120, 15},    // title: Ch2 Humidity
    /* 64 */ {348, 60, 120, 15},    // title: Ch2 Dewpoint
    /* 65 */ {493, 60, 120, 15},    // title: Wind Direction
    /* 66 */ {650, 60, 120, 15},    // title: Rain
    /* 67 */ {53, 80, 120, 15},     // title: Ch3 Temperature
    /* 68 */ {203, 80, 120, 15},    // title: Ch3 Humidity
    /* 69 */ {348, 80, 120, 15},    // title: Ch3 Dewpoint
    /* 70 */ {493, 80, 120, 15},    // title: Wind Chill
    /* 71 */ {53, 100, 120, 15},    // title: Ch4 Temperature
    /* 72 */ {203, 100, 120, 15},   // title: Ch4 Humidity
    /* 73 */ {348, 100, 120, 15},   // title: Ch4 Dewpoint
    /* 74 */ {53, 120, 120, 15},    // title: Ch5 Temperature
    /* 75 */ {203, 120, 120, 15},   // title: Ch5 Humidity
    /* 76 */ {348, 120, 120, 15},   // title: Ch5 Dewpoint
    /* 77 */ {0, 0, 0, 0},          // not used
};
