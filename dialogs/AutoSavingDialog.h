// The auto-saving dialog: how often the readings are saved (none, 2, 5, 10 or 30 minutes, or every
// N hours, days, weeks or months), as which files (CSV, text, a JPEG capture of the window), under
// which file-name prefix and into which folder. OK hands every member back; Cancel nothing.
#pragma once
#include "platform/ui/UiControls.h"
#include "platform/ui/UiDialog.h"

// Interval choices; the last four take a count N.
constexpr int AUTO_SAVE_NONE = 0;
constexpr int AUTO_SAVE_HOURS = 5;
constexpr int AUTO_SAVE_MONTHS = 8;

class CAutoSavingDialogDlg : public CDialog {
public:
    explicit CAutoSavingDialogDlg(CWnd* parent = nullptr);

    int m_interval = 0;       // 0..8
    int m_intervalCount = 1;  // N of the intervals 5..8
    int m_saveExcel = 0;
    int m_saveText = 0;
    int m_saveJpeg = 0;
    CString m_fileName;       // the prefix; after OK the one the box offers (the language's)
    int m_language = 0;
    CString m_folder;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;

    UI_DECLARE_MESSAGE_MAP()

private:
    CSpinButtonCtrl m_countSpins[4];  // hours, days, weeks, months
    CComboBox m_fileNameBox;

    void LayOut();
    void OnSetPath();
};
