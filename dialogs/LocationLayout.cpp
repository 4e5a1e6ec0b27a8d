#include "dialogs/LocationLayout.h"

#include "station/SettingsBlocks.h"
#include "texts/TextTables.h"

// clang-format off
const LocationSideIds kLocationSideIds[LOCATION_SIDES] = {
    // group, region label + list, city label + list + name field, current-setting label,
    // code label + field + current, latitude label + hemisphere + current, longitude the same,
    // DST label + rule + current, start label + field, end label + field, zone label + sign + current,
    // number fields {edit, spin}: latitude degrees, minutes, longitude degrees, minutes, zone hours, minutes
    {1386, 1388, 1370, 1390, 1331, 1333, 1392, 1394, 1332, 1334, 1396, 1339, 1340, 1398, 1345, 1346,
     1400, 1347, 1348, 1402, 1349, 1404, 1351, 1406, 1350, 1383,
     {{1335, 1336}, {1337, 1338}, {1341, 1342}, {1343, 1344}, {1352, 1353}, {1354, 1356}}},
    {1387, 1389, 1385, 1391, 1357, 1359, 1393, 1395, 1358, 1360, 1397, 1365, 1366, 1399, 1371, 1372,
     1401, 1373, 1374, 1403, 1375, 1405, 1376, 1407, 1377, 1384,
     {{1361, 1362}, {1363, 1364}, {1367, 1368}, {1369, 1355}, {1378, 1379}, {1380, 1381}}},
};

const int kLocationNumberMaxima[LOCATION_NUMBER_FIELDS] = {89, 59, 179, 59, stationsettings::ZONE_HOURS_EAST_MOST, 30};

LocationOffsets LocationOffsetsFor(int language)
{
    //                                         G1  G2  G3  G4 G5  G6
    static const LocationOffsets kEnglish    = { 0,  0,  0,  0, 0,  0};
    static const LocationOffsets kGerman     = { 0, 50, -7,  0, 8, 12};
    static const LocationOffsets kFrench     = {-7, 50, -7,  0, 8, 82};
    static const LocationOffsets kItalianRu  = { 0, 50, -7, -7, 8, 30};  // Italian, Russian, Polish
    static const LocationOffsets kSpanish    = { 0, 50, -7, -7, 0, 20};
    static const LocationOffsets kDutch      = { 0, 50, -12, -7, 0, 20};
    switch (language) {
    case LANGUAGE_GERMAN: return kGerman;
    case LANGUAGE_FRENCH: return kFrench;
    case LANGUAGE_ITALIAN:
    case LANGUAGE_RUSSIAN:
    case LANGUAGE_POLISH: return kItalianRu;
    case LANGUAGE_SPANISH: return kSpanish;
    case LANGUAGE_DUTCH: return kDutch;
    default: return kEnglish;
    }
}
// clang-format on
