// Combo boxes that paint their own items: line styles and line widths as small drawn samples, and
// plain texts that look the same in a disabled box.
//
// The boxes are drop-down lists with CBS_OWNERDRAWFIXED and without CBS_SORT, so their items stay
// in the order they were added. Each item of a line box carries a heap integer (its code) as item
// data, added with AddCode; the box frees it when the item is deleted or the box destroyed
// (WM_DELETEITEM, reflected by the parent). The heights of the selection field and of the list
// items are set when the box is bound, so they hold whether or not the box measured its items.
#pragma once
#include "platform/ui/UiControls.h"
#include "platform/ui/UiDialog.h"

// Line-style codes of the items.
constexpr int LINE_ITEM_SOLID = 0;
constexpr int LINE_ITEM_DOTTED = 1;
constexpr int LINE_ITEM_DASHED = 2;
constexpr int LINE_ITEM_DASH_DOT = 3;
constexpr int LINE_ITEM_LONG_SHORT = 4;
// Line-width codes: "1/2 pt", "1 pt", "1 1/2 pt".
constexpr int LINE_WIDTH_HALF = 0;
constexpr int LINE_WIDTH_ONE = 1;
constexpr int LINE_WIDTH_ONE_HALF = 2;

// Line styles: solid, dotted, dashed, dash-dot, long-short dash.
class CLineTypeComboBox : public CComboBox {
public:
    // Appends an item whose data is a new integer holding the code; its index, or CB_ERR.
    int AddCode(int code);
    // The code of the item; -1 for an item without one or an index outside the list.
    int CodeAt(int index) const;

    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT draw) override;
    void MeasureItem(LPMEASUREITEMSTRUCT measure) override;
    void DeleteItem(LPDELETEITEMSTRUCT deleted) override;

protected:
    void SetHeights(int fieldHeight);
};

// Line widths: a label and one, two or three sample lines.
class CLineThickComboBox : public CLineTypeComboBox {
public:
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT draw) override;
    void MeasureItem(LPMEASUREITEMSTRUCT measure) override;
};

// Plain texts drawn in the same colour whether or not the box is enabled.
class CReadOnlyComboBox : public CComboBox {
public:
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT draw) override;
    void MeasureItem(LPMEASUREITEMSTRUCT measure) override;
};

// Selects the first item whose code is `code`; what CB_SETCURSEL answers, or CB_ERR when no item
// has the code.
int SelectLineStyleItem(HWND box, int code);

// Data exchange of a line-type box with a stored line style. The stored styles and the item codes
// differ for two styles: stored 1 is the dashed item (code 2) and stored 2 the dotted one (code 1);
// every other value is the same on both sides. Saving an unselected box stores 0; loading a value
// that no item has leaves the box unselected.
void DDX_LineType(CDataExchange* dx, int id, int& value);
