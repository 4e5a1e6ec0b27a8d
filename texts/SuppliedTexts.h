// Translations supplied by our translators, kept apart from the texts the
// tables carry as they were handed to us (the table sources), so that the two
// can be told apart and reviewed separately.
//
// Each entry is {row, {English, German, French, Italian, Spanish, Dutch,
// Russian, Polish}}: the English text is the row's text in the table (checked
// at compile time) and SUP stands where the table source already holds that
// language's text. Words that the given texts already use for the same thing
// (Close, Current setting, the compass words, the quantity names) are reused.
#pragma once

#include "texts/TextBuild.h"

namespace texts_build {
namespace supplied {

// Words shared by several tables, German to Polish.
#define W_CLOSE L"Ende", L"Fermer", L"Fine", L"Cierre", L"Sluit", L"Закрыть", L"Zamknij"
#define W_CURRENT_SETTING L"Aktuelle Einstellung", L"réglage normal", L"Regolazione corrente", L"Ajuste actual", \
                          L"Huidige instelling", L"Текущие установки", L"Obecne ustawienie"
#define W_ACTIVATE L"Aktivieren", L"Activer", L"Attiva", L"Activar", L"Activeren", L"Включить", L"Aktywuj"
#define W_TEMPERATURE L"Temperatur", L"Température", L"Temperatura", L"Temperatura", L"Temperatuur", \
                      L"Температура", L"Temperatura"
#define W_HUMIDITY L"Feuchtigkeit", L"Humidité", L"Umidità", L"Humedad", L"Vochtigheid", L"Влажность", \
                   L"Wilgotność"
#define W_DEWPOINT L"Taupunkt", L"Point de rosée", L"Punto di condensazione", L"Punto de condensación", \
                   L"Dauwpunt", L"Точка росы", L"Punkt rosy"
#define W_PRESSURE L"Druck", L"Pression", L"Pressione", L"Presión", L"Druk", L"Давление", L"Ciśnienie"
#define W_RAIN L"Regen", L"Pluie", L"Pioggia", L"Lluvia", L"Regen", L"Осадки", L"Opady"
#define W_WIND L"Wind", L"Vent", L"Vento", L"Viento", L"Wind", L"Ветер", L"Wiatr"
#define W_WIND_SPEED L"Windgeschwindigkeit", L"Vitesse du vent", L"Velocità del vento", L"Velocidad del viento", \
                     L"Windsnelheid", L"Скорость ветра", L"Prędkość wiatru"
#define W_WIND_DIRECTION L"Windrichtung", L"Direction du vent", L"Direzione del vento", L"Dirección del viento", \
                         L"Windrichting", L"Направление ветра", L"Kierunek wiatru"
#define W_WIND_CHILL L"Windchill", L"Température ressentie", L"Temperatura percepita", L"Sensación térmica", \
                     L"Gevoelstemperatuur", L"Ветровое охлаждение", L"Temperatura odczuwalna"
#define W_GUST_SPEED L"Böengeschwindigkeit", L"Vitesse des rafales", L"Velocità delle raffiche", \
                     L"Velocidad de ráfagas", L"Windstootsnelheid", L"Скорость порывов", L"Prędkość porywów"
#define W_ULTRA_VIOLET L"Ultraviolett", L"Ultraviolet", L"Ultravioletto", L"Ultravioleta", L"Ultraviolet", \
                       L"Ультрафиолет", L"Ultrafiolet"
#define W_LOCATION L"Standort", L"Emplacement", L"Località", L"Ubicación", L"Locatie", L"Местоположение", \
                   L"Lokalizacja"
#define W_CITY_NAME L"Stadtname", L"Ville", L"Nome città", L"Nombre de ciudad", L"Plaatsnaam", \
                    L"Название города", L"Nazwa miasta"
#define W_LATITUDE L"Breitengrad", L"Latitude", L"Latitudine", L"Latitud", L"Breedtegraad", L"Широта", \
                   L"Szer. geogr."
#define W_LONGITUDE L"Längengrad", L"Longitude", L"Longitudine", L"Longitud", L"Lengtegraad", L"Долгота", \
                    L"Dł. geogr."
#define W_PRINT L"Drucken", L"Imprimer", L"Stampa", L"Imprimir", L"Afdrukken", L"Печать", L"Drukuj"

// ---------------------------------------------------------------------------
// Alarm dialog.
constexpr SuppliedRow kAlarmDialog[] = {
    {2, {L"Activate", W_ACTIVATE}},
    {3, {L"Upper limit", L"Obergrenze", L"Limite haute", L"Limite superiore", L"Límite superior", L"Bovengrens",
         L"Верхний предел", L"Górna granica"}},
    {4, {L"Lower limit", L"Untergrenze", L"Limite basse", L"Limite inferiore", L"Límite inferior", L"Ondergrens",
         L"Нижний предел", L"Dolna granica"}},
    {5, {L"Current setting", W_CURRENT_SETTING}},
    {6, {L"Temperature", W_TEMPERATURE}},
    {8, {L"Wind Speed", W_WIND_SPEED}},
    {9, {L"Gust speed", W_GUST_SPEED}},
    {11, {L"Activate", W_ACTIVATE}},
    {13, {L"Current setting", W_CURRENT_SETTING}},
    {14, {L"Weekday alarm", L"Wochentagsalarm", L"Alarme en semaine", L"Allarme feriale", L"Alarma laborable",
          L"Weekdagalarm", L"Будильник по будням", L"Alarm w dni robocze"}},
    {15, {L"Single alarm", L"Einzelalarm", L"Alarme unique", L"Allarme singolo", L"Alarma única", L"Eenmalig alarm",
          L"Однократный сигнал", L"Alarm jednorazowy"}},
    {16, {L"Pre alarm", L"Voralarm", L"Pré-alarme", L"Preallarme", L"Prealarma", L"Vooralarm",
          L"Предварительный сигнал", L"Alarm wstępny"}},
    {17, {L"Period", L"Zeitraum", L"Période", L"Periodo", L"Periodo", L"Periode", L"Период", L"Okres"}},
    {18, {L"Duration", L"Dauer", L"Durée", L"Durata", L"Duración", L"Duur", L"Длительность", L"Czas trwania"}},
};

// Record Interval dialog (the French minute choices are given as English).
constexpr SuppliedRow kRecordIntervalDialog[] = {
    {2, {L"5 minutes", L"5 Minuten", SUP, L"5 minuti", L"5 minutos", L"5 minuten", L"5 минут", L"5 minut"}},
    {3, {L"10 minutes", L"10 Minuten", SUP, L"10 minuti", L"10 minutos", L"10 minuten", L"10 минут", L"10 minut"}},
    {4, {L"20 minutes", L"20 Minuten", SUP, L"20 minuti", L"20 minutos", L"20 minuten", L"20 минут", L"20 minut"}},
    {5, {L"30 minutes", L"30 Minuten", SUP, L"30 minuti", L"30 minutos", L"30 minuten", L"30 минут", L"30 minut"}},
    {6, {L"1 hour", L"1 Stunde", L"1 heure", L"1 ora", L"1 hora", L"1 uur", L"1 час", L"1 godzina"}},
    {8, {L"2 hours", L"2 Stunden", L"2 heures", L"2 ore", L"2 horas", L"2 uur", L"2 часа", L"2 godziny"}},
    {9, {L"3 hours", L"3 Stunden", L"3 heures", L"3 ore", L"3 horas", L"3 uur", L"3 часа", L"3 godziny"}},
    {10, {L"4 hours", L"4 Stunden", L"4 heures", L"4 ore", L"4 horas", L"4 uur", L"4 часа", L"4 godziny"}},
    {11, {L"5 hours", L"5 Stunden", L"5 heures", L"5 ore", L"5 horas", L"5 uur", L"5 часов", L"5 godzin"}},
    {14, {L"Close", W_CLOSE}},
};

// Location dialog (north, south, east, west as the location panel says them).
constexpr SuppliedRow kLocationDialog[] = {
    {0, {L"Location", W_LOCATION}},
    {1, {L"Local settings (local city)", L"Lokale Einstellungen (Heimatstadt)", L"Réglages locaux (ville locale)",
         L"Impostazioni locali (città locale)", L"Ajustes locales (ciudad local)", L"Lokale instelling (eigen stad)",
         L"Местные установки (свой город)", L"Ustawienia lokalne (miasto lokalne)"}},
    {2, {L"2nd settings (slave city)", L"2. Einstellungen (zweite Stadt)", L"2e réglage (ville secondaire)",
         L"2ª impostazione (città secondaria)", L"2º ajuste (ciudad secundaria)", L"2e instelling (tweede stad)",
         L"2-е установки (второй город)", L"2. ustawienia (drugie miasto)"}},
    {11, {L"City name", W_CITY_NAME}},
    {12, {L"Current setting", W_CURRENT_SETTING}},
    {14, {L"Latitude", W_LATITUDE}},
    {15, {L"north", L"Norden", L"Nord", L"del nord", L"del norte", L"het noorden", L"север", L"Północny"}},
    {16, {L"south", L"Süden", L"sud", L"del sud", L"del sur", L"zuiden", L"юг", L"Południowy"}},
    {17, {L"Longitude", W_LONGITUDE}},
    {18, {L"east", L"Osten", L"est", L"orientale", L"del este", L"het oosten", L"восток", L"Wschodni"}},
    {19, {L"west", L"Westen", L"ouest", L"ad ovest", L"del oeste", L"het westen", L"запад", L"Zachodni"}},
    {21, {L"DST Starts", L"Sommerzeitbeginn", L"Début DST", L"Inizio DST", L"Inicio DST", L"Zomertijd begint",
          L"Начало DST", L"Początek czasu letniego"}},
    {22, {L"DST ends", L"Sommerzeitende", L"Fin DST", L"Fine DST", L"Fin DST", L"Zomertijd eindigt", L"Конец DST",
          L"Koniec czasu letniego"}},
    {25, {L"Time offset", L"Zeitversatz", L"Décalage horaire", L"Differenza oraria", L"Diferencia horaria",
          L"Tijdsverschil", L"Смещение времени", L"Różnica czasu"}},
    {27, {L"Close", W_CLOSE}},
};

// ---------------------------------------------------------------------------
// Auto-saving texts (the dialog's table and the main window's copy).
// The Dutch window title and interval caption and the French minute choices
// are given.
constexpr SuppliedRow kAutoSaving[] = {
    {0, {L"AutoSaving", L"Autom. Speichern", L"Sauvegarde auto", L"Salvataggio automatico", L"Guardado automático",
         SUP, L"Автосохранение", L"Autozapis"}},
    {1, {L"Auto saving interval", L"Speicherintervall", L"Intervalle de sauvegarde", L"Intervallo di salvataggio",
         L"Intervalo de guardado", SUP, L"Интервал автосохранения", L"Odstęp autozapisu"}},
    {2, {L"none", L"keine", L"aucun", L"nessuno", L"ninguno", L"geen", L"нет", L"brak"}},
    {3, {L"2 minutes", L"2 Minuten", SUP, L"2 minuti", L"2 minutos", L"2 minuten", L"2 минуты", L"2 minuty"}},
    {4, {L"5 minutes", L"5 Minuten", SUP, L"5 minuti", L"5 minutos", L"5 minuten", L"5 минут", L"5 minut"}},
    {5, {L"10 minutes", L"10 Minuten", SUP, L"10 minuti", L"10 minutos", L"10 minuten", L"10 минут", L"10 minut"}},
    {6, {L"30 minutes", L"30 Minuten", SUP, L"30 minuti", L"30 minutos", L"30 minuten", L"30 минут", L"30 minut"}},
    {8, {L"day", L"Tag", L"jour", L"giorno", L"día", L"dag", L"день", L"dzień"}},
    {9, {L"week", L"Woche", L"semaine", L"settimana", L"semana", L"week", L"неделя", L"tydzień"}},
    {11, {L"File format", L"Dateiformat", L"Format de fichier", L"Formato file", L"Formato de archivo",
          L"Bestandsformaat", L"Формат файла", L"Format pliku"}},
    {12, {L"Excel Document", L"Excel-Dokument", L"Document Excel", L"Documento Excel", L"Documento de Excel",
          L"Excel-document", L"Документ Excel", L"Dokument Excel"}},
    {13, {L"Text Document", L"Textdokument", L"Document texte", L"Documento di testo", L"Documento de texto",
          L"Tekstdocument", L"Текстовый документ", L"Dokument tekstowy"}},
    {14, {L"JPEG file", L"JPEG-Datei", L"Fichier JPEG", L"File JPEG", L"Archivo JPEG", L"JPEG-bestand",
          L"Файл JPEG", L"Plik JPEG"}},
    {15, {L"File name", L"Dateiname", L"Nom de fichier", L"Nome file", L"Nombre de archivo", L"Bestandsnaam",
          L"Имя файла", L"Nazwa pliku"}},
    {25, {L"Temperature", W_TEMPERATURE}},
    {26, {L"Humidity", W_HUMIDITY}},
    {27, {L"Dewpoint", W_DEWPOINT}},
    {28, {L"Pressure", W_PRESSURE}},
    {30, {L"Rain", W_RAIN}},
    {31, {L"Wind Speed", W_WIND_SPEED}},
    {32, {L"Wind Direction", W_WIND_DIRECTION}},
    {33, {L"Wind Chill", W_WIND_CHILL}},
};

// Display dialog.
constexpr SuppliedRow kDisplayDialog[] = {
    {2, {L"Part", L"Bereich", L"Partie", L"Parte", L"Parte", L"Deel", L"Часть", L"Część"}},
    {3, {L"View", L"Ansicht", L"Vue", L"Vista", L"Vista", L"Weergave", L"Вид", L"Widok"}},
    {5, {L"Pressure", W_PRESSURE}},
    {6, {L"Ultra Violet", W_ULTRA_VIOLET}},
    {7, {L"Rain", W_RAIN}},
    {8, {L"Wind Speed", W_WIND_SPEED}},
    {9, {L"Wind Direction", W_WIND_DIRECTION}},
};

// Displaying unit dialog: the captions; the unit names are given.
constexpr SuppliedRow kDisplayingUnitDialog[] = {
    {0, {L"Displaying unit", L"Anzeigeeinheiten", L"Unités d'affichage", L"Unità di misura", L"Unidades de medida",
         L"Weergave-eenheden", L"Единицы измерения", L"Jednostki miar"}},
    {1, {L"Displaying unit", L"Anzeigeeinheiten", L"Unités d'affichage", L"Unità di misura", L"Unidades de medida",
         L"Weergave-eenheden", L"Единицы измерения", L"Jednostki miar"}},
    {6, {L"Altitude", L"Höhe", L"Altitude", L"Altitudine", L"Altitud", L"Hoogte", L"Высота", L"Wysokość"}},
    {9, {L"Ultra violet", W_ULTRA_VIOLET}},
    {12, {L"Pressure", W_PRESSURE}},
    {16, {L"Rain", W_RAIN}},
    {19, {L"Hour format", L"Zeitformat", L"Format horaire", L"Formato ora", L"Formato de hora", L"Tijdnotatie",
          L"Формат времени", L"Format godziny"}},
    {22, {L"Temperature", W_TEMPERATURE}},
    {25, {L"Wind", W_WIND}},
};

// Temperature / humidity / dewpoint texts (the dialog's table and the main
// window's copy).
constexpr SuppliedRow kThd[] = {
    {2, {L"Temperature", W_TEMPERATURE}},
    {3, {L"Humidity", W_HUMIDITY}},
    {4, {L"Dewpoint", W_DEWPOINT}},
    {5, {L"Channel", L"Kanal", L"Canal", L"Canale", L"Canal", L"Kanaal", L"Канал", L"Kanał"}},
    {6, {L"Location name", L"Ortsname", L"Nom du lieu", L"Nome località", L"Nombre del lugar", L"Locatienaam",
         L"Название места", L"Nazwa miejsca"}},
    {7, {L"Line Type", L"Linienart", L"Type de ligne", L"Tipo di linea", L"Tipo de línea", L"Lijntype",
         L"Тип линии", L"Typ linii"}},
    {8, {L"Thickness", L"Stärke", L"Épaisseur", L"Spessore", L"Grosor", L"Dikte", L"Толщина", L"Grubość"}},
    {9, {L"Color", L"Farbe", L"Couleur", L"Colore", L"Color", L"Kleur", L"Цвет", L"Kolor"}},
};

// ---------------------------------------------------------------------------
// Print preview (French "Orientation" and "Portrait" and Dutch "Printer" are
// given).
constexpr SuppliedRow kPrintDialog[] = {
    {0, {L"Print", W_PRINT}},
    {1, {L"Orientation", L"Ausrichtung", SUP, L"Orientamento", L"Orientación", L"Afdrukstand", L"Ориентация",
         L"Orientacja"}},
    {2, {L"Portrait", L"Hochformat", SUP, L"Verticale", L"Vertical", L"Staand", L"Книжная", L"Pionowa"}},
    {3, {L"Landscape", L"Querformat", L"Paysage", L"Orizzontale", L"Horizontal", L"Liggend", L"Альбомная",
         L"Pozioma"}},
    {4, {L"Margins (%)", L"Ränder (%)", L"Marges (%)", L"Margini (%)", L"Márgenes (%)", L"Marges (%)", L"Поля (%)",
         L"Marginesy (%)"}},
    {5, {L"Reset Margins", L"Ränder zurücksetzen", L"Rétablir les marges", L"Ripristina margini",
         L"Restablecer márgenes", L"Marges herstellen", L"Сбросить поля", L"Resetuj marginesy"}},
    {6, {L"Printer", L"Drucker", L"Imprimante", L"Stampante", L"Impresora", SUP, L"Принтер", L"Drukarka"}},
    {7, {L"Setup", L"Einrichten", L"Configurer", L"Imposta", L"Configurar", L"Instellen", L"Настройка",
         L"Ustawienia"}},
    {8, {L"Print", W_PRINT}},
    {9, {L"Close", W_CLOSE}},
};

// ---------------------------------------------------------------------------
// Main-window panel captions by element id (markers, "00:00", the Max / Min
// of the sensor panels and the two-line captions are given).
#define CHANNEL_ROW(n)                                                                                    \
    {84 + n, {L"Channel " #n, L"Kanal " #n, L"Canal " #n, L"Canale " #n, L"Canal " #n, L"Kanaal " #n,    \
              L"Канал " #n, L"Kanał " #n}}
constexpr SuppliedRow kPanelLabels[] = {
    {0, {L"Atmospheric pressure", L"Luftdruck", L"Pression atmosphérique", L"Pressione atmosferica",
         L"Presión atmosférica", L"Luchtdruk", L"Атмосферное давление", L"Ciśnienie atmosferyczne"}},
    {1, {L"Weather forecast", L"Wettervorhersage", L"Prévisions météorologiques", L"Bollettino meteorologico",
         L"Parte meteorológico", L"Weervoorspelling", L"Прогноз погоды", L"Prognoza Pogody"}},
    {2, {L"Pressure", W_PRESSURE}},
    {3, {L"Sea level", L"Meeresspiegel", L"Niveau de la mer", L"Livello del mare", L"Nivel del mar", L"Zeeniveau",
         L"Уровень моря", L"Poziom morza"}},
    {5, {L"Local", L"Lokal", L"Local", L"Locale", L"Local", L"Lokaal", L"Местное", L"Lokalne"}},
    {10, {L"Ultra Violet", W_ULTRA_VIOLET}},
    {15, {L"Today Max", L"Heute Max", L"Max aujourd'hui", L"Max oggi", L"Máx. hoy", L"Max vandaag",
          L"Макс. сегодня", L"Maks. dziś"}},
    {16, {L"Yesterday Max", L"Gestern Max", L"Max hier", L"Max ieri", L"Máx. ayer", L"Max gisteren", L"Макс. вчера",
          L"Maks. wczoraj"}},
    {17, {L"7 days ago Max", L"Max vor 7 Tagen", L"Max il y a 7 jours", L"Max 7 giorni fa", L"Máx. hace 7 días",
          L"Max 7 dagen geleden", L"Макс. 7 дней назад", L"Maks. 7 dni temu"}},
    {18, {L"UV index", L"UV-Index", L"Indice UV", L"Indice UV", L"Índice UV", L"UV-index", L"УФ-индекс",
          L"Indeks UV"}},
    {24, {L"Sun / Moon / Location", L"Sonne / Mond / Standort", L"Soleil / Lune / Emplacement",
          L"Sole / Luna / Località", L"Sol / Luna / Ubicación", L"Zon / Maan / Locatie",
          L"Солнце / Луна / Местоположение", L"Słońce / Księżyc / Lokalizacja"}},
    {25, {L"Sunrise / Sunset", L"Sonnenaufgang / -untergang", L"Lever / coucher du soleil", L"Alba / Tramonto",
          L"Salida / puesta del sol", L"Zonsopgang / -ondergang", L"Восход / заход Солнца",
          L"Wschód / zachód słońca"}},
    {28, {L"Sunrise time", L"Sonnenaufgang", L"Lever du soleil", L"Ora dell'alba", L"Salida del sol", L"Zonsopgang",
          L"Время восхода", L"Wschód słońca"}},
    {29, {L"Sunset time", L"Sonnenuntergang", L"Coucher du soleil", L"Ora del tramonto", L"Puesta del sol",
          L"Zonsondergang", L"Время захода", L"Zachód słońca"}},
    {32, {L"Moon Phase", L"Mondphase", L"Phase de la lune", L"Fase lunare", L"Fase lunar", L"Maanfase",
          L"Фаза Луны", L"Faza Księżyca"}},
    {34, {L"Moon phase", L"Mondphase", L"Phase de la lune", L"Fase lunare", L"Fase lunar", L"Maanfase",
          L"Фаза Луны", L"Faza Księżyca"}},
    {36, {L"Location", W_LOCATION}},
    {37, {L"City name", W_CITY_NAME}},
    {38, {L"Latitude", W_LATITUDE}},
    {39, {L"Longitude", W_LONGITUDE}},
    {40, {L"DST mode", L"Sommerzeit", L"Mode DST", L"Modo di DST", L"Modo de DST", L"Zomertijd", L"Режим DST",
          L"Tryb Czasu Letniego"}},
    {41, {L"Timezone", L"Zeitzone", L"Fuseau horaire", L"Fuso orario", L"Zona horaria", L"Tijdzone",
          L"Часовой пояс", L"Strefa czasowa"}},
    {47, {L"Data transmission", L"Datenübertragung", L"Transmission des données", L"Trasmissione dati",
          L"Transmisión de datos", L"Gegevensoverdracht", L"Передача данных", L"Transmisja danych"}},
    {49, {L"USB Disconnected", L"USB getrennt", L"USB déconnecté", L"USB scollegato", L"USB desconectado",
          L"USB losgekoppeld", L"USB отключен", L"USB odłączone"}},
    {52, {L"In-Outdoor temperature / humidity", L"Innen-/Außentemperatur / Feuchtigkeit",
          L"Température / humidité int.-ext.", L"Temperatura / umidità interna-esterna",
          L"Temperatura / humedad interior-exterior", L"Binnen-/buitentemperatuur / vochtigheid",
          L"Температура / влажность внутри и снаружи", L"Temperatura / wilgotność wewn.-zewn."}},
    {53, {L"Temperature", W_TEMPERATURE}},
    {54, {L"Humidity", W_HUMIDITY}},
    // The vertical column head of the dewpoint: at most 75 pixels long in the panel's font, the
    // room it has under the temperature chart when the rain and wind boxes are hidden.
    {55, {L"Dewpoint", L"Taupunkt", L"Pt. de rosée", L"Pt. rugiada", L"Pt. de rocío", L"Dauwpunt", L"Точка росы",
          L"Punkt rosy"}},
    {84, {L"Indoor", L"Innen", L"Intérieur", L"Dell'interno", L"De interior", L"Binnenshuis", L"Помещение",
          L"Wewnątrz"}},
    CHANNEL_ROW(1),
    CHANNEL_ROW(2),
    CHANNEL_ROW(3),
    CHANNEL_ROW(4),
    CHANNEL_ROW(5),
    {90, {L"Temperature", W_TEMPERATURE}},
    {91, {L"Humidity (%r.H)", L"Feuchtigkeit (%r.F.)", L"Humidité (%HR)", L"Umidità (%UR)", L"Humedad (%HR)",
          L"Vochtigheid (%RV)", L"Влажность (%)", L"Wilgotność (%)"}},
    {117, {L"Rain", W_RAIN}},
    {120, {L"since", L"seit", L"depuis", L"dal", L"desde", L"sinds", L"с", L"od"}},
    {121, {L"Yesterday", L"Gestern", L"Hier", L"Ieri", L"Ayer", L"Gisteren", L"Вчера", L"Wczoraj"}},
    {128, {L"Wind", W_WIND}},
    // The wind panel puts the unit behind these three captions (except German
    // and Spanish for 130 and 133): shortened where the full term would crowd
    // out the value.
    {130, {L"Wind speed", L"Windgeschwindigkeit", L"Vitesse du vent", L"Velocità vento", L"Velocidad del viento",
           L"Windsnelheid", L"Скорость ветра", L"Prędkość wiatru"}},
    {133, {L"Gust speed", L"Böengeschwindigkeit", L"Rafales", L"Raffiche", L"Velocidad de ráfagas",
           L"Windstootsnelheid", L"Скорость порывов", L"Prędkość porywów"}},
    {137, {L"Wind direction (^)", L"Windrichtung (^)", L"Direction du vent (^)", L"Direzione del vento (^)",
           L"Dirección del viento (^)", L"Windrichting (^)", L"Направление ветра (^)", L"Kierunek wiatru (^)"}},
    {141, {L"Wind chill", L"Windchill", L"Temp. ressentie", L"Temp. percepita", L"Sensación térmica",
           L"Gevoelstemperatuur", L"Ветровое охлаждение", L"Temp. odczuwalna"}},
    {146, {L"Date / Time", L"Datum / Zeit", L"Date / Heure", L"Data / Ora", L"Fecha / Hora", L"Datum / Tijd",
           L"Дата / Время", L"Data / Czas"}},
};
#undef CHANNEL_ROW

// ---------------------------------------------------------------------------
// Main-window status text: a record file that cannot take new record lines.
constexpr SuppliedRow kRecordFileErrorTexts[] = {
    {0, {L"Can't write record file!", L"Messdatei nicht schreibbar!", L"Fichier relevés non écrit !",
         L"File dati non scrivibile!", L"¡Error al escribir archivo!", L"Bestand niet schrijfbaar!",
         L"Файл записей недоступен!", L"Błąd zapisu pliku danych!"}},
};

#undef W_CLOSE
#undef W_CURRENT_SETTING
#undef W_ACTIVATE
#undef W_TEMPERATURE
#undef W_HUMIDITY
#undef W_DEWPOINT
#undef W_PRESSURE
#undef W_RAIN
#undef W_WIND
#undef W_WIND_SPEED
#undef W_WIND_DIRECTION
#undef W_WIND_CHILL
#undef W_GUST_SPEED
#undef W_ULTRA_VIOLET
#undef W_LOCATION
#undef W_CITY_NAME
#undef W_LATITUDE
#undef W_LONGITUDE
#undef W_PRINT

}  // namespace supplied
}  // namespace texts_build
