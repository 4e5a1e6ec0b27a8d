// Printing: the system's default printer, the print setup dialog on a printer's device mode and
// device names, and a printer device context made from them.
#pragma once
#include "platform/ui/UiString.h"

#include <functional>

#include <windows.h>
#include <commdlg.h>

// Name of the system's default printer; empty when there is none.
CString GetDefaultPrinterName();

// The platform's print setup dialog on the given movable global blocks (DEVMODEW, DEVNAMES),
// either of which may be null. After DoModal the members hold the blocks in force, which the
// caller frees (the dialog may have replaced the ones it was given).
class CPrintSetupDialog {
public:
    CPrintSetupDialog(HWND owner, HGLOBAL devMode, HGLOBAL devNames)
        : m_owner(owner), m_devMode(devMode), m_devNames(devNames)
    {
    }
    // IDOK when the user confirmed, IDCANCEL otherwise.
    INT_PTR DoModal();

    HWND m_owner;
    HGLOBAL m_devMode;
    HGLOBAL m_devNames;
};

// A printer device context from the blocks; null when it cannot be made.
HDC CreatePrinterDC(HGLOBAL devNames, HGLOBAL devMode);

namespace ui {

// Stands in for PrintDlgW with PD_PRINTSETUP: reads the request from `setup` (its device mode and
// names may be replaced, as the dialog does) and returns TRUE when confirmed, FALSE when cancelled.
using PrintSetupHook = std::function<BOOL(PRINTDLGW& setup)>;
// Installs the hook (an empty one restores the real dialog); returns the previous hook.
PrintSetupHook SetPrintSetupHook(PrintSetupHook hook);

}  // namespace ui
