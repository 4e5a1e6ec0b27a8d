// LoadSettings and the rain-reset file through the main dialog's members (no window needed).
#include "app/OrvelleDlg.h"
#include "tests/app/SettingsTestSupport.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A fresh empty folder under the temporary folder, removed with its files afterwards.
class TempFolder {
public:
    explicit TempFolder(const wchar_t* name)
    {
        wchar_t base[MAX_PATH];
        ::GetTempPathW(MAX_PATH, base);
        m_path = std::wstring(base) + name + std::to_wstring(::GetCurrentProcessId()) + L"\\";
        Clear();
        ::CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~TempFolder() { Clear(); }
    const std::wstring& Path() const { return m_path; }
    std::wstring File(const wchar_t* name) const { return m_path + name; }

private:
    void Clear()
    {
        WIN32_FIND_DATAW found;
        HANDLE search = ::FindFirstFileW((m_path + L"*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                ::DeleteFileW((m_path + found.cFileName).c_str());
            while (::FindNextFileW(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryW(m_path.c_str());
    }
    std::wstring m_path;
};

settings::Bytes ReadAll(const std::wstring& path)
{
    settings::Bytes bytes;
    EXPECT_TRUE(settings::ReadFileBytes(path, &bytes)) << "missing " << std::string(path.begin(), path.end());
    return bytes;
}

std::unique_ptr<COrvelleDlg> DialogIn(const TempFolder& folder)
{
    auto dialog = std::make_unique<COrvelleDlg>();
    dialog->m_installFolder = folder.Path();
    return dialog;
}

}  // namespace

TEST(SettingsLoad, FirstStartWritesEveryDefaultFile)
{
    TempFolder folder(L"orvelle_settings_first_");
    auto dialog = DialogIn(folder);
    dialog->LoadSettings();

    EXPECT_EQ(ReadAll(folder.File(L"rLanguageSetting.dat")), Int32Record({0}));
    EXPECT_EQ(ReadAll(folder.File(L"rDisplaySetting.dat")), Int32Record({1, 1, 0, 1, 1, 1, 1, 2, 1, 3, 3}));
    EXPECT_EQ(ReadAll(folder.File(L"rDisplayingUnitSetting.dat")), Int32Record({3, 1, 1, 1, 1, 1, 0, 3}));
    settings::Bytes autoSaving = ReadAll(folder.File(L"rAutoSavingSetting.dat"));
    ASSERT_EQ(autoSaving.size(), settings::AUTO_SAVING_FILE_BYTES);
    EXPECT_EQ(settings::ReadTextField(autoSaving, 20, 1024), L"RECORD");
    EXPECT_EQ(settings::ReadTextField(autoSaving, 2068, 1024), folder.Path());
    EXPECT_EQ(ReadAll(folder.File(L"rTHDSetting.dat")).size(), settings::THD_FILE_BYTES);
    EXPECT_EQ(ReadAll(folder.File(L"rLocation.dat")).size(), settings::LOCATION_FILE_BYTES);
    EXPECT_FALSE(::GetFileAttributesW(folder.File(L"rRainReset.dat").c_str()) != INVALID_FILE_ATTRIBUTES);

    EXPECT_EQ(dialog->m_channelName[5], L"Channel 5");
    EXPECT_EQ(dialog->m_windUnit, 3);
    EXPECT_EQ(dialog->m_recordInterval, 4);
    EXPECT_EQ(dialog->m_altitude, 15);
    EXPECT_EQ(dialog->m_alarmRecord[7], 700);
    EXPECT_EQ(dialog->m_locationSettings[1].cityIndex, USER_DEFINED_CITY);
}

TEST(SettingsLoad, GermanFirstStartTakesGermanDefaults)
{
    TempFolder folder(L"orvelle_settings_german_");
    settings::WriteFileBytes(folder.File(L"rLanguageSetting.dat"), Int32Record({LANGUAGE_GERMAN}));
    auto dialog = DialogIn(folder);
    dialog->LoadSettings();
    EXPECT_EQ(dialog->m_language, LANGUAGE_GERMAN);
    settings::Bytes thd = ReadAll(folder.File(L"rTHDSetting.dat"));
    EXPECT_EQ(settings::ReadTextField(thd, 0, 256), TextAt(g_mainThdTexts, 10, LANGUAGE_GERMAN));
    EXPECT_EQ(settings::ReadTextField(thd, 512, 256), TextAt(g_mainThdTexts, 11, LANGUAGE_GERMAN));
    settings::Bytes autoSaving = ReadAll(folder.File(L"rAutoSavingSetting.dat"));
    EXPECT_EQ(settings::ReadTextField(autoSaving, 20, 1024), TextAt(g_mainAutoSavingTexts, 16, LANGUAGE_GERMAN));
}

TEST(SettingsLoad, VanishedAutoSaveFolderBecomesTheInstallFolder)
{
    TempFolder folder(L"orvelle_settings_vanished_");
    CSettingsRecord stored;
    settings::DecodeAutoSaving(nullptr, LANGUAGE_ENGLISH, L"", stored);
    stored.m_autoSaveInterval = 2;
    stored.m_autoSavePrefix = L"GARDEN";
    stored.m_autoSaveFolder = folder.Path() + L"gone\\";
    settings::WriteFileBytes(folder.File(L"rAutoSavingSetting.dat"), settings::EncodeAutoSaving(stored));
    auto dialog = DialogIn(folder);
    dialog->m_autoSaveMinutes = 17;
    dialog->LoadSettings();
    EXPECT_EQ(dialog->m_autoSaveFolder, folder.Path());
    EXPECT_EQ(dialog->m_autoSavePrefix, L"GARDEN");
    EXPECT_EQ(dialog->m_autoSaveInterval, 2);
    EXPECT_EQ(dialog->m_autoSaveMinutes, 0);
    settings::Bytes written = ReadAll(folder.File(L"rAutoSavingSetting.dat"));
    EXPECT_EQ(settings::ReadTextField(written, 2068, 1024), folder.Path());

    // An existing folder is kept.
    stored.m_autoSaveFolder = folder.Path();
    settings::WriteFileBytes(folder.File(L"rAutoSavingSetting.dat"), settings::EncodeAutoSaving(stored));
    dialog->LoadSettings();
    EXPECT_EQ(dialog->m_autoSaveFolder, folder.Path());
}

TEST(SettingsLoad, DamagedFilesAreRewrittenWithDefaults)
{
    TempFolder folder(L"orvelle_settings_damaged_");
    settings::WriteFileBytes(folder.File(L"rLanguageSetting.dat"), Int32Record({12}));
    settings::WriteFileBytes(folder.File(L"rDisplayingUnitSetting.dat"), Int32Record({0, 0}));
    settings::WriteFileBytes(folder.File(L"rLocation.dat"), Int32Record({3, 4}));  // no name field
    auto dialog = DialogIn(folder);
    dialog->LoadSettings();
    EXPECT_EQ(dialog->m_language, LANGUAGE_ENGLISH);
    EXPECT_EQ(ReadAll(folder.File(L"rLanguageSetting.dat")), Int32Record({0}));
    EXPECT_EQ(ReadAll(folder.File(L"rDisplayingUnitSetting.dat")), Int32Record({0, 0, 1, 1, 1, 1, 0, 3}));
    settings::Bytes location = ReadAll(folder.File(L"rLocation.dat"));
    ASSERT_EQ(location.size(), settings::LOCATION_FILE_BYTES);
    EXPECT_EQ(settings::ReadInt32(location, 4), 4);
    EXPECT_EQ(settings::ReadTextField(location, 8, 1024), L"Amsterdam, Netherlands");
    EXPECT_EQ(settings::ReadInt32(location, 2060), USER_DEFINED_CITY);
}

TEST(SettingsLoad, RainResetRoundTripsThroughTheCurrentFolder)
{
    TempFolder folder(L"orvelle_settings_rain_");
    wchar_t previous[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    ::SetCurrentDirectoryW(folder.Path().c_str());
    auto dialog = DialogIn(folder);
    EXPECT_FALSE(dialog->LoadRainReset());
    EXPECT_EQ(dialog->m_rainResetTime[0], 0);

    dialog->m_recordTime[RECORD_YEAR] = 2023;
    dialog->m_recordTime[RECORD_MONTH] = 11;
    dialog->m_recordTime[RECORD_DAY] = 5;
    dialog->m_recordTime[RECORD_HOUR] = 7;
    dialog->m_recordTime[RECORD_MINUTE] = 42;
    dialog->m_lastRainCounter = 4321.125;
    ASSERT_TRUE(dialog->SaveRainReset());
    EXPECT_EQ(ReadAll(folder.File(L"rRainReset.dat")).size(), settings::RAIN_RESET_FILE_BYTES);

    auto reader = DialogIn(folder);
    ASSERT_TRUE(reader->LoadRainReset());
    EXPECT_EQ(reader->m_rainResetTime[0], 2023);
    EXPECT_EQ(reader->m_rainResetTime[1], 11);
    EXPECT_EQ(reader->m_rainResetTime[2], 5);
    EXPECT_EQ(reader->m_rainResetTime[3], 7);
    EXPECT_EQ(reader->m_rainResetTime[4], 42);
    EXPECT_EQ(reader->m_lastRainCounter, 4321.125);
    EXPECT_EQ(reader->m_rainCounterAtReset, 4321.125);
    EXPECT_EQ(reader->m_rainResetTimeChart, CMainRecords::ChartTimeOf(2023, 11, 5, 7, 42, 0));

    // A truncated file changes nothing.
    settings::Bytes shortFile = ReadAll(folder.File(L"rRainReset.dat"));
    shortFile.resize(20);
    settings::WriteFileBytes(folder.File(L"rRainReset.dat"), shortFile);
    auto third = DialogIn(folder);
    EXPECT_FALSE(third->LoadRainReset());
    EXPECT_EQ(third->m_lastRainCounter, 0.0);
    ::SetCurrentDirectoryW(previous);
}
