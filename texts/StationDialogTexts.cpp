// Texts of the dialogs that edit settings kept in the station: alarms,
// altitude, record interval and location. Rows in language order English,
// German, French, Italian, Spanish, Dutch, Russian, Polish; SUP marks a text
// from SuppliedTexts.h.
#include "texts/TextTables.h"
#include "texts/TextBuild.h"
#include "texts/SuppliedTexts.h"

using namespace texts_build;

namespace {

// The last row of the alarm, altitude and location tables: a field of a number holds none.
constexpr Row kNumberNeeded = ROW8(L"Please enter a number in this field.", L"Bitte geben Sie in dieses Feld eine Zahl ein.",
                                   L"Veuillez saisir un nombre dans ce champ.", L"Inserire un numero in questo campo.",
                                   L"Introduzca un número en este campo.", L"Voer in dit veld een getal in.",
                                   L"Введите в это поле число.", L"Wpisz liczbę w tym polu.");
// The row after it in the same tables: a field of a whole number holds a number with a fraction.
constexpr Row kWholeNumberNeeded =
    ROW8(L"Please enter a whole number in this field.", L"Bitte geben Sie in dieses Feld eine ganze Zahl ein.",
         L"Veuillez saisir un nombre entier dans ce champ.", L"Inserire un numero intero in questo campo.",
         L"Introduzca un número entero en este campo.", L"Voer in dit veld een geheel getal in.",
         L"Введите в это поле целое число.", L"Wpisz liczbę całkowitą w tym polu.");

// A number field holds a number beyond the range the field takes: "%s" the lowest, then the
// highest number it takes.
constexpr Row kNumberRange[] = {
    ROW8(L"Please enter a number from %s to %s in this field.",
         L"Bitte geben Sie in dieses Feld eine Zahl von %s bis %s ein.",
         L"Veuillez saisir un nombre de %s à %s dans ce champ.", L"Inserire un numero da %s a %s in questo campo.",
         L"Introduzca un número de %s a %s en este campo.", L"Voer in dit veld een getal van %s tot %s in.",
         L"Введите в это поле число от %s до %s.", L"Wpisz w tym polu liczbę od %s do %s."),
};

constexpr Row kAlarmDialog[] = {
    /*  0 */ SAME8(L"Alarm setting"),
    /*  1 */ ROW8(L"Weather alarm settings", L"Einstellungen Wetterwarnung", L"Réglage des alarmes",
                  L"Regolazioni dell'allarme del tempo", L"Ajustes del alarmar del tiempo", L"Weeralarm instelling",
                  L"Установки сигнала тревоги", L"Alarm dla Pogody"),
    /*  2 */ EN_ONLY(L"Activate"),
    /*  3 */ EN_ONLY(L"Upper limit"),
    /*  4 */ EN_ONLY(L"Lower limit"),
    /*  5 */ EN_ONLY(L"Current setting"),
    /*  6 */ EN_ONLY(L"Temperature"),
    /*  7 */ ROW8(L"Rainfall (Past 24 hours)", L"Niederschlag (vergangene 24 Stunden)",
                  L"Précipitations (dernieres 24 heures)", L"Pioggia (scorso 24 ore)",
                  L"Precipitación (más allá de 24 horas)", L"Regenval (afgelopen 24 uur)",
                  L"Выпало осадков (за сутки)", L"Opady deszczu (ostatnia doba)"),
    /*  8 */ EN_ONLY(L"Wind Speed"),
    /*  9 */ EN_ONLY(L"Gust speed"),
    /* 10 */ SAME8(L"Alarm time settings"),
    /* 11 */ EN_ONLY(L"Activate"),
    /* 12 */ ROW8(L"Alarm time (hh:mm)", L"Alarmzeit (hh:mm)", L"Heure de l'alarme (hh.mm)",
                  L"Tempo dell'allarme (hh:mm)", L"Tiempo del alarmar (hh:mm)", L"Alarmtijd (uu:mm)",
                  L"Сигнал Будильника (ЧЧ:ММ)", L"Alarm"),
    /* 13 */ EN_ONLY(L"Current setting"),
    /* 14 */ EN_ONLY(L"Weekday alarm"),
    /* 15 */ EN_ONLY(L"Single alarm"),
    /* 16 */ EN_ONLY(L"Pre alarm"),
    /* 17 */ EN_ONLY(L"Period"),
    /* 18 */ EN_ONLY(L"Duration"),
    /* 19 */ ROW8(L"Upload new setting", L"Neue Einstellungen laden", L"Téléchargement du nouveau reglage",
                  L"Nuova regolazione di Upload", L"Nuevo ajuste del Upload", L"Upload nieuwe instelling",
                  L"Загрузка новых установок", L"Ładowanie nowych ustawień"),
    /* 20 */ ROW8(L"Close", L"Ende", L"Fermer", L"Fine", L"Cierre", L"Sluit", L"Закрыть", L"Zamknij"),
    /* 21 */ SAME8(L"AM"),
    /* 22 */ SAME8(L"PM"),
    /* 23 */ kNumberNeeded,
    /* 24 */ kWholeNumberNeeded,
};

constexpr Row kAltitudeDialog[] = {
    /* 0 */ ROW8(L"Altitude", L"Höhe", L"Altitude", L"Altitudine", L"Altitud", L"Hoogte", L"Высота",
                 L"Wysokość nad poziomem morza"),
    /* 1 */ ROW8(L"Altitude", L"Höhe", L"Altitude", L"Altitudine", L"Altitud", L"Hoogte", L"Высота",
                 L"Wysokość nad poziomem morza"),
    /* 2 */ ROW8(L"Altitude (m)", L"Höhe (m)", L"Altitude (m)", L"Altitudine (m)", L"Altitud (m)", L"Hoogte (m)",
                 L"Высота (m)", L"Wysokość (Metryczna)"),
    /* 3 */ ROW8(L"Altitude (ft)", L"Höhe (ft)", L"Altitude (ft)", L"Altitudine (ft)", L"Altitud (ft)",
                 L"Hoogte (ft)", L"Высота (ft)", L"Wysokość (Stopy)"),
    /* 4 */ ROW8(L"Current setting", L"Aktuelle Einstellung", L"réglage normal", L"Regolazione corrente",
                 L"Ajuste actual", L"Huidige instelling", L"Текущие установки", L"Obecne ustawienie"),
    /* 5 */ ROW8(L"Upload new setting", L"Neue Einstellungen laden", L"Téléchargement du nouveau réglage",
                 L"Nuova regolazione di Upload", L"Nuevo ajuste del Upload", L"Upload nieuwe instelling",
                 L"Загрузка новых установок", L"Załaduj nowe ustawienia"),
    /* 6 */ ROW8(L"Close", L"Ende", L"Fermer", L"Fine", L"Cierre", L"Sluit", L"Закрыть", L"Zamknij"),
    /* 7 */ kNumberNeeded,
    /* 8 */ kWholeNumberNeeded,
};

// Rows 2..12 are the interval choices; list position k is interval code k + 1.
constexpr Row kRecordIntervalDialog[] = {
    /*  0 */ ROW8(L"Record Interval", L"Aufzeichnungsinterval", L"intervalle d'enregistrement", L"Intervallo record",
                  L"Intervalo de registro", L"Record interval", L"Интервал записи", L"Zapisz w odstępie.."),
    /*  1 */ ROW8(L"Record Interval", L"Aufzeichnungsinterval", L"intervalle d'enregistrement", L"Intervallo record",
                  L"Intervalo de registro", L"Record interval", L"Интервал записи", L"Zapisz w odstępie.."),
    /*  2 */ ROW8(L"5 minutes", SUP, L"5 minutes", SUP, SUP, SUP, SUP, SUP),
    /*  3 */ ROW8(L"10 minutes", SUP, L"10 minutes", SUP, SUP, SUP, SUP, SUP),
    /*  4 */ ROW8(L"20 minutes", SUP, L"20 minutes", SUP, SUP, SUP, SUP, SUP),
    /*  5 */ ROW8(L"30 minutes", SUP, L"30 minutes", SUP, SUP, SUP, SUP, SUP),
    /*  6 */ EN_ONLY(L"1 hour"),
    /*  7 */ ROW8(L"1.5 hours", L"1.5 Stunden", L"1 heure et demie", L"1.5 ore", L"1.5 horas", L"1.5 uur", L"1.5 часа",
                  L"1.5 godziny"),
    /*  8 */ EN_ONLY(L"2 hours"),
    /*  9 */ EN_ONLY(L"3 hours"),
    /* 10 */ EN_ONLY(L"4 hours"),
    /* 11 */ EN_ONLY(L"5 hours"),
    /* 12 */ ROW8(L"1 day", L"1 Tag", L"1 jour", L"1 giorno", L"1 día", L"1 dag", L"1 день", L"1 dnia"),
    /* 13 */ ROW8(L"Upload new setting", L"Neue Einstellungen laden", L"Téléchargement du nouveau reglage",
                  L"Nuova regolazione di Upload", L"Nuevo ajuste del Upload", L"Upload nieuwe instelling",
                  L"Загрузка новых установок", L"Wczytaj nowe ustawienia"),
    /* 14 */ EN_ONLY(L"Close"),
};

// Rows 4..10 are the seven regions of the city database, in its order.
constexpr Row kLocationDialog[] = {
    /*  0 */ EN_ONLY(L"Location"),
    /*  1 */ EN_ONLY(L"Local settings (local city)"),
    /*  2 */ EN_ONLY(L"2nd settings (slave city)"),
    /*  3 */ ROW8(L"Region", L"Region", L"Région", L"Regione", L"Región", L"Gebied", L"Регион", L"Region"),
    /*  4 */ ROW8(L"Africa", L"Afrika", L"L'Afrique", L"L'Africa", L"África", L"Afrika", L"Африка", L"Africa"),
    /*  5 */ ROW8(L"Asia", L"Asien", L"L'Asie", L"L'Asia", L"Asia", L"Azië", L"Азия", L"Asia"),
    /*  6 */ ROW8(L"Australia / Pacific", L"Australien /Pazifik", L"L'Australie /Pacifique", L"L'Australia /Pacifico",
                  L"Australia /El Pacífico", L"Australië /De Stille Oceaan", L"Австралия /Тихий Океан",
                  L"Australia / Pacific"),
    /*  7 */ ROW8(L"Europe", L"Europa", L"L'Europe", L"Europa", L"Europa", L"Europa", L"Европа", L"Europe"),
    /*  8 */ ROW8(L"North America", L"Nord Amerika", L"L'Amérique du Nord", L"Del nord L'America", L"Del norte América",
                  L"Het noorden Amerika", L"Северная Америка", L"North America"),
    /*  9 */ ROW8(L"South America", L"Süd Amerika", L"L'Amérique du Sud", L"Del sud L'America", L"Del sur América",
                  L"Zuiden Amerika", L"Южная америка", L"South America"),
    /* 10 */ ROW8(L"User defined city", L"Benutzer definierte Stadt", L"Ville définie par utilisateur",
                  L"Città definita utente", L"Ciudad definida usuario", L"Gebruiker bepaalde stad", L"Выбранный Город",
                  L"Nazwa zdefiniowana przez użytkownia"),
    /* 11 */ EN_ONLY(L"City name"),
    /* 12 */ EN_ONLY(L"Current setting"),
    /* 13 */ ROW8(L"Abbr. code", L"Abbr. Code", L"Abbr. code", L"Abbr. codice", L"Abbr. código", L"Afkort code",
                  L"Код Города", L"Kod"),
    /* 14 */ EN_ONLY(L"Latitude"),
    /* 15 */ EN_ONLY(L"north"),
    /* 16 */ EN_ONLY(L"south"),
    /* 17 */ EN_ONLY(L"Longitude"),
    /* 18 */ EN_ONLY(L"east"),
    /* 19 */ EN_ONLY(L"west"),
    /* 20 */ ROW8(L"DST mode", L"DST Modus ( Sommerzeit )", L"Mode DST", L"Modo di DST", L"Modo de DST", L"Zomertijd",
                  L"Режим DST", L"Tryb Czasu Letniego"),
    /* 21 */ EN_ONLY(L"DST Starts"),
    /* 22 */ EN_ONLY(L"DST ends"),
    /* 23 */ ROW8(L"Never use DST", L"Sommerzeit AUS", L"N'employez jamais DST", L"Non usi mai DST",
                  L"Nunca utilice DST", L"Gebruik nooit DST", L"Отключение DST", L"Nie używaj trybu czasu letniego"),
    /* 24 */ ROW8(L"Always add 1 hour", L"Plus 1 Stunde", L"Ajoutez toujours 1 heure", L"Aggiunga sempre 1 ora",
                  L"Agregue siempre 1 hora", L"Voeg altijd 1 uur toe", L"Всегда добавлять 1 час",
                  L"Zawsze dodawaj 1 godzinę"),
    /* 25 */ EN_ONLY(L"Time offset"),
    /* 26 */ ROW8(L"Upload new setting", L"Neue Einstellungen laden", L"téléchargement du nouveau réglage",
                  L"Nuova regolazione di Upload", L"Nuevo ajuste del Upload", L"Upload nieuwe instelling",
                  L"Загрузка новых установок", L"Załaduj nowe ustawienia"),
    /* 27 */ EN_ONLY(L"Close"),
    /* 28 */ kNumberNeeded,
    /* 29 */ kWholeNumberNeeded,
    /* 30 */ ROW8(L"Please enter a time offset from -12:00 to +14:00: the hours from 0 to 14 without a sign, "
                  L"which you choose in the list beside them, and the minutes 0 or 30.",
                  L"Bitte geben Sie einen Zeitversatz von -12:00 bis +14:00 ein: die Stunden von 0 bis 14 ohne "
                  L"Vorzeichen, das Sie in der Liste daneben wählen, und die Minuten 0 oder 30.",
                  L"Veuillez saisir un décalage horaire de -12:00 à +14:00\u00A0: les heures de 0 à 14 sans signe, "
                  L"que vous choisissez dans la liste à côté, et les minutes 0 ou 30.",
                  L"Inserire una differenza oraria da -12:00 a +14:00: le ore da 0 a 14 senza segno, che si "
                  L"sceglie nell'elenco accanto, e i minuti 0 o 30.",
                  L"Introduzca una diferencia horaria de -12:00 a +14:00: las horas de 0 a 14 sin signo, que se "
                  L"elige en la lista de al lado, y los minutos 0 o 30.",
                  L"Voer een tijdsverschil van -12:00 tot +14:00 in: de uren van 0 tot 14 zonder teken, dat u in "
                  L"de lijst ernaast kiest, en de minuten 0 of 30.",
                  L"Введите смещение времени от -12:00 до +14:00: часы от 0 до 14 без знака, а знак выберите в "
                  L"списке рядом; минуты 0 или 30.",
                  L"Wpisz różnicę czasu od -12:00 do +14:00: godziny od 0 do 14 bez znaku (znak wybierz z listy "
                  L"obok) oraz minuty 0 lub 30."),
};

}  // namespace

constexpr TextTable<RowsTimesLanguages(ALARM_DIALOG_ROWS)> g_alarmDialogTexts =
    BuildTable(kAlarmDialog, supplied::kAlarmDialog);
constexpr TextTable<RowsTimesLanguages(ALTITUDE_DIALOG_ROWS)> g_altitudeDialogTexts = BuildTable(kAltitudeDialog);
constexpr TextTable<RowsTimesLanguages(RECORD_INTERVAL_DIALOG_ROWS)> g_recordIntervalDialogTexts =
    BuildTable(kRecordIntervalDialog, supplied::kRecordIntervalDialog);
constexpr TextTable<RowsTimesLanguages(LOCATION_DIALOG_ROWS)> g_locationDialogTexts =
    BuildTable(kLocationDialog, supplied::kLocationDialog);
constexpr TextTable<LANGUAGE_COUNT> g_numberRangeTexts = BuildTable(kNumberRange);
