// The program run of the end-to-end scenarios: its own folder, its environment, its windows.
#include "tests/e2e/ProgramRun.h"

#include "platform/usb/StationImage.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <thread>

namespace e2e {

namespace {

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

}  // namespace

std::wstring Environment(const wchar_t* name)
{
    wchar_t buffer[4096];
    const DWORD n = GetEnvironmentVariableW(name, buffer, 4096);
    return n > 0 && n < 4096 ? std::wstring(buffer, n) : std::wstring();
}

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

std::string FirstLine(const std::wstring& path)
{
    const std::string bytes = ReadBytes(path);
    return bytes.substr(0, bytes.find("\r\n"));
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

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
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    // Looked at soon after the start, then less often: reading the files of a condition takes
    // processor time from the programs under test.
    int pause = 50;
    while (std::chrono::steady_clock::now() < end) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(pause));
        pause = std::min(pause * 2, 200);
    }
    return condition();
}

bool HoldsFor(const std::function<bool()>& condition, int milliseconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
        if (!condition())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
    return condition();
}

ULONGLONG LastWriteTime(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

namespace {

std::wstring CurrentFolder()
{
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    return std::wstring(current) + L"\\";
}

}  // namespace

Program::Program(const std::wstring& scenario) : Program(scenario, CurrentFolder()) {}

Program::Program(const std::wstring& scenario, const std::wstring& parent)
{
    m_folder = parent + L"e2e_" + scenario;
    m_controlFile = parent == CurrentFolder() ? File(L"emulator-control.txt")
                                              : CurrentFolder() + L"e2e_" + scenario + L"_emulator-control.txt";
    RemoveFolder(m_folder);
    CreateDirectoryW(m_folder.c_str(), nullptr);
    // The program and its libraries (not the benchmarks beside them).
    const std::wstring bin = WindowsPath(Environment(L"ORVELLE_BIN_DIR"));
    for (const wchar_t* pattern : {L"Orvelle.exe", L"*.dll"})
        for (const std::wstring& name : FilesIn(bin, pattern))
            CopyFileW((bin + L"\\" + name).c_str(), (m_folder + L"\\" + name).c_str(), FALSE);
}

Program::Program(SameFolderAs same)
    : m_folder(same.first.Folder()), m_controlFile(same.first.ControlFile()), m_consoleName(L"console-2.txt")
{
}

bool Program::Start()
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
    m_console = CreateFileW(File(m_consoleName.c_str()).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = m_console;
    startup.hStdError = m_console;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring command = L"\"" + File(L"Orvelle.exe") + L"\"";
    // A start can fail for a passing cause: under Wine a new process that ends while it starts (the
    // system busy) is an internal error. Such a start is tried again.
    constexpr int kAttempts = 5;
    DWORD error = 0;
    int attempts = 0;
    while (!m_started && attempts < kAttempts) {
        ++attempts;
        m_started = CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                                   block.data(), m_folder.c_str(), &startup, &m_process) != FALSE;
        error = m_started ? 0 : GetLastError();
        if (error != ERROR_INTERNAL_ERROR && error != ERROR_NOT_ENOUGH_MEMORY && error != ERROR_NO_SYSTEM_RESOURCES)
            break;
    }
    if (!m_started) {
        wchar_t reason[256] = L"";
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, reason, 256,
                       nullptr);
        std::wstring why = reason;
        why.erase(why.find_last_not_of(L"\r\n .") + 1);
        std::fprintf(stderr, "%s could not be started: CreateProcess failed with error %lu (%s), %d time(s)\n",
                     Narrow(command).c_str(), error, Narrow(why).c_str(), attempts);
    }
    return m_started;
}

DWORD Program::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

bool Program::WaitForExit(int seconds) const
{
    return m_started && WaitForSingleObject(m_process.hProcess, seconds * 1000) == WAIT_OBJECT_0;
}

HWND Program::MessageBoxWindow() const
{
    MessageBoxSearch search{m_process.dwProcessId};
    EnumWindows(FindMessageBoxProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

namespace {

// A message box's text ("" for none).
std::wstring MessageBoxText(HWND box)
{
    wchar_t text[1024] = {};
    if (box != nullptr)
        GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return text;
}

}  // namespace

std::wstring Program::WaitForMessageBox(int seconds) const
{
    HWND box = nullptr;
    WaitFor([&] { return (box = MessageBoxWindow()) != nullptr || !Running(); }, seconds);
    return MessageBoxText(box);
}

std::wstring Program::WaitForMessageBoxOtherThan(const std::wstring& shown, int seconds) const
{
    std::wstring text;
    WaitFor(
        [&] {
            text = MessageBoxText(MessageBoxWindow());
            if (text == shown)
                text.clear();
            return !text.empty();
        },
        seconds);
    return text;
}

int Program::MessageBoxCount() const
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

void Program::PressOk() const
{
    if (HWND box = MessageBoxWindow())
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

HWND Program::DialogWithControl(int controlId) const
{
    struct Search {
        DWORD processId;
        int controlId;
        HWND found = nullptr;
    } search{m_process.dwProcessId, controlId};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            if (pid != s->processId || !IsWindowVisible(window) || GetDlgItem(window, s->controlId) == nullptr)
                return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::MainWindow() const
{
    MainWindowSearch search{m_process.dwProcessId};
    EnumWindows(FindMainWindowProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Program::Stop()
{
    if (!m_started)
        return;
    if (Running()) {
        if (HWND main = MainWindow())
            PostMessageW(main, WM_CLOSE, 0, 0);
        // A box that the program shows meanwhile (a notice of its last reading) holds the close up
        // until it is answered: it is answered, as the user would.
        const bool ended = WaitFor(
            [&] {
                PressOk();
                return !Running();
            },
            20);
        if (!ended)
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

std::wstring Program::StatusText() const
{
    wchar_t text[256] = {};
    GetDlgItemTextW(MainWindow(), 1109, text, 256);
    return text;
}

bool Program::WaitForFirstPoll(int seconds) const
{
    WaitFor([&] { return Exists(File(L"RECORDS_CUSTOM.txt")) || !Running(); }, seconds);
    return Exists(File(L"RECORDS_CUSTOM.txt"));
}

bool Program::Steer(const std::string& commands) const
{
    const std::wstring staged = ControlFile() + L".tmp";
    {
        std::ofstream out(staged.c_str(), std::ios::binary);
        out << commands;
    }
    if (!MoveFileExW(staged.c_str(), ControlFile().c_str(), MOVEFILE_REPLACE_EXISTING))
        return false;
    return WaitFor([&] { return !Exists(ControlFile()); }, 20);
}

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

void UseDemoStation(Program& program, int nextRecordSeconds)
{
    UseDemoStationAt(program, OffsetForNextRecordIn(nextRecordSeconds));
}

void UseDemoStationAt(Program& program, double clockOffsetMinutes)
{
    wchar_t advance[64];
    swprintf(advance, 64, L"advance %.3f", clockOffsetMinutes);
    program.SetEnvironment(L"USB_EMULATOR", L"demo");
    program.SetEnvironment(L"USB_EMULATOR_FAULTS", advance);
    program.SetEnvironment(L"ORVELLE_TEST_LIVE_PERIOD_MS", L"2000");
    program.SetStationClock(clockOffsetMinutes);
}

void UseDemoStationOf(Program& program, const Program& earlier)
{
    UseDemoStationAt(program, earlier.StationClock());
}

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

}  // namespace e2e
