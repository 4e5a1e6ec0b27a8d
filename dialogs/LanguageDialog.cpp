#include "dialogs/LanguageDialog.h"

#include "dialogs/DialogLayout.h"
#include "res/resource.h"
#include "texts/TextTables.h"

namespace {

constexpr int FIRST_RADIO = 1439;  // 1439..1446: language ids 0..7
constexpr int LAST_RADIO = FIRST_RADIO + LANGUAGE_COUNT - 1;
constexpr int GROUP_BOX = 1142;
// The last radio keeps the template's caption, the same text as its language's name.
constexpr int NAMED_RADIOS = LANGUAGE_COUNT - 1;

}  // namespace

CLanguageDialogDlg::CLanguageDialogDlg(CWnd* parent) : CDialog(IDD_LANGUAGE, parent) {}

BOOL CLanguageDialogDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_language = LanguageOrEnglish(m_language);
    for (int language = 0; language < NAMED_RADIOS; ++language)
        SetDlgItemText(FIRST_RADIO + language, EntryAt(g_languageNames, language));
    const ItemText items[] = {{0, 0}, {GROUP_BOX, 1}, {IDOK, 2}, {IDCANCEL, 3}};
    SetItemTexts(*this, g_languageDialogTexts, items, m_language);
    CheckDlgButton(FIRST_RADIO + m_language, BST_CHECKED);
    return TRUE;
}

void CLanguageDialogDlg::OnOK()
{
    for (int id = FIRST_RADIO; id <= LAST_RADIO; ++id)
        if (IsDlgButtonChecked(id) == BST_CHECKED)
            m_language = id - FIRST_RADIO;
    EndDialog(IDOK);
}
