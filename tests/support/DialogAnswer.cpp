#include "tests/support/DialogAnswer.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {

namespace {
std::mutex g_answerMutex;
ScopedDialogAnswer* g_answer = nullptr;

ScopedDialogAnswer* ActiveAnswer()
{
    std::lock_guard<std::mutex> lock(g_answerMutex);
    return g_answer;
}

void ModalDialogInitialised(CDialog& dialog);

// Checks the radio button and clears the others of its group (up to the next WS_GROUP).
void CheckInItsGroup(HWND button)
{
    HWND first = button;
    while (!(::GetWindowLongPtrW(first, GWL_STYLE) & WS_GROUP)) {
        HWND previous = ::GetWindow(first, GW_HWNDPREV);
        if (!previous)
            break;
        first = previous;
    }
    for (HWND item = first; item; item = ::GetWindow(item, GW_HWNDNEXT)) {
        if (item != first && (::GetWindowLongPtrW(item, GWL_STYLE) & WS_GROUP))
            break;
        wchar_t className[16] = {};
        ::GetClassNameW(item, className, 16);
        if (::lstrcmpiW(className, L"Button") == 0 && (::GetWindowLongPtrW(item, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
            ::SendMessageW(item, BM_SETCHECK, item == button ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

// The control if it can be used by a person: present, visible and enabled.
HWND UsableControl(CWnd& dialog, int id)
{
    HWND control = ::GetDlgItem(dialog.m_hWnd, id);
    if (!control || !::IsWindowVisible(control) || !::IsWindowEnabled(control))
        return nullptr;
    return control;
}
}  // namespace

ScopedDialogAnswer::ScopedDialogAnswer()
{
    {
        std::lock_guard<std::mutex> lock(g_answerMutex);
        m_previous = g_answer;
        g_answer = this;
    }
    m_previousHook = SetModalDialogHook(&ModalDialogInitialised);
}

ScopedDialogAnswer::~ScopedDialogAnswer()
{
    SetModalDialogHook(std::move(m_previousHook));
    std::lock_guard<std::mutex> lock(g_answerMutex);
    g_answer = m_previous;
}

void ScopedDialogAnswer::Add(UINT templateId, DialogScript script)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_scripts.push_back(Entry{templateId, std::move(script)});
}

std::vector<UINT> ScopedDialogAnswer::Opened() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_opened;
}

std::size_t ScopedDialogAnswer::Unused() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_scripts.size();
}

void ScopedDialogAnswer::DialogOpened(UINT templateId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_opened.push_back(templateId);
}

bool ScopedDialogAnswer::TakeScript(UINT templateId, DialogScript* script)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto it = m_scripts.begin(); it != m_scripts.end(); ++it) {
        if (it->templateId == templateId) {
            *script = std::move(it->script);
            m_scripts.erase(it);
            return true;
        }
    }
    return false;
}

// ---- acting as the user ---------------------------------------------------------------------------

// The user's actions are done as the controls do them, step by step, without the mouse and the
// keyboard focus of the display: those depend on when the display activates the window, which a
// busy machine delays.

bool ClickButton(CWnd& dialog, int id)
{
    HWND button = UsableControl(dialog, id);
    if (!button)
        return false;
    const LONG_PTR type = ::GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK;
    if (type == BS_AUTOCHECKBOX) {
        const bool checked = ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
        ::SendMessageW(button, BM_SETCHECK, checked ? BST_UNCHECKED : BST_CHECKED, 0);
    } else if (type == BS_AUTORADIOBUTTON) {
        CheckInItsGroup(button);
    }
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return true;
}

bool TypeText(CWnd& dialog, int id, const wchar_t* text)
{
    HWND edit = UsableControl(dialog, id);
    if (!edit)
        return false;
    // The edit is told it has the focus (it then tells the dialog, EN_SETFOCUS) whether or not the
    // display gives it the focus now.
    ::SetFocus(edit);
    if (::GetFocus() != edit)
        ::SendMessageW(edit, WM_SETFOCUS, 0, 0);
    ::SetWindowTextW(edit, text ? text : L"");
    return true;
}

bool SelectComboItem(CWnd& dialog, int id, int index)
{
    HWND combo = UsableControl(dialog, id);
    if (!combo || ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0) == CB_ERR)
        return false;
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    return true;
}

bool ClickSpinArrow(CWnd& dialog, int spinId, bool up)
{
    HWND spin = UsableControl(dialog, spinId);
    if (!spin)
        return false;
    // As the control does on a click: take in the buddy's number, ask the dialog (UDN_DELTAPOS),
    // then step from the position the dialog may have set, within the range.
    NMUPDOWN notify = {};
    notify.hdr.hwndFrom = spin;
    notify.hdr.idFrom = static_cast<UINT_PTR>(spinId);
    notify.hdr.code = UDN_DELTAPOS;
    notify.iPos = static_cast<int>(::SendMessageW(spin, UDM_GETPOS32, 0, 0));
    notify.iDelta = up ? 1 : -1;
    if (::SendMessageW(dialog.m_hWnd, WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify)) != 0)
        return true;
    int lower = 0, upper = 0;
    ::SendMessageW(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    const int position = static_cast<int>(::SendMessageW(spin, UDM_GETPOS32, 0, 0)) + notify.iDelta;
    if (position >= std::min(lower, upper) && position <= std::max(lower, upper))
        ::SendMessageW(spin, UDM_SETPOS32, 0, position);
    return true;
}

// ---- the modal dialog hook and the script timers -------------------------------------------------

namespace {

// Timers of the dialog's window (they tick only when its queue is empty): the first runs the
// script, the second ends a dialog left open. Their procedure is the kit's own, so the dialog's
// window procedure never sees them.
constexpr UINT_PTR DIALOG_SCRIPT_TIMER = 0x5C21A;
constexpr UINT_PTR DIALOG_CLOSE_TIMER = 0x5C21B;
const wchar_t kWaitProperty[] = L"Orvelle.Ui.ScriptWait";
constexpr UINT ACTIVATION_WAIT_MS = 20;
constexpr UINT_PTR ACTIVATION_WAIT_TICKS = 150;

void CALLBACK OnDialogScriptTimer(HWND window, UINT, UINT_PTR timer, DWORD);

void StartTimer(CDialog& dialog, UINT_PTR timer, UINT milliseconds)
{
    ::SetTimer(dialog.m_hWnd, timer, milliseconds, &OnDialogScriptTimer);
}

void ModalDialogInitialised(CDialog& dialog)
{
    ScopedDialogAnswer* answer = ActiveAnswer();
    if (!answer)
        return;
    answer->DialogOpened(dialog.GetTemplateId());
    // A timer ticks only when the queue is empty: by then the modal loop has shown the dialog.
    StartTimer(dialog, DIALOG_SCRIPT_TIMER, 1);
}

void CALLBACK OnDialogScriptTimer(HWND window, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(window, timer);
    auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(window));
    if (!dialog)
        return;
    // A timer can tick before the modal loop has shown the dialog, and the display activates a new
    // window a little after it is shown. Wait for both (at most a few seconds).
    const bool up = ::IsWindowVisible(window) && ::GetForegroundWindow() == window;
    if (timer == DIALOG_SCRIPT_TIMER && !up) {
        const UINT_PTR waited = reinterpret_cast<UINT_PTR>(::GetPropW(window, kWaitProperty)) + 1;
        if (waited < ACTIVATION_WAIT_TICKS) {
            ::SetPropW(window, kWaitProperty, reinterpret_cast<HANDLE>(waited));
            StartTimer(*dialog, DIALOG_SCRIPT_TIMER, ACTIVATION_WAIT_MS);
            return;
        }
    }
    ::RemovePropW(window, kWaitProperty);
    if (timer == DIALOG_SCRIPT_TIMER) {
        ScopedDialogAnswer* answer = ActiveAnswer();
        DialogScript script;
        if (answer && answer->TakeScript(dialog->GetTemplateId(), &script) && script)
            script(*dialog);
        if (dialog->m_hWnd && !dialog->HasEnded())
            StartTimer(*dialog, DIALOG_CLOSE_TIMER, 1);
        return;
    }
    if (dialog->m_hWnd && dialog->IsModal() && !dialog->HasEnded())
        dialog->EndDialog(IDCANCEL);
}

}  // namespace

}  // namespace ui
