// The main window's panels on screen: controls on their elements, the frames' font, the painted
// labels and the clock in two languages, the control colours, and the all-sensor chart window
// shown by a click on a small chart and closed by its button; the texts of the main window, its
// menus, the chart window and the About box in every language; the frames' lines whole in every
// layout and language.
//
// The main dialog writes its settings files beside its program, so the checks run in a copy of
// this program in a folder of its own (each suite's *Child tests, started by its InAFolderOfItsOwn),
// a suite per test entry.
#include "app/AboutDlg.h"
#include "app/OrvelleDlg.h"
#include "app/PollLoop.h"
#include "display/PanelLabels.h"
#include "records/RecordMerge.h"
#include "tests/app/OwnFolderRun.h"
#include "tests/support/DialogAnswer.h"
#include "tests/support/DialogTestSupport.h"
#include "tests/support/WindowTextCheck.h"
#include "texts/Cities.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

bool InChild() { return std::getenv("ORVELLE_PANEL_CHILD") != nullptr; }

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.rfind(L'\\') + 1);
}

void WriteLanguage(int language)
{
    FILE* file = _wfopen((ProgramFolder() + L"rLanguageSetting.dat").c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(&language, sizeof language, 1, file);
    std::fclose(file);
}

void Add(textcheck::Faults& to, const textcheck::Faults& from) { to.insert(to.end(), from.begin(), from.end()); }

// Handles the messages waiting for this thread.
void PumpWaiting()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// Handles this thread's messages until the condition holds, at most `milliseconds`; whether it held.
bool PumpUntil(const std::function<bool()>& condition, int milliseconds)
{
    const DWORD end = ::GetTickCount() + static_cast<DWORD>(milliseconds);
    for (;;) {
        PumpWaiting();
        if (condition())
            return true;
        if (static_cast<int>(end - ::GetTickCount()) <= 0)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// The main dialog in the given language, without its connection, polling and saving timers (the
// test drives the window itself); the clock keeps ticking.
std::unique_ptr<COrvelleDlg> OpenMainWindow(int language)
{
    WriteLanguage(language);
    auto dialog = std::make_unique<COrvelleDlg>();
    if (!dialog->Create(IDD_ORVELLE_DIALOG))
        return nullptr;
    for (UINT_PTR timer : {TIMER_CONNECTION, TIMER_FORECAST_ICON, TIMER_POLL, TIMER_AUTO_SAVE})
        dialog->KillTimer(timer);
    dialog->ShowWindow(SW_SHOW);
    PumpWaiting();
    return dialog;
}

RECT ClientRectOf(HWND dialog, int controlId)
{
    RECT r{};
    ::GetWindowRect(::GetDlgItem(dialog, controlId), &r);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Pixels of the dialog's client area as shown on the screen, 0x00RRGGBB.
class Capture {
public:
    explicit Capture(HWND dialog)
    {
        RECT client{};
        ::GetClientRect(dialog, &client);
        m_width = client.right;
        m_height = client.bottom;
        POINT origin{0, 0};
        ::ClientToScreen(dialog, &origin);
        HDC screen = ::GetDC(nullptr);
        HDC memory = ::CreateCompatibleDC(screen);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), m_width, -m_height, 1, 32, BI_RGB};
        void* bits = nullptr;
        HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, m_width, m_height, screen, origin.x, origin.y, SRCCOPY);
        m_pixels.assign(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + m_width * m_height);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::ReleaseDC(nullptr, screen);
    }

    // Dark pixels (text) in a rectangle of the client area.
    int DarkPixels(int left, int top, int right, int bottom) const
    {
        int dark = 0;
        for (int y = std::max(top, 0); y < std::min(bottom, m_height); ++y) {
            for (int x = std::max(left, 0); x < std::min(right, m_width); ++x) {
                const DWORD p = m_pixels[static_cast<std::size_t>(y) * m_width + x];
                dark += ((p >> 16) & 0xFF) < 90 && ((p >> 8) & 0xFF) < 90 && (p & 0xFF) < 90;
            }
        }
        return dark;
    }
    DWORD At(int x, int y) const { return m_pixels[static_cast<std::size_t>(y) * m_width + x] & 0xFFFFFF; }
    bool operator==(const Capture& other) const { return m_pixels == other.m_pixels; }
    // Pixels that differ from the other capture of the same window, outside the skipped areas.
    int Differences(const Capture& other, const std::vector<RECT>& skipped) const
    {
        int differing = 0;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) {
                const POINT p{x, y};
                differing += At(x, y) != other.At(x, y) &&
                             std::none_of(skipped.begin(), skipped.end(), [&p](const RECT& r) { return ::PtInRect(&r, p); });
            }
        return differing;
    }


private:
    int m_width = 0, m_height = 0;
    std::vector<DWORD> m_pixels;
};

// Counts, per window of this thread, the moves or resizes and the text changes it is sent from the
// dialog's WM_INITDIALOG on (the controls' own sizing at their creation left out).
class MessageCounter {
public:
    MessageCounter()
    {
        s_counter = this;
        m_hook = ::SetWindowsHookExW(WH_CALLWNDPROC, Record, nullptr, ::GetCurrentThreadId());
    }
    ~MessageCounter()
    {
        ::UnhookWindowsHookEx(m_hook);
        s_counter = nullptr;
    }
    int Placements(HWND window) const { return Count(m_placements, window); }
    int Texts(HWND window) const { return Count(m_texts, window); }
    void Clear()
    {
        m_placements.clear();
        m_texts.clear();
    }

private:
    static int Count(const std::map<HWND, int>& counts, HWND window)
    {
        const auto found = counts.find(window);
        return found == counts.end() ? 0 : found->second;
    }
    static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && s_counter && sent)
            s_counter->Take(*sent);
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    void Take(const CWPSTRUCT& sent)
    {
        m_counting |= sent.message == WM_INITDIALOG;
        if (m_counting && sent.message == WM_WINDOWPOSCHANGING) {
            const WINDOWPOS* pos = reinterpret_cast<const WINDOWPOS*>(sent.lParam);
            if ((pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
                ++m_placements[sent.hwnd];
        }
        if (m_counting && sent.message == WM_SETTEXT)
            ++m_texts[sent.hwnd];
    }

    static MessageCounter* s_counter;
    HHOOK m_hook = nullptr;
    bool m_counting = false;
    std::map<HWND, int> m_placements, m_texts;
};
MessageCounter* MessageCounter::s_counter = nullptr;

// The dialog as the screen shows it once everything waiting is painted: two captures in a row alike.
Capture SettledCapture(HWND dialog)
{
    std::unique_ptr<Capture> last;
    for (int attempt = 0; attempt < 100; ++attempt) {
        PumpWaiting();
        ::RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        auto now = std::make_unique<Capture>(dialog);
        if (last && *now == *last)
            break;
        last = std::move(now);
        ::Sleep(20);
    }
    return *last;
}

void CheckPaintedLabelsAndClock(int language)
{
    auto dialog = OpenMainWindow(language);
    ASSERT_TRUE(dialog);
    const Capture shown = SettledCapture(dialog->m_hWnd);
    // The window's own colour behind the panels.
    EXPECT_EQ(shown.At(dialog->m_elemX[52] + 200, dialog->m_elemY[52] + 60), 0xECE9D8u);
    // Every painted label of a shown box left its text at its place.
    for (int k : kPaintedLabels) {
        const std::wstring caption = dialog->m_elemCaption[k].str();
        if (caption.empty() || caption == L"null" || dialog->IsHidden(k))
            continue;
        const LabelFont font = PanelLabelFont(k, language);
        const int x = dialog->m_elemX[k], y = dialog->m_elemY[k];
        const int dark = font.escapement ? shown.DarkPixels(x, y - 30, x + font.height, y)
                                         : shown.DarkPixels(x, y, x + 30, y + font.height);
        EXPECT_GT(dark, 3) << "language " << language << ": no text of element " << k << " \"" << ui::NarrowAcp(caption.c_str())
                           << "\"";
    }
    // Frame captions in the language, and the clock: date, weekday, time and seconds.
    wchar_t frame[64] = {};
    ::GetDlgItemTextW(dialog->m_hWnd, 1000, frame, 64);
    EXPECT_STREQ(frame, PanelLabelsFor(language)[0]);
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    EXPECT_EQ(dialog->m_weekdayText.m_text.str(), WeekdayNamesFor(language)[now.wDayOfWeek]);
    const std::wstring firstSeconds = dialog->m_panelStatic[4].m_text.str();
    EXPECT_EQ(firstSeconds.size(), 2u);
    EXPECT_GT(shown.DarkPixels(757, 635, 860, 672), 50);  // the time's digits
    EXPECT_TRUE(PumpUntil([&] { return dialog->m_panelStatic[4].m_text.str() != firstSeconds; }, 3000))
        << "the clock does not tick";
    dialog->DestroyWindow();
}

// Runs the tests of the suite `children` in a copy of this program in a folder of its own.
void RunInAFolderOfItsOwn(const wchar_t* children)
{
    if (InChild())
        GTEST_SKIP() << "the started copy runs the checks";
    const std::wstring folder = FreshTempFolder(L"orvelle_panels_");
    EXPECT_EQ(RunCopyInFolder(folder, children, L"ORVELLE_PANEL_CHILD", 480), 0)
        << "the panel checks failed in the started copy (its output is above)";
    RemoveTree(folder);
}

}  // namespace

TEST(PanelWindow, InAFolderOfItsOwn) { RunInAFolderOfItsOwn(L"PanelWindowChild.*"); }

TEST(PanelWindowChild, ControlsSitOnTheirElementsAndTheFramesShareOneBoldFont)
{
    if (!InChild())
        GTEST_SKIP() << "runs in the copy started by PanelWindow.InAFolderOfItsOwn";
    auto dialog = OpenMainWindow(LANGUAGE_ENGLISH);
    ASSERT_TRUE(dialog);
    const HWND window = dialog->m_hWnd;
    for (const ElementControl& v : kValueFields) {
        const RECT r = ClientRectOf(window, v.control);
        EXPECT_EQ(r.left, dialog->m_elemX[v.element]) << v.control;
        EXPECT_EQ(r.top, dialog->m_elemY[v.element]) << v.control;
        EXPECT_EQ(r.right - r.left, dialog->m_elemW[v.element]) << v.control;
    }
    // A box switched off lies beyond the client area (the UV box is off by default).
    EXPECT_EQ(dialog->m_showUv, 0);
    EXPECT_GE(ClientRectOf(window, 1009).left, dialog->m_clientWidth + 100);

    const HFONT bold = reinterpret_cast<HFONT>(::SendDlgItemMessageW(window, 1000, WM_GETFONT, 0, 0));
    ASSERT_NE(bold, nullptr);
    EXPECT_EQ(bold, static_cast<HFONT>(dialog->m_frameFont.m_hObject));
    EXPECT_NE(reinterpret_cast<HFONT>(::SendDlgItemMessageW(window, 1016, WM_GETFONT, 0, 0)), bold);

    // A language change: the frames show the new captions, still with the same living font.
    dialog->m_language = LANGUAGE_GERMAN;
    dialog->SelectLanguageLayout(LANGUAGE_GERMAN);
    dialog->ApplyPanelLayout(true);
    wchar_t caption[64] = {};
    ::GetDlgItemTextW(window, 1024, caption, 64);
    EXPECT_STREQ(caption, L"Regen");
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendDlgItemMessageW(window, 1024, WM_GETFONT, 0, 0)), bold);
    LOGFONTW font{};
    EXPECT_EQ(::GetObjectW(bold, sizeof font, &font), static_cast<int>(sizeof font));
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_EQ(dialog->m_elemCaption[ELEM_FIRST_SENSOR_NAME].str(), dialog->m_channelName[0]);

    // Switching off the rain box moves its controls away, relays only the lower panel, and leaves
    // none of its painted labels behind.
    const RECT rainTotalLabel{dialog->m_elemX[118], dialog->m_elemY[118] + 4, dialog->m_elemX[118] + 60,
                              dialog->m_elemY[118] + 12};
    EXPECT_GT(SettledCapture(window).DarkPixels(rainTotalLabel.left, rainTotalLabel.top, rainTotalLabel.right,
                                         rainTotalLabel.bottom), 3);
    dialog->m_showRain = 0;
    const int upperBefore = dialog->m_appliedUpperVariant;
    dialog->ApplyPanelLayout(false);
    EXPECT_EQ(dialog->m_appliedUpperVariant, upperBefore);
    EXPECT_EQ(dialog->m_appliedLowerVariant, 6);
    EXPECT_GE(ClientRectOf(window, 1098).left, dialog->m_clientWidth + 100);
    EXPECT_EQ(ClientRectOf(window, 1011).top, dialog->m_elemY[128]);
    EXPECT_EQ(SettledCapture(window).DarkPixels(rainTotalLabel.left, rainTotalLabel.top, rainTotalLabel.right,
                                         rainTotalLabel.bottom), 0);

    // Every layout starts the forecast animation again: the tick after it shows frame 1.
    dialog->m_forecastCode = 3;
    dialog->m_forecastFlag = 1;
    dialog->AnimateForecastIcon();
    dialog->AnimateForecastIcon();
    EXPECT_EQ(dialog->m_forecastBitmapId, 265);
    dialog->m_showRain = 1;
    dialog->ApplyPanelLayout(false);
    dialog->AnimateForecastIcon();
    EXPECT_EQ(dialog->m_forecastBitmapId, 273);

    // The German sea-level field is narrower: its font leaves room for a four-digit reading.
    HDC dc = ::GetDC(window);
    HGDIOBJ old = ::SelectObject(dc, dialog->m_seaLevelPressureText.m_font.m_hObject);
    SIZE reading{};
    ::GetTextExtentPoint32W(dc, L"1013.2", 6, &reading);
    ::SelectObject(dc, old);
    ::ReleaseDC(window, dc);
    EXPECT_LE(reading.cx, ClientRectOf(window, 1002).right - ClientRectOf(window, 1002).left);
    dialog->DestroyWindow();
}

TEST(PanelWindowChild, AClickOnASmallChartShowsTheChartWindowAndItsCloseButtonBringsThePanelsBack)
{
    if (!InChild())
        GTEST_SKIP() << "runs in the copy started by PanelWindow.InAFolderOfItsOwn";
    auto dialog = OpenMainWindow(LANGUAGE_ENGLISH);
    ASSERT_TRUE(dialog);
    const HWND window = dialog->m_hWnd;
    const HWND chartWindow = dialog->m_pAllChartDlg->m_hWnd;
    ASSERT_NE(chartWindow, nullptr);
    const RECT rain = ClientRectOf(window, 1045);
    auto click = [&](LONG x, LONG y) { ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); };

    // During the download nothing happens.
    ASSERT_EQ(dialog->m_downloading.load(), 1);
    click(rain.left + 5, rain.top + 5);
    EXPECT_FALSE(::IsWindowVisible(chartWindow));

    // The right and bottom edges miss, outside the charts nothing happens.
    dialog->m_downloading = 0;
    click(rain.right, rain.top + 5);
    click(rain.left + 5, rain.bottom);
    click(5, 5);
    EXPECT_FALSE(::IsWindowVisible(chartWindow));
    EXPECT_EQ(dialog->m_bigChartShown, 0);

    // The top left pixel hits: the chart window covers the panels, their controls are hidden,
    // the status strip and the clock stay.
    click(rain.left, rain.top);
    EXPECT_TRUE(::IsWindowVisible(chartWindow));
    EXPECT_EQ(dialog->m_bigChartShown, 1);
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(window, 1000)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(window, 1098)));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(window, 1109)));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(window, 1097)));

    // Its close button: hidden again, the panels back and laid out.
    const HWND close = ::GetDlgItem(chartWindow, IDC_ALL_CHART_CLOSE);
    ::SendMessageW(chartWindow, WM_COMMAND, MAKEWPARAM(IDC_ALL_CHART_CLOSE, BN_CLICKED), reinterpret_cast<LPARAM>(close));
    EXPECT_FALSE(::IsWindowVisible(chartWindow));
    EXPECT_EQ(dialog->m_bigChartShown, 0);
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(window, 1000)));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(window, 1098)));
    EXPECT_EQ(ClientRectOf(window, 1045).left, rain.left);
    dialog->DestroyWindow();
}

TEST(PanelWindowChild, FramesCheckBoxesAndTextsAreDrawnOnTheWindowsOwnColour)
{
    if (!InChild())
        GTEST_SKIP() << "runs in the copy started by PanelWindow.InAFolderOfItsOwn";
    auto dialog = OpenMainWindow(LANGUAGE_ENGLISH);
    ASSERT_TRUE(dialog);
    HDC dc = ::GetDC(dialog->m_hWnd);
    for (int id : {1000, 1035, 1109, 1098}) {
        ::SetBkMode(dc, OPAQUE);
        const LRESULT brush = ::SendMessageW(dialog->m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                             reinterpret_cast<LPARAM>(::GetDlgItem(dialog->m_hWnd, id)));
        EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), dialog->m_bkBrush) << id;
        EXPECT_EQ(::GetBkMode(dc), TRANSPARENT) << id;
    }
    EXPECT_EQ(reinterpret_cast<HBRUSH>(::SendMessageW(dialog->m_hWnd, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(dialog->m_hWnd))),
              dialog->m_bkBrush);
    ::ReleaseDC(dialog->m_hWnd, dc);
    dialog->DestroyWindow();
}

TEST(PanelWindowChild, TheStartPlacesEachControlOnceAndSetsEachTextAtMostOnce)
{
    if (!InChild())
        GTEST_SKIP() << "runs in the copy started by PanelWindow.InAFolderOfItsOwn";
    WriteLanguage(LANGUAGE_ENGLISH);
    MessageCounter counter;
    auto dialog = std::make_unique<COrvelleDlg>();
    ASSERT_TRUE(dialog->Create(IDD_ORVELLE_DIALOG));
    const HWND window = dialog->m_hWnd;
    // (A combo box sizes itself again to the height of its field whenever it is placed.)
    auto isComboBox = [](HWND control) {
        wchar_t name[32] = {};
        ::GetClassNameW(control, name, 32);
        return ::lstrcmpiW(name, L"ComboBox") == 0;
    };
    int controls = 0;
    for (HWND control = ::GetWindow(window, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT)) {
        ++controls;
        EXPECT_LE(counter.Placements(control), isComboBox(control) ? 2 : 1) << "control " << ::GetDlgCtrlID(control);
        EXPECT_LE(counter.Texts(control), 1) << "control " << ::GetDlgCtrlID(control);
    }
    EXPECT_GT(controls, 100);
    EXPECT_EQ(counter.Placements(::GetDlgItem(window, 1000)), 1) << "the pressure frame was not placed";

    // Placed again where they already are, no control moves and no text is set again.
    dialog->ShowWindow(SW_SHOW);
    PumpWaiting();
    counter.Clear();
    dialog->ApplyElementPositions();
    for (HWND control = ::GetWindow(window, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT)) {
        EXPECT_EQ(counter.Placements(control), 0) << "control " << ::GetDlgCtrlID(control);
        EXPECT_EQ(counter.Texts(control), 0) << "control " << ::GetDlgCtrlID(control);
    }
    dialog->DestroyWindow();
}

TEST(PanelWindowChild, TheClockRepaintsOnlyTheTextsThatChanged)
{
    if (!InChild())
        GTEST_SKIP() << "runs in the copy started by PanelWindow.InAFolderOfItsOwn";
    auto dialog = OpenMainWindow(LANGUAGE_ENGLISH);
    ASSERT_TRUE(dialog);
    CxStatic* const clock[] = {&dialog->m_dateText, &dialog->m_weekdayText, &dialog->m_timeText,
                               &dialog->m_panelStatic[4]};
    // Ticks until the seconds have changed once: every text that stayed keeps its pixels.
    bool secondsChanged = false;
    for (int tick = 0; tick < 4 && !secondsChanged; ++tick) {
        SYSTEMTIME start;
        ::GetLocalTime(&start);
        std::vector<std::wstring> before;
        for (CxStatic* text : clock) {
            before.push_back(text->m_text.str());
            ::ValidateRect(text->m_hWnd, nullptr);
        }
        dialog->UpdateClock();
        for (std::size_t i = 0; i < before.size(); ++i) {
            const bool changed = clock[i]->m_text.str() != before[i];
            EXPECT_EQ(::GetUpdateRect(clock[i]->m_hWnd, nullptr, FALSE) != FALSE, changed) << "clock text " << i;
            secondsChanged |= changed && clock[i] == &dialog->m_panelStatic[4];
        }
        PumpUntil([&] {
            SYSTEMTIME now;
            ::GetLocalTime(&now);
            return now.wSecond != start.wSecond;
        }, 1100);
    }
    EXPECT_TRUE(secondsChanged) << "the seconds did not change in three seconds";
    dialog->DestroyWindow();
}

TEST(PanelWindowChild, PaintedLabelsAndTheTickingClockInEnglishAndGerman)
{
    if (!InChild())
        GTEST_SKIP() << "runs in the copy started by PanelWindow.InAFolderOfItsOwn";
    CheckPaintedLabelsAndClock(LANGUAGE_ENGLISH);
    CheckPaintedLabelsAndClock(LANGUAGE_GERMAN);
}

// A dialog that closes leaves the window as it was: each painted label is drawn once on a cleared
// background, wherever the dialog lay (a label drawn again over itself looks bold).
TEST(PanelWindowChild, TheWindowLooksAsBeforeOnceADialogCloses)
{
    if (!InChild())
        GTEST_SKIP() << "runs in the copy started by PanelWindow.InAFolderOfItsOwn";
    auto dialog = OpenMainWindow(LANGUAGE_GERMAN);
    ASSERT_TRUE(dialog);
    const HWND window = dialog->m_hWnd;
    // The clock's box changes by itself, the temperature chart is drawn again when the line
    // settings are taken.
    std::vector<RECT> changing;
    for (int element : {146, 56})
        changing.push_back({dialog->m_elemX[element], dialog->m_elemY[element],
                            dialog->m_elemX[element] + dialog->m_elemW[element],
                            dialog->m_elemY[element] + dialog->m_elemH[element]});
    const Capture before = SettledCapture(window);
    const struct {
        UINT command, dialogTemplate;
        int button;
    } closings[] = {
        {ID_SETTING_THD, IDD_THD_LINES, IDOK},           {ID_SETTING_THD, IDD_THD_LINES, IDCANCEL},
        {ID_FILE_AUTO_SAVING, IDD_AUTO_SAVING, IDCANCEL}, {ID_SETTING_CHART_DISPLAY, IDD_DISPLAY, IDCANCEL},
        {ID_SETTING_DISPLAYING_UNIT, IDD_DISPLAYING_UNIT, IDCANCEL}, {ID_SETTING_LANGUAGE, IDD_LANGUAGE, IDCANCEL},
    };
    for (const auto& closing : closings) {
        ui::ScopedDialogAnswer answer;
        answer.Add(closing.dialogTemplate, [&](CDialog& d) { ui::ClickButton(d, closing.button); });
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(closing.command, 0), 0);
        EXPECT_EQ(answer.Opened(), std::vector<UINT>{closing.dialogTemplate});
        EXPECT_EQ(SettledCapture(window).Differences(before, changing), 0)
            << "command " << closing.command << " closed with " << closing.button;
    }
    dialog->DestroyWindow();
}

// ---- texts in every language --------------------------------------------------------------------

namespace {

// The widest texts the custom-drawn statics of the main window show (they draw them themselves, so
// the window text check leaves them out): every weekday name, a date, a time of day, the seconds or
// AM/PM beside it, and a sea-level pressure in each unit.
textcheck::Faults CustomTextFaults(const COrvelleDlg& dialog, int language, const std::string& where)
{
    struct Shown {
        const CxStatic* control;
        std::vector<std::wstring> texts;
    };
    std::vector<std::wstring> weekdays;
    for (int day = 0; day < 7; ++day)
        weekdays.push_back(WeekdayNamesFor(language)[day]);
    const Shown shown[] = {
        {&dialog.m_weekdayText, weekdays},
        {&dialog.m_dateText, {L"2026/12/28", L"2026/10/10"}},
        {&dialog.m_timeText, {L"23:58", L"12:58"}},
        {&dialog.m_panelStatic[4], {L"58", L"AM", L"PM"}},
        {&dialog.m_seaLevelPressureText, {L"1088.8", L"816.9", L"32.15"}},
    };
    textcheck::Faults faults;
    for (const Shown& s : shown) {
        RECT client{};
        ::GetClientRect(s.control->m_hWnd, &client);
        HDC dc = ::GetDC(s.control->m_hWnd);
        const HGDIOBJ old = ::SelectObject(dc, s.control->m_font.m_hObject);
        for (const std::wstring& text : s.texts) {
            SIZE size{};
            ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            if (size.cx > client.right || size.cy > client.bottom)
                faults.push_back(where + ": control " + std::to_string(::GetDlgCtrlID(s.control->m_hWnd)) + " \"" +
                                 ui::NarrowAcp(text.c_str()) + "\" needs " + std::to_string(size.cx) + " x " +
                                 std::to_string(size.cy) + " in " + std::to_string(client.right) + " x " +
                                 std::to_string(client.bottom));
        }
        ::SelectObject(dc, old);
        ::ReleaseDC(s.control->m_hWnd, dc);
    }
    return faults;
}

// The labels the main window paints, each in the font it paints it with.
class PaintedLabels {
public:
    explicit PaintedLabels(const COrvelleDlg& dialog)
    {
        for (int element : kPaintedLabels) {
            const std::wstring caption = dialog.m_elemCaption[element].str();
            if (caption.empty() || caption == L"null" || dialog.IsHidden(element))
                continue;
            const LabelFont font = PanelLabelFont(element, dialog.m_language);
            m_fonts.push_back(::CreateFontW(font.height, 0, font.escapement, 0, font.weight, FALSE, FALSE, FALSE, 0,
                                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 32,
                                            PANEL_TEXT_FACE));
            m_texts.push_back({caption, m_fonts.back(), dialog.m_elemX[element], dialog.m_elemY[element]});
        }
    }
    ~PaintedLabels()
    {
        for (HFONT font : m_fonts)
            ::DeleteObject(font);
    }
    PaintedLabels(const PaintedLabels&) = delete;
    PaintedLabels& operator=(const PaintedLabels&) = delete;
    const std::vector<textcheck::PaintedText>& Texts() const { return m_texts; }

private:
    std::vector<HFONT> m_fonts;
    std::vector<textcheck::PaintedText> m_texts;
};

// Both panels in the layout variant: its three switches of each panel are the variant's bits.
void ShowLayoutVariant(COrvelleDlg& dialog, int variant)
{
    dialog.m_showForecast = dialog.m_showRain = variant & 1;
    dialog.m_showPressure = dialog.m_showWindSpeed = (variant >> 1) & 1;
    dialog.m_showUv = dialog.m_showWindDirection = (variant >> 2) & 1;
    dialog.ApplyPanelLayout(false);
}

// Typical texts of the value fields: a reading, its maxima, a place and a time.
std::wstring SampleValue(int element)
{
    switch (element) {
    case 14: return L"Moderate";
    case 19: return L"6.0";
    case 42: return L"Amsterdam";
    case 43: return L"52\u00b022' N";
    case 44: return L"4\u00b053' E";
    case 120: return L"since 2026/3/7 10:30";
    case 138: return L"225\u00b0";
    case 139: return L"SW";
    default: return L"-12.3";
    }
}

// Every text the status field shows in the language but the progress of a rebuild (the end of the
// download's): its caption, the download's progress, the countdown and the two messages of failed
// writes.
std::vector<std::wstring> StatusTexts(const COrvelleDlg& dialog, int language)
{
    const poll::Countdown wait = poll::CountdownAt(0);
    return {dialog.m_elemCaption[ELEM_STATUS_TEXT].str(), poll::DownloadProgressText(100), wait.text,
            poll::PollStatusText(wait, true, false, language), poll::PollStatusText(wait, false, true, language)};
}

// Renames a channel through the line dialog, as the user does.
void RenameChannel(COrvelleDlg& dialog, int channel, const std::wstring& name)
{
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_THD_LINES, [&](CDialog& d) {
        ui::TypeText(d, 1284 + channel, name.c_str());
        ui::ClickButton(d, IDOK);
    });
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(ID_SETTING_THD, 0), 0);
    PumpWaiting();
}

// One walk over the layouts of the language, with typical values in the value fields and each
// status text in the status field: the texts of the main window fit and no value, caption or chart
// covers a frame line (the UV index value once wiped 28 pixels of the UV box's bottom line in the
// forecast and UV layout, and the last second line of the rain rows lay on the rain box's bottom
// line); then its menus, the chart window and the About box.
void CheckTextsOfTheMainWindow(int language, textcheck::Faults& faults)
{
    // A long channel name (34 characters): the window shows it whole or ends it visibly.
    const std::wstring longName = L"Greenhouse by the far garden wall.";
    const std::string in = " in language " + std::to_string(language);
    auto dialog = OpenMainWindow(language);
    ASSERT_TRUE(dialog);
    // The name is kept with the settings: the next language's window opens with it.
    if (dialog->m_channelName[1] != longName)
        RenameChannel(*dialog, 1, longName);
    ASSERT_EQ(dialog->m_channelName[1], longName);
    const std::vector<std::wstring> statusTexts = StatusTexts(*dialog, language);
    for (int variant = 0; variant < 8; ++variant) {
        const std::string where = "main window in layout " + std::to_string(variant) + in;
        ShowLayoutVariant(*dialog, variant);
        for (const ElementControl& v : kValueFields)
            if (v.element < 146)
                ::SetDlgItemTextW(dialog->m_hWnd, v.control, SampleValue(v.element).c_str());
        dialog->m_statusStatic.SetWindowText(statusTexts[variant % statusTexts.size()].c_str());
        Add(faults, textcheck::WindowTextFaults(dialog->m_hWnd, where, PaintedLabels(*dialog).Texts()));
        Add(faults, CustomTextFaults(*dialog, language, where));
    }
    Add(faults, textcheck::CrowdedMenuShortcuts(dialog->m_hWnd, "main window" + in));

    dialog->m_downloading = 0;
    const RECT rain = ClientRectOf(dialog->m_hWnd, 1045);
    ::SendMessageW(dialog->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rain.left + 3, rain.top + 3));
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(dialog->m_pAllChartDlg->m_hWnd) != FALSE; }, 2000));
    Add(faults, textcheck::WindowTextFaults(dialog->m_pAllChartDlg->m_hWnd, "chart window" + in));
    // Its second view: the pies.
    EXPECT_TRUE(ui::ClickButton(*dialog->m_pAllChartDlg, 1111));
    PumpWaiting();
    Add(faults, textcheck::WindowTextFaults(dialog->m_pAllChartDlg->m_hWnd, "chart window's pies" + in));
    ui::ClickButton(*dialog->m_pAllChartDlg, 1110);

    CAboutDlg about;
    about.m_language = language;
    ASSERT_TRUE(about.Create(IDD_ABOUTBOX, dialog.get()));
    about.ShowWindow(SW_SHOW);
    PumpWaiting();  // the check paints the window itself before it looks
    Add(faults, textcheck::WindowTextFaults(about.m_hWnd, "About box" + in));
    about.DestroyWindow();
    dialog->DestroyWindow();
}

}  // namespace

// The languages in two halves, each in a test entry of its own.
TEST(PanelTextsFirst, InAFolderOfItsOwn) { RunInAFolderOfItsOwn(L"PanelTextsFirstChild.*"); }
TEST(PanelTextsLast, InAFolderOfItsOwn) { RunInAFolderOfItsOwn(L"PanelTextsLastChild.*"); }

TEST(PanelTextsFirstChild, TextsOfTheMainWindowInEveryLayoutItsMenusTheChartWindowAndTheAboutBoxFitInTheFirstFourLanguages)
{
    if (!InChild())
        GTEST_SKIP() << "runs in the copy started by PanelTextsFirst.InAFolderOfItsOwn";
    textcheck::Faults faults;
    for (int language = 0; language < LANGUAGE_COUNT / 2; ++language)
        CheckTextsOfTheMainWindow(language, faults);
    EXPECT_TRUE(faults.empty()) << textcheck::Lines(faults);
}

TEST(PanelTextsLastChild, TextsOfTheMainWindowInEveryLayoutItsMenusTheChartWindowAndTheAboutBoxFitInTheLastFourLanguages)
{
    if (!InChild())
        GTEST_SKIP() << "runs in the copy started by PanelTextsLast.InAFolderOfItsOwn";
    textcheck::Faults faults;
    for (int language = LANGUAGE_COUNT / 2; language < LANGUAGE_COUNT; ++language)
        CheckTextsOfTheMainWindow(language, faults);
    EXPECT_TRUE(faults.empty()) << textcheck::Lines(faults);
}

namespace {

// A row of the open Help popup as shown: the width of the run of drawn columns that starts at its
// left (the icon, when it stands apart from the text) and the empty columns after it.
struct PopupRow {
    int firstRun;
    int gap;
};
HMENU g_shownPopup = nullptr;
std::vector<PopupRow> g_popupRows;

std::vector<PopupRow> RowsOfTheOpenPopup(HMENU menu)
{
    std::vector<PopupRow> rows;
    HWND popup = ::FindWindowW(L"#32768", nullptr);
    if (!popup)
        return rows;
    RECT frame{};
    ::GetWindowRect(popup, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    HDC dc = ::GetWindowDC(popup);
    std::vector<COLORREF> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<size_t>(y) * width + x] = ::GetPixel(dc, x, y);
    ::ReleaseDC(popup, dc);
    const COLORREF background = ::GetSysColor(COLOR_MENU);
    auto drawn = [&](int x, const RECT& item) {
        for (int y = item.top + 1; y < item.bottom - 1; ++y) {
            const COLORREF p = pixels[static_cast<size_t>(y) * width + x];
            if (std::abs(GetRValue(p) - GetRValue(background)) + std::abs(GetGValue(p) - GetGValue(background)) +
                    std::abs(GetBValue(p) - GetBValue(background)) > 96)
                return true;
        }
        return false;
    };
    for (int position = 0; position < ::GetMenuItemCount(menu); ++position) {
        if (::GetMenuState(menu, position, MF_BYPOSITION) & MF_SEPARATOR)
            continue;
        RECT item{};
        ::GetMenuItemRect(nullptr, menu, position, &item);
        ::OffsetRect(&item, -frame.left, -frame.top);
        int x = std::max<int>(item.left, 0);
        while (x < item.right && !drawn(x, item))
            ++x;
        const int start = x;
        while (x < item.right && drawn(x, item))
            ++x;
        const int end = x;
        while (x < item.right && !drawn(x, item))
            ++x;
        rows.push_back({end - start, x - end});
    }
    return rows;
}

void CALLBACK CaptureAndClosePopup(HWND window, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(window, timer);
    g_popupRows = RowsOfTheOpenPopup(g_shownPopup);
    ::EndMenu();
}

}  // namespace

TEST(PanelWindowChild, HelpIconsStandApartFromTheirTexts)
{
    if (!InChild())
        GTEST_SKIP() << "runs in the copy started by PanelWindow.InAFolderOfItsOwn";
    for (int language : {LANGUAGE_ENGLISH, LANGUAGE_RUSSIAN}) {
        auto dialog = OpenMainWindow(language);
        ASSERT_TRUE(dialog);
        g_shownPopup = ::GetSubMenu(::GetMenu(dialog->m_hWnd), 3);
        g_popupRows.clear();
        ::SetTimer(dialog->m_hWnd, 0x7E57, 400, CaptureAndClosePopup);
        ::SetForegroundWindow(dialog->m_hWnd);
        ::TrackPopupMenu(g_shownPopup, TPM_LEFTALIGN | TPM_TOPALIGN, 120, 120, 0, dialog->m_hWnd, nullptr);
        ASSERT_EQ(g_popupRows.size(), 5u) << language;
        for (size_t row = 0; row < g_popupRows.size(); ++row) {
            EXPECT_LE(g_popupRows[row].firstRun, 16)
                << "language " << language << ", row " << row << ": icon and text touch";
            EXPECT_GE(g_popupRows[row].gap, 2) << "language " << language << ", row " << row;
        }
        dialog->DestroyWindow();
    }
}

namespace {

// Base files of `lines` records each, five minutes apart, in the program's folder.
void WriteBaseRecordFiles(int lines)
{
    std::string text = BuildHeaderRow(',', DisplayUnitSelection()) + "\r\n";
    text.reserve(static_cast<std::size_t>(lines) * 140);
    char line[256];
    for (int i = 0; i < lines; ++i) {
        const int day = i / 288, minutes = i % 288 * 5;
        std::snprintf(line, sizeof line,
                      "%d,1,%d,%d,%d,%d,20.50,45.00,5.00,80.00,, ,1.50,90.00,-3.20,70.00,, ,0.00,1013.25,3,19.50,4.00,"
                      "2.00,9,60.5,\r\n",
                      2000 + day / 336, 1 + day / 28 % 12, 1 + day % 28, minutes / 60, minutes % 60);
        text += line;
    }
    std::string tabs = text;
    for (char& c : tabs)
        if (c == ',')
            c = '\t';
    for (const auto& [name, bytes] : {std::pair<const wchar_t*, const std::string*>{L"csv.dat", &text},
                                      std::pair<const wchar_t*, const std::string*>{L"txt.dat", &tabs}}) {
        FILE* file = _wfopen((ProgramFolder() + name).c_str(), L"wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes->data(), 1, bytes->size(), file);
        std::fclose(file);
    }
}

std::string FileBytes(const std::wstring& path)
{
    std::string bytes;
    if (FILE* file = _wfopen(path.c_str(), L"rb")) {
        char buffer[1 << 16];
        std::size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            bytes.append(buffer, got);
        std::fclose(file);
    }
    return bytes;
}

}  // namespace

TEST(PanelWindowChild, TheWindowGoesOnAndShowsTheProgressWhileTheCustomFilesAreRebuilt)
{
    if (!InChild())
        GTEST_SKIP() << "runs in the copy started by PanelWindow.InAFolderOfItsOwn";
    WriteBaseRecordFiles(400000);
    auto dialog = OpenMainWindow(LANGUAGE_ENGLISH);
    ASSERT_TRUE(dialog);
    dialog->m_temperatureUnit = 1;
    dialog->m_pressureUnit = 0;

    const DWORD start = ::GetTickCount();
    dialog->StartCustomRebuild();
    EXPECT_LT(::GetTickCount() - start, 300u) << "the rebuild held up the window";
    EXPECT_TRUE(dialog->CustomRebuildRunning());
    bool progressShown = false;
    while (dialog->CustomRebuildRunning() && ::GetTickCount() - start < 60000) {
        PumpUntil([] { return false; }, 50);
        const int position = dialog->m_progress.GetPos();
        const std::wstring status = dialog->m_statusStatic.GetWindowText().str();
        progressShown |= position > 0 && position < 1500 && status.size() > 6 &&
                         status.compare(status.size() - 6, 6, L"% done") == 0;
    }
    EXPECT_TRUE(progressShown) << "no progress was shown";
    ASSERT_FALSE(dialog->CustomRebuildRunning());
    const DisplayUnitSelection units = UnitsOf(*dialog);
    for (const wchar_t* name : {L"csv_custom.dat", L"txt_custom.dat"}) {
        const std::string custom = FileBytes(ProgramFolder() + name);
        const char separator = name[0] == L'c' ? ',' : '\t';
        EXPECT_EQ(custom.substr(0, custom.find("\r\n")), BuildHeaderRow(separator, units));
        EXPECT_EQ(std::count(custom.begin(), custom.end(), '\n'), 400001);
    }
    EXPECT_EQ(FileBytes(ProgramFolder() + L"RECORDS_CUSTOM.csv"), FileBytes(ProgramFolder() + L"csv_custom.dat"));

    // Closed while a rebuild runs: the worker is stopped and waited for, and each custom file is
    // whole, in one set of units or the other, with no temporary file left behind.
    dialog->m_temperatureUnit = 0;
    dialog->StartCustomRebuild();
    dialog->DestroyWindow();
    dialog.reset();
    for (const wchar_t* name : {L"csv_custom.dat", L"txt_custom.dat"}) {
        const std::string custom = FileBytes(ProgramFolder() + name);
        EXPECT_EQ(std::count(custom.begin(), custom.end(), '\n'), 400001);
        EXPECT_FALSE(Exists(ProgramFolder() + name + L".new"));
    }
}

// ---- long channel names ---------------------------------------------------------------------------

namespace {

// The main window as shown once its painted texts were drawn again.
Capture RepaintedCapture(HWND dialog)
{
    ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return SettledCapture(dialog);
}

}  // namespace

// The fields of the main window keep what they show inside them, in every language: one window per
// language for the four checks below.
TEST(PanelFields, InAFolderOfItsOwn) { RunInAFolderOfItsOwn(L"PanelFieldsChild.*"); }

namespace {

// A channel name of 34 characters once ran across the row heads of the legend and was cut in the
// sensor lists. The legend ends it with an ellipsis before the texts beside it, each sensor list
// shows it ended with an ellipsis inside its field, and the name itself stays whole (the settings
// file and the saved records take it).
void CheckALongChannelName(COrvelleDlg& dialog, int language)
{
    const std::wstring name = L"Greenhouse behind the old garage 1";
    const HWND window = dialog.m_hWnd;
    for (std::wstring& channel : dialog.m_channelName)
        channel.clear();
    dialog.FillSensorCombos();
    const Capture unnamed = RepaintedCapture(window);
    for (std::wstring& channel : dialog.m_channelName)
        channel = name;
    dialog.FillSensorCombos();
    const Capture named = RepaintedCapture(window);

    // Each name's ink ends two blanks before the row heads (beside the lower four names) or the
    // sensor lists (beside the upper two).
    const int rowHeads = std::min({dialog.m_elemX[90], dialog.m_elemX[91], dialog.m_elemX[92]});
    for (int sensor = 0; sensor < CHANNEL_COUNT; ++sensor) {
        const int k = ELEM_FIRST_SENSOR_NAME + sensor;
        EXPECT_EQ(dialog.m_elemCaption[k].str(), name);
        const int next = sensor < 2 ? dialog.m_elemX[93] : rowHeads;
        int inkRight = 0;
        for (int y = dialog.m_elemY[k]; y < dialog.m_elemY[k] + 16; ++y)
            for (int x = dialog.m_elemX[k]; x < next; ++x)
                if (named.At(x, y) != unnamed.At(x, y))
                    inkRight = std::max(inkRight, x + 1);
        EXPECT_GT(inkRight, dialog.m_elemX[k] + 20) << "language " << language << ": no name " << sensor;
        EXPECT_LE(inkRight + 6, next) << "language " << language << ": name " << sensor << " reaches " << inkRight;
    }

    // The sensor lists: the name's start and an ellipsis, inside the selection field.
    for (CComboBox* list : {&dialog.m_upperSensorCombo, &dialog.m_lowerSensorCombo}) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(::GetComboBoxInfo(list->m_hWnd, &info));
        CString item;
        list->GetLBText(CHANNEL_COUNT - 1, item);
        const std::wstring shown = item.str();
        ASSERT_GT(shown.size(), 2u);
        EXPECT_EQ(shown.back(), L'\u2026') << language;
        EXPECT_EQ(name.compare(0, shown.size() - 1, shown, 0, shown.size() - 1), 0) << language;
        HDC dc = ::GetDC(list->m_hWnd);
        HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(list->SendMessage(WM_GETFONT)));
        SIZE size{};
        ::GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
        ::SelectObject(dc, old);
        ::ReleaseDC(list->m_hWnd, dc);
        EXPECT_LE(size.cx + 2, info.rcItem.right - info.rcItem.left) << language;
    }
    EXPECT_EQ(dialog.m_channelName[0], name);
}

// A user's city name that the location box cannot show in its lines once lost its last line at
// the box's bottom ("Den Bosch" of a three-line name). The name, and the longest city of the
// tables, lie whole inside the field, a long one as its longest start that fits with an ellipsis
// after it; the name itself stays whole.
void CheckALongCityName(COrvelleDlg& dialog, const std::string& where, textcheck::Faults& faults)
{
    constexpr int CITY_FIELD = 1064;
    const std::wstring own = L"Sint-Michielsgestel aan de Dommel bij Den Bosch";
    dialog.m_locationSettings[0].name = own;
    dialog.m_chosenCityIndex = USER_DEFINED_CITY;
    dialog.ShowLocationText(false);
    const CString shown = Text(dialog, CITY_FIELD);
    EXPECT_EQ(shown.str().back(), L'\u2026') << where;
    EXPECT_EQ(own.compare(0, shown.GetLength() - 1, shown.str(), 0, shown.GetLength() - 1), 0) << where;
    EXPECT_EQ(dialog.m_locationText[1].str(), own);
    Add(faults, textcheck::UnfitCaptions(dialog.m_hWnd, where + " own city", {CITY_FIELD}));
    int longest = 0;
    for (int city = 0; city < CITY_COUNT; ++city)
        if (std::wcslen(CityNameAt(city)) > std::wcslen(CityNameAt(longest)))
            longest = city;
    dialog.m_chosenCityIndex = longest;
    dialog.ShowLocationText(false);
    Add(faults, textcheck::UnfitCaptions(dialog.m_hWnd, where + " table city", {CITY_FIELD}));
}

// On a day without sunrise or sunset (a place near a pole) the sun box says so in the fields of
// the times. "Always sunset" and "Always sunrise" once lost their second line at the fields' bottom
// in six languages ("Immer Sonnen-"): they lie inside their fields, a longer one as its start with
// an ellipsis after it.
void CheckTheAlwaysSunTexts(COrvelleDlg& dialog, int language, const std::string& where, textcheck::Faults& faults)
{
    constexpr int SUNRISE_FIELD = 1061, SUNSET_FIELD = 1062;
    dialog.m_recordTime[RECORD_YEAR] = 2024, dialog.m_recordTime[RECORD_MONTH] = 12;
    dialog.m_recordTime[RECORD_DAY] = 21;
    dialog.m_chosenCityIndex = USER_DEFINED_CITY;
    for (int south : {0, 1}) {  // polar night, then midnight sun
        const std::string at = where + (south ? " midnight sun" : " polar night");
        dialog.m_locationSettings[0].latitudeDegrees = 80;
        dialog.m_locationSettings[0].latitudeHemisphere = south;
        dialog.ShowSunTexts();
        const std::wstring always = TextAt(g_smallChartTitles, south ? 6 : 5, language);
        for (int field : {SUNRISE_FIELD, SUNSET_FIELD}) {
            const std::wstring shown = Text(dialog, field).str();
            ASSERT_FALSE(shown.empty()) << at;
            const size_t start = shown.back() == L'\u2026' ? shown.size() - 1 : shown.size();
            EXPECT_EQ(always.compare(0, start, shown, 0, start), 0) << at;
        }
        Add(faults, textcheck::UnfitCaptions(dialog.m_hWnd, at, {SUNRISE_FIELD, SUNSET_FIELD}));
    }
}

// The value fields whose texts come from the language's lists lie whole inside their fields with
// every text of their list, not only with the one the day shows: the moon phase names, the UV
// exposure levels, the compass points of the wind direction and the weekday names.
void CheckEveryListedValueText(COrvelleDlg& dialog, int language, textcheck::Faults& faults)
{
    struct Listed {
        int control;
        const wchar_t* const* (*texts)(int language);
        int count;
    };
    const Listed listed[] = {{1063, LunarPhaseNamesFor, 28},
                             {1052, UvLevelTextsFor, 5},
                             {1092, WindDirectionTextsFor, 16},
                             {1096, WeekdayNamesFor, 7}};
    for (int k = 0; k < 28; ++k) {
        for (const Listed& field : listed)
            ::SetDlgItemTextW(dialog.m_hWnd, field.control, field.texts(language)[k % field.count]);
        const std::string where = "language " + std::to_string(language) + " text " + std::to_string(k);
        Add(faults, textcheck::UnfitCaptions(dialog.m_hWnd, where, {1063, 1052, 1092, 1096}));
    }
}

}  // namespace

TEST(PanelFieldsChild, ChannelAndCityNamesSunTextsAndListedValuesLieInsideTheirFieldsInEveryLanguageAndLayout)
{
    if (!InChild())
        GTEST_SKIP() << "runs in the copy started by PanelFields.InAFolderOfItsOwn";
    std::wstring bin;
    for (const char* p = std::getenv("ORVELLE_BIN_DIR"); p && *p; ++p)
        bin += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
    textcheck::Faults faults;
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        auto dialog = OpenMainWindow(language);
        ASSERT_TRUE(dialog);
        CheckEveryListedValueText(*dialog, language, faults);
        CheckALongChannelName(*dialog, language);
        dialog->m_hLumidor = ::LoadLibraryW((L"Z:" + bin + L"\\Lumidor.dll").c_str());
        ASSERT_NE(dialog->m_hLumidor, nullptr);
        for (int variant : {0, 7}) {
            ShowLayoutVariant(*dialog, variant);
            const std::string where = "language " + std::to_string(language) + " layout " + std::to_string(variant);
            CheckALongCityName(*dialog, where, faults);
            CheckTheAlwaysSunTexts(*dialog, language, where, faults);
        }
        ::FreeLibrary(dialog->m_hLumidor);
        dialog->m_hLumidor = nullptr;
        dialog->DestroyWindow();
    }
    EXPECT_TRUE(faults.empty()) << textcheck::Lines(faults);
}
