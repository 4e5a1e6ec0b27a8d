// Every dialog of the dialogs library in each of the eight languages, as it opens on the screen:
// every caption's text inside its control, measured in the control's own font as the control
// draws it; no caption on another or under another control; every label showing its text; every
// control inside its window; the line dialog's lists showing their whole samples; and the location
// dialog's list items, current settings and fields whole. First, the checks themselves on a window
// built with each fault.
#include "dialogs/AlarmDialog.h"
#include "dialogs/AlarmValues.h"
#include "dialogs/AltitudeDialog.h"
#include "dialogs/AutoSavingDialog.h"
#include "dialogs/ConfirmDialogs.h"
#include "dialogs/DisplayDialog.h"
#include "dialogs/DisplayingUnitDialog.h"
#include "dialogs/DstDates.h"
#include "dialogs/LanguageDialog.h"
#include "dialogs/LocationDialog.h"
#include "dialogs/RecordIntervalDialog.h"
#include "dialogs/THDDialog.h"
#include "printing/PrintPreviewDlg.h"
#include "tests/support/DialogTestSupport.h"
#include "tests/support/WindowTextCheck.h"
#include "texts/TextTables.h"

#include <algorithm>
#include <cwchar>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace {

using textcheck::Faults;

bool Names(const Faults& faults, int id)
{
    const std::string control = ": control " + std::to_string(id) + " ";
    return std::any_of(faults.begin(), faults.end(),
                       [&](const std::string& f) { return f.find(control) != std::string::npos; });
}

// A window holding one control per fault the checks look for, and good controls of each kind. It
// paints one text itself, and its menu has a command with a shortcut, as the system lays it out.
class FaultyWindow {
public:
    enum {
        GOOD = 10, FRAME, HIDDEN_LABEL, NARROW_LABEL, LOWER_LABEL, UPPER_LABEL, DISABLED_BUTTON, OUTSIDE,
        TWO_LINES, NARROW_LIST, GOOD_LIST, SCROLLED_FIELD, GOOD_FIELD, LINED_FRAME, ON_THE_LINE, GOOD_FRAME,
        IN_THE_FRAME
    };
    static constexpr const wchar_t* PAINTED = L"Painted";
    static constexpr int PAINTED_X = 430, PAINTED_Y = 240;

    FaultyWindow()
    {
        m_font = ::CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Shell Dlg");
        WNDCLASSW type{};
        type.lpfnWndProc = Paint;
        type.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
        type.lpszClassName = L"OrvelleFaultyWindow";
        ::RegisterClassW(&type);
        m_menu = ::CreateMenu();
        HMENU file = ::CreatePopupMenu();
        ::AppendMenuW(file, MF_STRING, 100, L"Open the station's record file\tCtrl+O");
        ::AppendMenuW(file, MF_STRING, 101, L"Close");
        ::AppendMenuW(m_menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File");
        m_window = ::CreateWindowExW(0, L"OrvelleFaultyWindow", L"faults", WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40,
                                     620, 300, nullptr, m_menu, nullptr, nullptr);
        Add(L"Static", L"Shown whole", SS_LEFT, GOOD, 10, 10, 120, 14);
        Add(L"Button", L"Frame", BS_GROUPBOX, FRAME, 10, 30, 200, 60);
        // Below the frame in the z-order and clipped by it.
        HWND hidden = Add(L"Static", L"Under the frame", SS_LEFT | WS_CLIPSIBLINGS, HIDDEN_LABEL, 20, 50, 120, 14);
        ::SetWindowPos(hidden, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        Add(L"Static", L"Unterschreitung", SS_LEFT, NARROW_LABEL, 220, 10, 40, 14);
        Add(L"Static", L"One line\nand a second line", SS_LEFT, UPPER_LABEL, 220, 100, 150, 28);
        Add(L"Static", L"Below", SS_LEFT, LOWER_LABEL, 220, 114, 150, 14);
        HWND button = Add(L"Button", L"Загрузка новых установок", BS_PUSHBUTTON, DISABLED_BUTTON, 10, 150, 200,
                          24);
        ::EnableWindow(button, FALSE);
        Add(L"Static", L"Out", SS_LEFT, OUTSIDE, 590, 10, 60, 14);
        // A label of two lines that is one line high.
        Add(L"Static", L"50°7' het noorden", SS_LEFT, TWO_LINES, 420, 10, 84, 14);
        AddList(NARROW_LIST, 420, 30, 60, {L"Ost", L"het noorden"});
        AddList(GOOD_LIST, 500, 30, 100, {L"Ost", L"het noorden"});
        Add(L"Edit", L"1234567890", ES_AUTOHSCROLL | WS_BORDER, SCROLLED_FIELD, 420, 60, 30, 20);
        Add(L"Edit", L"12", ES_AUTOHSCROLL | WS_BORDER, GOOD_FIELD, 500, 60, 60, 20);
        // A label on the bottom line of its frame, and one that keeps clear of the lines of another.
        Add(L"Button", L"Lined", BS_GROUPBOX, LINED_FRAME, 420, 90, 180, 50);
        Add(L"Static", L"On the line", SS_LEFT, ON_THE_LINE, 430, 130, 100, 14);
        Add(L"Button", L"Clear", BS_GROUPBOX, GOOD_FRAME, 420, 150, 180, 50);
        Add(L"Static", L"In the frame", SS_LEFT, IN_THE_FRAME, 430, 170, 100, 14);
        ::UpdateWindow(m_window);
    }
    ~FaultyWindow()
    {
        ::DestroyWindow(m_window);
        ::DeleteObject(m_font);
    }
    FaultyWindow(const FaultyWindow&) = delete;
    FaultyWindow& operator=(const FaultyWindow&) = delete;

    HWND m_window;
    HFONT m_font;

private:
    static LRESULT CALLBACK Paint(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message != WM_PAINT)
            return ::DefWindowProcW(window, message, wParam, lParam);
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        ::SetBkMode(dc, TRANSPARENT);
        HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
        ::TextOutW(dc, PAINTED_X, PAINTED_Y, PAINTED, static_cast<int>(std::wcslen(PAINTED)));
        ::SelectObject(dc, old);
        ::EndPaint(window, &paint);
        return 0;
    }
    HWND Add(const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h)
    {
        HWND control = ::CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, m_window,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        return control;
    }
    void AddList(int id, int x, int y, int w, std::initializer_list<const wchar_t*> items)
    {
        HWND list = Add(L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, id, x, y, w, 100);
        for (const wchar_t* item : items)
            ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        ::SendMessageW(list, CB_SETCURSEL, 0, 0);
    }
    HMENU m_menu;
};

// Opens the dialog, collects what its texts show, and closes it.
Faults FaultsOf(CDialog& dialog, const std::string& where)
{
    Faults faults;
    RunDialog(dialog, [&](CDialog& d) {
        faults = textcheck::WindowTextFaults(d.m_hWnd, where);
        d.EndDialog(IDCANCEL);
    });
    return faults;
}

template <class Dialog>
Faults FaultsIn(int language, const char* name, const std::function<void(Dialog&)>& prepare = nullptr)
{
    Dialog dialog;
    dialog.m_language = language;
    if (prepare)
        prepare(dialog);
    return FaultsOf(dialog, std::string(name) + " in language " + std::to_string(language));
}

void Add(Faults& to, const Faults& from) { to.insert(to.end(), from.begin(), from.end()); }

}  // namespace

TEST(WindowTextCheck, FindsTextsThatAreCutHiddenOnOneAnotherOrOutsideTheWindow)
{
    FaultyWindow faulty;
    const HWND window = faulty.m_window;
    const Faults unfit = textcheck::UnfitCaptions(window, "w");
    EXPECT_TRUE(Names(unfit, FaultyWindow::NARROW_LABEL)) << textcheck::Lines(unfit);
    // A disabled caption is drawn through an image as wide as its measured text.
    EXPECT_TRUE(Names(unfit, FaultyWindow::DISABLED_BUTTON)) << textcheck::Lines(unfit);
    const Faults overlapping = textcheck::OverlappingCaptions(window, "w");
    EXPECT_TRUE(Names(overlapping, FaultyWindow::UPPER_LABEL)) << textcheck::Lines(overlapping);
    const Faults unpainted = textcheck::UnpaintedLabels(window, "w");
    EXPECT_TRUE(Names(unpainted, FaultyWindow::HIDDEN_LABEL)) << textcheck::Lines(unpainted);
    const Faults outside = textcheck::ControlsOutsideTheWindow(window, "w");
    EXPECT_TRUE(Names(outside, FaultyWindow::OUTSIDE)) << textcheck::Lines(outside);
    for (const Faults& faults : {unfit, overlapping, unpainted, outside})
        EXPECT_FALSE(Names(faults, FaultyWindow::GOOD)) << textcheck::Lines(faults);
}

TEST(WindowTextCheck, FindsCutSecondLinesListEntriesAndFieldTexts)
{
    FaultyWindow faulty;
    const HWND window = faulty.m_window;
    const Faults unfit = textcheck::UnfitCaptions(window, "w");
    const std::string cutLine = ": control " + std::to_string(FaultyWindow::TWO_LINES) + " ";
    EXPECT_TRUE(std::any_of(unfit.begin(), unfit.end(), [&](const std::string& f) {
        return f.find(cutLine) != std::string::npos && f.find("line 2 is cut at the bottom") != std::string::npos;
    })) << textcheck::Lines(unfit);
    const Faults lists = textcheck::CutComboItems(window, "w");
    EXPECT_TRUE(Names(lists, FaultyWindow::NARROW_LIST)) << textcheck::Lines(lists);
    EXPECT_FALSE(Names(lists, FaultyWindow::GOOD_LIST)) << textcheck::Lines(lists);
    const Faults fields = textcheck::CutEditTexts(window, "w");
    EXPECT_TRUE(Names(fields, FaultyWindow::SCROLLED_FIELD)) << textcheck::Lines(fields);
    EXPECT_FALSE(Names(fields, FaultyWindow::GOOD_FIELD)) << textcheck::Lines(fields);
}

TEST(WindowTextCheck, FindsTextsOnFrameLinesPaintedTextsInTheWayAndCrowdedShortcuts)
{
    FaultyWindow faulty;
    const HWND window = faulty.m_window;
    const Faults frames = textcheck::TextsOnFrameLines(window, "w");
    EXPECT_TRUE(Names(frames, FaultyWindow::LINED_FRAME)) << textcheck::Lines(frames);
    for (int clear : {FaultyWindow::GOOD_FRAME, FaultyWindow::FRAME})
        EXPECT_FALSE(Names(frames, clear)) << textcheck::Lines(frames);

    // The text the window paints, the same over a label, and one it does not paint.
    using Painted = textcheck::PaintedText;
    const HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    const std::vector<Painted> painted = {{FaultyWindow::PAINTED, font, FaultyWindow::PAINTED_X, FaultyWindow::PAINTED_Y},
                                          {FaultyWindow::PAINTED, font, 12, 12},
                                          {L"Never painted", font, 300, 240}};
    const Faults texts = textcheck::PaintedTextFaults(window, painted, "w");
    auto about = [&texts](const std::string& text, const std::string& fault) {
        return std::count_if(texts.begin(), texts.end(), [&](const std::string& f) {
            return f.find("\"" + text + "\" (") != std::string::npos && f.find(fault) != std::string::npos;
        });
    };
    EXPECT_EQ(about("Painted", "touches control " + std::to_string(FaultyWindow::GOOD)), 1) << textcheck::Lines(texts);
    EXPECT_EQ(about("Never painted", "is not seen"), 1) << textcheck::Lines(texts);
    EXPECT_EQ(texts.size(), 2u) << textcheck::Lines(texts);

    // The system starts a shortcut column only a few pixels after the longest command.
    const Faults shortcuts = textcheck::CrowdedMenuShortcuts(window, "w");
    ASSERT_EQ(shortcuts.size(), 1u) << textcheck::Lines(shortcuts);
    EXPECT_NE(shortcuts[0].find("\"Ctrl+O\""), std::string::npos) << shortcuts[0];
}

namespace {

void WidestAlarms(CAlarmDialogDlg& d)
{
    d.m_temperatureUpper = TEMPERATURE_LIMIT_HIGHEST;
    d.m_temperatureLower = TEMPERATURE_LIMIT_LOWEST;
    d.m_rainUpper = d.m_currentRain = 1999;
    d.m_windUpper = d.m_gustUpper = d.m_currentWind = d.m_currentGust = 199;
    d.m_weekdayHour = d.m_singleHour = 23;
    d.m_weekdayMinute = d.m_singleMinute = 59;
    d.m_period = 6;
    d.m_duration = 15;
    d.m_currentTemperatureUpperText = L"70.0";
    d.m_currentTemperatureLowerText = L"-50.0";
    d.m_currentWeekdayText = d.m_currentSingleText = d.m_timeFormat ? L"23:59" : L"11:59 PM";
}

}  // namespace

TEST(WindowTexts, StationDialogsInEveryLanguage)
{
    Faults faults;
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        Add(faults, FaultsIn<CLocationDialogDlg>(language, "location"));
        Add(faults, FaultsIn<CAlarmDialogDlg>(language, "alarm (24 hours)", WidestAlarms));
        Add(faults, FaultsIn<CAlarmDialogDlg>(language, "alarm (12 hours)", [](CAlarmDialogDlg& d) {
            d.m_timeFormat = 0;
            WidestAlarms(d);
        }));
        Add(faults, FaultsIn<CAltitudeDialogDlg>(language, "altitude (m)", [](CAltitudeDialogDlg& d) {
            d.m_altitude = 5000;
        }));
        Add(faults, FaultsIn<CAltitudeDialogDlg>(language, "altitude (ft)", [](CAltitudeDialogDlg& d) {
            d.m_altitudeUnit = 0;
            d.m_altitude = 5000;  // metres: 16404 feet
        }));
        Add(faults, FaultsIn<CRecordIntervalDialogDlg>(language, "record interval"));
        Add(faults, FaultsIn<CClearAllRecordsDialogDlg>(language, "clear all records"));
        Add(faults, FaultsIn<CClearRainTotalDialogDlg>(language, "clear rain total"));
    }
    EXPECT_TRUE(faults.empty()) << textcheck::Lines(faults);
}

TEST(WindowTexts, ProgramDialogsInEveryLanguage)
{
    // A printer of a long name, and the widest margins the preview takes.
    PRINTER_INFO_2W printer{};
    wchar_t name[] = L"Brother HL-L2350DW series Printer";
    printer.pPrinterName = name;
    Faults faults;
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        Add(faults, FaultsIn<CAutoSavingDialogDlg>(language, "auto saving", [](CAutoSavingDialogDlg& d) {
            d.m_interval = 8;
            d.m_intervalCount = 12;
        }));
        Add(faults, FaultsIn<CDisplayDialogDlg>(language, "chart display"));
        for (int system = 0; system <= UNIT_SYSTEM_CUSTOM; ++system)
            Add(faults, FaultsIn<CDisplayingUnitDialogDlg>(language, "displaying unit", [system](CDisplayingUnitDialogDlg& d) {
                d.m_unitSystem = system;
            }));
        Add(faults, FaultsIn<CLanguageDialogDlg>(language, "language"));
        Add(faults, FaultsIn<CTHDDialogDlg>(language, "lines"));
        Add(faults, FaultsIn<CPrintPreviewDialogDlg>(language, "print preview", [](CPrintPreviewDialogDlg& d) {
            d.m_captureWidth = 965;
            d.m_captureHeight = 735;
            d.m_printers = std::make_unique<CEnumPrinters>(nullptr, 0);
        }));
        Add(faults, FaultsIn<CPrintPreviewDialogDlg>(language, "print preview (a printer)", [&](CPrintPreviewDialogDlg& d) {
            d.m_captureWidth = 965;
            d.m_captureHeight = 735;
            d.m_printers = std::make_unique<CEnumPrinters>(&printer, 1);
        }));
    }
    EXPECT_TRUE(faults.empty()) << textcheck::Lines(faults);
}

// The width lists draw their label and line up to 85 pixels into the list, the style lists their
// line up to 48: the last pixel of each sample shows in the field of every list.
TEST(WindowTexts, TheLineDialogsListsShowTheirWholeSamples)
{
    CTHDDialogDlg dialog;
    RunDialog(dialog, [](CDialog& d) {
        ::RedrawWindow(d.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        for (int id = 1248; id <= 1283; ++id) {
            HWND list = ::GetDlgItem(d.m_hWnd, id);
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            ASSERT_TRUE(::GetComboBoxInfo(list, &info)) << id;
            const int lastColumn = (id >= 1266 ? 85 : 48) - 1;
            EXPECT_LT(lastColumn, info.rcItem.right) << "list " << id;
            HDC dc = ::GetDC(list);
            bool drawn = false;
            for (int y = info.rcItem.top; y < info.rcItem.bottom; ++y)
                drawn = drawn || ::GetPixel(dc, lastColumn, y) == ::GetSysColor(COLOR_WINDOWTEXT);
            ::ReleaseDC(list, dc);
            EXPECT_TRUE(drawn) << "list " << id;
        }
        d.EndDialog(IDCANCEL);
    });
}

// The hemisphere lists once cut "het noorden" and "het westen" and ran "het oosten" into their
// arrow, and the current latitude and longitude lost the second line they broke into ("50°7' het"):
// every list item, every label and every field of both sides, with the widest setting the station
// can hold, shows whole in each language.
TEST(WindowTexts, TheLocationDialogShowsEveryItemSettingAndFieldWholeInEveryLanguage)
{
    Faults faults;
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        for (int hemisphere = 0; hemisphere < 2; ++hemisphere) {
            CLocationDialogDlg dialog;
            dialog.m_language = language;
            for (int side = 0; side < LOCATION_SIDES; ++side) {
                dialog.m_region[side] = REGION_USER_DEFINED;
                dialog.m_cityCode[side] = USER_DEFINED_CITY;
                dialog.m_cityName[side] = L"Kristiansund";
                dialog.m_latDegrees[side] = 89;
                dialog.m_latMinutes[side] = 59;
                dialog.m_lonDegrees[side] = 179;
                dialog.m_lonMinutes[side] = 59;
                dialog.m_south[side] = dialog.m_west[side] = hemisphere;
                dialog.m_dstRule[side] = 14;
                dialog.m_zonePlus[side] = hemisphere;
                dialog.m_zoneHours[side] = 15;
                dialog.m_zoneMinutes[side] = 30;
            }
            const std::string where = "location in language " + std::to_string(language) + (hemisphere ? " south" : " north");
            RunDialog(dialog, [&](CDialog& d) {
                Add(faults, textcheck::WindowTextFaults(d.m_hWnd, where));
                // The city list holds the cities of the chosen region, the code and name fields show a
                // city's code and name, the date fields the dates of its daylight-saving rule: every
                // city's name in the list and the name field, every city's code, every rule's dates.
                if (hemisphere == 0) {
                    const LocationSideIds& ids = kLocationSideIds[0];
                    std::vector<std::wstring> names, codes, starts, ends;
                    for (int city = 0; city < CITY_COUNT; ++city) {
                        names.push_back(CityNameAt(city));
                        codes.push_back(CityCodeAt(city));
                    }
                    SYSTEMTIME t;
                    ::GetLocalTime(&t);
                    for (int rule = 0; rule < DST_RULE_COUNT; ++rule) {
                        const DstShownDates dates =
                            DstDatesShown(rule, language, {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute});
                        starts.push_back(dates.start);
                        ends.push_back(dates.end);
                    }
                    Add(faults, textcheck::CutComboItems(::GetDlgItem(d.m_hWnd, ids.city), names, where));
                    Add(faults, textcheck::CutEditTexts(::GetDlgItem(d.m_hWnd, ids.name), names, where));
                    Add(faults, textcheck::CutEditTexts(::GetDlgItem(d.m_hWnd, ids.code), codes, where));
                    Add(faults, textcheck::CutEditTexts(::GetDlgItem(d.m_hWnd, ids.dstStart), starts, where));
                    Add(faults, textcheck::CutEditTexts(::GetDlgItem(d.m_hWnd, ids.dstEnd), ends, where));
                }
                d.EndDialog(IDCANCEL);
            });
        }
    }
    EXPECT_TRUE(faults.empty()) << textcheck::Lines(faults);
}
