// What the station settings dialogs call when the user presses "Upload new setting": the main
// window's writers (the main dialog implements them; a dialog holds it as m_pMainDlg). Each sends
// the setting to the station, keeps it in the main window when the station took it, tells the
// user the outcome in a message box ("Upload success" / "Upload failure") and returns true on
// success.
//
// A write the station did not acknowledge in time may still have reached it: the writer then
// reads the station again, counts the upload a success when the station holds what was sent, and
// otherwise keeps (and hands back through `held`) what the station holds now, so the dialog and
// the main window show the station's own setting.
#pragma once
#include "station/SettingsBlocks.h"

#include <array>

// The setting the station holds after an upload: the one sent after a success, the one read
// again after a failure; `known` is false when that read failed too (or nothing was sent). A
// writer given no `held` (null) hands nothing back.
template <class T>
struct HeldSetting {
    bool known = false;
    T value{};
};

// A dialog's current setting after an upload: what the station holds when that is known, else
// the value sent after a success, else the setting as it was.
template <class T>
T SettingAfterUpload(const HeldSetting<T>& held, bool written, const T& sent, const T& current)
{
    return held.known ? held.value : (written ? sent : current);
}

using StationCities = std::array<stationsettings::StationCity, 2>;

class CStationWriters {
public:
    // Selection 0 (5 minutes) .. 10 (1 day).
    virtual bool WriteRecordInterval(int selection, HeldSetting<int>* held) = 0;
    // In the display unit of the altitude (feet or metres); `held` in the same unit.
    virtual bool WriteAltitude(int altitude, HeldSetting<int>* held) = 0;
    // `held` keeps the main window's temperature alarm flag, which the station does not hold.
    virtual bool WriteAlarms(const stationsettings::AlarmRecord& alarms,
                             HeldSetting<stationsettings::AlarmRecord>* held) = 0;
    // The local city, then the second city.
    virtual bool WriteLocation(const stationsettings::StationCity (&cities)[2], HeldSetting<StationCities>* held) = 0;

protected:
    ~CStationWriters() = default;
};
