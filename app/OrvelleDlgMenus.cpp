// The main window's menu bar: the menu of the current language and the greying of the station
// commands.
#include "app/OrvelleDlg.h"

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
