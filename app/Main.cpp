#include <windows.h>
#include "res/resource.h"

static INT_PTR CALLBACK MainDialogProc(HWND hwnd, UINT msg, WPARAM, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG:
        MoveWindow(hwnd, 10, 10, 965, 735, FALSE);
        return TRUE;
    case WM_CLOSE:
        EndDialog(hwnd, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ORVELLE_DIALOG), nullptr, MainDialogProc, 0);
    return 0;
}
