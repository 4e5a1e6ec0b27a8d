// The program's message boxes as the system shows them: every message text in every language leaves
// its whole text inside the box.
#include "app/RecordFileNotices.h"
#include "app/WriteFailures.h"
#include "dialogs/TypedNumbers.h"
#include "platform/ui/UiMessageBox.h"
#include "platform/ui/UiString.h"
#include "tests/support/WindowTextCheck.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

textcheck::Faults g_faults;
std::string g_where;

// The box of this thread that is open now, or null.
HWND OpenBox()
{
    HWND found = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM result) {
            wchar_t name[16] = {};
            ::GetClassNameW(window, name, 16);
            if (std::wstring(name) == L"#32770" && ::IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Looks at the box once it is shown, then closes it.
VOID CALLBACK LookAndClose(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = OpenBox();
    if (box == nullptr)
        return;
    ::KillTimer(nullptr, timer);
    const textcheck::Faults faults = textcheck::UnfitCaptions(box, g_where);
    g_faults.insert(g_faults.end(), faults.begin(), faults.end());
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    ::PostMessageW(box, WM_COMMAND, IDNO, 0);
}

void ShowAndCheck(const std::wstring& text, UINT type, const std::string& where)
{
    g_where = where;
    ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, LookAndClose);
    ui::ShowMessageBox(nullptr, text.c_str(), L"Orvelle", type);
}

RECT g_shownBox{};

VOID CALLBACK MeasureAndClose(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = OpenBox();
    if (box == nullptr)
        return;
    ::KillTimer(nullptr, timer);
    ::GetWindowRect(box, &g_shownBox);
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// Where a box owned by a window at `place` stands on the screen.
RECT BoxOverOwnerAt(const RECT& place)
{
    HWND owner = ::CreateWindowExW(0, L"Static", L"owner", WS_POPUP | WS_BORDER | WS_VISIBLE, place.left, place.top,
                                   place.right - place.left, place.bottom - place.top, nullptr, nullptr, nullptr,
                                   nullptr);
    g_shownBox = RECT{};
    ::SetTimer(nullptr, 0, 50, MeasureAndClose);
    ui::ShowMessageBox(owner, L"Please enter a number from 0 to 50 in this field.", L"Orvelle", MB_OK);
    ::DestroyWindow(owner);
    return g_shownBox;
}

}  // namespace

// A message box stands in the middle of the window that owns it (the dialog whose field it speaks
// of), not in the middle of the screen, and never beyond the screen's edge.
TEST(MessageBoxTexts, ABoxStandsOverItsOwnerInsideTheScreen)
{
    const RECT owner{20, 30, 420, 330};
    const RECT box = BoxOverOwnerAt(owner);
    ASSERT_GT(box.right, box.left);
    EXPECT_NEAR((box.left + box.right) / 2, (owner.left + owner.right) / 2, 2);
    EXPECT_NEAR((box.top + box.bottom) / 2, (owner.top + owner.bottom) / 2, 2);

    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN), screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    const RECT corner{screenWidth - 120, screenHeight - 80, screenWidth + 200, screenHeight + 150};
    const RECT edge = BoxOverOwnerAt(corner);
    ASSERT_GT(edge.right, edge.left);
    EXPECT_LE(edge.right, screenWidth);
    EXPECT_LE(edge.bottom, screenHeight);
    EXPECT_GT(edge.left, screenWidth / 2);
}

namespace {

TEST(MessageBoxTexts, EveryMessageIsShownWholeInEveryLanguage)
{
    g_faults.clear();
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        const std::string in = " in language " + std::to_string(language);
        std::vector<std::wstring> texts = {
            TextAt(g_uploadResultTexts, 0, language), TextAt(g_uploadResultTexts, 1, language),
            TextAt(g_connectPromptTexts, 0, language), TextAt(g_reconnectPromptTexts, 0, language),
            TextAt(g_alarmDialogTexts, 23, language),  TextAt(g_altitudeDialogTexts, 7, language),
            TextAt(g_locationDialogTexts, 28, language), TextAt(g_alarmDialogTexts, 24, language),
            TextAt(g_altitudeDialogTexts, 8, language),  TextAt(g_locationDialogTexts, 29, language),
            TextAt(g_locationDialogTexts, 30, language), TextAt(g_printDialogTexts, 14, language),
            NumberRangeMessage(L"-50.0", L"70.0", language).str()};
        for (int row = 0; row < SAVE_AS_TEXT_ROWS; ++row) {
            CString text;
            text.Format(TextAt(g_saveAsTexts, row, language), L"C:\\users\\records\\week.csv");
            texts.push_back(text.str());
        }
        // A file that could not be written, at a long path, for the longest reason.
        const std::wstring path = L"C:\\Program Files (x86)\\Orvelle\\data\\all_weather.csv";
        for (WriteTask task : {WriteTask::StationData, WriteTask::RecordFiles, WriteTask::CustomRebuild,
                               WriteTask::Restore, WriteTask::Settings, WriteTask::AutoSave})
            texts.push_back(WriteFailureMessage(
                task, {FailedWriteOf(path, ERROR_SHARING_VIOLATION), FailedWriteOf(path, ERROR_SHARING_VIOLATION)},
                language));
        CString rainReset;
        rainReset.Format(TextAt(g_writeFailureTexts, WRITE_FAILED_RAIN_RESET, language), path.c_str(),
                         WriteReasonText(WriteReason::HeldElsewhere, ERROR_SHARING_VIOLATION, language).c_str());
        texts.push_back(rainReset.str());
        for (const std::wstring& text : texts)
            ShowAndCheck(text, MB_OK | MB_ICONWARNING, "box" + in);
        // What was done to the record files, every kind of notice in one box.
        using Event = RecordFileNotice::Event;
        const std::vector<RecordFileNotice> notices = {
            {Event::RestoredMissing, L"csv_custom.dat", L"RECORDS_CUSTOM.csv", L""},
            {Event::RestoredShort, L"txt_custom.dat", L"RECORDS_CUSTOM.txt", L"txt_custom (damaged 2).dat"},
            {Event::RestoredUnreadable, L"csv_custom.dat", L"RECORDS_CUSTOM.csv", L"csv_custom (damaged).dat"},
            {Event::RecordsAdded, L"csv.dat", L"txt.dat", L""},
            {Event::ClockWentBack, L"", L"", L""},
            {Event::RestoredDamaged, L"txt_custom.dat", L"RECORDS_CUSTOM.txt", L"txt_custom (damaged).dat"},
            {Event::DamagedLinesTakenOut, L"csv_custom.dat", L"", L"csv_custom (damaged 3).dat"}};
        ShowAndCheck(RecordFileNoticeText(notices, language), MB_OK, "record file notices" + in);
    }
    for (int entry = 0; entry < DATA_ERROR_TEXT_COUNT; ++entry)
        ShowAndCheck(EntryAt(g_dataErrorTexts, entry), MB_OK, "data error box");
    EXPECT_TRUE(g_faults.empty()) << textcheck::Lines(g_faults);
}

}  // namespace
