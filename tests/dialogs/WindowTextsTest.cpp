// Every dialog of the dialogs library in each of the eight languages, as it opens on the screen:
// every caption's text inside its control, measured in the control's own font as the control
// draws it; no caption on another or under another control; every label showing its text; every
// control inside its window; the line dialog's lists showing their whole samples; and the location
// dialog's list items, current settings and fields whole. First, the checks themselves on a window
// built with each fault.
#include "dialogs/AlarmDialog.h"
#include "dialogs/AltitudeDialog.h"
#include "dialogs/AutoSavingDialog.h"
#include "dialogs/ConfirmDialogs.h"
#include "dialogs/DisplayDialog.h"
#include "dialogs/DisplayingUnitDialog.h"
#include "dialogs/LanguageDialog.h"
#include "dialogs/LocationDialog.h"
#include "dialogs/RecordIntervalDialog.h"
#include "dialogs/THDDialog.h"
#include "printing/PrintPreviewDlg.h"
#include "tests/support/DialogTestSupport.h"
#include "tests/support/WindowTextCheck.h"
#include "texts/TextTables.h"

#include <algorithm>
#include <functional>
#include <cwchar>
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

// ---- lists, wrapped labels and fields, each measured in its own font -------------------------------

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    return text;
}

std::string Named(const std::string& where, HWND control, const std::wstring& text)
{
    return where + ": control " + std::to_string(::GetDlgCtrlID(control)) + " \"" + ui::NarrowAcp(text.c_str()) + "\"";
}

// Size of a text in a control's font: one line, or broken into lines of `width` pixels.
SIZE TextSizeIn(HWND control, const std::wstring& text, int width = 0)
{
    HDC dc = ::GetDC(control);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT r{0, 0, width, 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    return {r.right - r.left, r.bottom - r.top};
}

int WidthOf(HWND window)
{
    RECT r{};
    ::GetWindowRect(window, &r);
    return r.right - r.left;
}

template <class F>
void ForEachShownChild(HWND window, const wchar_t* className, F&& f)
{
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::IsWindowVisible(child) && _wcsicmp(ClassOf(child).c_str(), className) == 0)
            f(child);
}

// Items of the combo boxes wider than the room the box shows them in: its selection field (left
// of the arrow) and its dropped list (the box's width, less the scroll bar of a list longer than
// it shows). Both draw an item two pixels in from the left.
Faults CutListItems(HWND window, const std::string& where)
{
    constexpr int TEXT_INDENT = 2;
    Faults faults;
    ForEachShownChild(window, L"ComboBox", [&](HWND box) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (!::GetComboBoxInfo(box, &info))
            return;
        const int count = static_cast<int>(::SendMessageW(box, CB_GETCOUNT, 0, 0));
        const int shown = static_cast<int>(::SendMessageW(box, CB_GETMINVISIBLE, 0, 0));
        const int listWidth = std::max(static_cast<int>(::SendMessageW(box, CB_GETDROPPEDWIDTH, 0, 0)),
                                       static_cast<int>(WidthOf(box))) -
                              2 * ::GetSystemMetrics(SM_CXBORDER) -
                              (count > shown ? ::GetSystemMetrics(SM_CXVSCROLL) : 0);
        const int fieldWidth = info.rcItem.right - info.rcItem.left;
        for (int item = 0; item < count; ++item) {
            wchar_t text[256] = {};
            ::SendMessageW(box, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
            const int needed = TextSizeIn(box, text).cx + TEXT_INDENT;
            if (needed > fieldWidth || needed > listWidth)
                faults.push_back(Named(where, box, text) + " needs " + std::to_string(needed) + " pixels, the field shows " +
                                 std::to_string(fieldWidth) + " and the list " + std::to_string(listWidth));
        }
    });
    return faults;
}

// Labels whose text, broken into lines of the label's width, needs more lines than its height
// shows (the second line of a two-line text cut at the bottom), or a word wider than a line.
Faults CutLabelLines(HWND window, const std::string& where)
{
    Faults faults;
    ForEachShownChild(window, L"Static", [&](HWND label) {
        const LONG type = ::GetWindowLongW(label, GWL_STYLE) & SS_TYPEMASK;
        const std::wstring text = TextOf(label);
        if (text.empty() || (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT))
            return;
        RECT room{};
        ::GetClientRect(label, &room);
        const SIZE needed = TextSizeIn(label, text, room.right);
        if (needed.cy > room.bottom || needed.cx > room.right)
            faults.push_back(Named(where, label, text) + " needs " + std::to_string(needed.cx) + " x " +
                             std::to_string(needed.cy) + " pixels in lines of its width, it has " +
                             std::to_string(room.right) + " x " + std::to_string(room.bottom));
    });
    return faults;
}

// Edit fields whose text is wider than their text room, or shown scrolled (its start out of sight).
Faults CutFieldTexts(HWND window, const std::string& where)
{
    Faults faults;
    ForEachShownChild(window, L"Edit", [&](HWND field) {
        const std::wstring text = TextOf(field);
        if (text.empty())
            return;
        RECT room{};
        ::SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
        const int needed = TextSizeIn(field, text).cx;
        const int start = static_cast<short>(LOWORD(::SendMessageW(field, EM_POSFROMCHAR, 0, 0)));
        if (needed > room.right - room.left || start < room.left)
            faults.push_back(Named(where, field, text) + " needs " + std::to_string(needed) + " pixels, it shows " +
                             std::to_string(room.right - room.left) + " from its text's pixel " +
                             std::to_string(room.left - start));
    });
    return faults;
}

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

TEST(WindowTexts, StationDialogsInEveryLanguage)
{
    Faults faults;
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        Add(faults, FaultsIn<CLocationDialogDlg>(language, "location"));
        Add(faults, FaultsIn<CAlarmDialogDlg>(language, "alarm (24 hours)"));
        Add(faults, FaultsIn<CAlarmDialogDlg>(language, "alarm (12 hours)",
                                              [](CAlarmDialogDlg& d) { d.m_timeFormat = 0; }));
        Add(faults, FaultsIn<CAltitudeDialogDlg>(language, "altitude (m)"));
        Add(faults, FaultsIn<CAltitudeDialogDlg>(language, "altitude (ft)",
                                                 [](CAltitudeDialogDlg& d) { d.m_altitudeUnit = 0; }));
        Add(faults, FaultsIn<CRecordIntervalDialogDlg>(language, "record interval"));
        Add(faults, FaultsIn<CClearAllRecordsDialogDlg>(language, "clear all records"));
        Add(faults, FaultsIn<CClearRainTotalDialogDlg>(language, "clear rain total"));
    }
    EXPECT_TRUE(faults.empty()) << textcheck::Lines(faults);
}

TEST(WindowTexts, ProgramDialogsInEveryLanguage)
{
    Faults faults;
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        Add(faults, FaultsIn<CAutoSavingDialogDlg>(language, "auto saving"));
        Add(faults, FaultsIn<CDisplayDialogDlg>(language, "chart display"));
        Add(faults, FaultsIn<CDisplayingUnitDialogDlg>(language, "displaying unit"));
        Add(faults, FaultsIn<CLanguageDialogDlg>(language, "language"));
        Add(faults, FaultsIn<CTHDDialogDlg>(language, "lines"));
        Add(faults, FaultsIn<CPrintPreviewDialogDlg>(language, "print preview", [](CPrintPreviewDialogDlg& d) {
            d.m_captureWidth = 965;
            d.m_captureHeight = 735;
            d.m_printers = std::make_unique<CEnumPrinters>(nullptr, 0);
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
                Add(faults, CutListItems(d.m_hWnd, where));
                Add(faults, CutLabelLines(d.m_hWnd, where));
                Add(faults, CutFieldTexts(d.m_hWnd, where));
                Add(faults, textcheck::WindowTextFaults(d.m_hWnd, where));
                // The city list holds the cities of the chosen region: every region's.
                if (hemisphere == 0) {
                    for (int position = 0; position < REGION_COUNT; ++position) {
                        ui::SelectComboItem(d, kLocationSideIds[0].region, position);
                        Add(faults, CutListItems(d.m_hWnd, where + " region entry " + std::to_string(position)));
                    }
                }
                d.EndDialog(IDCANCEL);
            });
        }
    }
    EXPECT_TRUE(faults.empty()) << textcheck::Lines(faults);
}
