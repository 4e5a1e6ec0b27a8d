// Start to window: how long Orvelle.exe (beside this program, with the demo station) takes from its
// start until its main window is visible, over several starts; and, for comparison, a program that
// shows one empty window (this program started again with --empty-window).
//
// The program runs in a copy of the binaries in a folder of its own under the temporary folder, as
// a user's installation would; the first start writes the settings files there, so it is left out
// of the figures. Run it in a Wine session that is already up, on a display without a window
// manager (as tools/test.sh prepares one), e.g.
//   xvfb-run -a sh -c 'build/wine-run wineboot >/dev/null 2>&1; build/wine-run build/bin/startup_bench.exe 8'
#include "bench/BenchClock.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kProgressBarId = 1029;  // a control only the main window has

struct WindowSearch {
    DWORD processId;
    bool needsProgressBar;
    HWND found;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid != search->processId || !::IsWindowVisible(window))
        return TRUE;
    if (search->needsProgressBar && !::GetDlgItem(window, kProgressBarId))
        return TRUE;
    search->found = window;
    return FALSE;
}

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.rfind(L'\\') + 1);
}

// Orvelle.exe and the DLLs beside this program, copied into a fresh folder.
std::wstring CopyOfTheProgram()
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"orvelle_startup_bench\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring bin = ProgramFolder();
    for (const wchar_t* pattern : {L"Orvelle.exe", L"*.dll"}) {
        WIN32_FIND_DATAW found;
        HANDLE find = ::FindFirstFileW((bin + pattern).c_str(), &found);
        if (find == INVALID_HANDLE_VALUE)
            continue;
        do
            ::CopyFileW((bin + found.cFileName).c_str(), (folder + found.cFileName).c_str(), FALSE);
        while (::FindNextFileW(find, &found));
        ::FindClose(find);
    }
    return folder;
}

// Starts the command in the folder and returns the milliseconds until its window shows, or -1.
double TimeToWindow(std::wstring command, const std::wstring& folder, bool mainWindow)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = NowMs();
    if (!::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                          &process))
        return -1;
    WindowSearch search{process.dwProcessId, mainWindow, nullptr};
    double shown = -1;
    while (NowMs() - start < 30000 && ::WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        ::EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            shown = NowMs() - start;
            break;
        }
        ::Sleep(2);
    }
    if (search.found)
        ::PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return shown;
}

void Report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    if (times.empty() || times.front() < 0) {
        std::printf("%s: no window\n", what);
        return;
    }
    std::printf("%s: median %.0f ms, min %.0f ms, max %.0f ms over %zu starts (", what, times[times.size() / 2],
                times.front(), times.back(), times.size());
    for (std::size_t i = 0; i < times.size(); ++i)
        std::printf(i ? " %.0f" : "%.0f", times[i]);
    std::printf(")\n");
}

LRESULT CALLBACK EmptyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        ::PostQuitMessage(0);
    return ::DefWindowProcW(window, message, wParam, lParam);
}

int ShowEmptyWindow()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = EmptyWindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"StartupBenchEmpty";
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowW(L"StartupBenchEmpty", L"Empty", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 965,
                                  735, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window)
        return 1;
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0)
        ::DispatchMessageW(&message);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc > 1 && std::wcscmp(argv[1], L"--empty-window") == 0)
        return ShowEmptyWindow();
    const int starts = argc > 1 ? std::max(1, _wtoi(argv[1])) : 8;

    ::SetEnvironmentVariableW(L"USB_EMULATOR", L"demo");
    const std::wstring folder = CopyOfTheProgram();
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);

    std::vector<double> empty, program;
    TimeToWindow(L"\"" + folder + L"Orvelle.exe\"", folder, true);  // the first start writes the settings
    for (int i = 0; i < starts; ++i) {
        empty.push_back(TimeToWindow(L"\"" + std::wstring(self) + L"\" --empty-window", folder, false));
        program.push_back(TimeToWindow(L"\"" + folder + L"Orvelle.exe\"", folder, true));
    }
    Report("empty window", empty);
    Report("Orvelle.exe main window", program);
    return 0;
}
