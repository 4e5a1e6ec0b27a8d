#include "display/ShowAllChartDlg.h"

#include "res/resource.h"

const ui::MsgMapEntry CShowAllChartDlg::kMessageEntries[] = {
    ui::OnCommand<&CShowAllChartDlg::OnCloseButton>(IDC_ALL_CHART_CLOSE),
};
UI_IMPLEMENT_MESSAGE_MAP(CShowAllChartDlg, CDialog)

CShowAllChartDlg::CShowAllChartDlg() : CDialog(IDD_SHOW_ALL_CHART) {}

BOOL CShowAllChartDlg::Create(CWnd* parent)
{
    return CDialog::Create(IDD_SHOW_ALL_CHART, parent);
}

void CShowAllChartDlg::OnTimeRangeChange() {}

void CShowAllChartDlg::OnCloseButton()
{
    ShowWindow(SW_HIDE);
    if (m_pOwner)
        m_pOwner->OnAllChartClosed();
}
