// Reading a printed page back for the end-to-end runs: the PDF that cups-pdf's printer wrote for a
// print job, its pages rendered to pixels by poppler's pdftoppm (a Unix program, which Wine starts
// like any other) and what those pixels show.
#pragma once
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace printed {

// The folder cups-pdf writes into for this user: "PDF" in the Unix home folder (its default).
std::wstring PdfPrinterFolder();

// Whether the system lists a printer of that name.
bool HasPrinter(const wchar_t* name);

// The PDF files of a folder with their last write times.
using FileTimes = std::map<std::wstring, uint64_t>;
FileTimes PdfFilesIn(const std::wstring& folder);

// Waits for a complete PDF whose name begins with `namePrefix` and that is not in `before` (or
// was written again since), and moves it to `destination`; false when none came in `seconds`.
bool TakeNewPdf(const std::wstring& folder, const std::wstring& namePrefix, const FileTimes& before,
                const std::wstring& destination, int seconds);

// The page as pixels, 0xRRGGBB, row by row.
struct Page {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// Renders every page of the PDF at `dpi` into PPM files beside it and reads them back; empty when
// pdftoppm is missing or fails. pdftoppm's Unix path as Wine names it:
const wchar_t* const kPdfToPpm = L"Z:\\usr\\bin\\pdftoppm";
std::vector<Page> RenderPages(const std::wstring& pdf, int dpi);

// The smallest rectangle (right and bottom exclusive) holding every pixel that is not white;
// empty (all zero) for a blank page.
RECT InkBox(const Page& page);

// The share (0..1) of the pixels inside `box` within `tolerance` of `colour` on each channel.
double ShareNear(const Page& page, const RECT& box, uint32_t colour, int tolerance);

// The colour most pixels have (0xRRGGBB; the top byte is ignored).
uint32_t CommonestColour(const std::vector<uint32_t>& pixels);

}  // namespace printed
