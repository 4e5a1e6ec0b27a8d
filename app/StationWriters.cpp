// The settings that live in the station, written from the settings dialogs: record interval,
// altitude, alarms and location. Each writer sends its write frames, keeps the new values in the
// main dialog only when every frame was acknowledged, and ends with one message box in the
// current language ("Upload success" or "Upload failure"). The alarm and location writers read
// the station's block first and send it back patched, so the other bytes stay the station's own.
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
    if (!g_systemKV318.ReadMemoryRange(address, address + 32))
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
    location.latitudeDegrees = city.latDegrees;
    location.latitudeMinutes = city.latMinutes;
    location.latitudeHemisphere = city.south;
    location.longitudeDegrees = city.lonDegrees;
    location.longitudeMinutes = city.lonMinutes;
    location.longitudeHemisphere = city.west;
    location.dstRule = city.dstRule;
    location.zoneEast = city.zonePlus;
    location.zoneHours = city.zoneHours;
    location.zoneHalfHour = city.zoneMinutes != 0 ? 1 : 0;
    return location;
}

bool KnownCity(const StationCity& city)
{
    return city.cityCode >= 0 && city.cityCode < CITY_COUNT && city.region >= 0 && city.region < REGION_COUNT;
}

}  // namespace

bool COrvelleDlg::WriteRecordInterval(int selection)
{
    // A code the station does not know is never sent.
    const bool valid = selection >= 0 && selection < RECORD_INTERVAL_CHOICES;
    const bool written = valid && SendBlock(RecordIntervalBlock(selection), 32, RECORD_INTERVAL_ADDRESS);
    if (written) {
        m_recordInterval = selection;
        // The image follows what the station now holds (the polling loop reads the interval there).
        const Block block = RecordIntervalBlock(selection);
        g_systemKV318.m_memoryImage[RECORD_INTERVAL_ADDRESS] = block[0];
    }
    return ReportUpload(written, m_language);
}

bool COrvelleDlg::WriteAltitude(int altitude)
{
    const int metres = m_altitudeUnit != 1 ? FeetToMetres(altitude) : altitude;
    const bool written = SendBlock(AltitudeBlock(metres), 32, ALTITUDE_ADDRESS);
    if (written) {
        m_altitude = metres;
        m_altitudeMetres = metres;
    }
    return ReportUpload(written, m_language);
}

bool COrvelleDlg::WriteAlarms(const AlarmRecord& alarms)
{
    Block times{}, limits{};
    bool written = ReadStationBlock(ALARM_TIMES_ADDRESS, &times);
    if (written) {
        PatchAlarmTimes(times, alarms);
        written = SendBlock(times, 32, ALARM_TIMES_ADDRESS) && ReadStationBlock(ALARM_LIMITS_ADDRESS, &limits);
    }
    if (written) {
        PatchAlarmLimits(limits, alarms);
        written = SendBlock(limits, 32, ALARM_LIMITS_ADDRESS);
    }
    if (written)
        std::copy(alarms.begin(), alarms.end(), std::begin(m_alarmRecord));
    return ReportUpload(written, m_language);
}

bool COrvelleDlg::WriteLocation(const StationCity (&cities)[2])
{
    Block block{};
    // A city the tables do not know is never sent.
    bool written = KnownCity(cities[0]) && KnownCity(cities[1]) && ReadStationBlock(LOCATION_BLOCK_ADDRESS, &block);
    if (written) {
        EncodeCityRecord(cities[0], &block[LOCAL_CITY_ADDRESS], true);
        written = SendBlock(block, LOCAL_CITY_SEND_BYTES, LOCATION_BLOCK_ADDRESS) &&
                  ReadStationBlock(SECOND_CITY_ADDRESS, &block);
    }
    if (written) {
        EncodeCityRecord(cities[1], &block[0], false);
        written = SendBlock(block, SECOND_CITY_SEND_BYTES, SECOND_CITY_ADDRESS);
    }
    if (!written)
        return ReportUpload(false, m_language);
    for (int k = 0; k < 2; ++k)
        m_locationSettings[k] = CityFromUpload(cities[k]);
    m_chosenCityIndex = cities[0].cityCode;
    ShowLocationText(false);
    UpdateLunarPhase();
    ShowSunTexts();
    settings::WriteFileBytes(m_installFolder + settings::LOCATION_FILE, settings::EncodeLocation(*this));
    return ReportUpload(true, m_language);
}
