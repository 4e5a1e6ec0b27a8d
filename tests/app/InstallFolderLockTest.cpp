// One program per install folder: the lock's name for every spelling of a folder, and the lock
// itself between a first and a later copy (here two locks of one process).
#include "app/InstallFolderLock.h"

#include "tests/app/OwnFolderRun.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <vector>

namespace {

std::wstring LockName(const std::wstring& folder) { return InstallFolderObjectName(folder, L"InstallFolder"); }

// The folder as Wine's drive Z: (the Unix root) shows it, when the prefix is known.
std::wstring ThroughDriveZ(const std::wstring& folderOnC)
{
    wchar_t prefix[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH);
    if (length == 0 || length >= MAX_PATH || folderOnC.compare(0, 3, L"C:\\") != 0)
        return std::wstring();
    std::wstring path = L"Z:" + std::wstring(prefix, length) + L"/drive_c/" + folderOnC.substr(3);
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

class InstallFolderLockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_parent = FreshTempFolder(L"Orvelle lock ");
        m_folder = m_parent + L"Weather Station Install\\";
        ASSERT_TRUE(::CreateDirectoryW(m_folder.c_str(), nullptr));
        ASSERT_TRUE(::CreateDirectoryW((m_parent + L"Weather Station Install2").c_str(), nullptr));
    }
    void TearDown() override { RemoveTree(m_parent); }

    std::wstring m_parent;
    std::wstring m_folder;
};

TEST_F(InstallFolderLockTest, EverySpellingOfAFolderGivesOneNameAndOtherFoldersAnother)
{
    const std::wstring name = LockName(m_folder);
    const std::wstring prefix = L"Local\\Orvelle.InstallFolder.";
    EXPECT_EQ(name.compare(0, prefix.size(), prefix), 0);
    EXPECT_EQ(name.size(), prefix.size() + 16);
    EXPECT_EQ(name.find(L'\\', 6), std::wstring::npos) << "no backslash after the namespace";

    std::vector<std::wstring> spellings = {
        m_folder.substr(0, m_folder.size() - 1),  // without the trailing backslash
        m_folder + L"\\",
    };
    std::wstring lower = m_folder, upper = m_folder, slashes = m_folder;
    for (wchar_t& c : lower)
        c = static_cast<wchar_t>(towlower(c));
    for (wchar_t& c : upper)
        c = static_cast<wchar_t>(towupper(c));
    for (wchar_t& c : slashes)
        c = c == L'\\' ? L'/' : c;
    spellings.insert(spellings.end(), {lower, upper, slashes, m_parent + L".\\x\\..\\Weather Station Install"});
    wchar_t shortPath[MAX_PATH] = {};
    const DWORD shortLength = ::GetShortPathNameW(m_folder.c_str(), shortPath, MAX_PATH);
    ASSERT_GT(shortLength, 0u);
    spellings.push_back(shortPath);
    const std::wstring viaZ = ThroughDriveZ(m_folder);
    if (!viaZ.empty())
        spellings.push_back(viaZ);
    // Relative to the current folder.
    wchar_t current[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, current);
    ::SetCurrentDirectoryW(m_parent.c_str());
    const std::wstring relative = LockName(L"Weather Station Install");
    ::SetCurrentDirectoryW(current);
    EXPECT_EQ(relative, name);
    for (const std::wstring& spelling : spellings)
        EXPECT_EQ(LockName(spelling), name) << std::string(spelling.begin(), spelling.end());

    // A sibling whose name only adds a character, the parent, a folder below, another purpose.
    EXPECT_NE(LockName(m_parent + L"Weather Station Install2"), name);
    EXPECT_NE(LockName(m_parent), name);
    EXPECT_NE(LockName(m_folder + L"data"), name);
    EXPECT_NE(InstallFolderObjectName(m_folder, L"MainWindow"), name);
    // A folder that does not exist still gets a name of its own, the same for its spellings.
    EXPECT_EQ(LockName(m_parent + L"Not There\\"), LockName(m_parent + L"not there"));
    EXPECT_NE(LockName(m_parent + L"Not There\\"), name);
}

TEST_F(InstallFolderLockTest, ALaterCopyFindsTheFirstAndBringsItsWindowToTheFront)
{
    HWND firstWindow = ::CreateWindowExW(0, L"STATIC", L"first copy", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
                                         200, nullptr, nullptr, nullptr, nullptr);
    HWND otherWindow = ::CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                         300, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(firstWindow, nullptr);
    ASSERT_NE(otherWindow, nullptr);
    {
        CInstallFolderLock first(m_folder);
        EXPECT_TRUE(first.IsFirst());
        CInstallFolderLock elsewhere(m_parent + L"Weather Station Install2");
        EXPECT_TRUE(elsewhere.IsFirst()) << "copies in other folders run side by side";

        CInstallFolderLock later(m_folder.substr(0, m_folder.size() - 1));
        EXPECT_FALSE(later.IsFirst());
        // No window published yet: the later copy waits for it and gives up.
        const ULONGLONG start = ::GetTickCount64();
        EXPECT_FALSE(later.BringFirstToFront(300));
        EXPECT_GE(::GetTickCount64() - start, 250u);

        // The first copy's window minimised and another program in front.
        first.PublishWindow(firstWindow);
        ::ShowWindow(firstWindow, SW_MINIMIZE);
        ::SetForegroundWindow(otherWindow);
        ASSERT_TRUE(::IsIconic(firstWindow));
        ASSERT_EQ(::GetForegroundWindow(), otherWindow);
        EXPECT_TRUE(later.BringFirstToFront(2000));
        for (int i = 0; i < 20 && (::IsIconic(firstWindow) || ::GetForegroundWindow() != firstWindow); ++i) {
            MSG message;
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                ::DispatchMessageW(&message);
            ::Sleep(50);
        }
        EXPECT_FALSE(::IsIconic(firstWindow));
        EXPECT_EQ(::GetForegroundWindow(), firstWindow);
    }
    // The first copy has ended: the next one on the folder is first again.
    CInstallFolderLock next(m_folder);
    EXPECT_TRUE(next.IsFirst());
    ::DestroyWindow(otherWindow);
    ::DestroyWindow(firstWindow);
}

}  // namespace
