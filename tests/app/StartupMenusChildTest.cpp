// Runs only inside the copy that StartupMenus.SystemMenuAndMenuBarOfTheMainDialog starts: the main
// dialog created in this process, its system menu and its menu bar.
#include "app/HelpViewer.h"
#include "app/OrvelleDlg.h"

#include <gtest/gtest.h>

#include <htmlhelp.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

struct HelpCall {
    HWND owner;
    std::wstring file;
    UINT command;
    HH_FTS_QUERY query;  // a copy, for the search command
};
std::vector<HelpCall> g_helpCalls;

HWND RecordHelpCall(HWND owner, const wchar_t* file, UINT command, DWORD_PTR data)
{
    HelpCall call{owner, file ? file : L"", command, {}};
    if (command == HH_DISPLAY_SEARCH && data != 0)
        call.query = *reinterpret_cast<const HH_FTS_QUERY*>(data);
    g_helpCalls.push_back(call);
    return nullptr;
}

// While it lives, the help file is recorded instead of shown.
struct HelpRecorder {
    help::Viewer previous = help::SetViewer(RecordHelpCall);
    ~HelpRecorder() { help::SetViewer(previous); }
};

// Whether the window draws each item of a popup, after it prepared the popup for opening.
std::vector<bool> WindowDrawnItems(HWND window, HMENU popup, int index)
{
    ::SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(index, FALSE));
    std::vector<bool> drawn;
    for (int position = 0; position < ::GetMenuItemCount(popup); ++position) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID;
        ::GetMenuItemInfoW(popup, position, TRUE, &item);
        drawn.push_back((item.fType & MFT_OWNERDRAW) != 0);
    }
    return drawn;
}

}  // namespace

TEST(StartupMenusChild, MenusAfterTheStart)
{
    if (!std::getenv("ORVELLE_MENU_CHILD"))
        GTEST_SKIP() << "runs in the copy started by StartupMenus";
    auto dialog = std::make_unique<COrvelleDlg>();
    ASSERT_TRUE(dialog->Create(IDD_ORVELLE_DIALOG));

    // The system menu ends with a separator and the About item (id 16).
    HMENU systemMenu = ::GetSystemMenu(dialog->m_hWnd, FALSE);
    ASSERT_NE(systemMenu, nullptr);
    int count = ::GetMenuItemCount(systemMenu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(::GetMenuItemID(systemMenu, count - 1), 16u);
    EXPECT_EQ(::GetMenuState(systemMenu, count - 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    wchar_t about[64] = {};
    ::GetMenuStringW(systemMenu, count - 1, about, 64, MF_BYPOSITION);
    EXPECT_STREQ(about, L"&About Orvelle...");

    // The menu bar: the station commands greyed until the first poll, the Help commands enabled.
    HMENU menu = ::GetMenu(dialog->m_hWnd);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu, dialog->m_menu->GetSafeHmenu());
    for (UINT id = 32771; id <= 32784; ++id)
        EXPECT_EQ(::GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED)) << id;
    for (UINT id = 32786; id <= 32790; ++id)
        EXPECT_EQ(::GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED, 0u) << id;

    // Folders and data file paths from this program's folder.
    EXPECT_EQ(dialog->m_dataFolder, CString(dialog->m_installFolder) + L"data\\");
    EXPECT_EQ(dialog->m_record2minPath, dialog->m_installFolder + L"data\\record_2min.csv");
    EXPECT_EQ(dialog->m_allWeatherPath, dialog->m_installFolder + L"data\\all_weather.csv");
    EXPECT_EQ(dialog->m_downloading.load(), 1);
    EXPECT_EQ(dialog->m_hLumidor, nullptr);  // no Lumidor.dll beside this program

    // The window draws the rows of the Help popup's five commands, each with its icon (16 x 16);
    // the other popups are the system's.
    HMENU helpPopup = ::GetSubMenu(menu, 3);
    std::vector<bool> help = WindowDrawnItems(dialog->m_hWnd, helpPopup, 3);
    ASSERT_EQ(help.size(), 7u);
    EXPECT_EQ(help, (std::vector<bool>{true, false, true, true, true, false, true}));  // separators at 1, 5
    for (int popup = 0; popup < 3; ++popup)
        for (bool drawn : WindowDrawnItems(dialog->m_hWnd, ::GetSubMenu(menu, popup), popup))
            EXPECT_FALSE(drawn) << popup;
    // Every row of the popup is as wide as the icon, the widest caption and the shortcut column.
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = ID_HELP_INDEX;
    ::SendMessageW(dialog->m_hWnd, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    MEASUREITEMSTRUCT withShortcut = measure;
    withShortcut.itemID = ID_HELP_CONTENTS_PAGE;
    ::SendMessageW(dialog->m_hWnd, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&withShortcut));
    EXPECT_EQ(measure.itemWidth, withShortcut.itemWidth);
    EXPECT_GT(measure.itemWidth, 16u + 4u + 100u);
    EXPECT_GE(measure.itemHeight, 16u);

    // The four help commands and the F1 key open the help file (recorded instead of shown).
    {
        HelpRecorder recorder;
        g_helpCalls.clear();
        for (UINT id : {ID_HELP_CONTENTS_PAGE, ID_HELP_CONTENTS, ID_HELP_INDEX, ID_HELP_SEARCH})
            ::SendMessageW(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        HELPINFO key{};
        key.cbSize = sizeof key;
        ::SendMessageW(dialog->m_hWnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&key));
        ASSERT_EQ(g_helpCalls.size(), 5u);
        const UINT commands[5] = {HH_DISPLAY_TOC, HH_DISPLAY_TOC, HH_DISPLAY_INDEX, HH_DISPLAY_SEARCH, HH_DISPLAY_TOC};
        const HWND owners[5] = {nullptr, dialog->m_hWnd, dialog->m_hWnd, dialog->m_hWnd, nullptr};
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(g_helpCalls[k].file, L".\\hlp\\Help.chm") << k;
            EXPECT_EQ(g_helpCalls[k].command, commands[k]) << k;
            EXPECT_EQ(g_helpCalls[k].owner, owners[k]) << k;
        }
        const HH_FTS_QUERY& query = g_helpCalls[3].query;
        EXPECT_EQ(query.cbStruct, static_cast<int>(sizeof(HH_FTS_QUERY)));
        EXPECT_TRUE(query.fUniCodeStrings);
        EXPECT_EQ(query.iProximity, HH_FTS_DEFAULT_PROXIMITY);
        EXPECT_FALSE(query.fStemmedSearch);
        EXPECT_FALSE(query.fTitleOnly);
        EXPECT_FALSE(query.fExecute);
        EXPECT_EQ(query.pszWindow, nullptr);
    }

    // The menu of each language; any other id gives the English one. A new menu has every command
    // enabled until the station commands are greyed again.
    wchar_t caption[64] = {};
    dialog->LoadLanguageMenu(7);
    ::GetMenuStringW(::GetMenu(dialog->m_hWnd), 0, caption, 64, MF_BYPOSITION);
    EXPECT_STREQ(caption, L"Plik");
    EXPECT_EQ(::GetMenuState(::GetMenu(dialog->m_hWnd), ID_FILE_PRINT, MF_BYCOMMAND) & MF_GRAYED, 0u);
    for (int other : {0, 8, -1}) {
        dialog->LoadLanguageMenu(other);
        ::GetMenuStringW(::GetMenu(dialog->m_hWnd), 0, caption, 64, MF_BYPOSITION);
        EXPECT_STREQ(caption, L"File") << other;
    }
    dialog->LoadLanguageMenu(6);
    dialog->EnableStationMenus(false);
    menu = ::GetMenu(dialog->m_hWnd);
    EXPECT_EQ(menu, dialog->m_menu->GetSafeHmenu());
    for (UINT id = ID_FILE_SAVE_AS; id <= ID_SETTING_DISPLAYING_UNIT; ++id)
        if (id != 32785) {
            EXPECT_EQ(::GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED)) << id;
        }
    for (UINT id = ID_HELP_CONTENTS_PAGE; id <= ID_HELP_ABOUT; ++id)
        EXPECT_EQ(::GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED, 0u) << id;

    // Minimised, the window still paints (its icon) without failing.
    dialog->ShowWindow(SW_MINIMIZE);
    dialog->UpdateWindow();
    dialog->DestroyWindow();
}
