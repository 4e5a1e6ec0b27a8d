// The program's message boxes as the system shows them: every message text in every language leaves
// its whole text inside the box.
#include "app/RecordFileNotices.h"
#include "app/WriteFailures.h"
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
    ::SetTimer(nullptr, 0, 50, LookAndClose);
    ui::ShowMessageBox(nullptr, text.c_str(), L"Orvelle", type);
}

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
            TextAt(g_locationDialogTexts, 30, language)};
        for (int row = 0; row < SAVE_AS_TEXT_ROWS; ++row) {
            CString text;
            text.Format(TextAt(g_saveAsTexts, row, language), L"C:\\users\\records\\week.csv");
            texts.push_back(text.str());
        }
        // A file that could not be written, at a long path, for the longest reason.
        const std::wstring path = L"C:\\Program Files (x86)\\Orvelle\\data\\all_weather.csv";
        for (WriteTask task : {WriteTask::StationData, WriteTask::RecordFiles, WriteTask::CustomRebuild})
            texts.push_back(WriteFailureMessage(
                task, {FailedWriteOf(path, ERROR_SHARING_VIOLATION), FailedWriteOf(path, ERROR_SHARING_VIOLATION)},
                language));
        for (const std::wstring& text : texts)
            ShowAndCheck(text, MB_OK | MB_ICONWARNING, "box" + in);
        // What was done to the record files, every kind of notice in one box.
        using Event = RecordFileNotice::Event;
        const std::vector<RecordFileNotice> notices = {
            {Event::RestoredMissing, L"csv_custom.dat", L"RECORDS_CUSTOM.csv", L""},
            {Event::RestoredShort, L"txt_custom.dat", L"RECORDS_CUSTOM.txt", L"txt_custom (damaged 2).dat"},
            {Event::RestoredUnreadable, L"csv_custom.dat", L"RECORDS_CUSTOM.csv", L"csv_custom (damaged).dat"},
            {Event::RecordsAdded, L"csv.dat", L"txt.dat", L""},
            {Event::ClockWentBack, L"", L"", L""}};
        ShowAndCheck(RecordFileNoticeText(notices, language), MB_OK, "record file notices" + in);
    }
    for (int entry = 0; entry < DATA_ERROR_TEXT_COUNT; ++entry)
        ShowAndCheck(EntryAt(g_dataErrorTexts, entry), MB_OK, "data error box");
    EXPECT_TRUE(g_faults.empty()) << textcheck::Lines(g_faults);
}

}  // namespace
