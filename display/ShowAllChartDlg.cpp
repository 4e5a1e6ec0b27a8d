#include "display/ShowAllChartDlg.h"

#include "res/resource.h"

CShowAllChartDlg::CShowAllChartDlg() : CDialog(IDD_SHOW_ALL_CHART) {}

BOOL CShowAllChartDlg::Create(CWnd* parent)
{
    return CDialog::Create(IDD_SHOW_ALL_CHART, parent);
}
