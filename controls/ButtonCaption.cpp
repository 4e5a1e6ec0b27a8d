#include "controls/ButtonCaption.h"

void DrawButtonCaption(HDC dc, const CString& caption, RECT box, COLORREF colour)
{
    const COLORREF oldColour = ::SetTextColor(dc, colour);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextW(dc, caption, caption.GetLength(), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SetBkMode(dc, oldMode);
    ::SetTextColor(dc, oldColour);
}
