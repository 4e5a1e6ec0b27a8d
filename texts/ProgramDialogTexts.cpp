// Texts of the dialogs that edit the program's own settings: automatic saving,
// display views, displaying units, language, temperature / humidity / dewpoint
// lines. The main window keeps two tables of its own with the same rows as the
// auto-saving and temperature / humidity / dewpoint tables. Rows in language
// order English, German, French, Italian, Spanish, Dutch, Russian, Polish; SUP
// marks a text from SuppliedTexts.h.
#include "texts/TextTables.h"
#include "texts/TextBuild.h"
#include "texts/SuppliedTexts.h"

using namespace texts_build;

namespace {

#define CANCEL_ROW ROW8(L"Cancel", L"Löschen", L"Annulation", L"Annullamento", L"Cancelación", L"Annuleer", \
                        L"Отменить", L"Przerwij")

// Rows 2..10 are the saving intervals in list order; row 16 is the default
// file-name prefix of the saved files.
constexpr Row kAutoSaving[] = {
    /*  0 */ ROW8(L"AutoSaving", SUP, SUP, SUP, SUP, L"Automatisch opslaa", SUP, SUP),
    /*  1 */ ROW8(L"Auto saving interval", SUP, SUP, SUP, SUP, L"Automatisch opslaa", SUP, SUP),
    /*  2 */ EN_ONLY(L"none"),
    /*  3 */ ROW8(L"2 minutes", SUP, L"2 minutes", SUP, SUP, SUP, SUP, SUP),
    /*  4 */ ROW8(L"5 minutes", SUP, L"5 minutes", SUP, SUP, SUP, SUP, SUP),
    /*  5 */ ROW8(L"10 minutes", SUP, L"10 minutes", SUP, SUP, SUP, SUP, SUP),
    /*  6 */ ROW8(L"30 minutes", SUP, L"30 minutes", SUP, SUP, SUP, SUP, SUP),
    // Spanish "hora": the interval is one hour.
    /*  7 */ ROW8(L"hour", L"Stunde", L"heure", L"ora", L"hora", L"uur", L"час", L"godzina"),
    /*  8 */ EN_ONLY(L"day"),
    /*  9 */ EN_ONLY(L"week"),
    /* 10 */ ROW8(L"month", L"Monat", L"mois", L"mesi", L"meses", L"maanden", L"месяцы", L"miesiąc"),
    /* 11 */ EN_ONLY(L"File format"),
    /* 12 */ EN_ONLY(L"Excel Document"),
    /* 13 */ EN_ONLY(L"Text Document"),
    /* 14 */ EN_ONLY(L"JPEG file"),
    /* 15 */ EN_ONLY(L"File name"),
    /* 16 */ ROW8(L"RECORD", L"Aufzeichnung", L"enregistrement", L"Annotazione", L"Registro", L"Record", L"Запись",
                  L"REKORD"),
    /* 17 */ SAME8(L"Set path..."),
    /* 18 */ SAME8(L"Auto saving directory is:"),
    /* 19 */ SAME8(L"OK"),
    /* 20 */ CANCEL_ROW,
    /* 21 */ SAME8(L"Computer Date / Time"),
    /* 22 */ SAME8(L"Device Date / Time"),
    /* 23 */ SAME8(L"Past Record"),
    /* 24 */ SAME8(L"Device Date / Time"),
    /* 25 */ EN_ONLY(L"Temperature"),
    /* 26 */ EN_ONLY(L"Humidity"),
    /* 27 */ EN_ONLY(L"Dewpoint"),
    /* 28 */ EN_ONLY(L"Pressure"),
    /* 29 */ SAME8(L"UV"),
    /* 30 */ EN_ONLY(L"Rain"),
    /* 31 */ EN_ONLY(L"Wind Speed"),
    /* 32 */ EN_ONLY(L"Wind Direction"),
    /* 33 */ EN_ONLY(L"Wind Chill"),
    /* 34 */ SAME8(L"Wind Gust"),
};

constexpr Row kDisplayDialog[] = {
    /*  0 */ ROW8(L"Display", L"Anzeige", L"Affichage", L"Esposizione", L"Exhibición", L"Uitlezing", L"Дисплей",
                  L"Wyświetlanie"),
    /*  1 */ ROW8(L"Display", L"Anzeige", L"Affichage", L"Esposizione", L"Exhibición", L"Uitlezing", L"Дисплей",
                  L"Wyświetlanie"),
    /*  2 */ EN_ONLY(L"Part"),
    /*  3 */ EN_ONLY(L"View"),
    /*  4 */ ROW8(L"Weather Forecast", L"Wettervorhersage", L"Prévisions météorologiques", L"Bollettino meteorologico",
                  L"Parte meteorológico", L"Weervoorspelling", L"Прогноз погоды", L"Prognoza Pogody"),
    /*  5 */ EN_ONLY(L"Pressure"),
    /*  6 */ EN_ONLY(L"Ultra Violet"),
    /*  7 */ EN_ONLY(L"Rain"),
    /*  8 */ EN_ONLY(L"Wind Speed"),
    /*  9 */ EN_ONLY(L"Wind Direction"),
    /* 10 */ SAME8(L"OK"),
    /* 11 */ CANCEL_ROW,
};

// Rows 2..5 are the presets; every quantity caption is followed by its unit
// choices in the order of the unit's index.
constexpr Row kDisplayingUnitDialog[] = {
    /*  0 */ EN_ONLY(L"Displaying unit"),
    /*  1 */ EN_ONLY(L"Displaying unit"),
    /*  2 */ ROW8(L"English", L"Englisch", L"Anglais", L"Inglese", L"Inglés", L"Engels", L"Английский", L"angielska"),
    /*  3 */ ROW8(L"Scientific", L"Wissenschaftlich", L"Scientifique", L"Scientifico", L"Científico",
                  L"Wetenschappelijk", L"Научная", L"naukowa"),
    /*  4 */ ROW8(L"Metric", L"Metrisch", L"Métrique", L"Metrico", L"Métrico", L"Metrisch", L"Метрическая",
                  L"metryczna"),
    /*  5 */ ROW8(L"Custom", L"Kundenspezifisch", L"Coutume", L"Abitudine", L"Costumbre", L"Eigen instelling",
                  L"Таможня", L"użytkownika"),
    /*  6 */ EN_ONLY(L"Altitude"),
    /*  7 */ ROW8(L"ft", L"ft", L"ft", L"ft", L"ft", L"ft", L"ft", L"Stopy"),
    /*  8 */ ROW8(L"m", L"m", L"m", L"m", L"m", L"m", L"m", L"Metryczna"),
    /*  9 */ EN_ONLY(L"Ultra violet"),
    /* 10 */ SAME8(L"MED/h"),
    /* 11 */ SAME8(L"UVI"),
    /* 12 */ EN_ONLY(L"Pressure"),
    /* 13 */ SAME8(L"inHg"),
    /* 14 */ SAME8(L"mBar/hPa"),
    /* 15 */ ROW8(L"mmHg", L"mmHg", L"mmHg", L"mmHg", L"mmHg", L"mmHg", L"ммРтст", L"mmHg"),
    /* 16 */ EN_ONLY(L"Rain"),
    /* 17 */ ROW8(L"inch", L"Zoll", L"inch", L"inch", L"inch", L"inch", L"inch", L"inch"),
    /* 18 */ SAME8(L"mm"),
    /* 19 */ EN_ONLY(L"Hour format"),
    /* 20 */ ROW8(L"12hr", L"12hr", L"12 h", L"12hr", L"12hr", L"12hr", L"12 ч", L"12hr"),
    /* 21 */ ROW8(L"24hr", L"24hr", L"24 h", L"24hr", L"24hr", L"24hr", L"24 ч", L"24hr"),
    /* 22 */ EN_ONLY(L"Temperature"),
    /* 23 */ SAME8(L"°C"),
    /* 24 */ SAME8(L"°F"),
    /* 25 */ EN_ONLY(L"Wind"),
    /* 26 */ ROW8(L"km/h", L"km/h", L"km/h", L"km/h", L"km/h", L"km/h", L"км/ч", L"km/h"),
    /* 27 */ SAME8(L"knots"),
    /* 28 */ ROW8(L"m/s", L"m/s", L"m/s", L"m/s", L"m/s", L"m/s", L"м/с", L"m/s"),
    /* 29 */ SAME8(L"mph"),
    // The Italian column holds a French sentence.
    /* 30 */ ROW8(L"These unit settings are used inside the program exclusively!",
                  L"Diese Maßeinheit Einstellungen werden ausschließlich innerhalb des Programms benutzt!",
                  L"Ces arrangements d'unité sont employés à l'intérieur du programme exclusivement !",
                  L"Ces réglages d'unité sont utilisés par le programme",
                  L"¡Estos ajustes de la unidad se utilizan dentro del programa exclusivamente!",
                  L"Deze instellingen worden exclusief binnen het programma gebruikt",
                  L"Данные установки используются программой эсклюзивно!",
                  L"Ustawione jednostki miar będą wykorzystywane wyłącznie przez program !"),
    /* 31 */ SAME8(L"OK"),
    /* 32 */ CANCEL_ROW,
};

constexpr Row kLanguageDialog[] = {
    /* 0 */ ROW8(L"Language", L"Sprache", L"Langue", L"Lingua", L"Lengua", L"Taal", L"Язык", L"Język"),
    /* 1 */ ROW8(L"Language", L"Sprache", L"Langue", L"Lingua", L"Lengua", L"Taal", L"Язык", L"Język"),
    /* 2 */ SAME8(L"OK"),
    /* 3 */ CANCEL_ROW,
};

// Rows 10..15 are the default names of the indoor sensor and channels 1..5.
constexpr Row kThd[] = {
    /*  0 */ ROW8(L"Temperature / Humidity / Dewpoint", L"Temperatur / Feuchtigkeit / Taupunkt",
                  L"Température / Hygrométrie / Point de roséé", L"Temperatura / Humedad / Punto di condensazione",
                  L"Temperatura / Vochtigheid / Punto de condensación", L"Temperatuur / Vochtigheid / Dauwpunt",
                  L"Температура / Влажность / Точка росы", L"Temperatura / Wilgotność / Rosa"),
    /*  1 */ ROW8(L"Temperature / Humidity / Dewpoint", L"Temperatur / Feuchtigkeit / Taupunkt",
                  L"Température / Hygrométrie / Point de roséé", L"Temperatura / Humedad / Punto di condensazione",
                  L"Temperatura / Vochtigheid / Punto de condensación", L"Temperatuur / Vochtigheid / Dauwpunt",
                  L"Температура / Влажность / Точка росы", L"Temperatura / Wilgotność / Rosa"),
    /*  2 */ EN_ONLY(L"Temperature"),
    /*  3 */ EN_ONLY(L"Humidity"),
    /*  4 */ EN_ONLY(L"Dewpoint"),
    /*  5 */ EN_ONLY(L"Channel"),
    /*  6 */ EN_ONLY(L"Location name"),
    /*  7 */ EN_ONLY(L"Line Type"),
    /*  8 */ EN_ONLY(L"Thickness"),
    /*  9 */ EN_ONLY(L"Color"),
    /* 10 */ ROW8(L"Indoor", L"Innen", L"Intérieur", L"Dell'interno", L"De interior", L"Binnenshuis", L"Помещение",
                  L"Wewnątrz"),
    /* 11 */ ROW8(L"Channel 1", L"Kanal 1", L"canal 1", L"Manica 1", L"Canal 1", L"Kanaal 1", L"Канал 1", L"Kanał 1"),
    /* 12 */ ROW8(L"Channel 2", L"Kanal 2", L"canal 2", L"Manica 2", L"Canal 2", L"Kanaal 2", L"Канал 2", L"Kanał 2"),
    /* 13 */ ROW8(L"Channel 3", L"Kanal 3", L"canal 3", L"Manica 3", L"Canal 3", L"Kanaal 3", L"Канал 3", L"Kanał 3"),
    /* 14 */ ROW8(L"Channel 4", L"Kanal 4", L"canal 4", L"Manica 4", L"Canal 4", L"Kanaal 4", L"Канал 4", L"Kanał 4"),
    /* 15 */ ROW8(L"Channel 5", L"Kanal 5", L"canal 5", L"Manica 5", L"Canal 5", L"Kanaal 5", L"Канал 5", L"Kanał 5"),
    /* 16 */ ROW8(L"Reset", L"Zurückstellen", L"Réinitialisation", L"Risistemazione", L"Reajuste", L"terugstellen",
                  L"Перезагрузка", L"Kasuj"),
    /* 17 */ SAME8(L"OK"),
    /* 18 */ CANCEL_ROW,
};

#undef CANCEL_ROW

}  // namespace

constexpr TextTable<RowsTimesLanguages(AUTO_SAVING_ROWS)> g_autoSavingDialogTexts =
    BuildTable(kAutoSaving, supplied::kAutoSaving);
constexpr TextTable<RowsTimesLanguages(AUTO_SAVING_ROWS)> g_mainAutoSavingTexts =
    BuildTable(kAutoSaving, supplied::kAutoSaving);
constexpr TextTable<RowsTimesLanguages(DISPLAY_DIALOG_ROWS)> g_displayDialogTexts =
    BuildTable(kDisplayDialog, supplied::kDisplayDialog);
constexpr TextTable<RowsTimesLanguages(DISPLAYING_UNIT_DIALOG_ROWS)> g_displayingUnitDialogTexts =
    BuildTable(kDisplayingUnitDialog, supplied::kDisplayingUnitDialog);
constexpr TextTable<RowsTimesLanguages(LANGUAGE_DIALOG_ROWS)> g_languageDialogTexts = BuildTable(kLanguageDialog);
constexpr TextTable<RowsTimesLanguages(THD_ROWS)> g_thdDialogTexts = BuildTable(kThd, supplied::kThd);
constexpr TextTable<RowsTimesLanguages(THD_ROWS)> g_mainThdTexts = BuildTable(kThd, supplied::kThd);

// Language names by language id; the Language dialog's choices.
constexpr TextTable<LANGUAGE_COUNT> g_languageNames = {
    L"English", L"Deutsch", L"Francais", L"Italiano", L"Español", L"Nederlands", L"Русско", L"Polski",
};
