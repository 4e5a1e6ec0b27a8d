// CDialog: a dialog from a template of the program's resources, modal (DoModal) or modeless
// (Create), and the control binding of dialog data exchange (DDX_Control).
//
// At WM_INITDIALOG the dialog window is subclassed, so all later messages pass through the
// message maps; then OnInitDialog runs. The base OnInitDialog runs UpdateData(FALSE), which calls
// DoDataExchange. IDOK and IDCANCEL commands go to OnOK / OnCancel (virtual), which end the dialog.
#pragma once
#include "platform/ui/UiWnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
};

// Binds the control object to the dialog's control with the id (once: an object that already has
// a window is left alone). A missing control leaves the object unbound.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally; the value given to EndDialog, or -1 when it could not be created.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless (visible only when the template says WS_VISIBLE).
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // Ends a modal dialog with the result (a modeless one is hidden).
    void EndDialog(int result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT GetTemplateId() const { return m_templateId; }
    bool IsModal() const { return m_modal; }

    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK();
    virtual void OnCancel();

    UI_DECLARE_MESSAGE_MAP()

protected:
    UINT m_templateId;
    CWnd* m_pParentWnd;

private:
    bool m_modal = false;
    void OnOKCommand() { OnOK(); }
    void OnCancelCommand() { OnCancel(); }
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND OwnerWindow() const;
};
