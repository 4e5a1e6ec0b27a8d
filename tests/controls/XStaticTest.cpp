// The custom static control: bitmaps from the program's resources and from files and what a failed
// load leaves in place; subclassing, its own font, painting and dropped files.
#include "controls/XStatic.h"
#include "res/resource.h"
#include "tests/controls/DrawTestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

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

// ---- the live control: subclassing, painting, fonts and dropped files ---------------------------

namespace {

// A static control of the given style in a hidden parent window, subclassed by a CxStatic.
struct LiveStatic {
    LiveStatic(DWORD style, const wchar_t* text, int width, int height)
    {
        parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, width + 20, height + 20, nullptr, nullptr,
                                   nullptr, nullptr);
        child = ::CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | style, 0, 0, width, height, parent,
                                  reinterpret_cast<HMENU>(1001), nullptr, nullptr);
        control.SubclassWindow(child);
    }
    ~LiveStatic()
    {
        control.UnsubclassWindow();
        ::DestroyWindow(parent);
    }
    // Paints the control into a canvas of its size, as WM_DRAWITEM would.
    void PaintInto(TestCanvas& canvas)
    {
        RECT client;
        ::GetClientRect(child, &client);
        DRAWITEMSTRUCT draw = {};
        draw.CtlType = ODT_STATIC;
        draw.CtlID = 1001;
        draw.hwndItem = child;
        draw.hDC = canvas.dc();
        draw.rcItem = client;
        control.DrawItem(&draw);
    }

    HWND parent = nullptr;
    HWND child = nullptr;
    CxStatic control;
};

// A 24-bit bitmap file of the given size, white, with its last column red and last row blue.
std::wstring WriteEdgeBitmap(const wchar_t* name, int width, int height)
{
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + name;
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;  // bottom-up
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = stride * height;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::vector<unsigned char> pixels(info.biSizeImage, 0xFF);
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;  // top-down y of this stored row
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &pixels[row * stride + x * 3];
            if (y == height - 1) { p[0] = 0xFF; p[1] = 0; p[2] = 0; }       // blue
            else if (x == width - 1) { p[0] = 0; p[1] = 0; p[2] = 0xFF; }   // red
        }
    }
    FILE* out = _wfopen(path.c_str(), L"wb");
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
    return path;
}

// A shell drop of the given files, as WM_DROPFILES carries it.
HDROP MakeDrop(const std::vector<std::wstring>& files)
{
    size_t chars = 1;
    for (const std::wstring& f : files)
        chars += f.size() + 1;
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    auto* names = reinterpret_cast<wchar_t*>(drop + 1);
    for (const std::wstring& f : files) {
        std::memcpy(names, f.c_str(), f.size() * sizeof(wchar_t));
        names += f.size() + 1;
    }
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// Left-most and right-most columns holding a pixel other than the background, in a row band.
std::pair<int, int> InkColumns(const TestCanvas& canvas, int width, int top, int bottom, COLORREF background)
{
    int first = width, last = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < width; ++x)
            if (canvas.At(x, y) != background) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

}  // namespace

TEST(XStatic, SubclassingKeepsTheStyleAndTextAndMakesTheControlOwnerDrawn)
{
    LiveStatic live(SS_RIGHT | SS_CENTERIMAGE, L"12.5", 80, 20);
    EXPECT_EQ(live.control.m_savedStyle & (SS_TYPEMASK | SS_CENTERIMAGE), static_cast<DWORD>(SS_RIGHT | SS_CENTERIMAGE));
    EXPECT_EQ(::GetWindowLongW(live.child, GWL_STYLE) & SS_TYPEMASK, SS_OWNERDRAW);
    EXPECT_EQ(live.control.m_text, CString(L"12.5"));
    EXPECT_NE(live.control.m_font.m_hObject, nullptr);
    EXPECT_TRUE(::GetWindowLongW(live.child, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

    // WM_SETTEXT takes the new window text; SetText paints another without changing the window's.
    ::SetWindowTextW(live.child, L"13.0");
    EXPECT_EQ(live.control.m_text, CString(L"13.0"));
    live.control.SetText(nullptr);
    EXPECT_TRUE(live.control.m_text.IsEmpty());
    EXPECT_EQ(live.control.GetWindowText(), CString(L"13.0"));
}

TEST(XStatic, OwnFontReplacesThePreviousOneFromSetFontAndWmSetFont)
{
    LiveStatic live(SS_LEFT, L"x", 80, 20);
    HGDIOBJ first = live.control.m_font.m_hObject;
    live.control.SetFont(L"Arial", 28, 700);
    LOGFONTW logFont = {};
    ASSERT_TRUE(::GetObjectW(live.control.m_font.m_hObject, sizeof logFont, &logFont));
    EXPECT_EQ(logFont.lfHeight, 28);
    EXPECT_EQ(logFont.lfWeight, 700);
    EXPECT_STREQ(logFont.lfFaceName, L"Arial");
    EXPECT_EQ(::GetObjectType(first), 0u);  // released

    HFONT given = ::CreateFontW(17, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma");
    HGDIOBJ second = live.control.m_font.m_hObject;
    ::SendMessageW(live.child, WM_SETFONT, reinterpret_cast<WPARAM>(given), FALSE);
    ASSERT_TRUE(::GetObjectW(live.control.m_font.m_hObject, sizeof logFont, &logFont));
    EXPECT_EQ(logFont.lfHeight, 17);
    EXPECT_STREQ(logFont.lfFaceName, L"Tahoma");
    EXPECT_NE(live.control.m_font.m_hObject, given);  // a copy: the caller keeps its font
    EXPECT_EQ(::GetObjectType(second), 0u);
    EXPECT_EQ(::GetObjectType(given), static_cast<DWORD>(OBJ_FONT));
    ::DeleteObject(given);
}

TEST(XStatic, PaintsItsBackgroundColourAndTheWholeBitmap)
{
    LiveStatic live(SS_LEFT, L"", 200, 100);
    live.control.SetBackgroundColour(RGB(236, 233, 216));
    TestCanvas empty(200, 100, RGB(0, 0, 0));
    live.PaintInto(empty);
    EXPECT_EQ(empty.CountOther({0, 0, 200, 100}, RGB(236, 233, 216)), 0);

    const std::wstring path = WriteEdgeBitmap(L"xstatic_edges.bmp", 200, 100);
    ASSERT_TRUE(live.control.LoadBitmapFile(path.c_str()));
    TestCanvas picture(200, 100, RGB(0, 0, 0));
    live.PaintInto(picture);
    // The last column and the last row of the file reach the screen.
    EXPECT_EQ(picture.At(199, 40), RGB(255, 0, 0));
    EXPECT_EQ(picture.At(60, 99), RGB(0, 0, 255));
    EXPECT_EQ(picture.At(60, 40), RGB(255, 255, 255));
    ::DeleteFileW(path.c_str());
}

TEST(XStatic, WrappedLinesFollowTheAlignmentOfTheSavedStyle)
{
    const COLORREF background = RGB(255, 255, 255);
    for (DWORD style : {static_cast<DWORD>(SS_LEFT), static_cast<DWORD>(SS_RIGHT)}) {
        LiveStatic live(style, L"", 120, 80);
        live.control.SetBackgroundColour(background);
        live.control.m_textColour = RGB(0, 0, 0);
        live.control.SetFont(L"Arial", 20, 700);
        live.control.SetText(L"WW WWWWWWWWWW");  // a short first line, then the long word broken
        TestCanvas canvas(120, 80, background);
        live.PaintInto(canvas);
        const auto firstLine = InkColumns(canvas, 120, 0, 20, background);
        const auto secondLine = InkColumns(canvas, 120, 20, 40, background);
        ASSERT_GE(secondLine.second, 0) << "the text wraps onto a second line";
        if (style == SS_RIGHT) {
            EXPECT_GT(firstLine.first, 60);
            EXPECT_GE(firstLine.second, 110);
        } else {
            EXPECT_LE(firstLine.first, 4);
            EXPECT_LT(firstLine.second, 60);
        }
    }
}

TEST(XStatic, OnlyOneDroppedBitmapFileIsShownAndEveryDropIsReleased)
{
    LiveStatic live(SS_LEFT, L"", 40, 20);
    const std::wstring bitmap = WriteEdgeBitmap(L"xstatic_drop.BMP", 8, 4);

    HDROP two = MakeDrop({bitmap, bitmap});
    ::SendMessageW(live.child, WM_DROPFILES, reinterpret_cast<WPARAM>(two), 0);
    EXPECT_EQ(live.control.m_hasBitmap, 0);
    EXPECT_EQ(::GlobalFlags(two), static_cast<UINT>(GMEM_INVALID_HANDLE));

    HDROP text = MakeDrop({L"C:\\notes\\readme.txt"});
    ::SendMessageW(live.child, WM_DROPFILES, reinterpret_cast<WPARAM>(text), 0);
    EXPECT_EQ(live.control.m_hasBitmap, 0);
    EXPECT_EQ(::GlobalFlags(text), static_cast<UINT>(GMEM_INVALID_HANDLE));

    HDROP one = MakeDrop({bitmap});
    ::SendMessageW(live.child, WM_DROPFILES, reinterpret_cast<WPARAM>(one), 0);
    EXPECT_EQ(live.control.m_hasBitmap, 1);
    EXPECT_EQ(live.control.m_bitmapPath, CString(bitmap.c_str()));
    EXPECT_EQ(live.control.m_bitmapInfo.bmWidth, 8);
    ::DeleteFileW(bitmap.c_str());
}
