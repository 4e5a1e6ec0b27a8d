// The About box and the help commands of the main window.
#include "app/OrvelleDlg.h"

#include "app/AboutDlg.h"
#include "app/HelpViewer.h"

#include <htmlhelp.h>

void COrvelleDlg::OnAbout()
{
    CAboutDlg about;
    about.m_pMainDlg = this;
    about.m_language = m_language;
    std::wstring status[about::STATUS_COUNT];
    BuildAboutStatusText(status);
    about.FillStationInfo(m_aboutTexts, status);
    about.DoModal();
}

void COrvelleDlg::BuildAboutStatusText(std::wstring (&status)[about::STATUS_COUNT])
{
    CString rainSinceReset;
    if (m_hWnd)
        GetDlgItemText(IDC_RAIN_TOTAL, rainSinceReset);
    about::BuildStatusTexts(*this, m_currentGust, rainSinceReset.str(), status);
}

void COrvelleDlg::OnHelpF1() { help::Open(nullptr, HH_DISPLAY_TOC, 0); }

void COrvelleDlg::OnHelpContents() { help::Open(m_hWnd, HH_DISPLAY_TOC, 0); }

void COrvelleDlg::OnHelpIndex() { help::Open(m_hWnd, HH_DISPLAY_INDEX, 0); }

void COrvelleDlg::OnHelpSearch()
{
    // The structure's own size (40 bytes in a 64-bit program), not the 32 of a 32-bit one.
    HH_FTS_QUERY query{};
    query.cbStruct = sizeof query;
    query.fUniCodeStrings = TRUE;
    query.pszSearchQuery = reinterpret_cast<LPCTSTR>(L"");
    query.iProximity = HH_FTS_DEFAULT_PROXIMITY;
    query.fStemmedSearch = FALSE;
    query.fTitleOnly = FALSE;
    query.fExecute = FALSE;
    query.pszWindow = nullptr;
    help::Open(m_hWnd, HH_DISPLAY_SEARCH, reinterpret_cast<DWORD_PTR>(&query));
}

LRESULT COrvelleDlg::OnHelpKey(WPARAM, LPARAM)
{
    OnHelpF1();
    return TRUE;
}
