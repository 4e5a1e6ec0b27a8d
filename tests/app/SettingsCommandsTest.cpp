// The program settings commands and Save as, run as a user runs them: the menu command opens its
// dialog, a script answers it, and the settings files and the main window's members afterwards
// are checked byte for byte.
#include "app/OrvelleDlg.h"
#include "app/SettingsFiles.h"
#include "platform/ui/UiDialogAnswer.h"
#include "platform/ui/UiShellDialogs.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::wstring TempFolder()
{
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + L"orvelle_settings_commands_" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(path.c_str(), nullptr);
    return path + L"\\";
}

std::vector<uint8_t> FileBytes(const std::wstring& path)
{
    settings::Bytes bytes;
    if (!settings::ReadFileBytes(path, &bytes))
        return {};
    return bytes;
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void Command(COrvelleDlg& dialog, UINT id)
{
    LRESULT result = 0;
    EXPECT_TRUE(dialog.DispatchMessageMap(WM_COMMAND, id, 0, &result)) << id;
}

class SettingsCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dialog = std::make_unique<COrvelleDlg>();
        m_dialog->m_installFolder = TempFolder();
        for (const wchar_t* name : {settings::AUTO_SAVING_FILE, settings::LANGUAGE_FILE, settings::DISPLAY_FILE})
            ::DeleteFileW((m_dialog->m_installFolder + name).c_str());
    }
    // The language views are global: the next test starts in English again.
    void TearDown() override { m_dialog->SelectLanguageLayout(LANGUAGE_ENGLISH); }
    std::wstring File(const wchar_t* name) const { return m_dialog->m_installFolder + name; }

    std::unique_ptr<COrvelleDlg> m_dialog;
};

}  // namespace

TEST_F(SettingsCommands, AutoSavingOkWritesTheFileAndCancelChangesNothing)
{
    COrvelleDlg& d = *m_dialog;
    d.m_autoSaveInterval = 2;
    d.m_autoSaveCount = 4;
    d.m_autoSaveFolder = L"C:\\saves";
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_AUTO_SAVING, [](CDialog& box) {
        ui::ClickButton(box, IDCANCEL);
    });
    answer.Add(IDD_AUTO_SAVING, [](CDialog& box) {
        ui::ClickButton(box, 1104);  // day
        ui::TypeText(box, 1109, L"31");
        ui::ClickButton(box, IDOK);
    });
    Command(d, ID_FILE_AUTO_SAVING);
    EXPECT_FALSE(Exists(File(settings::AUTO_SAVING_FILE)));
    EXPECT_EQ(d.m_autoSaveInterval, 2);
    Command(d, ID_FILE_AUTO_SAVING);
    const std::vector<uint8_t> bytes = FileBytes(File(settings::AUTO_SAVING_FILE));
    ASSERT_EQ(bytes.size(), settings::AUTO_SAVING_FILE_BYTES);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 8), (std::vector<uint8_t>{6, 0, 0, 0, 0x1F, 0, 0, 0}));
    EXPECT_EQ(settings::ReadTextField(bytes, 20, settings::LONG_TEXT_UNITS), L"RECORD");
    EXPECT_EQ(settings::ReadTextField(bytes, 20 + 2048, settings::LONG_TEXT_UNITS), L"C:\\saves");
    EXPECT_EQ(d.m_autoSaveInterval, 6);
    EXPECT_EQ(d.m_autoSaveCount, 31);
}

TEST_F(SettingsCommands, LanguageSwitchWritesTheIdAndTheSameLanguageNothing)
{
    COrvelleDlg& d = *m_dialog;
    d.m_autoSavePrefix = L"Garden";
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_LANGUAGE, [](CDialog& box) { ui::ClickButton(box, IDOK); });  // English again
    answer.Add(IDD_LANGUAGE, [](CDialog& box) {
        ui::ClickButton(box, 1444);  // Nederlands
        ui::ClickButton(box, IDOK);
    });
    Command(d, ID_SETTING_LANGUAGE);
    EXPECT_FALSE(Exists(File(settings::LANGUAGE_FILE)));
    Command(d, ID_SETTING_LANGUAGE);
    EXPECT_EQ(FileBytes(File(settings::LANGUAGE_FILE)), (std::vector<uint8_t>{5, 0, 0, 0}));
    EXPECT_EQ(d.m_language, LANGUAGE_DUTCH);
    EXPECT_EQ(d.m_autoSavePrefix, L"Garden");  // the user's prefix, in any language
    EXPECT_FALSE(Exists(File(settings::AUTO_SAVING_FILE)));
    ASSERT_TRUE(d.HasElements());
    EXPECT_EQ(g_currentLunarPhaseNames, LunarPhaseNamesFor(LANGUAGE_DUTCH));
}

TEST_F(SettingsCommands, ChartDisplayWritesOnlyAChange)
{
    COrvelleDlg& d = *m_dialog;
    d.m_uvView = 0;  // the view of a hidden chart, as the dialog hands it back
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_DISPLAY, [](CDialog& box) { ui::ClickButton(box, IDOK); });
    answer.Add(IDD_DISPLAY, [](CDialog& box) {
        ui::ClickButton(box, 1143);  // pressure off
        ui::ClickButton(box, IDOK);
    });
    Command(d, ID_SETTING_CHART_DISPLAY);
    EXPECT_FALSE(Exists(File(settings::DISPLAY_FILE)));
    Command(d, ID_SETTING_CHART_DISPLAY);
    const std::vector<uint8_t> bytes = FileBytes(File(settings::DISPLAY_FILE));
    ASSERT_EQ(bytes.size(), settings::DISPLAY_FILE_BYTES);
    EXPECT_EQ(settings::ReadInt32(bytes, 4), 0);   // pressure shown
    EXPECT_EQ(settings::ReadInt32(bytes, 24), 0);  // pressure view
    EXPECT_EQ(settings::ReadInt32(bytes, 36), 3);  // the wind rose stays
    EXPECT_EQ(d.m_showPressure, 0);
}

TEST_F(SettingsCommands, SaveAsCopiesTheDisplayUnitRecordsUnderTheChosenName)
{
    COrvelleDlg& d = *m_dialog;
    d.m_language = LANGUAGE_GERMAN;
    settings::WriteFileBytes(File(L"RECORDS_CUSTOM.txt"), {'t', 'x', 't'});
    ui::ScopedFileDialogAnswer files;
    files.Choose(File(L"week").c_str(), 2);
    Command(d, ID_FILE_SAVE_AS);
    EXPECT_EQ(FileBytes(File(L"week.txt")), (std::vector<uint8_t>{'t', 'x', 't'}));
    ASSERT_EQ(files.Requests().size(), 1u);
    const ui::ScopedFileDialogAnswer::Request request = files.Requests()[0];
    EXPECT_FALSE(request.open);
    EXPECT_EQ(request.fileName, L"RECORDS");
    EXPECT_TRUE(request.flags & OFN_OVERWRITEPROMPT);
    const std::wstring german = std::wstring(TextAt(g_mainAutoSavingTexts, 12, LANGUAGE_GERMAN)) + L'\0' + L"*.csv";
    EXPECT_EQ(request.filter.compare(0, german.size(), german), 0);
    EXPECT_NE(request.filter.find(std::wstring(L"*.jpg; *.jpeg") + L'\0' + L'\0'), std::wstring::npos);

    // Cancelled: nothing is written.
    files.Cancel();
    ::DeleteFileW(File(L"week.txt").c_str());
    Command(d, ID_FILE_SAVE_AS);
    EXPECT_FALSE(Exists(File(L"week.txt")));
}

TEST_F(SettingsCommands, SaveAsPictureIsAJpegOfTheWindowAsItWas)
{
    COrvelleDlg& d = *m_dialog;
    HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | SS_BLACKRECT, 20, 20, 120, 80, nullptr,
                                    nullptr, nullptr, nullptr);
    ::UpdateWindow(window);
    d.Attach(window);
    ui::ScopedFileDialogAnswer files;
    files.Choose(File(L"view.jpeg").c_str(), 3);
    Command(d, ID_FILE_SAVE_AS);
    d.Detach();
    ::DestroyWindow(window);
    const std::vector<uint8_t> jpeg = FileBytes(File(L"view.jpeg.jpg"));
    ASSERT_GE(jpeg.size(), 3u);
    EXPECT_EQ(std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + 3), (std::vector<uint8_t>{0xFF, 0xD8, 0xFF}));
    // The picture's size is the client area's: the frame header holds height and width.
    bool sized = false;
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0)
            sized = (jpeg[i + 5] << 8 | jpeg[i + 6]) == 80 && (jpeg[i + 7] << 8 | jpeg[i + 8]) == 120;
    EXPECT_TRUE(sized);
}
