#include "platform/ui/UiControls.h"

#include <algorithm>
#include <cwchar>

bool CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, result);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *result = TRUE;
    return true;
}

bool CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, result);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *result = TRUE;
    return true;
}

bool CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    DWORD style = GetStyle();
    bool ownerDrawn = (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
    switch (message) {
    case WM_DRAWITEM:
        if (!ownerDrawn)
            return false;
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *result = TRUE;
        return true;
    case WM_MEASUREITEM:
        if (!ownerDrawn)
            return false;
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        *result = TRUE;
        return true;
    case WM_COMPAREITEM:
        *result = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        return true;
    case WM_DELETEITEM:
        DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        *result = TRUE;
        return true;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, result);
    }
}

void CComboBox::GetLBText(int index, CString& text) const
{
    int length = GetLBTextLen(index);
    if (length == CB_ERR || length < 0) {
        text.Empty();
        return;
    }
    wchar_t* buffer = text.GetBufferSetLength(length + 1);
    int copied = GetLBText(index, buffer);
    text.ReleaseBuffer(copied > 0 ? copied : 0);
}

void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const
{
    SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
}

int CSpinButtonCtrl::GetPos32(BOOL* error) const
{
    return static_cast<int>(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(error)));
}

int CSpinButtonCtrl::TakeBuddyValue()
{
    HWND buddy = reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY));
    long value = 0;
    if (buddy) {
        wchar_t text[64] = {};
        ::GetWindowTextW(buddy, text, 64);
        wchar_t* end = nullptr;
        value = std::wcstol(text, &end, 10);
    }
    static_assert(sizeof(long) == sizeof(int), "wcstol's result is an int here");
    return SetPosInRange(static_cast<int>(value));
}

int CSpinButtonCtrl::SetPosInRange(int value)
{
    int lower = 0, upper = 0;
    GetRange32(lower, upper);
    if (lower > upper)
        std::swap(lower, upper);
    const int position = std::clamp(value, lower, upper);
    SetPos32(position);
    return position;
}
