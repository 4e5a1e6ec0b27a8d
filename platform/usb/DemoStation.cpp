// The demo station's weather model and memory; see DemoStation.h.
#include "platform/usb/DemoStation.h"

#include <algorithm>
#include <cmath>

namespace stationimage {
namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int RAIN_BASE_COUNTS = 1500;

uint64_t Mix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// A value in [-1, 1] that depends only on the key and the channel.
double Hash(int64_t key, int channel) {
    const uint64_t x = Mix(static_cast<uint64_t>(key) * 131 + static_cast<uint64_t>(channel) * 0x51ED27ULL);
    return static_cast<double>(x >> 11) / 9007199254740992.0 * 2.0 - 1.0;
}

// Noise that changes smoothly over `period` minutes.
double Smooth(double minutes, double period, int channel) {
    const double p = minutes / period;
    const double k = std::floor(p);
    const double f = p - k;
    const double w = f * f * (3 - 2 * f);
    return Hash(static_cast<int64_t>(k), channel) * (1 - w) + Hash(static_cast<int64_t>(k) + 1, channel) * w;
}

double HourOfDay(double minutes) {
    double m = std::fmod(minutes, 1440.0);
    if (m < 0) m += 1440.0;
    return m / 60.0;
}

// Rain rate of the hour (counts per hour): showers of four hours on some days.
int RainRate(int64_t hour) {
    const int64_t episode = hour >= 0 ? hour / 4 : (hour - 3) / 4;
    const uint64_t e = Mix(static_cast<uint64_t>(episode) ^ 0xABCDEFULL);
    if (e % 100 >= 14) return 0;
    return 1 + static_cast<int>(Mix(static_cast<uint64_t>(hour)) % 6);
}

}  // namespace

DemoWeather::DemoWeather(int64_t rainOriginMinutes) : rainOrigin_(rainOriginMinutes) {}

double DemoWeather::OutdoorTemperature(double t) const {
    const double day = t / 1440.0;
    return 9.0 + 6.0 * std::sin(2 * PI * (HourOfDay(t) - 9.0) / 24.0) + 4.0 * std::sin(2 * PI * day / 6.3 + 1.0) +
           0.8 * Smooth(t, 90, 1);
}

double DemoWeather::Pressure(double t) const {
    const double day = t / 1440.0;
    return 1011.0 + 9.0 * std::sin(2 * PI * day / 5.3) + 3.0 * std::sin(2 * PI * day / 1.7 + 2.0) +
           0.3 * Smooth(t, 60, 5);
}

double DemoWeather::Uv(double t) const {
    const double hod = HourOfDay(t);
    if (hod <= 6.0 || hod >= 20.0) return 0.0;
    double cloud = 0.55 + 0.45 * (0.5 + 0.5 * Smooth(t, 120, 9));
    if (RainRate(static_cast<int64_t>(std::floor(t / 60.0))) > 0) cloud *= 0.3;
    return 7.5 * std::sin(PI * (hod - 6.0) / 14.0) * cloud;
}

double DemoWeather::RainSince(double from, double to) const {
    if (to <= from) return 0.0;
    double total = 0.0;
    int64_t h = static_cast<int64_t>(std::floor(from / 60.0));
    double t = from;
    while (t < to) {
        const double hourEnd = static_cast<double>(h + 1) * 60.0;
        const double end = std::min(hourEnd, to);
        total += RainRate(h) * (end - t) / 60.0;
        t = end;
        ++h;
    }
    return total;
}

int DemoWeather::RainCounter(double t) const {
    const double counts = RAIN_BASE_COUNTS + RainSince(static_cast<double>(rainOrigin_), t);
    return static_cast<int>(static_cast<int64_t>(std::floor(counts)) % 65536);
}

WeatherReading DemoWeather::At(double t) const {
    WeatherReading r;
    r.time = FromMinutes(static_cast<int64_t>(std::floor(t)));
    const double hod = HourOfDay(t);
    const double day = t / 1440.0;
    const bool raining = RainRate(static_cast<int64_t>(std::floor(t / 60.0))) > 0;

    r.indoorTemperature = Val(21.3 + 0.9 * std::sin(2 * PI * (hod - 16.0) / 24.0) + 0.2 * Smooth(t, 45, 10));
    r.indoorHumidity = Val(44.0 + 4.0 * std::sin(2 * PI * day / 5.0) + 1.5 * Smooth(t, 60, 11));

    const double outdoor = OutdoorTemperature(t);
    double outdoorHumidity = 72.0 - 2.2 * (outdoor - 9.0) + 4.0 * Smooth(t, 120, 2) + (raining ? 12.0 : 0.0);
    r.channelTemperature[0] = Val(outdoor);
    r.channelHumidity[0] = Val(std::max(20.0, std::min(98.0, outdoorHumidity)));
    const double greenhouse = outdoor + 3.0 + 6.0 * std::max(0.0, std::sin(PI * (hod - 7.0) / 12.0));
    r.channelTemperature[1] = Val(greenhouse);
    r.channelHumidity[1] = Val(std::max(25.0, std::min(97.0, 68.0 - 1.5 * (greenhouse - 15.0))));
    r.channelTemperature[2] = Val(12.5 + 0.4 * std::sin(2 * PI * day / 9.0) + 0.1 * Smooth(t, 120, 12));
    r.channelHumidity[2] = Val(79.0 + 2.0 * Smooth(t, 240, 13));
    r.channelTemperature[3] = Val(-18.2 + 1.2 * std::sin(2 * PI * t / 70.0));
    r.channelHumidity[3] = Val(31.0 + 3.0 * Smooth(t, 180, 14));
    r.channelTemperature[4] = Marked(Mark::Absent);   // channel 5 has no sensor
    r.channelHumidity[4] = Marked(Mark::Unknown);

    const double uv = Uv(t);
    r.uv = Val(uv);
    const double pressure = Pressure(t);
    r.pressureHpa = pressure;
    const double trend = pressure - Pressure(t - 180.0);
    r.forecastFlag = trend < -1.0;
    r.forecastCode = raining ? 3 : pressure > 1020.0 ? 0 : pressure > 1008.0 ? 1 : pressure > 1000.0 ? 2 : 3;

    const double speed = std::max(0.0, 5.0 + 3.0 * std::sin(2 * PI * day / 3.7) +
                                           2.5 * std::max(0.0, std::sin(2 * PI * (hod - 8.0) / 24.0)) +
                                           2.0 * Smooth(t, 20, 6));
    const double gust = speed + 1.5 + 0.35 * speed + 2.0 * std::fabs(Smooth(t, 10, 7));
    r.windSpeed = Val(speed);
    r.gust = Val(gust);
    const double dir = 8.0 + 5.0 * std::sin(2 * PI * day / 4.1) + 1.5 * Smooth(t, 60, 8);
    r.windDirection = ((static_cast<int>(std::floor(dir)) % 16) + 16) % 16;
    r.windStatus = WIND_STATUS_DEFAULT;
    const double kmh = speed * 1.609344;
    double chill = outdoor;
    if (outdoor <= 10.0 && kmh > 4.8) {
        const double v = std::pow(kmh, 0.16);
        chill = 13.12 + 0.6215 * outdoor - 11.37 * v + 0.3965 * outdoor * v;
    }
    r.windChill = Val(std::min(chill, outdoor));
    r.rainCounter = RainCounter(t);
    return r;
}

// ---- The demo station's memory ------------------------------------------------------------------

namespace {

void Widen(Reading& low, Reading& high, const Reading& v, bool first) {
    if (v.mark != Mark::Value) return;
    if (first || low.mark != Mark::Value || v.value < low.value) low = v;
    if (first || high.mark != Mark::Value || v.value > high.value) high = v;
}

// Rounded the way the station stores it, so the extremes equal stored values.
Reading Stored(const Reading& r, double step) {
    if (r.mark != Mark::Value) return r;
    return Val(std::round(r.value / step) * step);
}

}  // namespace

DemoStation::DemoStation(const StationTime& now)
    : weather_(ToMinutes(now) - 60 * 1440), image_(MakeEmptyImage()) {
    const int64_t nowMinutes = ToMinutes(now);
    clock_ = static_cast<double>(nowMinutes);
    const int slots = SlotCountOfSizeCode(DEMO_SIZE_CODE);
    const int interval = IntervalMinutesOfCode(DEMO_INTERVAL_CODE);
    lastRecord_ = nowMinutes - ((nowMinutes % interval) + interval) % interval;

    // Extremes start empty; channel 5 has none.
    for (auto& s : extremes_.sensors) s = SensorExtremes{Marked(Mark::Unknown), Marked(Mark::Unknown),
                                                         Marked(Mark::Unknown), Marked(Mark::Unknown)};
    extremes_.windMax = Val(0);
    extremes_.gustMax = Val(0);

    SetMemoryInfo(image_, DEMO_SIZE_CODE, (DEMO_NEWEST_SLOT + 1) % slots, DEMO_INTERVAL_CODE);
    // Oldest first, so the extremes widen in time order.
    for (int k = slots - 1; k >= 0; --k) {
        const int slot = ((DEMO_NEWEST_SLOT - k) % slots + slots) % slots;
        WriteRecord(slot, lastRecord_ - static_cast<int64_t>(k) * interval, true);
    }
    std::vector<int> years;
    for (int k = 0; k < 25; ++k) years.push_back(FromMinutes(lastRecord_ - static_cast<int64_t>(k) * interval).year);
    SetRecordYears(image_, years, now.year);

    SetClock(image_, now, 0, true, false);
    LocationSetting local;
    local.latDegrees = 50; local.latMinutes = 7; local.south = false;
    local.lonDegrees = 8; local.lonMinutes = 41; local.west = false;
    local.dstRule = 1; local.zonePlus = true; local.zoneHours = 1; local.zoneMinutes = 0;
    local.cityCode = 123;
    SetLocation(image_, 0, local);
    LocationSetting second;
    second.latDegrees = 40; second.latMinutes = 43; second.south = false;
    second.lonDegrees = 104; second.lonMinutes = 59; second.west = true;
    second.dstRule = 2; second.zonePlus = false; second.zoneHours = 7; second.zoneMinutes = 0;
    second.cityCode = 45;
    SetLocation(image_, 1, second);
    AlarmSetting alarms;
    alarms.weekdayAlarmOn = true; alarms.weekdayHour = 6; alarms.weekdayMinute = 45;
    alarms.singleAlarmOn = false; alarms.singleHour = 12; alarms.singleMinute = 0;
    alarms.preAlarmOn = false; alarms.period = 2; alarms.duration = 5;
    alarms.temperatureUpper = 30.0; alarms.temperatureLower = -5.0;
    alarms.rainAlarmOn = true; alarms.rainUpper = 50;
    alarms.windAlarmOn = false; alarms.windUpper = 30;
    alarms.gustAlarmOn = true; alarms.gustUpper = 45;
    SetAlarms(image_, alarms);
    SetAltitude(image_, 115);
    SetVersion(image_, {0x01, 0x12, 0x07, 0x20, 0x05});
    RefreshSummaries();
    FixAllChecksums(image_);
}

int DemoStation::IntervalMinutes() const {
    const int m = IntervalMinutesOfCode(IntervalCodeOf(image_));
    return m > 0 ? m : 5;
}

void DemoStation::WriteRecord(int slot, int64_t minutes, bool widen) {
    WeatherReading r = weather_.At(static_cast<double>(minutes));
    WriteHistoryRecord(image_, slot, r);
    if (!widen) return;
    const bool first = extremes_.sensors[0].temperatureMin.mark != Mark::Value;
    Widen(extremes_.sensors[0].temperatureMin, extremes_.sensors[0].temperatureMax, Stored(r.indoorTemperature, 0.05), first);
    Widen(extremes_.sensors[0].humidityMin, extremes_.sensors[0].humidityMax, Stored(r.indoorHumidity, 1), first);
    for (int c = 0; c < 5; ++c) {
        Widen(extremes_.sensors[c + 1].temperatureMin, extremes_.sensors[c + 1].temperatureMax,
              Stored(r.channelTemperature[c], 0.1), first);
        Widen(extremes_.sensors[c + 1].humidityMin, extremes_.sensors[c + 1].humidityMax,
              Stored(r.channelHumidity[c], 1), first);
    }
    const Reading speed = Stored(r.windSpeed, 0.1);
    const Reading gust = Stored(r.gust, 0.1);
    if (speed.mark == Mark::Value && speed.value > extremes_.windMax.value) extremes_.windMax = speed;
    if (gust.mark == Mark::Value && gust.value > extremes_.gustMax.value) extremes_.gustMax = gust;
}

void DemoStation::RefreshSummaries() {
    const double now = static_cast<double>(lastRecord_);
    // Trends over the last three hours: 1 rising, 2 steady, 3 falling.
    const WeatherReading a = weather_.At(now);
    const WeatherReading b = weather_.At(now - 180.0);
    auto trend = [](const Reading& x, const Reading& y, double step) {
        if (x.mark != Mark::Value || y.mark != Mark::Value) return 0;
        const double d = x.value - y.value;
        return d > step ? 1 : d < -step ? 3 : 2;
    };
    extremes_.temperatureTrend[0] = trend(a.indoorTemperature, b.indoorTemperature, 0.5);
    extremes_.humidityTrend[0] = trend(a.indoorHumidity, b.indoorHumidity, 3);
    for (int c = 0; c < 5; ++c) {
        extremes_.temperatureTrend[c + 1] = trend(a.channelTemperature[c], b.channelTemperature[c], 0.5);
        extremes_.humidityTrend[c + 1] = trend(a.channelHumidity[c], b.channelHumidity[c], 3);
    }
    // Daily UV maxima: index 7 today (so far), 0 seven days ago.
    const double midnight = std::floor(now / 1440.0) * 1440.0;
    for (int k = 0; k < 8; ++k) {
        const double start = midnight - (7 - k) * 1440.0;
        const double end = std::min(start + 1440.0, now + 1.0);
        double best = 0.0;
        for (double t = start; t < end; t += 10.0) best = std::max(best, std::round(weather_.Uv(t) * 10.0) / 10.0);
        extremes_.uvDailyMax[k] = Val(best);
    }
    // Rain of yesterday, of the seven days and of the thirty days before today.
    auto rainBetween = [&](double from, double to) {
        const int c = weather_.RainCounter(to) - weather_.RainCounter(from);
        return c < 0 ? c + 65536 : c;
    };
    extremes_.rainCounts = {rainBetween(midnight - 1440.0, midnight), rainBetween(midnight - 7 * 1440.0, midnight),
                            rainBetween(midnight - 30 * 1440.0, midnight)};
    SetMinMax(image_, extremes_);
    // Hourly pressures, newest first, from the last full hour.
    const double hour = std::floor(now / 60.0) * 60.0;
    std::array<double, 25> hourly{};
    for (int i = 0; i < 25; ++i) hourly[i] = weather_.Pressure(hour - 60.0 * i);
    SetPressureHistory(image_, FromMinutes(static_cast<int64_t>(hour)), hourly);
}

int DemoStation::AdvanceTo(double nowMinutes) {
    clock_ = nowMinutes;
    const int slots = SlotCountOfSizeCode(SizeCodeOf(image_));
    int interval = IntervalMinutes();
    const int64_t now = static_cast<int64_t>(std::floor(nowMinutes));
    if (now - lastRecord_ >= static_cast<int64_t>(interval) * (slots + 1)) {
        // Far behind: only the last ring's worth of records can survive anyway.
        lastRecord_ = now - static_cast<int64_t>(interval) * slots;
    }
    int written = 0;
    while (lastRecord_ + interval <= now) {
        lastRecord_ += interval;
        int index = HistoryIndexOf(image_);
        if (index >= slots) index = 0;
        WriteRecord(index, lastRecord_, true);
        SetMemoryInfo(image_, SizeCodeOf(image_), (index + 1) % slots, IntervalCodeOf(image_));
        PushRecordYear(image_, FromMinutes(lastRecord_).year);
        ++written;
        interval = IntervalMinutes();
    }
    if (written > 0) RefreshSummaries();
    return written;
}

Block DemoStation::LiveStamp() const {
    return EncodeLiveStamp(FromMinutes(static_cast<int64_t>(std::floor(clock_))));
}

Block DemoStation::LiveReadings() const { return EncodeLiveReadings(weather_.At(clock_)); }

}  // namespace stationimage
