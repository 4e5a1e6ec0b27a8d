#include "platform/ui/UiMessageBox.h"

#include "platform/ui/UiApp.h"
#include "platform/ui/UiHook.h"

namespace ui {

namespace {
HookSlot<MessageBoxHook> g_hook;
}  // namespace

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) { return g_hook.Set(std::move(hook)); }

int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    const MessageBoxHook hook = g_hook.Get();
    if (hook)
        return hook(owner, CString(text), CString(caption), type);
    return ::MessageBoxW(owner, text ? text : L"", caption ? caption : L"", type);
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
