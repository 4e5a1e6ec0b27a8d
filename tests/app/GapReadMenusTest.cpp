// Records that fell due while the computer slept are read from the station on a worker; meanwhile
// the station menus are greyed, as during the download, so that no upload runs beside the read on
// the shared link. The main dialog runs in a copy of this test program started from a folder of its
// own, against the emulated demo station, whose clock the test moves on.
#include "app/OrvelleDlg.h"
#include "platform/usb/USB.h"
#include "tests/app/OwnFolderRun.h"
#include "tests/support/MessagePump.h"
#include "tests/support/SystemDialogAnswers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

namespace {

int LineCount(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int lines = 0;
    for (char c : text)
        lines += c == '\n';
    return lines;
}


}  // namespace

TEST(StationMenusDuringAGapReadChild, AreGreyedWhileTheStationIsReadAndEnabledWhenTheReadEnds)
{
    if (!std::getenv("ORVELLE_GAP_MENUS_CHILD"))
        GTEST_SKIP() << "runs in the copy started by StationMenusDuringAGapRead";
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    auto dialog = std::make_unique<COrvelleDlg>();
    ASSERT_TRUE(dialog->Create(IDD_ORVELLE_DIALOG));
    const std::wstring csv = dialog->m_installFolder + L"csv.dat";
    const std::wstring staging = dialog->m_installFolder + L"tmpLastRec.txt";
    ASSERT_TRUE(PumpUntil([&] { return dialog->m_firstPollDone && !Exists(staging); }, 90000)) << "no first poll";
    const HMENU menu = ::GetMenu(dialog->m_hWnd);
    auto greyed = [&] { return (::GetMenuState(menu, ID_SETTING_ALARM, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    EXPECT_FALSE(greyed());
    const int downloaded = LineCount(csv);

    // Half an hour at once: six records are read slot by slot, slowly.
    USBEmulatorControl("slow 150");
    USBEmulatorControl("advance 30");
    bool greyedWhileReading = false;
    EXPECT_TRUE(PumpUntil(
        [&] {
            greyedWhileReading = greyedWhileReading || greyed();
            return LineCount(csv) >= downloaded + 6;
        },
        60000));
    EXPECT_TRUE(greyedWhileReading) << "an upload could run beside the read";
    EXPECT_FALSE(greyed()) << "the menus stayed greyed after the read";

    // A night: the whole history is read again; the menus are greyed from the moment it starts.
    USBEmulatorControl("reset");
    USBEmulatorControl("advance 300");
    bool reading = false, enabledWhileReading = false;
    EXPECT_TRUE(PumpUntil(
        [&] {
            if (dialog->m_downloading) {
                reading = true;
                enabledWhileReading = enabledWhileReading || !greyed();
            }
            return reading && !dialog->m_downloading;
        },
        90000));
    EXPECT_TRUE(reading);
    EXPECT_FALSE(enabledWhileReading) << "the menus were enabled while the history was read";
    EXPECT_TRUE(PumpUntil([&] { return LineCount(csv) >= downloaded + 6 + 60; }, 30000));
    EXPECT_FALSE(greyed());
    EXPECT_EQ(boxes.Count(), 0u);
    dialog->DestroyWindow();
}

// The copy runs in a folder of its own with the demo station and a live reading every 1.5 s.
TEST(StationMenusDuringAGapRead, AreGreyedWhileTheStationIsReadAndEnabledWhenTheReadEnds)
{
    const std::wstring folder = FreshTempFolder(L"orvelle_gap_menus_");
    ::SetEnvironmentVariableW(L"USB_EMULATOR", L"demo");
    ::SetEnvironmentVariableW(L"ORVELLE_TEST_LIVE_PERIOD_MS", L"1500");
    const int code = RunCopyInFolder(folder, L"StationMenusDuringAGapReadChild.*", L"ORVELLE_GAP_MENUS_CHILD", 240);
    ::SetEnvironmentVariableW(L"USB_EMULATOR", nullptr);
    ::SetEnvironmentVariableW(L"ORVELLE_TEST_LIVE_PERIOD_MS", nullptr);
    EXPECT_EQ(code, 0) << "the checks failed in the started copy (its output is above)";
    RemoveTree(folder);
}
