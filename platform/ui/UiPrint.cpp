#include "platform/ui/UiPrint.h"

#include <commdlg.h>

#include <vector>

namespace {
ui::ScopedPrintSetupAnswer* g_printSetupAnswer = nullptr;
}  // namespace

CString GetDefaultPrinterName()
{
    DWORD size = 0;
    ::GetDefaultPrinterW(nullptr, &size);
    if (size == 0)
        return CString();
    std::vector<wchar_t> name(size + 1, L'\0');
    if (!::GetDefaultPrinterW(name.data(), &size))
        return CString();
    return CString(name.data());
}

INT_PTR CPrintSetupDialog::DoModal()
{
    if (g_printSetupAnswer)
        return g_printSetupAnswer->Answer(m_devMode);
    PRINTDLGW setup = {};
    setup.lStructSize = sizeof setup;
    setup.hwndOwner = m_owner;
    setup.hDevMode = m_devMode;
    setup.hDevNames = m_devNames;
    setup.Flags = PD_PRINTSETUP;
    const BOOL confirmed = ::PrintDlgW(&setup);
    m_devMode = setup.hDevMode;
    m_devNames = setup.hDevNames;
    return confirmed ? IDOK : IDCANCEL;
}

HDC CreatePrinterDC(HGLOBAL devNames, HGLOBAL devMode)
{
    auto* names = devNames ? static_cast<DEVNAMES*>(::GlobalLock(devNames)) : nullptr;
    if (!names)
        return nullptr;
    auto* mode = devMode ? static_cast<DEVMODEW*>(::GlobalLock(devMode)) : nullptr;
    const wchar_t* base = reinterpret_cast<const wchar_t*>(names);
    HDC dc = ::CreateDCW(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
    if (mode)
        ::GlobalUnlock(devMode);
    ::GlobalUnlock(devNames);
    return dc;
}

namespace ui {

ScopedPrintSetupAnswer::ScopedPrintSetupAnswer(Script script) : m_script(std::move(script)), m_previous(g_printSetupAnswer)
{
    g_printSetupAnswer = this;
}

ScopedPrintSetupAnswer::~ScopedPrintSetupAnswer() { g_printSetupAnswer = m_previous; }

INT_PTR ScopedPrintSetupAnswer::Answer(HGLOBAL devMode)
{
    ++m_count;
    auto* mode = devMode ? static_cast<DEVMODEW*>(::GlobalLock(devMode)) : nullptr;
    const INT_PTR answer = m_script ? m_script(mode) : IDCANCEL;
    if (mode)
        ::GlobalUnlock(devMode);
    return answer;
}

}  // namespace ui
