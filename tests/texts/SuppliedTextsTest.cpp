// Invariants of the translations that complete the tables: every text is
// present, translated languages do not fall back to English, and the words
// already used for the same thing elsewhere are reused.
#include "tests/texts/TextTestSupport.h"

#include <set>
#include <string>
#include <vector>

namespace {

struct NamedTable {
    const char* name;
    const wchar_t* const* texts;
    int rows;
};

template <std::size_t N>
NamedTable Named(const char* name, const TextTable<N>& table)
{
    return NamedTable{name, table.data(), static_cast<int>(N / LANGUAGE_COUNT)};
}

// Every row-and-language table of word texts (the unit and header tables hold
// symbols and are checked on their own).
std::vector<NamedTable> WordTables()
{
    return {
        Named("alarm", g_alarmDialogTexts),
        Named("altitude", g_altitudeDialogTexts),
        Named("recordInterval", g_recordIntervalDialogTexts),
        Named("location", g_locationDialogTexts),
        Named("autoSaving", g_autoSavingDialogTexts),
        Named("mainAutoSaving", g_mainAutoSavingTexts),
        Named("display", g_displayDialogTexts),
        Named("displayingUnit", g_displayingUnitDialogTexts),
        Named("language", g_languageDialogTexts),
        Named("thd", g_thdDialogTexts),
        Named("mainThd", g_mainThdTexts),
        Named("clearAll", g_clearAllRecordsDialogTexts),
        Named("clearRain", g_clearRainTotalDialogTexts),
        Named("print", g_printDialogTexts),
        Named("upload", g_uploadResultTexts),
        Named("smallChart", g_smallChartTitles),
        Named("connect", g_connectPromptTexts),
        Named("close", g_closeTexts),
        Named("recordFileError", g_recordFileErrorTexts),
        Named("recordFileNotice", g_recordFileNoticeTexts),
        Named("saveAs", g_saveAsTexts),
        Named("writeFailure", g_writeFailureTexts),
        Named("writeFailureReason", g_writeFailureReasons),
        Named("numberRange", g_numberRangeTexts),
        Named("reconnect", g_reconnectPromptTexts),
    };
}

const wchar_t* At(const NamedTable& table, int row, int language)
{
    return table.texts[row * LANGUAGE_COUNT + language];
}

bool SameInAllLanguages(const NamedTable& table, int row)
{
    for (int language = 1; language < LANGUAGE_COUNT; ++language)
        if (std::wstring(At(table, row, language)) != At(table, row, 0))
            return false;
    return true;
}

bool IsUnitRowOfDisplayingUnitDialog(const NamedTable& table, int row)
{
    static const std::set<int> unitRows = {7, 8, 10, 11, 13, 14, 15, 17, 18, 20, 21, 23, 24, 26, 27, 28, 29};
    return std::string(table.name) == "displayingUnit" && unitRows.count(row) != 0;
}

bool HasCyrillic(const std::wstring& text)
{
    for (wchar_t c : text)
        if (c >= 0x0400 && c <= 0x04FF)
            return true;
    return false;
}

TEST(SuppliedTexts, EveryTextOfEveryTableIsPresentAndNotEmpty)
{
    for (const NamedTable& table : WordTables())
        for (int row = 0; row < table.rows; ++row)
            for (int language = 0; language < LANGUAGE_COUNT; ++language) {
                const wchar_t* text = At(table, row, language);
                ASSERT_NE(nullptr, text) << table.name << " row " << row << " language " << language;
                EXPECT_NE(L'\0', text[0]) << table.name << " row " << row << " language " << language;
            }
}

// Where a translated language reads exactly the English text of a row that is
// not the same in all languages, it must be one of these: the handed-over
// texts that keep English, and words that are spelt alike in both languages.
TEST(SuppliedTexts, TranslatedLanguagesDoNotFallBackToEnglish)
{
    const std::set<std::string> allowed = {
        // handed over as English or alike
        "altitude:0:2", "altitude:1:2", "altitude:2:2", "altitude:3:2",
        "recordInterval:2:2", "recordInterval:3:2", "recordInterval:4:2", "recordInterval:5:2",
        "location:3:1", "location:3:7", "location:4:7", "location:5:4", "location:5:7", "location:6:7",
        "location:7:7", "location:8:7", "location:9:7", "location:13:2",
        "autoSaving:3:2", "autoSaving:4:2", "autoSaving:5:2", "autoSaving:6:2",
        "mainAutoSaving:3:2", "mainAutoSaving:4:2", "mainAutoSaving:5:2", "mainAutoSaving:6:2",
        "print:1:2", "print:2:2", "print:6:5", "print:10:4", "connect:0:7",
        // the same word in the language
        "location:14:2", "location:17:2", "autoSaving:9:5", "mainAutoSaving:9:5", "displayingUnit:6:2",
        "displayingUnit:25:1", "displayingUnit:25:5", "thd:9:4", "mainThd:9:4",
    };
    std::set<std::string> found;
    for (const NamedTable& table : WordTables())
        for (int row = 0; row < table.rows; ++row) {
            if (SameInAllLanguages(table, row) || IsUnitRowOfDisplayingUnitDialog(table, row))
                continue;
            for (int language = 1; language < LANGUAGE_COUNT; ++language)
                if (std::wstring(At(table, row, language)) == At(table, row, 0))
                    found.insert(std::string(table.name) + ":" + std::to_string(row) + ":" +
                                 std::to_string(language));
        }
    for (const std::string& key : found)
        EXPECT_TRUE(allowed.count(key)) << key << " reads English";
    for (const std::string& key : allowed)
        EXPECT_TRUE(found.count(key)) << key << " was expected to read English";
}

TEST(SuppliedTexts, RussianWordingIsCyrillic)
{
    for (const NamedTable& table : WordTables())
        for (int row = 0; row < table.rows; ++row) {
            const std::wstring russian = At(table, row, LANGUAGE_RUSSIAN);
            if (russian == At(table, row, LANGUAGE_ENGLISH))
                continue;
            EXPECT_TRUE(HasCyrillic(russian)) << table.name << " row " << row;
        }
}

// A French colon follows a no-break space, so that a wrapped line never starts with it; the German
// rain-reset message names the rainfall total as the command that clears it does.
TEST(SuppliedTexts, FrenchColonsStayOnTheLineOfTheirWordAndGermanNamesTheRainTotal)
{
    for (const NamedTable& table : WordTables())
        for (int row = 0; row < table.rows; ++row)
            EXPECT_EQ(std::wstring(At(table, row, LANGUAGE_FRENCH)).find(L" :"), std::wstring::npos)
                << table.name << " row " << row;
    EXPECT_NE(std::wstring(TextAt(g_writeFailureTexts, WRITE_FAILED_RAIN_RESET, LANGUAGE_GERMAN)).find(L"Regenmenge"),
              std::wstring::npos);
}

TEST(SuppliedTexts, SameInAllRowsStaySame)
{
    ExpectSameInAll(g_alarmDialogTexts, 0, L"Alarm setting");
    ExpectSameInAll(g_alarmDialogTexts, 10, L"Alarm time settings");
    ExpectSameInAll(g_autoSavingDialogTexts, 19, L"OK");
    ExpectSameInAll(g_autoSavingDialogTexts, 29, L"UV");
    ExpectSameInAll(g_autoSavingDialogTexts, 34, L"Wind Gust");
    ExpectSameInAll(g_displayingUnitDialogTexts, 31, L"OK");
    ExpectSameInAll(g_thdDialogTexts, 17, L"OK");
    ExpectSameInAll(g_clearAllRecordsDialogTexts, 3, L"OK");
}

template <std::size_t N>
void ExpectRowEquals(const TextTable<N>& table, int row, const wchar_t* const* expected, const char* what)
{
    for (int language = 0; language < LANGUAGE_COUNT; ++language)
        EXPECT_EQ(std::wstring(expected[language]), TextAt(table, row, language))
            << what << " row " << row << " language " << language;
}

TEST(SuppliedTexts, CloseCancelAndCurrentSettingReuseTheGivenWords)
{
    const wchar_t* const* close = g_closeTexts.data();
    ExpectRowEquals(g_alarmDialogTexts, 20, close, "alarm");
    ExpectRowEquals(g_altitudeDialogTexts, 6, close, "altitude");
    ExpectRowEquals(g_recordIntervalDialogTexts, 14, close, "record interval");
    ExpectRowEquals(g_locationDialogTexts, 27, close, "location");
    ExpectRowEquals(g_printDialogTexts, 9, close, "print");

    const wchar_t* const* cancel = &g_languageDialogTexts[3 * LANGUAGE_COUNT];
    ExpectRowEquals(g_autoSavingDialogTexts, 20, cancel, "auto saving");
    ExpectRowEquals(g_displayDialogTexts, 11, cancel, "display");
    ExpectRowEquals(g_displayingUnitDialogTexts, 32, cancel, "displaying unit");
    ExpectRowEquals(g_thdDialogTexts, 18, cancel, "thd");
    ExpectRowEquals(g_clearAllRecordsDialogTexts, 4, cancel, "clear all");
    ExpectRowEquals(g_clearRainTotalDialogTexts, 4, cancel, "clear rain");

    const wchar_t* const* current = &g_altitudeDialogTexts[4 * LANGUAGE_COUNT];
    ExpectRowEquals(g_alarmDialogTexts, 5, current, "alarm");
    ExpectRowEquals(g_alarmDialogTexts, 13, current, "alarm");
    ExpectRowEquals(g_locationDialogTexts, 12, current, "location");
}

TEST(SuppliedTexts, HemispheresOfTheLocationDialogAreTheCompassWords)
{
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        const wchar_t* const* words = CompassWordsFor(language);
        EXPECT_EQ(std::wstring(words[0]), TextAt(g_locationDialogTexts, 15, language)) << language;
        EXPECT_EQ(std::wstring(words[1]), TextAt(g_locationDialogTexts, 16, language)) << language;
        EXPECT_EQ(std::wstring(words[2]), TextAt(g_locationDialogTexts, 18, language)) << language;
        EXPECT_EQ(std::wstring(words[3]), TextAt(g_locationDialogTexts, 19, language)) << language;
    }
}

TEST(SuppliedTexts, QuantityNamesAgreeAcrossTables)
{
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        SCOPED_TRACE(language);
        const wchar_t* const* panel = PanelLabelsFor(language);
        // temperature, humidity, dewpoint
        EXPECT_EQ(std::wstring(TextAt(g_thdDialogTexts, 2, language)), TextAt(g_autoSavingDialogTexts, 25, language));
        EXPECT_EQ(std::wstring(TextAt(g_thdDialogTexts, 3, language)), TextAt(g_autoSavingDialogTexts, 26, language));
        EXPECT_EQ(std::wstring(TextAt(g_thdDialogTexts, 4, language)), TextAt(g_autoSavingDialogTexts, 27, language));
        EXPECT_EQ(std::wstring(TextAt(g_thdDialogTexts, 2, language)), TextAt(g_alarmDialogTexts, 6, language));
        EXPECT_EQ(std::wstring(TextAt(g_thdDialogTexts, 2, language)), panel[PANEL_TEMPERATURE]);
        EXPECT_EQ(std::wstring(TextAt(g_thdDialogTexts, 3, language)), panel[PANEL_HUMIDITY]);
        // pressure, rain, wind
        EXPECT_EQ(std::wstring(TextAt(g_displayDialogTexts, 5, language)), TextAt(g_autoSavingDialogTexts, 28, language));
        EXPECT_EQ(std::wstring(TextAt(g_displayDialogTexts, 5, language)),
                  TextAt(g_displayingUnitDialogTexts, 12, language));
        EXPECT_EQ(std::wstring(TextAt(g_displayDialogTexts, 5, language)), panel[PANEL_PRESSURE]);
        EXPECT_EQ(std::wstring(TextAt(g_displayDialogTexts, 7, language)), TextAt(g_autoSavingDialogTexts, 30, language));
        EXPECT_EQ(std::wstring(TextAt(g_displayDialogTexts, 8, language)), TextAt(g_autoSavingDialogTexts, 31, language));
        EXPECT_EQ(std::wstring(TextAt(g_displayDialogTexts, 8, language)), TextAt(g_alarmDialogTexts, 8, language));
        EXPECT_EQ(std::wstring(TextAt(g_displayDialogTexts, 9, language)), TextAt(g_autoSavingDialogTexts, 32, language));
        // location panel and Location dialog
        EXPECT_EQ(std::wstring(TextAt(g_locationDialogTexts, 11, language)), panel[PANEL_CITY_NAME]);
        EXPECT_EQ(std::wstring(TextAt(g_locationDialogTexts, 14, language)), panel[PANEL_LATITUDE]);
        EXPECT_EQ(std::wstring(TextAt(g_locationDialogTexts, 17, language)), panel[PANEL_LONGITUDE]);
    }
}

TEST(SuppliedTexts, IntervalChoicesCarryTheirNumbers)
{
    // A translated interval keeps the count it names.
    const std::pair<int, const wchar_t*> recordRows[] = {{2, L"5"},  {3, L"10"}, {4, L"20"}, {5, L"30"}, {6, L"1"},
                                                         {8, L"2"},  {9, L"3"},  {10, L"4"}, {11, L"5"}};
    for (const auto& entry : recordRows)
        for (int language = 0; language < LANGUAGE_COUNT; ++language) {
            const std::wstring text = TextAt(g_recordIntervalDialogTexts, entry.first, language);
            EXPECT_EQ(0u, text.find(std::wstring(entry.second) + L" ")) << "row " << entry.first << " " << language;
        }
    const std::pair<int, const wchar_t*> autoRows[] = {{3, L"2"}, {4, L"5"}, {5, L"10"}, {6, L"30"}};
    for (const auto& entry : autoRows)
        for (int language = 0; language < LANGUAGE_COUNT; ++language) {
            const std::wstring text = TextAt(g_autoSavingDialogTexts, entry.first, language);
            EXPECT_EQ(0u, text.find(std::wstring(entry.second) + L" ")) << "row " << entry.first << " " << language;
        }
}

TEST(SuppliedTexts, TranslationsOfDistinctEnglishRowsStayDistinct)
{
    // Two rows with different English texts must not share a translation in
    // a language where both are translated (a copy-and-paste slip).
    const int rows[] = {2, 3, 4, 5, 6, 7, 8, 9};
    for (int language = 1; language < LANGUAGE_COUNT; ++language) {
        std::set<std::wstring> seen;
        for (int row : rows)
            EXPECT_TRUE(seen.insert(TextAt(g_thdDialogTexts, row, language)).second)
                << "thd row " << row << " language " << language;
    }
    for (int language = 1; language < LANGUAGE_COUNT; ++language) {
        std::set<std::wstring> seen;
        for (int row = 0; row < PRINT_DIALOG_ROWS; ++row) {
            if (row == 8)  // "Print" again, as a button
                continue;
            EXPECT_TRUE(seen.insert(TextAt(g_printDialogTexts, row, language)).second)
                << "print row " << row << " language " << language;
        }
    }
    for (int language = 1; language < LANGUAGE_COUNT; ++language) {
        std::set<std::wstring> seen;
        for (int row = 14; row <= 18; ++row)
            EXPECT_TRUE(seen.insert(TextAt(g_alarmDialogTexts, row, language)).second)
                << "alarm row " << row << " language " << language;
    }
}

}  // namespace
