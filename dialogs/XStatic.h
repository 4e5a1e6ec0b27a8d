// CxStatic: the static control through which the main window shows its value texts and pictures.
// It paints itself (owner-drawn): a bitmap stretched over the whole control, or its background
// colour, and its text on top.
//
// This is the part of the control that the start-up and the sensor panels use: the text, the
// bitmap from a resource or a file, and the painting. Text wrapping follows the control's saved
// static style through DrawText.
#pragma once
#include "platform/ui/UiControls.h"

class CxStatic : public CStatic {
public:
    CxStatic();
    ~CxStatic() override;

    // The text that is painted (the window text itself is not changed); invalidates the control.
    void SetText(const wchar_t* text);
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
    void OnSize(UINT type, int cx, int cy);
};
