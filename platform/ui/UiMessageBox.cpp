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
