#include "tests/support/SystemDialogAnswers.h"

#include <cwchar>

namespace ui {

// ---- message boxes ------------------------------------------------------------------------------

ScopedMessageBoxAnswer::ScopedMessageBoxAnswer(int answer) : m_answer(answer)
{
    m_previous = SetMessageBoxHook([this](HWND owner, const CString& text, const CString& caption, UINT type) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_boxes.push_back(Shown{text, caption, type, owner});
        return m_answer;
    });
}

ScopedMessageBoxAnswer::~ScopedMessageBoxAnswer()
{
    SetMessageBoxHook(std::move(m_previous));
}

void ScopedMessageBoxAnswer::SetAnswer(int answer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answer = answer;
}

std::vector<ScopedMessageBoxAnswer::Shown> ScopedMessageBoxAnswer::Boxes() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_boxes;
}

std::size_t ScopedMessageBoxAnswer::Count() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_boxes.size();
}

// ---- the colour dialog ------------------------------------------------------------------------------

ScopedColorDialogAnswer::ScopedColorDialogAnswer()
{
    m_previous = SetColorDialogHook([this](const CHOOSECOLORW& request) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_opened.push_back((request.Flags & CC_RGBINIT) ? request.rgbResult : 0);
        if (m_next < m_answers.size())
            return m_answers[m_next++];
        return ColorDialogResult{false, 0};
    });
}

ScopedColorDialogAnswer::~ScopedColorDialogAnswer() { SetColorDialogHook(std::move(m_previous)); }

void ScopedColorDialogAnswer::Confirm(COLORREF colour)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answers.push_back({true, colour});
}

void ScopedColorDialogAnswer::Cancel()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answers.push_back({false, 0});
}

std::vector<COLORREF> ScopedColorDialogAnswer::OpenedWith() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_opened;
}

// ---- the file dialog ----------------------------------------------------------------------------------

ScopedFileDialogAnswer::ScopedFileDialogAnswer()
{
    m_previous = SetFileDialogHook([this](OPENFILENAMEW& ofn, bool open) { return Answer(ofn, open); });
}

ScopedFileDialogAnswer::~ScopedFileDialogAnswer() { SetFileDialogHook(std::move(m_previous)); }

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

bool ScopedFileDialogAnswer::Answer(OPENFILENAMEW& ofn, bool open)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::wstring filter;
    if (ofn.lpstrFilter) {
        const wchar_t* end = ofn.lpstrFilter;
        while (end[0] || end[1])
            ++end;
        filter.assign(ofn.lpstrFilter, end + 2);
    }
    m_requests.push_back(Request{open, filter, CString(ofn.lpstrFile), ofn.Flags, ofn.nFilterIndex});
    if (!m_choose || !ofn.lpstrFile || ofn.nMaxFile == 0)
        return false;
    std::wcsncpy(ofn.lpstrFile, m_path.GetString(), ofn.nMaxFile - 1);
    ofn.lpstrFile[ofn.nMaxFile - 1] = L'\0';
    ofn.nFilterIndex = m_filterIndex;
    return true;
}

// ---- the folder browser -------------------------------------------------------------------------------

ScopedFolderBrowserAnswer::ScopedFolderBrowserAnswer()
{
    m_previous = SetFolderBrowserHook(
        [this](const wchar_t* title, UINT flags, const wchar_t* initialFolder, CString* chosen) {
            return Answer(title, flags, initialFolder, chosen);
        });
}

ScopedFolderBrowserAnswer::~ScopedFolderBrowserAnswer() { SetFolderBrowserHook(std::move(m_previous)); }

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

// ---- the print setup dialog -----------------------------------------------------------------------------

ScopedPrintSetupAnswer::ScopedPrintSetupAnswer(Script script) : m_script(std::move(script))
{
    m_previous = SetPrintSetupHook([this](PRINTDLGW& setup) { return Answer(setup); });
}

ScopedPrintSetupAnswer::~ScopedPrintSetupAnswer() { SetPrintSetupHook(std::move(m_previous)); }

BOOL ScopedPrintSetupAnswer::Answer(PRINTDLGW& setup)
{
    ++m_count;
    auto* mode = setup.hDevMode ? static_cast<DEVMODEW*>(::GlobalLock(setup.hDevMode)) : nullptr;
    const INT_PTR answer = m_script ? m_script(mode) : IDCANCEL;
    if (mode)
        ::GlobalUnlock(setup.hDevMode);
    return answer == IDOK;
}

}  // namespace ui
