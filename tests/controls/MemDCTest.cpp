// The off-screen device context: what reaches the real DC, and when.
#include "controls/MemDC.h"
#include "tests/controls/DrawTestSupport.h"

#include <gtest/gtest.h>

TEST(MemDC, DrawingReachesTheRealDcOnlyWhenTheObjectGoes)
{
    TestCanvas real(50, 30, RGB(255, 255, 255));
    CDC* dc = CDC::FromHandle(real.dc());
    dc->SetBkColor(RGB(10, 20, 30));
    {
        CMemDC memory(dc);  // no rectangle: the clip box
        EXPECT_EQ(memory.m_rect.right - memory.m_rect.left, 50);
        EXPECT_EQ(memory.m_rect.bottom - memory.m_rect.top, 30);
        ::SetPixel(memory.m_hDC, 5, 5, RGB(255, 0, 0));
        EXPECT_EQ(real.At(5, 5), RGB(255, 255, 255));
    }
    EXPECT_EQ(real.At(5, 5), RGB(255, 0, 0));
    // The rest starts in the real DC's background colour.
    EXPECT_EQ(real.At(40, 20), RGB(10, 20, 30));
}

TEST(MemDC, AreaUsesTheRealDcsCoordinatesAndLeavesTheRestAlone)
{
    TestCanvas real(50, 30, RGB(255, 255, 255));
    CDC* dc = CDC::FromHandle(real.dc());
    const RECT area = {10, 10, 30, 20};
    {
        CMemDC memory(dc, &area, true);  // copied in first: the area keeps what the real DC shows
        ::SetPixel(memory.m_hDC, 12, 15, RGB(0, 0, 255));
    }
    EXPECT_EQ(real.At(12, 15), RGB(0, 0, 255));
    EXPECT_EQ(real.At(20, 12), RGB(255, 255, 255));
    EXPECT_EQ(real.At(5, 5), RGB(255, 255, 255));
}

TEST(MemDC, OnAPrinterDcDrawsStraightThroughAndKeepsTheDcAlive)
{
    TestCanvas printer(20, 20, RGB(255, 255, 255));
    CDC printing;
    printing.Attach(printer.dc());
    printing.m_bPrinting = TRUE;
    {
        CMemDC memory(&printing);
        EXPECT_FALSE(memory.m_bMemDC);
        EXPECT_EQ(memory.m_hDC, printer.dc());
        EXPECT_TRUE(memory.IsPrinting());
        ::SetPixel(memory.m_hDC, 3, 3, RGB(0, 255, 0));
        EXPECT_EQ(printer.At(3, 3), RGB(0, 255, 0));
    }
    EXPECT_EQ(::GetObjectType(printer.dc()), static_cast<DWORD>(OBJ_MEMDC));
    printing.Detach();
}
