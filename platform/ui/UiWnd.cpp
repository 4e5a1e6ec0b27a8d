#include "platform/ui/UiWnd.h"

#include "platform/ui/UiApp.h"
#include "platform/ui/UiMessageBox.h"

#include <shellapi.h>

#include <cwchar>
#include <memory>
#include <unordered_map>

namespace {

// The permanent CWnd of each bound window of this process. Kept here rather than in a window
// property: every message looks its window up, and a property costs a call to the Wine server.
class PermanentWindows {
public:
    CWnd* Find(HWND window)
    {
        ::AcquireSRWLockShared(&m_lock);
        const auto found = m_objects.find(window);
        CWnd* object = found == m_objects.end() ? nullptr : found->second;
        ::ReleaseSRWLockShared(&m_lock);
        return object;
    }
    void Bind(HWND window, CWnd* object)
    {
        ::AcquireSRWLockExclusive(&m_lock);
        m_objects[window] = object;
        ::ReleaseSRWLockExclusive(&m_lock);
    }
    void Unbind(HWND window)
    {
        ::AcquireSRWLockExclusive(&m_lock);
        m_objects.erase(window);
        ::ReleaseSRWLockExclusive(&m_lock);
    }

private:
    SRWLOCK m_lock = SRWLOCK_INIT;
    std::unordered_map<HWND, CWnd*> m_objects;
};

// Never destroyed: windows of global objects may be unbound while the program ends.
PermanentWindows& Permanents()
{
    static PermanentWindows* windows = new PermanentWindows;
    return *windows;
}

CWnd* TemporaryWnd(HWND window)
{
    thread_local std::unordered_map<HWND, std::unique_ptr<CWnd>> wrappers;
    std::unique_ptr<CWnd>& wrapper = wrappers[window];
    if (!wrapper) {
        wrapper.reset(new CWnd);
        wrapper->Attach(window);
    }
    return wrapper.get();
}

bool IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

// ---- message maps ---------------------------------------------------------------------------------

const ui::MessageMap CCmdTarget::kMessageMap = {nullptr, nullptr, 0};

namespace ui {

bool EntryMatches(const MsgMapEntry& entry, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (entry.message == WM_CTLCOLOR)
        return IsCtlColorMessage(message);
    if (entry.message != message)
        return false;
    if (message == WM_COMMAND || message == OCM_COMMAND) {
        UINT id = LOWORD(wParam);
        UINT code = HIWORD(wParam);
        if (id < entry.firstId || id > entry.lastId)
            return false;
        if (entry.code == CODE_COMMAND)  // menus and accelerators (no control), or a button click
            return lParam == 0 || code == BN_CLICKED;
        return code == entry.code;
    }
    if (message == WM_NOTIFY || message == OCM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (!header)
            return false;
        UINT id = static_cast<UINT>(header->idFrom);
        return id >= entry.firstId && id <= entry.lastId && header->code == entry.code;
    }
    return true;
}

CWnd* WndFromHandle(HWND window) { return CWnd::FromHandle(window); }
CDC* DCFromHandle(HDC dc) { return CDC::FromHandle(dc); }
CMenu* MenuFromHandle(HMENU menu) { return CMenu::FromHandle(menu); }

}  // namespace ui

bool CCmdTarget::DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    for (const ui::MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const ui::MsgMapEntry& entry = map->entries[i];
            if (ui::EntryMatches(entry, message, wParam, lParam) &&
                entry.handler(this, message, wParam, lParam, result))
                return true;
        }
    }
    return false;
}

// ---- binding ------------------------------------------------------------------------------------

CWnd::~CWnd()
{
    if (m_permanent && m_hWnd && ::IsWindow(m_hWnd))
        UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND window)
{
    if (!window)
        return nullptr;
    CWnd* object = Permanents().Find(window);
    return object && ::IsWindow(window) ? object : nullptr;
}

CWnd* CWnd::FromHandle(HWND window)
{
    if (!window)
        return nullptr;
    if (CWnd* permanent = FromHandlePermanent(window))
        return permanent;
    return TemporaryWnd(window);
}

BOOL CWnd::Attach(HWND window)
{
    m_hWnd = window;
    return window != nullptr;
}

HWND CWnd::Detach()
{
    HWND window = m_hWnd;
    if (m_permanent)
        UnsubclassWindow();
    m_hWnd = nullptr;
    return window;
}

BOOL CWnd::SubclassWindow(HWND window)
{
    if (!window || !::IsWindow(window) || FromHandlePermanent(window))
        return FALSE;
    m_hWnd = window;
    PreSubclassWindow();
    Permanents().Bind(window, this);
    m_permanent = true;
    m_superProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&UiWindowProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow()
{
    HWND window = m_hWnd;
    if (!m_permanent || !window)
        return window;
    if (m_superProc && reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC)) == &UiWindowProc)
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
    Permanents().Unbind(window);
    m_permanent = false;
    m_superProc = nullptr;
    m_hWnd = nullptr;
    return window;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

// ---- small operations -------------------------------------------------------------------------

void CWnd::ScreenToClient(LPRECT rect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::GetWindowText(CString& text) const
{
    int length = ::GetWindowTextLengthW(m_hWnd);
    wchar_t* buffer = text.GetBufferSetLength(length + 1);
    int copied = ::GetWindowTextW(m_hWnd, buffer, length + 1);
    text.ReleaseBuffer(copied > 0 ? copied : 0);
}

CString CWnd::GetWindowText() const
{
    CString text;
    GetWindowText(text);
    return text;
}

void CWnd::GetDlgItemText(int id, CString& text) const
{
    HWND item = ::GetDlgItem(m_hWnd, id);
    CWnd wrapper;
    wrapper.Attach(item);
    if (item)
        wrapper.GetWindowText(text);
    else
        text.Empty();
    wrapper.Detach();
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned)
{
    ::SetDlgItemInt(m_hWnd, id, value, isSigned);
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const
{
    return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId) const
{
    for (int id = firstId; id <= lastId; ++id)
        if (::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED)
            return id;
    return 0;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    DWORD style = GetStyle();
    DWORD changed = (style & ~remove) | add;
    if (style == changed)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (flags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, flags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CWnd::DragAcceptFiles(BOOL accept)
{
    ::DragAcceptFiles(m_hWnd, accept);
}

int CWnd::MessageBox(const wchar_t* text, const wchar_t* caption, UINT type)
{
    if (!caption) {
        CWinApp* app = AfxGetApp();
        caption = app ? app->m_pszAppName.GetString() : L"";
    }
    return ui::ShowMessageBox(m_hWnd, text, caption, type);
}

// ---- message handling ---------------------------------------------------------------------------

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_superProc)
        return ::CallWindowProcW(m_superProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_currentMessage.message, m_currentMessage.wParam, m_currentMessage.lParam);
}

bool CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_COMMAND && message != WM_NOTIFY)
        return false;
    return DispatchMessageMap(ui::OCM_BASE + message, wParam, lParam, result);
}

bool CWnd::ReflectNotificationToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    HWND child = nullptr;
    if (message == WM_COMMAND)
        child = reinterpret_cast<HWND>(lParam);
    else if (message == WM_NOTIFY && lParam != 0)
        child = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    CWnd* control = child ? FromHandlePermanent(child) : nullptr;
    return control && control != this && control->OnChildNotify(message, wParam, lParam, result);
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    HWND child = nullptr;
    switch (message) {
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw && draw->CtlType != ODT_MENU)
            child = draw->hwndItem;
        break;
    }
    case WM_MEASUREITEM: {
        const MEASUREITEMSTRUCT* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        if (measure && measure->CtlType != ODT_MENU)
            child = ::GetDlgItem(m_hWnd, static_cast<int>(measure->CtlID));
        break;
    }
    case WM_COMPAREITEM: {
        const COMPAREITEMSTRUCT* compare = reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam);
        if (compare)
            child = compare->hwndItem;
        break;
    }
    case WM_DELETEITEM: {
        const DELETEITEMSTRUCT* deleted = reinterpret_cast<const DELETEITEMSTRUCT*>(lParam);
        if (deleted)
            child = deleted->hwndItem;
        break;
    }
    default:
        if (IsCtlColorMessage(message))
            child = reinterpret_cast<HWND>(lParam);
        break;
    }
    CWnd* control = child ? FromHandlePermanent(child) : nullptr;
    return control && control != this && control->OnChildNotify(message, wParam, lParam, result);
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT draw)
{
    LRESULT result = 0;
    if (!ReflectToChild(WM_DRAWITEM, m_currentMessage.wParam, reinterpret_cast<LPARAM>(draw), &result))
        Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT measure)
{
    LRESULT result = 0;
    if (!ReflectToChild(WM_MEASUREITEM, m_currentMessage.wParam, reinterpret_cast<LPARAM>(measure), &result))
        Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
    LRESULT result = 0;
    if (ReflectToChild(m_currentMessage.message, m_currentMessage.wParam, m_currentMessage.lParam, &result))
        return reinterpret_cast<HBRUSH>(result);
    return reinterpret_cast<HBRUSH>(Default());
}

bool CWnd::RouteCommandToApp(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWinApp* app = AfxGetApp();
    if (!app || app->m_pMainWnd != this)
        return false;
    if (message == WM_HELP) {
        // F1 on the main window (or a control of it): the framework's help command.
        SendMessage(WM_COMMAND, ID_HELP, 0);
        *result = TRUE;
        return true;
    }
    if (message != WM_COMMAND)
        return false;
    return app->DispatchMessageMap(message, wParam, lParam, result);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (ReflectNotificationToChild(message, wParam, lParam, &result))
        return result;
    if (DispatchMessageMap(message, wParam, lParam, &result))
        return result;
    if (ReflectToChild(message, wParam, lParam, &result))
        return result;
    if (RouteCommandToApp(message, wParam, lParam, &result))
        return result;
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CALLBACK UiWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandlePermanent(window);
    if (!wnd)
        return ::DefWindowProcW(window, message, wParam, lParam);
    MSG saved = wnd->m_currentMessage;
    wnd->m_currentMessage.hwnd = window;
    wnd->m_currentMessage.message = message;
    wnd->m_currentMessage.wParam = wParam;
    wnd->m_currentMessage.lParam = lParam;
    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The window is gone: give the window procedure back.
        wnd->UnsubclassWindow();
        wnd->m_currentMessage = MSG();
        return result;
    }
    wnd->m_currentMessage = saved;
    return result;
}

void AfxSetWindowText(HWND window, const wchar_t* text)
{
    if (!window)
        return;
    const wchar_t* wanted = text ? text : L"";
    const int length = ::lstrlenW(wanted);
    wchar_t current[256];
    if (length < 256 && ::GetWindowTextW(window, current, 256) == length && std::wcscmp(current, wanted) == 0)
        return;
    ::SetWindowTextW(window, wanted);
}
