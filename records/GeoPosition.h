// A place's latitude and longitude in degrees and minutes, as the location settings, the main
// window's current location and the automatic-saving snapshots keep it.
#pragma once

struct GeoPosition {
    int latitudeDegrees = 0;
    int latitudeMinutes = 0;
    int latitudeHemisphere = 0;   // 0 north, 1 south
    int longitudeDegrees = 0;
    int longitudeMinutes = 0;
    int longitudeHemisphere = 0;  // 0 east, 1 west
};
