// The owner-drawn combo boxes in a real parent window: data exchange of line styles, item data freed
// through the parent's reflection, and the drawn samples read back from pixels.
#include "controls/LineComboBoxes.h"
#include "tests/controls/DrawTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int BOX_ID = 501;

// Records the code of every item the box deletes, then frees it as the box does.
class CRecordingLineBox : public CLineTypeComboBox {
public:
    std::vector<int>* deletedCodes = nullptr;
    void DeleteItem(LPDELETEITEMSTRUCT deleted) override
    {
        if (deletedCodes && deleted->itemData != 0)
            deletedCodes->push_back(*reinterpret_cast<int*>(deleted->itemData));
        CLineTypeComboBox::DeleteItem(deleted);
    }
};

// A parent window bound to a CWnd (so it reflects owner-draw messages) holding one line box.
struct BoxHost {
    CWnd parent;
    CRecordingLineBox box;
    BoxHost()
    {
        parent.SubclassWindow(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                                nullptr, nullptr));
        HWND combo = ::CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                                       0, 0, 100, 120, parent.m_hWnd, reinterpret_cast<HMENU>(BOX_ID), nullptr, nullptr);
        box.SubclassWindow(combo);
        for (int code = LINE_ITEM_SOLID; code <= LINE_ITEM_LONG_SHORT; ++code)
            box.AddCode(code);
    }
    ~BoxHost()
    {
        if (parent.IsWindow())
            parent.DestroyWindow();
    }
    int Load(int value)
    {
        CDataExchange dx(&parent, FALSE);
        DDX_LineType(&dx, BOX_ID, value);
        return box.CodeAt(box.GetCurSel());
    }
    int Save()
    {
        int value = -5;
        CDataExchange dx(&parent, TRUE);
        DDX_LineType(&dx, BOX_ID, value);
        return value;
    }
};

void DrawLineItem(CLineTypeComboBox& box, TestCanvas& canvas, DWORD_PTR data, UINT state, UINT action)
{
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_COMBOBOX;
    draw.hDC = canvas.dc();
    draw.rcItem = {0, 0, 100, 14};
    draw.itemData = data;
    draw.itemState = state;
    draw.itemAction = action;
    box.DrawItem(&draw);
}

}  // namespace

TEST(LineComboBoxes, StoredDottedAndDashedSwapWithTheirItems)
{
    BoxHost host;
    EXPECT_EQ(host.Load(1), LINE_ITEM_DASHED);
    EXPECT_EQ(host.Save(), 1);
    EXPECT_EQ(host.Load(2), LINE_ITEM_DOTTED);
    EXPECT_EQ(host.Save(), 2);
    EXPECT_EQ(host.Load(4), LINE_ITEM_LONG_SHORT);
    EXPECT_EQ(host.Save(), 4);
    // A value no item has selects nothing new; an unselected box saves 0.
    host.box.SetCurSel(-1);
    EXPECT_EQ(host.Load(7), -1);
    EXPECT_EQ(host.Save(), 0);
    EXPECT_EQ(SelectLineStyleItem(host.box.m_hWnd, 7), CB_ERR);
}

TEST(LineComboBoxes, ItemCodesAreFreedWhenDeletedAndWhenTheBoxIsDestroyed)
{
    std::vector<int> deleted;
    {
        BoxHost host;
        host.box.deletedCodes = &deleted;
        host.box.SendMessage(CB_DELETESTRING, 1);
        EXPECT_EQ(deleted, std::vector<int>{LINE_ITEM_DOTTED});
        EXPECT_EQ(host.box.CodeAt(1), LINE_ITEM_DASHED);
    }
    std::sort(deleted.begin() + 1, deleted.end());  // the order of the box's own clean-up
    EXPECT_EQ(deleted, (std::vector<int>{LINE_ITEM_DOTTED, LINE_ITEM_SOLID, LINE_ITEM_DASHED, LINE_ITEM_DASH_DOT,
                                         LINE_ITEM_LONG_SHORT}));
}

TEST(LineComboBoxes, StyleSamplesAndBackgrounds)
{
    BoxHost host;
    const COLORREF ink = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF grey = RGB(200, 200, 200);
    int dashed = LINE_ITEM_DASHED;
    TestCanvas canvas(100, 14, grey);
    DrawLineItem(host.box, canvas, reinterpret_cast<DWORD_PTR>(&dashed), 0, ODA_DRAWENTIRE);
    // 4-pixel dashes every 6 pixels from x 8, on row 7, ending before x 48.
    for (int x = 8; x < 12; ++x)
        EXPECT_EQ(canvas.At(x, 7), ink) << x;
    EXPECT_EQ(canvas.At(12, 7), grey);
    EXPECT_EQ(canvas.At(13, 7), grey);
    EXPECT_EQ(canvas.At(14, 7), ink);
    EXPECT_EQ(canvas.At(48, 7), grey);
    EXPECT_EQ(canvas.CountOther({0, 0, 100, 7}, grey), 0);

    int dotted = LINE_ITEM_DOTTED;
    TestCanvas dots(100, 14, grey);
    DrawLineItem(host.box, dots, reinterpret_cast<DWORD_PTR>(&dotted), 0, ODA_DRAWENTIRE);
    EXPECT_EQ(dots.At(8, 7), ink);
    EXPECT_EQ(dots.At(9, 7), grey);
    EXPECT_EQ(dots.At(11, 7), ink);
    EXPECT_EQ(dots.CountOther({0, 7, 100, 8}, grey), 14);  // x 8, 11, ..., 47

    // An item without a code gets its background only: highlight when selected, white when it
    // loses the selection.
    TestCanvas none(100, 14, grey);
    DrawLineItem(host.box, none, static_cast<DWORD_PTR>(-1), ODS_SELECTED, ODA_SELECT);
    EXPECT_EQ(none.CountOther({0, 0, 100, 14}, ::GetSysColor(COLOR_HIGHLIGHT)), 0);
    DrawLineItem(host.box, none, static_cast<DWORD_PTR>(-1), 0, ODA_SELECT);
    EXPECT_EQ(none.CountOther({0, 0, 100, 14}, RGB(255, 255, 255)), 0);
}

TEST(LineComboBoxes, WidthLabelFollowsSelectionAndEnabledState)
{
    CLineThickComboBox box;
    const COLORREF white = RGB(255, 255, 255);
    auto labelColours = [&](UINT state) {
        TestCanvas canvas(100, 14, white);
        int code = LINE_WIDTH_ONE_HALF;
        DRAWITEMSTRUCT draw = {};
        draw.hDC = canvas.dc();
        draw.rcItem = {0, 0, 100, 14};
        draw.itemData = reinterpret_cast<DWORD_PTR>(&code);
        draw.itemState = state;
        box.DrawItem(&draw);
        // Three sample rows at y 6..8 from x 45 to 84.
        EXPECT_EQ(canvas.CountOther({45, 6, 85, 9}, ::GetSysColor(COLOR_WINDOWTEXT)), 0);
        EXPECT_EQ(canvas.CountOther({45, 9, 85, 14}, white), 0);
        std::vector<COLORREF> inLabel;
        for (int y = 0; y < 14; ++y)
            for (int x = 1; x < 44; ++x)
                if (canvas.At(x, y) != white)
                    inLabel.push_back(canvas.At(x, y));
        return inLabel;
    };
    auto contains = [](const std::vector<COLORREF>& colours, COLORREF colour) {
        return std::find(colours.begin(), colours.end(), colour) != colours.end();
    };
    EXPECT_TRUE(contains(labelColours(ODS_DISABLED), ::GetSysColor(COLOR_GRAYTEXT)));
    EXPECT_TRUE(contains(labelColours(0), ::GetSysColor(COLOR_WINDOWTEXT)));
    EXPECT_FALSE(contains(labelColours(0), ::GetSysColor(COLOR_GRAYTEXT)));
}

// A read-only list draws its item's text inside the item: a text longer than the field stops at
// the field's end and never runs into the arrow beside it.
TEST(LineComboBoxes, AReadOnlyListsTextStaysInsideItsItem)
{
    CWnd parent;
    parent.SubclassWindow(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr,
                                            nullptr));
    CReadOnlyComboBox box;
    box.SubclassWindow(::CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                                         CBS_HASSTRINGS, 0, 0, 100, 120, parent.m_hWnd,
                                         reinterpret_cast<HMENU>(BOX_ID), nullptr, nullptr));
    box.AddString(L"het noorden van het land");
    const COLORREF grey = RGB(200, 200, 200);
    TestCanvas canvas(100, 14, grey);
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_COMBOBOX;
    draw.hDC = canvas.dc();
    draw.rcItem = {0, 0, 30, 14};
    draw.itemAction = ODA_DRAWENTIRE;
    box.DrawItem(&draw);
    EXPECT_GT(canvas.CountOther({0, 0, 30, 14}, RGB(255, 255, 255)), 10);  // the text's start
    EXPECT_EQ(canvas.CountOther({30, 0, 100, 14}, grey), 0);
    parent.DestroyWindow();
}
