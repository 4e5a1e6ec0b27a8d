// The eight menu resources: one structure and one set of command ids, a caption on every item, and
// the captions that repeat a dialog's title.
#include "platform/ui/UiApp.h"
#include "res/resource.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

struct MenuEntry {
    int depth;
    UINT id;          // 0 for a separator or a popup
    bool separator;
    bool popup;
    bool rightJustified;
    std::wstring caption;
};

void Walk(HMENU menu, int depth, std::vector<MenuEntry>& out)
{
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        wchar_t caption[256] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        item.dwTypeData = caption;
        item.cch = 255;
        ASSERT_TRUE(::GetMenuItemInfoW(menu, position, TRUE, &item));
        MenuEntry entry{depth, item.hSubMenu ? 0u : item.wID, (item.fType & MFT_SEPARATOR) != 0,
                        item.hSubMenu != nullptr, (item.fType & MFT_RIGHTJUSTIFY) != 0, caption};
        out.push_back(entry);
        if (item.hSubMenu)
            Walk(item.hSubMenu, depth + 1, out);
    }
}

std::vector<MenuEntry> EntriesOf(UINT resource)
{
    std::vector<MenuEntry> entries;
    HMENU menu = ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource));
    EXPECT_NE(menu, nullptr) << resource;
    if (menu) {
        Walk(menu, 0, entries);
        ::DestroyMenu(menu);
    }
    return entries;
}

const MenuEntry* FindCommand(const std::vector<MenuEntry>& entries, UINT id)
{
    for (const MenuEntry& e : entries)
        if (!e.popup && !e.separator && e.id == id)
            return &e;
    return nullptr;
}

TEST(MenuResources, EightMenusWithOneStructureAndCaptionsEverywhere)
{
    const std::vector<MenuEntry> english = EntriesOf(IDR_MENU_ENGLISH);
    ASSERT_EQ(english.size(), 4u + 7u + 3u + 7u + 7u);
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        const std::vector<MenuEntry> menu = EntriesOf(IDR_MENU_ENGLISH + language);
        ASSERT_EQ(menu.size(), english.size()) << language;
        for (size_t k = 0; k < menu.size(); ++k) {
            EXPECT_EQ(menu[k].depth, english[k].depth) << language << " item " << k;
            EXPECT_EQ(menu[k].id, english[k].id) << language << " item " << k;
            EXPECT_EQ(menu[k].separator, english[k].separator) << language << " item " << k;
            EXPECT_EQ(menu[k].popup, english[k].popup) << language << " item " << k;
            if (!menu[k].separator) {
                EXPECT_FALSE(menu[k].caption.empty()) << language << " item " << k;
            }
        }
        // The Help popup stands at the right; its first command names its key.
        const MenuEntry* help = nullptr;
        for (const MenuEntry& e : menu)
            if (e.popup && e.depth == 0)
                help = &e;
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->rightJustified) << language;
        const MenuEntry* page = FindCommand(menu, ID_HELP_CONTENTS_PAGE);
        ASSERT_NE(page, nullptr);
        EXPECT_NE(page->caption.find(L"\tF1"), std::wstring::npos) << language;
    }
    // Every command of the main window is in the menu, each once.
    for (UINT id = ID_FILE_SAVE_AS; id <= ID_HELP_ABOUT; ++id)
        EXPECT_EQ(FindCommand(english, id) != nullptr, id != 32785) << id;
}

// A command that opens a dialog carries the title that the dialog shows, in every language but
// English (whose captions are the menu's own). A title cut short in its word (the Dutch auto-saving
// dialog's "Automatisch opslaa") is not repeated in the menu: the command reads the word whole.
TEST(MenuResources, DialogCommandsRepeatTheDialogTitles)
{
    struct Title {
        UINT id;
        const wchar_t* (*text)(int language);
    };
    const Title titles[] = {
        {ID_FILE_AUTO_SAVING, [](int l) { return TextAt(g_autoSavingDialogTexts, 0, l); }},
        {ID_FILE_PRINT, [](int l) { return TextAt(g_printDialogTexts, 0, l); }},
        {ID_FILE_CLOSE, [](int l) { return EntryAt(g_closeTexts, l); }},
        {ID_RECORD_CLEAR_ALL, [](int l) { return TextAt(g_clearAllRecordsDialogTexts, 0, l); }},
        {ID_RECORD_CLEAR_RAIN, [](int l) { return TextAt(g_clearRainTotalDialogTexts, 0, l); }},
        {ID_RECORD_INTERVAL, [](int l) { return TextAt(g_recordIntervalDialogTexts, 0, l); }},
        {ID_SETTING_LANGUAGE, [](int l) { return TextAt(g_languageDialogTexts, 0, l); }},
        {ID_SETTING_ALTITUDE, [](int l) { return TextAt(g_altitudeDialogTexts, 0, l); }},
        {ID_SETTING_LOCATION, [](int l) { return TextAt(g_locationDialogTexts, 0, l); }},
        {ID_SETTING_THD, [](int l) { return TextAt(g_thdDialogTexts, 0, l); }},
        {ID_SETTING_DISPLAYING_UNIT, [](int l) { return TextAt(g_displayingUnitDialogTexts, 0, l); }},
    };
    for (int language = 1; language < LANGUAGE_COUNT; ++language) {
        const std::vector<MenuEntry> menu = EntriesOf(IDR_MENU_ENGLISH + language);
        for (const Title& title : titles) {
            const MenuEntry* item = FindCommand(menu, title.id);
            ASSERT_NE(item, nullptr);
            const std::wstring dialogTitle = title.text(language);
            if (language == LANGUAGE_DUTCH && title.id == ID_FILE_AUTO_SAVING)
                EXPECT_EQ(item->caption, dialogTitle + L"n");
            else
                EXPECT_EQ(item->caption, dialogTitle) << language << " command " << title.id;
        }
        // The commands without a title of their own are translated, not left in English.
        const std::vector<MenuEntry> english = EntriesOf(IDR_MENU_ENGLISH);
        for (UINT id : {ID_FILE_SAVE_AS, ID_SETTING_CHART_DISPLAY, ID_HELP_CONTENTS, ID_HELP_INDEX, ID_HELP_SEARCH})
            EXPECT_NE(FindCommand(menu, id)->caption, FindCommand(english, id)->caption) << language << " " << id;
    }
}

TEST(MenuResources, OnlyTheHelpCommandsHaveIcons)
{
    for (UINT id = ID_FILE_SAVE_AS; id <= ID_HELP_ABOUT; ++id) {
        HANDLE icon = ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, LR_SHARED);
        EXPECT_EQ(icon != nullptr, id >= ID_HELP_CONTENTS_PAGE) << id;
    }
    EXPECT_EQ(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDM_ABOUTBOX), IMAGE_ICON, 16, 16,
                           LR_SHARED),
              nullptr);
}

}  // namespace
