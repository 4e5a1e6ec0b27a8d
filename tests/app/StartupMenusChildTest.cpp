// Runs only inside the copy that StartupMenus.SystemMenuAndMenuBarOfTheMainDialog starts: the main
// dialog created in this process, its system menu and its menu bar.
#include "app/OrvelleDlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

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

    // Minimised, the window still paints (its icon) without failing.
    dialog->ShowWindow(SW_MINIMIZE);
    dialog->UpdateWindow();
    dialog->DestroyWindow();
}
