// The main window's menu bar: the menu of the current language, the greying of the station
// commands, the titles of the bar and the icons of the Help commands, drawn by the window.
#include "app/OrvelleDlg.h"

#include "platform/ui/UiApp.h"

#include <algorithm>

// ---- titles of the menu bar ----------------------------------------------------------------------
// The system sizes a bar's title exactly to its text and cuts what the last glyph draws past it
// ("Aufzeichnung" loses the tail of its "g"). The window draws the titles itself, centred in the
// room the bar gives them, without that cut. A title's item data is its popup's handle.

namespace {

HFONT MenuFont()
{
    static HFONT font = [] {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        return ::CreateFontIndirectW(&metrics.lfMenuFont);
    }();
    return font;
}

// The bar's title whose popup is `popup`; "" when the bar has none.
CString TitleOf(HMENU bar, HMENU popup)
{
    const int count = (bar && popup) ? ::GetMenuItemCount(bar) : 0;
    for (int position = 0; position < count; ++position) {
        if (::GetSubMenu(bar, position) != popup)
            continue;
        wchar_t title[128] = {};
        ::GetMenuStringW(bar, static_cast<UINT>(position), title, 128, MF_BYPOSITION);
        return title;
    }
    return CString();
}

void DrawTitle(const DRAWITEMSTRUCT& draw, const CString& title)
{
    HDC dc = draw.hDC;
    RECT box = draw.rcItem;
    BOOL flat = FALSE;
    ::SystemParametersInfoW(SPI_GETFLATMENU, 0, &flat, 0);
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    COLORREF text = ::GetSysColor((draw.itemState & ODS_GRAYED) ? COLOR_GRAYTEXT : COLOR_MENUTEXT);
    if (selected && flat) {
        ::FillRect(dc, &box, ::GetSysColorBrush(COLOR_MENUHILIGHT));
        text = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    } else {
        ::FillRect(dc, &box, ::GetSysColorBrush(flat ? COLOR_MENUBAR : COLOR_MENU));
        if (selected)
            ::DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
    }
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = ::SetTextColor(dc, text);
    HGDIOBJ oldFont = ::SelectObject(dc, MenuFont());
    ::DrawTextW(dc, title, title.GetLength(), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    ::SelectObject(dc, oldFont);
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
}

// Makes the bar's titles window-drawn, each with its popup as item data.
void LetTheWindowDrawTheTitles(HMENU bar)
{
    const int count = bar ? ::GetMenuItemCount(bar) : 0;
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        if (!::GetMenuItemInfoW(bar, static_cast<UINT>(position), TRUE, &item) || !item.hSubMenu)
            continue;
        item.fMask = MIIM_FTYPE | MIIM_DATA;
        item.fType |= MFT_OWNERDRAW;
        item.dwItemData = reinterpret_cast<ULONG_PTR>(item.hSubMenu);
        ::SetMenuItemInfoW(bar, static_cast<UINT>(position), TRUE, &item);
    }
}

}  // namespace

void COrvelleDlg::LoadLanguageMenu(int language)
{
    SetMenu(nullptr);
    if (!m_menu)
        m_menu = new CMenu;
    m_menu->DestroyMenu();
    UINT resource = (language >= 1 && language <= 7) ? IDR_MENU_ENGLISH + 1 + (language - 1) : IDR_MENU_ENGLISH;
    // A language without a menu of its own gets the English one.
    if (!m_menu->LoadMenu(resource))
        m_menu->LoadMenu(IDR_MENU_ENGLISH);
    LetTheWindowDrawTheTitles(m_menu->GetSafeHmenu());
    SetMenu(m_menu);
}

void COrvelleDlg::EnableStationMenus(bool enable)
{
    if (!m_menu || !m_menu->GetSafeHmenu())
        return;
    UINT state = enable ? MF_ENABLED : (MF_GRAYED | MF_DISABLED);
    for (UINT id = ID_FILE_SAVE_AS; id <= ID_SETTING_ALARM; ++id)
        m_menu->EnableMenuItem(id, MF_BYCOMMAND | state);
    m_menu->EnableMenuItem(ID_SETTING_DISPLAYING_UNIT, MF_BYCOMMAND | state);
    if (m_hWnd)
        DrawMenuBar();
}

// ---- icons of the Help commands ------------------------------------------------------------------
// Every menu command whose id has an icon resource of that number shows the icon beside its
// caption. The window draws such a command's whole row (owner-drawn): the icon, a gap, the
// caption, and the shortcut after its tab in a column of its own. The system would start that
// column only a few pixels after the longest caption (its check-mark column gone with the icons),
// so the window keeps a gap of its own before it, in every language.

namespace {

constexpr int MENU_ICON_SIZE = 16;
constexpr int MENU_ICON_LEFT = 2;     // the icon's distance from the row's left
constexpr int MENU_ICON_GAP = 4;      // between the icon and the caption
constexpr int MENU_TEXT_LEFT = MENU_ICON_LEFT + MENU_ICON_SIZE + MENU_ICON_GAP;
constexpr int MENU_SHORTCUT_GAP = 24; // between the widest caption and the shortcut column
constexpr int MENU_ROW_MARGIN = 4;    // above and below the caption, and after the last column

// The icon resource with a command's number; null for a popup's handle or an id without an icon.
HICON CommandIcon(UINT_PTR id)
{
    if (id == 0 || id > 0xFFFF)
        return nullptr;
    return static_cast<HICON>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                           MENU_ICON_SIZE, MENU_ICON_SIZE, LR_SHARED));
}

// A command's caption and shortcut (the text after its tab, empty without one).
struct RowTexts {
    CString caption, shortcut;
};

RowTexts TextsOf(HMENU menu, int position)
{
    wchar_t text[256] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
    const CString whole = text;
    const int tab = whole.Find(L'\t');
    if (tab < 0)
        return {whole, CString()};
    return {whole.Left(tab), whole.Mid(tab + 1)};
}

int TextWidth(HDC dc, const CString& text)
{
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text, text.GetLength(), &size);
    return size.cx;
}

// Where a popup's rows put their texts: the widest caption and the widest shortcut of the popup.
struct RowColumns {
    int captionWidth = 0, shortcutWidth = 0, textHeight = 0;
};

RowColumns ColumnsOf(HMENU menu)
{
    RowColumns columns;
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, MenuFont());
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    columns.textHeight = metrics.tmHeight;
    for (int position = 0; menu && position < ::GetMenuItemCount(menu); ++position) {
        const RowTexts texts = TextsOf(menu, position);
        columns.captionWidth = std::max(columns.captionWidth, TextWidth(dc, texts.caption));
        columns.shortcutWidth = std::max(columns.shortcutWidth, TextWidth(dc, texts.shortcut));
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
    return columns;
}

// The popup of the menu bar that holds the command; null when none does.
HMENU PopupWithCommand(HMENU bar, UINT id)
{
    for (int position = 0; bar && position < ::GetMenuItemCount(bar); ++position) {
        HMENU popup = ::GetSubMenu(bar, position);
        if (popup && ::GetMenuState(popup, id, MF_BYCOMMAND) != static_cast<UINT>(-1))
            return popup;
    }
    return nullptr;
}

// Makes the popup's commands that have an icon window-drawn; how many there are.
int DrawCommandRows(HMENU menu)
{
    int icons = 0;
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_FTYPE;
        if (!::GetMenuItemInfoW(menu, position, TRUE, &item) || item.wID > 0xFFFF || CommandIcon(item.wID) == nullptr)
            continue;
        ++icons;
        if (item.fType & MFT_OWNERDRAW)
            continue;
        item.fMask = MIIM_FTYPE;
        item.fType |= MFT_OWNERDRAW;
        ::SetMenuItemInfoW(menu, position, TRUE, &item);
    }
    return icons;
}

void DrawCommandRow(const DRAWITEMSTRUCT& draw, HICON icon)
{
    HMENU menu = reinterpret_cast<HMENU>(draw.hwndItem);
    int position = -1;
    for (int p = 0; p < ::GetMenuItemCount(menu) && position < 0; ++p)
        if (::GetMenuItemID(menu, p) == draw.itemID)
            position = p;
    const RowTexts texts = TextsOf(menu, position);
    const RowColumns columns = ColumnsOf(menu);
    HDC dc = draw.hDC;
    const RECT& row = draw.rcItem;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    ::FillRect(dc, &row, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    ::DrawIconEx(dc, row.left + MENU_ICON_LEFT, row.top + (row.bottom - row.top - MENU_ICON_SIZE) / 2, icon,
                 MENU_ICON_SIZE, MENU_ICON_SIZE, 0, nullptr, DI_NORMAL);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = ::SetTextColor(
        dc, ::GetSysColor((draw.itemState & ODS_GRAYED) ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    HGDIOBJ oldFont = ::SelectObject(dc, MenuFont());
    RECT caption{row.left + MENU_TEXT_LEFT, row.top, row.right, row.bottom};
    ::DrawTextW(dc, texts.caption, texts.caption.GetLength(), &caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    RECT shortcut{caption.left + columns.captionWidth + MENU_SHORTCUT_GAP, row.top, row.right, row.bottom};
    ::DrawTextW(dc, texts.shortcut, texts.shortcut.GetLength(), &shortcut, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(dc, oldFont);
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
}

}  // namespace

void COrvelleDlg::OnInitMenuPopup(CMenu* popup, UINT index, BOOL systemMenu)
{
    CDialog::OnInitMenuPopup(popup, index, systemMenu);
    HMENU menu = systemMenu ? ::GetSystemMenu(m_hWnd, FALSE) : (popup ? popup->GetSafeHmenu() : nullptr);
    if (menu == nullptr)
        return;
    const int icons = DrawCommandRows(menu);
    MENUINFO style{};
    style.cbSize = sizeof style;
    style.fMask = MIM_STYLE;
    style.dwStyle = (icons > 0 ? MNS_NOCHECK : MNS_CHECKORBMP) | MNS_AUTODISMISS;
    ::SetMenuInfo(menu, &style);
}

void COrvelleDlg::OnMeasureItem(int controlId, LPMEASUREITEMSTRUCT measure)
{
    if (measure == nullptr || measure->CtlType != ODT_MENU) {
        CDialog::OnMeasureItem(controlId, measure);
        return;
    }
    HMENU bar = ::GetMenu(m_hWnd);
    if (CommandIcon(measure->itemID) != nullptr) {
        const RowColumns columns = ColumnsOf(PopupWithCommand(bar, measure->itemID));
        measure->itemWidth = static_cast<UINT>(MENU_TEXT_LEFT + columns.captionWidth +
                                               (columns.shortcutWidth > 0 ? MENU_SHORTCUT_GAP + columns.shortcutWidth : 0) +
                                               MENU_ROW_MARGIN);
        measure->itemHeight = static_cast<UINT>(std::max(MENU_ICON_SIZE, columns.textHeight) + MENU_ROW_MARGIN);
        return;
    }
    const CString title = TitleOf(bar, reinterpret_cast<HMENU>(measure->itemData));
    if (!title.IsEmpty()) {
        HDC dc = ::GetDC(m_hWnd);
        HGDIOBJ old = ::SelectObject(dc, MenuFont());
        SIZE size{};
        ::GetTextExtentPoint32W(dc, title, title.GetLength(), &size);
        ::SelectObject(dc, old);
        ::ReleaseDC(m_hWnd, dc);
        measure->itemWidth = static_cast<UINT>(size.cx);
        measure->itemHeight = static_cast<UINT>(size.cy);
    }
}

void COrvelleDlg::OnDrawItem(int controlId, LPDRAWITEMSTRUCT draw)
{
    if (draw == nullptr || draw->CtlType != ODT_MENU) {
        CDialog::OnDrawItem(controlId, draw);
        return;
    }
    if (HICON icon = CommandIcon(draw->itemID)) {
        DrawCommandRow(*draw, icon);
        return;
    }
    const CString title = TitleOf(reinterpret_cast<HMENU>(draw->hwndItem), reinterpret_cast<HMENU>(draw->itemData));
    if (!title.IsEmpty())
        DrawTitle(*draw, title);
}
