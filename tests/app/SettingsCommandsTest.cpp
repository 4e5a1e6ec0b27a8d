// The program settings commands and Save as, run as a user runs them: the menu command opens its
// dialog, a script answers it, and the settings files and the main window's members afterwards
// are checked byte for byte. Save as also with the system's own save dialog, and its failures.
#include "app/OrvelleDlg.h"
#include "app/SettingsFiles.h"
#include "platform/ui/UiMessageBox.h"
#include "platform/ui/UiShellDialogs.h"
#include "records/SaveAs.h"
#include "tests/support/DialogAnswer.h"
#include "texts/TextEncoding.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <thread>
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
    ::DeleteFileW(File(L"week.txt").c_str());  // left by an earlier run of a process with this id
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
    ::DeleteFileW(File(L"view.jpeg.jpg").c_str());
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

namespace {

// A Save as text as the main window words it.
CString SaveAsMessage(int row, const std::wstring& path, int language)
{
    CString text;
    text.Format(TextAt(g_saveAsTexts, row, language), path.c_str());
    return text;
}

std::vector<uint8_t> Bytes(const char* text) { return std::vector<uint8_t>(text, text + strlen(text)); }

// A visible dialog box of the thread that holds the control (0 for any dialog box but `except`).
struct ThreadDialogSearch {
    int controlId;
    HWND except;
    HWND found = nullptr;
};

HWND FindThreadDialog(DWORD thread, int controlId, HWND except = nullptr)
{
    ThreadDialogSearch search{controlId, except};
    ::EnumThreadWindows(
        thread,
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<ThreadDialogSearch*>(data);
            wchar_t name[16] = {};
            ::GetClassNameW(window, name, 16);
            if (std::wstring(name) != L"#32770" || !::IsWindowVisible(window) || window == s->except ||
                (s->controlId != 0 && ::GetDlgItem(window, s->controlId) == nullptr))
                return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForThreadDialog(DWORD thread, int controlId, HWND except = nullptr)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (HWND found = FindThreadDialog(thread, controlId, except))
            return found;
        ::Sleep(50);
    }
    return nullptr;
}

constexpr int FILE_TYPE_COMBO = 0x470;   // the save dialog's "Save as type" box
constexpr int FILE_NAME_EDIT = 0x480;    // its file name field
constexpr int FILE_NAME_COMBO = 0x47C;   // the file name field of the newer dialog
constexpr int MESSAGE_TEXT = 0xFFFF;     // a message box's text

}  // namespace

// The user types `typed` with the first type (comma-separated) in the system's save dialog and
// presses Save; a question that comes up is answered with `answer`, and a dialog still open after
// that is cancelled. The question's text, "" when none came.
std::wstring TypeInSaveDialog(DWORD thread, const std::wstring& typed, int answer)
{
    HWND save = WaitForThreadDialog(thread, FILE_TYPE_COMBO);
    if (save == nullptr)
        return L"";
    ::SetDlgItemTextW(save, ::GetDlgItem(save, FILE_NAME_EDIT) ? FILE_NAME_EDIT : FILE_NAME_COMBO, typed.c_str());
    ::PostMessageW(save, WM_COMMAND, IDOK, 0);
    wchar_t text[1024] = {};
    HWND box = WaitForThreadDialog(thread, MESSAGE_TEXT, save);
    if (box != nullptr) {
        ::GetDlgItemTextW(box, MESSAGE_TEXT, text, 1024);
        ::PostMessageW(box, WM_COMMAND, answer, 0);
    }
    // After a Yes the dialog ends by itself; otherwise, or when it stays, it is cancelled once the
    // question has gone.
    HWND gone = answer == IDYES ? save : box;
    for (int wait = 0; wait < 40 && box != nullptr && ::IsWindow(gone); ++wait)
        ::Sleep(50);
    if (::IsWindow(save))
        ::PostMessageW(save, WM_COMMAND, IDCANCEL, 0);
    return text;
}

TEST_F(SettingsCommands, SaveAsTheSystemDialogAsksAboutTheNameWithTheTypesExtension)
{
    COrvelleDlg& d = *m_dialog;
    settings::WriteFileBytes(File(L"RECORDS_CUSTOM.csv"), Bytes("records\r\n"));
    settings::WriteFileBytes(File(L"precious.csv"), Bytes("the user's own\r\n"));
    ::DeleteFileW(File(L"precious").c_str());
    ui::ScopedMessageBoxAnswer ours(IDNO);
    const DWORD thread = ::GetCurrentThreadId();
    wchar_t before[MAX_PATH] = {}, after[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, before);
    // "precious" does not exist: a question can only be about "precious.csv".
    std::wstring question;
    std::thread user([&] { question = TypeInSaveDialog(thread, File(L"precious"), IDNO); });
    Command(d, ID_FILE_SAVE_AS);
    user.join();
    EXPECT_FALSE(question.empty()) << "the save dialog did not ask before replacing precious.csv";
    EXPECT_EQ(FileBytes(File(L"precious.csv")), Bytes("the user's own\r\n"));

    // Yes: the dialog hands back "precious.csv" itself, so no second question, and the file is replaced.
    user = std::thread([&] { question = TypeInSaveDialog(thread, File(L"precious"), IDYES); });
    Command(d, ID_FILE_SAVE_AS);
    user.join();
    EXPECT_FALSE(question.empty());
    EXPECT_EQ(ours.Count(), 0u);
    EXPECT_EQ(FileBytes(File(L"precious.csv")), Bytes("records\r\n"));
    EXPECT_FALSE(Exists(File(L"precious")));
    // The files the program opens by bare name stay in its own folder, wherever the user saved.
    ::GetCurrentDirectoryW(MAX_PATH, after);
    EXPECT_STREQ(after, before);
}

TEST_F(SettingsCommands, SaveAsAsksAgainWhenTheExtensionIsAddedAfterTheDialog)
{
    COrvelleDlg& d = *m_dialog;
    d.m_language = LANGUAGE_GERMAN;
    settings::WriteFileBytes(File(L"RECORDS_CUSTOM.csv"), Bytes("records\r\n"));
    settings::WriteFileBytes(File(L"precious.csv"), Bytes("the user's own\r\n"));
    ui::ScopedFileDialogAnswer files;
    ui::ScopedMessageBoxAnswer boxes(IDNO);

    // "precious" came back from the dialog, which asked (if at all) about "precious".
    files.Choose(File(L"precious").c_str(), SAVE_AS_CSV);
    Command(d, ID_FILE_SAVE_AS);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, SaveAsMessage(SAVE_AS_REPLACE_QUESTION, File(L"precious.csv"), LANGUAGE_GERMAN));
    EXPECT_EQ(boxes.Boxes()[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(FileBytes(File(L"precious.csv")), Bytes("the user's own\r\n"));
    EXPECT_FALSE(Exists(File(L"precious")));

    boxes.SetAnswer(IDYES);
    Command(d, ID_FILE_SAVE_AS);
    EXPECT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(FileBytes(File(L"precious.csv")), Bytes("records\r\n"));

    // A name the dialog returned as it is written was asked about by the dialog: no second question.
    settings::WriteFileBytes(File(L"RECORDS_CUSTOM.csv"), Bytes("newer records\r\n"));
    files.Choose(File(L"precious.csv").c_str(), SAVE_AS_CSV);
    Command(d, ID_FILE_SAVE_AS);
    EXPECT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(FileBytes(File(L"precious.csv")), Bytes("newer records\r\n"));
}

TEST_F(SettingsCommands, SaveAsFailuresAreSaidAndLeaveTheTargetAsItWas)
{
    COrvelleDlg& d = *m_dialog;
    d.m_language = LANGUAGE_FRENCH;
    HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | SS_BLACKRECT, 20, 20, 120, 80, nullptr,
                                    nullptr, nullptr, nullptr);
    d.Attach(window);
    settings::WriteFileBytes(File(L"RECORDS_CUSTOM.csv"), Bytes("records\r\n"));
    ::DeleteFileW(File(L"RECORDS_CUSTOM.txt").c_str());
    settings::WriteFileBytes(File(L"held.csv"), Bytes("held\r\n"));
    settings::WriteFileBytes(File(L"held.jpg"), Bytes("held picture"));
    settings::WriteFileBytes(File(L"week.txt"), Bytes("last week\r\n"));
    ::CreateDirectoryW(File(L"shot.jpg").c_str(), nullptr);
    const std::wstring missing = File(L"no such folder\\week.csv");
    HANDLE heldCsv = ::CreateFileW(File(L"held.csv").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    HANDLE heldJpg = ::CreateFileW(File(L"held.jpg").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(heldCsv, INVALID_HANDLE_VALUE);
    ASSERT_NE(heldJpg, INVALID_HANDLE_VALUE);

    ui::ScopedFileDialogAnswer files;
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    const struct {
        std::wstring chosen;
        int kind;
        int row;
        std::wstring target;
    } failures[] = {
        {missing, SAVE_AS_CSV, SAVE_AS_FOLDER_MISSING, missing},
        {File(L"held.csv"), SAVE_AS_CSV, SAVE_AS_TARGET_HELD, File(L"held.csv")},
        {File(L"week.txt"), SAVE_AS_TEXT, SAVE_AS_NO_RECORDS, File(L"week.txt")},
        {File(L"held.jpg"), SAVE_AS_PICTURE, SAVE_AS_TARGET_HELD, File(L"held.jpg")},
        {File(L"shot.jpg"), SAVE_AS_PICTURE, SAVE_AS_NOT_SAVED_BECAUSE, File(L"shot.jpg")},
    };
    for (const auto& failure : failures) {
        const std::size_t before = boxes.Count();
        files.Choose(failure.chosen.c_str(), static_cast<DWORD>(failure.kind));
        Command(d, ID_FILE_SAVE_AS);
        ASSERT_EQ(boxes.Count(), before + 1) << std::string(failure.chosen.begin(), failure.chosen.end());
        const ui::ScopedMessageBoxAnswer::Shown box = boxes.Boxes().back();
        std::wstring expected = SaveAsMessage(failure.row, failure.target, LANGUAGE_FRENCH).str();
        if (failure.row == SAVE_AS_NOT_SAVED_BECAUSE)  // with the reason: a folder has the name
            expected = L"Impossible d'enregistrer " + failure.target + L"\u00A0: un dossier porte ce nom.";
        EXPECT_EQ(box.text.str(), expected) << Utf8(box.text.str());
        EXPECT_EQ(box.type & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));
    }
    ::CloseHandle(heldCsv);
    ::CloseHandle(heldJpg);
    d.Detach();
    ::DestroyWindow(window);
    EXPECT_FALSE(Exists(File(L"no such folder")));
    EXPECT_EQ(FileBytes(File(L"held.csv")), Bytes("held\r\n"));
    EXPECT_EQ(FileBytes(File(L"held.jpg")), Bytes("held picture"));
    EXPECT_EQ(FileBytes(File(L"week.txt")), Bytes("last week\r\n"));
    EXPECT_TRUE(::GetFileAttributesW(File(L"shot.jpg").c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    ::RemoveDirectoryW(File(L"shot.jpg").c_str());
    // Nothing was left beside the targets.
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(File(L"*.~*").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "a temporary file was left";
    if (search != INVALID_HANDLE_VALUE)
        ::FindClose(search);
}
