// CxStatic: the static control through which the main window and the all-sensor chart window show
// their value texts, captions and pictures. It paints itself (owner-drawn) off-screen through
// CMemDC: a bitmap stretched over the whole control, or its background colour, and its text on
// top, broken into lines by the control itself (StaticTextLayout.h) and aligned by the static
// style the control had before it was subclassed. It keeps a font of its own and takes a .bmp
// file dropped onto it from the shell.
//
// The control owns its background brush, its bitmap and its font; a new one deletes the old.
#pragma once
#include "platform/ui/UiControls.h"

#include <shellapi.h>

class CxStatic : public CStatic {
public:
    CxStatic();
    ~CxStatic() override;

    // The text that is painted (the window text itself is not changed); invalidates the control.
    void SetText(const wchar_t* text);
    // The control's own font: the face, the cell height (logical units) and the weight.
    void SetFont(const wchar_t* face, int height, int weight);
    // The colour painted behind the text while the control shows no bitmap (a window whose own
    // background is not the system's button colour gives its controls its colour).
    void SetBackgroundColour(COLORREF colour);
    // Bitmap resource of the program, loaded with mapped 3-D colours; non-zero on success. On
    // failure nothing changes (the previous picture stays).
    BOOL LoadBitmapResource(int resourceId);
    // Bitmap file; non-zero on success, nothing changed on failure.
    BOOL LoadBitmapFile(const wchar_t* path);
    // Shows the bitmap; the control takes ownership and deletes the previous one.
    void SetBitmap(HBITMAP bitmap);

    void DrawItem(LPDRAWITEMSTRUCT draw) override;

    CString m_text;
    COLORREF m_textColour;
    COLORREF m_bkColour;
    CBrush* m_bkBrush;
    DWORD m_savedStyle = 0;
    int m_hasBitmap = 0;
    int m_bitmapResourceId = -1;
    HBITMAP m_hBitmap = nullptr;
    BITMAP m_bitmapInfo = {};
    CString m_bitmapPath;
    CFont m_font;

    UI_DECLARE_MESSAGE_MAP()

protected:
    void PreSubclassWindow() override;
    BOOL OnEraseBkgnd(CDC* dc);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT type, int cx, int cy);
    void OnDropFiles(HDROP drop);

private:
    // Replaces m_font by a font made from the LOGFONT of the given one.
    void CopyFont(HFONT font);
    void DrawBackground(CDC& dc, const CRect& client);
    void DrawTextLines(CDC& dc, const CRect& client);
};
