// Data of the city database and its range-checked lookups.
#include "texts/Cities.h"

constexpr TextTable<CITY_COUNT> g_cityNames = {
    /*   0 */ L"Addis Ababa, Ethiopia",
    /*   1 */ L"Adelaide, Australia",
    /*   2 */ L"Ankara, Turkey",
    /*   3 */ L"Algiers, Algeria",
    /*   4 */ L"Amsterdam, Netherlands",
    /*   5 */ L"Stockholm Arlanda, Sweden",
    /*   6 */ L"Asunción, Paraguay",
    /*   7 */ L"Athens, Greece",
    /*   8 */ L"Atlanta, Ga.",
    /*   9 */ L"Austin, Tex.",
    /*  10 */ L"Bucharest, Romania",
    /*  11 */ L"Barcelona, Spain",
    /*  12 */ L"Belgrade, Yugoslavia",
    /*  13 */ L"Beijing, China",
    /*  14 */ L"Berlin, Germany",
    /*  15 */ L"Birmingham, Ala.",
    /*  16 */ L"Birmingham, England",
    /*  17 */ L"Bangkok, Thailand",
    /*  18 */ L"Nashville, Tenn.",
    /*  19 */ L"Brisbane, Australia",
    /*  20 */ L"Bordeaux, France",
    /*  21 */ L"Bogotá, Colombia",
    /*  22 */ L"Boston, Mass.",
    /*  23 */ L"Bremen, Germany",
    /*  24 */ L"Brussels, Belgium",
    /*  25 */ L"Buenos Aires, Argentina",
    /*  26 */ L"Budapest, Hungary",
    /*  27 */ L"Baltimore, Md.",
    /*  28 */ L"Cairo, Egypt",
    /*  29 */ L"Caracas, Venezuela",
    /*  30 */ L"Calcutta, India (as Kolkata)",
    /*  31 */ L"Chicago, IL",
    /*  32 */ L"Cleveland, Ohio",
    /*  33 */ L"Columbus, Ohio",
    /*  34 */ L"Córdoba, Argentina",
    /*  35 */ L"Copenhagen, Denmark",
    /*  36 */ L"Cape Town, South Africa",
    /*  37 */ L"Chihuahua, Mexico",
    /*  38 */ L"Cincinnati, Ohio",
    /*  39 */ L"Dallas, Tex.",
    /*  40 */ L"Washington, D.C.",
    /*  41 */ L"New Delhi, India",
    /*  42 */ L"Denver, Colo.",
    /*  43 */ L"Dakar, Senegal",
    /*  44 */ L"Detroit, Mich.",
    /*  45 */ L"Dublin, Ireland",
    /*  46 */ L"Durban, South Africa",
    /*  47 */ L"El Paso, Tex.",
    /*  48 */ L"Kinshasa, Congo",
    /*  49 */ L"Frankfurt, Germany",
    /*  50 */ L"Glasgow, Scotland",
    /*  51 */ L"Guatemala City, Guatemala",
    /*  52 */ L"Hamburg, Germany",
    /*  53 */ L"Havana, Cuba",
    /*  54 */ L"Helsinki, Finland",
    /*  55 */ L"Hong Kong, China",
    /*  56 */ L"Houston, Tex.",
    /*  57 */ L"Irkutsk, Russia",
    /*  58 */ L"Indianapolis, Ind.",
    /*  59 */ L"Jacksonville, Fla.",
    /*  60 */ L"Jakarta, Indonesia",
    /*  61 */ L"Johannesburg, South Africa",
    /*  62 */ L"Kingston, Jamaica",
    /*  63 */ L"Osaka, Japan",
    /*  64 */ L"Kuala Lumpur, Malaysia",
    /*  65 */ L"Las Vegas, Nev.",
    /*  66 */ L"Los Angeles, Calif.",
    /*  67 */ L"Lima, Peru",
    /*  68 */ L"Lisbon, Portugal",
    /*  69 */ L"London, England",
    /*  70 */ L"La Paz, Bolivia",
    /*  71 */ L"Liverpool, England",
    /*  72 */ L"Lyon, France",
    /*  73 */ L"Madrid, Spain",
    /*  74 */ L"Melbourne, Australia",
    /*  75 */ L"Memphis, Tenn.",
    /*  76 */ L"Mexico City, Mexico",
    /*  77 */ L"Miami, Fla.",
    /*  78 */ L"Milan, Italy",
    /*  79 */ L"Milwaukee, Wis.",
    /*  80 */ L"Manila, Philippines",
    /*  81 */ L"Moscow, Russia",
    /*  82 */ L"Marseille, France",
    /*  83 */ L"Minneapolis, Minn.",
    /*  84 */ L"New Orleans, La.",
    /*  85 */ L"Munich, Germany",
    /*  86 */ L"Montevideo, Uruguay",
    /*  87 */ L"Naples, Italy",
    /*  88 */ L"Nairobi, Kenya",
    /*  89 */ L"Nanjing (Nanking), China",
    /*  90 */ L"New York, N.Y.",
    /*  91 */ L"Odessa, Ukraine",
    /*  92 */ L"Oklahoma City, Okla.",
    /*  93 */ L"Omaha, Neb.",
    /*  94 */ L"Oslo, Norway",
    /*  95 */ L"Paris, France",
    /*  96 */ L"Portland, Ore.",
    /*  97 */ L"Perth, Australia",
    /*  98 */ L"Philadelphia, Pa.",
    /*  99 */ L"Phoenix, Ariz.",
    /* 100 */ L"Pittsburgh, Pa.",
    /* 101 */ L"Prague, Czech Republic",
    /* 102 */ L"Panama City, Panama",
    /* 103 */ L"Rangoon, Myanmar",
    /* 104 */ L"Rio de Janeiro, Brazil",
    /* 105 */ L"Reykjavík, Iceland",
    /* 106 */ L"Rome, Italy",
    /* 107 */ L"San Diego, Calif.",
    /* 108 */ L"San Antonio, Tex.",
    /* 109 */ L"Santiago, Chile",
    /* 110 */ L"Seattle, Wash.",
    /* 111 */ L"San Francisco, Calif.",
    /* 112 */ L"Shanghai, China",
    /* 113 */ L"Singapore, Singapore",
    /* 114 */ L"San Jose, Calif.",
    /* 115 */ L"Sofia, Bulgaria",
    /* 116 */ L"São Paulo, Brazil",
    /* 117 */ L"Salvador, Brazil",
    /* 118 */ L"St. Louis, Mo.",
    /* 119 */ L"Sydney, Australia",
    /* 120 */ L"Tokyo, Japan",
    /* 121 */ L"Tampa, Fla.",
    /* 122 */ L"Tripoli, Libya",
    /* 123 */ L"User defined city",
    /* 124 */ L"Vancouver, Canada",
    /* 125 */ L"Vienna, Austria",
    /* 126 */ L"Warsaw, Poland",
    /* 127 */ L"Montreal, Que., Can.",
    /* 128 */ L"Ottawa, Ont., Can.",
    /* 129 */ L"Toronto, Ont., Can.",
    /* 130 */ L"Vancouver, B.C., Can.",
    /* 131 */ L"Calgary, Alba., Can.",
    /* 132 */ L"Zürich, Switzerland",
};

constexpr TextTable<CITY_COUNT> g_cityCodes = {
    /*   0 */ L"ADD", L"ADL", L"AKR", L"ALG", L"AMS", L"ARN", L"ASU", L"ATH", L"ATL", L"AUS",
    /*  10 */ L"BBU", L"BCN", L"BEG", L"BEJ", L"BER", L"BHM", L"BHX", L"BKK", L"BNA", L"BNE",
    /*  20 */ L"BOD", L"BOG", L"BOS", L"BRE", L"BRU", L"BUA", L"BUD", L"BWI", L"CAI", L"CCS",
    /*  30 */ L"CCU", L"CGX", L"CLE", L"CMH", L"COR", L"CPH", L"CPT", L"CUU", L"CVG", L"DAL",
    /*  40 */ L"DCA", L"DEL", L"DEN", L"DKR", L"DTW", L"DUB", L"DUR", L"ELP", L"FIH", L"FRA",
    /*  50 */ L"GLA", L"GUA", L"HAM", L"HAV", L"HEL", L"HKG", L"HOU", L"IKT", L"IND", L"JAX",
    /*  60 */ L"JKT", L"JNB", L"KIN", L"KIX", L"KUL", L"LAS", L"LAX", L"LIM", L"LIS", L"LON",
    /*  70 */ L"LPB", L"LPL", L"LYO", L"MAD", L"MEL", L"MEM", L"MEX", L"MIA", L"MIL", L"MKE",
    /*  80 */ L"MNL", L"MOW", L"MRS", L"MSP", L"MSY", L"MUC", L"MVD", L"NAP", L"NBO", L"NKG",
    /*  90 */ L"NYC", L"ODS", L"OKC", L"OMA", L"OSL", L"PAR", L"PDX", L"PER", L"PHL", L"PHX",
    /* 100 */ L"PIT", L"PRG", L"PTY", L"RGN", L"RIO", L"RKV", L"ROM", L"SAN", L"SAT", L"SCL",
    /* 110 */ L"SEA", L"SFO", L"SHA", L"SIN", L"SJC", L"SOF", L"SPL", L"SSA", L"STL", L"SYD",
    /* 120 */ L"TKO", L"TPA", L"TRP", L"USR", L"VAC", L"VIE", L"WAW", L"YMX", L"YOW", L"YTZ",
    /* 130 */ L"YVR", L"YYC", L"ZRH",
};

const double g_cityTimeZones[CITY_COUNT] = {
    /*   0 */ 3.0, 9.5, 2.0, 1.0, 1.0, 1.0, -3.0, 2.0, -5.0, -6.0,
    /*  10 */ 2.0, 1.0, 1.0, 8.0, 1.0, -6.0, 0.0, 7.0, -6.0, 10.0,
    /*  20 */ 1.0, -5.0, -5.0, 1.0, 1.0, -3.0, 1.0, -5.0, 2.0, -4.0,
    /*  30 */ 5.5, -6.0, -5.0, -5.0, -3.0, 1.0, 2.0, -6.0, -5.0, -6.0,
    /*  40 */ -5.0, 5.5, -7.0, 0.0, -5.0, 0.0, 2.0, -7.0, 1.0, 1.0,
    /*  50 */ 0.0, -6.0, 1.0, -5.0, 2.0, 8.0, -6.0, 8.0, -5.0, -5.0,
    /*  60 */ 7.0, 2.0, -5.0, 9.0, 8.0, -8.0, -8.0, -5.0, 0.0, 0.0,
    /*  70 */ -4.0, 0.0, 1.0, 1.0, 10.0, -6.0, -6.0, -5.0, 1.0, -6.0,
    /*  80 */ 8.0, 3.0, 1.0, -6.0, -6.0, 1.0, -3.0, 1.0, 3.0, 8.0,
    /*  90 */ -5.0, 2.0, -6.0, -6.0, 1.0, 1.0, -8.0, 8.0, -5.0, -7.0,
    /* 100 */ -5.0, 1.0, -5.0, 6.5, -3.0, 0.0, 1.0, -8.0, -6.0, -4.0,
    /* 110 */ -8.0, -8.0, 8.0, 8.0, -8.0, 2.0, -3.0, -3.0, -6.0, 10.0,
    /* 120 */ 9.0, -5.0, 2.0, 0.0, -8.0, 1.0, 1.0, -5.0, -5.0, -5.0,
    /* 130 */ -8.0, -7.0, 1.0,
};

const int g_cityDstRules[CITY_COUNT] = {
    /*   0 */ 0, 2, 5, 0, 5, 5, 12, 5, 15, 15,
    /*  10 */ 5, 5, 5, 0, 5, 15, 5, 0, 15, 0,
    /*  20 */ 5, 0, 15, 5, 5, 0, 5, 15, 6, 0,
    /*  30 */ 0, 15, 15, 15, 0, 5, 0, 15, 15, 15,
    /*  40 */ 15, 0, 15, 0, 15, 5, 0, 15, 0, 5,
    /*  50 */ 5, 0, 5, 7, 5, 0, 15, 9, 0, 15,
    /*  60 */ 0, 0, 0, 0, 0, 15, 15, 0, 5, 5,
    /*  70 */ 0, 5, 5, 5, 2, 15, 15, 15, 5, 15,
    /*  80 */ 0, 9, 5, 15, 15, 5, 10, 5, 0, 0,
    /*  90 */ 15, 5, 15, 15, 5, 5, 15, 0, 15, 0,
    /* 100 */ 15, 5, 0, 0, 3, 0, 5, 15, 15, 4,
    /* 110 */ 15, 15, 0, 0, 15, 5, 3, 0, 15, 2,
    /* 120 */ 0, 15, 0, 0, 15, 5, 5, 15, 15, 15,
    /* 130 */ 15, 15, 5,
};

const int g_cityLatitudes[CITY_COUNT][3] = {
    /*   0 */ {9, 1, 0}, {34, 55, 1}, {39, 55, 0}, {36, 50, 0}, {52, 22, 0},
    /*   5 */ {59, 17, 0}, {25, 15, 1}, {37, 58, 0}, {33, 45, 0}, {30, 16, 0},
    /*  10 */ {44, 25, 0}, {41, 23, 0}, {44, 52, 0}, {39, 55, 0}, {52, 30, 0},
    /*  15 */ {33, 30, 0}, {52, 25, 0}, {13, 45, 0}, {36, 10, 0}, {27, 29, 1},
    /*  20 */ {44, 50, 0}, {4, 32, 0}, {42, 21, 0}, {53, 5, 0}, {50, 52, 0},
    /*  25 */ {34, 35, 1}, {47, 30, 0}, {39, 18, 0}, {30, 2, 0}, {10, 28, 0},
    /*  30 */ {22, 34, 0}, {41, 50, 0}, {41, 28, 0}, {40, 0, 0}, {31, 28, 1},
    /*  35 */ {55, 40, 0}, {33, 55, 1}, {28, 37, 0}, {39, 8, 0}, {32, 46, 0},
    /*  40 */ {38, 53, 0}, {28, 35, 0}, {39, 45, 0}, {14, 40, 0}, {42, 20, 0},
    /*  45 */ {53, 20, 0}, {29, 53, 1}, {31, 46, 0}, {4, 18, 1}, {50, 7, 0},
    /*  50 */ {55, 50, 0}, {14, 37, 0}, {53, 33, 0}, {23, 8, 0}, {60, 10, 0},
    /*  55 */ {22, 20, 0}, {29, 45, 0}, {52, 30, 0}, {39, 46, 0}, {30, 22, 0},
    /*  60 */ {6, 16, 1}, {26, 12, 1}, {17, 59, 0}, {34, 32, 0}, {3, 8, 0},
    /*  65 */ {36, 10, 0}, {34, 3, 0}, {12, 0, 1}, {38, 44, 0}, {51, 32, 0},
    /*  70 */ {16, 27, 1}, {53, 25, 0}, {45, 45, 0}, {40, 26, 0}, {37, 47, 1},
    /*  75 */ {35, 9, 0}, {19, 26, 0}, {25, 46, 0}, {45, 27, 0}, {43, 2, 0},
    /*  80 */ {14, 35, 0}, {55, 45, 0}, {43, 20, 0}, {44, 59, 0}, {29, 57, 0},
    /*  85 */ {48, 8, 0}, {34, 53, 1}, {40, 50, 0}, {1, 25, 1}, {32, 3, 0},
    /*  90 */ {40, 47, 0}, {46, 27, 0}, {35, 26, 0}, {41, 15, 0}, {59, 57, 0},
    /*  95 */ {48, 48, 0}, {45, 31, 0}, {31, 57, 1}, {39, 57, 0}, {33, 29, 0},
    /* 100 */ {40, 27, 0}, {50, 5, 0}, {8, 58, 0}, {16, 50, 0}, {22, 57, 1},
    /* 105 */ {64, 4, 0}, {41, 54, 0}, {32, 42, 0}, {29, 23, 0}, {33, 28, 1},
    /* 110 */ {47, 37, 0}, {37, 47, 0}, {31, 10, 0}, {1, 14, 0}, {37, 20, 0},
    /* 115 */ {42, 40, 0}, {23, 31, 1}, {12, 56, 1}, {38, 35, 0}, {34, 0, 1},
    /* 120 */ {35, 40, 0}, {27, 57, 0}, {32, 57, 0}, {0, 0, 0}, {49, 16, 0},
    /* 125 */ {48, 14, 0}, {52, 14, 0}, {45, 30, 0}, {45, 24, 0}, {43, 40, 0},
    /* 130 */ {49, 13, 0}, {51, 1, 0}, {47, 21, 0},
};

const int g_cityLongitudes[CITY_COUNT][3] = {
    /*   0 */ {38, 44, 0}, {138, 36, 0}, {32, 55, 0}, {3, 0, 0}, {4, 53, 0},
    /*   5 */ {18, 3, 0}, {57, 40, 1}, {23, 43, 0}, {84, 23, 1}, {97, 44, 1},
    /*  10 */ {26, 7, 0}, {2, 9, 0}, {20, 32, 0}, {116, 25, 0}, {13, 25, 0},
    /*  15 */ {86, 50, 1}, {1, 55, 1}, {100, 30, 0}, {86, 47, 1}, {153, 8, 0},
    /*  20 */ {0, 31, 1}, {74, 15, 1}, {71, 5, 1}, {8, 49, 0}, {4, 22, 0},
    /*  25 */ {58, 22, 1}, {19, 5, 0}, {76, 38, 1}, {31, 21, 0}, {67, 2, 1},
    /*  30 */ {88, 24, 0}, {87, 37, 1}, {81, 37, 1}, {83, 1, 1}, {64, 10, 1},
    /*  35 */ {12, 34, 0}, {18, 22, 0}, {106, 5, 1}, {84, 30, 1}, {96, 46, 1},
    /*  40 */ {77, 2, 1}, {77, 12, 0}, {105, 0, 1}, {17, 28, 1}, {83, 3, 1},
    /*  45 */ {6, 15, 1}, {30, 53, 0}, {106, 29, 1}, {15, 17, 0}, {8, 41, 0},
    /*  50 */ {4, 15, 1}, {90, 31, 1}, {10, 2, 0}, {82, 23, 1}, {25, 0, 0},
    /*  55 */ {114, 11, 0}, {95, 21, 1}, {104, 20, 0}, {86, 10, 1}, {81, 40, 1},
    /*  60 */ {106, 48, 0}, {28, 4, 0}, {76, 49, 1}, {135, 30, 0}, {101, 42, 0},
    /*  65 */ {115, 12, 1}, {118, 15, 1}, {77, 2, 1}, {9, 9, 1}, {0, 5, 1},
    /*  70 */ {68, 22, 1}, {3, 0, 1}, {4, 50, 0}, {3, 42, 1}, {144, 58, 0},
    /*  75 */ {90, 3, 1}, {99, 7, 1}, {80, 12, 1}, {9, 10, 0}, {87, 55, 1},
    /*  80 */ {120, 57, 0}, {37, 36, 0}, {5, 20, 0}, {93, 14, 1}, {90, 4, 1},
    /*  85 */ {11, 35, 0}, {56, 10, 1}, {14, 15, 0}, {36, 55, 0}, {118, 53, 0},
    /*  90 */ {73, 58, 1}, {30, 48, 0}, {97, 28, 1}, {95, 56, 1}, {10, 42, 0},
    /*  95 */ {2, 20, 0}, {122, 41, 1}, {115, 52, 0}, {75, 10, 1}, {112, 4, 1},
    /* 100 */ {79, 57, 1}, {14, 26, 0}, {79, 32, 1}, {96, 0, 0}, {43, 12, 1},
    /* 105 */ {21, 58, 1}, {12, 27, 0}, {117, 10, 1}, {98, 33, 1}, {70, 45, 1},
    /* 110 */ {122, 20, 1}, {122, 26, 1}, {121, 28, 0}, {103, 55, 0}, {121, 53, 1},
    /* 115 */ {23, 20, 0}, {46, 31, 1}, {38, 27, 1}, {90, 12, 1}, {151, 0, 0},
    /* 120 */ {139, 45, 0}, {82, 27, 1}, {13, 12, 0}, {0, 0, 0}, {123, 7, 1},
    /* 125 */ {16, 20, 0}, {21, 0, 0}, {73, 35, 1}, {75, 43, 1}, {79, 24, 1},
    /* 130 */ {123, 6, 1}, {114, 1, 1}, {8, 31, 0},
};

const int g_regionCityCounts[REGION_COUNT] = {10, 14, 5, 40, 51, 12, 1};

const int g_regionCityIndices[CITY_COUNT] = {
    // Africa
    0, 3, 28, 36, 43, 46, 61, 48, 88, 122,
    // Asia
    17, 13, 30, 55, 60, 64, 80, 89, 41, 63, 103, 112, 113, 120,
    // Australia / Pacific
    1, 19, 74, 97, 119,
    // Europe
    4, 2, 7, 11, 12, 14, 16, 20, 23, 24, 10, 26, 35, 45, 49, 50, 52, 54, 57, 68,
    71, 69, 72, 73, 82, 78, 81, 85, 87, 91, 94, 95, 101, 105, 106, 115, 5, 125, 126, 132,
    // North America
    8, 9, 27, 15, 22, 131, 31, 37, 38, 32, 33, 39, 42, 44, 47, 51, 53, 56, 58, 59,
    62, 65, 66, 75, 76, 77, 79, 83, 127, 18, 84, 90, 92, 93, 128, 102, 98, 99, 100, 96,
    108, 107, 111, 114, 110, 118, 121, 129, 130, 124, 40,
    // South America
    6, 21, 25, 29, 34, 70, 67, 86, 104, 117, 109, 116,
    // User defined city
    123,
};

constexpr TextTable<DST_RULE_COUNT> g_dstCodes = {
    L"NO", L"ON", L"SA", L"SB", L"SC", L"SE", L"SG", L"SH", L"SI",
    L"SK", L"SM", L"SN", L"SP", L"SQ", L"ST", L"SU", L"SZ",
};

namespace {

constexpr int kDstRules[DST_RULE_COUNT][10] = {
    /*  0 "NO" */ {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1},
    /*  1 "ON" */ {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1},
    /*  2 "SA" */ {10, -1, 1, 2, 0, 3, -1, 1, 3, 0},
    /*  3 "SB" */ {10, 3, 1, 0, 0, 2, 3, 1, 0, 0},
    /*  4 "SC" */ {10, 2, 1, 0, 0, 3, 2, 1, 0, 0},
    /*  5 "SE" */ {3, -1, 1, 1, 0, 10, -1, 1, 1, 0},
    /*  6 "SG" */ {4, -1, 6, 0, 0, 9, -1, 6, 0, 0},
    /*  7 "SH" */ {4, 1, 1, 0, 0, 10, -1, 1, 1, 0},
    /*  8 "SI" */ {4, -2, 1, 3, 0, 10, -2, 1, 4, 0},
    /*  9 "SK" */ {3, -1, 1, 2, 0, 10, -1, 1, 3, 0},
    /* 10 "SM" */ {9, 3, 1, 0, 0, 3, -1, 1, 2, 0},
    /* 11 "SN" */ {9, 1, 1, 2, 0, 4, 1, 1, 2, 0},
    /* 12 "SP" */ {10, 3, 1, 0, 0, 3, 2, 1, 1, 0},
    /* 13 "SQ" */ {3, -2, 21, 0, 0, 9, -2, 21, 0, 0},
    /* 14 "ST" */ {10, 1, 1, 2, 0, 3, -1, 1, 3, 0},
    /* 15 "SU" */ {3, 2, 1, 2, 0, 11, 1, 1, 3, 0},
    /* 16 "SZ" */ {10, 1, 1, 2, 0, 3, 3, 1, 3, 0},
};

constexpr DstRuleDates DatesOf(const int (&rule)[10])
{
    return DstRuleDates{{rule[0], rule[1], rule[2], rule[3], rule[4]}, {rule[5], rule[6], rule[7], rule[8], rule[9]}};
}

}  // namespace

const int (&g_dstRules)[DST_RULE_COUNT][10] = kDstRules;

const DstRuleDates g_dstRuleDates[DST_RULE_COUNT] = {
    DatesOf(kDstRules[0]),  DatesOf(kDstRules[1]),  DatesOf(kDstRules[2]),  DatesOf(kDstRules[3]),
    DatesOf(kDstRules[4]),  DatesOf(kDstRules[5]),  DatesOf(kDstRules[6]),  DatesOf(kDstRules[7]),
    DatesOf(kDstRules[8]),  DatesOf(kDstRules[9]),  DatesOf(kDstRules[10]), DatesOf(kDstRules[11]),
    DatesOf(kDstRules[12]), DatesOf(kDstRules[13]), DatesOf(kDstRules[14]), DatesOf(kDstRules[15]),
    DatesOf(kDstRules[16]),
};

static_assert(g_cityNames[CITY_COUNT - 1] != nullptr, "city names incomplete");
static_assert(g_cityCodes[CITY_COUNT - 1] != nullptr, "city codes incomplete");
static_assert(g_dstCodes[DST_RULE_COUNT - 1] != nullptr, "rule codes incomplete");

const wchar_t* CityNameAt(int city)
{
    return EntryAt(g_cityNames, city);
}

const wchar_t* CityCodeAt(int city)
{
    return EntryAt(g_cityCodes, city);
}

const wchar_t* DstCodeAt(int rule)
{
    return EntryAt(g_dstCodes, rule);
}

int RegionGroupStart(int region)
{
    if (!IsValidRegion(region))
        return -1;
    int start = 0;
    for (int r = 0; r < region; ++r)
        start += g_regionCityCounts[r];
    return start;
}

int CityAtRegionPosition(int region, int position)
{
    if (!IsValidRegion(region) || position < 0 || position >= g_regionCityCounts[region])
        return -1;
    return g_regionCityIndices[RegionGroupStart(region) + position];
}

namespace {

// Index into g_regionCityIndices of the city, -1 when it is not listed.
int ListSlotOfCity(int city)
{
    if (!IsValidCityIndex(city))
        return -1;
    for (int slot = 0; slot < CITY_COUNT; ++slot)
        if (g_regionCityIndices[slot] == city)
            return slot;
    return -1;
}

}  // namespace

int RegionOfCity(int city)
{
    const int slot = ListSlotOfCity(city);
    if (slot < 0)
        return -1;
    int start = 0;
    for (int region = 0; region < REGION_COUNT; ++region) {
        if (slot < start + g_regionCityCounts[region])
            return region;
        start += g_regionCityCounts[region];
    }
    return -1;
}

int RegionPositionOfCity(int city)
{
    const int region = RegionOfCity(city);
    if (region < 0)
        return -1;
    return ListSlotOfCity(city) - RegionGroupStart(region);
}
