#include "dialogs/AutoSavingDialog.h"

#include "dialogs/DialogLayout.h"
#include "dialogs/TypedNumbers.h"
#include "platform/ui/UiShellDialogs.h"
#include "res/resource.h"
#include "texts/TextTables.h"

#include <shlobj.h>

namespace {

constexpr int FIRST_RADIO = 1098;  // 1098..1106: intervals 0..8
constexpr int INTERVAL_COUNT = 9;
constexpr int FIRST_COUNT_SPIN = 1108;  // 1108, 1110, 1112, 1114 (each after its edit)
constexpr int INTERVAL_GROUP = 1119;
constexpr int FORMAT_GROUP = 1120;
constexpr int NAME_GROUP = 1121;
constexpr int EXCEL_CHECK = 1115;
constexpr int TEXT_CHECK = 1116;
constexpr int JPEG_CHECK = 1117;
constexpr int NAME_BOX = 1118;
constexpr int SET_PATH = 1144;
constexpr int ROW_PREFIX = 16;
constexpr int ROW_BROWSER_TITLE = 18;

// Upper ends of the counts of hours, days, weeks and months (each from 1).
constexpr int kCountMaxima[4] = {24, 31, 4, 12};

int CountSpin(int interval) { return FIRST_COUNT_SPIN + 2 * (interval - AUTO_SAVE_HOURS); }
bool HasCount(int interval) { return interval >= AUTO_SAVE_HOURS && interval <= AUTO_SAVE_MONTHS; }

// The right edge the dialog is laid out from: wider for the languages with longer texts.
int LayoutWidth(int language)
{
    switch (language) {
    case LANGUAGE_GERMAN: return 420;
    case LANGUAGE_FRENCH: return 370;
    case LANGUAGE_RUSSIAN: return 400;
    default: return 340;
    }
}

const ItemText kItemTexts[] = {
    {0, 0},    {INTERVAL_GROUP, 1}, {1122, 2},   {1123, 3},   {1124, 4},    {1125, 5},    {1126, 6},
    {1127, 7}, {1128, 8},           {1129, 9},   {1130, 10},  {FORMAT_GROUP, 11}, {EXCEL_CHECK, 12},
    {TEXT_CHECK, 13},               {JPEG_CHECK, 14},         {NAME_GROUP, 15},   {SET_PATH, 17},
    {IDOK, 19},                     {IDCANCEL, 20},
};

}  // namespace

const ui::MsgMapEntry CAutoSavingDialogDlg::kMessageEntries[] = {
    ui::OnCommand<&CAutoSavingDialogDlg::OnSetPath>(SET_PATH),
};
UI_IMPLEMENT_MESSAGE_MAP(CAutoSavingDialogDlg, CDialog)

CAutoSavingDialogDlg::CAutoSavingDialogDlg(CWnd* parent) : CDialog(IDD_AUTO_SAVING, parent) {}

void CAutoSavingDialogDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    for (int i = 0; i < 4; ++i)
        DDX_Control(dx, CountSpin(AUTO_SAVE_HOURS + i), m_countSpins[i]);
    DDX_Control(dx, NAME_BOX, m_fileNameBox);
}

BOOL CAutoSavingDialogDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    LayOut();
    for (int i = 0; i < 4; ++i) {
        m_countSpins[i].SetRange32(1, kCountMaxima[i]);
        m_countSpins[i].SetPos32(1);
    }
    if (m_interval >= 0 && m_interval < INTERVAL_COUNT)
        CheckDlgButton(FIRST_RADIO + m_interval, BST_CHECKED);
    if (HasCount(m_interval))
        m_countSpins[m_interval - AUTO_SAVE_HOURS].SetPos32(m_intervalCount);
    CheckDlgButton(EXCEL_CHECK, m_saveExcel ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(TEXT_CHECK, m_saveText ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(JPEG_CHECK, m_saveJpeg ? BST_CHECKED : BST_UNCHECKED);
    m_fileNameBox.SetCurSel(0);
    return TRUE;
}

void CAutoSavingDialogDlg::LayOut()
{
    const int a = LayoutWidth(m_language);
    SetWindowSize(*this, a + 6, 356);
    SetItemSize(*this, INTERVAL_GROUP, a - 186, 265);
    MoveItem(*this, FORMAT_GROUP, a - 166, 11);
    MoveItem(*this, EXCEL_CHECK, a - 150, 60);
    MoveItem(*this, TEXT_CHECK, a - 150, 86);
    MoveItem(*this, JPEG_CHECK, a - 150, 112);
    MoveItem(*this, NAME_GROUP, a - 166, 174);
    MoveItem(*this, NAME_BOX, a - 150, 206);
    MoveItem(*this, SET_PATH, a - 150, 232);
    MoveItem(*this, IDOK, a - 170, 288);
    MoveItem(*this, IDCANCEL, a - 86, 288);
    SetItemTexts(*this, g_autoSavingDialogTexts, kItemTexts, m_language);
    m_fileNameBox.ResetContent();
    m_fileNameBox.AddString(TextAt(g_autoSavingDialogTexts, ROW_PREFIX, m_language));
}

void CAutoSavingDialogDlg::OnSetPath()
{
    CString chosen;
    if (ui::BrowseForFolder(m_hWnd, TextAt(g_autoSavingDialogTexts, ROW_BROWSER_TITLE, m_language),
                            BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN, m_folder, &chosen))
        m_folder = chosen;
}

void CAutoSavingDialogDlg::OnOK()
{
    for (int interval = 0; interval < INTERVAL_COUNT; ++interval)
        if (IsDlgButtonChecked(FIRST_RADIO + interval) == BST_CHECKED)
            m_interval = interval;
    if (HasCount(m_interval)) {
        // A count that is no whole number of the interval's range is said, not taken in.
        CSpinButtonCtrl& count = m_countSpins[m_interval - AUTO_SAVE_HOURS];
        if (!TypedNumberInRange(count)) {
            AskForNumberInRange(*this, count, m_language);
            return;
        }
        m_intervalCount = count.TakeBuddyValue();
    }
    m_saveExcel = IsDlgButtonChecked(EXCEL_CHECK) == BST_CHECKED ? 1 : 0;
    m_saveText = IsDlgButtonChecked(TEXT_CHECK) == BST_CHECKED ? 1 : 0;
    m_saveJpeg = IsDlgButtonChecked(JPEG_CHECK) == BST_CHECKED ? 1 : 0;
    m_fileNameBox.GetLBText(m_fileNameBox.GetCurSel(), m_fileName);
    EndDialog(IDOK);
}
