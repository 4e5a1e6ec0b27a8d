// Control texts of the main window, and the controls that show the download's summary values.
#include "app/OrvelleDlg.h"

#include "display/PanelDrawing.h"

#include <climits>

namespace {

int ControlOfSummaryValue(SummaryValue value)
{
    switch (value) {
    case SummaryValue::WindMaximum: return 1089;
    case SummaryValue::GustMaximum: return 1090;
    case SummaryValue::UvMaxSevenDaysAgo: return 1059;
    case SummaryValue::UvMaxYesterday: return 1058;
    case SummaryValue::UvMaxToday: return 1057;
    case SummaryValue::RainYesterday: return 1099;
    case SummaryValue::RainLastWeek: return 1100;
    case SummaryValue::RainLastMonth: return 1101;
    }
    return 0;
}

// The text as the static control shows it whole: the lines it breaks the text into lie inside its
// height and no word runs past its width; else the longest start that does, with an ellipsis after
// it (a user's city name of more words than the field's lines hold).
std::wstring FitToStatic(HWND control, const std::wstring& text)
{
    RECT room{};
    if (!control || !::GetClientRect(control, &room) || room.right <= 0 || room.bottom <= 0)
        return text;
    HDC dc = ::GetDC(control);
    const HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    const UINT noPrefix = (::GetWindowLongW(control, GWL_STYLE) & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    const std::wstring fitted = FitWithEllipsis(text, room.bottom, [&](const std::wstring& run) {
        RECT box{0, 0, room.right, 0};
        ::DrawTextW(dc, run.c_str(), static_cast<int>(run.size()), &box,
                    DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | noPrefix);
        return box.right > room.right ? INT_MAX : static_cast<int>(box.bottom);
    });
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    return fitted;
}

}  // namespace

void COrvelleDlg::SetControlText(int controlId, const std::wstring& text)
{
    if (m_hWnd)
        AfxSetWindowText(ItemHandle(controlId), text.c_str());
}

void COrvelleDlg::SetFittedText(int controlId, const std::wstring& text)
{
    if (m_hWnd)
        SetControlText(controlId, FitToStatic(ItemHandle(controlId), text));
}

void COrvelleDlg::ShowSummaryValue(SummaryValue value, const std::wstring& text)
{
    if (const int id = ControlOfSummaryValue(value))
        SetControlText(id, text);
}
