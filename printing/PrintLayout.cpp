#include "printing/PrintLayout.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

namespace {

constexpr int PREVIEW_BORDER = 20;  // the area's side less the drawn page's longer side

struct Paper {
    int code;
    double width;   // hundredths of a millimetre
    double height;
};

constexpr double In(double inches) { return inches * 2540; }
constexpr double Mm(double millimetres) { return millimetres * 100; }

// The documented sizes of the device mode's paper codes, upright.
constexpr Paper kPapers[] = {
    {1, In(8.5), In(11)},         // Letter
    {2, In(8.5), In(11)},         // Letter Small
    {3, In(11), In(17)},          // Tabloid
    {4, In(17), In(11)},          // Ledger
    {5, In(8.5), In(14)},         // Legal
    {6, In(5.5), In(8.5)},        // Statement
    {7, In(7.25), In(10.5)},      // Executive
    {8, Mm(297), Mm(420)},        // A3
    {11, Mm(148), Mm(210)},       // A5
    {12, Mm(250), Mm(354)},       // B4 (JIS)
    {13, Mm(182), Mm(257)},       // B5 (JIS)
    {14, In(8.5), In(13)},        // Folio
    {15, Mm(215), Mm(275)},       // Quarto
    {16, In(10), In(14)},         // 10 x 14 in
    {17, In(11), In(17)},         // 11 x 17 in
    {18, In(8.5), In(11)},        // Note
    {19, In(3.875), In(8.875)},   // Envelope #9
    {20, In(4.125), In(9.5)},     // Envelope #10
    {21, In(4.5), In(10.375)},    // Envelope #11
    {22, In(4.75), In(11)},       // Envelope #12
    {23, In(5), In(11.5)},        // Envelope #14
    {24, In(17), In(22)},         // C size sheet
    {25, In(22), In(34)},         // D size sheet
    {26, In(34), In(44)},         // E size sheet
    {27, Mm(110), Mm(220)},       // Envelope DL
    {28, Mm(162), Mm(229)},       // Envelope C5
    {29, Mm(324), Mm(458)},       // Envelope C3
    {30, Mm(229), Mm(324)},       // Envelope C4
    {31, Mm(114), Mm(162)},       // Envelope C6
    {32, Mm(114), Mm(229)},       // Envelope C65
    {33, Mm(250), Mm(353)},       // Envelope B4
    {34, Mm(176), Mm(250)},       // Envelope B5
    {35, Mm(176), Mm(125)},       // Envelope B6
    {36, Mm(110), Mm(230)},       // Envelope Italy
    {37, In(3.875), In(7.5)},     // Envelope Monarch
    {38, In(3.625), In(6.5)},     // 6 3/4 Envelope
    {39, In(14.875), In(11)},     // US Std Fanfold
    {40, In(8.5), In(12)},        // German Std Fanfold
    {41, In(8.5), In(13)},        // German Legal Fanfold
    {42, Mm(250), Mm(353)},       // B4 (ISO)
    {43, Mm(100), Mm(148)},       // Japanese Postcard
    {44, In(9), In(11)},          // 9 x 11 in
    {45, In(10), In(11)},         // 10 x 11 in
    {46, In(15), In(11)},         // 15 x 11 in
    {47, Mm(220), Mm(220)},       // Envelope Invite
    {48, -1, -1},                 // reserved
    {49, -1, -1},                 // reserved
    {50, In(9.5), In(12)},        // Letter Extra
    {51, In(9.5), In(15)},        // Legal Extra
    {52, In(11.69), In(18)},      // Tabloid Extra
    {53, In(9.27), In(12.69)},    // A4 Extra
    {54, In(8.5), In(11)},        // Letter Transverse
    {56, In(9.5), In(12)},        // Letter Extra Transverse
    {57, Mm(227), Mm(356)},       // SuperA / A4
    {58, Mm(305), Mm(487)},       // SuperB / A3
    {59, In(8.5), In(12.69)},     // Letter Plus
    {60, Mm(210), Mm(330)},       // A4 Plus
    {61, Mm(148), Mm(210)},       // A5 Transverse
    {62, Mm(182), Mm(257)},       // B5 (JIS) Transverse
    {63, Mm(322), Mm(445)},       // A3 Extra
    {64, Mm(174), Mm(235)},       // A5 Extra
    {65, Mm(201), Mm(276)},       // B5 (ISO) Extra
    {66, Mm(420), Mm(594)},       // A2
    {67, Mm(297), Mm(420)},       // A3 Transverse
    {68, Mm(322), Mm(445)},       // A3 Extra Transverse
    {69, Mm(200), Mm(148)},       // Japanese Double Postcard
    {70, Mm(105), Mm(148)},       // A6
    {71, Mm(240), Mm(332)},       // Japanese Envelope Kaku #2
    {72, Mm(216), Mm(277)},       // Japanese Envelope Kaku #3
    {73, Mm(120), Mm(235)},       // Japanese Envelope Chou #3
    {74, Mm(90), Mm(205)},        // Japanese Envelope Chou #4
    {75, In(11), In(8.5)},        // Letter Rotated
    {76, Mm(420), Mm(297)},       // A3 Rotated
    {77, Mm(297), Mm(210)},       // A4 Rotated
    {78, Mm(210), Mm(148)},       // A5 Rotated
    {79, Mm(364), Mm(257)},       // B4 (JIS) Rotated
    {80, Mm(257), Mm(182)},       // B5 (JIS) Rotated
    {81, Mm(148), Mm(100)},       // Japanese Postcard Rotated
    {82, Mm(148), Mm(200)},       // Double Japanese Postcard Rotated
    {83, Mm(148), Mm(105)},       // A6 Rotated
    {84, Mm(332), Mm(240)},       // Japanese Envelope Kaku #2 Rotated
    {85, Mm(277), Mm(216)},       // Japanese Envelope Kaku #3 Rotated
    {86, Mm(235), Mm(120)},       // Japanese Envelope Chou #3 Rotated
    {100, Mm(110), Mm(220)},      // PRC Envelope #5
    {104, Mm(229), Mm(324)},      // PRC Envelope #9
    {105, Mm(324), Mm(458)},      // PRC Envelope #10
    {111, Mm(176), Mm(125)},      // PRC Envelope #3 Rotated
    {117, Mm(324), Mm(229)},      // PRC Envelope #9 Rotated
    {118, Mm(458), Mm(324)},      // PRC Envelope #10 Rotated
};

constexpr PixelSize A4_UPRIGHT{21000, 29700};

// a * b / c in 64 bits, truncated like the integer arithmetic of the page's sizes.
int Scale(int a, int b, int c) { return c == 0 ? 0 : static_cast<int>(static_cast<long long>(a) * b / c); }

}  // namespace

int MarginFromText(const wchar_t* text)
{
    if (!text)
        return MARGIN_MIN;
    wchar_t* end = nullptr;
    const long value = std::wcstol(text, &end, 10);
    return static_cast<int>(std::clamp<long>(end == text ? 0 : value, MARGIN_MIN, MARGIN_MAX));
}

PixelSize FitCapture(int freeWidth, int freeHeight, int captureWidth, int captureHeight)
{
    if (freeWidth <= 0 || freeHeight <= 0 || captureWidth <= 0 || captureHeight <= 0)
        return PixelSize();
    PixelSize drawn;
    if (captureHeight < captureWidth) {
        drawn.width = freeWidth;
        drawn.height = Scale(freeWidth, captureHeight, captureWidth);
        if (freeHeight < drawn.height) {
            drawn.height = freeHeight;
            drawn.width = Scale(captureWidth, freeHeight, captureHeight);
        }
    } else {
        drawn.height = freeHeight;
        drawn.width = Scale(captureWidth, freeHeight, captureHeight);
        if (freeWidth < drawn.width) {
            drawn.width = freeWidth;
            drawn.height = Scale(freeWidth, captureHeight, captureWidth);
        }
    }
    return drawn;
}

CapturePlacement PlaceCapture(int pageWidth, int pageHeight, const PageMargins& margins, int captureWidth,
                              int captureHeight)
{
    const int top = Scale(pageHeight, margins.top, 100);
    const int bottom = Scale(pageHeight, margins.bottom, 100);
    const int left = Scale(margins.left, pageWidth, 100);
    const int right = Scale(margins.right, pageWidth, 100);
    CapturePlacement placement;
    placement.x = left;
    placement.y = top;
    placement.size = FitCapture(pageWidth - right - left, pageHeight - bottom - top, captureWidth, captureHeight);
    return placement;
}

PreviewPage LayoutPreview(int previewWidth, int previewHeight, int pageWidth, int pageHeight,
                          const PageMargins& margins, int captureWidth, int captureHeight)
{
    PreviewPage page;
    const int roomWidth = previewWidth - PREVIEW_BORDER;
    const int roomHeight = previewHeight - PREVIEW_BORDER;
    if (pageWidth <= 0 || pageHeight <= 0 || roomWidth <= 0 || roomHeight <= 0)
        return page;
    // The longer side of the page takes its side of the room; the other keeps the proportion, and
    // when that does not fit the other side of the room decides.
    if (pageWidth > pageHeight) {
        page.width = roomWidth;
        page.height = Scale(pageHeight, roomWidth, pageWidth);
    } else {
        page.height = roomHeight;
        page.width = Scale(pageWidth, roomHeight, pageHeight);
    }
    if (page.height > roomHeight) {
        page.height = roomHeight;
        page.width = Scale(pageWidth, roomHeight, pageHeight);
    }
    if (page.width > roomWidth) {
        page.width = roomWidth;
        page.height = Scale(pageHeight, roomWidth, pageWidth);
    }
    page.x = (previewWidth - page.width) / 2;
    page.y = (previewHeight - page.height) / 2;
    page.marginTop = Scale(page.height, margins.top, 100);
    page.marginBottom = Scale(page.height, margins.bottom, 100);
    page.marginLeft = Scale(margins.left, page.width, 100);
    page.marginRight = Scale(margins.right, page.width, 100);
    page.capture = PlaceCapture(page.width, page.height, margins, captureWidth, captureHeight);
    page.capture.x += page.x;
    page.capture.y += page.y;
    return page;
}

PixelSize CaptureSizeOf(int startWidth, int startHeight, int clientWidth, int clientHeight)
{
    return {std::max(startWidth, clientWidth), std::max(startHeight, clientHeight)};
}

PixelSize PaperSizeOf(int paperCode)
{
    for (const Paper& paper : kPapers)
        if (paper.code == paperCode)
            return PixelSize{static_cast<int>(std::lround(paper.width)), static_cast<int>(std::lround(paper.height))};
    return A4_UPRIGHT;
}

PixelSize OrientedPageSize(int paperCode, int orientation)
{
    const PixelSize paper = PaperSizeOf(paperCode);
    return orientation == ORIENTATION_LANDSCAPE ? PixelSize{paper.height, paper.width} : paper;
}
