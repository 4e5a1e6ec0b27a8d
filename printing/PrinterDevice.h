// Printing the capture of the main window: a printer's device mode and device names, the page
// settings written into a device mode, and the page itself on any device context (a printer's, or
// a metafile's in the tests).
#pragma once
#include "printing/PrintLayout.h"

#include <windows.h>

// Copies the named printer's device mode (with the driver's extra bytes) and builds its device
// names (driver, device, port), each in a new movable global block that the caller frees. False,
// with both null, when the printer cannot be opened or read.
bool GetPrinterDevice(const wchar_t* printerName, HGLOBAL* devNames, HGLOBAL* devMode);

// Writes the printer name (cut to the device mode's 31 characters and its end), the orientation
// (with its flag in the fields mask), the paper size and the paper source into the device mode.
void ApplyPageSettings(DEVMODEW* devMode, const wchar_t* deviceName, int orientation, int paperSize,
                       int paperSource);

// The capture copied into a memory context compatible with the target and stretched (halftone)
// into the margins of a page of pageWidth x pageHeight pixels, keeping its aspect ratio. False
// when the copy could not be made.
bool DrawCapturePage(HDC target, int pageWidth, int pageHeight, HDC capture, int captureWidth, int captureHeight,
                     const PageMargins& margins);

// One document of one page with the capture on the printer's whole page (HORZRES x VERTRES).
// A document that cannot be started is aborted before any page; a page that does not end aborts
// the document. True only when the document was ended.
bool PrintCaptureDocument(HDC printer, const wchar_t* documentName, HDC capture, int captureWidth, int captureHeight,
                          const PageMargins& margins);
