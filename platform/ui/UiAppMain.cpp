// The framework's entry point of a windowed program: hands the start to the application object.
// Compiled into each windowed program through the target platform_ui_entry (-municode).
#include "platform/ui/UiApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    return app->WinMainBody(instance);
}
