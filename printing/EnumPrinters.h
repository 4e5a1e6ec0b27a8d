// The printers the machine can print to, local ones and network connections, listed once when the
// object is made. Four parallel lists: entry k of each belongs to the same printer.
#pragma once
#include "platform/ui/UiString.h"

#include <vector>

#include <windows.h>

class CEnumPrinters {
public:
    // Enumerates the system's printers.
    CEnumPrinters();
    // Lists the given printer records instead of asking the system.
    CEnumPrinters(const PRINTER_INFO_2W* printers, DWORD count);
    virtual ~CEnumPrinters() = default;

    // The name at the 0-based position; "Error" in English when there is none.
    CString GetPrinterName(int index) const;

    int m_count = 0;
    std::vector<CString> m_printerNames;
    std::vector<CString> m_locations;
    std::vector<CString> m_shareNames;
    std::vector<CString> m_ports;

private:
    // Takes the records from the last to the first; a missing text is an empty entry.
    void AddPrinters(const PRINTER_INFO_2W* printers, DWORD count);
};
