// The print preview's arithmetic, without a window: where the page is drawn in the preview area,
// its margins, how the capture of the main window fits between them keeping its aspect ratio, the
// same fit on a printer's page, and the size of each paper of the printer's device mode.
#pragma once

// Margins in percent: top and bottom of the page's height, left and right of its width.
struct PageMargins {
    int top = 14;
    int bottom = 14;
    int left = 15;
    int right = 15;
};
constexpr int MARGIN_MIN = 0;
constexpr int MARGIN_MAX = 50;

// A margin as typed into its field: the whole number at the text's start (0 when there is none),
// kept within 0..50 so that two opposite margins never leave less than nothing.
int MarginFromText(const wchar_t* text);

struct PixelSize {
    int width = 0;
    int height = 0;
};

// The part of the main window that Print captures: the client size taken at start-up (the dialog
// template's), grown to the window's present client size where that is larger. The window is laid
// out larger than its template wherever the dialog font is smaller, and the capture must still hold
// every panel.
PixelSize CaptureSizeOf(int startWidth, int startHeight, int clientWidth, int clientHeight);

// The capture scaled to fill the free area along one side, keeping its aspect ratio: a wide
// capture takes the free width unless it would then be taller than the free height, a tall one the
// free height unless it would be wider. A capture or an area without size gives 0 x 0.
PixelSize FitCapture(int freeWidth, int freeHeight, int captureWidth, int captureHeight);

// Where the capture goes on a page of width x height pixels: at (left, top) in its fitted size.
struct CapturePlacement {
    int x = 0;
    int y = 0;
    PixelSize size;
};
CapturePlacement PlaceCapture(int pageWidth, int pageHeight, const PageMargins& margins, int captureWidth,
                              int captureHeight);

// The page as the preview draws it in an area of previewWidth x previewHeight pixels: as large as
// fits in the area less 10 pixels on every side, in the proportion of the page (sizes in
// hundredths of a millimetre), in the middle of the area. A page without size draws nothing.
struct PreviewPage {
    int x = 0;  // the page's top left corner in the preview area
    int y = 0;
    int width = 0;
    int height = 0;
    int marginTop = 0;  // margins in pixels
    int marginBottom = 0;
    int marginLeft = 0;
    int marginRight = 0;
    CapturePlacement capture;  // relative to the area, like x and y
};
PreviewPage LayoutPreview(int previewWidth, int previewHeight, int pageWidth, int pageHeight,
                          const PageMargins& margins, int captureWidth, int captureHeight);

// Paper of a device mode's paper code, in hundredths of a millimetre as printed upright (width,
// height); the reserved codes 48 and 49 give -1 x -1 and a code without a documented size A4.
PixelSize PaperSizeOf(int paperCode);
// The page as oriented: portrait (1) takes width x height, landscape (2) height x width.
PixelSize OrientedPageSize(int paperCode, int orientation);

constexpr int ORIENTATION_PORTRAIT = 1;
constexpr int ORIENTATION_LANDSCAPE = 2;
