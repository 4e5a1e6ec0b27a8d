#include "platform/ui/UiShellDialogs.h"

#include "platform/ui/UiHook.h"

#include <objbase.h>
#include <shlobj.h>

namespace {
constexpr std::size_t FILE_BUFFER_LENGTH = 4096;  // characters of the chosen path
}  // namespace

namespace ui {

namespace {

HookSlot<FileDialogHook> g_fileHook;
HookSlot<FolderBrowserHook> g_folderHook;

int CALLBACK FolderBrowserCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data)
{
    switch (message) {
    case BFFM_INITIALIZED:
        ::SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, data);
        break;
    case BFFM_SELCHANGED: {
        wchar_t path[MAX_PATH] = {};
        if (::SHGetPathFromIDListW(reinterpret_cast<LPCITEMIDLIST>(lParam), path))
            ::SendMessageW(browser, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(path));
        break;
    }
    default:
        break;
    }
    return 0;
}

}  // namespace

std::wstring FileDialogFilter(const wchar_t* barSeparated)
{
    std::wstring filter = barSeparated ? barSeparated : L"";
    for (wchar_t& ch : filter)
        if (ch == L'|')
            ch = L'\0';
    filter.push_back(L'\0');
    return filter;
}

bool BrowseForFolder(HWND owner, const wchar_t* title, UINT flags, const wchar_t* initialFolder, CString* chosen)
{
    const FolderBrowserHook hook = g_folderHook.Get();
    if (hook)
        return hook(title, flags, initialFolder, chosen);
    const std::wstring initial = initialFolder ? initialFolder : L"";
    BROWSEINFOW info = {};
    info.hwndOwner = owner;
    info.lpszTitle = title;
    info.ulFlags = flags;
    info.lpfn = FolderBrowserCallback;
    info.lParam = reinterpret_cast<LPARAM>(initial.c_str());
    LPITEMIDLIST items = ::SHBrowseForFolderW(&info);
    if (!items)
        return false;
    wchar_t path[MAX_PATH] = {};
    const bool gotPath = ::SHGetPathFromIDListW(items, path) != FALSE;
    ::CoTaskMemFree(items);
    if (gotPath && chosen)
        *chosen = path;
    return gotPath;
}

FileDialogHook SetFileDialogHook(FileDialogHook hook) { return g_fileHook.Set(std::move(hook)); }

FolderBrowserHook SetFolderBrowserHook(FolderBrowserHook hook) { return g_folderHook.Set(std::move(hook)); }

}  // namespace ui

// ---- CFileDialog ----------------------------------------------------------------------------------

CFileDialog::CFileDialog(BOOL openFileDialog, const wchar_t* defaultExtension, const wchar_t* fileName, DWORD flags,
                         const wchar_t* filter, CWnd* parent)
    : m_open(openFileDialog != FALSE), m_fileBuffer(FILE_BUFFER_LENGTH, L'\0')
{
    if (fileName)
        wcsncpy(m_fileBuffer.data(), fileName, m_fileBuffer.size() - 1);
    if (filter)
        m_filter = ui::FileDialogFilter(filter);
    if (defaultExtension)
        m_defaultExtension = defaultExtension;
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = parent ? parent->m_hWnd : nullptr;
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.c_str();
    m_ofn.nFilterIndex = 1;
    m_ofn.lpstrFile = m_fileBuffer.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_fileBuffer.size());
    m_ofn.lpstrDefExt = m_defaultExtension.empty() ? nullptr : m_defaultExtension.c_str();
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
}

INT_PTR CFileDialog::DoModal()
{
    const ui::FileDialogHook hook = ui::g_fileHook.Get();
    if (hook)
        return hook(m_ofn, m_open) ? IDOK : IDCANCEL;
    const BOOL chosen = m_open ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}
