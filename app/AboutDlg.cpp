#include "app/AboutDlg.h"

#include "app/OrvelleDlg.h"
#include "station/SystemKV318.h"
#include "texts/TextTables.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

void CAboutDlg::FillStationInfo(std::wstring (&cache)[ABOUT_TEXT_COUNT],
                                const std::wstring (&status)[about::STATUS_COUNT])
{
    about::StationSources sources;
    sources.stationReady = m_pMainDlg != nullptr && m_pMainDlg->m_menusEnabled != 0;
    if (sources.stationReady) {
        sources.image = g_systemKV318.m_memoryImage;
        sources.versionsRead = g_systemKV318.ReadMemoryRange(152, 157);
        sources.memoryInfoRead = g_systemKV318.ReadMemoryRange(252, 260);
        sources.batteryRead = g_systemKV318.ReadMemoryRange(76, 77);
        sources.year = m_pMainDlg->m_recordTime[RECORD_YEAR];
        sources.month = m_pMainDlg->m_recordTime[RECORD_MONTH];
        sources.day = m_pMainDlg->m_recordTime[RECORD_DAY];
        sources.hour = m_pMainDlg->m_recordTime[RECORD_HOUR];
        sources.minute = m_pMainDlg->m_recordTime[RECORD_MINUTE];
    }
    for (int k = 0; k < about::STATUS_COUNT; ++k)
        sources.status[k] = status[k];
    about::FillTexts(sources, m_texts);
    for (int k = 0; k < ABOUT_TEXT_COUNT; ++k)
        cache[k] = m_texts[k];
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDOK, EntryAt(g_closeTexts, LanguageOrEnglish(m_language)));
    for (int k = 0; k < about::VERSION_COUNT; ++k)
        SetDlgItemText(IDC_ABOUT_VERSION_FIRST + k, m_texts[about::TEXT_VERSION_FIRST + k].c_str());
    std::wstring lines;
    for (int k = about::TEXT_RECORD_TIME; k < about::TEXT_PROGRAM_VERSION - 1; ++k)
        lines += m_texts[k] + L"\r\n";
    lines += m_texts[about::TEXT_PROGRAM_VERSION - 1];
    SetDlgItemText(IDC_ABOUT_STATUS, lines.c_str());
    SetDlgItemText(IDC_ABOUT_PROGRAM_VERSION, m_texts[about::TEXT_PROGRAM_VERSION].c_str());
    return TRUE;
}
