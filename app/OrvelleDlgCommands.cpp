// Menu commands of the main dialog.
#include "app/OrvelleDlg.h"

#include "dialogs/PrintPreviewDlg.h"

// Print: a capture of the window's client area at its start-up size into the print preview.
void COrvelleDlg::OnPrint()
{
    const int width = m_initClientWidth;
    const int height = m_initClientHeight;
    HDC window = ::GetDC(m_hWnd);
    HDC capture = ::CreateCompatibleDC(window);
    HBITMAP bitmap = ::CreateCompatibleBitmap(window, width, height);
    HGDIOBJ old = ::SelectObject(capture, bitmap);
    ::BitBlt(capture, 0, 0, width, height, window, 0, 0, SRCCOPY);

    CPrintPreviewDialogDlg preview;
    preview.m_captureWidth = width;
    preview.m_captureHeight = height;
    preview.m_previewReady = 0;
    preview.m_redrawPending = 0;
    preview.m_pCaptureDC = capture;
    preview.m_language = m_language;
    preview.DoModal();

    ::SelectObject(capture, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(capture);
    ::ReleaseDC(m_hWnd, window);
}
