// The test kit's answers to the system's dialogs: while one of these lives, the message box, the
// colour dialog, the file dialog, the folder browser or the print setup dialog is not shown; the
// request is recorded and the scripted answer returned as if the user had given it. Each installs
// the class layer's hook for its dialog and puts the previous hook back when it ends.
#pragma once
#include "platform/ui/UiColorDialog.h"
#include "platform/ui/UiMessageBox.h"
#include "platform/ui/UiPrint.h"
#include "platform/ui/UiShellDialogs.h"

#include <mutex>
#include <string>
#include <vector>

namespace ui {

// Every message box is answered with `answer` and recorded.
class ScopedMessageBoxAnswer {
public:
    struct Shown {
        CString text;
        CString caption;
        UINT type;
        HWND owner;
    };
    explicit ScopedMessageBoxAnswer(int answer);
    ~ScopedMessageBoxAnswer();
    ScopedMessageBoxAnswer(const ScopedMessageBoxAnswer&) = delete;
    ScopedMessageBoxAnswer& operator=(const ScopedMessageBoxAnswer&) = delete;

    void SetAnswer(int answer);
    std::vector<Shown> Boxes() const;  // every box shown so far, in order
    std::size_t Count() const;

private:
    mutable std::mutex m_mutex;
    int m_answer;
    std::vector<Shown> m_boxes;
    MessageBoxHook m_previous;
};

// Every colour dialog is answered with the next of the answers added (Cancel once they are used
// up), and the colour each was opened with is recorded.
class ScopedColorDialogAnswer {
public:
    ScopedColorDialogAnswer();
    ~ScopedColorDialogAnswer();
    ScopedColorDialogAnswer(const ScopedColorDialogAnswer&) = delete;
    ScopedColorDialogAnswer& operator=(const ScopedColorDialogAnswer&) = delete;

    void Confirm(COLORREF colour);
    void Cancel();
    // The colour that each dialog opened with (0 when nothing was preselected), in order.
    std::vector<COLORREF> OpenedWith() const;

private:
    mutable std::mutex m_mutex;
    std::vector<ColorDialogResult> m_answers;
    std::size_t m_next = 0;
    std::vector<COLORREF> m_opened;
    ColorDialogHook m_previous;
};

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

private:
    bool Answer(OPENFILENAMEW& ofn, bool open);

    mutable std::mutex m_mutex;
    bool m_choose = false;
    CString m_path;
    DWORD m_filterIndex = 1;
    std::vector<Request> m_requests;
    FileDialogHook m_previous;
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

private:
    bool Answer(const wchar_t* title, UINT flags, const wchar_t* initialFolder, CString* chosen);

    mutable std::mutex m_mutex;
    bool m_choose = false;
    CString m_folder;
    std::vector<Request> m_requests;
    FolderBrowserHook m_previous;
};

// The print setup dialog does not open; the script gets the device mode (null when there is none)
// and returns the dialog's answer (IDOK or IDCANCEL).
class ScopedPrintSetupAnswer {
public:
    using Script = std::function<INT_PTR(DEVMODEW* devMode)>;
    explicit ScopedPrintSetupAnswer(Script script);
    ~ScopedPrintSetupAnswer();
    ScopedPrintSetupAnswer(const ScopedPrintSetupAnswer&) = delete;
    ScopedPrintSetupAnswer& operator=(const ScopedPrintSetupAnswer&) = delete;
    int Count() const { return m_count; }  // setup dialogs answered

private:
    BOOL Answer(PRINTDLGW& setup);

    Script m_script;
    int m_count = 0;
    PrintSetupHook m_previous;
};

}  // namespace ui
