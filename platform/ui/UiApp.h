// CWinApp: the application object. One global object of a class derived from CWinApp; its
// constructor registers it. The framework's entry point (wWinMain in UiAppMain.cpp, compiled into
// the program through target platform_ui_entry) fills m_hInstance, calls InitInstance and, when that
// returns TRUE, runs the message loop (Run) until WM_QUIT; the exit code is ExitInstance's.
//
// Commands that the main window does not handle itself go to the application's message map
// (for instance ID_HELP, which the main window sends itself on WM_HELP, the F1 key).
#pragma once
#include "platform/ui/UiWnd.h"

// The framework's help command (the F1 key).
constexpr UINT ID_HELP = 0xE146;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const wchar_t* appName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    CString m_pszAppName;             // caption of AfxMessageBox

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return m_exitCode; }
    virtual int Run();

    // Kept for the start-up sequence; this layer keeps no settings in the registry, so it does
    // nothing.
    void SetRegistryKey(const wchar_t*) {}

    // Called by the entry point.
    int WinMainBody(HINSTANCE instance);

protected:
    int m_exitCode = 0;
};

CWinApp* AfxGetApp();
// The application's module (the program's module when there is no application object).
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
CWnd* AfxGetMainWnd();
// Kept for the start-up sequence; this layer hosts no ActiveX controls, so it does nothing.
inline void AfxEnableControlContainer() {}
