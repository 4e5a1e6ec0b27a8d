#include "printing/EnumPrinters.h"

#include <string>

namespace {

const wchar_t* OrEmpty(const wchar_t* text) { return text ? text : L""; }

void TraceLine(const wchar_t* label, const wchar_t* value)
{
    const std::wstring line = std::wstring(label) + OrEmpty(value) + L"\n";
    ::OutputDebugStringW(line.c_str());
}

}  // namespace

CEnumPrinters::CEnumPrinters()
{
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0;
    DWORD returned = 0;
    ::EnumPrintersW(flags, nullptr, 2, nullptr, 0, &needed, &returned);
    if (needed == 0)
        return;
    auto* block = static_cast<BYTE*>(::LocalAlloc(LMEM_ZEROINIT, needed + 4));
    if (!block)
        return;
    if (::EnumPrintersW(flags, nullptr, 2, block, needed, &needed, &returned) && returned > 0)
        AddPrinters(reinterpret_cast<const PRINTER_INFO_2W*>(block), returned);
    ::LocalFree(block);
}

CEnumPrinters::CEnumPrinters(const PRINTER_INFO_2W* printers, DWORD count) { AddPrinters(printers, count); }

void CEnumPrinters::AddPrinters(const PRINTER_INFO_2W* printers, DWORD count)
{
    for (DWORD k = count; printers && k-- > 0;) {
        const PRINTER_INFO_2W& printer = printers[k];
        m_printerNames.emplace_back(OrEmpty(printer.pPrinterName));
        m_shareNames.emplace_back(OrEmpty(printer.pShareName));
        m_locations.emplace_back(OrEmpty(printer.pLocation));
        m_ports.emplace_back(OrEmpty(printer.pPortName));
        ++m_count;
        TraceLine(L"Share name       : ", printer.pShareName);
        TraceLine(L"Printer name     : ", printer.pPrinterName);
        TraceLine(L"Printer location : ", printer.pLocation);
        TraceLine(L"Printer port     : ", printer.pPortName);
    }
}

CString CEnumPrinters::GetPrinterName(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_printerNames.size()))
        return CString(L"Error");
    return m_printerNames[static_cast<size_t>(index)];
}
