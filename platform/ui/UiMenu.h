// CMenu: owner of one HMENU. The destructor destroys a menu that the object holds (attached or
// loaded); Detach first to keep it. FromHandle gives a non-owning wrapper.
#pragma once
#include "platform/ui/UiString.h"

class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    // A wrapper that does not own the menu; it stays valid for the life of the calling thread.
    static CMenu* FromHandle(HMENU menu);

    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }
    BOOL Attach(HMENU menu);
    HMENU Detach();
    BOOL DestroyMenu();
    // Menu resource of the program's module.
    BOOL LoadMenu(UINT resourceId);

    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const wchar_t* text = nullptr)
    {
        return ::AppendMenuW(m_hMenu, flags, id, text);
    }
    // Previous state (MF_ENABLED / MF_GRAYED / MF_DISABLED), or -1 when the item does not exist.
    UINT EnableMenuItem(UINT item, UINT flags) { return ::EnableMenuItem(m_hMenu, item, flags); }

private:
    bool m_owned = true;
    friend struct MenuTemporaries;
};
