// One running program per install folder. Two copies writing the same record files would append
// every record twice, so a copy started on a folder that another copy already runs on brings that
// copy's window to the front and ends; copies on different folders run side by side.
//
// The lock is a named mutex whose name comes from the folder's normalised path; beside it a small
// named file mapping holds the first copy's main window, published once that window exists.
#pragma once
#include <windows.h>

#include <string>

// The folder's path as one string for every spelling of it: the final path of the folder on disk
// when it can be opened (links, short names and drive aliases resolved), else the full path with
// long names; without the "\\?\" prefix and trailing separators, upper case.
std::wstring NormalisedFolderPath(const std::wstring& folder);

// The name of a kernel object of the folder: "Local\Orvelle.<purpose>.<hash of the normalised
// path, 16 hex digits>" (kernel object names take no backslash after the namespace).
std::wstring InstallFolderObjectName(const std::wstring& folder, const wchar_t* purpose);

class CInstallFolderLock {
public:
    // Takes the folder's lock, or finds that another copy holds it.
    explicit CInstallFolderLock(const std::wstring& installFolder);
    ~CInstallFolderLock();
    CInstallFolderLock(const CInstallFolderLock&) = delete;
    CInstallFolderLock& operator=(const CInstallFolderLock&) = delete;

    // True when no other copy runs on the folder (this one holds the lock).
    bool IsFirst() const { return m_first; }
    // First copy: tells later copies which window to bring to the front.
    void PublishWindow(HWND window);
    // Later copy: waits up to timeoutMs for the first copy's window, restores it when minimised and
    // brings it (or the dialog it shows) to the front. False when no window came.
    bool BringFirstToFront(DWORD timeoutMs) const;

private:
    HWND PublishedWindow() const;

    bool m_first = true;
    HANDLE m_mutex = nullptr;
    HANDLE m_mapping = nullptr;
    std::wstring m_mappingName;
    volatile LONG64* m_window = nullptr;  // in the mapping; first copy only
};
