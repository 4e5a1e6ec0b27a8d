// A run of the shipped program with the emulated station, for the end-to-end scenarios.
//
// Each scenario copies the shipped binaries (ORVELLE_BIN_DIR) into a folder of its own, starts
// Orvelle.exe there and watches what it writes and shows, as a user would: the record files in
// its folder, the message boxes it opens (found among its windows, answered with OK) and whether
// it ends.
//
// Steering through the environment of the started program:
//   USB_EMULATOR=demo | <image path>      the emulated station (see platform/usb/USB.h)
//   USB_EMULATOR_FAULTS=...               emulator commands applied when the program opens it
//   USB_EMULATOR_CONTROL=<path>           emulator commands taken while the program runs (Steer)
//   ORVELLE_TEST_LIVE_PERIOD_MS=<ms>      the period of the live re-read (120000 in use)
//   ORVELLE_TEST_AUTOSAVE_MINUTE_MS=<ms>  the tick of the automatic saving's minute counter
//                                         (60000 in use)
// The two ORVELLE_TEST_* variables are a test seam only: nothing offers them to users.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

std::wstring Environment(const wchar_t* name);
// A Unix path from the test environment as a Windows path.
std::wstring WindowsPath(const std::wstring& unixPath);
std::string ReadBytes(const std::wstring& path);
// The file's first line, without its line end.
std::string FirstLine(const std::wstring& path);
// A text for a test's message, each character cut to its low byte (plain ASCII stays as it is).
std::string Narrow(const std::wstring& text);
bool Exists(const std::wstring& path);
int LineCount(const std::wstring& path);
void RemoveFolder(const std::wstring& folder);
std::vector<std::wstring> FilesIn(const std::wstring& folder, const std::wstring& pattern);
// Polls the condition at pauses that grow from 50 to 200 ms; its last answer once the time is up.
bool WaitFor(const std::function<bool()>& condition, int timeoutSeconds);
// Polls the condition every quarter second for the whole time (what must not happen gets the
// program's timer ticks of that time to happen); false as soon as it fails.
bool HoldsFor(const std::function<bool()>& condition, int milliseconds);
// The time of the file's last change (0 when there is none).
ULONGLONG LastWriteTime(const std::wstring& path);

class Program;
// A later start of the program in the folder of a first one.
struct SameFolderAs {
    const Program& first;
};

class Program {
public:
    explicit Program(const std::wstring& scenario);
    // The same in a folder of its own inside `parent` (which ends in a backslash): a small disk, say.
    Program(const std::wstring& scenario, const std::wstring& parent);
    // A second program run in the first one's folder, which is kept as it is (its console output
    // goes to "console-2.txt").
    explicit Program(SameFolderAs same);
    ~Program() { Stop(); }

    const std::wstring& Folder() const { return m_folder; }
    // The emulator's control file: in the program's folder, or, for a program on a disk of its
    // own (which may be full), in the test's folder.
    const std::wstring& ControlFile() const { return m_controlFile; }
    std::wstring File(const wchar_t* name) const { return m_folder + L"\\" + name; }
    bool HasBinaries() const { return Exists(File(L"Orvelle.exe")) && Exists(File(L"USB.dll")); }

    void SetEnvironment(const std::wstring& name, const std::wstring& value) { m_env.push_back(name + L"=" + value); }
    // The demo station's clock offset (minutes) that the program was given.
    double StationClock() const { return m_stationClock; }
    void SetStationClock(double minutes) { m_stationClock = minutes; }
    bool Start();

    bool Running() const { return m_started && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }
    DWORD ExitCode() const;
    bool WaitForExit(int seconds) const;

    HWND MessageBoxWindow() const;
    // Waits for a message box and returns its text ("" when none came).
    std::wstring WaitForMessageBox(int seconds) const;
    // Waits for a message box whose text is not `shown` (the box before it may still be closing) and
    // returns its text ("" when none came).
    std::wstring WaitForMessageBoxOtherThan(const std::wstring& shown, int seconds) const;
    int MessageBoxCount() const;
    void PressOk() const;
    HWND MainWindow() const;
    // A visible dialog of the program that holds a control of the id (null when none).
    HWND DialogWithControl(int controlId) const;

    // Closes the program as the user would (the window's close box); ends it if it does not go.
    void Stop();

    std::string Console() const { return ReadBytes(File(m_consoleName.c_str())); }
    // The main window's status text (control 1109).
    std::wstring StatusText() const;
    // Waits for the first poll: "RECORDS_CUSTOM.txt" written (false when the program ended first).
    bool WaitForFirstPoll(int seconds) const;
    // Hands emulator commands to the running program's station (see USB_EMULATOR_CONTROL in
    // platform/usb/USB.h); true once the emulator has taken them.
    bool Steer(const std::string& commands) const;

private:
    std::wstring m_folder;
    std::wstring m_controlFile;
    std::wstring m_consoleName = L"console.txt";
    std::vector<std::wstring> m_env;
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
    HANDLE m_console = INVALID_HANDLE_VALUE;
    double m_stationClock = 0;
};

// A small station (8 KB memory, 40 records every five minutes up to now, its live blocks) as an
// image file in the scenario's folder; the program downloads it in about a second.
std::wstring WriteSmallStation(const Program& program);

// The station clock offset (minutes, for the emulator's "advance") that puts the demo station's
// next five-minute record `seconds` seconds after now.
double OffsetForNextRecordIn(int seconds);

// The demo station for the program, its next record `nextRecordSeconds` after now, and a live read
// every two seconds.
void UseDemoStation(Program& program, int nextRecordSeconds);
// The same with the station's clock moved on by `clockOffsetMinutes` (the emulator's "advance").
void UseDemoStationAt(Program& program, double clockOffsetMinutes);
// The demo station of an earlier start, with its clock: it holds the records it held then, and no
// more (a clock put anew may have passed another five-minute record meanwhile).
void UseDemoStationOf(Program& program, const Program& earlier);

// A local time as the record files' "yymmddhhmm" stamp.
std::wstring LocalStamp(const SYSTEMTIME& t);

inline const wchar_t* const kCantReceive = L"Can't receive data!";
inline const wchar_t* const kConnectPrompt =
    L"Please ensure the Weather Station is connected before running this program.";
inline const wchar_t* const kRecordFiles[] = {L"csv.dat",     L"txt.dat",     L"csv_custom.dat",     L"txt_custom.dat",
                                              L"RECORDS.csv", L"RECORDS.txt", L"RECORDS_CUSTOM.csv", L"RECORDS_CUSTOM.txt"};

}  // namespace e2e
