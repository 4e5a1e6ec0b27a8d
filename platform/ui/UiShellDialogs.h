// The system's file and folder choosers: the save/open file dialog (CFileDialog) and the shell's
// folder browser (ui::BrowseForFolder).
//
// Tests answer them without a person: while a ScopedFileDialogAnswer or ScopedFolderBrowserAnswer
// lives, the chooser is not shown; the request is recorded and the scripted answer returned as if
// the user had chosen it.
#pragma once
#include "platform/ui/UiWnd.h"

#include <commdlg.h>

#include <mutex>
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
    bool IsOpenDialog() const { return m_open; }

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

// ---- test seams ------------------------------------------------------------------------------
class ScopedFileDialogAnswer {
public:
    struct Request {
        bool open;
        std::wstring filter;  // in the system's form
        CString fileName;     // the name the dialog opened with
        DWORD flags;
        DWORD filterIndex;
    };
    // Answers every file dialog with IDCANCEL until Choose is called.
    ScopedFileDialogAnswer();
    ~ScopedFileDialogAnswer();
    ScopedFileDialogAnswer(const ScopedFileDialogAnswer&) = delete;
    ScopedFileDialogAnswer& operator=(const ScopedFileDialogAnswer&) = delete;

    // The next dialogs answer OK with this path and filter index.
    void Choose(const wchar_t* path, DWORD filterIndex);
    void Cancel();
    std::vector<Request> Requests() const;

    INT_PTR Answer(CFileDialog& dialog, std::vector<wchar_t>& fileBuffer);

private:
    mutable std::mutex m_mutex;
    bool m_choose = false;
    CString m_path;
    DWORD m_filterIndex = 1;
    std::vector<Request> m_requests;
    ScopedFileDialogAnswer* m_previous;
};

class ScopedFolderBrowserAnswer {
public:
    struct Request {
        CString title;
        UINT flags;
        CString initialFolder;
    };
    // Answers every browser as cancelled until Choose is called.
    ScopedFolderBrowserAnswer();
    ~ScopedFolderBrowserAnswer();
    ScopedFolderBrowserAnswer(const ScopedFolderBrowserAnswer&) = delete;
    ScopedFolderBrowserAnswer& operator=(const ScopedFolderBrowserAnswer&) = delete;

    void Choose(const wchar_t* folder);
    void Cancel();
    std::vector<Request> Requests() const;

    bool Answer(const wchar_t* title, UINT flags, const wchar_t* initialFolder, CString* chosen);

private:
    mutable std::mutex m_mutex;
    bool m_choose = false;
    CString m_folder;
    std::vector<Request> m_requests;
    ScopedFolderBrowserAnswer* m_previous;
};

}  // namespace ui
