// Control texts of the main window, and the controls that show the download's summary values.
#include "app/OrvelleDlg.h"

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

}  // namespace

void COrvelleDlg::SetControlText(int controlId, const std::wstring& text)
{
    if (m_hWnd)
        AfxSetWindowText(ItemHandle(controlId), text.c_str());
}

void COrvelleDlg::ShowSummaryValue(SummaryValue value, const std::wstring& text)
{
    if (const int id = ControlOfSummaryValue(value))
        SetControlText(id, text);
}
