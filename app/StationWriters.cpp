// The settings that live in the station, written from the settings dialogs: record interval,
// altitude, alarms and location. Each writer reads every block it patches before it writes any,
// sends its write frames, keeps the new values in the main dialog only when the station took
// them, and ends with one message box in the current language ("Upload success" or "Upload
// failure"). The alarm and location writers send the station's blocks back patched, so the other
// bytes stay the station's own.
//
// A write the station did not acknowledge in time may have reached it all the same: the writer
// then reads the station again. When the station holds what was sent, the upload succeeded;
// otherwise the main dialog keeps, and the dialog is handed, what the station holds now.
#include "app/OrvelleDlg.h"

#include "app/SettingsFiles.h"
#include "platform/ui/UiMessageBox.h"
#include "station/SystemKV318.h"
#include "texts/TextTables.h"

#include <algorithm>

using namespace stationsettings;

namespace {

constexpr int UPLOAD_SUCCESS_ROW = 0;
constexpr int UPLOAD_FAILURE_ROW = 1;

// The 32 image bytes from address, after the station has been read there.
bool ReadStationBlock(int address, Block* block)
{
    if (!COrvelleDlg::ReadStationAt(address))
        return false;
    std::copy_n(g_systemKV318.m_memoryImage + address, block->size(), block->begin());
    return true;
}

// The one message box that ends every upload; returns the outcome.
bool ReportUpload(bool written, int language)
{
    AfxMessageBox(TextAt(g_uploadResultTexts, written ? UPLOAD_SUCCESS_ROW : UPLOAD_FAILURE_ROW, language));
    return written;
}

bool SendBlock(const Block& block, int count, int address)
{
    return g_systemKV318.WriteMemoryBlock(block.data(), count, address);
}

// One block sent: whether the station took the value, and what it holds (known after an
// acknowledgement, or after a read of the station when none came).
template <class T>
struct BlockSent {
    bool written;
    bool known;
    T holds;
};

// Sends the 32 bytes of the block to address; a write the station did not acknowledge is judged
// by reading the station there again, `decode` giving what the memory image then holds.
template <class T, class Decode>
BlockSent<T> SendAndJudge(const Block& block, int address, const T& value, Decode decode)
{
    BlockSent<T> sent{SendBlock(block, 32, address), false, value};
    sent.known = sent.written;
    if (!sent.written && COrvelleDlg::ReadStationAt(address)) {
        sent.known = true;
        sent.holds = decode(g_systemKV318.m_memoryImage);
        sent.written = sent.holds == value;
    }
    return sent;
}

template <class T>
void HandBack(HeldSetting<T>* held, const T& value)
{
    if (held) {
        held->known = true;
        held->value = value;
    }
}

// Both records give the station the same alarm bytes (the temperature flag is not written, so it
// does not count).
bool SameAlarmBytes(const AlarmRecord& a, const AlarmRecord& b)
{
    Block timesA{}, timesB{}, limitsA{}, limitsB{};
    PatchAlarmTimes(timesA, a);
    PatchAlarmTimes(timesB, b);
    PatchAlarmLimits(limitsA, a);
    PatchAlarmLimits(limitsB, b);
    return timesA == timesB && limitsA == limitsB;
}

bool SameCityBytes(const StationCity& a, const StationCity& b)
{
    uint8_t recordA[LOCATION_RECORD_BYTES] = {}, recordB[LOCATION_RECORD_BYTES] = {};
    EncodeCityRecord(a, recordA, false);
    EncodeCityRecord(b, recordB, false);
    return std::equal(std::begin(recordA), std::end(recordA), std::begin(recordB));
}

// The location settings of one city from what the station took.
CityLocation CityFromUpload(const StationCity& city)
{
    CityLocation location;
    location.region = city.region;
    location.cityIndex = city.cityCode;
    if (city.cityCode != USER_DEFINED_CITY) {
        settings::FillCityFromTables(location);
        return location;
    }
    location.name = city.name;
    static_cast<GeoPosition&>(location) =
        GeoPosition{city.latDegrees, city.latMinutes, city.south, city.lonDegrees, city.lonMinutes, city.west};
    location.dstRule = city.dstRule;
    location.zoneEast = city.zonePlus;
    location.zoneHours = city.zoneHours;
    location.zoneHalfHour = city.zoneMinutes != 0 ? 1 : 0;
    return location;
}

// A city of the tables, or the user-defined city at a position and time offset the station and
// the sunrise and sunset computation take.
bool SendableCity(const StationCity& city)
{
    if (city.cityCode < 0 || city.cityCode >= CITY_COUNT || city.region < 0 || city.region >= REGION_COUNT)
        return false;
    return city.cityCode != USER_DEFINED_CITY ||
           (CityRecordValid(city) && ZoneOffsetSendable(city.zonePlus, city.zoneHours, city.zoneMinutes));
}

}  // namespace

bool COrvelleDlg::ReadStationAt(int address) { return g_systemKV318.ReadMemoryRange(address, address + 32); }

bool COrvelleDlg::ReadStationAlarms(AlarmRecord* alarms) const
{
    if (!ReadStationAt(ALARM_TIMES_ADDRESS) || !ReadStationAt(ALARM_LIMITS_ADDRESS))
        return false;
    (*alarms)[ALARM_TEMPERATURE_ON] = m_alarmRecord[ALARM_TEMPERATURE_ON];
    DecodeAlarmTimes(g_systemKV318.m_memoryImage, *alarms);
    DecodeAlarmLimits(g_systemKV318.m_memoryImage, *alarms);
    return true;
}

StationCity COrvelleDlg::StationCityAt(const uint8_t* record, const std::wstring& userName)
{
    StationCity city = DecodeCityRecord(record);
    const bool valid = CityRecordValid(city);
    if (!valid)
        city = StationCity();
    city.region = RegionOfCity(city.cityCode);
    if (city.cityCode != USER_DEFINED_CITY)
        city.name = CityNameAt(city.cityCode);
    else
        city.name = valid ? userName : std::wstring(CityNameAt(USER_DEFINED_CITY));
    return city;
}

bool COrvelleDlg::WriteRecordInterval(int selection, HeldSetting<int>* held)
{
    // A code the station does not know is never sent.
    if (selection < 0 || selection >= RECORD_INTERVAL_CHOICES)
        return ReportUpload(false, m_language);
    const BlockSent<int> sent =
        SendAndJudge(RecordIntervalBlock(selection), RECORD_INTERVAL_ADDRESS, selection, RecordIntervalSelection);
    if (sent.known) {
        if (sent.holds >= 0 && sent.holds < RECORD_INTERVAL_CHOICES)
            m_recordInterval = sent.holds;
        HandBack(held, sent.holds);
    }
    // The image follows what the station now holds (the polling loop reads the interval there).
    if (sent.written)
        g_systemKV318.m_memoryImage[RECORD_INTERVAL_ADDRESS] = RecordIntervalBlock(selection)[0];
    return ReportUpload(sent.written, m_language);
}

bool COrvelleDlg::WriteAltitude(int altitude, HeldSetting<int>* held)
{
    const bool feet = m_altitudeUnit != 1;
    const int metres = feet ? FeetToMetres(altitude) : altitude;
    const BlockSent<int> sent = SendAndJudge(AltitudeBlock(metres), ALTITUDE_ADDRESS, metres, DecodeAltitude);
    if (sent.known) {
        m_altitude = sent.holds;
        m_altitudeMetres = sent.holds;
        HandBack(held, sent.written ? altitude : (feet ? MetresToFeet(sent.holds) : sent.holds));
    }
    return ReportUpload(sent.written, m_language);
}

bool COrvelleDlg::WriteAlarms(const AlarmRecord& alarms, HeldSetting<AlarmRecord>* held)
{
    // A value the station cannot hold is never sent; both blocks are read before either is
    // written: a failed read leaves the station as it was.
    Block times{}, limits{};
    if (!AlarmRecordSendable(alarms) || !ReadStationBlock(ALARM_TIMES_ADDRESS, &times) ||
        !ReadStationBlock(ALARM_LIMITS_ADDRESS, &limits))
        return ReportUpload(false, m_language);
    PatchAlarmTimes(times, alarms);
    PatchAlarmLimits(limits, alarms);
    bool written = SendBlock(times, 32, ALARM_TIMES_ADDRESS) && SendBlock(limits, 32, ALARM_LIMITS_ADDRESS);
    bool known = written;
    AlarmRecord holds = alarms;
    if (!written && ReadStationAlarms(&holds)) {
        known = true;
        written = SameAlarmBytes(holds, alarms);
        if (written)
            holds = alarms;
    }
    if (known) {
        std::copy(holds.begin(), holds.end(), std::begin(m_alarmRecord));
        HandBack(held, holds);
    }
    return ReportUpload(written, m_language);
}

bool COrvelleDlg::WriteLocation(const StationCity (&cities)[2], HeldSetting<StationCities>* held)
{
    // A city the station cannot hold is never sent; both blocks are read before either is written.
    Block local{}, second{};
    if (!SendableCity(cities[0]) || !SendableCity(cities[1]) || !ReadStationBlock(LOCATION_BLOCK_ADDRESS, &local) ||
        !ReadStationBlock(SECOND_CITY_ADDRESS, &second))
        return ReportUpload(false, m_language);
    EncodeCityRecord(cities[0], &local[LOCAL_CITY_ADDRESS], true);
    EncodeCityRecord(cities[1], &second[0], false);
    bool written = SendBlock(local, LOCAL_CITY_SEND_BYTES, LOCATION_BLOCK_ADDRESS) &&
                   SendBlock(second, SECOND_CITY_SEND_BYTES, SECOND_CITY_ADDRESS);
    StationCities holds = {cities[0], cities[1]};
    if (!written) {
        // Both records, as the Location command reads them.
        if (!ReadStationAt(CITY_RECORDS_READ_ADDRESS))
            return ReportUpload(false, m_language);
        for (int k = 0; k < 2; ++k) {
            const uint8_t* record = g_systemKV318.m_memoryImage + CITY_RECORD_ADDRESSES[k];
            // The name of a user-defined city is the one sent when the station took that city.
            const bool took = SameCityBytes(DecodeCityRecord(record), cities[k]);
            holds[k] = took ? cities[k] : StationCityAt(record, m_locationSettings[k].name);
        }
        written = SameCityBytes(holds[0], cities[0]) && SameCityBytes(holds[1], cities[1]);
    }
    TakeLocation(holds);
    HandBack(held, holds);
    return ReportUpload(written, m_language);
}

// What the station holds as its two cities becomes the main window's location: texts, moon and
// sun, and "rLocation.dat" (a file that cannot be written is skipped).
void COrvelleDlg::TakeLocation(const StationCities& cities)
{
    for (int k = 0; k < 2; ++k)
        m_locationSettings[k] = CityFromUpload(cities[k]);
    m_chosenCityIndex = cities[0].cityCode;
    ShowLocationText(false);
    UpdateLunarPhase();
    ShowSunTexts();
    WriteSettingsFile(settings::LOCATION_FILE, settings::EncodeLocation(*this));
}
