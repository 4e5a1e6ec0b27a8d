// Texts of the main window: the per-language panel families and their
// current-language views, the unit names, the record files' column headers
// and the main window's messages. Rows in language order English, German,
// French, Italian, Spanish, Dutch, Russian, Polish; SUP marks a text from
// SuppliedTexts.h.
#include "texts/TextTables.h"
#include "texts/TextBuild.h"
#include "texts/SuppliedTexts.h"

using namespace texts_build;

namespace {

// Markers of the panel captions, the same in every language: one-letter
// markers stand at elements without a caption of their own, "null" at
// elements on which nothing is drawn, "" at unused second lines.
#define MV SAME8(L"v")
#define MP SAME8(L"p")
#define MB SAME8(L"b")
#define ML SAME8(L"l")
#define MC SAME8(L"c")
#define MS SAME8(L"s")
#define MNULL SAME8(L"null")
#define MEMPTY SAME8(L"")
#define MV3 MV, MV, MV
#define MV4 MV, MV, MV, MV
#define MV5 MV, MV, MV, MV, MV
#define MV9 MV4, MV5
#define ML6 ML, ML, ML, ML, ML, ML
#define MNULL9 MNULL, MNULL, MNULL, MNULL, MNULL, MNULL, MNULL, MNULL, MNULL

// Panel captions by display element id. A caption written over two lines
// keeps its second line in 156 (for 92), 157 (118), 158 (123) or 159 (125).
constexpr Row kPanelLabels[] = {
    // 0..9 pressure and forecast
    /*   0 */ EN_ONLY(L"Atmospheric pressure"),
    /*   1 */ EN_ONLY(L"Weather forecast"),
    /*   2 */ EN_ONLY(L"Pressure"),
    /*   3 */ EN_ONLY(L"Sea level"),
    /*   4 */ MV,
    /*   5 */ EN_ONLY(L"Local"),
    /*   6 */ MV,
    /*   7 */ MP,
    /*   8 */ MB,
    /*   9 */ MP,
    // 10..23 UV
    /*  10 */ EN_ONLY(L"Ultra Violet"),
    /*  11 */ MP,
    /*  12 */ ROW8(L"Exposure", L"Belichtung", L"Niveau", L"Livello di", L"Nivel de", L"Het Niveau van", L"Уровень",
                   L"Poziom"),
    /*  13 */ ROW8(L"Level", L"Niveau", L"d'exposition", L"esposizione", L"exposición", L"de blootstelling",
                   L"выдержки", L"ekspozycji"),
    /*  14 */ MV,
    /*  15 */ EN_ONLY(L"Today Max"),
    /*  16 */ EN_ONLY(L"Yesterday Max"),
    /*  17 */ EN_ONLY(L"7 days ago Max"),
    /*  18 */ EN_ONLY(L"UV index"),
    /*  19 */ MV4,
    /*  23 */ MP,
    // 24..46 sun, moon and location
    /*  24 */ EN_ONLY(L"Sun / Moon / Location"),
    /*  25 */ EN_ONLY(L"Sunrise / Sunset"),
    /*  26 */ MP, MP,
    /*  28 */ EN_ONLY(L"Sunrise time"),
    /*  29 */ EN_ONLY(L"Sunset time"),
    /*  30 */ MV, MV,
    /*  32 */ EN_ONLY(L"Moon Phase"),
    /*  33 */ MP,
    /*  34 */ EN_ONLY(L"Moon phase"),
    /*  35 */ MV,
    /*  36 */ EN_ONLY(L"Location"),
    /*  37 */ EN_ONLY(L"City name"),
    /*  38 */ EN_ONLY(L"Latitude"),
    /*  39 */ EN_ONLY(L"Longitude"),
    /*  40 */ EN_ONLY(L"DST mode"),
    /*  41 */ EN_ONLY(L"Timezone"),
    /*  42 */ MV5,
    // 47..51 data transmission and connection state
    /*  47 */ EN_ONLY(L"Data transmission"),
    /*  48 */ MP,
    /*  49 */ EN_ONLY(L"USB Disconnected"),
    /*  50 */ SAME8(L"00:00"),
    /*  51 */ MB,
    // 52..116 temperature, humidity and dewpoint of the indoor sensor and channels 1..5
    /*  52 */ EN_ONLY(L"In-Outdoor temperature / humidity"),
    /*  53 */ EN_ONLY(L"Temperature"),
    /*  54 */ EN_ONLY(L"Humidity"),
    /*  55 */ EN_ONLY(L"Dewpoint"),
    /*  56 */ MP,
    /*  57 */ ML6, ML6, ML6,
    /*  75 */ MNULL9,
    /*  84 */ EN_ONLY(L"Indoor"),
    /*  85 */ EN_ONLY(L"Channel 1"),
    /*  86 */ EN_ONLY(L"Channel 2"),
    /*  87 */ EN_ONLY(L"Channel 3"),
    /*  88 */ EN_ONLY(L"Channel 4"),
    /*  89 */ EN_ONLY(L"Channel 5"),
    /*  90 */ EN_ONLY(L"Temperature"),
    /*  91 */ EN_ONLY(L"Humidity (%r.H)"),
    /*  92 */ ROW8(L"Dewpoint", L"Taupunkt", L"Point de rosée", L"Punto di", L"Punto de", L"Dauwpunt", L"Точка росы",
                   L"Temperatura"),
    /*  93 */ MC, MC,
    /*  95 */ SAME8(L"Max"),
    /*  96 */ SAME8(L"Min"),
    /*  97 */ MV9,
    /* 106 */ SAME8(L"Max"),
    /* 107 */ SAME8(L"Min"),
    /* 108 */ MV9,
    // 117..127 rain
    /* 117 */ EN_ONLY(L"Rain"),
    /* 118 */ ROW8(L"Rainfall total", L"Niederschlag", L"Total des", L"Totale di", L"Total de la", L"Het totaal van de",
                   L"Всего", L"SUma Opadów"),
    /* 119 */ MV,
    /* 120 */ EN_ONLY(L"since"),
    /* 121 */ EN_ONLY(L"Yesterday"),
    /* 122 */ MV,
    /* 123 */ ROW8(L"Last week", L"Letzte Woche", L"La semaine", L"Ultima settimana", L"La Semana", L"Vorige week",
                   L"Последняя", L"Ostatni Tydzień"),
    /* 124 */ MV,
    /* 125 */ ROW8(L"Last month", L"Letzter Monat", L"Le mois dernier", L"Ultimo mese", L"El Mes", L"Vorige maand",
                   L"Последний", L"Ostatni Miesiąc"),
    /* 126 */ MV,
    /* 127 */ MP,
    // 128..144 wind
    /* 128 */ EN_ONLY(L"Wind"),
    /* 129 */ ROW8(L"Max", L"Maximal", L"Max", L"Max", L"Max", L"Max", L"Max", L"Max"),
    /* 130 */ EN_ONLY(L"Wind speed"),
    /* 131 */ MV, MV,
    /* 133 */ EN_ONLY(L"Gust speed"),
    /* 134 */ MV, MV,
    /* 136 */ MS,
    /* 137 */ EN_ONLY(L"Wind direction (^)"),
    /* 138 */ MV, MV,
    /* 140 */ MS,
    /* 141 */ EN_ONLY(L"Wind chill"),
    /* 142 */ MV,
    /* 143 */ ROW8(L"Temperature (°C)", L"Temperatur (°C)", L"température", L"Temperatura (°C)", L"Temperatura (°C)",
                   L"Temperatuur (°C)", L"Температура (°C)", L"Temperatura (°C)"),
    /* 144 */ MV,
    // 145..154 date and time
    /* 145 */ MP,
    /* 146 */ EN_ONLY(L"Date / Time"),
    /* 147 */ MV3,
    /* 150 */ MP, MP, MP, MP,
    /* 154 */ MV,
    // 155..161 second lines
    /* 155 */ MEMPTY,
    /* 156 */ ROW8(L"", L"", L"", L"condensazione", L"condensación", L"", L"", L"Punktu Rosy"),
    /* 157 */ ROW8(L"", L"gesamt", L"précipitations", L"pioggia", L"precipitación", L"regenval", L"Rainfall",
                   L"Deszczu"),
    /* 158 */ ROW8(L"", L"", L"dernière", L"", L"Pasada", L"", L"неделя", L""),
    /* 159 */ ROW8(L"", L"", L"", L"", L"Pasado", L"", L"месяц", L""),
    /* 160 */ MEMPTY,
    /* 161 */ MEMPTY,
};

// 16 compass points clockwise from north, then their bearings in degrees.
constexpr Row kWindDirectionTexts[] = {
    /*  0 */ ROW8(L"N", L"N", L"N", L"N", L"N", L"N", L"N", L"Płn."),
    /*  1 */ ROW8(L"NNE", L"NNO", L"NNE", L"NNOr", L"NNE", L"NNO", L"NNE", L"Płn / Płn-Wsch"),
    /*  2 */ ROW8(L"NE", L"NO", L"NE", L"NOr", L"NE", L"NO", L"NE", L"Płn-Wsch"),
    /*  3 */ ROW8(L"ENE", L"ONO", L"ENE", L"OrNOr", L"ENE", L"ONO", L"ENE", L"Wsch / Płn-Wsch"),
    /*  4 */ ROW8(L"E", L"O", L"E", L"Or", L"E", L"O", L"E", L"Wsch"),
    /*  5 */ ROW8(L"ESE", L"OSO", L"ESE", L"OrSOr", L"ESE", L"OZO", L"ESE", L"Wsch / Płd-Wsch"),
    /*  6 */ ROW8(L"SE", L"SO", L"SE", L"SOr", L"SE", L"ZO", L"SE", L"Płd-Wsch"),
    /*  7 */ ROW8(L"SSE", L"SSO", L"SSE", L"SSOr", L"SSE", L"ZZO", L"SSE", L"Płd / Płd-Wsch"),
    /*  8 */ ROW8(L"S", L"S", L"S", L"S", L"S", L"Z", L"S", L"Płd"),
    /*  9 */ ROW8(L"SSW", L"SSW", L"SSO", L"SSOv", L"SSO", L"ZZW", L"SSW", L"Płd / Płd-Zach"),
    /* 10 */ ROW8(L"SW", L"SW", L"SO", L"SOv", L"SO", L"ZW", L"SW", L"Płd-Zach"),
    /* 11 */ ROW8(L"WSW", L"WSW", L"OSO", L"OvSOv", L"OSO", L"WZW", L"WSW", L"Zach / Płd-Zach"),
    /* 12 */ ROW8(L"W", L"W", L"O", L"Ov", L"O", L"W", L"W", L"Zach"),
    /* 13 */ ROW8(L"WNW", L"WNW", L"ONO", L"OvNOv", L"ONO", L"WNW", L"WNW", L"Zach / Płn-Zach"),
    /* 14 */ ROW8(L"NW", L"NW", L"NO", L"NOv", L"NO", L"NW", L"NW", L"Płn-Zach"),
    /* 15 */ ROW8(L"NNW", L"NNW", L"NNO", L"NNOv", L"NNO", L"NNW", L"NNW", L"Płn / Płn-Zach"),
    /* 16 */ SAME8(L"0"),     SAME8(L"22.5"),  SAME8(L"45"),  SAME8(L"67.5"),
    /* 20 */ SAME8(L"90"),    SAME8(L"112.5"), SAME8(L"135"), SAME8(L"157.5"),
    /* 24 */ SAME8(L"180"),   SAME8(L"202.5"), SAME8(L"225"), SAME8(L"247.5"),
    /* 28 */ SAME8(L"270"),   SAME8(L"292.5"), SAME8(L"315"), SAME8(L"337.5"),
};

// North, south, east, west: entry h for a latitude's hemisphere, 2 + h for a
// longitude's.
constexpr Row kCompassWords[] = {
    /* 0 */ ROW8(L"north", L"Norden", L"Nord", L"del nord", L"del norte", L"het noorden", L"север", L"Północny"),
    /* 1 */ ROW8(L"south", L"Süden", L"sud", L"del sud", L"del sur", L"zuiden", L"юг", L"Południowy"),
    /* 2 */ ROW8(L"east", L"Osten", L"est", L"orientale", L"del este", L"het oosten", L"восток", L"Wschodni"),
    /* 3 */ ROW8(L"west", L"Westen", L"ouest", L"ad ovest", L"del oeste", L"het westen", L"запад", L"Zachodni"),
};

// Moon phase name by moon age index 0..27 (28 steps per lunation).
#define NEW_MOON ROW8(L"New Moon", L"Neumond", L"Nouvelle lune", L"Nuova luna", L"Luna Nueva", L"Nieuwe Maan", \
                      L"Новолуние", L"Nowa Faza Księżyca")
#define WAXING_CRESCENT ROW8(L"Waxing Crescent", L"Zunehmender Mond", L"1er quartier lune montante",   \
                             L"Inceratura della mezzaluna", L"Encerar la crescent",                   \
                             L"In de was zettende Halve maan", L"Рождение полумесяца", L"Jasny Półksiężyc")
#define FIRST_QUARTER ROW8(L"First Quarter", L"Zunehmender Mond", L"1er quartier", L"Primo trimestre", \
                           L"Primer trimestre", L"Eerste Trimester", L"Первая четверть", L"Pierwsza Kwarta")
#define WAXING_GIBBOUS ROW8(L"Waxing Gibbous", L"Zunehmender Mond", L"première gibbosite", L"Inceratura Gibbous", \
                            L"El encerar Gibbous", L"Gibbous in de was zetten", L"Поздняя первая четверть",      \
                            L"Jasny Księżyc")
#define FULL_MOON ROW8(L"Full Moon", L"Vollmond", L"Pleine lune", L"Luna piena", L"Luna Llena", L"Volledige Maan", \
                       L"Полнолуние", L"Pełnia Księżyca")
#define WANING_GIBBOUS ROW8(L"Waning Gibbous", L"Abnehmender Mond", L"dernière gibbosite", L"Waning Gibbous", \
                            L"Disminución Gibbous", L"Gibbous afnemen", L"Позднее полнолуние",               \
                            L"Księżyc ubywający")
#define LAST_QUARTER ROW8(L"Last Quarter", L"Abnehmender Mond", L"Dernier quartier", L"Ultimo trimestre", \
                          L"Último trimestre", L"Vorig Kwart", L"Последняя четверть", L"Ostatnia Kwarta")
#define WANING_CRESCENT ROW8(L"Waning Crescent", L"Abnehmender Mond", L"1er quartier lune décroissante",  \
                             L"Mezzaluna Waning", L"Crescent de disminución", L"Afnemende Halve maan",  \
                             L"Раннее полнолуние", L"Zanikający Półksiężyc")
constexpr Row kLunarPhaseNames[] = {
    /*  0 */ NEW_MOON,        NEW_MOON,
    /*  2 */ WAXING_CRESCENT, WAXING_CRESCENT, WAXING_CRESCENT, WAXING_CRESCENT, WAXING_CRESCENT,
    /*  7 */ FIRST_QUARTER,
    /*  8 */ WAXING_GIBBOUS,  WAXING_GIBBOUS,  WAXING_GIBBOUS,  WAXING_GIBBOUS,  WAXING_GIBBOUS, WAXING_GIBBOUS,
    /* 14 */ FULL_MOON,       FULL_MOON,
    /* 16 */ WANING_GIBBOUS,  WANING_GIBBOUS,  WANING_GIBBOUS,  WANING_GIBBOUS,  WANING_GIBBOUS, WANING_GIBBOUS,
    /* 22 */ LAST_QUARTER,
    /* 23 */ WANING_CRESCENT, WANING_CRESCENT, WANING_CRESCENT, WANING_CRESCENT, WANING_CRESCENT,
};
#undef NEW_MOON
#undef WAXING_CRESCENT
#undef FIRST_QUARTER
#undef WAXING_GIBBOUS
#undef FULL_MOON
#undef WANING_GIBBOUS
#undef LAST_QUARTER
#undef WANING_CRESCENT

// UV exposure levels, lowest first (UV index below 3, 6, 8, 11, and above).
constexpr Row kUvLevelTexts[] = {
    /* 0 */ ROW8(L"LOW", L"NIEDRIG", L"BAS", L"BASSO", L"BAJO", L"LAAG", L"НИЗКОЕ", L"Nisko"),
    /* 1 */ ROW8(L"MED", L"MITTEL", L"MOYEN", L"CENTRALE", L"MEDIO", L"MIDDEN", L"СРЕДНЕЕ", L"Średnio"),
    /* 2 */ ROW8(L"HIGH", L"HOCH", L"HAUT", L"ALTO", L"ALTO", L"HOOG", L"ВЫСОКОЕ", L"Wysoko"),
    /* 3 */ ROW8(L"V.HIGH", L"SEHR STARK", L"TRÈS HAUT", L"MOLTO SU", L"MUY ARRIBA", L"ZEER HOOG", L"ОЧЕНЬ ВЫСОКОЕ",
                 L"Bardzo Wysoko"),
    /* 4 */ ROW8(L"EXTREME", L"EXTREM", L"EXTRÊME", L"ESTREMO", L"EXTREMO", L"EXTREEM", L"ЭКСТРЕМАЛЬНОЕ",
                 L"Skrajnie"),
};

// Weekday names, Sunday first.
constexpr Row kWeekdayNames[] = {
    /* 0 */ ROW8(L"Sunday", L"Sonntag", L"Dimanche", L"Domenica", L"Domingo", L"Zondag", L"Воскресенье",
                 L"Niedziela"),
    /* 1 */ ROW8(L"Monday", L"Montag", L"Lundi", L"Lunedì", L"Lunes", L"Maandag", L"Понедельник", L"Poniedziałek"),
    /* 2 */ ROW8(L"Tuesday", L"Dienstag", L"Mardi", L"Martedì", L"Martes", L"Dinsdag", L"Вторник", L"Wtorek"),
    /* 3 */ ROW8(L"Wednesday", L"Mittwoch", L"Mercredi", L"Mercoledì", L"Miércoles", L"Woensdag", L"Среда",
                 L"Środa"),
    /* 4 */ ROW8(L"Thursday", L"Donnerstag", L"Jeudi", L"Giovedì", L"Jueves", L"Donderdag", L"Четверг",
                 L"Czwartek"),
    /* 5 */ ROW8(L"Friday", L"Freitag", L"Vendredi", L"Venerdì", L"Viernes", L"Vrijdag", L"Пятница", L"Piątek"),
    /* 6 */ ROW8(L"Saturday", L"Samstag", L"Samedi", L"Sabato", L"Sábado", L"Zaterdag", L"Суббота", L"Sobota"),
};

// Unit names, grouped by quantity in the order of each quantity's unit index.
constexpr Row kUnitTexts[] = {
    /*  0 */ ROW8(L"ft", L"ft", L"ft", L"ft", L"ft", L"ft", L"ft", L"Stopy"),
    /*  1 */ ROW8(L"m", L"m", L"m", L"m", L"m", L"m", L"m", L"Metryczna"),
    /*  2 */ SAME8(L"MED/h"),
    /*  3 */ SAME8(L"UVI"),
    /*  4 */ SAME8(L"inHg"),
    /*  5 */ SAME8(L"mBar/hPa"),
    /*  6 */ ROW8(L"mmHg", L"mmHg", L"mmHg", L"mmHg", L"mmHg", L"mmHg", L"ммРтст", L"mmHg"),
    /*  7 */ ROW8(L"inch", L"Zoll", L"inch", L"inch", L"inch", L"inch", L"inch", L"inch"),
    /*  8 */ SAME8(L"mm"),
    /*  9 */ ROW8(L"12hr", L"12hr", L"12hr", L"12hr", L"12hr", L"12hr", L"12ч", L"12hr"),
    /* 10 */ ROW8(L"24hr", L"24hr", L"24hr", L"24hr", L"24hr", L"24hr", L"24ч", L"24hr"),
    /* 11 */ SAME8(L"°C"),
    /* 12 */ SAME8(L"°F"),
    /* 13 */ ROW8(L"km/h", L"km/h", L"km/h", L"km/h", L"km/h", L"km/h", L"км/ч", L"km/h"),
    /* 14 */ SAME8(L"knots"),
    /* 15 */ ROW8(L"m/s", L"m/s", L"m/s", L"m/s", L"m/s", L"m/s", L"м/с", L"m/s"),
    /* 16 */ SAME8(L"mph"),
};

// Column names of the record files' header row, English in every language.
constexpr Row kExportColumnHeaders[] = {
    /*  0 */ SAME8(L"Year"),      SAME8(L"Weekday"),  SAME8(L"Month"),     SAME8(L"Date"),
    /*  4 */ SAME8(L"Hour"),      SAME8(L"Minute"),
    /*  6 */ SAME8(L"InTemp"),    SAME8(L"InRH (%)"), SAME8(L"CH1Temp"),   SAME8(L"CH1RH (%)"),
    /* 10 */ SAME8(L"CH2Temp"),   SAME8(L"CH2RH (%)"), SAME8(L"CH3Temp"),  SAME8(L"CH3RH (%)"),
    /* 14 */ SAME8(L"CH4Temp"),   SAME8(L"CH4RH (%)"), SAME8(L"CH5Temp"),  SAME8(L"CH5RH (%)"),
    /* 18 */ SAME8(L"UV"),        SAME8(L"Baro"),     SAME8(L"Weather"),   SAME8(L"Wchill"),
    /* 22 */ SAME8(L"Wgust"),     SAME8(L"Wspeed"),   SAME8(L"W_Dir"),     SAME8(L"RainCount"),
    /* 26 */ SAME8(L"OneHour"),   SAME8(L"r24Hour"),  SAME8(L"Yesterday"), SAME8(L"LastWeek"),
    /* 30 */ SAME8(L"LastMonth"), SAME8(L"uvDaily"),  SAME8(L"uvWeekly"),
};

constexpr Row kUploadResultTexts[] = {
    /* 0 */ ROW8(L"Upload success", L"Daten geladen", L"Succès de téléchargement", L"Successo di Upload",
                 L"Éxito del Upload", L"Upload succes", L"Загрузка прошла успешно",
                 L"Ładowanie danych zakończone sukcesem"),
    /* 1 */ ROW8(L"Upload failure", L"Datenübertragungsfehler", L"Échec de téléchargement", L"Guasto di Upload",
                 L"Falta del Upload", L"Upload mislukking", L"Загрузка не произведена",
                 L"Ładowanie danych nie powiodło się"),
};

// Rows 0..4 title the small charts; rows 5 and 6 are shown on a day on which
// the sun does not rise or does not set.
constexpr Row kSmallChartTitles[] = {
    /* 0 */ ROW8(L"Pressure (Past 24h)", L"Druck der vergangenen 24h", L"Pression (dernières 24 hrs)",
                 L"Pressione (oltre 24h)", L"Presión (más allá de 24h)", L"Druk (afgelopen 24 uur)",
                 L"Давление (за 24ч)", L"Ciśnienie (ostatnia doba)"),
    /* 1 */ ROW8(L"Wind speed (Past 24h)", L"Windgeschwindigkeit (vergangene 24h)", L"vitesse du vent (après 24h)",
                 L"Velocità di vento (oltre 24h)", L"Velocidad del viento (más allá de 24h)",
                 L"Windsnelheid (afgelopen 24 uur)", L"Скорость ветра (за 24ч)", L"Prędkość Wiatru (ostatnia doba)"),
    /* 2 */ ROW8(L"Wind direction (Past 24h)", L"Windrichtung (vergangene 24h)", L"direction du vent (après 24h)",
                 L"Senso del vento (oltre 24h)", L"Dirección del viento (más allá de 24h)",
                 L"Windrichting (afgelopen 24 uur)", L"Направление (за 24ч)", L"Kierunek Wiatru (ostatnia doba)"),
    /* 3 */ ROW8(L"Wind speed & direction (Past 24h)", L"Windgeschwindigkeit u. Richtung (vergangene 24h)",
                 L"Vitesse et direction du vent (après 24h)", L"Velocità & senso di vento (oltre 24h)",
                 L"Velocidad y dirección del viento (más allá de 24h)", L"Windsnelheid & richting (afgelopen 24 uur)",
                 L"Скорость и направление Ветра (за 24ч)", L"Prędkość i kierunek wiatru (ostatnia doba)"),
    /* 4 */ ROW8(L"Rainfall (Past 14 days)", L"Niederschlag (der vergangenen 14 Tage )",
                 L"Précipitations (après 14 jours)", L"Pioggia (oltre 14 giorno)", L"Precipitación (más allá de 14 día)",
                 L"Regenval (afgelopen 14 dag)", L"Количество осадков (за 14 дней)", L"Opady deszczu (ostatnie 14 dni)"),
    // Polish: "zachód" is the sunset, "wschód" the sunrise.
    /* 5 */ ROW8(L"Always sunset", L"Immer Sonnenuntergang", L"Toujours coucher du soleil", L"Sempre tramonto",
                 L"Siempre puesta del sol", L"Altijd zonsondergang", L"Всегда заход Солнца", L"Zawsze zachód słońca"),
    /* 6 */ ROW8(L"Always sunrise", L"Immer Sonnenaufgang", L"Toujours lever de soleil", L"Sempre alba",
                 L"Siempre salida del sol", L"Altijd zonsopgang", L"Всегда восход Солнца", L"Zawsze wschód słońca"),
};

constexpr Row kReconnectPromptTexts[] = {
    SAME8(L"Please disconnect the Weather Station for ten seconds and re-connect it again before running this program."),
};

// The Polish column keeps the English text; the German one ends with a blank.
constexpr Row kConnectPromptTexts[] = {
    ROW8(L"Please ensure the Weather Station is connected before running this program.",
         L"Verbinden Sie erst die Wetterstation mit dem PC, bevor Sie die Software starten ",
         L"SVP assurez vous que la station est connectée avant de lancer le programme",
         L"Accerti prego la stazione metereologica è collegato prima del funzionamento del questo programma.",
         L"Asegure por favor la estación meteorológica está conectado antes de funcionar este programa.",
         L"Gelieve te verzekeren het Weerstation alvorens dit programma in werking te stellen wordt verbonden.",
         L"Пожалуйста обеспечьте станцию погоды подключает перед бежать эта программа.",
         L"Please ensure the Weather Station is connected before running this program."),
};

constexpr Row kRecordFileErrorTexts[] = {
    EN_ONLY(L"Can't write record file!"),
};

constexpr Row kCloseTexts[] = {
    ROW8(L"Close", L"Ende", L"Fermer", L"Fine", L"Cierre", L"Sluit", L"Закрыть", L"Zamknij"),
};

constexpr TextTable<RowsTimesLanguages(PANEL_LABEL_COUNT)> kPanelLabelTable =
    BuildTable(kPanelLabels, supplied::kPanelLabels);
constexpr TextTable<RowsTimesLanguages(WIND_DIRECTION_TEXT_COUNT)> kWindDirectionTable =
    BuildTable(kWindDirectionTexts);
constexpr TextTable<RowsTimesLanguages(COMPASS_WORD_COUNT)> kCompassWordTable = BuildTable(kCompassWords);
constexpr TextTable<RowsTimesLanguages(LUNAR_PHASE_NAME_COUNT)> kLunarPhaseTable = BuildTable(kLunarPhaseNames);
constexpr TextTable<RowsTimesLanguages(UV_LEVEL_TEXT_COUNT)> kUvLevelTable = BuildTable(kUvLevelTexts);
constexpr TextTable<RowsTimesLanguages(WEEKDAY_NAME_COUNT)> kWeekdayTable = BuildTable(kWeekdayNames);

}  // namespace

// ---------------------------------------------------------------------------
// Per-language families: column l of each table above is language l's array.
#define DEFINE_FAMILY(family, count, table)                                                 \
    constexpr TextTable<count> family##English = Column(table, LANGUAGE_ENGLISH);           \
    constexpr TextTable<count> family##German = Column(table, LANGUAGE_GERMAN);             \
    constexpr TextTable<count> family##French = Column(table, LANGUAGE_FRENCH);             \
    constexpr TextTable<count> family##Italian = Column(table, LANGUAGE_ITALIAN);           \
    constexpr TextTable<count> family##Spanish = Column(table, LANGUAGE_SPANISH);           \
    constexpr TextTable<count> family##Dutch = Column(table, LANGUAGE_DUTCH);               \
    constexpr TextTable<count> family##Russian = Column(table, LANGUAGE_RUSSIAN);           \
    constexpr TextTable<count> family##Polish = Column(table, LANGUAGE_POLISH);             \
    const TextTable<count>* const family[LANGUAGE_COUNT] = {                                \
        &family##English, &family##German, &family##French,  &family##Italian,              \
        &family##Spanish, &family##Dutch,  &family##Russian, &family##Polish,               \
    };

DEFINE_FAMILY(g_panelLabels, PANEL_LABEL_COUNT, kPanelLabelTable)
DEFINE_FAMILY(g_windDirectionTexts, WIND_DIRECTION_TEXT_COUNT, kWindDirectionTable)
DEFINE_FAMILY(g_compassWords, COMPASS_WORD_COUNT, kCompassWordTable)
DEFINE_FAMILY(g_lunarPhaseNames, LUNAR_PHASE_NAME_COUNT, kLunarPhaseTable)
DEFINE_FAMILY(g_uvLevelTexts, UV_LEVEL_TEXT_COUNT, kUvLevelTable)
DEFINE_FAMILY(g_weekdayNames, WEEKDAY_NAME_COUNT, kWeekdayTable)

#undef DEFINE_FAMILY

const wchar_t* const* PanelLabelsFor(int language)
{
    return g_panelLabels[LanguageOrEnglish(language)]->data();
}

const wchar_t* const* WindDirectionTextsFor(int language)
{
    return g_windDirectionTexts[LanguageOrEnglish(language)]->data();
}

const wchar_t* const* CompassWordsFor(int language)
{
    return g_compassWords[LanguageOrEnglish(language)]->data();
}

const wchar_t* const* LunarPhaseNamesFor(int language)
{
    return g_lunarPhaseNames[LanguageOrEnglish(language)]->data();
}

const wchar_t* const* UvLevelTextsFor(int language)
{
    return g_uvLevelTexts[LanguageOrEnglish(language)]->data();
}

const wchar_t* const* WeekdayNamesFor(int language)
{
    return g_weekdayNames[LanguageOrEnglish(language)]->data();
}

// The views start on English so that a reader running before the first
// language selection still finds texts.
const wchar_t* const* g_currentPanelLabels = g_panelLabelsEnglish.data();
const wchar_t* const* g_currentWindDirectionTexts = g_windDirectionTextsEnglish.data();
const wchar_t* const* g_currentCompassWords = g_compassWordsEnglish.data();
const wchar_t* const* g_currentLunarPhaseNames = g_lunarPhaseNamesEnglish.data();
const wchar_t* const* g_currentUvLevelTexts = g_uvLevelTextsEnglish.data();
const wchar_t* const* g_currentWeekdayNames = g_weekdayNamesEnglish.data();

void PointCurrentLanguageViews(int language)
{
    g_currentPanelLabels = PanelLabelsFor(language);
    g_currentWindDirectionTexts = WindDirectionTextsFor(language);
    g_currentCompassWords = CompassWordsFor(language);
    g_currentLunarPhaseNames = LunarPhaseNamesFor(language);
    g_currentUvLevelTexts = UvLevelTextsFor(language);
    g_currentWeekdayNames = WeekdayNamesFor(language);
}

// ---------------------------------------------------------------------------
constexpr TextTable<RowsTimesLanguages(UNIT_TEXT_ROWS)> g_unitTexts = BuildTable(kUnitTexts);
constexpr TextTable<RowsTimesLanguages(EXPORT_COLUMN_HEADER_ROWS)> g_exportColumnHeaders =
    BuildTable(kExportColumnHeaders);
constexpr TextTable<RowsTimesLanguages(UPLOAD_RESULT_ROWS)> g_uploadResultTexts = BuildTable(kUploadResultTexts);
constexpr TextTable<RowsTimesLanguages(SMALL_CHART_TITLE_ROWS)> g_smallChartTitles = BuildTable(kSmallChartTitles);
constexpr TextTable<LANGUAGE_COUNT> g_reconnectPromptTexts = BuildTable(kReconnectPromptTexts);
constexpr TextTable<LANGUAGE_COUNT> g_connectPromptTexts = BuildTable(kConnectPromptTexts);
constexpr TextTable<LANGUAGE_COUNT> g_closeTexts = BuildTable(kCloseTexts);
constexpr TextTable<LANGUAGE_COUNT> g_recordFileErrorTexts =
    BuildTable(kRecordFileErrorTexts, supplied::kRecordFileErrorTexts);

// English only, read at a fixed entry whatever the language.
constexpr TextTable<DATA_ERROR_TEXT_COUNT> g_dataErrorTexts = {
    L"Can't receive data!",
    L"Can't read data file!",
};

// Status-field texts: "Receiving data... " + percent + "% done" while the
// history downloads, "Remaining time  " + m:ss while waiting for the next live
// reading; entry 3, one blank, is the empty value text.
constexpr TextTable<PROGRESS_TEXT_COUNT> g_progressTexts = {
    L"Receiving data... ",
    L"% done",
    L"Remaining time  ",
    L" ",
};

constexpr Row kSaveAsTexts[] = {
    ROW8(L"%s already exists.\nDo you want to replace it?", L"%s ist bereits vorhanden.\nMöchten Sie die Datei ersetzen?",
         L"%s existe déjà.\nVoulez-vous le remplacer ?", L"%s esiste già.\nVuoi sostituirlo?",
         L"%s ya existe.\n¿Desea reemplazarlo?", L"%s bestaat al.\nWilt u het bestand vervangen?",
         L"%s уже существует.\nЗаменить его?", L"%s już istnieje.\nCzy chcesz go zastąpić?"),
    ROW8(L"%s could not be saved: its folder does not exist.",
         L"%s konnte nicht gespeichert werden: Der Ordner existiert nicht.",
         L"Impossible d'enregistrer %s\u00A0: le dossier n'existe pas.", L"Impossibile salvare %s: la cartella non esiste.",
         L"No se pudo guardar %s: la carpeta no existe.", L"%s kon niet worden opgeslagen: de map bestaat niet.",
         L"Не удалось сохранить %s: папка не существует.", L"Nie można zapisać %s: folder nie istnieje."),
    ROW8(L"%s could not be saved: another program has it open.",
         L"%s konnte nicht gespeichert werden: Die Datei ist in einem anderen Programm geöffnet.",
         L"Impossible d'enregistrer %s\u00A0: le fichier est ouvert dans un autre programme.",
         L"Impossibile salvare %s: il file è aperto in un altro programma.",
         L"No se pudo guardar %s: el archivo está abierto en otro programa.",
         L"%s kon niet worden opgeslagen: het bestand is geopend in een ander programma.",
         L"Не удалось сохранить %s: файл открыт в другой программе.",
         L"Nie można zapisać %s: plik jest otwarty w innym programie."),
    ROW8(L"%s could not be saved.", L"%s konnte nicht gespeichert werden.", L"Impossible d'enregistrer %s.",
         L"Impossibile salvare %s.", L"No se pudo guardar %s.", L"%s kon niet worden opgeslagen.",
         L"Не удалось сохранить %s.", L"Nie można zapisać %s."),
    ROW8(L"There are no records to save yet.", L"Es sind noch keine Messdaten zum Speichern vorhanden.",
         L"Il n'y a pas encore de relevés à enregistrer.", L"Non ci sono ancora dati da salvare.",
         L"Todavía no hay registros para guardar.", L"Er zijn nog geen metingen om op te slaan.",
         L"Пока нет записей для сохранения.", L"Nie ma jeszcze danych do zapisania."),
    ROW8(L"%s could not be saved: %s.", L"%s konnte nicht gespeichert werden: %s.", L"Impossible d'enregistrer %s\u00A0: %s.",
         L"Impossibile salvare %s: %s.", L"No se pudo guardar %s: %s.", L"%s kon niet worden opgeslagen: %s.",
         L"Не удалось сохранить %s: %s.", L"Nie można zapisać %s: %s."),
};

constexpr TextTable<RowsTimesLanguages(SAVE_AS_TEXT_ROWS)> g_saveAsTexts = BuildTable(kSaveAsTexts);

// What was done to the record files, told once ("%s": file names in the install folder, in the order
// the English text names them).
constexpr Row kRecordFileNoticeTexts[] = {
    ROW8(L"%s was missing: it was restored from %s.", L"%s fehlte: Die Datei wurde aus %s wiederhergestellt.",
         L"%s était absent\u00A0: il a été restauré à partir de %s.", L"%s mancava: è stato ripristinato da %s.",
         L"Faltaba %s: se ha restaurado a partir de %s.", L"%s ontbrak: het bestand is hersteld uit %s.",
         L"Файл %s отсутствовал: он восстановлен из %s.", L"Brakowało pliku %s: został przywrócony z %s."),
    ROW8(L"%s lacked records that %s holds: it was restored from that file, and the file as it was is kept as %s.",
         L"%s fehlten Messdaten, die %s enthält: Die Datei wurde daraus wiederhergestellt, die bisherige Datei "
         L"wird als %s aufbewahrt.",
         L"Il manquait à %s des relevés que contient %s\u00A0: il a été restauré à partir de ce fichier, et l'ancien "
         L"fichier est conservé sous le nom %s.",
         L"A %s mancavano dati presenti in %s: è stato ripristinato da quel file e il file precedente è conservato "
         L"come %s.",
         L"A %s le faltaban registros que contiene %s: se ha restaurado a partir de ese archivo y el archivo "
         L"anterior se conserva como %s.",
         L"In %s ontbraken metingen die %s bevat: het bestand is daaruit hersteld en het oude bestand is bewaard "
         L"als %s.",
         L"В файле %s не хватало записей, которые есть в %s: он восстановлен из этого файла, а прежний файл "
         L"сохранён как %s.",
         L"W pliku %s brakowało danych, które zawiera %s: został przywrócony z tego pliku, a poprzedni plik "
         L"zachowano jako %s."),
    ROW8(L"%s could not be read as records: it was restored from %s, and the damaged file is kept as %s.",
         L"%s ließ sich nicht als Messdaten lesen: Die Datei wurde aus %s wiederhergestellt, die beschädigte Datei "
         L"wird als %s aufbewahrt.",
         L"%s ne pouvait pas être lu comme fichier de relevés\u00A0: il a été restauré à partir de %s, et le fichier "
         L"endommagé est conservé sous le nom %s.",
         L"%s non era leggibile come file di dati: è stato ripristinato da %s e il file danneggiato è conservato "
         L"come %s.",
         L"%s no se podía leer como archivo de registros: se ha restaurado a partir de %s y el archivo dañado se "
         L"conserva como %s.",
         L"%s kon niet als metingen worden gelezen: het bestand is hersteld uit %s en het beschadigde bestand is "
         L"bewaard als %s.",
         L"Файл %s не читался как файл записей: он восстановлен из %s, а повреждённый файл сохранён как %s.",
         L"Pliku %s nie dało się odczytać jako danych: został przywrócony z %s, a uszkodzony plik zachowano "
         L"jako %s."),
    ROW8(L"%s lacked records that %s holds: they were added to it.",
         L"%s fehlten Messdaten, die %s enthält: Sie wurden ergänzt.",
         L"Il manquait à %s des relevés que contient %s\u00A0: ils y ont été ajoutés.",
         L"A %s mancavano dati presenti in %s: sono stati aggiunti.",
         L"A %s le faltaban registros que contiene %s: se han añadido.",
         L"In %s ontbraken metingen die %s bevat: ze zijn toegevoegd.",
         L"В файле %s не хватало записей, которые есть в %s: они добавлены.",
         L"W pliku %s brakowało danych, które zawiera %s: zostały dodane."),
    ROW8(L"The station's clock went back: the records it took at times the record files already held, with other "
         L"values, were added after them.",
         L"Die Uhr der Wetterstation wurde zurückgestellt: Die Messdaten, die sie zu bereits gespeicherten Zeiten "
         L"mit anderen Werten aufgezeichnet hat, wurden hinzugefügt.",
         L"L'horloge de la station a été reculée\u00A0: les relevés qu'elle a pris à des heures déjà enregistrées, avec "
         L"d'autres valeurs, ont été ajoutés.",
         L"L'orologio della stazione è stato spostato indietro: i dati registrati a orari già presenti, con altri "
         L"valori, sono stati aggiunti.",
         L"El reloj de la estación se ha atrasado: se han añadido los registros que tomó a horas ya guardadas, con "
         L"otros valores.",
         L"De klok van het weerstation is teruggezet: de metingen die het op al opgeslagen tijden met andere "
         L"waarden heeft gedaan, zijn toegevoegd.",
         L"Часы метеостанции были переведены назад: записи, сделанные ею в уже сохранённое время с другими "
         L"значениями, добавлены.",
         L"Zegar stacji został cofnięty: dane zapisane przez nią w już zapisanych godzinach, z innymi wartościami, "
         L"zostały dodane."),
    ROW8(L"%s held damaged lines that are no records: it was restored from %s, and the damaged file is kept as %s.",
         L"%s enthielt beschädigte Zeilen, die keine Messdaten sind: Die Datei wurde aus %s wiederhergestellt, die "
         L"beschädigte Datei wird als %s aufbewahrt.",
         L"%s contenait des lignes endommagées qui ne sont pas des relevés\u00A0: il a été restauré à partir de %s, "
         L"et le fichier endommagé est conservé sous le nom %s.",
         L"%s conteneva righe danneggiate che non sono dati: è stato ripristinato da %s e il file danneggiato è "
         L"conservato come %s.",
         L"%s contenía líneas dañadas que no son registros: se ha restaurado a partir de %s y el archivo dañado se "
         L"conserva como %s.",
         L"%s bevatte beschadigde regels die geen metingen zijn: het bestand is hersteld uit %s en het beschadigde "
         L"bestand is bewaard als %s.",
         L"Файл %s содержал повреждённые строки, не являющиеся записями: он восстановлен из %s, а повреждённый файл "
         L"сохранён как %s.",
         L"Plik %s zawierał uszkodzone wiersze, które nie są danymi: został przywrócony z %s, a uszkodzony plik "
         L"zachowano jako %s."),
    ROW8(L"%s held damaged lines that are no records: they were taken out, and the damaged file is kept as %s.",
         L"%s enthielt beschädigte Zeilen, die keine Messdaten sind: Sie wurden entfernt, die beschädigte Datei wird "
         L"als %s aufbewahrt.",
         L"%s contenait des lignes endommagées qui ne sont pas des relevés\u00A0: elles ont été retirées, et le "
         L"fichier endommagé est conservé sous le nom %s.",
         L"%s conteneva righe danneggiate che non sono dati: sono state rimosse e il file danneggiato è conservato "
         L"come %s.",
         L"%s contenía líneas dañadas que no son registros: se han eliminado y el archivo dañado se conserva como %s.",
         L"%s bevatte beschadigde regels die geen metingen zijn: ze zijn verwijderd en het beschadigde bestand is "
         L"bewaard als %s.",
         L"Файл %s содержал повреждённые строки, не являющиеся записями: они удалены, а повреждённый файл сохранён "
         L"как %s.",
         L"Plik %s zawierał uszkodzone wiersze, które nie są danymi: zostały usunięte, a uszkodzony plik zachowano "
         L"jako %s."),
};

constexpr TextTable<RowsTimesLanguages(RECORD_FILE_NOTICE_ROWS)> g_recordFileNoticeTexts =
    BuildTable(kRecordFileNoticeTexts);
constexpr Row kWriteFailureTexts[] = {
    ROW8(L"Could not write %s: %s. The program tries again.",
         L"Fehler beim Schreiben von %s: %s. Das Programm versucht es erneut.",
         L"Impossible d'écrire %s\u00A0: %s. Le programme réessaie.", L"Impossibile scrivere %s: %s. Il programma riprova.",
         L"No se pudo escribir %s: %s. El programa lo intenta de nuevo.",
         L"Fout bij het schrijven van %s: %s. Het programma probeert het opnieuw.",
         L"Не удалось записать %s: %s. Программа повторит попытку.", L"Nie można zapisać %s: %s. Program spróbuje ponownie."),
    ROW8(L"Could not write %s: %s. The new records wait and go in as soon as writing is possible again.",
         L"Fehler beim Schreiben von %s: %s. Die neuen Messdaten warten und werden eingetragen, sobald das Schreiben "
         L"wieder möglich ist.",
         L"Impossible d'écrire %s\u00A0: %s. Les nouveaux relevés attendent et seront écrits dès que l'écriture sera de "
         L"nouveau possible.",
         L"Impossibile scrivere %s: %s. I nuovi dati attendono e verranno scritti non appena la scrittura sarà di "
         L"nuovo possibile.",
         L"No se pudo escribir %s: %s. Los nuevos registros esperan y se escribirán en cuanto vuelva a ser posible "
         L"escribir.",
         L"Fout bij het schrijven van %s: %s. De nieuwe metingen wachten en worden geschreven zodra schrijven weer "
         L"mogelijk is.",
         L"Не удалось записать %s: %s. Новые записи ждут и будут записаны, как только запись снова станет возможной.",
         L"Nie można zapisać %s: %s. Nowe dane czekają i zostaną zapisane, gdy zapis znów będzie możliwy."),
    ROW8(L"Could not rebuild %s in the new display units: %s. Until then the old units stay; the program tries "
         L"again.",
         L"Fehler beim Umrechnen von %s in die neuen Anzeigeeinheiten: %s. Bis dahin bleiben die alten Einheiten; das "
         L"Programm versucht es erneut.",
         L"Impossible de convertir %s dans les nouvelles unités d'affichage\u00A0: %s. D'ici là, les anciennes unités "
         L"restent ; le programme réessaie.",
         L"Impossibile convertire %s nelle nuove unità di visualizzazione: %s. Fino ad allora restano le vecchie "
         L"unità; il programma riprova.",
         L"No se pudo convertir %s a las nuevas unidades de visualización: %s. Hasta entonces se mantienen las "
         L"unidades anteriores; el programa lo intenta de nuevo.",
         L"Fout bij het omrekenen van %s naar de nieuwe weergave-eenheden: %s. Tot dan blijven de oude eenheden; het "
         L"programma probeert het opnieuw.",
         L"Не удалось пересчитать %s в новые единицы отображения: %s. До тех пор остаются старые единицы; "
         L"программа повторит попытку.",
         L"Nie można przeliczyć %s na nowe jednostki wyświetlania: %s. Do tego czasu pozostają stare jednostki; "
         L"program spróbuje ponownie."),
    ROW8(L"Can't write station data!", L"Stationsdaten nicht schreibbar!", L"Données station non écrites !",
         L"Dati stazione non scrivibili!", L"¡Error al escribir datos de estación!", L"Stationsgegevens niet schrijfbaar!",
         L"Данные станции не записаны!", L"Błąd zapisu danych stacji!"),
    ROW8(L"Could not restore %s: %s. The records it lacks stay in its copy or in the other record file; the "
         L"program tries again.",
         L"Fehler beim Wiederherstellen von %s: %s. Die fehlenden Messdaten bleiben in der Kopie oder in der "
         L"anderen Datendatei; das Programm versucht es erneut.",
         L"Impossible de restaurer %s\u00A0: %s. Les relevés qui manquent restent dans sa copie ou dans l'autre fichier "
         L"de relevés ; le programme réessaie.",
         L"Impossibile ripristinare %s: %s. I dati mancanti restano nella sua copia o nell'altro file di dati; il "
         L"programma riprova.",
         L"No se pudo restaurar %s: %s. Los registros que faltan siguen en su copia o en el otro archivo de "
         L"registros; el programa lo intenta de nuevo.",
         L"Fout bij het herstellen van %s: %s. De ontbrekende metingen blijven in de kopie of in het andere "
         L"meetbestand; het programma probeert het opnieuw.",
         L"Не удалось восстановить %s: %s. Недостающие записи остаются в его копии или в другом файле записей; "
         L"программа повторит попытку.",
         L"Nie można przywrócić %s: %s. Brakujące dane pozostają w jego kopii lub w drugim pliku danych; program "
         L"spróbuje ponownie."),
    ROW8(L"Could not write %s: %s. The rainfall total stays as it was.",
         L"Fehler beim Schreiben von %s: %s. Die gesamte Regenmenge bleibt, wie sie war.",
         L"Impossible d'écrire %s\u00A0: %s. Le total des précipitations reste tel quel.",
         L"Impossibile scrivere %s: %s. Il totale delle precipitazioni resta com'era.",
         L"No se pudo escribir %s: %s. El total de la lluvia queda como estaba.",
         L"Fout bij het schrijven van %s: %s. Het totaal van de neerslag blijft zoals het was.",
         L"Не удалось записать %s: %s. Сумма осадков остаётся прежней.",
         L"Nie można zapisać %s: %s. Suma opadów pozostaje bez zmian."),
    ROW8(L"Could not write %s: %s. The next automatic save is made at its time.",
         L"Fehler beim Schreiben von %s: %s. Die nächste automatische Speicherung erfolgt zu ihrer Zeit.",
         L"Impossible d'écrire %s\u00A0: %s. Le prochain enregistrement automatique se fera à son heure.",
         L"Impossibile scrivere %s: %s. Il prossimo salvataggio automatico avverrà all'ora prevista.",
         L"No se pudo escribir %s: %s. El próximo guardado automático se hará a su hora.",
         L"Fout bij het schrijven van %s: %s. De volgende automatische opslag gebeurt op het gewone tijdstip.",
         L"Не удалось записать %s: %s. Следующее автосохранение будет выполнено в своё время.",
         L"Nie można zapisać %s: %s. Następny automatyczny zapis nastąpi o swojej porze."),
};

constexpr TextTable<RowsTimesLanguages(WRITE_FAILURE_TEXT_ROWS)> g_writeFailureTexts = BuildTable(kWriteFailureTexts);

constexpr Row kWriteFailureReasons[] = {
    ROW8(L"disk full", L"Datenträger voll", L"disque plein", L"disco pieno", L"disco lleno", L"schijf vol",
         L"диск заполнен", L"dysk pełny"),
    ROW8(L"write-protected", L"schreibgeschützt", L"protégé en écriture", L"protetto da scrittura",
         L"protegido contra escritura", L"schrijfbeveiligd", L"защищён от записи", L"chroniony przed zapisem"),
    ROW8(L"access denied", L"Zugriff verweigert", L"accès refusé", L"accesso negato", L"acceso denegado",
         L"toegang geweigerd", L"доступ запрещён", L"odmowa dostępu"),
    ROW8(L"open in another program", L"in einem anderen Programm geöffnet", L"ouvert dans un autre programme",
         L"aperto in un altro programma", L"abierto en otro programa", L"geopend in een ander programma",
         L"открыт в другой программе", L"otwarty w innym programie"),
    ROW8(L"a folder has this name", L"ein Ordner trägt diesen Namen", L"un dossier porte ce nom",
         L"una cartella ha questo nome", L"una carpeta tiene este nombre", L"een map heeft deze naam",
         L"папка с таким именем", L"folder o tej nazwie"),
    ROW8(L"the folder does not exist", L"der Ordner existiert nicht", L"le dossier n'existe pas",
         L"la cartella non esiste", L"la carpeta no existe", L"de map bestaat niet", L"папка не существует",
         L"folder nie istnieje"),
    ROW8(L"system error %lu", L"Systemfehler %lu", L"erreur système %lu", L"errore di sistema %lu",
         L"error del sistema %lu", L"systeemfout %lu", L"системная ошибка %lu", L"błąd systemu %lu"),
};

constexpr TextTable<RowsTimesLanguages(WRITE_FAILURE_REASON_ROWS)> g_writeFailureReasons =
    BuildTable(kWriteFailureReasons);
