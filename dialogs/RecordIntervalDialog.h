// The record interval dialog: how often the station stores a history record, from 5 minutes to
// 1 day (eleven radio buttons). "Upload new setting" sends the choice through the main window's
// WriteRecordInterval; "Close" hands nothing back.
#pragma once
#include "controls/CaptionButton.h"
#include "dialogs/StationWriters.h"
#include "platform/ui/UiDialog.h"

class CRecordIntervalDialogDlg : public CDialog {
public:
    explicit CRecordIntervalDialogDlg(CWnd* parent = nullptr);

    // Selection 0..10 (station code - 1); another value checks no radio. After an upload, what the
    // station holds (the choice uploaded, or after a failure the choice read again).
    int m_interval = 0;
    CStationWriters* m_pMainDlg = nullptr;
    int m_language = 0;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    UI_DECLARE_MESSAGE_MAP()

private:
    CCaptionButton m_uploadButton;

    void OnIntervalClicked(UINT id);
    void OnUploadNewSetting();
    void CheckCurrentInterval();
};

// The dialog's width by language (window Wd + 6, "Upload new setting" Wd - 102 wide).
int RecordIntervalDialogWidth(int language);
