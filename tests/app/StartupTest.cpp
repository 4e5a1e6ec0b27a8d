// The program started in an empty folder against the emulated station: folders, settings files,
// the window and its controls, seen from outside the program's process.
#include "app/SettingsFiles.h"
#include "tests/app/OwnFolderRun.h"
#include "tests/app/SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::wstring Widen(const char* text)
{
    std::wstring wide;
    for (const char* p = text; p && *p; ++p)
        wide += static_cast<wchar_t>(*p == '/' ? '\\' : *p);
    return wide;
}

// The build's bin folder, as a Windows path.
std::wstring BinFolder()
{
    const char* bin = std::getenv("ORVELLE_BIN_DIR");
    if (!bin)
        return L"";
    return L"Z:" + Widen(bin) + L"\\";
}


struct FoundWindow {
    DWORD process;
    HWND window;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM param)
{
    FoundWindow* found = reinterpret_cast<FoundWindow*>(param);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    wchar_t title[64] = {};
    ::GetWindowTextW(window, title, 64);
    if (process == found->process && ::IsWindowVisible(window) && std::wstring(title) == L"Orvelle") {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

std::vector<std::wstring> ComboTexts(HWND combo)
{
    std::vector<std::wstring> texts;
    LRESULT count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    return texts;
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::wstring bin = BinFolder();
        ASSERT_FALSE(bin.empty()) << "ORVELLE_BIN_DIR is not set";
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + L"orvelle_start_" + std::to_wstring(::GetCurrentProcessId()) + L"\\";
        RemoveTree(m_folder);
        ASSERT_TRUE(::CreateDirectoryW(m_folder.c_str(), nullptr));
        // The program and the libraries beside it, nothing else.
        WIN32_FIND_DATAW found;
        HANDLE search = ::FindFirstFileW((bin + L"*").c_str(), &found);
        ASSERT_NE(search, INVALID_HANDLE_VALUE);
        do {
            std::wstring name = found.cFileName;
            if (name.size() > 4 && (name.substr(name.size() - 4) == L".dll" || name == L"Orvelle.exe")) {
                ASSERT_TRUE(::CopyFileW((bin + name).c_str(), (m_folder + name).c_str(), FALSE));
            }
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
        ASSERT_TRUE(Exists(m_folder + L"Orvelle.exe"));

        ::SetEnvironmentVariableW(L"USB_EMULATOR", L"demo");
        STARTUPINFOW startup = {sizeof(startup)};
        std::wstring command = L"\"" + m_folder + L"Orvelle.exe\"";
        // Started from another folder: the program must find its own.
        ASSERT_TRUE(::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, temp, &startup,
                                     &m_process));
        FoundWindow window = {m_process.dwProcessId, nullptr};
        for (int i = 0; i < 3000 && !window.window; ++i) {
            ::EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&window));
            if (!window.window)
                ::Sleep(20);
        }
        m_window = window.window;
        ASSERT_NE(m_window, nullptr) << "the main window did not appear";
        // The window shows once the start is done; the sensor settings file is the last one it writes.
        for (int i = 0; i < 500 && !Exists(m_folder + L"rInOutdoorSetting.dat"); ++i)
            ::Sleep(20);
    }

    void TearDown() override
    {
        if (m_process.hProcess) {
            if (m_window)
                ::PostMessageW(m_window, WM_CLOSE, 0, 0);
            if (::WaitForSingleObject(m_process.hProcess, 15000) != WAIT_OBJECT_0) {
                ADD_FAILURE() << "the program did not end after WM_CLOSE";
                ::TerminateProcess(m_process.hProcess, 1);
                ::WaitForSingleObject(m_process.hProcess, 5000);
            }
            ::CloseHandle(m_process.hProcess);
            ::CloseHandle(m_process.hThread);
        }
        RemoveTree(m_folder);
    }

    settings::Bytes Read(const wchar_t* name)
    {
        settings::Bytes bytes;
        EXPECT_TRUE(settings::ReadFileBytes(m_folder + name, &bytes));
        return bytes;
    }

    std::wstring m_folder;
    PROCESS_INFORMATION m_process = {};
    HWND m_window = nullptr;
};

}  // namespace

TEST_F(StartupTest, FirstStartInAnEmptyFolder)
{
    // Folders beside the program.
    EXPECT_TRUE(IsDirectory(m_folder + L"data"));
    EXPECT_TRUE(IsDirectory(m_folder + L"Img"));

    // Every settings file with its size and default bytes; no rain-reset file.
    EXPECT_EQ(Read(L"rLanguageSetting.dat"), Int32Record({0}));
    EXPECT_EQ(Read(L"rDisplaySetting.dat"), Int32Record({1, 1, 0, 1, 1, 1, 1, 2, 1, 3, 3}));
    EXPECT_EQ(Read(L"rDisplayingUnitSetting.dat"), Int32Record({3, 1, 1, 1, 1, 1, 0, 3}));
    EXPECT_EQ(Read(L"rInOutdoorSetting.dat"), Int32Record({1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1}));
    settings::Bytes autoSaving = Read(L"rAutoSavingSetting.dat");
    ASSERT_EQ(autoSaving.size(), settings::AUTO_SAVING_FILE_BYTES);
    std::wstring savedFolder = settings::ReadTextField(autoSaving, 2068, 1024);
    EXPECT_EQ(::CompareStringOrdinal(savedFolder.c_str(), -1, m_folder.c_str(), -1, TRUE), CSTR_EQUAL)
        << std::string(savedFolder.begin(), savedFolder.end());
    CSettingsRecord defaults;
    settings::DecodeAutoSaving(nullptr, 0, savedFolder, defaults);
    EXPECT_EQ(autoSaving, settings::EncodeAutoSaving(defaults));
    settings::DecodeThd(nullptr, 0, defaults);
    EXPECT_EQ(Read(L"rTHDSetting.dat"), settings::EncodeThd(defaults));
    settings::DecodeLocation(nullptr, defaults);
    EXPECT_EQ(Read(L"rLocation.dat"), settings::EncodeLocation(defaults));
    EXPECT_FALSE(Exists(m_folder + L"rRainReset.dat"));

    // The window at (10, 10), 965 x 735.
    RECT r;
    ASSERT_TRUE(::GetWindowRect(m_window, &r));
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.right - r.left, 965);
    EXPECT_EQ(r.bottom - r.top, 735);

    // Both sensor combo boxes: the six channel names; indoor above, channel 1 below.
    const std::vector<std::wstring> names = {L"Indoor", L"Channel 1", L"Channel 2", L"Channel 3", L"Channel 4",
                                             L"Channel 5"};
    HWND upper = ::GetDlgItem(m_window, 1030);
    HWND lower = ::GetDlgItem(m_window, 1031);
    EXPECT_EQ(ComboTexts(upper), names);
    EXPECT_EQ(ComboTexts(lower), names);
    EXPECT_EQ(::SendMessageW(upper, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(::SendMessageW(lower, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(::SendMessageW(::GetDlgItem(m_window, 1041), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(::SendMessageW(::GetDlgItem(m_window, 1043), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // The progress bar reads 0 of 1500.
    HWND progress = ::GetDlgItem(m_window, 1029);
    EXPECT_EQ(::SendMessageW(progress, PBM_GETRANGE, FALSE, 0), 1500);
    EXPECT_EQ(::SendMessageW(progress, PBM_GETPOS, 0, 0), 0);

    // The all-sensor chart window exists as a hidden child of 955 x 610 at the client origin.
    HWND chart = ::FindWindowExW(m_window, nullptr, L"#32770", nullptr);
    ASSERT_NE(chart, nullptr);
    EXPECT_FALSE(::IsWindowVisible(chart));
    RECT chartRect;
    ::GetWindowRect(chart, &chartRect);
    EXPECT_EQ(chartRect.right - chartRect.left, 955);
    EXPECT_EQ(chartRect.bottom - chartRect.top, 610);
    POINT origin = {0, 0};
    ::ClientToScreen(m_window, &origin);
    EXPECT_EQ(chartRect.left, origin.x);
    EXPECT_EQ(chartRect.top, origin.y);

    // The menu's Close command ends the program.
    ::PostMessageW(m_window, WM_COMMAND, MAKEWPARAM(32774, 0), 0);
    EXPECT_EQ(::WaitForSingleObject(m_process.hProcess, 15000), static_cast<DWORD>(WAIT_OBJECT_0));
}

// Menus cannot be read from another process under every system, so the menu checks run inside a
// copy of this test program started from an empty folder: the dialog then takes that folder as its
// install folder, as the program does.
TEST(StartupMenus, SystemMenuAndMenuBarOfTheMainDialog)
{
    const std::wstring folder = FreshTempFolder(L"orvelle_menus_");
    EXPECT_EQ(RunCopyInFolder(folder, L"StartupMenusChild.*", L"ORVELLE_MENU_CHILD", 60), 0)
        << "the menu checks failed in the started copy (its output is above)";
    EXPECT_TRUE(IsDirectory(folder + L"data"));
    RemoveTree(folder);
}
