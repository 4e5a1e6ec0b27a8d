// The location dialog's controls and its layout by language, as tables: the controls of each side
// (the local city and the second city have the same set), the six number fields of a side with
// their ranges, and the pixel offsets of the labels and buttons by language.
#pragma once

constexpr int LOCATION_SIDES = 2;  // 0 the local city, 1 the second city
constexpr int LOCATION_NUMBER_FIELDS = 6;
constexpr int LOCATION_UPLOAD_BUTTON = 1382;

// The six number fields of a side, in this order.
enum LocationNumberField {
    FIELD_LAT_DEGREES,
    FIELD_LAT_MINUTES,
    FIELD_LON_DEGREES,
    FIELD_LON_MINUTES,
    FIELD_ZONE_HOURS,
    FIELD_ZONE_MINUTES,
};

struct LocationNumberIds {
    int edit;
    int spin;
};

struct LocationSideIds {
    int group;
    int regionLabel, region;
    int cityLabel, city, name;
    int currentLabel;
    int codeLabel, code, currentCode;
    int latitudeLabel, latHemisphere, currentLatitude;
    int longitudeLabel, lonHemisphere, currentLongitude;
    int dstLabel, dstRule, currentDstRule;
    int dstStartLabel, dstStart, dstEndLabel, dstEnd;
    int zoneLabel, zoneSign, currentZone;
    LocationNumberIds numbers[LOCATION_NUMBER_FIELDS];
};

extern const LocationSideIds kLocationSideIds[LOCATION_SIDES];
// Upper end of each number field (all start at 0).
extern const int kLocationNumberMaxima[LOCATION_NUMBER_FIELDS];

// Offsets in pixels by language (English for any other id): G1 the "DST mode" label's y, G2 the
// extra width of the daylight-saving date fields, G3 the "Time offset" label's y, G4 the "City
// name" label's y, G5 the "Current setting" label's rise, G6 the extra width of the Upload button.
struct LocationOffsets {
    int dstModeY, dstFieldWidth, timeOffsetY, cityNameY, currentRise, uploadWidth;
};
LocationOffsets LocationOffsetsFor(int language);
