#include "controls/ColorButton.h"

#include "controls/ButtonCaption.h"

#include <cstdlib>

namespace {

COLORREF Grey(int level) { return RGB(level, level, level); }

// A palette-relative grey: the nearest colour of the device's palette.
COLORREF PaletteGrey(int level) { return 0x02000000u | Grey(level); }

void Line(HDC dc, COLORREF colour, int x1, int y1, int x2, int y2)
{
    HPEN pen = ::CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = ::SelectObject(dc, pen);
    ::MoveToEx(dc, x1, y1, nullptr);
    ::LineTo(dc, x2, y2);
    ::SelectObject(dc, old);
    ::DeleteObject(pen);
}

void FillFace(HDC dc, const RECT& box, COLORREF colour)
{
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &box, brush);
    ::DeleteObject(brush);
}

}  // namespace

BevelRingColours BevelRing(int depth, int ring)
{
    const int rings = std::abs(depth);
    COLORREF light;
    COLORREF dark;
    if (rings == 1) {
        light = Grey(255);
        dark = Grey(128);
    } else {
        light = PaletteGrey(192 + 63 / ring);
        dark = PaletteGrey(255 / (ring + 1));
    }
    if (depth > 0)
        return {light, dark};
    // Sunken: the innermost ring of a deep bevel closes with near-black.
    const COLORREF bottomRight = (rings > 1 && ring == rings) ? 0x010101 : light;
    return {dark, bottomRight};
}

void DrawBevel(HDC dc, RECT rect, int depth)
{
    const int rings = std::abs(depth);
    for (int ring = 1; ring <= rings; ++ring) {
        const BevelRingColours colours = BevelRing(depth, ring);
        Line(dc, colours.topLeft, rect.left, rect.top, rect.right, rect.top);
        Line(dc, colours.topLeft, rect.left, rect.top, rect.left, rect.bottom);
        Line(dc, colours.bottomRight, rect.left + 1, rect.bottom - 1, rect.right, rect.bottom - 1);
        Line(dc, colours.bottomRight, rect.right - 1, rect.top + 1, rect.right - 1, rect.bottom);
        ::InflateRect(&rect, -1, -1);
    }
}

void CColorButton::DrawItem(LPDRAWITEMSTRUCT draw)
{
    HDC dc = draw->hDC;
    const RECT box = draw->rcItem;
    RECT focus = box;
    ::InflateRect(&focus, -4, -4);
    const CString caption = m_hWnd ? GetWindowText() : CString();

    FillFace(dc, box, m_faceColour);
    DrawBevel(dc, box, m_bevel);
    DrawButtonCaption(dc, caption, box, m_textColour);

    if (draw->itemState & ODS_FOCUS) {
        ::DrawFocusRect(dc, &focus);
        if (draw->itemState & ODS_SELECTED) {
            // Pressed: a shallow sunken edge, the caption one pixel down and right, and the focus
            // rectangle drawn again over the fresh face.
            FillFace(dc, box, m_faceColour);
            DrawBevel(dc, box, -1);
            RECT pressed = box;
            ::OffsetRect(&pressed, 1, 1);
            DrawButtonCaption(dc, caption, pressed, m_textColour);
            ::DrawFocusRect(dc, &focus);
        }
    } else if (draw->itemState & ODS_DISABLED) {
        DrawButtonCaption(dc, caption, box, m_disabledColour);
    }
}
