// The About box window: its texts in their controls, Close in the language, and the dashes it
// shows when there is no station data to show.
#include "app/AboutDlg.h"

#include "res/resource.h"
#include "texts/TextTables.h"

#include <algorithm>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring TextOf(const CAboutDlg& box, int id)
{
    wchar_t text[512] = {};
    ::GetDlgItemTextW(box.m_hWnd, id, text, 512);
    return text;
}

TEST(AboutBox, ShowsItsTextsAndCloseInTheLanguage)
{
    CAboutDlg box;
    box.m_language = LANGUAGE_GERMAN;
    for (int k = 0; k < ABOUT_TEXT_COUNT; ++k)
        box.m_texts[k] = L"t" + std::to_wstring(k);
    ASSERT_TRUE(box.Create(IDD_ABOUTBOX));
    EXPECT_EQ(TextOf(box, IDOK), L"Ende");
    for (int k = 0; k < about::VERSION_COUNT; ++k)
        EXPECT_EQ(TextOf(box, IDC_ABOUT_VERSION_FIRST + k), box.m_texts[k]);
    EXPECT_EQ(TextOf(box, IDC_ABOUT_STATUS), L"t5\r\nt6\r\nt7\r\nt8\r\nt9\r\nt10\r\nt11\r\nt12\r\nt13\r\nt14\r\nt15");
    EXPECT_EQ(TextOf(box, IDC_ABOUT_PROGRAM_VERSION), L"t16");
    // Eleven line names beside the eleven lines.
    const std::wstring names = TextOf(box, IDC_ABOUT_STATUS_NAMES);
    EXPECT_EQ(std::count(names.begin(), names.end(), L'\n'), 10);
    box.DestroyWindow();
}

TEST(AboutBox, WithoutStationDataOnlyDashesAndEnglishCloseForAnUnknownLanguage)
{
    CAboutDlg box;
    box.m_language = 42;
    std::wstring cache[ABOUT_TEXT_COUNT];
    const std::wstring status[about::STATUS_COUNT] = {L"a", L"b", L"c", L"d", L"e", L"f"};
    box.FillStationInfo(cache, status);  // no main dialog: nothing was polled
    for (int k = 0; k < ABOUT_TEXT_COUNT; ++k)
        EXPECT_EQ(cache[k], box.m_texts[k]) << k;
    ASSERT_TRUE(box.Create(IDD_ABOUTBOX));
    EXPECT_EQ(TextOf(box, IDOK), L"Close");
    EXPECT_EQ(TextOf(box, IDC_ABOUT_VERSION_FIRST), L"  -");
    EXPECT_EQ(TextOf(box, IDC_ABOUT_STATUS),
              L" -\r\n -\r\n -\r\n -\r\n -\r\n -\r\n -\r\n -\r\n -\r\n -\r\n -");
    EXPECT_EQ(TextOf(box, IDC_ABOUT_PROGRAM_VERSION), L"Version 1.4");
    box.DestroyWindow();
}

}  // namespace
