// The file dialog's filter form and the real folder browser, which opens on the folder it is given
// and hands back the chosen one.
#include "platform/ui/UiShellDialogs.h"
#include "tests/support/SystemDialogAnswers.h"

#include <gtest/gtest.h>
#include <commctrl.h>
#include <shlobj.h>

#include <atomic>
#include <thread>

namespace {

// A wide literal with the zeros inside it (and without the one that ends it).
template <std::size_t N>
std::wstring Literal(const wchar_t (&text)[N])
{
    return std::wstring(text, N - 1);
}

struct FindBrowser {
    DWORD thread;
    HWND found = nullptr;
};

BOOL CALLBACK FindTree(HWND window, LPARAM data)
{
    wchar_t name[32] = {};
    ::GetClassNameW(window, name, 32);
    if (std::wstring(name) == WC_TREEVIEWW) {
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
    }
    return TRUE;
}

// The text of the tree item the browser has selected.
std::wstring SelectedFolderName(HWND browser)
{
    HWND tree = nullptr;
    ::EnumChildWindows(browser, FindTree, reinterpret_cast<LPARAM>(&tree));
    if (!tree)
        return L"";
    TVITEMW item = {};
    item.mask = TVIF_TEXT;
    item.hItem = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    wchar_t text[MAX_PATH] = {};
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    if (!item.hItem || !::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return L"";
    return text;
}

// The folder browser: a visible dialog box of the thread with a tree of folders.
BOOL CALLBACK FindBrowserWindow(HWND window, LPARAM data)
{
    wchar_t name[16] = {};
    ::GetClassNameW(window, name, 16);
    HWND tree = nullptr;
    ::EnumChildWindows(window, FindTree, reinterpret_cast<LPARAM>(&tree));
    if (std::wstring(name) == L"#32770" && ::IsWindowVisible(window) && tree) {
        reinterpret_cast<FindBrowser*>(data)->found = window;
        return FALSE;
    }
    return TRUE;
}

// Presses OK in the folder browser once its tree shows the folder selected (within three seconds),
// else Cancel; `selected` tells whether it did, `seen` what the tree showed last.
std::thread PressOkWhenSelected(DWORD thread, const std::wstring& folderName, std::atomic<bool>& selected,
                                std::wstring& seen)
{
    return std::thread([thread, folderName, &selected, &seen] {
        FindBrowser find{thread};
        for (int attempt = 0; attempt < 60; ++attempt) {
            ::Sleep(50);
            find.found = nullptr;
            ::EnumThreadWindows(thread, FindBrowserWindow, reinterpret_cast<LPARAM>(&find));
            if (!find.found)
                continue;
            seen = SelectedFolderName(find.found);
            if (seen == folderName) {
                selected = true;
                break;
            }
        }
        if (find.found)
            ::PostMessageW(find.found, WM_COMMAND, selected ? IDOK : IDCANCEL, 0);
    });
}

}  // namespace

TEST(UiShellDialogs, FilterTextBecomesTheSystemsForm)
{
    const std::wstring filter = ui::FileDialogFilter(L"Excel Document|*.csv|JPEG file|*.jpg; *.jpeg|");
    EXPECT_EQ(filter, Literal(L"Excel Document\0*.csv\0JPEG file\0*.jpg; *.jpeg\0\0"));

    ui::ScopedFileDialogAnswer answer;
    CFileDialog dialog(FALSE, nullptr, L"RECORDS", OFN_OVERWRITEPROMPT, L"A|*.a|B|*.b|");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    answer.Choose(L"C:\\out\\week", 2);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), L"C:\\out\\week");
    EXPECT_EQ(dialog.m_ofn.nFilterIndex, 2u);
    ASSERT_EQ(answer.Requests().size(), 2u);
    EXPECT_FALSE(answer.Requests()[0].open);
    EXPECT_EQ(answer.Requests()[0].fileName, L"RECORDS");
    EXPECT_EQ(answer.Requests()[0].filter, Literal(L"A\0*.a\0B\0*.b\0\0"));
    EXPECT_TRUE(answer.Requests()[0].flags & OFN_OVERWRITEPROMPT);
}

TEST(UiShellDialogs, FolderBrowserOpensOnTheGivenFolderAndReturnsIt)
{
    // Under the Windows temporary folder, not the build folder: Wine's browser does not always
    // unfold a path through a crowded Unix folder (such as /tmp) on drive Z: in time.
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring parent = std::wstring(temp) + L"Orvelle browser";
    const std::wstring folder = parent + L"\\100% sure";
    ::CreateDirectoryW(parent.c_str(), nullptr);
    ::CreateDirectoryW(folder.c_str(), nullptr);
    // The first browser of a new Wine session now and then comes up with nothing selected in its
    // tree, whatever it was told; a second opening shows the folder. Five openings at the most.
    ::CoInitialize(nullptr);
    std::atomic<bool> selected{false};
    std::wstring seen;
    CString chosen;
    bool picked = false;
    for (int opening = 0; opening < 5 && !selected; ++opening) {
        std::thread presser = PressOkWhenSelected(::GetCurrentThreadId(), L"100% sure", selected, seen);
        picked = ui::BrowseForFolder(nullptr, L"Auto saving directory is:", BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN,
                                     folder.c_str(), &chosen);
        presser.join();
    }
    ::CoUninitialize();
    ASSERT_TRUE(selected) << "the tree showed '" << std::string(seen.begin(), seen.end()) << "'";
    EXPECT_TRUE(picked);
    EXPECT_EQ(_wcsicmp(chosen.GetString(), folder.c_str()), 0) << chosen.str() << " / " << folder;
}
