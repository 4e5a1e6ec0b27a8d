// Message boxes. Every message box of the program goes through ui::ShowMessageBox, which a test
// can answer without a person: it installs a hook, and the hook's result is returned as if the
// user had pressed that button.
#pragma once
#include "platform/ui/UiString.h"

#include <functional>

namespace ui {

using MessageBoxHook = std::function<int(HWND owner, const CString& text, const CString& caption, UINT type)>;

// Installs the hook (an empty one restores the real message box); returns the previous hook.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
// Shows the message box (or asks the hook) and returns the button id.
int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

}  // namespace ui

// Message box owned by the application's main window, with the application's name as caption.
int AfxMessageBox(const wchar_t* text, UINT type = MB_OK, UINT helpId = 0);
