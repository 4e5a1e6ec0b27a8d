// What the station settings dialogs call when the user presses "Upload new setting": the main
// window's writers (the main dialog implements them; a dialog holds it as m_pMainDlg). Each sends
// the setting to the station, keeps it in the main window when the station took it, tells the
// user the outcome in a message box ("Upload success" / "Upload failure") and returns true on
// success.
#pragma once
#include "station/SettingsBlocks.h"

class CStationWriters {
public:
    // Selection 0 (5 minutes) .. 10 (1 day).
    virtual bool WriteRecordInterval(int selection) = 0;
    // In the display unit of the altitude (feet or metres).
    virtual bool WriteAltitude(int altitude) = 0;
    virtual bool WriteAlarms(const stationsettings::AlarmRecord& alarms) = 0;
    // The local city, then the second city.
    virtual bool WriteLocation(const stationsettings::StationCity (&cities)[2]) = 0;

protected:
    ~CStationWriters() = default;
};
