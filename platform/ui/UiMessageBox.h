// Message boxes. Every message box of the program goes through ui::ShowMessageBox, which a test
// can answer without a person: install a hook (or a ScopedMessageBoxAnswer), and the hook's result
// is returned as if the user had pressed that button.
#pragma once
#include "platform/ui/UiString.h"

#include <functional>
#include <mutex>
#include <vector>

namespace ui {

using MessageBoxHook = std::function<int(HWND owner, const CString& text, const CString& caption, UINT type)>;

// Installs the hook (an empty one restores the real message box); returns the previous hook.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
// Shows the message box (or asks the hook) and returns the button id.
int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// For tests: while it lives, every message box is answered with `answer` and recorded.
class ScopedMessageBoxAnswer {
public:
    struct Shown {
        CString text;
        CString caption;
        UINT type;
        HWND owner;
    };
    explicit ScopedMessageBoxAnswer(int answer);
    ~ScopedMessageBoxAnswer();
    ScopedMessageBoxAnswer(const ScopedMessageBoxAnswer&) = delete;
    ScopedMessageBoxAnswer& operator=(const ScopedMessageBoxAnswer&) = delete;

    void SetAnswer(int answer);
    std::vector<Shown> Boxes() const;  // every box shown so far, in order
    std::size_t Count() const;

private:
    mutable std::mutex m_mutex;
    int m_answer;
    std::vector<Shown> m_boxes;
    MessageBoxHook m_previous;
};

}  // namespace ui

// Message box owned by the application's main window, with the application's name as caption.
int AfxMessageBox(const wchar_t* text, UINT type = MB_OK, UINT helpId = 0);
