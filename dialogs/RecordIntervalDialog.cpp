#include "dialogs/RecordIntervalDialog.h"

#include "dialogs/DialogLayout.h"
#include "res/resource.h"

namespace {

constexpr int FIRST_RADIO = 1427;   // 1427..1437: 5 minutes .. 1 day
constexpr int LAST_RADIO = FIRST_RADIO + stationsettings::RECORD_INTERVAL_CHOICES - 1;
constexpr int GROUP_BOX = 1141;
constexpr int UPLOAD_BUTTON = 1438;
constexpr int CLOSE_BUTTON = IDOK;
constexpr int BUTTON_TOP = 272;

bool ValidSelection(int selection) { return selection >= 0 && selection < stationsettings::RECORD_INTERVAL_CHOICES; }

}  // namespace

const ui::MsgMapEntry CRecordIntervalDialogDlg::kMessageEntries[] = {
    ui::OnControlRange<&CRecordIntervalDialogDlg::OnIntervalClicked>(BN_CLICKED, FIRST_RADIO, LAST_RADIO),
    ui::OnCommand<&CRecordIntervalDialogDlg::OnUploadNewSetting>(UPLOAD_BUTTON),
};
UI_IMPLEMENT_MESSAGE_MAP(CRecordIntervalDialogDlg, CDialog)

int RecordIntervalDialogWidth(int language)
{
    switch (language) {
    case LANGUAGE_GERMAN:
    case LANGUAGE_SPANISH:
    case LANGUAGE_DUTCH: return 250;
    case LANGUAGE_ITALIAN:
    case LANGUAGE_RUSSIAN:
    case LANGUAGE_POLISH: return 260;
    case LANGUAGE_FRENCH: return 310;
    default: return 220;
    }
}

CRecordIntervalDialogDlg::CRecordIntervalDialogDlg(CWnd* parent) : CDialog(IDD_RECORD_INTERVAL, parent) {}

void CRecordIntervalDialogDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, UPLOAD_BUTTON, m_uploadButton);
}

BOOL CRecordIntervalDialogDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const int wd = RecordIntervalDialogWidth(m_language);
    SetWindowSize(*this, wd + 6, 340);
    SetItemSize(*this, GROUP_BOX, wd - 22, 256);
    for (int id = FIRST_RADIO; id <= LAST_RADIO; ++id)
        SetItemSize(*this, id, wd - 50, 14);
    PlaceItem(*this, UPLOAD_BUTTON, 10, BUTTON_TOP, wd - 102, 24);
    MoveItem(*this, CLOSE_BUTTON, wd - 86, BUTTON_TOP);

    ItemText items[2 + stationsettings::RECORD_INTERVAL_CHOICES + 2] = {{0, 0}, {GROUP_BOX, 1}};
    for (int i = 0; i < stationsettings::RECORD_INTERVAL_CHOICES; ++i)
        items[2 + i] = {FIRST_RADIO + i, 2 + i};
    items[13] = {UPLOAD_BUTTON, 13};
    items[14] = {CLOSE_BUTTON, 14};
    SetItemTexts(*this, g_recordIntervalDialogTexts, items, m_language);

    EnableItem(*this, UPLOAD_BUTTON, false);
    CheckCurrentInterval();
    return TRUE;
}

void CRecordIntervalDialogDlg::CheckCurrentInterval()
{
    CheckRadioButton(FIRST_RADIO, LAST_RADIO, ValidSelection(m_interval) ? FIRST_RADIO + m_interval : 0);
}

void CRecordIntervalDialogDlg::OnIntervalClicked(UINT id)
{
    if (static_cast<int>(id) - FIRST_RADIO != m_interval)
        EnableItem(*this, UPLOAD_BUTTON, true);
}

void CRecordIntervalDialogDlg::OnUploadNewSetting()
{
    const int checked = GetCheckedRadioButton(FIRST_RADIO, LAST_RADIO);
    if (checked == 0 || !m_pMainDlg)
        return;
    const int selection = checked - FIRST_RADIO;
    HeldSetting<int> held;
    const bool written = m_pMainDlg->WriteRecordInterval(selection, &held);
    EnableItem(*this, UPLOAD_BUTTON, false);
    m_interval = SettingAfterUpload(held, written, selection, m_interval);
    CheckCurrentInterval();
}
