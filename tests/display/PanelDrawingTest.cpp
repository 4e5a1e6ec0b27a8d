// Drawing a panel caption and a line-style sample straight onto a window.
#include "display/PanelDrawing.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr COLORREF BACKGROUND = 0xD8E9EC;
constexpr COLORREF RED = 0x0000FF;

class DrawingWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window = ::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 20, 20, 160, 60, nullptr,
                                     nullptr, nullptr, nullptr);
        ASSERT_NE(m_window, nullptr);
        ::UpdateWindow(m_window);
        Clear(0xFFFFFF);
    }
    void TearDown() override { ::DestroyWindow(m_window); }

    void Clear(COLORREF colour)
    {
        HDC dc = ::GetDC(m_window);
        HBRUSH brush = ::CreateSolidBrush(colour);
        RECT all{0, 0, 160, 60};
        ::FillRect(dc, &all, brush);
        ::DeleteObject(brush);
        ::ReleaseDC(m_window, dc);
    }
    COLORREF Pixel(int x, int y)
    {
        HDC dc = ::GetDC(m_window);
        const COLORREF colour = ::GetPixel(dc, x, y);
        ::ReleaseDC(m_window, dc);
        return colour;
    }
    // The drawn pixels of a row from x0 to x1 (exclusive) as '#' and '.'.
    std::string Row(int x0, int x1, int y)
    {
        std::string row;
        for (int x = x0; x < x1; ++x)
            row += Pixel(x, y) == RED ? '#' : '.';
        return row;
    }
    int Dark(int x0, int y0, int x1, int y1)
    {
        int dark = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                dark += (GetRValue(Pixel(x, y)) < 100);
        return dark;
    }

    HWND m_window = nullptr;
};

}  // namespace

TEST_F(DrawingWindow, ACaptionIsDrawnAtItsPointAndNullDrawsNothing)
{
    DrawPanelText(m_window, 10, 10, 14, L"Arial", 400, L"null", 0);
    DrawPanelText(m_window, 10, 10, 14, L"Arial", 400, nullptr, 0);
    EXPECT_EQ(Dark(0, 0, 160, 60), 0);
    DrawPanelText(m_window, 10, 10, 14, L"Arial", 700, L"WWW", 0);
    EXPECT_GT(Dark(10, 10, 40, 24), 10);
    EXPECT_EQ(Dark(0, 0, 10, 60), 0);   // nothing left of its point
    EXPECT_EQ(Dark(0, 26, 160, 60), 0);  // nor below its line
    // Upward from its point.
    Clear(0xFFFFFF);
    DrawPanelText(m_window, 100, 55, 14, L"Arial", 400, L"WWW", 900);
    EXPECT_GT(Dark(100, 25, 114, 55), 10);
    EXPECT_EQ(Dark(0, 0, 98, 60), 0);
}

TEST_F(DrawingWindow, LineSamplesByStyleOnTheWindowBackground)
{
    DrawLineSample(m_window, 10, 30, 20, 20, RED, 0, 0);
    EXPECT_EQ(Row(8, 32, 20), "..####################..");
    EXPECT_EQ(Pixel(8, 18), BACKGROUND);  // the sample's surroundings take the window's colour
    EXPECT_EQ(Pixel(31, 21), BACKGROUND);
    EXPECT_NE(Pixel(32, 22), BACKGROUND);
    EXPECT_EQ(Row(10, 30, 19), "....................");

    DrawLineSample(m_window, 10, 30, 20, 20, RED, 1, 0);
    EXPECT_EQ(Row(10, 30, 20), "####.####.####.####.");
    DrawLineSample(m_window, 10, 30, 20, 20, RED, 2, 0);
    EXPECT_EQ(Row(10, 30, 20), "#.#.#.#.#.#.#.#.#.#.");
    DrawLineSample(m_window, 10, 30, 20, 20, RED, 3, 0);
    EXPECT_EQ(Row(10, 30, 20), "####.#.####.#.......");
    DrawLineSample(m_window, 10, 30, 20, 20, RED, 9, 0);
    EXPECT_EQ(Row(10, 30, 20), "####.##..####.......");
}

TEST_F(DrawingWindow, ThicknessDrawsRowsAboveTheLineAndADamagedValueStaysSmall)
{
    DrawLineSample(m_window, 10, 30, 30, 30, RED, 0, 2);
    EXPECT_EQ(Row(10, 30, 28), std::string(20, '#'));
    EXPECT_EQ(Row(10, 30, 27), std::string(20, '.'));
    Clear(0xFFFFFF);
    DrawLineSample(m_window, 10, 30, 30, 30, RED, 0, 1000);
    EXPECT_EQ(Row(10, 30, 27), std::string(20, '#'));
    EXPECT_EQ(Row(10, 30, 26), std::string(20, '.'));
    Clear(0xFFFFFF);
    DrawLineSample(m_window, 10, 30, 30, 30, RED, 0, -5);
    EXPECT_EQ(Row(10, 30, 30), std::string(20, '#'));
    EXPECT_EQ(Row(10, 30, 29), std::string(20, '.'));
}
