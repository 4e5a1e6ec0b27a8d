// The application object: keeps one program per install folder, initialises the common controls,
// runs the main dialog modally and then ends the program.
#pragma once
#include "app/InstallFolderLock.h"
#include "platform/ui/UiApp.h"

class COrvelleApp : public CWinApp {
public:
    // Built before the station object opens the device and before any file is touched: a copy
    // started on a folder that another copy runs on brings that copy's window to the front and
    // ends here.
    COrvelleApp();
    BOOL InitInstance() override;

private:
    CInstallFolderLock m_folderLock;
};

extern COrvelleApp g_theApp;
