// The two confirmations before destructive menu commands of the main window: Clear all records
// and Clear rain total. Each asks its question in the language of m_language with OK and Cancel;
// the main window does the work only when the dialog ends with IDOK.
#pragma once
#include "platform/ui/UiDialog.h"

class CClearAllRecordsDialogDlg : public CDialog {
public:
    explicit CClearAllRecordsDialogDlg(CWnd* parent = nullptr);
    int m_language = 0;
    BOOL OnInitDialog() override;
};

class CClearRainTotalDialogDlg : public CDialog {
public:
    explicit CClearRainTotalDialogDlg(CWnd* parent = nullptr);
    int m_language = 0;
    BOOL OnInitDialog() override;
};

// Width of the confirmation's client layout by language (the window is 6 pixels wider).
int ClearAllRecordsDialogWidth(int language);
int ClearRainTotalDialogWidth(int language);
