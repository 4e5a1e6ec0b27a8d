// The main dialog's settings: one record, read from and written back to the settings files
// in the install folder at every start. The main dialog derives from it, so the members keep
// their names there.
#pragma once
#include "records/DisplaySwitches.h"
#include "records/GeoPosition.h"
#include "texts/Cities.h"

#include <string>

constexpr int CHANNEL_COUNT = 6;        // indoor sensor and channels 1 to 5
constexpr int THD_SETTING_COUNT = 54;   // 36 line styles (6 rows x 6 sensors) + 18 colours
constexpr int ALARM_RECORD_COUNT = 18;
constexpr int ABOUT_TEXT_COUNT = 17;
constexpr int USER_DEFINED_REGION = REGION_USER_DEFINED;  // USER_DEFINED_CITY: texts/Cities.h

// One city of the location settings: what "rLocation.dat" stores, and the fields derived from
// the city tables (or, for the user-defined city, from the station): its position (the
// GeoPosition base) and these.
struct CityLocation : GeoPosition {
    int region = USER_DEFINED_REGION;
    int cityIndex = USER_DEFINED_CITY;
    std::wstring name;
    int dstRule = 0;              // index into the daylight-saving rules
    int zoneEast = 1;             // 1 when the zone is zero or east of UTC
    int zoneHours = 0;            // whole hours, absolute
    int zoneHalfHour = 0;         // nonzero when the zone has a further half hour
};

// "rDisplaySetting.dat" is the DisplaySwitches base.
struct CSettingsRecord : DisplaySwitches {
    // "rAutoSavingSetting.dat"
    int m_autoSaveInterval = 0;   // 0 none, 1..8 interval choices
    int m_autoSaveCount = 1;
    int m_autoSaveCsv = 1;
    int m_autoSaveTxt = 0;
    int m_autoSaveJpg = 0;
    std::wstring m_autoSavePrefix;
    std::wstring m_autoSaveFolder;
    int m_autoSaveMinutes = 0;    // minute counter of the automatic saving

    int m_initClientWidth = 0;
    int m_initClientHeight = 0;
    int m_recordInterval = 4;
    int m_altitude = 15;

    // "rLanguageSetting.dat"
    int m_language = 0;

    // "rTHDSetting.dat": channel names, 6 x 6 line styles (row = kind, column = sensor), 18 colours
    std::wstring m_channelName[CHANNEL_COUNT];
    int m_thdSettings[THD_SETTING_COUNT] = {};

    int m_alarmRecord[ALARM_RECORD_COUNT] = {};

    // "rDisplayingUnitSetting.dat"
    int m_unitReserved = 3;
    int m_altitudeUnit = 1;       // 0 feet, 1 metres
    int m_uvUnit = 1;             // 0 MED/h, 1 UV index
    int m_pressureUnit = 1;       // 0 inHg, 1 hPa, 2 mmHg
    int m_rainUnit = 1;           // 0 inch, 1 mm
    int m_timeFormat = 1;         // nonzero = 24 hours
    int m_temperatureUnit = 0;    // 0 Celsius, 1 Fahrenheit
    int m_windUnit = 3;           // 0 km/h, 1 knots, 2 m/s, 3 mph

    // "rLocation.dat": city 1 (shown in the main window) and city 2
    CityLocation m_locationSettings[2];

    // Cache of the About box texts.
    std::wstring m_aboutTexts[ABOUT_TEXT_COUNT];
};
