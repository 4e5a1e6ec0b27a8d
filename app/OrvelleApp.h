// The application object: initialises the common controls, runs the main dialog modally and then
// ends the program.
#pragma once
#include "platform/ui/UiApp.h"

class COrvelleApp : public CWinApp {
public:
    COrvelleApp();
    BOOL InitInstance() override;
};

extern COrvelleApp g_theApp;
