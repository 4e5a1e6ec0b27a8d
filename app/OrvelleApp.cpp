#include "app/OrvelleApp.h"

#include "app/OrvelleDlg.h"
#include "app/StartupPaths.h"
#include "station/InitOrder.h"

#include <commctrl.h>

// Built after the text tables and the decoder and before the station object.
COrvelleApp g_theApp __attribute__((init_priority(INIT_PRIORITY_APPLICATION)));

namespace {

// How long a later copy waits for the first copy's window (the first may still be starting).
constexpr DWORD FIRST_WINDOW_WAIT_MS = 10000;

}  // namespace

COrvelleApp::COrvelleApp() : CWinApp(L"Orvelle"), m_folderLock(ProgramInstallFolder())
{
    if (!m_folderLock.IsFirst()) {
        m_folderLock.BringFirstToFront(FIRST_WINDOW_WAIT_MS);
        ::ExitProcess(0);
    }
}

BOOL COrvelleApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), 0xFF};
    ::InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    AfxEnableControlContainer();
    SetRegistryKey(L"Local AppWizard-Generated Applications");

    COrvelleDlg dialog;
    dialog.m_onWindowCreated = [this](HWND window) { m_folderLock.PublishWindow(window); };
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // FALSE: no message loop follows; the program ends.
    return FALSE;
}
