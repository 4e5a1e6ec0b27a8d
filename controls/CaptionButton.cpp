#include "controls/CaptionButton.h"

#include "controls/ButtonCaption.h"

void CCaptionButton::PreSubclassWindow()
{
    SetButtonStyle(BS_OWNERDRAW, FALSE);
    InvalidateRect(nullptr, TRUE);
}

void CCaptionButton::DrawItem(LPDRAWITEMSTRUCT draw)
{
    HDC dc = draw->hDC;
    const bool pressed = (draw->itemState & ODS_SELECTED) != 0;
    const bool disabled = (draw->itemState & ODS_DISABLED) != 0;
    RECT face = draw->rcItem;
    ::DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

    const CString caption = GetWindowText();
    RECT text = draw->rcItem;
    if (pressed)
        ::OffsetRect(&text, 1, 1);
    HGDIOBJ oldFont = ::SelectObject(dc, GetFont() ? GetFont() : ::GetStockObject(DEFAULT_GUI_FONT));
    if (disabled) {
        // Embossed as the system shows a disabled caption: a light copy one pixel down and right.
        RECT light = text;
        ::OffsetRect(&light, 1, 1);
        DrawButtonCaption(dc, caption, light, ::GetSysColor(COLOR_3DHILIGHT));
        DrawButtonCaption(dc, caption, text, ::GetSysColor(COLOR_3DSHADOW));
    } else {
        DrawButtonCaption(dc, caption, text, ::GetSysColor(COLOR_BTNTEXT));
    }
    ::SelectObject(dc, oldFont);

    if ((draw->itemState & ODS_FOCUS) && !disabled) {
        RECT focus = draw->rcItem;
        ::InflateRect(&focus, -3, -3);
        ::DrawFocusRect(dc, &focus);
    }
}
