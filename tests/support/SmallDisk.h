// A small disk for the tests of a full disk: a tmpfs mounted on a folder of its own, filled to
// leave as much room as a test asks for, and emptied again while the program goes on. Mounting
// needs root (the tests run as root in CI); without it Mounted() is false and WhyNot() says why,
// for the test to skip with.
#pragma once
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>

namespace smalldisk {

// A Unix path as Wine's programs name it: /tmp/x is Z:\tmp\x.
inline std::wstring WinePath(const std::string& unixPath)
{
    std::wstring path = L"Z:" + std::wstring(unixPath.begin(), unixPath.end());
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

// Runs a shell script and returns its exit code (-1 when it could not be run or did not end in
// time). Wine starts a Unix program without a process to wait for: the shell leaves its exit code
// in a file, which appears (by a rename) only when the script has ended.
// The status file's name is this process's own: Wine numbers the processes of each of its sessions
// alike, so test programs running side by side have the same process id and count their scripts alike.
inline int RunShell(const std::string& script, int seconds = 30)
{
    static const std::string token = std::to_string(std::random_device()()) + "_" + std::to_string(::GetTickCount64());
    static int serial = 0;
    const std::string status = "/tmp/orvelle_shell_" + std::to_string(::GetCurrentProcessId()) + "_" + token + "_" +
                               std::to_string(++serial);
    const std::string line = "(" + script + "); echo $? > " + status + ".tmp && mv " + status + ".tmp " + status;
    std::wstring command = L"Z:\\bin\\sh -c \"" + std::wstring(line.begin(), line.end()) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    if (process.hThread)
        ::CloseHandle(process.hThread);
    if (process.hProcess)
        ::CloseHandle(process.hProcess);
    const std::wstring statusPath = WinePath(status);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (::GetFileAttributesW(statusPath.c_str()) == INVALID_FILE_ATTRIBUTES &&
           std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ifstream in(statusPath.c_str());
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    ::DeleteFileW(statusPath.c_str());
    return text.empty() ? -1 : std::atoi(text.c_str());
}

class SmallDisk {
public:
    // A tmpfs of `kilobytes` on a new folder.
    explicit SmallDisk(int kilobytes)
    {
        // Wine numbers the processes of each of its sessions alike: the folder's name is made unique
        // by the shell.
        const std::string named = "/tmp/orvelle_small_disk_name_" + std::to_string(::GetCurrentProcessId()) + "_" +
                                  std::to_string(::GetTickCount64());
        if (RunShell("[ $(id -u) = 0 ]") != 0) {
            m_whyNot = "mounting a small disk (tmpfs) needs root";
            return;
        }
        if (RunShell("mktemp -d /tmp/orvelle_small_disk_XXXXXX > " + named) != 0) {
            m_whyNot = "mktemp failed";
            return;
        }
        const std::wstring namedPath = WinePath(named);
        std::ifstream in(namedPath.c_str());
        std::getline(in, m_unix);
        in.close();
        ::DeleteFileW(namedPath.c_str());
        const int mounted = m_unix.empty() ? -1
                                           : RunShell("mount -t tmpfs -o size=" + std::to_string(kilobytes) + "k tmpfs " +
                                                      m_unix);
        if (mounted != 0) {
            m_whyNot = "mount -t tmpfs failed (exit code " + std::to_string(mounted) + ")";
            return;
        }
        m_mounted = true;
        m_folder = WinePath(m_unix) + L"\\";
    }
    ~SmallDisk()
    {
        if (m_mounted)
            RunShell("umount -l " + m_unix + "; rmdir " + m_unix);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return m_mounted; }
    const std::string& WhyNot() const { return m_whyNot; }
    // The folder as a Windows path, with its trailing backslash.
    const std::wstring& Folder() const { return m_folder; }

    // Fills the disk with a file of its own until about `kilobytes` are left.
    bool LeaveFree(int kilobytes)
    {
        const std::string filler = m_unix + "/.filler";
        // The filler's pages are taken in one call (a tmpfs counts them at once); dd only where that
        // is refused.
        return RunShell("rm -f " + filler + "; n=$(( $(df -k --output=avail " + m_unix + " | tail -1) - " +
                        std::to_string(kilobytes) + " )); [ $n -le 0 ] || fallocate -l ${n}KiB " + filler +
                        " 2>/dev/null || dd if=/dev/zero of=" + filler + " bs=1k count=$n 2>/dev/null") == 0;
    }
    // Gives the room back.
    bool RemoveFiller() { return RunShell("rm -f " + m_unix + "/.filler") == 0; }

private:
    std::string m_unix;
    std::wstring m_folder;
    bool m_mounted = false;
    std::string m_whyNot;
};

}  // namespace smalldisk
