#include "platform/ui/UiMenu.h"

#include "platform/ui/UiApp.h"

#include <memory>
#include <unordered_map>

struct MenuTemporaries {
    static CMenu* Get(HMENU menu)
    {
        thread_local std::unordered_map<HMENU, std::unique_ptr<CMenu>> wrappers;
        std::unique_ptr<CMenu>& wrapper = wrappers[menu];
        if (!wrapper) {
            wrapper.reset(new CMenu);
            wrapper->m_hMenu = menu;
            wrapper->m_owned = false;
        }
        return wrapper.get();
    }
};

CMenu::~CMenu()
{
    if (m_owned)
        DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU menu)
{
    return menu ? MenuTemporaries::Get(menu) : nullptr;
}

BOOL CMenu::Attach(HMENU menu)
{
    if (m_owned && m_hMenu)
        DestroyMenu();
    m_hMenu = menu;
    m_owned = true;
    return menu != nullptr;
}

HMENU CMenu::Detach()
{
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    BOOL ok = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return ok;
}

BOOL CMenu::LoadMenu(UINT resourceId)
{
    return Attach(::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(resourceId)));
}
