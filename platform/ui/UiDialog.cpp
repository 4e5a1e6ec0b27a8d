#include "platform/ui/UiDialog.h"

#include "platform/ui/UiApp.h"
#include "platform/ui/UiHook.h"
#include "platform/ui/UiMessageBox.h"

#include <algorithm>
#include <cwchar>

namespace {

// The dialog whose window is being created on this thread (bound at the window's first message).
thread_local CDialog* t_dialogInCreation = nullptr;

// ---- modeless dialogs of this thread and the message filter that gives them their keys ---------

thread_local std::vector<CDialog*> t_modelessDialogs;
thread_local HHOOK t_messageFilter = nullptr;
thread_local bool t_inDialogKeys = false;  // IsDialogMessage calls the filter again: answer once

LRESULT CALLBACK ModalLoopFilter(int code, WPARAM wParam, LPARAM lParam)
{
    // IsDialogMessage offers the messages of a dialog's own windows here first: the modal loop of a
    // dialog box thus hands over those of a modeless dialog inside it.
    if (code == MSGF_DIALOGBOX && ui::PreTranslateDialogMessage(reinterpret_cast<MSG*>(lParam)))
        return TRUE;
    return ::CallNextHookEx(t_messageFilter, code, wParam, lParam);
}

void RegisterModeless(CDialog* dialog)
{
    if (std::find(t_modelessDialogs.begin(), t_modelessDialogs.end(), dialog) != t_modelessDialogs.end())
        return;
    t_modelessDialogs.push_back(dialog);
    if (!t_messageFilter)
        t_messageFilter = ::SetWindowsHookExW(WH_MSGFILTER, &ModalLoopFilter, nullptr, ::GetCurrentThreadId());
}

void UnregisterModeless(CDialog* dialog)
{
    auto& list = t_modelessDialogs;
    list.erase(std::remove(list.begin(), list.end(), dialog), list.end());
    if (list.empty() && t_messageFilter) {
        ::UnhookWindowsHookEx(t_messageFilter);
        t_messageFilter = nullptr;
    }
}

ui::HookSlot<ui::ModalDialogHook> g_modalDialogHook;

bool IsEditControl(HWND window)
{
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    return ::lstrcmpiW(className, L"Edit") == 0;
}

}  // namespace

namespace ui {

ModalDialogHook SetModalDialogHook(ModalDialogHook hook) { return g_modalDialogHook.Set(std::move(hook)); }

void FocusFirstControl(HWND window)
{
    const HWND first = ::GetNextDlgTabItem(window, nullptr, FALSE);
    ::SetFocus(first ? first : window);
}

bool PreTranslateDialogMessage(MSG* message)
{
    if (!message || message->message < WM_KEYFIRST || message->message > WM_KEYLAST || t_inDialogKeys)
        return false;
    if (message->hwnd && !::IsWindowVisible(message->hwnd)) {
        // The focus was left on a control of a window hidden since: the key is dropped, and the
        // first control shown in the top-level window takes the focus.
        const HWND root = ::GetAncestor(message->hwnd, GA_ROOT);
        if (::GetFocus() == message->hwnd && root && ::IsWindowVisible(root))
            FocusFirstControl(root);
        return true;
    }
    for (auto it = t_modelessDialogs.rbegin(); it != t_modelessDialogs.rend(); ++it) {
        HWND dialog = (*it)->m_hWnd;
        if (dialog && (message->hwnd == dialog || ::IsChild(dialog, message->hwnd))) {
            t_inDialogKeys = true;
            const bool handled = ::IsDialogMessageW(dialog, message) != FALSE;
            t_inDialogKeys = false;
            return handled;
        }
    }
    return false;
}

}  // namespace ui

// ---- data exchange ------------------------------------------------------------------------------

HWND CDataExchange::PrepareCtrl(int id)
{
    m_lastControlId = id;
    m_lastIsEdit = false;
    return ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    HWND control = PrepareCtrl(id);
    m_lastIsEdit = control && IsEditControl(control);
    return control;
}

void CDataExchange::Fail(const wchar_t* message)
{
    if (m_failed)
        return;
    m_failed = true;
    if (message)
        AfxMessageBox(message, MB_ICONEXCLAMATION);
    HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, m_lastControlId);
    if (control) {
        ::SetFocus(control);
        if (m_lastIsEdit)
            ::SendMessageW(control, EM_SETSEL, 0, -1);
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd)
        return;
    HWND item = ::GetDlgItem(dx->m_pDlgWnd->m_hWnd, id);
    if (item)
        control.SubclassWindow(item);
}

// ---- dialogs ------------------------------------------------------------------------------------

const ui::MsgMapEntry CDialog::kMessageEntries[] = {
    ui::OnCommand<&CDialog::OnOKCommand>(IDOK),
    ui::OnCommand<&CDialog::OnCancelCommand>(IDCANCEL),
};
UI_IMPLEMENT_MESSAGE_MAP(CDialog, CWnd)

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog()
{
    UnregisterModeless(this);
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        HWND window = m_hWnd;
        UnsubclassWindow();
        ::DestroyWindow(window);
    }
}

HWND CDialog::OwnerWindow() const
{
    if (m_pParentWnd)
        return m_pParentWnd->m_hWnd;
    CWnd* main = AfxGetMainWnd();
    if (main && main != this && main->m_hWnd && ::IsWindow(main->m_hWnd))
        return main->m_hWnd;
    return nullptr;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Once the object is bound, every message reaches it through UiWindowProc and the maps, and
    // this procedure is reached only from the dialog manager's default processing.
    if (CWnd::FromHandlePermanent(window))
        return FALSE;
    // The window's first message (WM_SETFONT, or WM_INITDIALOG for a template without a font)
    // binds the object being created.
    CDialog* dialog = message == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lParam) : t_dialogInCreation;
    if (!dialog || dialog->m_hWnd || !dialog->SubclassWindow(window))
        return FALSE;
    t_dialogInCreation = nullptr;
    if (!dialog->m_modal)
        RegisterModeless(dialog);
    // This first message gets the whole treatment now; the dialog manager only takes the result.
    LRESULT result = UiWindowProc(window, message, wParam, lParam);
    if (message == WM_INITDIALOG)
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return RunInitDialog();
    if (message == WM_MEASUREITEM && lParam != 0) {
        const MEASUREITEMSTRUCT* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlType != ODT_MENU)
            BindEarlyControl(static_cast<int>(measure->CtlID));
    }
    if (message == WM_NCDESTROY)
        UnregisterModeless(this);
    return CWnd::WindowProc(message, wParam, lParam);
}

namespace {

bool IsRadioButton(HWND control)
{
    wchar_t name[16] = {};
    ::GetClassNameW(control, name, 16);
    const LONG_PTR type = ::GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    return ::_wcsicmp(name, L"Button") == 0 && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

// The checked radio button of the group that holds `radio`; null when none of them is checked.
HWND CheckedRadioOfGroup(HWND dialog, HWND radio)
{
    HWND item = radio;
    do {
        if (IsRadioButton(item) && ::SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED)
            return item;
        item = ::GetNextDlgGroupItem(dialog, item, FALSE);
    } while (item != nullptr && item != radio);
    return nullptr;
}

}  // namespace

// The dialog manager gives the first control with a tab stop the focus. When that is a radio button
// of a group whose checked button is another one (the language list opened on Italian, the paper
// on landscape), the focus goes to the checked button instead: a Space or an arrow key then starts
// from the choice the dialog shows, and never picks the first one unseen.
bool CDialog::FocusCheckedRadio()
{
    HWND first = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    if (first == nullptr || !IsRadioButton(first) || ::SendMessageW(first, BM_GETCHECK, 0, 0) == BST_CHECKED)
        return false;
    HWND checked = CheckedRadioOfGroup(m_hWnd, first);
    if (checked == nullptr)
        return false;
    ::SetFocus(checked);
    return true;
}

BOOL CDialog::RunInitDialog()
{
    for (const EarlyControl& early : m_earlyControls)
        BindEarlyControl(early.id);
    BOOL result = OnInitDialog();
    // The focus is set here, so the dialog manager must not set it again.
    if (result && m_hWnd && FocusCheckedRadio())
        result = FALSE;
    if (m_modal && m_hWnd) {
        const ui::ModalDialogHook hook = g_modalDialogHook.Get();
        if (hook)
            hook(*this);
    }
    return result;
}

void CDialog::BindControlEarly(int id, CWnd& control)
{
    m_earlyControls.push_back(EarlyControl{id, &control});
}

void CDialog::BindEarlyControl(int id)
{
    for (const EarlyControl& early : m_earlyControls) {
        if (early.id != id || early.control->m_hWnd)
            continue;
        HWND item = ::GetDlgItem(m_hWnd, id);
        if (item)
            early.control->SubclassWindow(item);
    }
}

INT_PTR CDialog::DoModal()
{
    m_modal = true;
    m_ended = false;
    CDialog* outer = t_dialogInCreation;
    t_dialogInCreation = this;
    INT_PTR result = ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_templateId), OwnerWindow(),
                                       &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    t_dialogInCreation = outer;
    m_modal = false;
    if (!::IsRectEmpty(&m_closedRect)) {
        ::RedrawWindow(nullptr, &m_closedRect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        m_closedRect = RECT{};
    }
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_templateId = templateId;
    if (parent)
        m_pParentWnd = parent;
    m_modal = false;
    m_ended = false;
    CDialog* outer = t_dialogInCreation;
    t_dialogInCreation = this;
    HWND window = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_templateId), OwnerWindow(),
                                       &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    t_dialogInCreation = outer;
    return window != nullptr;
}

void CDialog::EndDialog(int result)
{
    m_ended = true;
    if (!m_hWnd)
        return;
    // A window that no longer counts as shown is left alone by the dialog manager's hide; the
    // destroy that ends the modal loop takes it off the screen.
    if (m_modal && ::IsWindowVisible(m_hWnd)) {
        ::GetWindowRect(m_hWnd, &m_closedRect);
        ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, ::GetWindowLongPtrW(m_hWnd, GWL_STYLE) & ~WS_VISIBLE);
    }
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return dx.Failed() ? FALSE : TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
