#include "display/PanelDrawing.h"

#include <algorithm>
#include <cwchar>

namespace {

constexpr COLORREF WINDOW_BACKGROUND = 0xD8E9EC;
constexpr int MAX_SAMPLE_THICKNESS = 3;

// One horizontal run of pixels [from, to), clipped to the sample's end.
void Run(HDC dc, int from, int to, int end, int y)
{
    to = std::min(to, end);
    if (from >= to)
        return;
    ::MoveToEx(dc, from, y, nullptr);
    ::LineTo(dc, to, y);
}

void DrawSampleRow(HDC dc, int startX, int endX, int y, int style)
{
    switch (style) {
    case 0:
        Run(dc, startX, endX, endX, y);
        break;
    case 1:
        for (int x = startX; x < endX; x += 5)
            Run(dc, x, x + 4, endX, y);
        break;
    case 2:
        for (int x = startX; x < endX; x += 2)
            Run(dc, x, x + 1, endX, y);
        break;
    case 3:
        for (int x = startX; x + 4 <= endX - 4; x += 7) {
            Run(dc, x, x + 4, endX, y);
            Run(dc, x + 5, x + 6, endX, y);
        }
        break;
    default:
        Run(dc, startX, startX + 4, endX, y);
        Run(dc, startX + 5, startX + 7, endX, y);
        Run(dc, startX + 9, startX + 13, endX, y);
        break;
    }
}

}  // namespace

void DrawPanelText(HWND window, int x, int y, int height, const wchar_t* face, int weight, const wchar_t* text,
                   double escapement)
{
    if (text == nullptr || std::wcscmp(text, L"null") == 0 || window == nullptr)
        return;
    HDC dc = ::GetDC(window);
    if (dc == nullptr)
        return;
    HFONT font = ::CreateFontW(height, 0, static_cast<int>(escapement), 0, weight, FALSE, FALSE, FALSE, 0,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 32, face);
    HGDIOBJ old = ::SelectObject(dc, font);
    ::SetTextAlign(dc, TA_LEFT | TA_TOP);
    ::SetBkMode(dc, TRANSPARENT);
    ::TextOutW(dc, x, y, text, static_cast<int>(std::wcslen(text)));
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    ::ReleaseDC(window, dc);
}

void DrawLineSample(HWND window, int startX, int endX, int y, int bottomY, COLORREF colour, int style, int thickness)
{
    if (window == nullptr)
        return;
    HDC dc = ::GetDC(window);
    if (dc == nullptr)
        return;
    const RECT clear{startX - 2, y - 2, endX + 2, bottomY + 2};
    HBRUSH background = ::CreateSolidBrush(WINDOW_BACKGROUND);
    ::FillRect(dc, &clear, background);
    ::DeleteObject(background);
    HPEN pen = ::CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = ::SelectObject(dc, pen);
    thickness = std::clamp(thickness, 0, MAX_SAMPLE_THICKNESS);
    for (int row = y - thickness; row <= y; ++row)
        DrawSampleRow(dc, startX, endX, row, style);
    ::SelectObject(dc, old);
    ::DeleteObject(pen);
    ::ReleaseDC(window, dc);
}
