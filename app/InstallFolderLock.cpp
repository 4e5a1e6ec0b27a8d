#include "app/InstallFolderLock.h"

#include <cstdint>
#include <cwchar>
#include <functional>
#include <vector>

namespace {

constexpr DWORD WINDOW_POLL_MS = 100;

// A text that a system call writes into a buffer of a size it asks for: one retry with the size
// the first call reported; "" on failure.
std::wstring TextFromSystem(const std::function<DWORD(wchar_t*, DWORD)>& call)
{
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    DWORD length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    }
    return length > 0 && length < buffer.size() ? std::wstring(buffer.data(), length) : std::wstring();
}

// The path the system gives for the opened folder itself; "" when the folder cannot be opened.
std::wstring FinalPathOf(const std::wstring& folder)
{
    HANDLE handle = ::CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::wstring();
    const std::wstring path = TextFromSystem([handle](wchar_t* buffer, DWORD size) {
        return ::GetFinalPathNameByHandleW(handle, buffer, size, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    });
    ::CloseHandle(handle);
    return path;
}

// The full path with long names (the long form only when the folder exists).
std::wstring FullLongPathOf(const std::wstring& folder)
{
    const std::wstring full = TextFromSystem([&folder](wchar_t* buffer, DWORD size) {
        return ::GetFullPathNameW(folder.c_str(), size, buffer, nullptr);
    });
    if (full.empty())
        return folder;
    const std::wstring longPath = TextFromSystem([&full](wchar_t* buffer, DWORD size) {
        return ::GetLongPathNameW(full.c_str(), buffer, size);
    });
    return longPath.empty() ? full : longPath;
}

std::wstring WithoutLongPathPrefix(const std::wstring& path)
{
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0)
        return L"\\\\" + path.substr(8);
    if (path.compare(0, 4, L"\\\\?\\") == 0)
        return path.substr(4);
    return path;
}

std::wstring UpperCase(const std::wstring& text)
{
    if (text.empty())
        return text;
    std::wstring upper(text.size(), L'\0');
    const int length = ::LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, text.c_str(), static_cast<int>(text.size()),
                                      &upper[0], static_cast<int>(upper.size()));
    return length == static_cast<int>(text.size()) ? upper : text;
}

// FNV-1a over the UTF-16 code units.
uint64_t HashOf(const std::wstring& text)
{
    uint64_t hash = 0xCBF29CE484222325ull;
    for (wchar_t c : text) {
        hash ^= static_cast<uint16_t>(c);
        hash *= 0x100000001B3ull;
    }
    return hash;
}

// The name of a kernel object of the folder whose normalised path is given.
std::wstring ObjectNameOfPath(const std::wstring& normalisedPath, const wchar_t* purpose)
{
    wchar_t hash[17];
    std::swprintf(hash, 17, L"%016llX", static_cast<unsigned long long>(HashOf(normalisedPath)));
    return std::wstring(L"Local\\Orvelle.") + purpose + L"." + hash;
}

}  // namespace

std::wstring NormalisedFolderPath(const std::wstring& folder)
{
    std::wstring path = FinalPathOf(folder);
    if (path.empty())
        path = FullLongPathOf(folder);
    path = WithoutLongPathPrefix(path);
    while (!path.empty() && (path.back() == L'\\' || path.back() == L'/'))
        path.pop_back();
    return UpperCase(path);
}

std::wstring InstallFolderObjectName(const std::wstring& folder, const wchar_t* purpose)
{
    return ObjectNameOfPath(NormalisedFolderPath(folder), purpose);
}

CInstallFolderLock::CInstallFolderLock(const std::wstring& installFolder)
{
    const std::wstring folder = NormalisedFolderPath(installFolder);
    m_mappingName = ObjectNameOfPath(folder, L"MainWindow");
    // The mutex exists while a copy holds a handle to it: the first copy keeps its handle for the
    // whole run, a later copy lets go at once.
    m_mutex = ::CreateMutexW(nullptr, FALSE, ObjectNameOfPath(folder, L"InstallFolder").c_str());
    const DWORD error = ::GetLastError();
    if (m_mutex == nullptr) {
        // A mutex of the name that this user may not open: another copy runs. Any other failure
        // leaves the program to run unguarded rather than not at all.
        m_first = error != ERROR_ACCESS_DENIED;
        return;
    }
    if (error == ERROR_ALREADY_EXISTS) {
        m_first = false;
        ::CloseHandle(m_mutex);
        m_mutex = nullptr;
        return;
    }
    m_mapping = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG64),
                                     m_mappingName.c_str());
    if (m_mapping != nullptr)
        m_window = static_cast<volatile LONG64*>(::MapViewOfFile(m_mapping, FILE_MAP_WRITE, 0, 0, sizeof(LONG64)));
    if (m_window != nullptr)
        ::InterlockedExchange64(m_window, 0);
}

CInstallFolderLock::~CInstallFolderLock()
{
    if (m_window != nullptr)
        ::UnmapViewOfFile(const_cast<LONG64*>(m_window));
    if (m_mapping != nullptr)
        ::CloseHandle(m_mapping);
    if (m_mutex != nullptr)
        ::CloseHandle(m_mutex);
}

void CInstallFolderLock::PublishWindow(HWND window)
{
    if (m_window != nullptr)
        ::InterlockedExchange64(m_window, static_cast<LONG64>(reinterpret_cast<INT_PTR>(window)));
}

HWND CInstallFolderLock::PublishedWindow() const
{
    HANDLE mapping = ::OpenFileMappingW(FILE_MAP_READ, FALSE, m_mappingName.c_str());
    if (mapping == nullptr)
        return nullptr;
    HWND window = nullptr;
    if (const void* view = ::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(LONG64))) {
        window = reinterpret_cast<HWND>(static_cast<INT_PTR>(*static_cast<const volatile LONG64*>(view)));
        ::UnmapViewOfFile(view);
    }
    ::CloseHandle(mapping);
    return window != nullptr && ::IsWindow(window) ? window : nullptr;
}

bool CInstallFolderLock::BringFirstToFront(DWORD timeoutMs) const
{
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    HWND window = PublishedWindow();
    while (window == nullptr && ::GetTickCount64() < end) {
        ::Sleep(WINDOW_POLL_MS);
        window = PublishedWindow();
    }
    if (window == nullptr)
        return false;
    // Asynchronous: a first copy that is busy does not hold this one up.
    if (::IsIconic(window))
        ::ShowWindowAsync(window, SW_RESTORE);
    ::SetForegroundWindow(::GetLastActivePopup(window));
    return true;
}
