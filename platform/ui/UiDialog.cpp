#include "platform/ui/UiDialog.h"

#include "platform/ui/UiApp.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd)
        return;
    HWND item = ::GetDlgItem(dx->m_pDlgWnd->m_hWnd, id);
    if (item)
        control.SubclassWindow(item);
}

const ui::MsgMapEntry CDialog::kMessageEntries[] = {
    ui::OnCommand<&CDialog::OnOKCommand>(IDOK),
    ui::OnCommand<&CDialog::OnCancelCommand>(IDCANCEL),
};
UI_IMPLEMENT_MESSAGE_MAP(CDialog, CWnd)

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog()
{
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        HWND window = m_hWnd;
        UnsubclassWindow();
        ::DestroyWindow(window);
    }
}

HWND CDialog::OwnerWindow() const
{
    if (m_pParentWnd)
        return m_pParentWnd->m_hWnd;
    CWnd* main = AfxGetMainWnd();
    if (main && main != this && main->m_hWnd && ::IsWindow(main->m_hWnd))
        return main->m_hWnd;
    return nullptr;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    // Only WM_INITDIALOG is handled here: it binds the object to the window (every later message
    // then passes through UiWindowProc and the message maps) and runs OnInitDialog. After the
    // binding this procedure is reached only from the dialog manager's default processing.
    if (message != WM_INITDIALOG || CWnd::FromHandlePermanent(window))
        return FALSE;
    CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
    if (!dialog || !dialog->SubclassWindow(window))
        return FALSE;
    MSG saved = dialog->m_currentMessage;
    dialog->m_currentMessage.hwnd = window;
    dialog->m_currentMessage.message = WM_INITDIALOG;
    dialog->m_currentMessage.lParam = lParam;
    BOOL result = dialog->OnInitDialog();
    dialog->m_currentMessage = saved;
    return result;
}

INT_PTR CDialog::DoModal()
{
    m_modal = true;
    INT_PTR result = ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_templateId), OwnerWindow(),
                                       &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_modal = false;
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_templateId = templateId;
    if (parent)
        m_pParentWnd = parent;
    m_modal = false;
    HWND window = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_templateId), OwnerWindow(),
                                       &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    return window != nullptr;
}

void CDialog::EndDialog(int result)
{
    if (m_hWnd)
        ::EndDialog(m_hWnd, result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
