// CWnd: a window object bound to an HWND.
//
// A CWnd either wraps a window without owning anything (FromHandle, Attach) or is "permanent":
// SubclassWindow (dialog controls through DDX_Control, dialogs at creation) routes the window's
// messages through WindowProc and the class's message maps, and remembers the window procedure it
// replaced; Default() hands the message being handled to that procedure. The binding ends with
// WM_NCDESTROY.
//
// Thread rule: a window is driven on the thread that created it. Other threads post messages
// (PostMessageW) to it.
#pragma once
#include "platform/ui/UiGdi.h"
#include "platform/ui/UiMenu.h"
#include "platform/ui/UiMessageMap.h"
#include "platform/ui/UiString.h"

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // The permanent object bound to the window, else a non-owning wrapper that lives as long as
    // the calling thread; null for a null handle.
    static CWnd* FromHandle(HWND window);
    // The permanent object bound to the window, or null.
    static CWnd* FromHandlePermanent(HWND window);

    operator HWND() const { return m_hWnd; }

    // ---- binding -------------------------------------------------------------------------
    BOOL Attach(HWND window);          // wraps, without subclassing
    HWND Detach();
    BOOL SubclassWindow(HWND window);  // binds and routes the window's messages through this object
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    BOOL DestroyWindow();

    // ---- window operations (thin forwards) -----------------------------------------------
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE)
    {
        ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE)
    {
        MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
    }
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags)
    {
        return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
    }
    void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    void ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
    void ScreenToClient(LPRECT rect) const;
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void SetRedraw(BOOL redraw = TRUE) { SendMessage(WM_SETREDRAW, redraw); }
    BOOL RedrawWindow(LPCRECT rect = nullptr, HRGN region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE)
    {
        return ::RedrawWindow(m_hWnd, rect, region, flags);
    }
    void SetWindowText(const wchar_t* text) { ::SetWindowTextW(m_hWnd, text ? text : L""); }
    void GetWindowText(CString& text) const;
    CString GetWindowText() const;
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)); }
    // Removes then adds style bits; with flags, also SetWindowPos(flags | SWP_NOSIZE | ...).
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    CWnd* GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
    void SetDlgItemText(int id, const wchar_t* text) { ::SetDlgItemTextW(m_hWnd, id, text ? text : L""); }
    void GetDlgItemText(int id, CString& text) const;
    UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
    void CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
    // Checks `checkId` and clears the other buttons of firstId..lastId.
    void CheckRadioButton(int firstId, int lastId, int checkId) { ::CheckRadioButton(m_hWnd, firstId, lastId, checkId); }
    // The id of the first checked button of firstId..lastId, 0 when none is checked.
    int GetCheckedRadioButton(int firstId, int lastId) const;
    // The control's text as a (signed) integer; translated is FALSE for a text that is no number.
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC callback = nullptr)
    {
        return ::SetTimer(m_hWnd, id, elapse, callback);
    }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
    // The window's system menu (a non-owning wrapper); revert = TRUE restores the default one.
    CMenu* GetSystemMenu(BOOL revert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert)); }
    BOOL SetMenu(CMenu* menu) { return ::SetMenu(m_hWnd, menu ? menu->m_hMenu : nullptr); }
    void DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
    HICON SetIcon(HICON icon, BOOL bigIcon)
    {
        return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL,
                                                   reinterpret_cast<LPARAM>(icon)));
    }
    void SetFont(CFont* font, BOOL redraw = TRUE)
    {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
    }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    void DragAcceptFiles(BOOL accept = TRUE);
    // Message box owned by this window; through the test seam of UiMessageBox.h.
    int MessageBox(const wchar_t* text, const wchar_t* caption = nullptr, UINT type = MB_OK);

    // ---- message handling ----------------------------------------------------------------
    // Every message of a subclassed window arrives here. The default offers a control's
    // notification to the control first (OnChildNotify), looks the message up in the message
    // maps, then reflects owner-draw and colour messages to permanent child controls
    // (OnChildNotify), routes unhandled commands of the application's main window to the
    // application's map, and finally calls DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The procedure that the window had before it was subclassed (or ::DefWindowProc).
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // DefWindowProc with the message being handled now.
    LRESULT Default();
    // A message that the parent reflects to this control (WM_DRAWITEM, WM_MEASUREITEM,
    // WM_COMPAREITEM, WM_DELETEITEM, WM_CTLCOLOR*, and the control's own notifications WM_COMMAND
    // and WM_NOTIFY); true when the control handled it. The default hands notifications to the
    // reflected entries of the control's map (ui::OnReflectedControl, ui::OnReflectedNotify).
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Called before the window is bound by SubclassWindow (window handle already set).
    virtual void PreSubclassWindow() {}

    // Default handlers: each gives the message to the default processing; derived classes call
    // them as their "base" handler.
    void OnPaint() { Default(); }
    void OnTimer(UINT_PTR) { Default(); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    void OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    // Reflects an owner-draw message to the control it concerns, else Default().
    void OnDrawItem(int controlId, LPDRAWITEMSTRUCT draw);
    void OnMeasureItem(int controlId, LPMEASUREITEMSTRUCT measure);
    // Reflects to the control, else Default().
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlType);

protected:
    WNDPROC m_superProc = nullptr;  // procedure replaced by SubclassWindow
    MSG m_currentMessage = {};      // the message being handled (for Default)
    bool m_permanent = false;

    friend LRESULT CALLBACK UiWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend class CDialog;

private:
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool ReflectNotificationToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool RouteCommandToApp(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
};

LRESULT CALLBACK UiWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Sets the window's text only when it differs from the text it has: an unchanged text costs no
// WM_SETTEXT and no repaint.
void AfxSetWindowText(HWND window, const wchar_t* text);
