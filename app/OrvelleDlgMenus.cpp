// The main window's menu bar: the menu of the current language, the greying of the station
// commands, the titles of the bar and the icons of the Help commands, drawn by the window.
#include "app/OrvelleDlg.h"

#include "platform/ui/UiApp.h"

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
// Every menu item whose command id has an icon resource of that number shows the icon beside its
// caption: the window measures and draws it (HBMMENU_CALLBACK). A popup with icons leaves out the
// check-mark column, and its texts start after the icon's column, a gap away from the icons.

namespace {

constexpr int MENU_ICON_SIZE = 16;
constexpr int MENU_ICON_GAP = 4;

// The icon resource with a command's number; null for a popup's handle or an id without an icon.
HICON CommandIcon(UINT_PTR id)
{
    if (id == 0 || id > 0xFFFF)
        return nullptr;
    return static_cast<HICON>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                           MENU_ICON_SIZE, MENU_ICON_SIZE, LR_SHARED));
}

// Gives the popup's commands that have an icon the window-drawn bitmap; how many there are.
int ShowCommandIcons(HMENU menu)
{
    int icons = 0;
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_FTYPE;
        if (!::GetMenuItemInfoW(menu, position, TRUE, &item))
            continue;
        if (item.wID > 0xFFFF || (item.fType & MFT_OWNERDRAW) || CommandIcon(item.wID) == nullptr)
            continue;
        item.fMask = MIIM_BITMAP | MIIM_FTYPE;
        item.hbmpItem = HBMMENU_CALLBACK;
        item.fType = MFT_STRING;
        ::SetMenuItemInfoW(menu, position, TRUE, &item);
        ++icons;
    }
    return icons;
}

}  // namespace

void COrvelleDlg::OnInitMenuPopup(CMenu* popup, UINT index, BOOL systemMenu)
{
    CDialog::OnInitMenuPopup(popup, index, systemMenu);
    HMENU menu = systemMenu ? ::GetSystemMenu(m_hWnd, FALSE) : (popup ? popup->GetSafeHmenu() : nullptr);
    if (menu == nullptr)
        return;
    const int icons = ShowCommandIcons(menu);
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
    const CString title = TitleOf(::GetMenu(m_hWnd), reinterpret_cast<HMENU>(measure->itemData));
    if (!title.IsEmpty()) {
        HDC dc = ::GetDC(m_hWnd);
        HGDIOBJ old = ::SelectObject(dc, MenuFont());
        SIZE size{};
        ::GetTextExtentPoint32W(dc, title, title.GetLength(), &size);
        ::SelectObject(dc, old);
        ::ReleaseDC(m_hWnd, dc);
        measure->itemWidth = static_cast<UINT>(size.cx);
        measure->itemHeight = static_cast<UINT>(size.cy);
        return;
    }
    measure->itemWidth = MENU_ICON_SIZE + MENU_ICON_GAP;
    measure->itemHeight = MENU_ICON_SIZE;
}

void COrvelleDlg::OnDrawItem(int controlId, LPDRAWITEMSTRUCT draw)
{
    if (draw == nullptr || draw->CtlType != ODT_MENU) {
        CDialog::OnDrawItem(controlId, draw);
        return;
    }
    const CString title = TitleOf(reinterpret_cast<HMENU>(draw->hwndItem), reinterpret_cast<HMENU>(draw->itemData));
    if (!title.IsEmpty()) {
        DrawTitle(*draw, title);
        return;
    }
    HICON icon = CommandIcon(draw->itemID);
    if (icon == nullptr)
        return;
    const int x = draw->rcItem.left + ((draw->itemState & ODS_SELECTED) ? 1 : 0);
    ::DrawIconEx(draw->hDC, x, draw->rcItem.top, icon, MENU_ICON_SIZE, MENU_ICON_SIZE, 0, nullptr, DI_NORMAL);
}
