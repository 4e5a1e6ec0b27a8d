// Control texts of the main window from any thread: the window's own thread sets them directly,
// other threads (the history download) post them to the window's thread.
#include "app/OrvelleDlg.h"

void COrvelleDlg::SetControlText(int controlId, const std::wstring& text)
{
    if (!m_hWnd)
        return;
    if (::GetCurrentThreadId() == m_windowThreadId) {
        SetDlgItemText(controlId, text.c_str());
        return;
    }
    auto* copy = new std::wstring(text);
    if (!PostMessage(WM_SET_CONTROL_TEXT, static_cast<WPARAM>(controlId), reinterpret_cast<LPARAM>(copy)))
        delete copy;
}

LRESULT COrvelleDlg::OnSetControlText(WPARAM wParam, LPARAM lParam)
{
    std::wstring* text = reinterpret_cast<std::wstring*>(lParam);
    if (text) {
        SetDlgItemText(static_cast<int>(wParam), text->c_str());
        delete text;
    }
    return 0;
}
