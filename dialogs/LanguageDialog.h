// The language dialog: one radio button per language, each under the language's own name. OK hands
// back the chosen language id; Cancel hands back nothing.
#pragma once
#include "platform/ui/UiDialog.h"

class CLanguageDialogDlg : public CDialog {
public:
    explicit CLanguageDialogDlg(CWnd* parent = nullptr);

    // Set by the caller; after OK the chosen id. An id outside 0..7 opens the dialog on English.
    int m_language = 0;

    BOOL OnInitDialog() override;
    void OnOK() override;
};
