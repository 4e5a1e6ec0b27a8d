// Printing: the system's default printer, the print setup dialog on a printer's device mode and
// device names, and a printer device context made from them.
#pragma once
#include "platform/ui/UiString.h"

#include <functional>

#include <windows.h>

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

// For tests: while it lives, the print setup dialog does not open; the script gets the device mode
// (null when there is none) and returns the dialog's answer (IDOK or IDCANCEL).
class ScopedPrintSetupAnswer {
public:
    using Script = std::function<INT_PTR(DEVMODEW* devMode)>;
    explicit ScopedPrintSetupAnswer(Script script);
    ~ScopedPrintSetupAnswer();
    ScopedPrintSetupAnswer(const ScopedPrintSetupAnswer&) = delete;
    ScopedPrintSetupAnswer& operator=(const ScopedPrintSetupAnswer&) = delete;
    int Count() const { return m_count; }

    INT_PTR Answer(HGLOBAL devMode);

private:
    Script m_script;
    int m_count = 0;
    ScopedPrintSetupAnswer* m_previous;
};

}  // namespace ui
