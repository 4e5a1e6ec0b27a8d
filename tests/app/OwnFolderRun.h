// Folders of the app tests, and checks that run inside a copy of this test program started from a
// folder of its own: the main dialog takes its program's folder as its install folder and writes
// its settings files there, as the program does.
#pragma once
#include <windows.h>

#include <string>

inline bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline bool IsDirectory(const std::wstring& path)
{
    DWORD a = ::GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// Removes a folder of this test with everything in it. Only a full path ending in a backslash is
// taken: an empty one would make the search run over the current folder.
inline void RemoveTree(const std::wstring& folder)
{
    if (folder.size() < 4 || folder[1] != L':' || folder.back() != L'\\')
        return;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(folder + name + L"\\");
            else
                ::DeleteFileW((folder + name).c_str());
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(folder.c_str());
}

// A fresh folder in the temporary folder, named by `prefix` and this process.
inline std::wstring FreshTempFolder(const wchar_t* prefix)
{
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + prefix + std::to_wstring(::GetCurrentProcessId()) + L"\\";
    RemoveTree(folder);
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

// Runs the tests matching `filter` in a copy of this program in `folder`, with the environment
// variable `marker` set to 1 there; the copy's exit code (0: its tests passed), or -1 when it could
// not be started or did not end within `seconds`.
inline int RunCopyInFolder(const std::wstring& folder, const wchar_t* filter, const wchar_t* marker, int seconds)
{
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (!::CopyFileW(self, (folder + L"app_tests.exe").c_str(), FALSE))
        return -1;
    ::SetEnvironmentVariableW(marker, L"1");
    STARTUPINFOW startup = {sizeof(startup)};
    PROCESS_INFORMATION process = {};
    std::wstring command = L"\"" + folder + L"app_tests.exe\" --gtest_filter=" + filter;
    const BOOL started =
        ::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &process);
    ::SetEnvironmentVariableW(marker, nullptr);
    if (!started)
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (::WaitForSingleObject(process.hProcess, static_cast<DWORD>(seconds) * 1000) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    return static_cast<int>(code);
}
