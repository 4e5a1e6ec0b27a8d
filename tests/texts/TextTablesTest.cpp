// Layout, lookups and the handed-over texts of the row-and-language tables
// and the one-dimensional tables.
#include "tests/texts/TextTestSupport.h"

#include <cwchar>

namespace {

TEST(TextLookup, ElementIsRowTimesEightPlusLanguage)
{
    EXPECT_EQ(g_alarmDialogTexts[7], TextAt(g_alarmDialogTexts, 0, LANGUAGE_POLISH));
    EXPECT_EQ(g_alarmDialogTexts[8], TextAt(g_alarmDialogTexts, 1, LANGUAGE_ENGLISH));
    EXPECT_EQ(std::wstring(L"Alarm dla Pogody"), g_alarmDialogTexts[1 * 8 + 7]);
    EXPECT_EQ(std::wstring(L"Weather alarm settings"), g_alarmDialogTexts[8]);
    EXPECT_EQ(std::wstring(L"Ende"), g_alarmDialogTexts[20 * 8 + 1]);
}

TEST(TextLookup, TableSizesAreRowsTimesEight)
{
    EXPECT_EQ(24u * 8, g_alarmDialogTexts.size());
    EXPECT_EQ(8u * 8, g_altitudeDialogTexts.size());
    EXPECT_EQ(15u * 8, g_recordIntervalDialogTexts.size());
    EXPECT_EQ(29u * 8, g_locationDialogTexts.size());
    EXPECT_EQ(35u * 8, g_autoSavingDialogTexts.size());
    EXPECT_EQ(35u * 8, g_mainAutoSavingTexts.size());
    EXPECT_EQ(12u * 8, g_displayDialogTexts.size());
    EXPECT_EQ(33u * 8, g_displayingUnitDialogTexts.size());
    EXPECT_EQ(4u * 8, g_languageDialogTexts.size());
    EXPECT_EQ(19u * 8, g_thdDialogTexts.size());
    EXPECT_EQ(19u * 8, g_mainThdTexts.size());
    EXPECT_EQ(5u * 8, g_clearAllRecordsDialogTexts.size());
    EXPECT_EQ(5u * 8, g_clearRainTotalDialogTexts.size());
    EXPECT_EQ(15u * 8, g_printDialogTexts.size());
    EXPECT_EQ(17u * 8, g_unitTexts.size());
    EXPECT_EQ(33u * 8, g_exportColumnHeaders.size());
    EXPECT_EQ(2u * 8, g_uploadResultTexts.size());
    EXPECT_EQ(7u * 8, g_smallChartTitles.size());
    EXPECT_EQ(8u, g_reconnectPromptTexts.size());
    EXPECT_EQ(8u, g_connectPromptTexts.size());
    EXPECT_EQ(8u, g_closeTexts.size());
}

TEST(TextLookup, LanguageOutsideTheTableReadsEnglish)
{
    for (int language : {-1, 8, 9, 1000, -2147483647 - 1}) {
        SCOPED_TRACE(language);
        EXPECT_EQ(std::wstring(L"Upload failure"), TextAt(g_uploadResultTexts, 1, language));
        EXPECT_EQ(std::wstring(L"Close"), TextAt(g_closeTexts, 0, language));
        EXPECT_EQ(std::wstring(L"Weather alarm settings"), TextAt(g_alarmDialogTexts, 1, language));
        EXPECT_EQ(std::wstring(L"Please ensure the Weather Station is connected before running this program."),
                  TextAt(g_connectPromptTexts, 0, language));
    }
}

TEST(TextLookup, RowOutsideTheTableReadsEmpty)
{
    EXPECT_STREQ(L"", TextAt(g_alarmDialogTexts, 24, LANGUAGE_ENGLISH));
    EXPECT_STREQ(L"", TextAt(g_alarmDialogTexts, -1, LANGUAGE_GERMAN));
    EXPECT_STREQ(L"", TextAt(g_closeTexts, 1, LANGUAGE_ENGLISH));
    EXPECT_STREQ(L"", EntryAt(g_progressTexts, 4));
    EXPECT_STREQ(L"", EntryAt(g_languageNames, -1));
}

TEST(TextLookup, PrintTableHasFifteenRowsAndLaterRowsReadEmpty)
{
    EXPECT_EQ(std::wstring(L"Failed to read printer properties."), TextAt(g_printDialogTexts, 13, LANGUAGE_ENGLISH));
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        EXPECT_STRNE(L"", TextAt(g_printDialogTexts, 14, language));  // the emptied margin's message
        EXPECT_STREQ(L"", TextAt(g_printDialogTexts, 15, language));
        EXPECT_STREQ(L"", TextAt(g_printDialogTexts, 16, language));
    }
}

TEST(LanguageNames, ByLanguageId)
{
    const Texts8 names = {L"English", L"Deutsch", L"Francais", L"Italiano", L"Español", L"Nederlands", L"Русско",
                          L"Polski"};
    for (int id = 0; id < LANGUAGE_COUNT; ++id)
        EXPECT_EQ(std::wstring(names[id]), EntryAt(g_languageNames, id));
    EXPECT_EQ(std::wstring(L"Русско"), g_languageNames[LANGUAGE_RUSSIAN]);
    EXPECT_EQ(std::wstring(L"Francais"), g_languageNames[LANGUAGE_FRENCH]);
}

TEST(StationDialogTexts, AlarmRows)
{
    ExpectSameInAll(g_alarmDialogTexts, 0, L"Alarm setting");
    ExpectSameInAll(g_alarmDialogTexts, 10, L"Alarm time settings");
    ExpectSameInAll(g_alarmDialogTexts, 21, L"AM");
    ExpectSameInAll(g_alarmDialogTexts, 22, L"PM");
    ExpectRow(g_alarmDialogTexts, 7,
              {L"Rainfall (Past 24 hours)", L"Niederschlag (vergangene 24 Stunden)",
               L"Précipitations (dernieres 24 heures)", L"Pioggia (scorso 24 ore)",
               L"Precipitación (más allá de 24 horas)", L"Regenval (afgelopen 24 uur)", L"Выпало осадков (за сутки)",
               L"Opady deszczu (ostatnia doba)"});
    ExpectRow(g_alarmDialogTexts, 12,
              {L"Alarm time (hh:mm)", L"Alarmzeit (hh:mm)", L"Heure de l'alarme (hh.mm)", L"Tempo dell'allarme (hh:mm)",
               L"Tiempo del alarmar (hh:mm)", L"Alarmtijd (uu:mm)", L"Сигнал Будильника (ЧЧ:ММ)", L"Alarm"});
    ExpectRow(g_alarmDialogTexts, 19,
              {L"Upload new setting", L"Neue Einstellungen laden", L"Téléchargement du nouveau reglage",
               L"Nuova regolazione di Upload", L"Nuevo ajuste del Upload", L"Upload nieuwe instelling",
               L"Загрузка новых установок", L"Ładowanie nowych ustawień"});
}

TEST(StationDialogTexts, AltitudeRows)
{
    const Texts8 altitude = {L"Altitude", L"Höhe", L"Altitude", L"Altitudine", L"Altitud", L"Hoogte", L"Высота",
                             L"Wysokość nad poziomem morza"};
    ExpectRow(g_altitudeDialogTexts, 0, altitude);
    ExpectRow(g_altitudeDialogTexts, 1, altitude);
    ExpectRow(g_altitudeDialogTexts, 3,
              {L"Altitude (ft)", L"Höhe (ft)", L"Altitude (ft)", L"Altitudine (ft)", L"Altitud (ft)", L"Hoogte (ft)",
               L"Высота (ft)", L"Wysokość (Stopy)"});
    ExpectRow(g_altitudeDialogTexts, 4,
              {L"Current setting", L"Aktuelle Einstellung", L"réglage normal", L"Regolazione corrente",
               L"Ajuste actual", L"Huidige instelling", L"Текущие установки", L"Obecne ustawienie"});
    ExpectRow(g_altitudeDialogTexts, 5,
              {L"Upload new setting", L"Neue Einstellungen laden", L"Téléchargement du nouveau réglage",
               L"Nuova regolazione di Upload", L"Nuevo ajuste del Upload", L"Upload nieuwe instelling",
               L"Загрузка новых установок", L"Załaduj nowe ustawienia"});
}

TEST(StationDialogTexts, RecordIntervalChoicesAndTitles)
{
    // Choice k of the list is interval code k + 1: row 2 is code 1, row 12 code 11.
    EXPECT_EQ(std::wstring(L"5 minutes"), TextAt(g_recordIntervalDialogTexts, 2 + 0, LANGUAGE_ENGLISH));
    EXPECT_EQ(std::wstring(L"1 day"), TextAt(g_recordIntervalDialogTexts, 2 + 10, LANGUAGE_ENGLISH));
    EXPECT_EQ(std::wstring(L"5 hours"), TextAt(g_recordIntervalDialogTexts, 11, LANGUAGE_ENGLISH));
    const Texts8 title = {L"Record Interval",   L"Aufzeichnungsinterval", L"intervalle d'enregistrement",
                          L"Intervallo record", L"Intervalo de registro", L"Record interval",
                          L"Интервал записи",   L"Zapisz w odstępie.."};
    ExpectRow(g_recordIntervalDialogTexts, 0, title);
    ExpectRow(g_recordIntervalDialogTexts, 1, title);
    ExpectRow(g_recordIntervalDialogTexts, 7,
              {L"1.5 hours", L"1.5 Stunden", L"1 heure et demie", L"1.5 ore", L"1.5 horas", L"1.5 uur", L"1.5 часа",
               L"1.5 godziny"});
    ExpectRow(g_recordIntervalDialogTexts, 12,
              {L"1 day", L"1 Tag", L"1 jour", L"1 giorno", L"1 día", L"1 dag", L"1 день", L"1 dnia"});
    EXPECT_EQ(std::wstring(L"Wczytaj nowe ustawienia"), TextAt(g_recordIntervalDialogTexts, 13, LANGUAGE_POLISH));
    const wchar_t* const minutes[] = {L"5 minutes", L"10 minutes", L"20 minutes", L"30 minutes"};
    for (int row = 2; row <= 5; ++row)
        EXPECT_EQ(std::wstring(minutes[row - 2]), TextAt(g_recordIntervalDialogTexts, row, LANGUAGE_FRENCH));
}

TEST(StationDialogTexts, LocationRegionsAndDaylightSaving)
{
    ExpectRow(g_locationDialogTexts, 4,
              {L"Africa", L"Afrika", L"L'Afrique", L"L'Africa", L"África", L"Afrika", L"Африка", L"Africa"});
    ExpectRow(g_locationDialogTexts, 5, {L"Asia", L"Asien", L"L'Asie", L"L'Asia", L"Asia", L"Azië", L"Азия", L"Asia"});
    ExpectRow(g_locationDialogTexts, 6,
              {L"Australia / Pacific", L"Australien /Pazifik", L"L'Australie /Pacifique", L"L'Australia /Pacifico",
               L"Australia /El Pacífico", L"Australië /De Stille Oceaan", L"Австралия /Тихий Океан",
               L"Australia / Pacific"});
    ExpectRow(g_locationDialogTexts, 8,
              {L"North America", L"Nord Amerika", L"L'Amérique du Nord", L"Del nord L'America", L"Del norte América",
               L"Het noorden Amerika", L"Северная Америка", L"North America"});
    ExpectRow(g_locationDialogTexts, 10,
              {L"User defined city", L"Benutzer definierte Stadt", L"Ville définie par utilisateur",
               L"Città definita utente", L"Ciudad definida usuario", L"Gebruiker bepaalde stad", L"Выбранный Город",
               L"Nazwa zdefiniowana przez użytkownia"});
    // The Polish region names are the English ones.
    for (int row = 4; row <= 9; ++row)
        EXPECT_EQ(std::wstring(TextAt(g_locationDialogTexts, row, LANGUAGE_ENGLISH)),
                  TextAt(g_locationDialogTexts, row, LANGUAGE_POLISH));
    ExpectRow(g_locationDialogTexts, 13,
              {L"Abbr. code", L"Abbr. Code", L"Abbr. code", L"Abbr. codice", L"Abbr. código", L"Afkort code",
               L"Код Города", L"Kod"});
    ExpectRow(g_locationDialogTexts, 20,
              {L"DST mode", L"DST Modus ( Sommerzeit )", L"Mode DST", L"Modo di DST", L"Modo de DST", L"Zomertijd",
               L"Режим DST", L"Tryb Czasu Letniego"});
    ExpectRow(g_locationDialogTexts, 23,
              {L"Never use DST", L"Sommerzeit AUS", L"N'employez jamais DST", L"Non usi mai DST", L"Nunca utilice DST",
               L"Gebruik nooit DST", L"Отключение DST", L"Nie używaj trybu czasu letniego"});
    ExpectRow(g_locationDialogTexts, 24,
              {L"Always add 1 hour", L"Plus 1 Stunde", L"Ajoutez toujours 1 heure", L"Aggiunga sempre 1 ora",
               L"Agregue siempre 1 hora", L"Voeg altijd 1 uur toe", L"Всегда добавлять 1 час",
               L"Zawsze dodawaj 1 godzinę"});
    EXPECT_EQ(std::wstring(L"téléchargement du nouveau réglage"), TextAt(g_locationDialogTexts, 26, LANGUAGE_FRENCH));
}

TEST(ProgramDialogTexts, AutoSavingTablesAreIdenticalAndCarryTheGivenRows)
{
    for (std::size_t e = 0; e < g_autoSavingDialogTexts.size(); ++e)
        EXPECT_EQ(std::wstring(g_autoSavingDialogTexts[e]), g_mainAutoSavingTexts[e]) << "element " << e;
    EXPECT_NE(&g_autoSavingDialogTexts, &g_mainAutoSavingTexts);
    ExpectRow(g_mainAutoSavingTexts, 16,
              {L"RECORD", L"Aufzeichnung", L"enregistrement", L"Annotazione", L"Registro", L"Record", L"Запись",
               L"REKORD"});
    ExpectRow(g_autoSavingDialogTexts, 10,
              {L"month", L"Monat", L"mois", L"mesi", L"meses", L"maanden", L"месяцы", L"miesiąc"});
    ExpectRow(g_autoSavingDialogTexts, 20,
              {L"Cancel", L"Löschen", L"Annulation", L"Annullamento", L"Cancelación", L"Annuleer", L"Отменить",
               L"Przerwij"});
    for (int row : {17, 18, 19, 21, 22, 23, 24, 29, 34})
        ExpectSameInAll(g_autoSavingDialogTexts, row, TextAt(g_autoSavingDialogTexts, row, LANGUAGE_ENGLISH));
    EXPECT_EQ(std::wstring(L"Set path..."), TextAt(g_autoSavingDialogTexts, 17, LANGUAGE_RUSSIAN));
    EXPECT_EQ(std::wstring(L"Device Date / Time"), TextAt(g_autoSavingDialogTexts, 24, LANGUAGE_DUTCH));
    EXPECT_EQ(std::wstring(L"Automatisch opslaa"), TextAt(g_autoSavingDialogTexts, 0, LANGUAGE_DUTCH));
    EXPECT_EQ(std::wstring(L"Automatisch opslaa"), TextAt(g_autoSavingDialogTexts, 1, LANGUAGE_DUTCH));
    EXPECT_EQ(std::wstring(L"30 minutes"), TextAt(g_autoSavingDialogTexts, 6, LANGUAGE_FRENCH));
}

TEST(ProgramDialogTexts, SpanishHourIntervalReadsHora)
{
    ExpectRow(g_autoSavingDialogTexts, 7,
              {L"hour", L"Stunde", L"heure", L"ora", L"hora", L"uur", L"час", L"godzina"});
    EXPECT_EQ(std::wstring(L"hora"), TextAt(g_mainAutoSavingTexts, 7, LANGUAGE_SPANISH));
}

TEST(ProgramDialogTexts, DisplayAndLanguageDialogs)
{
    const Texts8 display = {L"Display", L"Anzeige", L"Affichage", L"Esposizione", L"Exhibición", L"Uitlezing",
                            L"Дисплей", L"Wyświetlanie"};
    ExpectRow(g_displayDialogTexts, 0, display);
    ExpectRow(g_displayDialogTexts, 1, display);
    ExpectRow(g_displayDialogTexts, 4,
              {L"Weather Forecast", L"Wettervorhersage", L"Prévisions météorologiques", L"Bollettino meteorologico",
               L"Parte meteorológico", L"Weervoorspelling", L"Прогноз погоды", L"Prognoza Pogody"});
    ExpectSameInAll(g_displayDialogTexts, 10, L"OK");
    const Texts8 language = {L"Language", L"Sprache", L"Langue", L"Lingua", L"Lengua", L"Taal", L"Язык", L"Język"};
    ExpectRow(g_languageDialogTexts, 0, language);
    ExpectRow(g_languageDialogTexts, 1, language);
    ExpectSameInAll(g_languageDialogTexts, 2, L"OK");
    ExpectRow(g_languageDialogTexts, 3,
              {L"Cancel", L"Löschen", L"Annulation", L"Annullamento", L"Cancelación", L"Annuleer", L"Отменить",
               L"Przerwij"});
}

TEST(ProgramDialogTexts, DisplayingUnitPresetsUnitsAndNotice)
{
    ExpectRow(g_displayingUnitDialogTexts, 5,
              {L"Custom", L"Kundenspezifisch", L"Coutume", L"Abitudine", L"Costumbre", L"Eigen instelling",
               L"Таможня", L"użytkownika"});
    ExpectRow(g_displayingUnitDialogTexts, 3,
              {L"Scientific", L"Wissenschaftlich", L"Scientifique", L"Scientifico", L"Científico",
               L"Wetenschappelijk", L"Научная", L"naukowa"});
    ExpectRow(g_displayingUnitDialogTexts, 15,
              {L"mmHg", L"mmHg", L"mmHg", L"mmHg", L"mmHg", L"mmHg", L"ммРтст", L"mmHg"});
    ExpectSameInAll(g_displayingUnitDialogTexts, 13, L"inHg");
    ExpectSameInAll(g_displayingUnitDialogTexts, 14, L"mBar/hPa");
    ExpectRow(g_displayingUnitDialogTexts, 20,
              {L"12hr", L"12hr", L"12 h", L"12hr", L"12hr", L"12hr", L"12 ч", L"12hr"});
    ExpectSameInAll(g_displayingUnitDialogTexts, 23, L"\u00B0C");
    // The Italian column of the notice holds a French sentence.
    EXPECT_EQ(std::wstring(L"Ces réglages d'unité sont utilisés par le programme"),
              TextAt(g_displayingUnitDialogTexts, 30, LANGUAGE_ITALIAN));
    EXPECT_EQ(std::wstring(L"Ustawione jednostki miar będą wykorzystywane wyłącznie przez program !"),
              TextAt(g_displayingUnitDialogTexts, 30, LANGUAGE_POLISH));
}

TEST(ProgramDialogTexts, TemperatureHumidityDewpointTables)
{
    for (std::size_t e = 0; e < g_thdDialogTexts.size(); ++e)
        EXPECT_EQ(std::wstring(g_thdDialogTexts[e]), g_mainThdTexts[e]) << "element " << e;
    ExpectRow(g_thdDialogTexts, 0,
              {L"Temperature / Humidity / Dewpoint", L"Temperatur / Feuchtigkeit / Taupunkt",
               L"Température / Hygrométrie / Point de roséé", L"Temperatura / Humedad / Punto di condensazione",
               L"Temperatura / Vochtigheid / Punto de condensación", L"Temperatuur / Vochtigheid / Dauwpunt",
               L"Температура / Влажность / Точка росы", L"Temperatura / Wilgotność / Rosa"});
    ExpectRow(g_mainThdTexts, 10,
              {L"Indoor", L"Innen", L"Intérieur", L"Dell'interno", L"De interior", L"Binnenshuis", L"Помещение",
               L"Wewnątrz"});
    ExpectRow(g_mainThdTexts, 15,
              {L"Channel 5", L"Kanal 5", L"canal 5", L"Manica 5", L"Canal 5", L"Kanaal 5", L"Канал 5", L"Kanał 5"});
    ExpectRow(g_thdDialogTexts, 16,
              {L"Reset", L"Zurückstellen", L"Réinitialisation", L"Risistemazione", L"Reajuste", L"terugstellen",
               L"Перезагрузка", L"Kasuj"});
}

TEST(RecordPrintChartTexts, ClearConfirmations)
{
    ExpectRow(g_clearAllRecordsDialogTexts, 0,
              {L"Clear all records", L"Löschen Sie alle Aufzeichnung", L"Suppression des enregistrements",
               L"Elimini tutte le annotazioni", L"Despeje todos los expedientes", L"Alle records wissen",
               L"Стереть все данные", L"Wyczyść dane"});
    EXPECT_EQ(std::wstring(L"Clear all record"), TextAt(g_clearAllRecordsDialogTexts, 1, LANGUAGE_ENGLISH));
    ExpectRow(g_clearAllRecordsDialogTexts, 2,
              {L"Confirm clear all records?", L"Bestätigen Sie die Löschung aller Aufzeichnungen?",
               L"Confirmez vous la suppression des enregistrements ?", L"Confermi chiaramente tutte le annotazioni?",
               L"¿Confirme claramente todos los expedientes?", L"Bevestig alles wissen?",
               L"Подтвердите стирание всех данных?", L"Potwierdź usunięcie danych z rekordów"});
    for (int language = 0; language < LANGUAGE_COUNT; ++language)
        EXPECT_EQ(std::wstring(TextAt(g_clearRainTotalDialogTexts, 0, language)),
                  TextAt(g_clearRainTotalDialogTexts, 1, language));
    ExpectRow(g_clearRainTotalDialogTexts, 0,
              {L"Clear Rain total", L"Löschen der gesamten Regenmenge", L"Suppression du cumul de pluie",
               L"Totale libero della pioggia", L"Total claro de la lluvia", L"Regen totaal wissen",
               L"Стереть количество Осадков", L"Wyczyść dane o opadach deszczu"});
    ExpectRow(g_clearRainTotalDialogTexts, 2,
              {L"Confirm clear Rain total?", L"Bestätigen Sie die Löschung der gesamten Regenmenge?",
               L"Confirmez vous la suppression du cumul de pluie ?", L"Confermi il totale libero della pioggia?",
               L"¿Confirme el total claro de la lluvia?", L"Bevestig regen wissen?",
               L"Подтверждаете стирание количества Осадков?", L"Potwierdź usunięcie danych o opadach"});
    ExpectSameInAll(g_clearRainTotalDialogTexts, 3, L"OK");
}

TEST(RecordPrintChartTexts, PrintRows)
{
    ExpectRow(g_printDialogTexts, 10,
              {L"Error", L"Störung", L"Erreur", L"Errore", L"Error", L"Fout", L"Ошибка", L"Błąd"});
    ExpectRow(g_printDialogTexts, 11,
              {L"WeatherPrintPreview", L"Wetter- Druck-Vorschau", L"Aperçu avant impression",
               L"Anteprima di stampa del tempo", L"Inspección previo de impresión del tiempo",
               L"De Voorproef van de Druk van het weer", L"Предварительный просмотр",
               L"Drukuj Podgląd Wskazań Pogody"});
    ExpectRow(g_printDialogTexts, 12,
              {L"GetPrinterDevice called failed", L"Falsche Druckereinstellung", L"imprimante par défaut defaillante",
               L"Ottenga il dispositivo dello stampatore denominato venuto a mancare",
               L"Consiga el dispositivo de la impresora llamado fallado",
               L"Krijg het Apparaat van de Printer riep ontbroken", L"Невозможно подключить Принтер",
               L"Informacja o drukarce- błąd"});
    ExpectRow(g_printDialogTexts, 13,
              {L"Failed to read printer properties.", L"Druck fehlgeschlagen",
               L"Impossible de lire les proprietes  de l'imprimante",
               L"Non è riuscito a leggere le proprietà dello stampatore.",
               L"No pudo leer características de la impresora.",
               L"Slaagde er niet in om printereigenschappen te lezen.", L"Свойства текущего Принтера не доступны",
               L"Brak Informacji o właściwościach drukarki"});
    EXPECT_EQ(std::wstring(L"Orientation"), TextAt(g_printDialogTexts, 1, LANGUAGE_FRENCH));
    EXPECT_EQ(std::wstring(L"Portrait"), TextAt(g_printDialogTexts, 2, LANGUAGE_FRENCH));
    EXPECT_EQ(std::wstring(L"Printer"), TextAt(g_printDialogTexts, 6, LANGUAGE_DUTCH));
}

TEST(RecordPrintChartTexts, ChartWindowTexts)
{
    const wchar_t* const ranges[] = {L"Last hour",    L"Pass 12 hours", L"Pass 24 hours", L"Pass 7 days",
                                     L"Pass 30 days", L"Pass 90 days",  L"Last year",     L"All data available"};
    for (int i = 0; i < CHART_TIME_RANGE_COUNT; ++i)
        EXPECT_EQ(std::wstring(ranges[i]), EntryAt(g_chartTimeRangeTexts, i));

    const wchar_t* const series[CHART_SERIES_COUNT] = {
        L"In Temperature",  L"In Humidity",     L"In Dewpoint",     L"Wind Speed - Gust", L"Pressure",
        L"Ch1 Temperature", L"Ch1 Humidity",    L"Ch1 Dewpoint",    L"Wind Speed - Average", L"Ultra Violet",
        L"Ch2 Temperature", L"Ch2 Humidity",    L"Ch2 Dewpoint",    L"Wind Direction",    L"Rain",
        L"Ch3 Temperature", L"Ch3 Humidity",    L"Ch3 Dewpoint",    L"Wind Chill",        L"Ch4 Temperature",
        L"Ch4 Humidity",    L"Ch4 Dewpoint",    L"Ch5 Temperature", L"Ch5 Humidity",      L"Ch5 Dewpoint"};
    for (int i = 0; i < CHART_SERIES_COUNT; ++i)
        EXPECT_EQ(std::wstring(series[i]), EntryAt(g_chartSeriesTitles, CHART_SERIES_TITLE_FIRST + i)) << i;

    EXPECT_STREQ(L"s", g_chartSeriesTitles[0]);
    EXPECT_STREQ(L"", g_chartSeriesTitles[1]);
    for (int e = 2; e <= 26; ++e)
        EXPECT_STREQ(L"cx", g_chartSeriesTitles[e]) << e;
    for (int e = 27; e <= 51; ++e)
        EXPECT_STREQ(L"l", g_chartSeriesTitles[e]) << e;
    EXPECT_STREQ(L"r", g_chartSeriesTitles[77]);
}

TEST(UnitTexts, RowsByQuantityAndUnitIndex)
{
    ExpectRow(g_unitTexts, UNIT_ROW_ALTITUDE + 0, {L"ft", L"ft", L"ft", L"ft", L"ft", L"ft", L"ft", L"Stopy"});
    ExpectRow(g_unitTexts, UNIT_ROW_ALTITUDE + 1, {L"m", L"m", L"m", L"m", L"m", L"m", L"m", L"Metryczna"});
    ExpectSameInAll(g_unitTexts, UNIT_ROW_UV + 0, L"MED/h");
    ExpectSameInAll(g_unitTexts, UNIT_ROW_UV + 1, L"UVI");
    ExpectSameInAll(g_unitTexts, UNIT_ROW_PRESSURE + 0, L"inHg");
    ExpectSameInAll(g_unitTexts, UNIT_ROW_PRESSURE + 1, L"mBar/hPa");
    ExpectRow(g_unitTexts, UNIT_ROW_PRESSURE + 2,
              {L"mmHg", L"mmHg", L"mmHg", L"mmHg", L"mmHg", L"mmHg", L"ммРтст", L"mmHg"});
    ExpectRow(g_unitTexts, UNIT_ROW_RAIN + 0, {L"inch", L"Zoll", L"inch", L"inch", L"inch", L"inch", L"inch", L"inch"});
    ExpectSameInAll(g_unitTexts, UNIT_ROW_RAIN + 1, L"mm");
    ExpectRow(g_unitTexts, UNIT_ROW_TIME_FORMAT + 0, {L"12hr", L"12hr", L"12hr", L"12hr", L"12hr", L"12hr", L"12ч", L"12hr"});
    ExpectRow(g_unitTexts, UNIT_ROW_TIME_FORMAT + 1, {L"24hr", L"24hr", L"24hr", L"24hr", L"24hr", L"24hr", L"24ч", L"24hr"});
    ExpectSameInAll(g_unitTexts, UNIT_ROW_TEMPERATURE + 0, L"\u00B0C");
    ExpectSameInAll(g_unitTexts, UNIT_ROW_TEMPERATURE + 1, L"\u00B0F");
    ExpectRow(g_unitTexts, UNIT_ROW_WIND + 0, {L"km/h", L"km/h", L"km/h", L"km/h", L"km/h", L"km/h", L"км/ч", L"km/h"});
    ExpectSameInAll(g_unitTexts, UNIT_ROW_WIND + 1, L"knots");
    ExpectRow(g_unitTexts, UNIT_ROW_WIND + 2, {L"m/s", L"m/s", L"m/s", L"m/s", L"m/s", L"m/s", L"м/с", L"m/s"});
    ExpectSameInAll(g_unitTexts, UNIT_ROW_WIND + 3, L"mph");
}

TEST(ExportColumnHeaders, EnglishInEveryColumn)
{
    const wchar_t* const headers[EXPORT_COLUMN_HEADER_ROWS] = {
        L"Year",      L"Weekday",   L"Month",     L"Date",     L"Hour",      L"Minute",   L"InTemp",
        L"InRH (%)",  L"CH1Temp",   L"CH1RH (%)", L"CH2Temp",  L"CH2RH (%)", L"CH3Temp",  L"CH3RH (%)",
        L"CH4Temp",   L"CH4RH (%)", L"CH5Temp",   L"CH5RH (%)", L"UV",       L"Baro",     L"Weather",
        L"Wchill",    L"Wgust",     L"Wspeed",    L"W_Dir",    L"RainCount", L"OneHour",  L"r24Hour",
        L"Yesterday", L"LastWeek",  L"LastMonth", L"uvDaily",  L"uvWeekly"};
    for (int row = 0; row < EXPORT_COLUMN_HEADER_ROWS; ++row)
        ExpectSameInAll(g_exportColumnHeaders, row, headers[row]);
}

TEST(MainWindowMessages, UploadResults)
{
    ExpectRow(g_uploadResultTexts, 0,
              {L"Upload success", L"Daten geladen", L"Succès de téléchargement", L"Successo di Upload",
               L"Éxito del Upload", L"Upload succes", L"Загрузка прошла успешно",
               L"Ładowanie danych zakończone sukcesem"});
    ExpectRow(g_uploadResultTexts, 1,
              {L"Upload failure", L"Datenübertragungsfehler", L"Échec de téléchargement", L"Guasto di Upload",
               L"Falta del Upload", L"Upload mislukking", L"Загрузка не произведена",
               L"Ładowanie danych nie powiodło się"});
}

TEST(MainWindowMessages, SmallChartTitles)
{
    ExpectRow(g_smallChartTitles, 0,
              {L"Pressure (Past 24h)", L"Druck der vergangenen 24h", L"Pression (dernières 24 hrs)",
               L"Pressione (oltre 24h)", L"Presión (más allá de 24h)", L"Druk (afgelopen 24 uur)",
               L"Давление (за 24ч)", L"Ciśnienie (ostatnia doba)"});
    ExpectRow(g_smallChartTitles, 1,
              {L"Wind speed (Past 24h)", L"Windgeschwindigkeit (vergangene 24h)", L"vitesse du vent (après 24h)",
               L"Velocità di vento (oltre 24h)", L"Velocidad del viento (más allá de 24h)",
               L"Windsnelheid (afgelopen 24 uur)", L"Скорость ветра (за 24ч)", L"Prędkość Wiatru (ostatnia doba)"});
    ExpectRow(g_smallChartTitles, 2,
              {L"Wind direction (Past 24h)", L"Windrichtung (vergangene 24h)", L"direction du vent (après 24h)",
               L"Senso del vento (oltre 24h)", L"Dirección del viento (más allá de 24h)",
               L"Windrichting (afgelopen 24 uur)", L"Направление (за 24ч)", L"Kierunek Wiatru (ostatnia doba)"});
    ExpectRow(g_smallChartTitles, 3,
              {L"Wind speed & direction (Past 24h)", L"Windgeschwindigkeit u. Richtung (vergangene 24h)",
               L"Vitesse et direction du vent (après 24h)", L"Velocità & senso di vento (oltre 24h)",
               L"Velocidad y dirección del viento (más allá de 24h)", L"Windsnelheid & richting (afgelopen 24 uur)",
               L"Скорость и направление Ветра (за 24ч)", L"Prędkość i kierunek wiatru (ostatnia doba)"});
    ExpectRow(g_smallChartTitles, 4,
              {L"Rainfall (Past 14 days)", L"Niederschlag (der vergangenen 14 Tage )",
               L"Précipitations (après 14 jours)", L"Pioggia (oltre 14 giorno)", L"Precipitación (más allá de 14 día)",
               L"Regenval (afgelopen 14 dag)", L"Количество осадков (за 14 дней)", L"Opady deszczu (ostatnie 14 dni)"});
}

TEST(MainWindowMessages, SunTextsMatchTheirRowsInEveryLanguage)
{
    ExpectRow(g_smallChartTitles, 5,
              {L"Always sunset", L"Immer Sonnenuntergang", L"Toujours coucher du soleil", L"Sempre tramonto",
               L"Siempre puesta del sol", L"Altijd zonsondergang", L"Всегда заход Солнца", L"Zawsze zachód słońca"});
    ExpectRow(g_smallChartTitles, 6,
              {L"Always sunrise", L"Immer Sonnenaufgang", L"Toujours lever de soleil", L"Sempre alba",
               L"Siempre salida del sol", L"Altijd zonsopgang", L"Всегда восход Солнца", L"Zawsze wschód słońca"});
}

TEST(MainWindowMessages, ConnectionPromptsAndClose)
{
    ExpectSameInAll(g_reconnectPromptTexts, 0,
                    L"Please disconnect the Weather Station for ten seconds and re-connect it again before running "
                    L"this program.");
    ExpectRow(g_connectPromptTexts, 0,
              {L"Please ensure the Weather Station is connected before running this program.",
               L"Verbinden Sie erst die Wetterstation mit dem PC, bevor Sie die Software starten ",
               L"SVP assurez vous que la station est connectée avant de lancer le programme",
               L"Accerti prego la stazione metereologica è collegato prima del funzionamento del questo programma.",
               L"Asegure por favor la estación meteorológica está conectado antes de funcionar este programa.",
               L"Gelieve te verzekeren het Weerstation alvorens dit programma in werking te stellen wordt verbonden.",
               L"Пожалуйста обеспечьте станцию погоды подключает перед бежать эта программа.",
               L"Please ensure the Weather Station is connected before running this program."});
    const std::wstring german = TextAt(g_connectPromptTexts, 0, LANGUAGE_GERMAN);
    EXPECT_EQ(L' ', german.back());
    ExpectRow(g_closeTexts, 0, {L"Close", L"Ende", L"Fermer", L"Fine", L"Cierre", L"Sluit", L"Закрыть", L"Zamknij"});
}

TEST(MainWindowMessages, EnglishOnlyErrorAndProgressTexts)
{
    EXPECT_STREQ(L"Can't receive data!", EntryAt(g_dataErrorTexts, 0));
    EXPECT_STREQ(L"Can't read data file!", EntryAt(g_dataErrorTexts, 1));
    EXPECT_STREQ(L"Receiving data... ", EntryAt(g_progressTexts, 0));
    EXPECT_STREQ(L"% done", EntryAt(g_progressTexts, 1));
    EXPECT_STREQ(L"Remaining time  ", EntryAt(g_progressTexts, 2));
    EXPECT_STREQ(L" ", EntryAt(g_progressTexts, 3));
    // The status texts are run together: one blank before the number, none after it.
    EXPECT_EQ(std::wstring(L"Receiving data... 100% done"),
              std::wstring(g_progressTexts[0]) + L"100" + g_progressTexts[1]);
    EXPECT_EQ(std::wstring(L"Remaining time  2:00"), std::wstring(g_progressTexts[2]) + L"2:00");
}

}  // namespace
