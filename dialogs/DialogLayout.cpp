#include "dialogs/DialogLayout.h"

int UploadButtonExtra(int language)
{
    switch (language) {
    case LANGUAGE_FRENCH:
        return 82;
    case LANGUAGE_ITALIAN:
    case LANGUAGE_RUSSIAN:
        return 30;
    case LANGUAGE_POLISH:
        return 36;  // "Ładowanie nowych ustawień" needs 144 pixels of ink
    case LANGUAGE_GERMAN:
    case LANGUAGE_SPANISH:
    case LANGUAGE_DUTCH:
        return 20;
    default:
        return 0;
    }
}

void SetWindowSize(CWnd& window, int width, int height)
{
    window.SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetItemSize(CWnd& dialog, int id, int width, int height)
{
    if (HWND item = ::GetDlgItem(dialog.m_hWnd, id))
        ::SetWindowPos(item, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoveItem(CWnd& dialog, int id, int x, int y)
{
    if (HWND item = ::GetDlgItem(dialog.m_hWnd, id))
        ::SetWindowPos(item, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceItem(CWnd& dialog, int id, int x, int y, int width, int height)
{
    if (HWND item = ::GetDlgItem(dialog.m_hWnd, id))
        ::SetWindowPos(item, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ShowItem(CWnd& dialog, int id, bool show)
{
    if (HWND item = ::GetDlgItem(dialog.m_hWnd, id))
        ::ShowWindow(item, show ? SW_SHOW : SW_HIDE);
}

void EnableItem(CWnd& dialog, int id, bool enable)
{
    if (HWND item = ::GetDlgItem(dialog.m_hWnd, id))
        ::EnableWindow(item, enable ? TRUE : FALSE);
}

RECT ItemBox(CWnd& dialog, int id)
{
    RECT box{};
    if (HWND item = ::GetDlgItem(dialog.m_hWnd, id)) {
        ::GetWindowRect(item, &box);
        ::MapWindowPoints(nullptr, dialog.m_hWnd, reinterpret_cast<POINT*>(&box), 2);
    }
    return box;
}

int WindowWidthForClient(CWnd& window, int clientWidth)
{
    RECT outer{0, 0, clientWidth, 0};
    ::AdjustWindowRectEx(&outer, window.GetStyle(), FALSE, window.GetExStyle());
    return outer.right - outer.left;
}
