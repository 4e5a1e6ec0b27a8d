#include "printing/PrinterDevice.h"

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// A new movable global block holding the bytes.
HGLOBAL GlobalCopy(const void* bytes, size_t size)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    void* target = block ? ::GlobalLock(block) : nullptr;
    if (!target) {
        if (block)
            ::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, bytes, size);
    ::GlobalUnlock(block);
    return block;
}

const wchar_t* OrEmpty(const wchar_t* text) { return text ? text : L""; }

}  // namespace

bool GetPrinterDevice(const wchar_t* printerName, HGLOBAL* devNames, HGLOBAL* devMode)
{
    *devNames = nullptr;
    *devMode = nullptr;
    HANDLE printer = nullptr;
    if (!printerName || !*printerName || !::OpenPrinterW(const_cast<wchar_t*>(printerName), &printer, nullptr))
        return false;
    DWORD needed = 0;
    ::GetPrinterW(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed > 0 ? needed : 1);
    const bool read = needed > 0 && ::GetPrinterW(printer, 2, buffer.data(), needed, &needed);
    ::ClosePrinter(printer);
    const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    if (!read || !info->pDevMode)
        return false;

    const DEVMODEW* mode = info->pDevMode;
    *devMode = GlobalCopy(mode, mode->dmSize + mode->dmDriverExtra);
    // Device names: four 16-bit words (offsets in characters, then the default flag), then the
    // driver, device and port names, each ending in a zero.
    const std::wstring driver = OrEmpty(info->pDriverName);
    const std::wstring device = OrEmpty(info->pPrinterName);
    const std::wstring port = OrEmpty(info->pPortName);
    std::vector<wchar_t> names(4 + driver.size() + 1 + device.size() + 1 + port.size() + 1, L'\0');
    auto* header = reinterpret_cast<DEVNAMES*>(names.data());
    header->wDriverOffset = 4;
    header->wDeviceOffset = static_cast<WORD>(header->wDriverOffset + driver.size() + 1);
    header->wOutputOffset = static_cast<WORD>(header->wDeviceOffset + device.size() + 1);
    header->wDefault = 0;
    std::copy(driver.begin(), driver.end(), names.begin() + header->wDriverOffset);
    std::copy(device.begin(), device.end(), names.begin() + header->wDeviceOffset);
    std::copy(port.begin(), port.end(), names.begin() + header->wOutputOffset);
    *devNames = GlobalCopy(names.data(), names.size() * sizeof(wchar_t));
    if (!*devMode || !*devNames) {
        if (*devMode)
            ::GlobalFree(*devMode);
        if (*devNames)
            ::GlobalFree(*devNames);
        *devMode = *devNames = nullptr;
        return false;
    }
    return true;
}

void ApplyPageSettings(DEVMODEW* devMode, const wchar_t* deviceName, int orientation, int paperSize, int paperSource)
{
    if (!devMode)
        return;
    std::wmemset(devMode->dmDeviceName, L'\0', CCHDEVICENAME);
    std::wcsncpy(devMode->dmDeviceName, OrEmpty(deviceName), CCHDEVICENAME - 1);
    devMode->dmFields |= DM_ORIENTATION;
    devMode->dmOrientation = static_cast<short>(orientation);
    devMode->dmPaperSize = static_cast<short>(paperSize);
    devMode->dmDefaultSource = static_cast<short>(paperSource);
}

bool DrawCapturePage(HDC target, int pageWidth, int pageHeight, HDC capture, int captureWidth, int captureHeight,
                     const PageMargins& margins)
{
    HDC memory = ::CreateCompatibleDC(target);
    HBITMAP bitmap = memory ? ::CreateCompatibleBitmap(target, captureWidth, captureHeight) : nullptr;
    if (!bitmap) {
        if (memory)
            ::DeleteDC(memory);
        return false;
    }
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::SetStretchBltMode(memory, HALFTONE);
    ::SetMapMode(memory, ::GetMapMode(target));
    ::BitBlt(memory, 0, 0, captureWidth, captureHeight, capture, 0, 0, SRCCOPY);

    const CapturePlacement place = PlaceCapture(pageWidth, pageHeight, margins, captureWidth, captureHeight);
    ::SetStretchBltMode(target, HALFTONE);
    ::SetBrushOrgEx(target, 0, 0, nullptr);
    ::StretchBlt(target, place.x, place.y, place.size.width, place.size.height, memory, 0, 0, captureWidth,
                 captureHeight, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    return true;
}

bool PrintCaptureDocument(HDC printer, const wchar_t* documentName, HDC capture, int captureWidth, int captureHeight,
                          const PageMargins& margins)
{
    DOCINFOW document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName;
    if (::StartDocW(printer, &document) <= 0) {
        ::AbortDoc(printer);
        return false;
    }
    if (::StartPage(printer) <= 0) {
        ::AbortDoc(printer);
        return false;
    }
    const int width = ::GetDeviceCaps(printer, HORZRES);
    const int height = ::GetDeviceCaps(printer, VERTRES);
    const bool drawn = DrawCapturePage(printer, width, height, capture, captureWidth, captureHeight, margins);
    if (::EndPage(printer) <= 0 || !drawn) {
        ::AbortDoc(printer);
        return false;
    }
    return ::EndDoc(printer) > 0;
}
