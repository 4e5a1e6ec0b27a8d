#include "platform/ui/UiMessageBox.h"

#include "platform/ui/UiApp.h"
#include "platform/ui/UiHook.h"

#include <algorithm>

namespace ui {

namespace {

HookSlot<MessageBoxHook> g_hook;

constexpr int MESSAGE_TEXT_ID = 0xFFFF;  // the text of a system message box
thread_local HWND t_widenedBox = nullptr;

void MoveBy(HWND window, HWND parent, int dx, int dw)
{
    RECT r{};
    ::GetWindowRect(window, &r);
    if (parent != nullptr)
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    ::SetWindowPos(window, nullptr, r.left + dx, r.top, r.right - r.left + dw, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

// The system sizes a message box's text to the text's advance width, so a last glyph whose ink
// runs past its advance (many Cyrillic and Polish texts end in one) loses its last pixels, or its
// last word to a line that does not fit. The text, and the box around it, get one character more.
void GiveTheTextRoom(HWND box)
{
    HWND text = ::GetDlgItem(box, MESSAGE_TEXT_ID);
    if (text == nullptr)
        return;
    HDC dc = ::GetDC(text);
    const HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(text, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(text, dc);
    const int extra = metrics.tmAveCharWidth > 0 ? metrics.tmAveCharWidth : 8;
    for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(child);
        if (child == text)
            MoveBy(child, box, 0, extra);
        else if (id >= IDOK && id <= IDCONTINUE)
            MoveBy(child, box, extra / 2, 0);  // the buttons stay in the middle
    }
    MoveBy(box, nullptr, -extra / 2, extra);
}

// The system puts a message box in the middle of the screen, which may lie far from the dialog
// whose field or action it speaks of (on a large screen, beside the whole program). The box stands
// in the middle of its owner instead, kept inside the work area of the owner's monitor.
void StandOverTheOwner(HWND box)
{
    HWND owner = ::GetWindow(box, GW_OWNER);
    if (owner == nullptr || !::IsWindowVisible(owner) || ::IsIconic(owner))
        return;
    RECT over{}, own{};
    ::GetWindowRect(owner, &over);
    ::GetWindowRect(box, &own);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT& work = monitor.rcWork;
    const int width = own.right - own.left, height = own.bottom - own.top;
    int left = (over.left + over.right - width) / 2;
    int top = (over.top + over.bottom - height) / 2;
    left = std::max<int>(work.left, std::min<int>(left, work.right - width));
    top = std::max<int>(work.top, std::min<int>(top, work.bottom - height));
    ::SetWindowPos(box, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK FitMessageBox(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (window != t_widenedBox && ::GetDlgItem(window, MESSAGE_TEXT_ID) != nullptr) {
            t_widenedBox = window;
            GiveTheTextRoom(window);
            StandOverTheOwner(window);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) { return g_hook.Set(std::move(hook)); }

int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    const MessageBoxHook hook = g_hook.Get();
    if (hook)
        return hook(owner, CString(text), CString(caption), type);
    HHOOK fit = ::SetWindowsHookExW(WH_CBT, FitMessageBox, nullptr, ::GetCurrentThreadId());
    const int answer = ::MessageBoxW(owner, text ? text : L"", caption ? caption : L"", type);
    if (fit != nullptr)
        ::UnhookWindowsHookEx(fit);
    t_widenedBox = nullptr;
    return answer;
}

}  // namespace ui

int AfxMessageBox(const wchar_t* text, UINT type, UINT)
{
    CWinApp* app = AfxGetApp();
    CWnd* main = AfxGetMainWnd();
    HWND owner = (main && main->m_hWnd && ::IsWindow(main->m_hWnd)) ? main->m_hWnd : nullptr;
    // A modal dialog in front of the main window owns the box: owned by the (disabled) main window,
    // the box would enable it again when it closes, while the dialog is still open.
    if (owner) {
        HWND popup = ::GetLastActivePopup(owner);
        if (popup && ::IsWindowEnabled(popup))
            owner = popup;
    }
    return ui::ShowMessageBox(owner, text, app ? app->m_pszAppName.GetString() : L"", type);
}
