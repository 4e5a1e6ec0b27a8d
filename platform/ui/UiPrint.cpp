#include "platform/ui/UiPrint.h"

#include "platform/ui/UiHook.h"

#include <vector>

namespace {
ui::HookSlot<ui::PrintSetupHook> g_printSetupHook;
}  // namespace

ui::PrintSetupHook ui::SetPrintSetupHook(PrintSetupHook hook) { return g_printSetupHook.Set(std::move(hook)); }

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
    PRINTDLGW setup = {};
    setup.lStructSize = sizeof setup;
    setup.hwndOwner = m_owner;
    setup.hDevMode = m_devMode;
    setup.hDevNames = m_devNames;
    setup.Flags = PD_PRINTSETUP;
    const ui::PrintSetupHook hook = g_printSetupHook.Get();
    const BOOL confirmed = hook ? hook(setup) : ::PrintDlgW(&setup);
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
