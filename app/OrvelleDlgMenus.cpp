// The main window's menu bar: the menu of the current language and the greying of the station
// commands.
#include "app/OrvelleDlg.h"

#include "platform/ui/UiApp.h"

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
// caption: the window measures and draws it (HBMMENU_CALLBACK).

namespace {

constexpr int MENU_ICON_SIZE = 16;

// The icon resource with a command's number; null for a popup's handle or an id without an icon.
HICON CommandIcon(UINT_PTR id)
{
    if (id == 0 || id > 0xFFFF)
        return nullptr;
    return static_cast<HICON>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                           MENU_ICON_SIZE, MENU_ICON_SIZE, LR_SHARED));
}

}  // namespace

void COrvelleDlg::OnInitMenuPopup(CMenu* popup, UINT index, BOOL systemMenu)
{
    CDialog::OnInitMenuPopup(popup, index, systemMenu);
    HMENU menu = systemMenu ? ::GetSystemMenu(m_hWnd, FALSE) : (popup ? popup->GetSafeHmenu() : nullptr);
    if (menu == nullptr)
        return;
    MENUINFO style{};
    style.cbSize = sizeof style;
    style.fMask = MIM_STYLE;
    style.dwStyle = MNS_CHECKORBMP | MNS_AUTODISMISS;
    ::SetMenuInfo(menu, &style);

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
    }
}

void COrvelleDlg::OnMeasureItem(int controlId, LPMEASUREITEMSTRUCT measure)
{
    if (measure == nullptr || measure->CtlType != ODT_MENU) {
        CDialog::OnMeasureItem(controlId, measure);
        return;
    }
    measure->itemWidth = MENU_ICON_SIZE;
    measure->itemHeight = MENU_ICON_SIZE;
}

void COrvelleDlg::OnDrawItem(int controlId, LPDRAWITEMSTRUCT draw)
{
    if (draw == nullptr || draw->CtlType != ODT_MENU) {
        CDialog::OnDrawItem(controlId, draw);
        return;
    }
    HICON icon = CommandIcon(draw->itemID);
    if (icon == nullptr)
        return;
    const int x = (draw->itemState & ODS_SELECTED) && draw->rcItem.left != 2 ? 3 : 2;
    ::DrawIconEx(draw->hDC, x, draw->rcItem.top, icon, MENU_ICON_SIZE, MENU_ICON_SIZE, 0, nullptr, DI_NORMAL);
}
