#include "controls/LineComboBoxes.h"

namespace {

constexpr int LIST_ITEM_HEIGHT = 14;
constexpr int LINE_TYPE_FIELD_HEIGHT = 13;
constexpr int LINE_THICK_FIELD_HEIGHT = 14;
constexpr int READ_ONLY_FIELD_HEIGHT = 14;
constexpr int LINE_THICK_DROPPED_WIDTH = 90;
constexpr DWORD_PTR NO_ITEM_DATA = static_cast<DWORD_PTR>(CB_ERR);

// The code an item carries, or -1 when its data is no code.
int ItemCode(DWORD_PTR data)
{
    if (data == 0 || data == NO_ITEM_DATA)
        return -1;
    return *reinterpret_cast<const int*>(data);
}

// The stored line style of an item code and back (the exchange is its own inverse).
int SwapDottedAndDashed(int value)
{
    if (value == 1)
        return 2;
    if (value == 2)
        return 1;
    return value;
}

// The item's background: highlight when it becomes or is drawn selected, white when it loses the
// selection; otherwise the system's background stays.
void PaintItemBackground(const DRAWITEMSTRUCT& draw)
{
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    if (selected && (draw.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
        ::FillRect(draw.hDC, &draw.rcItem, ::GetSysColorBrush(COLOR_HIGHLIGHT));
    else if (!selected && (draw.itemAction & ODA_SELECT)) {
        HBRUSH white = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
        ::FillRect(draw.hDC, &draw.rcItem, white);
    }
}

// One-pixel pen in the window-text colour for the time of one item.
class ItemPen {
public:
    explicit ItemPen(HDC dc) : m_dc(dc), m_pen(::CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_WINDOWTEXT)))
    {
        m_old = ::SelectObject(dc, m_pen);
    }
    ~ItemPen()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_pen);
    }
    ItemPen(const ItemPen&) = delete;
    ItemPen& operator=(const ItemPen&) = delete;

    void Segment(int x1, int x2, int y) const
    {
        ::MoveToEx(m_dc, x1, y, nullptr);
        ::LineTo(m_dc, x2, y);
    }

private:
    HDC m_dc;
    HPEN m_pen;
    HGDIOBJ m_old;
};

void DrawLineStyleSample(const ItemPen& pen, int code, int y)
{
    switch (code) {
    case LINE_ITEM_SOLID:
        pen.Segment(8, 48, y);
        break;
    case LINE_ITEM_DOTTED:
        for (int x = 8; x < 48; x += 3)
            pen.Segment(x, x + 1, y);
        break;
    case LINE_ITEM_DASHED:
        for (int x = 8; x < 48; x += 6)
            pen.Segment(x, x + 4, y);
        break;
    case LINE_ITEM_DASH_DOT:
        for (int b = 14; b <= 41; b += 9) {
            pen.Segment(b - 6, b - 2, y);
            pen.Segment(b, b + 1, y);
        }
        pen.Segment(44, 48, y);
        break;
    case LINE_ITEM_LONG_SHORT:
        for (int b = 22; b <= 44; b += 22) {
            pen.Segment(b - 14, b - 4, y);
            pen.Segment(b, b + 4, y);
        }
        break;
    default:
        break;
    }
}

struct WidthSample {
    const wchar_t* label;
    int labelOffset;  // from the item's left edge
    int lines;        // 1: at y; 2: y - 1 and y; 3: y - 1 .. y + 1
};

const WidthSample kWidthSamples[] = {
    {L"1/2 pt", 10, 1},
    {L"1 pt", 10, 2},
    {L"1 1/2 pt", 1, 3},
};

}  // namespace

// ---- line styles ----------------------------------------------------------------------------------

int CLineTypeComboBox::AddCode(int code)
{
    const int index = AddString(L"");
    if (index < 0)
        return index;
    SetItemData(index, reinterpret_cast<DWORD_PTR>(new int(code)));
    return index;
}

int CLineTypeComboBox::CodeAt(int index) const
{
    if (index < 0 || index >= GetCount())
        return -1;
    return ItemCode(GetItemData(index));
}

void CLineTypeComboBox::SetHeights(int fieldHeight)
{
    SetItemHeight(-1, static_cast<UINT>(fieldHeight));
    SetItemHeight(0, LIST_ITEM_HEIGHT);
}

void CLineTypeComboBox::PreSubclassWindow()
{
    CComboBox::PreSubclassWindow();
    SetHeights(LINE_TYPE_FIELD_HEIGHT);
}

void CLineTypeComboBox::MeasureItem(LPMEASUREITEMSTRUCT measure)
{
    measure->itemHeight = LIST_ITEM_HEIGHT;
}

void CLineTypeComboBox::DrawItem(LPDRAWITEMSTRUCT draw)
{
    PaintItemBackground(*draw);
    const int code = ItemCode(draw->itemData);
    if (code < 0)
        return;
    ItemPen pen(draw->hDC);
    DrawLineStyleSample(pen, code, draw->rcItem.top + 7);
}

void CLineTypeComboBox::DeleteItem(LPDELETEITEMSTRUCT deleted)
{
    if (deleted->itemData != 0 && deleted->itemData != NO_ITEM_DATA)
        delete reinterpret_cast<int*>(deleted->itemData);
    CComboBox::DeleteItem(deleted);
}

// ---- line widths ----------------------------------------------------------------------------------

void CLineThickComboBox::PreSubclassWindow()
{
    CComboBox::PreSubclassWindow();
    SetHeights(LINE_THICK_FIELD_HEIGHT);
}

void CLineThickComboBox::MeasureItem(LPMEASUREITEMSTRUCT measure)
{
    measure->itemHeight = LIST_ITEM_HEIGHT;
    SetDroppedWidth(LINE_THICK_DROPPED_WIDTH);
}

void CLineThickComboBox::DrawItem(LPDRAWITEMSTRUCT draw)
{
    PaintItemBackground(*draw);
    ::SetBkMode(draw->hDC, TRANSPARENT);
    COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    if (draw->itemState & ODS_SELECTED)
        text = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    else if (draw->itemState & ODS_DISABLED)
        text = ::GetSysColor(COLOR_GRAYTEXT);
    ::SetTextColor(draw->hDC, text);

    const int code = ItemCode(draw->itemData);
    if (code < 0 || code >= static_cast<int>(sizeof kWidthSamples / sizeof kWidthSamples[0]))
        return;
    const WidthSample& sample = kWidthSamples[code];
    ::TextOutW(draw->hDC, draw->rcItem.left + sample.labelOffset, draw->rcItem.top, sample.label,
               static_cast<int>(wcslen(sample.label)));
    ItemPen pen(draw->hDC);
    const int y = draw->rcItem.top + 7;
    const int first = sample.lines == 1 ? y : y - 1;
    for (int line = 0; line < sample.lines; ++line)
        pen.Segment(45, 85, first + line);
}

// ---- read-only texts ------------------------------------------------------------------------------

void CReadOnlyComboBox::PreSubclassWindow()
{
    CComboBox::PreSubclassWindow();
    SetItemHeight(-1, READ_ONLY_FIELD_HEIGHT);
    SetItemHeight(0, LIST_ITEM_HEIGHT);
}

void CReadOnlyComboBox::MeasureItem(LPMEASUREITEMSTRUCT measure)
{
    measure->itemHeight = LIST_ITEM_HEIGHT;
}

void CReadOnlyComboBox::DrawItem(LPDRAWITEMSTRUCT draw)
{
    PaintItemBackground(*draw);
    if (static_cast<int>(draw->itemID) >= 0) {
        CString text;
        GetLBText(static_cast<int>(draw->itemID), text);
        ::SetBkMode(draw->hDC, TRANSPARENT);
        // The same colours whether or not the box is enabled (the system would grey a disabled one).
        const bool selected = (draw->itemState & ODS_SELECTED) != 0;
        ::SetTextColor(draw->hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        // Clipped to the item: a text longer than the field never runs into the arrow.
        ::ExtTextOutW(draw->hDC, draw->rcItem.left + 2, draw->rcItem.top, ETO_CLIPPED, &draw->rcItem, text,
                      static_cast<UINT>(text.GetLength()), nullptr);
    }
    ::SetBkColor(draw->hDC, ::GetSysColor(COLOR_WINDOW));
}

// ---- selection and data exchange ------------------------------------------------------------------

int SelectLineStyleItem(HWND box, int code)
{
    for (int index = 0; index < static_cast<int>(::SendMessageW(box, CB_GETCOUNT, 0, 0)); ++index) {
        const DWORD_PTR data = static_cast<DWORD_PTR>(::SendMessageW(box, CB_GETITEMDATA, index, 0));
        if (ItemCode(data) == code && data != 0 && data != NO_ITEM_DATA)
            return static_cast<int>(::SendMessageW(box, CB_SETCURSEL, index, 0));
    }
    return CB_ERR;
}

void DDX_LineType(CDataExchange* dx, int id, int& value)
{
    HWND box = ::GetDlgItem(dx->m_pDlgWnd->m_hWnd, id);
    if (dx->m_bSaveAndValidate) {
        const int selected = static_cast<int>(::SendMessageW(box, CB_GETCURSEL, 0, 0));
        if (selected < 0) {
            value = 0;
            return;
        }
        const int code = ItemCode(static_cast<DWORD_PTR>(::SendMessageW(box, CB_GETITEMDATA, selected, 0)));
        value = code < 0 ? 0 : SwapDottedAndDashed(code);
        return;
    }
    SelectLineStyleItem(box, SwapDottedAndDashed(value));
}
