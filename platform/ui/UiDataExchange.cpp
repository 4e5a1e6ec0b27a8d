// The data-exchange routines of dialogs (declared in UiDialog.h).
#include "platform/ui/UiDialog.h"

#include <cerrno>
#include <climits>
#include <cwchar>
#include <cwctype>
#include <string>

namespace {

// A whole number with optional blanks around it and an optional sign; false for anything else
// (also for a number that does not fit an int).
bool ParseInteger(const wchar_t* text, int* value)
{
    while (std::iswspace(*text))
        ++text;
    wchar_t* end = nullptr;
    errno = 0;
    const long long parsed = std::wcstoll(text, &end, 10);
    if (end == text || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    while (std::iswspace(*end))
        ++end;
    if (*end != L'\0')
        return false;
    *value = static_cast<int>(parsed);
    return true;
}

bool IsRadioButton(HWND window)
{
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    if (::lstrcmpiW(className, L"Button") != 0)
        return false;
    const LONG_PTR type = ::GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

// The control a routine works on; null when the pass has already failed or the control is missing.
HWND ExchangedControl(CDataExchange* dx, int id, bool edit)
{
    if (dx->Failed())
        return nullptr;
    return edit ? dx->PrepareEditCtrl(id) : dx->PrepareCtrl(id);
}

}  // namespace

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    HWND control = ExchangedControl(dx, id, true);
    if (!control)
        return;
    if (!dx->m_bSaveAndValidate) {
        ::SetWindowTextW(control, std::to_wstring(value).c_str());
        return;
    }
    wchar_t text[64] = {};
    ::GetWindowTextW(control, text, 64);
    int parsed = 0;
    if (!ParseInteger(text, &parsed)) {
        dx->Fail(L"Please enter an integer.");
        return;
    }
    value = parsed;
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    HWND control = ExchangedControl(dx, id, true);
    if (!control)
        return;
    if (!dx->m_bSaveAndValidate) {
        ::SetWindowTextW(control, value.GetString());
        return;
    }
    dx->m_pDlgWnd->GetDlgItemText(id, value);
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    HWND control = ExchangedControl(dx, id, false);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(control, BM_GETCHECK, 0, 0));
    else
        ::SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* dx, int firstId, int& value)
{
    HWND control = ExchangedControl(dx, firstId, false);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    for (HWND button = control; button; button = ::GetWindow(button, GW_HWNDNEXT)) {
        if (button != control && (::GetWindowLongPtrW(button, GWL_STYLE) & WS_GROUP))
            break;  // the next group starts
        if (!IsRadioButton(button))
            continue;
        if (dx->m_bSaveAndValidate) {
            if (::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED && value < 0)
                value = index;
        } else {
            ::SendMessageW(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue)
{
    if (dx->Failed() || !dx->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    wchar_t message[96];
    std::swprintf(message, 96, L"Please enter an integer between %d and %d.", minValue, maxValue);
    dx->Fail(message);
}
