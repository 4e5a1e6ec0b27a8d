// Texts of the two clearing confirmations, the print preview and the
// all-sensor chart window. Rows in language order English, German, French,
// Italian, Spanish, Dutch, Russian, Polish; SUP marks a text from
// SuppliedTexts.h.
#include "texts/TextTables.h"
#include "texts/TextBuild.h"
#include "texts/SuppliedTexts.h"

using namespace texts_build;

namespace {

#define CANCEL_ROW ROW8(L"Cancel", L"Löschen", L"Annulation", L"Annullamento", L"Cancelación", L"Annuleer", \
                        L"Отменить", L"Przerwij")

constexpr Row kClearAllRecordsDialog[] = {
    /* 0 */ ROW8(L"Clear all records", L"Löschen Sie alle Aufzeichnung", L"Suppression des enregistrements",
                 L"Elimini tutte le annotazioni", L"Despeje todos los expedientes", L"Alle records wissen",
                 L"Стереть все данные", L"Wyczyść dane"),
    /* 1 */ ROW8(L"Clear all record", L"Löschen Sie alle Aufzeichnung", L"Suppression des enregistrements",
                 L"Elimini tutta l'annotazione", L"Despeje todo el expediente", L"Ontruim al verslag",
                 L"Стереть данное", L"Wyczyść rekord"),
    /* 2 */ ROW8(L"Confirm clear all records?", L"Bestätigen Sie die Löschung aller Aufzeichnungen?",
                 L"Confirmez vous la suppression des enregistrements ?", L"Confermi chiaramente tutte le annotazioni?",
                 L"¿Confirme claramente todos los expedientes?", L"Bevestig alles wissen?",
                 L"Подтвердите стирание всех данных?", L"Potwierdź usunięcie danych z rekordów"),
    /* 3 */ SAME8(L"OK"),
    /* 4 */ CANCEL_ROW,
};

constexpr Row kClearRainTotalDialog[] = {
    /* 0 */ ROW8(L"Clear Rain total", L"Löschen der gesamten Regenmenge", L"Suppression du cumul de pluie",
                 L"Totale libero della pioggia", L"Total claro de la lluvia", L"Regen totaal wissen",
                 L"Стереть количество Осадков", L"Wyczyść dane o opadach deszczu"),
    /* 1 */ ROW8(L"Clear Rain total", L"Löschen der gesamten Regenmenge", L"Suppression du cumul de pluie",
                 L"Totale libero della pioggia", L"Total claro de la lluvia", L"Regen totaal wissen",
                 L"Стереть количество Осадков", L"Wyczyść dane o opadach deszczu"),
    /* 2 */ ROW8(L"Confirm clear Rain total?", L"Bestätigen Sie die Löschung der gesamten Regenmenge?",
                 L"Confirmez vous la suppression du cumul de pluie ?", L"Confermi il totale libero della pioggia?",
                 L"¿Confirme el total claro de la lluvia?", L"Bevestig regen wissen?",
                 L"Подтверждаете стирание количества Осадков?", L"Potwierdź usunięcie danych o opadach"),
    /* 3 */ SAME8(L"OK"),
    /* 4 */ CANCEL_ROW,
};

// Row 11 is the print job's document name; 12 and 13 are printer messages, 14 the message for an
// emptied margin field.
constexpr Row kPrintDialog[] = {
    /*  0 */ EN_ONLY(L"Print"),
    /*  1 */ ROW8(L"Orientation", SUP, L"Orientation", SUP, SUP, SUP, SUP, SUP),
    /*  2 */ ROW8(L"Portrait", SUP, L"Portrait", SUP, SUP, SUP, SUP, SUP),
    /*  3 */ EN_ONLY(L"Landscape"),
    /*  4 */ EN_ONLY(L"Margins (%)"),
    /*  5 */ EN_ONLY(L"Reset Margins"),
    /*  6 */ ROW8(L"Printer", SUP, SUP, SUP, SUP, L"Printer", SUP, SUP),
    /*  7 */ EN_ONLY(L"Setup"),
    /*  8 */ EN_ONLY(L"Print"),
    /*  9 */ EN_ONLY(L"Close"),
    /* 10 */ ROW8(L"Error", L"Störung", L"Erreur", L"Errore", L"Error", L"Fout", L"Ошибка", L"Błąd"),
    /* 11 */ ROW8(L"WeatherPrintPreview", L"Wetter- Druck-Vorschau", L"Aperçu avant impression",
                  L"Anteprima di stampa del tempo", L"Inspección previo de impresión del tiempo",
                  L"De Voorproef van de Druk van het weer", L"Предварительный просмотр",
                  L"Drukuj Podgląd Wskazań Pogody"),
    /* 12 */ ROW8(L"GetPrinterDevice called failed", L"Falsche Druckereinstellung", L"imprimante par défaut defaillante",
                  L"Ottenga il dispositivo dello stampatore denominato venuto a mancare",
                  L"Consiga el dispositivo de la impresora llamado fallado",
                  L"Krijg het Apparaat van de Printer riep ontbroken", L"Невозможно подключить Принтер",
                  L"Informacja o drukarce- błąd"),
    // French with two blanks after "proprietes".
    /* 13 */ ROW8(L"Failed to read printer properties.", L"Druck fehlgeschlagen",
                  L"Impossible de lire les proprietes  de l'imprimante",
                  L"Non è riuscito a leggere le proprietà dello stampatore.",
                  L"No pudo leer características de la impresora.",
                  L"Slaagde er niet in om printereigenschappen te lezen.", L"Свойства текущего Принтера не доступны",
                  L"Brak Informacji o właściwościach drukarki"),
    /* 14 */ ROW8(L"A margin field is empty: enter a margin from 0 to 50 (%). The margin in use is shown again.",
                  L"Ein Randfeld ist leer: Geben Sie einen Rand von 0 bis 50 (%) ein. Der verwendete Rand wird wieder "
                  L"angezeigt.",
                  L"Un champ de marge est vide\u00A0: saisissez une marge de 0 à 50 (%). La marge utilisée est de nouveau "
                  L"affichée.",
                  L"Un campo del margine è vuoto: inserire un margine da 0 a 50 (%). Viene mostrato di nuovo il "
                  L"margine in uso.",
                  L"Un campo de margen está vacío: introduzca un margen de 0 a 50 (%). Se muestra de nuevo el margen "
                  L"en uso.",
                  L"Een margeveld is leeg: voer een marge van 0 tot 50 (%) in. De gebruikte marge wordt weer getoond.",
                  L"Поле страницы не задано: введите значение от 0 до 50 (%). Снова показано используемое значение.",
                  L"Pole marginesu jest puste: wpisz margines od 0 do 50 (%). Ponownie pokazano używany margines."),
};

#undef CANCEL_ROW

}  // namespace

constexpr TextTable<RowsTimesLanguages(CLEAR_DIALOG_ROWS)> g_clearAllRecordsDialogTexts =
    BuildTable(kClearAllRecordsDialog);
constexpr TextTable<RowsTimesLanguages(CLEAR_DIALOG_ROWS)> g_clearRainTotalDialogTexts =
    BuildTable(kClearRainTotalDialog);
constexpr TextTable<RowsTimesLanguages(PRINT_DIALOG_ROWS)> g_printDialogTexts =
    BuildTable(kPrintDialog, supplied::kPrintDialog);

// The all-sensor chart window's time ranges in list order, English in every
// language.
constexpr TextTable<CHART_TIME_RANGE_COUNT> g_chartTimeRangeTexts = {
    L"Last hour",    L"Pass 12 hours", L"Pass 24 hours", L"Pass 7 days",
    L"Pass 30 days", L"Pass 90 days",  L"Last year",     L"All data available",
};

// Entries 52..76 title the chart window's 25 series (series i is entry 52 + i);
// the other entries are short placeholders that nothing shows.
#define CX5 L"cx", L"cx", L"cx", L"cx", L"cx"
#define L5 L"l", L"l", L"l", L"l", L"l"
constexpr TextTable<CHART_SERIES_TITLE_COUNT> g_chartSeriesTitles = {
    /*  0 */ L"s",
    /*  1 */ L"",
    /*  2 */ CX5, CX5, CX5, CX5, CX5,
    /* 27 */ L5, L5, L5, L5, L5,
    /* 52 */ L"In Temperature", L"In Humidity", L"In Dewpoint", L"Wind Speed - Gust", L"Pressure",
    /* 57 */ L"Ch1 Temperature", L"Ch1 Humidity", L"Ch1 Dewpoint", L"Wind Speed - Average", L"Ultra Violet",
    /* 62 */ L"Ch2 Temperature", L"Ch2 Humidity", L"Ch2 Dewpoint", L"Wind Direction", L"Rain",
    /* 67 */ L"Ch3 Temperature", L"Ch3 Humidity", L"Ch3 Dewpoint", L"Wind Chill",
    /* 71 */ L"Ch4 Temperature", L"Ch4 Humidity", L"Ch4 Dewpoint",
    /* 74 */ L"Ch5 Temperature", L"Ch5 Humidity", L"Ch5 Dewpoint",
    /* 77 */ L"r",
};
#undef CX5
#undef L5

// std::array's aggregate initialisation would leave missing entries null:
// make sure every entry is written.
static_assert(g_chartSeriesTitles[CHART_SERIES_TITLE_COUNT - 1] != nullptr, "chart series titles incomplete");
static_assert(g_chartTimeRangeTexts[CHART_TIME_RANGE_COUNT - 1] != nullptr, "time ranges incomplete");
