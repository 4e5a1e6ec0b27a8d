#include "platform/ui/UiShellDialogs.h"

#include <objbase.h>
#include <shlobj.h>

namespace {
constexpr std::size_t FILE_BUFFER_LENGTH = 4096;  // characters of the chosen path
}  // namespace

namespace ui {

namespace {

std::mutex g_seamMutex;
ScopedFileDialogAnswer* g_fileAnswer = nullptr;
ScopedFolderBrowserAnswer* g_folderAnswer = nullptr;

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
    {
        std::lock_guard<std::mutex> lock(g_seamMutex);
        if (g_folderAnswer)
            return g_folderAnswer->Answer(title, flags, initialFolder, chosen);
    }
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

// ---- test seams --------------------------------------------------------------------------------

ScopedFileDialogAnswer::ScopedFileDialogAnswer()
{
    std::lock_guard<std::mutex> lock(g_seamMutex);
    m_previous = g_fileAnswer;
    g_fileAnswer = this;
}

ScopedFileDialogAnswer::~ScopedFileDialogAnswer()
{
    std::lock_guard<std::mutex> lock(g_seamMutex);
    g_fileAnswer = m_previous;
}

void ScopedFileDialogAnswer::Choose(const wchar_t* path, DWORD filterIndex)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_choose = true;
    m_path = path;
    m_filterIndex = filterIndex;
}

void ScopedFileDialogAnswer::Cancel()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_choose = false;
}

std::vector<ScopedFileDialogAnswer::Request> ScopedFileDialogAnswer::Requests() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

INT_PTR ScopedFileDialogAnswer::Answer(CFileDialog& dialog, std::vector<wchar_t>& fileBuffer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const OPENFILENAMEW& ofn = dialog.m_ofn;
    std::wstring filter;
    if (ofn.lpstrFilter) {
        const wchar_t* end = ofn.lpstrFilter;
        while (end[0] || end[1])
            ++end;
        filter.assign(ofn.lpstrFilter, end + 2);
    }
    m_requests.push_back(Request{dialog.IsOpenDialog(), filter, CString(fileBuffer.data()), ofn.Flags,
                                 ofn.nFilterIndex});
    if (!m_choose)
        return IDCANCEL;
    fileBuffer.assign(m_path.GetString(), m_path.GetString() + m_path.GetLength());
    fileBuffer.resize(FILE_BUFFER_LENGTH, L'\0');
    dialog.m_ofn.lpstrFile = fileBuffer.data();
    dialog.m_ofn.nFilterIndex = m_filterIndex;
    return IDOK;
}

ScopedFolderBrowserAnswer::ScopedFolderBrowserAnswer()
{
    std::lock_guard<std::mutex> lock(g_seamMutex);
    m_previous = g_folderAnswer;
    g_folderAnswer = this;
}

ScopedFolderBrowserAnswer::~ScopedFolderBrowserAnswer()
{
    std::lock_guard<std::mutex> lock(g_seamMutex);
    g_folderAnswer = m_previous;
}

void ScopedFolderBrowserAnswer::Choose(const wchar_t* folder)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_choose = true;
    m_folder = folder;
}

void ScopedFolderBrowserAnswer::Cancel()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_choose = false;
}

std::vector<ScopedFolderBrowserAnswer::Request> ScopedFolderBrowserAnswer::Requests() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

bool ScopedFolderBrowserAnswer::Answer(const wchar_t* title, UINT flags, const wchar_t* initialFolder,
                                       CString* chosen)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_requests.push_back(Request{CString(title), flags, CString(initialFolder)});
    if (!m_choose)
        return false;
    if (chosen)
        *chosen = m_folder;
    return true;
}

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
    {
        std::lock_guard<std::mutex> lock(ui::g_seamMutex);
        if (ui::g_fileAnswer)
            return ui::g_fileAnswer->Answer(*this, m_fileBuffer);
    }
    const BOOL chosen = m_open ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}
