// DemoStation: the built-in station that USB.dll serves when USB_EMULATOR=demo.
//
// DemoWeather is a deterministic weather model over wall-clock time (minutes since 1970-01-01, the
// station's own clock): a daily temperature cycle with a slow drift, humidity moving against the
// temperature, pressure drifting over days, gusts above the average speed, rain in showers whose
// counter only grows, UV only by day, and one absent channel (channel 5). The same instant always gives
// the same readings, so history records and live blocks agree.
//
// DemoStation keeps a 128 KB memory image built from that model: settings (location, alarms,
// altitude, clock), extremes consistent with the history, the pressure history, the record years and
// a full history ring (3442 records at 5 minutes, about 12 days, wrapped at a fixed slot) ending at
// the station's clock. AdvanceTo() moves its clock on and writes one new record into the ring at every
// record interval (the history index advancing and wrapping), keeping every checksum group valid.
#pragma once

#include "platform/usb/StationImage.h"

#include <cstdint>

namespace stationimage {

class DemoWeather {
public:
    // rainOrigin: the instant from which the rain counter counts (counter = base there).
    explicit DemoWeather(int64_t rainOriginMinutes);
    // The readings at an instant (minutes, fractional for the live block); time stamp filled in.
    WeatherReading At(double minutes) const;
    double OutdoorTemperature(double minutes) const;
    double Pressure(double minutes) const;
    double Uv(double minutes) const;
    int RainCounter(double minutes) const;

private:
    double RainSince(double fromMinutes, double toMinutes) const;
    int64_t rainOrigin_;
};

class DemoStation {
public:
    static constexpr int DEMO_SIZE_CODE = SIZE_CODE_128K;
    static constexpr int DEMO_INTERVAL_CODE = 1;           // 5 minutes
    static constexpr int DEMO_NEWEST_SLOT = 1699;          // the ring has wrapped once

    // Builds the image with its newest record at the last record time at or before `now`.
    explicit DemoStation(const StationTime& now);

    // Moves the clock to `nowMinutes` (minutes since 1970, may be fractional) and writes every record
    // that fell due since the last one. Returns the number of records written.
    int AdvanceTo(double nowMinutes);

    const Image& GetImage() const { return image_; }
    Image& GetImage() { return image_; }
    // The live blocks at the current clock.
    Block LiveStamp() const;
    Block LiveReadings() const;
    int64_t LastRecordMinutes() const { return lastRecord_; }

private:
    void WriteRecord(int slot, int64_t minutes, bool widenExtremes);
    void RefreshSummaries();
    // The record interval of the image (the next record follows a changed interval at once).
    int IntervalMinutes() const;

    DemoWeather weather_;
    Image image_;
    MinMaxSetting extremes_;
    double clock_ = 0;
    int64_t lastRecord_ = 0;
};

}  // namespace stationimage
