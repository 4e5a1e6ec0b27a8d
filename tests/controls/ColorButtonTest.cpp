// The colour button's face, bevel rings, pressed look and disabled caption, read back from pixels.
#include "controls/ColorButton.h"
#include "tests/controls/DrawTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

COLORREF Grey(int level) { return RGB(level, level, level); }

void Paint(CColorButton& button, TestCanvas& canvas, UINT state, int width = 40, int height = 20)
{
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_BUTTON;
    draw.hDC = canvas.dc();
    draw.rcItem = {0, 0, width, height};
    draw.itemState = state;
    draw.hwndItem = button.m_hWnd;
    button.DrawItem(&draw);
}

}  // namespace

TEST(ColorButton, BevelOfDepthTwoShowsTwoRingsAroundTheFace)
{
    CColorButton button;
    button.m_faceColour = 0xC0C0C0;
    button.m_bevel = 2;
    TestCanvas canvas(40, 20, RGB(0, 0, 0));
    Paint(button, canvas, 0);
    EXPECT_EQ(canvas.At(0, 0), Grey(255));    // outer ring, top-left
    EXPECT_EQ(canvas.At(0, 10), Grey(255));
    EXPECT_EQ(canvas.At(39, 10), Grey(127));  // outer ring, right
    EXPECT_EQ(canvas.At(20, 19), Grey(127));  // outer ring, bottom
    EXPECT_EQ(canvas.At(1, 10), Grey(223));   // inner ring
    EXPECT_EQ(canvas.At(38, 10), Grey(85));
    EXPECT_EQ(canvas.At(20, 18), Grey(85));
    EXPECT_EQ(canvas.At(20, 10), RGB(192, 192, 192));
}

TEST(ColorButton, RingColoursBySignAndDepth)
{
    EXPECT_EQ(BevelRing(1, 1).topLeft, Grey(255));
    EXPECT_EQ(BevelRing(1, 1).bottomRight, Grey(128));
    EXPECT_EQ(BevelRing(-1, 1).topLeft, Grey(128));
    EXPECT_EQ(BevelRing(-1, 1).bottomRight, Grey(255));
    // Ring 3 of a deep bevel: levels 213 and 63; a sunken one closes with near-black.
    EXPECT_EQ(BevelRing(3, 3).topLeft & 0xFFFFFF, Grey(213));
    EXPECT_EQ(BevelRing(3, 3).bottomRight & 0xFFFFFF, Grey(63));
    EXPECT_EQ(BevelRing(-3, 2).bottomRight & 0xFFFFFF, Grey(223));
    EXPECT_EQ(BevelRing(-3, 3).bottomRight, 0x010101u);
}

TEST(ColorButton, PressedButtonIsSunkenAndShiftsItsCaption)
{
    HWND window = ::CreateWindowExW(0, L"BUTTON", L"I", WS_POPUP | BS_OWNERDRAW, 0, 0, 40, 20, nullptr, nullptr,
                                    nullptr, nullptr);
    CColorButton button;
    button.SubclassWindow(window);
    button.m_faceColour = RGB(0, 128, 255);
    button.m_textColour = RGB(255, 0, 0);
    button.m_bevel = 2;

    TestCanvas up(40, 20);
    Paint(button, up, ODS_FOCUS);
    TestCanvas pressed(40, 20);
    Paint(button, pressed, ODS_FOCUS | ODS_SELECTED);
    EXPECT_EQ(pressed.At(0, 0), Grey(128));   // grey top-left
    EXPECT_EQ(pressed.At(39, 10), Grey(255)); // white bottom-right
    EXPECT_EQ(pressed.At(20, 19), Grey(255));

    // The caption's red ink sits one pixel further right and down when pressed.
    auto inkBox = [](const TestCanvas& canvas) {
        RECT box = {40, 20, -1, -1};
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                if (canvas.At(x, y) == RGB(255, 0, 0)) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                }
        return box;
    };
    const RECT a = inkBox(up);
    const RECT b = inkBox(pressed);
    ASSERT_LT(a.left, 40);
    EXPECT_EQ(b.left, a.left + 1);
    EXPECT_EQ(b.top, a.top + 1);

    // Disabled: the caption once more in the disabled colour.
    button.m_disabledColour = RGB(0, 255, 0);
    TestCanvas disabled(40, 20);
    Paint(button, disabled, ODS_DISABLED);
    int green = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            green += disabled.At(x, y) == RGB(0, 255, 0);
    EXPECT_GT(green, 0);
    button.UnsubclassWindow();
    ::DestroyWindow(window);
}
