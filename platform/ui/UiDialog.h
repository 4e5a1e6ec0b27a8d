// CDialog: a dialog from a template of the program's resources, modal (DoModal) or modeless
// (Create), and dialog data exchange (DDX_... / DDV_...).
//
// The dialog object is bound to its window at the first message the window gets (before the
// controls are created), so every message passes through the message maps from then on: a
// WM_MEASUREITEM that an owner-drawn control sends while the template is being built reaches the
// dialog's map (and, reflected, a control bound early with BindControlEarly), before OnInitDialog.
// The base OnInitDialog runs UpdateData(FALSE), which calls DoDataExchange. IDOK and IDCANCEL
// commands go to OnOK / OnCancel (virtual), which end the dialog.
//
// Modeless dialogs get the dialog keys (Tab, arrows, Enter, Esc, mnemonics) of their own controls:
// the application's message loop, and the modal loop of a dialog box that contains one (a child
// dialog such as a panel of the main window), hand keyboard messages for them to IsDialogMessage
// of the modeless dialog (ui::PreTranslateDialogMessage) before the outer dialog sees them. A key
// for a control that is not shown (the focus left in a window hidden since) changes nothing: it is
// dropped and the focus moves to the first control shown in the top-level window.
//
// A test answers modal dialogs without a person through a hook (ui::SetModalDialogHook): it is
// told of each modal dialog once its OnInitDialog has run.
#pragma once
#include "platform/ui/UiWnd.h"

#include <functional>
#include <vector>

// One pass of data exchange. A routine that finds an invalid value calls Fail: the message is
// shown, the control it was working on gets the focus, and the rest of the pass does nothing;
// UpdateData then returns FALSE.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls

    // The control that the following routine works on (the one a failure points at).
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    void Fail(const wchar_t* message);
    bool Failed() const { return m_failed; }

private:
    int m_lastControlId = 0;
    bool m_lastIsEdit = false;
    bool m_failed = false;
};

// Binds the control object to the dialog's control with the id (once: an object that already has
// a window is left alone). A missing control leaves the object unbound.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// An integer as the control's text; saving fails with "Please enter an integer." for a text that
// is no whole number.
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, CString& value);
// A check box's state (0, 1, or 2 for an indeterminate three-state box).
void DDX_Check(CDataExchange* dx, int id, int& value);
// A group of radio buttons: the first has the id (and WS_GROUP), the group runs to the next control
// with WS_GROUP. The value is the index of the checked button, -1 for none.
void DDX_Radio(CDataExchange* dx, int firstId, int& value);
// Range check after DDX_Text of an integer (saving only): fails with
// "Please enter an integer between <min> and <max>."
void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally; the value given to EndDialog, or -1 when it could not be created.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless (visible only when the template says WS_VISIBLE).
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // Ends a modal dialog with the result (a modeless one is hidden). A modal dialog goes in one
    // step: its window is destroyed without being hidden first, and what lay beneath it is painted
    // again. Hiding a window can hold its thread: Wine's X11 driver waits up to 2 s for a window
    // manager to confirm each hidden window, the whole time on a display without one.
    void EndDialog(int result);
    // FALSE when a data-exchange routine failed (saving).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT GetTemplateId() const { return m_templateId; }
    bool IsModal() const { return m_modal; }
    // True once EndDialog has been called in this modal run.
    bool HasEnded() const { return m_ended; }

    // Binds `control` to the template's control `id` as soon as that control exists (before
    // OnInitDialog), so that it measures its own items (WM_MEASUREITEM). Call before DoModal or
    // Create; DDX_Control then leaves the bound object alone.
    void BindControlEarly(int id, CWnd& control);

    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK();
    virtual void OnCancel();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    UI_DECLARE_MESSAGE_MAP()

protected:
    UINT m_templateId;
    CWnd* m_pParentWnd;

private:
    struct EarlyControl {
        int id;
        CWnd* control;
    };
    bool m_modal = false;
    bool m_ended = false;
    RECT m_closedRect{};  // where a dialog that went in one step was, until it is painted over
    std::vector<EarlyControl> m_earlyControls;

    void OnOKCommand() { OnOK(); }
    void OnCancelCommand() { OnCancel(); }
    BOOL RunInitDialog();
    bool FocusCheckedRadio();
    void BindEarlyControl(int id);
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND OwnerWindow() const;
};

namespace ui {
// Called on the dialog's thread when a modal dialog has run OnInitDialog (before the modal loop
// shows it).
using ModalDialogHook = std::function<void(CDialog& dialog)>;
// Installs the hook (an empty one removes it); returns the previous hook.
ModalDialogHook SetModalDialogHook(ModalDialogHook hook);

// Gives the focus to the first shown and enabled tab stop among the window's controls (to the
// window itself when it has none).
void FocusFirstControl(HWND window);

// The dialog keys of the thread's modeless dialogs: true when the message was one for such a
// dialog (or a control in it) and IsDialogMessage has handled it, or a key for a window not shown,
// which is dropped.
bool PreTranslateDialogMessage(MSG* message);
}  // namespace ui
