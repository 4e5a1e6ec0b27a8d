// The About box (template 100): the station's firmware versions, memory and history state, battery
// flags and status lines beside the program's version. Its labels are English; only Close follows
// the language.
#pragma once
#include "app/AboutTexts.h"
#include "platform/ui/UiDialog.h"

#include <string>

class COrvelleDlg;

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    // The 17 texts, in the order of the main dialog's cache (about::TEXT_*).
    std::wstring m_texts[ABOUT_TEXT_COUNT];
    COrvelleDlg* m_pMainDlg = nullptr;
    int m_language = 0;

    // Reads the station's version, memory and battery blocks and fills the texts, each also into
    // the main dialog's cache. Before the first poll (or without a main dialog) only dashes.
    void FillStationInfo(std::wstring (&cache)[ABOUT_TEXT_COUNT], const std::wstring (&status)[about::STATUS_COUNT]);

    // Close in the language, the versions, the eleven status lines and the program's version.
    BOOL OnInitDialog() override;
};
