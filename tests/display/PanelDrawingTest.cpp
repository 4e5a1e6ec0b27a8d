// Line-style samples (their pixel runs and what reaches a window), panel captions and texts fitted
// with an ellipsis.
#include "display/PanelDrawing.h"
#include "platform/ui/UiWnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using Runs = std::vector<std::pair<int, int>>;

TEST(PanelDrawing, LineSampleRunsByStyle)
{
    EXPECT_EQ(LineSampleRuns(0, 10, 20), (Runs{{10, 20}}));
    EXPECT_EQ(LineSampleRuns(1, 10, 20), (Runs{{10, 13}, {15, 18}, {20, 20}}));
    EXPECT_EQ(LineSampleRuns(2, 10, 15), (Runs{{10, 10}, {12, 12}, {14, 14}}));
    EXPECT_EQ(LineSampleRuns(3, 10, 30), (Runs{{10, 13}, {15, 15}, {17, 20}, {22, 22}}));
    EXPECT_EQ(LineSampleRuns(4, 10, 30), (Runs{{10, 13}, {15, 16}, {19, 22}}));
    EXPECT_EQ(LineSampleRuns(-7, 0, 30), LineSampleRuns(4, 0, 30));
    EXPECT_TRUE(LineSampleRuns(0, 20, 10).empty());
}

TEST(PanelDrawing, SampleAndCaptionOnAWindow)
{
    HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 120, 60, nullptr, nullptr,
                                    nullptr, nullptr);
    ::UpdateWindow(window);
    {
        CClientDC windowDc(CWnd::FromHandle(window));
        HDC dc = windowDc.GetSafeHdc();
        RECT all = {0, 0, 120, 60};
        HBRUSH black = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
        ::FillRect(dc, &all, black);

        DrawLineSample(windowDc, 20, 40, 30, 30, RGB(255, 0, 0), 0, 2);
        EXPECT_EQ(::GetPixel(dc, 20, 30), RGB(255, 0, 0));
        EXPECT_EQ(::GetPixel(dc, 40, 28), RGB(255, 0, 0));
        EXPECT_EQ(::GetPixel(dc, 30, 31), RGB(236, 233, 216));  // the area cleared below the rows
        EXPECT_EQ(::GetPixel(dc, 18, 29), RGB(236, 233, 216));  // and before the start
        EXPECT_EQ(::GetPixel(dc, 60, 30), RGB(0, 0, 0));        // nothing beyond the area

        // "null" draws nothing; another caption leaves ink.
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        DrawPanelText(windowDc, 2, 2, 30, L"Arial", 700, L"null", 0);
        int ink = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 110; ++x)
                ink += ::GetPixel(dc, x, y) != RGB(255, 255, 255);
        EXPECT_EQ(ink, 0);
        DrawPanelText(windowDc, 2, 2, 30, L"Arial", 700, L"Wind", 0);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 110; ++x)
                ink += ::GetPixel(dc, x, y) != RGB(255, 255, 255);
        EXPECT_GT(ink, 30);
    }
    ::DestroyWindow(window);
}

// Every character 5 pixels wide, the ellipsis 6.
int FiveEach(const std::wstring& text)
{
    int width = 0;
    for (wchar_t c : text)
        width += c == L'\u2026' ? 6 : 5;
    return width;
}

TEST(PanelDrawing, ALongTextEndsWithAnEllipsisWithinItsWidth)
{
    const std::wstring name = L"Greenhouse behind the old garage 1";  // 34 characters
    EXPECT_EQ(FitWithEllipsis(name, 170, FiveEach), name);
    EXPECT_EQ(FitWithEllipsis(name, 169, FiveEach), L"Greenhouse behind the old garage\u2026");
    EXPECT_EQ(FitWithEllipsis(name, 160, FiveEach), L"Greenhouse behind the old gara\u2026");
    EXPECT_EQ(FitWithEllipsis(name, 60, FiveEach), L"Greenhouse\u2026");  // no blank before the ellipsis
    EXPECT_EQ(FitWithEllipsis(name, 3, FiveEach), L"\u2026");
    // A character of two UTF-16 units is kept whole or left out whole.
    const std::wstring pond = L"Pond \U0001F41F\U0001F41F fish";
    EXPECT_EQ(FitWithEllipsis(pond, 41, FiveEach), L"Pond \U0001F41F\u2026");
    EXPECT_EQ(FitWithEllipsis(pond, 46, FiveEach), L"Pond \U0001F41F\u2026");  // room for half the second one
    EXPECT_EQ(FitWithEllipsis(pond, 40, FiveEach), L"Pond\u2026");
    for (int width = 1; width < 200; ++width)
        EXPECT_LE(FiveEach(FitWithEllipsis(name, width, FiveEach)), std::max(width, 6)) << width;
}
