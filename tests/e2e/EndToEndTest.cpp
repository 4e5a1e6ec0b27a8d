// End-to-end runs of the shipped program with the emulated station.
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
#include "app/SettingsFiles.h"
#include "platform/usb/StationImage.h"
#include "records/RecordMerge.h"
#include "res/resource.h"
#include "tests/e2e/PrintedPage.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <functional>
#include <fstream>
#include <iterator>
#include <string>
#include <regex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::wstring Environment(const wchar_t* name)
{
    wchar_t buffer[4096];
    const DWORD n = GetEnvironmentVariableW(name, buffer, 4096);
    return n > 0 && n < 4096 ? std::wstring(buffer, n) : std::wstring();
}

// A Unix path from the test environment as a Windows path.
std::wstring WindowsPath(const std::wstring& unixPath)
{
    std::wstring path = unixPath;
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path.size() > 1 && path[1] == L':' ? path : L"Z:" + path;
}

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

int LineCount(const std::wstring& path)
{
    int lines = 0;
    for (char c : ReadBytes(path))
        lines += c == '\n';
    return lines;
}

void RemoveFolder(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolder(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

std::vector<std::wstring> FilesIn(const std::wstring& folder, const std::wstring& pattern)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\" + pattern).c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileW(find, &found));
    FindClose(find);
    return names;
}

bool WaitFor(const std::function<bool()>& condition, int timeoutSeconds)
{
    const auto end = Clock::now() + std::chrono::seconds(timeoutSeconds);
    while (Clock::now() < end) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
    return condition();
}

// A message box of a process: a visible dialog window of it that is not the main dialog (which
// holds the progress bar 1029) and has an OK button.
struct MessageBoxSearch {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK FindMessageBoxProc(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<MessageBoxSearch*>(parameter);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->processId || !IsWindowVisible(window))
        return TRUE;
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (std::wstring(className) != L"#32770" || GetDlgItem(window, 1029) != nullptr ||
        GetDlgItem(window, IDOK) == nullptr)
        return TRUE;
    search->found = window;
    return FALSE;
}

struct MainWindowSearch {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK FindMainWindowProc(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<MainWindowSearch*>(parameter);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->processId && GetDlgItem(window, 1029) != nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

class Program {
public:
    explicit Program(const std::wstring& scenario)
    {
        wchar_t current[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, current);
        m_folder = std::wstring(current) + L"\\e2e_" + scenario;
        RemoveFolder(m_folder);
        CreateDirectoryW(m_folder.c_str(), nullptr);
        const std::wstring bin = WindowsPath(Environment(L"ORVELLE_BIN_DIR"));
        for (const wchar_t* pattern : {L"*.exe", L"*.dll"})
            for (const std::wstring& name : FilesIn(bin, pattern))
                CopyFileW((bin + L"\\" + name).c_str(), (m_folder + L"\\" + name).c_str(), FALSE);
    }

    ~Program() { Stop(); }

    const std::wstring& Folder() const { return m_folder; }
    std::wstring ControlFile() const { return File(L"emulator-control.txt"); }
    std::wstring File(const wchar_t* name) const { return m_folder + L"\\" + name; }
    bool HasBinaries() const { return Exists(File(L"Orvelle.exe")) && Exists(File(L"USB.dll")); }

    void SetEnvironment(const std::wstring& name, const std::wstring& value) { m_env.push_back(name + L"=" + value); }

    bool Start()
    {
        // The environment of this process without the variables the scenario sets, then those.
        std::vector<wchar_t> block;
        LPWCH strings = GetEnvironmentStringsW();
        for (const wchar_t* p = strings; *p; p += wcslen(p) + 1) {
            const std::wstring entry = p;
            bool overridden = false;
            for (const std::wstring& own : m_env)
                overridden |= _wcsnicmp(entry.c_str(), own.c_str(), own.find(L'=') + 1) == 0;
            for (const wchar_t* name : {L"USB_EMULATOR=", L"USB_EMULATOR_FAULTS=", L"USB_EMULATOR_CONTROL=",
                                        L"ORVELLE_TEST_"})
                overridden |= _wcsnicmp(entry.c_str(), name, wcslen(name)) == 0;
            if (!overridden)
                block.insert(block.end(), entry.c_str(), entry.c_str() + entry.size() + 1);
        }
        FreeEnvironmentStringsW(strings);
        std::vector<std::wstring> own = m_env;
        own.push_back(L"USB_EMULATOR_CONTROL=" + ControlFile());
        for (const std::wstring& entry : own)
            block.insert(block.end(), entry.c_str(), entry.c_str() + entry.size() + 1);
        block.push_back(L'\0');

        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        m_console = CreateFileW(File(L"console.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = m_console;
        startup.hStdError = m_console;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        std::wstring command = L"\"" + File(L"Orvelle.exe") + L"\"";
        m_started = CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                                   block.data(), m_folder.c_str(), &startup, &m_process) != FALSE;
        if (!m_started)
            std::fprintf(stderr, "CreateProcess failed with error %lu\n", GetLastError());
        return m_started;
    }

    bool Running() const { return m_started && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }
    DWORD ExitCode() const
    {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }
    bool WaitForExit(int seconds) const
    {
        return m_started && WaitForSingleObject(m_process.hProcess, seconds * 1000) == WAIT_OBJECT_0;
    }

    HWND MessageBoxWindow() const
    {
        MessageBoxSearch search{m_process.dwProcessId};
        EnumWindows(FindMessageBoxProc, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    // Waits for a message box and returns its text ("" when none came).
    std::wstring WaitForMessageBox(int seconds) const
    {
        HWND box = nullptr;
        WaitFor([&] { return (box = MessageBoxWindow()) != nullptr || !Running(); }, seconds);
        if (box == nullptr)
            return std::wstring();
        wchar_t text[1024] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 1024);
        return text;
    }

    int MessageBoxCount() const
    {
        struct Count {
            DWORD processId;
            int boxes;
        } count{m_process.dwProcessId, 0};
        EnumWindows(
            [](HWND window, LPARAM parameter) -> BOOL {
                auto* c = reinterpret_cast<Count*>(parameter);
                DWORD pid = 0;
                GetWindowThreadProcessId(window, &pid);
                wchar_t className[64] = {};
                GetClassNameW(window, className, 64);
                if (pid == c->processId && IsWindowVisible(window) && std::wstring(className) == L"#32770" &&
                    GetDlgItem(window, 1029) == nullptr)
                    ++c->boxes;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&count));
        return count.boxes;
    }

    void PressOk() const
    {
        if (HWND box = MessageBoxWindow())
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    }

    HWND MainWindow() const
    {
        MainWindowSearch search{m_process.dwProcessId};
        EnumWindows(FindMainWindowProc, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    // Closes the program as the user would (the window's close box); ends it if it does not go.
    void Stop()
    {
        if (!m_started)
            return;
        if (Running()) {
            if (HWND main = MainWindow())
                PostMessageW(main, WM_CLOSE, 0, 0);
            if (!WaitForExit(20))
                TerminateProcess(m_process.hProcess, 1);
            WaitForSingleObject(m_process.hProcess, 5000);
        }
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
        m_started = false;
        if (m_console != INVALID_HANDLE_VALUE)
            CloseHandle(m_console);
        m_console = INVALID_HANDLE_VALUE;
    }

    std::string Console() const { return ReadBytes(File(L"console.txt")); }

    // The main window's status text (control 1109).
    std::wstring StatusText() const
    {
        wchar_t text[256] = {};
        GetDlgItemTextW(MainWindow(), 1109, text, 256);
        return text;
    }

    // Waits for the first poll: "RECORDS_CUSTOM.txt" written (false when the program ended first).
    bool WaitForFirstPoll(int seconds) const
    {
        WaitFor([&] { return Exists(File(L"RECORDS_CUSTOM.txt")) || !Running(); }, seconds);
        return Exists(File(L"RECORDS_CUSTOM.txt"));
    }

    // Hands emulator commands to the running program's station (see USB_EMULATOR_CONTROL in
    // platform/usb/USB.h); true once the emulator has taken them.
    bool Steer(const std::string& commands) const
    {
        const std::wstring staged = File(L"emulator-control.tmp");
        {
            std::ofstream out(staged.c_str(), std::ios::binary);
            out << commands;
        }
        if (!MoveFileExW(staged.c_str(), ControlFile().c_str(), MOVEFILE_REPLACE_EXISTING))
            return false;
        return WaitFor([&] { return !Exists(ControlFile()); }, 20);
    }

private:
    std::wstring m_folder;
    std::vector<std::wstring> m_env;
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
    HANDLE m_console = INVALID_HANDLE_VALUE;
};

// A small station (8 KB memory, 40 records every five minutes up to now, its live blocks) as an
// image file in the scenario's folder; the program downloads it in about a second.
std::wstring WriteSmallStation(const Program& program)
{
    namespace si = stationimage;
    SYSTEMTIME now;
    GetLocalTime(&now);
    si::Image image = si::MakeEmptyImage();
    si::SetMemoryInfo(image, si::SIZE_CODE_8K, 40, 1);
    si::WeatherReading reading = si::TypicalReading();
    reading.time = {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute - now.wMinute % 5};
    si::WriteRecordSeries(image, 39, 40, reading, 5, 1);
    si::SetAltitude(image, 120);
    si::FixAllChecksums(image);
    si::LiveBlocks live;
    live.stamp = si::EncodeLiveStamp({now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute});
    live.readings = si::EncodeLiveReadings(reading);
    const std::wstring path = program.File(L"station.img");
    si::WriteImageFile(path, image, &live);
    return path;
}

const wchar_t* const kCantReceive = L"Can't receive data!";
const wchar_t* const kConnectPrompt = L"Please ensure the Weather Station is connected before running this program.";
const wchar_t* const kRecordFiles[] = {L"csv.dat",     L"txt.dat",     L"csv_custom.dat",     L"txt_custom.dat",
                                       L"RECORDS.csv", L"RECORDS.txt", L"RECORDS_CUSTOM.csv", L"RECORDS_CUSTOM.txt"};

// The station clock offset (minutes, for the emulator's "advance") that puts the demo station's
// next five-minute record `seconds` seconds after now.
double OffsetForNextRecordIn(int seconds)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    const double intoCycle = (now.wMinute % 5) * 60 + now.wSecond + now.wMilliseconds / 1000.0;
    double offset = (300 - seconds) - intoCycle;
    while (offset < 0)
        offset += 300;
    return offset / 60.0;
}

std::wstring LocalStamp(const SYSTEMTIME& t)
{
    wchar_t text[32];
    swprintf(text, 32, L"%02d%02d%02d%02d%02d", t.wYear % 1000, t.wMonth, t.wDay, t.wHour, t.wMinute);
    return text;
}

TEST(EndToEnd, NoStationAsksForItAndEnds)
{
    Program program(L"no_station");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", program.File(L"no-such-station.img"));
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.WaitForMessageBox(60), kConnectPrompt);
    program.PressOk();
    EXPECT_TRUE(program.WaitForExit(20));
    EXPECT_FALSE(Exists(program.File(L"csv.dat")));
}

TEST(EndToEnd, StationUnpluggedDuringTheDownloadGivesTheMessageAndEnds)
{
    Program program(L"unplug");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(program));
    // The station goes away part of the way through its history download.
    program.SetEnvironment(L"USB_EMULATOR_FAULTS", L"unplug-after 100");
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.WaitForMessageBox(120), kConnectPrompt);
    // Only one prompt, however long it stays open.
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_EQ(program.MessageBoxCount(), 1);
    program.PressOk();
    EXPECT_TRUE(program.WaitForExit(20));
}

TEST(EndToEnd, StationUnpluggedWhilePollingGivesTheMessageAndEnds)
{
    Program program(L"unplug_polling");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(program));
    program.SetEnvironment(L"ORVELLE_TEST_LIVE_PERIOD_MS", L"500");
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitForFirstPoll(120)) << "the first poll should come before the unplugging";
    // Gone while the live reads go on.
    std::this_thread::sleep_for(std::chrono::seconds(1));
    ASSERT_TRUE(program.Steer("unplug"));
    EXPECT_EQ(program.WaitForMessageBox(120), kConnectPrompt);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_EQ(program.MessageBoxCount(), 1);
    wchar_t status[128] = {};
    GetDlgItemTextW(program.MainWindow(), 1109, status, 128);
    EXPECT_STREQ(status, L"USB Disconnected");
    program.PressOk();
    EXPECT_TRUE(program.WaitForExit(20));
}

TEST(EndToEnd, PowerSettingsToCorrectAskForAReconnectAndEnd)
{
    // A station instance whose power management is switched on.
    const wchar_t* const deviceKey = L"SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_1130&PID_6801";
    const std::wstring parameters = std::wstring(deviceKey) + L"\\e2e0001\\Device Parameters";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, parameters.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    const DWORD on = 1;
    RegSetValueExW(key, L"DeviceSelectiveSuspended", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);

    Program program(L"power");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", L"demo");
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.WaitForMessageBox(60),
              L"Please disconnect the Weather Station for ten seconds and re-connect it again before running this "
              L"program.");
    program.PressOk();
    EXPECT_TRUE(program.WaitForExit(20));
    EXPECT_NE(program.Console().find("Registry invalid and should be modified"), std::string::npos);
    EXPECT_FALSE(Exists(program.File(L"csv.dat")));  // the download was never started
    DWORD value = 7, size = sizeof value;
    EXPECT_EQ(RegQueryValueExW(key, L"DeviceSelectiveSuspended", nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                               &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 0u);
    RegCloseKey(key);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, deviceKey);
}

TEST(EndToEnd, RecordFilesNewRecordHeldCopyAndAutomaticSaving)
{
    Program program(L"demo");
    ASSERT_TRUE(program.HasBinaries());

    // Automatic saving every "2 minutes" of CSV, text and JPEG into a folder of its own.
    const std::wstring saves = program.Folder() + L"\\saves";
    CreateDirectoryW(saves.c_str(), nullptr);
    CSettingsRecord settings;
    settings.m_autoSaveInterval = 1;
    settings.m_autoSaveCount = 1;
    settings.m_autoSaveCsv = 1;
    settings.m_autoSaveTxt = 1;
    settings.m_autoSaveJpg = 1;
    settings.m_autoSavePrefix = L"RECORD";
    settings.m_autoSaveFolder = saves;
    ASSERT_TRUE(settings::WriteFileBytes(program.File(settings::AUTO_SAVING_FILE), settings::EncodeAutoSaving(settings)));

    // "RECORDS.csv" held open by another program from the start.
    const std::string heldText = "held by another program\r\n";
    {
        std::ofstream held(program.File(L"RECORDS.csv").c_str(), std::ios::binary);
        held << heldText;
    }
    HANDLE held = CreateFileW(program.File(L"RECORDS.csv").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    // The station's last record came ten seconds before the start: its next one is far off until
    // the test moves the station's clock on.
    wchar_t advance[64];
    swprintf(advance, 64, L"advance %.3f", OffsetForNextRecordIn(290));
    program.SetEnvironment(L"USB_EMULATOR", L"demo");
    program.SetEnvironment(L"USB_EMULATOR_FAULTS", advance);
    program.SetEnvironment(L"ORVELLE_TEST_LIVE_PERIOD_MS", L"2000");
    program.SetEnvironment(L"ORVELLE_TEST_AUTOSAVE_MINUTE_MS", L"1500");
    SYSTEMTIME startTime;
    GetLocalTime(&startTime);
    ASSERT_TRUE(program.Start());

    // First poll: every record file but the held one, the staging file gone.
    const bool firstPoll = WaitFor(
        [&] {
            for (const wchar_t* name : kRecordFiles)
                if (std::wstring(name) != L"RECORDS.csv" && !Exists(program.File(name)))
                    return false;
            return !Exists(program.File(L"tmpLastRec.txt"));
        },
        120);
    ASSERT_TRUE(firstPoll) << "the first poll did not write the record files";
    EXPECT_EQ(program.MessageBoxWindow(), nullptr);
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const int downloadedLines = LineCount(program.File(L"csv.dat"));
    EXPECT_GT(downloadedLines, 1000);
    for (const wchar_t* name : {L"txt.dat", L"csv_custom.dat", L"txt_custom.dat"})
        EXPECT_EQ(LineCount(program.File(name)), downloadedLines) << name;
    EXPECT_EQ(ReadBytes(program.File(L"RECORDS.txt")), ReadBytes(program.File(L"txt.dat")));
    EXPECT_EQ(ReadBytes(program.File(L"RECORDS_CUSTOM.csv")), ReadBytes(program.File(L"csv_custom.dat")));
    EXPECT_NE(program.Console().find("VID PID path not exist."), std::string::npos);
    CloseHandle(held);
    // (Read after letting go: the exclusive handle keeps this process out too.)
    EXPECT_EQ(ReadBytes(program.File(L"RECORDS.csv")), heldText) << "a held file must be skipped";

    // Five minutes on: the station's next record is appended exactly once, and the freed copy replaced.
    ASSERT_TRUE(program.Steer("advance 5"));
    const bool appended =
        WaitFor([&] { return LineCount(program.File(L"csv.dat")) > downloadedLines; }, 30);
    ASSERT_TRUE(appended) << "no new record was appended";
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_EQ(LineCount(program.File(L"csv.dat")), downloadedLines + 1);
    EXPECT_EQ(ReadBytes(program.File(L"RECORDS.csv")), ReadBytes(program.File(L"csv.dat")));
    EXPECT_EQ(LineCount(program.File(L"RECORDS_CUSTOM.txt")), downloadedLines + 1);
    // A minute on, no record due: the live reading has a new minute, the record line is the same,
    // nothing more is appended.
    ASSERT_TRUE(program.Steer("advance 1"));
    std::this_thread::sleep_for(std::chrono::milliseconds(4500));  // two live reads and a tick
    EXPECT_EQ(LineCount(program.File(L"csv.dat")), downloadedLines + 1);
    EXPECT_EQ(program.MessageBoxWindow(), nullptr);

    // Automatic saving: "RECORD" and the stamp of the local time, in all three formats.
    SYSTEMTIME endTime;
    GetLocalTime(&endTime);
    const std::wstring first = LocalStamp(startTime), last = LocalStamp(endTime);
    int csv = 0, txt = 0, jpg = 0;
    for (const std::wstring& name : FilesIn(saves, L"RECORD*")) {
        ASSERT_EQ(name.size(), 6u + 10u + 4u) << std::string(name.begin(), name.end());
        const std::wstring stamp = name.substr(6, 10);
        EXPECT_GE(stamp, first);
        EXPECT_LE(stamp, last);
        const std::string bytes = ReadBytes(saves + L"\\" + name);
        const std::wstring extension = name.substr(16);
        if (extension == L".csv") {
            ++csv;
            EXPECT_EQ(bytes.rfind("Computer Date / Time,", 0), 0u);
            EXPECT_NE(bytes.find("\r\nIndoor,"), std::string::npos);
        } else if (extension == L".txt") {
            ++txt;
            EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE" "C\0", 4));
        } else if (extension == L".jpg") {
            ++jpg;
            EXPECT_EQ(bytes.substr(0, 3), "\xFF\xD8\xFF");
        }
    }
    EXPECT_GT(csv, 0);
    EXPECT_GT(txt, 0);
    EXPECT_GT(jpg, 0);

    // The window's close box ends the program.
    HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(20));
}

TEST(EndToEnd, InstallFolderOutsideTheCodePageWorksAndEnterAndEscKeepTheProgram)
{
    // "weather station" in Chinese: no 8-bit code page of this system holds the folder's name.
    Program program(L"\u6c14\u8c61\u7ad9");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(program));
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitForFirstPoll(60)) << "no record files in the folder";
    EXPECT_EQ(program.MessageBoxWindow(), nullptr);
    EXPECT_GT(LineCount(program.File(L"csv.dat")), 30);
    EXPECT_TRUE(Exists(program.File(L"data\\record_2min.csv")));
    EXPECT_TRUE(Exists(program.File(L"data\\all_weather.csv")));
    // The first poll drew the charts into the image folder.
    EXPECT_TRUE(Exists(program.File(L"Img\\IndoorTempMultiline.bmp")));
    EXPECT_TRUE(Exists(program.File(L"Img\\RainBarChart.bmp")));

    // Enter and Esc, as keys and as the commands the dialog makes of them: the program stays.
    const HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        PostMessageW(main, WM_KEYDOWN, key, 1);
        PostMessageW(main, WM_KEYUP, key, 0xC0000001);
    }
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_TRUE(program.Running()) << "Enter or Esc ended the program";

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(20));
}

TEST(EndToEnd, LiveFileThatCannotBeWrittenIsSaidOnce)
{
    Program program(L"live_unwritable");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(program));
    // "record_2min.csv" is a folder: no live reading can be written there.
    CreateDirectoryW(program.File(L"data").c_str(), nullptr);
    CreateDirectoryW(program.File(L"data\\record_2min.csv").c_str(), nullptr);
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.WaitForMessageBox(60), kCantReceive);
    program.PressOk();
    // Every tick tries again; nothing more is said.
    std::this_thread::sleep_for(std::chrono::seconds(3));
    EXPECT_TRUE(program.Running());
    EXPECT_EQ(program.MessageBoxCount(), 0);
    EXPECT_FALSE(Exists(program.File(L"csv.dat")));
}

TEST(EndToEnd, DownloadThatFailsWithTheStationThereIsSaidOnceAndTriedAgain)
{
    Program program(L"download_retry");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(program));
    // The memory size is told (twice: once for the download, once for its read), then the first
    // block fails its ten requests.
    program.SetEnvironment(L"USB_EMULATOR_FAULTS", L"after 2 fault bad-checksum 10");
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.WaitForMessageBox(60), kCantReceive);
    program.PressOk();
    ASSERT_TRUE(program.WaitForFirstPoll(60)) << "the download was not tried again";
    EXPECT_GT(LineCount(program.File(L"csv.dat")), 30);
    EXPECT_EQ(program.MessageBoxCount(), 0);
}

TEST(EndToEnd, ClosingDuringASlowDownloadEndsAtOnce)
{
    Program program(L"close_downloading");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(program));
    program.SetEnvironment(L"USB_EMULATOR_FAULTS", L"slow 300");
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(WaitFor([&] { return program.StatusText().find(L"% done") != std::wstring::npos; }, 30));
    // The block in progress gets no answer: the worker is inside its waits and retries.
    ASSERT_TRUE(program.Steer("fault no-reply"));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const ULONGLONG closed = GetTickCount64();
    PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(20));
    // A reply is waited for 5 s: a program that waits it out takes more than 4 s to end.
    const ULONGLONG took = GetTickCount64() - closed;
    EXPECT_LT(took, 2500u) << "the program waited out the station (" << took << " ms)";
    EXPECT_EQ(program.ExitCode(), 0u);
}

TEST(EndToEnd, HeldAndDamagedRecordFilesLoseAndRepeatNothing)
{
    Program program(L"held_damaged");
    ASSERT_TRUE(program.HasBinaries());
    const std::string header = BuildHeaderRow(',', DisplayUnitSelection()) + "\r\n";
    const std::string old = "2013,5,2,1,0,0,20.00,50.00,\r\n";
    std::string tabs = header + old;
    for (char& c : tabs)
        if (c == ',')
            c = '\t';
    auto write = [&](const wchar_t* name, const std::string& bytes) {
        std::ofstream out(program.File(name).c_str(), std::ios::binary);
        out << bytes;
    };
    // A damaged last line, a line dated 2099, and a file another program holds without letting
    // others read it.
    write(L"csv.dat", header + old + "\x01\x7f garbage,,zz\r\n");
    write(L"csv_custom.dat", header + old + "2099,4,1,1,0,0,\r\n");
    write(L"txt.dat", tabs);
    HANDLE held = CreateFileW(program.File(L"txt.dat").c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    wchar_t advance[64];
    swprintf(advance, 64, L"advance %.3f", OffsetForNextRecordIn(290));
    program.SetEnvironment(L"USB_EMULATOR", L"demo");
    program.SetEnvironment(L"USB_EMULATOR_FAULTS", advance);
    program.SetEnvironment(L"ORVELLE_TEST_LIVE_PERIOD_MS", L"2000");
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitForFirstPoll(120));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_EQ(program.StatusText(), L"Can't write record file!");
    EXPECT_TRUE(Exists(program.File(L"tmpLastRec.txt"))) << "the lines must stay staged";
    const int history = LineCount(program.File(L"csv.dat")) - 3;
    EXPECT_GT(history, 1000);
    EXPECT_EQ(LineCount(program.File(L"csv_custom.dat")), 3 + history) << "a line of 2099 blocked the history";
    EXPECT_EQ(ReadBytes(program.File(L"csv.dat")).substr(0, header.size() + old.size()), header + old);
    // The held file is as it was (read through the holder's own handle).
    std::string heldBytes(tabs.size() + 16, '\0');
    DWORD got = 0;
    SetFilePointer(held, 0, nullptr, FILE_BEGIN);
    ReadFile(held, &heldBytes[0], static_cast<DWORD>(heldBytes.size()), &got, nullptr);
    EXPECT_EQ(heldBytes.substr(0, got), tabs) << "a file that could not be read was overwritten";
    CloseHandle(held);

    // Let go, and the station's next record: every file has the history and the record once.
    ASSERT_TRUE(program.Steer("advance 5"));
    EXPECT_TRUE(WaitFor([&] { return LineCount(program.File(L"txt.dat")) == 2 + history + 1; }, 30));
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_EQ(LineCount(program.File(L"txt.dat")), 2 + history + 1);
    EXPECT_EQ(LineCount(program.File(L"csv.dat")), 3 + history + 1);
    EXPECT_EQ(LineCount(program.File(L"csv_custom.dat")), 3 + history + 1);
    EXPECT_EQ(LineCount(program.File(L"txt_custom.dat")), 1 + history + 1);
    EXPECT_EQ(ReadBytes(program.File(L"RECORDS.txt")), ReadBytes(program.File(L"txt.dat")));
    EXPECT_FALSE(Exists(program.File(L"tmpLastRec.txt")));
    EXPECT_EQ(program.StatusText().rfind(L"Remaining time", 0), 0u) << std::string(program.StatusText().begin(), program.StatusText().end());
    EXPECT_EQ(program.MessageBoxWindow(), nullptr);
}

}  // namespace

// ---- the sky panel and the About box -------------------------------------------------------------

namespace {

std::wstring ControlText(HWND window, int id)
{
    wchar_t text[1024] = {};
    GetDlgItemTextW(window, id, text, 1024);
    return text;
}

// The pixels of a control as the screen shows them.
std::vector<uint32_t> CapturedPixels(HWND control)
{
    RECT r{};
    GetWindowRect(control, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<uint32_t> pixels;
    if (w <= 0 || h <= 0)
        return pixels;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    pixels.assign(static_cast<uint32_t*>(bits), static_cast<uint32_t*>(bits) + w * h);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// A visible top-level window of the process that holds the control.
HWND WindowWithControl(DWORD processId, int controlId)
{
    struct Search {
        DWORD processId;
        int controlId;
        HWND found;
    } search{processId, controlId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            if (pid == s->processId && IsWindowVisible(window) && GetDlgItem(window, s->controlId) != nullptr) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The text of a message box that the window opened ("" when there is none).
std::wstring MessageOf(HWND owner)
{
    struct Search {
        HWND owner;
        HWND found;
    } search{owner, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            if (GetWindow(window, GW_OWNER) == s->owner && IsWindowVisible(window) &&
                std::wstring(className) == L"#32770") {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found ? ControlText(search.found, 0xFFFF) : std::wstring();
}

// The About box of the process: its visible dialog with the status edit 1413.
HWND AboutBoxOf(DWORD processId) { return WindowWithControl(processId, 1413); }

struct AboutContents {
    std::wstring versions, lines, close, version;
};

// Opens the About box by the message, reads it and closes it with its Close button.
AboutContents ReadAboutBox(HWND main, DWORD processId, UINT message, WPARAM command)
{
    AboutContents about;
    PostMessageW(main, message, command, 0);
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = AboutBoxOf(processId)) != nullptr; }, 30))
        return about;
    for (int id = 1408; id <= 1412; ++id)
        about.versions += ControlText(box, id) + L"|";
    about.lines = ControlText(box, 1413);
    about.close = ControlText(box, IDOK);
    about.version = ControlText(box, 1425);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    WaitFor([&] { return AboutBoxOf(processId) == nullptr; }, 10);
    return about;
}

}  // namespace

TEST(EndToEnd, SkyPanelValuesAndAboutBoxInGerman)
{
    Program program(L"sky");
    ASSERT_TRUE(program.HasBinaries());
    ASSERT_TRUE(settings::WriteFileBytes(program.File(settings::LANGUAGE_FILE), settings::EncodeLanguage(1)));
    program.SetEnvironment(L"USB_EMULATOR", L"demo");
    ASSERT_TRUE(program.Start());

    // The first poll fills the moon phase.
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = program.MainWindow()) != nullptr && !ControlText(main, 1063).empty(); },
                        240))
        << "no moon phase after the first poll";
    DWORD processId = 0;
    GetWindowThreadProcessId(main, &processId);

    // Moon phase name of the language, the demo station's own town (user-defined), sunrise before
    // sunset in the 24-hour form.
    const std::wstring phase = ControlText(main, 1063);
    const wchar_t* const* names = LunarPhaseNamesFor(LANGUAGE_GERMAN);
    EXPECT_TRUE(std::any_of(names, names + LUNAR_PHASE_NAME_COUNT, [&](const wchar_t* n) { return phase == n; }))
        << "phase name: " << std::string(phase.begin(), phase.end());
    EXPECT_EQ(ControlText(main, 1064), L"User defined city");
    EXPECT_EQ(ControlText(main, 1065), L"50\u00B07' Norden");
    EXPECT_EQ(ControlText(main, 1066), L"8\u00B041' Osten");
    const std::wregex clock(L"(\\d\\d):(\\d\\d)");
    const std::wstring sunrise = ControlText(main, 1061), sunset = ControlText(main, 1062);
    EXPECT_TRUE(std::regex_match(sunrise, clock));
    EXPECT_TRUE(std::regex_match(sunset, clock));
    EXPECT_LT(sunrise, sunset);

    // Every value box of the demo station is filled.
    for (int id : {1027, 1056, 1057, 1087, 1088, 1089, 1090, 1091, 1092, 1093, 1098, 1099, 1100, 1101, 1052})
        EXPECT_FALSE(ControlText(main, id).empty()) << "control " << id;
    EXPECT_NE(ControlText(main, 1140).find(L"seit "), std::wstring::npos);

    // The forecast picture moves on every five seconds.
    HWND forecast = GetDlgItem(main, 1003);
    ASSERT_NE(forecast, nullptr);
    std::vector<std::vector<uint32_t>> frames;
    for (int k = 0; k < 3; ++k) {
        frames.push_back(CapturedPixels(forecast));
        std::this_thread::sleep_for(std::chrono::milliseconds(5200));
    }
    ASSERT_FALSE(frames[0].empty());
    EXPECT_TRUE(frames[0] != frames[1] || frames[1] != frames[2]) << "the forecast picture did not change";

    // The About box from the Help menu and from the system menu: the same box, Close in German.
    const AboutContents fromMenu = ReadAboutBox(main, processId, WM_COMMAND, 32790);
    const AboutContents fromSystemMenu = ReadAboutBox(main, processId, WM_SYSCOMMAND, 16);
    EXPECT_EQ(fromMenu.versions, L"  V1|  V12|  V7|  V20|  V5|");
    EXPECT_EQ(fromMenu.close, L"Ende");
    EXPECT_EQ(fromMenu.version, L"Version 1.4");
    EXPECT_NE(fromMenu.lines.find(L"\r\n1Mbit\r\n"), std::wstring::npos) << "memory size line";
    EXPECT_EQ(std::count(fromMenu.lines.begin(), fromMenu.lines.end(), L'\n'), 10);
    EXPECT_EQ(fromSystemMenu.versions, fromMenu.versions);
    EXPECT_EQ(fromSystemMenu.close, fromMenu.close);
    EXPECT_EQ(fromSystemMenu.lines.substr(0, 40), fromMenu.lines.substr(0, 40));
    EXPECT_EQ(program.MessageBoxWindow(), nullptr);
}

// File > Print with cups-pdf's printer "PDF" chosen in the preview: one landscape page (the
// preview's default) in cups-pdf's folder, holding the capture of the main window inside the
// default margins (top and bottom 14 %, left and right 15 %) with its aspect ratio.
TEST(EndToEnd, PrintOnThePdfPrinterGivesOnePageWithTheWindowCapture)
{
    if (!printed::HasPrinter(L"PDF"))
        GTEST_SKIP() << "no printer \"PDF\" (cups-pdf): tools/test.sh starts CUPS and adds it when it runs as root";
    if (!Exists(printed::kPdfToPpm))
        GTEST_SKIP() << "no pdftoppm (poppler-utils) to read the printed page";
    const std::wstring pdfFolder = printed::PdfPrinterFolder();
    ASSERT_FALSE(pdfFolder.empty()) << "Wine does not name the home folder (WINEHOMEDIR)";

    Program program(L"print_pdf");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(program));
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitForFirstPoll(60)) << "no record files in the folder";
    const HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    DWORD processId = 0;
    GetWindowThreadProcessId(main, &processId);
    RECT client{};
    GetClientRect(main, &client);
    const std::vector<uint32_t> screen = CapturedPixels(main);
    const uint32_t background = printed::CommonestColour(screen);
    const double backgroundShare = std::count_if(screen.begin(), screen.end(), [&](uint32_t p) {
                                       return (p & 0xFFFFFF) == background;
                                   }) / double(screen.size());

    PostMessageW(main, WM_COMMAND, MAKEWPARAM(ID_FILE_PRINT, 0), 0);
    HWND preview = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (preview = WindowWithControl(processId, IDC_PRINT_PRINTER_LIST)) != nullptr; }, 30))
        << "no print preview";
    const HWND list = GetDlgItem(preview, IDC_PRINT_PRINTER_LIST);
    const LRESULT entry = SendMessageW(list, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(L"PDF"));
    ASSERT_NE(entry, CB_ERR) << "the printer list does not offer \"PDF\"";
    SendMessageW(list, CB_SETCURSEL, WPARAM(entry), 0);
    const printed::FileTimes before = printed::PdfFilesIn(pdfFolder);
    PostMessageW(preview, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(preview, IDOK)));
    std::wstring error;
    WaitFor([&] { return !IsWindow(preview) || !(error = MessageOf(preview)).empty(); }, 60);
    EXPECT_EQ(error, L"") << "printing reported an error";
    EXPECT_FALSE(IsWindow(preview)) << "the preview stayed open after printing";

    // The printed document is kept with the scenario, out of the printer's folder.
    const std::wstring pdf = program.File(L"printed.pdf");
    ASSERT_TRUE(printed::TakeNewPdf(pdfFolder, L"WeatherPrintPreview", before, pdf, 60))
        << "no new PDF in " << std::string(pdfFolder.begin(), pdfFolder.end());
    const std::vector<printed::Page> pages = printed::RenderPages(pdf, 24);
    ASSERT_EQ(pages.size(), 1u) << "pages in the printed PDF";
    const printed::Page& page = pages[0];
    EXPECT_GT(page.width, page.height) << "the page is not landscape";

    const RECT ink = printed::InkBox(page);
    ASSERT_GT(ink.right - ink.left, page.width / 4) << "the page is blank or nearly";
    ASSERT_GT(ink.bottom - ink.top, page.height / 4) << "the page is blank or nearly";
    // The capture fills the free height or the free width, from the top left corner of the margins.
    const double slack = 2.5;
    EXPECT_NEAR(ink.top, page.height * 0.14, slack);
    EXPECT_NEAR(ink.left, page.width * 0.15, slack);
    EXPECT_LE(ink.bottom, page.height * 0.86 + slack);
    EXPECT_LE(ink.right, page.width * 0.85 + slack);
    EXPECT_TRUE(ink.bottom >= page.height * 0.86 - slack || ink.right >= page.width * 0.85 - slack);
    // The whole window is on the page: the print has the proportions of the window's client area.
    const double shownRatio = double(client.right) / client.bottom;
    const double printedRatio = double(ink.right - ink.left) / (ink.bottom - ink.top);
    EXPECT_NEAR(printedRatio, shownRatio, 0.04 * shownRatio);
    // The window's own colours are on the paper: its commonest one covers about as much of the print.
    EXPECT_GT(printed::ShareNear(page, ink, background, 12), 0.8 * backgroundShare)
        << "window colour " << std::hex << background;
}
