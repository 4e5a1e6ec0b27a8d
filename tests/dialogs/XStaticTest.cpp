// The picture side of the custom static control: bitmaps from the program's resources and from
// files, and what a failed load leaves in place.
#include "dialogs/XStatic.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(XStatic, ResourceBitmapReplacesThePreviousOneAndAFailedLoadChangesNothing)
{
    CxStatic picture;
    ASSERT_TRUE(picture.LoadBitmapResource(IDB_TREND_2));
    HBITMAP level = picture.m_hBitmap;
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(picture.m_bitmapResourceId, IDB_TREND_2);
    EXPECT_EQ(picture.m_hasBitmap, 1);
    EXPECT_GT(picture.m_bitmapInfo.bmWidth, 0);

    // A resource that does not exist: no picture change, and the control still names 181.
    EXPECT_FALSE(picture.LoadBitmapResource(4242));
    EXPECT_EQ(picture.m_hBitmap, level);
    EXPECT_EQ(picture.m_bitmapResourceId, IDB_TREND_2);
    EXPECT_EQ(::GetObjectType(level), static_cast<DWORD>(OBJ_BITMAP));

    // A missing file neither: the resource id and the bitmap stay, no file is remembered.
    EXPECT_FALSE(picture.LoadBitmapFile(L"Z:\\no\\such\\folder\\chart.bmp"));
    EXPECT_FALSE(picture.LoadBitmapFile(nullptr));
    EXPECT_EQ(picture.m_hBitmap, level);
    EXPECT_EQ(picture.m_bitmapResourceId, IDB_TREND_2);
    EXPECT_TRUE(picture.m_bitmapPath.IsEmpty());

    // A successful load releases the bitmap it replaces.
    ASSERT_TRUE(picture.LoadBitmapResource(IDB_TREND_3));
    EXPECT_NE(picture.m_hBitmap, level);
    EXPECT_EQ(picture.m_bitmapResourceId, IDB_TREND_3);
    EXPECT_EQ(::GetObjectType(level), 0u);
}

TEST(XStatic, EveryTrendAndConnectionBitmapLoads)
{
    for (int id : {IDB_TREND_1, IDB_TREND_2, IDB_TREND_3, IDB_CONNECTED, IDB_NOT_FOUND, IDB_DOWNLOADING}) {
        CxStatic picture;
        EXPECT_TRUE(picture.LoadBitmapResource(id)) << id;
        EXPECT_GT(picture.m_bitmapInfo.bmHeight, 0) << id;
    }
}
