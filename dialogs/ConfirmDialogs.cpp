#include "dialogs/ConfirmDialogs.h"

#include "dialogs/DialogLayout.h"
#include "res/resource.h"

namespace {

constexpr int CONFIRM_WINDOW_HEIGHT = 128;
constexpr int BUTTON_TOP = 60;

// Size and place the window, its group box, question and buttons for width a; captions from
// rows 0 (title) to 4 (Cancel) of the table.
template <std::size_t N>
void LayOutConfirmation(CDialog& dialog, int a, int groupId, int questionId, const TextTable<N>& texts, int language)
{
    SetWindowSize(dialog, a + 6, CONFIRM_WINDOW_HEIGHT);
    SetItemSize(dialog, groupId, a - 22, 46);
    SetItemSize(dialog, questionId, a - 30, 14);
    MoveItem(dialog, IDOK, a - 166, BUTTON_TOP);
    MoveItem(dialog, IDCANCEL, a - 86, BUTTON_TOP);
    const ItemText items[] = {{0, 0}, {groupId, 1}, {questionId, 2}, {IDOK, 3}, {IDCANCEL, 4}};
    SetItemTexts(dialog, texts, items, language);
}

}  // namespace

int ClearAllRecordsDialogWidth(int language)
{
    switch (language) {
    case LANGUAGE_GERMAN: return 300;
    case LANGUAGE_FRENCH: return 300;  // the French question needs 262 pixels in the dialog font
    case LANGUAGE_ITALIAN: return 250;
    case LANGUAGE_SPANISH: return 260;
    case LANGUAGE_RUSSIAN:
    case LANGUAGE_POLISH: return 250;
    default: return 176;
    }
}

int ClearRainTotalDialogWidth(int language)
{
    switch (language) {
    case LANGUAGE_GERMAN: return 330;
    case LANGUAGE_FRENCH: return 280;  // the French question needs 246 pixels in the dialog font
    case LANGUAGE_ITALIAN:
    case LANGUAGE_SPANISH: return 230;
    case LANGUAGE_RUSSIAN:
    case LANGUAGE_POLISH: return 340;
    default: return 176;
    }
}

CClearAllRecordsDialogDlg::CClearAllRecordsDialogDlg(CWnd* parent) : CDialog(IDD_CLEAR_ALL_RECORDS, parent) {}

BOOL CClearAllRecordsDialogDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    LayOutConfirmation(*this, ClearAllRecordsDialogWidth(m_language), 1131, 1132, g_clearAllRecordsDialogTexts, m_language);
    return TRUE;
}

CClearRainTotalDialogDlg::CClearRainTotalDialogDlg(CWnd* parent) : CDialog(IDD_CLEAR_RAIN_TOTAL, parent) {}

BOOL CClearRainTotalDialogDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    LayOutConfirmation(*this, ClearRainTotalDialogWidth(m_language), 1133, 1134, g_clearRainTotalDialogTexts, m_language);
    return TRUE;
}
