#include "display/PanelDrawing.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr COLORREF WINDOW_BACKGROUND = 0xD8E9EC;
constexpr int MAX_SAMPLE_THICKNESS = 10;

}  // namespace

void DrawPanelText(CDC& dc, int x, int y, int height, const wchar_t* face, int weight, const wchar_t* text,
                   double escapement, int maxWidth)
{
    if (!dc.GetSafeHdc() || !text || std::wcscmp(text, L"null") == 0)
        return;
    CFont font;
    font.CreateFont(height, 0, static_cast<int>(escapement), 0, weight, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 32, face ? face : L"");
    HGDIOBJ old = dc.SelectObject(&font);
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.SetBkMode(TRANSPARENT);
    std::wstring shown = text;
    if (maxWidth > 0)
        shown = FitWithEllipsis(shown, maxWidth, [&dc](const std::wstring& run) {
            return static_cast<int>(dc.GetTextExtent(run.c_str(), static_cast<int>(run.size())).cx);
        });
    dc.TextOut(x, y, shown.c_str(), static_cast<int>(shown.size()));
    dc.SelectObject(old);
}

std::wstring FitWithEllipsis(const std::wstring& text, int width,
                             const std::function<int(const std::wstring&)>& measure)
{
    if (measure(text) <= width)
        return text;
    const std::wstring ellipsis = L"\u2026";
    // The longest start that fits with the ellipsis: `fits` always does, `tooLong` never.
    std::size_t fits = 0, tooLong = text.size();
    while (tooLong - fits > 1) {
        const std::size_t middle = fits + (tooLong - fits) / 2;
        if (measure(text.substr(0, middle) + ellipsis) <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    if (fits > 0 && text[fits - 1] >= 0xD800 && text[fits - 1] < 0xDC00)
        --fits;
    while (fits > 0 && text[fits - 1] == L' ')
        --fits;
    return text.substr(0, fits) + ellipsis;
}

std::vector<std::pair<int, int>> LineSampleRuns(int style, int startX, int endX)
{
    std::vector<std::pair<int, int>> runs;
    switch (style) {
    case 0:
        if (endX >= startX)
            runs.emplace_back(startX, endX);
        break;
    case 1:
        for (int x = startX; x <= endX; x += 5)
            runs.emplace_back(x, std::min(x + 3, endX));
        break;
    case 2:
        for (int x = startX; x <= endX; x += 2)
            runs.emplace_back(x, x);
        break;
    case 3:
        for (int x = startX; x + 3 < endX - 4; x += 7) {
            runs.emplace_back(x, x + 3);
            runs.emplace_back(x + 5, x + 5);
        }
        break;
    default:
        runs = {{startX, startX + 3}, {startX + 5, startX + 6}, {startX + 9, startX + 12}};
        break;
    }
    return runs;
}

void DrawLineSample(CDC& dc, int startX, int endX, int y, int bottomY, COLORREF colour, int style, int thickness)
{
    if (!dc.GetSafeHdc())
        return;
    const RECT area = {startX - 2, y - 2, endX + 2, bottomY + 2};
    dc.FillSolidRect(&area, WINDOW_BACKGROUND);
    CPen pen(PS_SOLID, 1, colour);
    HGDIOBJ old = dc.SelectObject(&pen);
    const int rows = std::clamp(thickness, 0, MAX_SAMPLE_THICKNESS);
    const std::vector<std::pair<int, int>> runs = LineSampleRuns(style, startX, endX);
    for (int row = y - rows; row <= y; ++row)
        for (const auto& run : runs) {
            dc.MoveTo(run.first, row);
            dc.LineTo(run.second + 1, row);
        }
    dc.SelectObject(old);
}
