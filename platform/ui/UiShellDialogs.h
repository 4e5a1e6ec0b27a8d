// The system's file and folder choosers: the save/open file dialog (CFileDialog) and the shell's
// folder browser (ui::BrowseForFolder).
//
// Tests answer them without a person: while a hook is installed, the chooser is not shown and
// the hook answers in its place, as if the user had chosen.
#pragma once
#include "platform/ui/UiWnd.h"

#include <commdlg.h>

#include <functional>
#include <vector>

// A file dialog. The filter is given as "text|pattern|text|pattern|" and handed to the system in
// its own form (each piece ended by a zero, the list by a second zero).
class CFileDialog {
public:
    CFileDialog(BOOL openFileDialog, const wchar_t* defaultExtension = nullptr, const wchar_t* fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const wchar_t* filter = nullptr,
                CWnd* parent = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when the user chose a file, else IDCANCEL.
    INT_PTR DoModal();
    // The chosen full path; after OK, m_ofn.nFilterIndex is the chosen filter (from 1).
    CString GetPathName() const { return CString(m_fileBuffer.data()); }

    OPENFILENAMEW m_ofn = {};

private:
    bool m_open;
    std::wstring m_filter;
    std::wstring m_defaultExtension;
    std::vector<wchar_t> m_fileBuffer;
};

namespace ui {

// "a|b|c|d|" in the system's filter form: "a\0b\0c\0d\0\0" (the final zero included).
std::wstring FileDialogFilter(const wchar_t* barSeparated);

// The shell's folder browser, owned by `owner`, with the title and BIF_ flags; it opens on
// `initialFolder` (the text taken literally) and shows the chosen folder's path as status text.
// True and the file-system path of the chosen folder when the user picks one.
bool BrowseForFolder(HWND owner, const wchar_t* title, UINT flags, const wchar_t* initialFolder, CString* chosen);

// ---- hooks that tests install in place of the choosers ---------------------------------------
// Stands in for GetOpenFileNameW (open) or GetSaveFileNameW: reads the request from `ofn`, writes
// the chosen path into ofn.lpstrFile (at most ofn.nMaxFile characters with its end) and the chosen
// filter into ofn.nFilterIndex, and returns true; false for a cancelled dialog.
using FileDialogHook = std::function<bool(OPENFILENAMEW& ofn, bool open)>;
// Installs the hook (an empty one restores the real dialog); returns the previous hook.
FileDialogHook SetFileDialogHook(FileDialogHook hook);

// Stands in for the folder browser: what BrowseForFolder returns.
using FolderBrowserHook =
    std::function<bool(const wchar_t* title, UINT flags, const wchar_t* initialFolder, CString* chosen)>;
FolderBrowserHook SetFolderBrowserHook(FolderBrowserHook hook);

}  // namespace ui
