// The main dialog's settings files: read at start, each written back at once when it does not hold
// the values in use (so a missing or damaged file is replaced by the defaults); the rain-reset file.
#include "app/OrvelleDlg.h"

#include "app/SettingsFiles.h"
#include "app/StartupPaths.h"

namespace {

// The file's bytes, or null when it cannot be opened.
const settings::Bytes* ReadSettingsFile(const std::wstring& path, settings::Bytes& buffer)
{
    return settings::ReadFileBytes(path, &buffer) ? &buffer : nullptr;
}

}  // namespace

void COrvelleDlg::WriteBackSettingsFile(const wchar_t* name, const settings::Bytes* read, const settings::Bytes& values)
{
    // A file that holds the values in use already is left as it is (a full disk at the start has
    // nothing to say about it).
    if (read == nullptr || *read != values)
        WriteSettingsFile(name, values);
}

void COrvelleDlg::LoadSettings()
{
    using namespace settings;
    Bytes buffer;
    const std::wstring folder = m_installFolder;

    // Language.
    const Bytes* file = ReadSettingsFile(folder + LANGUAGE_FILE, buffer);
    m_language = DecodeLanguage(file);
    WriteBackSettingsFile(LANGUAGE_FILE, file, EncodeLanguage(m_language));

    // Automatic saving; a folder that has gone becomes the install folder.
    file = ReadSettingsFile(folder + AUTO_SAVING_FILE, buffer);
    DecodeAutoSaving(file, m_language, folder, *this);
    m_autoSaveMinutes = 0;
    if (file && !IsFolder(m_autoSaveFolder))
        m_autoSaveFolder = folder;
    WriteBackSettingsFile(AUTO_SAVING_FILE, file, EncodeAutoSaving(*this));

    // The client size of the template, before the window is moved.
    CRect client;
    GetClientRect(client);
    m_initClientWidth = client.Width();
    m_initClientHeight = client.Height();
    m_clientWidth = client.Width();
    m_clientHeight = client.Height();
    m_recordInterval = 4;
    m_altitude = 15;

    // Channel names and chart line styles.
    file = ReadSettingsFile(folder + THD_FILE, buffer);
    DecodeThd(file, m_language, *this);
    WriteBackSettingsFile(THD_FILE, file, EncodeThd(*this));

    // Display switches.
    file = ReadSettingsFile(folder + DISPLAY_FILE, buffer);
    DecodeDisplay(file, *this);
    WriteBackSettingsFile(DISPLAY_FILE, file, EncodeDisplay(*this));

    // Alarm record (the alarm values themselves live in the station).
    SetDefaultAlarmRecord(*this);

    // Units.
    file = ReadSettingsFile(folder + UNIT_FILE, buffer);
    DecodeUnits(file, *this);
    WriteBackSettingsFile(UNIT_FILE, file, EncodeUnits(*this));

    // Location.
    file = ReadSettingsFile(folder + LOCATION_FILE, buffer);
    DecodeLocation(file, *this);
    WriteBackSettingsFile(LOCATION_FILE, file, EncodeLocation(*this));
}

settings::Bytes COrvelleDlg::RainResetBytes() const
{
    settings::RainReset reset;
    reset.year = m_recordTime[RECORD_YEAR];
    reset.month = m_recordTime[RECORD_MONTH];
    reset.day = m_recordTime[RECORD_DAY];
    reset.hour = m_recordTime[RECORD_HOUR];
    reset.minute = m_recordTime[RECORD_MINUTE];
    reset.counter = m_lastRainCounter;
    return settings::EncodeRainReset(reset);
}

bool COrvelleDlg::SaveRainReset() { return WriteSettingsFile(settings::RAIN_RESET_FILE, RainResetBytes()); }

bool COrvelleDlg::LoadRainReset()
{
    // By its bare name: the current folder is the install folder from the start on.
    settings::Bytes bytes;
    settings::RainReset reset;
    if (!settings::ReadFileBytes(settings::RAIN_RESET_FILE, &bytes) || !settings::DecodeRainReset(bytes, &reset))
        return false;
    m_rainResetTime[0] = reset.year;
    m_rainResetTime[1] = reset.month;
    m_rainResetTime[2] = reset.day;
    m_rainResetTime[3] = reset.hour;
    m_rainResetTime[4] = reset.minute;
    m_rainResetTimeChart = ChartTimeOf(reset.year, reset.month, reset.day, reset.hour, reset.minute, 0);
    m_lastRainCounter = reset.counter;
    m_rainCounterAtReset = reset.counter;
    return true;
}
