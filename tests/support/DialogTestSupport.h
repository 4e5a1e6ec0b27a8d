// Helpers of the dialog tests: a dialog run with a script acting as the user, and what the user
// sees of its controls.
#pragma once
#include "tests/support/DialogAnswer.h"

#include <gtest/gtest.h>

#include <functional>

inline CString Text(CWnd& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

inline bool Enabled(CWnd& dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, id)) != FALSE; }

inline bool Checked(CWnd& dialog, int id) { return dialog.IsDlgButtonChecked(id) == BST_CHECKED; }

inline bool ReadOnly(CWnd& dialog, int id)
{
    return (::GetWindowLongPtrW(::GetDlgItem(dialog.m_hWnd, id), GWL_STYLE) & ES_READONLY) != 0;
}

// Position and size of a control in the dialog's client area.
inline RECT ItemRect(CWnd& dialog, int id)
{
    RECT rect;
    ::GetWindowRect(::GetDlgItem(dialog.m_hWnd, id), &rect);
    ::MapWindowPoints(nullptr, dialog.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The text of the selected entry of a combo box ("" for none).
inline CString SelectedText(CWnd& dialog, int id)
{
    HWND box = ::GetDlgItem(dialog.m_hWnd, id);
    const int index = static_cast<int>(::SendMessageW(box, CB_GETCURSEL, 0, 0));
    if (index < 0)
        return CString();
    wchar_t text[256] = {};
    ::SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return CString(text);
}

// Types the text into the edit key by key, as a person does after selecting what the field holds:
// each character reaches the edit as WM_CHAR, so the edit's own limits apply.
inline void TypeKeys(CWnd& dialog, int id, const wchar_t* text)
{
    HWND edit = ::GetDlgItem(dialog.m_hWnd, id);
    ::SetFocus(edit);
    ::SendMessageW(edit, EM_SETSEL, 0, -1);
    for (const wchar_t* key = text; *key; ++key)
        ::SendMessageW(edit, WM_CHAR, *key, 1);
}

// Runs the dialog with the script; the dialog's result.
inline INT_PTR RunDialog(CDialog& dialog, std::function<void(CDialog&)> script)
{
    ui::ScopedDialogAnswer answer;
    answer.Add(dialog.GetTemplateId(), std::move(script));
    const INT_PTR result = dialog.DoModal();
    EXPECT_EQ(answer.Unused(), 0u);
    return result;
}
