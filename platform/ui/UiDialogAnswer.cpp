#include "platform/ui/UiDialogAnswer.h"

#include <commctrl.h>

namespace ui {

namespace {
std::mutex g_answerMutex;
ScopedDialogAnswer* g_answer = nullptr;

ScopedDialogAnswer* ActiveAnswer()
{
    std::lock_guard<std::mutex> lock(g_answerMutex);
    return g_answer;
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
    std::lock_guard<std::mutex> lock(g_answerMutex);
    m_previous = g_answer;
    g_answer = this;
}

ScopedDialogAnswer::~ScopedDialogAnswer()
{
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

bool ClickButton(CWnd& dialog, int id)
{
    HWND button = UsableControl(dialog, id);
    if (!button)
        return false;
    ::SendMessageW(button, BM_CLICK, 0, 0);
    return true;
}

bool TypeText(CWnd& dialog, int id, const wchar_t* text)
{
    HWND edit = UsableControl(dialog, id);
    if (!edit)
        return false;
    ::SetFocus(edit);
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
    RECT client;
    ::GetClientRect(spin, &client);
    const bool horizontal = (::GetWindowLongPtrW(spin, GWL_STYLE) & UDS_HORZ) != 0;
    // Vertical: the up arrow is the upper half. Horizontal: the "up" (increasing) arrow is the right half.
    const int x = horizontal ? (up ? client.right * 3 / 4 : client.right / 4) : client.right / 2;
    const int y = horizontal ? client.bottom / 2 : (up ? client.bottom / 4 : client.bottom * 3 / 4);
    ::SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    return true;
}

// ---- the link with CDialog ---------------------------------------------------------------------------

namespace detail {

namespace {
const wchar_t kWaitProperty[] = L"Orvelle.Ui.ScriptWait";
constexpr UINT ACTIVATION_WAIT_MS = 20;
constexpr UINT_PTR ACTIVATION_WAIT_TICKS = 150;
}  // namespace

void ModalDialogInitialised(CDialog& dialog)
{
    ScopedDialogAnswer* answer = ActiveAnswer();
    if (!answer)
        return;
    answer->DialogOpened(dialog.GetTemplateId());
    // A timer ticks only when the queue is empty: by then the modal loop has shown the dialog.
    dialog.SetTimer(DIALOG_SCRIPT_TIMER, 1);
}

void OnDialogScriptTimer(CDialog& dialog, UINT_PTR timer)
{
    dialog.KillTimer(timer);
    // The display activates a new window a little after it is shown; a script that ran before
    // that would lose its focus and keys to the activation. Wait for it (at most a few seconds).
    if (timer == DIALOG_SCRIPT_TIMER && ::GetForegroundWindow() != dialog.m_hWnd) {
        const UINT_PTR waited = reinterpret_cast<UINT_PTR>(::GetPropW(dialog.m_hWnd, kWaitProperty)) + 1;
        if (waited < ACTIVATION_WAIT_TICKS) {
            ::SetPropW(dialog.m_hWnd, kWaitProperty, reinterpret_cast<HANDLE>(waited));
            dialog.SetTimer(DIALOG_SCRIPT_TIMER, ACTIVATION_WAIT_MS);
            return;
        }
    }
    ::RemovePropW(dialog.m_hWnd, kWaitProperty);
    if (timer == DIALOG_SCRIPT_TIMER) {
        ScopedDialogAnswer* answer = ActiveAnswer();
        DialogScript script;
        if (answer && answer->TakeScript(dialog.GetTemplateId(), &script) && script)
            script(dialog);
        if (dialog.m_hWnd && !dialog.HasEnded())
            dialog.SetTimer(DIALOG_CLOSE_TIMER, 1);
        return;
    }
    if (dialog.m_hWnd && dialog.IsModal() && !dialog.HasEnded())
        dialog.EndDialog(IDCANCEL);
}

}  // namespace detail

}  // namespace ui
