#include "platform/ui/UiApp.h"

#include "platform/ui/UiDialog.h"

namespace {
CWinApp* g_application = nullptr;

CString ModuleBaseName()
{
    wchar_t path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    CString name(path, static_cast<int>(length));
    int slash = name.ReverseFind(L'\\');
    name = name.Mid(slash + 1);
    int dot = name.ReverseFind(L'.');
    return dot > 0 ? name.Left(dot) : name;
}
}  // namespace

CWinApp::CWinApp(const wchar_t* appName)
{
    g_application = this;
    m_pszAppName = appName ? CString(appName) : ModuleBaseName();
}

CWinApp::~CWinApp()
{
    if (g_application == this)
        g_application = nullptr;
}

int CWinApp::Run()
{
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (ui::PreTranslateDialogMessage(&message))
            continue;
        if (m_pMainWnd && m_pMainWnd->m_hWnd && ::IsDialogMessageW(m_pMainWnd->m_hWnd, &message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    m_exitCode = static_cast<int>(message.wParam);
    return ExitInstance();
}

int CWinApp::WinMainBody(HINSTANCE instance)
{
    m_hInstance = instance;
    if (!InitInstance())
        return ExitInstance();
    return Run();
}

CWinApp* AfxGetApp()
{
    return g_application;
}

HINSTANCE AfxGetInstanceHandle()
{
    if (g_application && g_application->m_hInstance)
        return g_application->m_hInstance;
    return ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}

CWnd* AfxGetMainWnd()
{
    return g_application ? g_application->m_pMainWnd : nullptr;
}
