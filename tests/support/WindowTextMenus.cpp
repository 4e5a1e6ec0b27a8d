// A window's menus as the screen shows them: every title of the menu bar whole, and in every
// popup a shortcut column that stands apart from the commands' texts.
#include "tests/support/WindowTextCheck.h"

#include "tests/support/WindowTextMeasure.h"
#include "texts/TextEncoding.h"

#include <algorithm>
#include <functional>

namespace textcheck {

namespace {

HFONT CreateMenuFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return ::CreateFontIndirectW(&metrics.lfMenuFont);
}

std::wstring MenuText(HMENU menu, int position)
{
    wchar_t text[256] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
    return text;
}

bool HasShortcut(HMENU menu)
{
    for (int position = 0; position < ::GetMenuItemCount(menu); ++position)
        if (MenuText(menu, position).find(L'\t') != std::wstring::npos)
            return true;
    return false;
}

// Opens the popup at the window as a click on its title does, runs `look` on the shown popup
// window once it is painted, and closes it.
void WhileShown(HWND window, HMENU popup, const std::function<void(HWND)>& look)
{
    static const std::function<void(HWND)>* s_look = nullptr;
    s_look = &look;
    ::SetTimer(window, 0x7E58, 100, [](HWND owner, UINT, UINT_PTR timer, DWORD) {
        HWND shown = ::FindWindowW(L"#32768", nullptr);
        if (!shown || !::IsWindowVisible(shown))
            return;
        ::KillTimer(owner, timer);
        ::RedrawWindow(shown, nullptr, nullptr, RDW_UPDATENOW);
        (*s_look)(shown);
        ::EndMenu();
    });
    ::SetForegroundWindow(window);
    RECT frame{};
    ::GetWindowRect(window, &frame);
    ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, frame.left + 40, frame.top + 60, 0, window,
                     nullptr);
    ::KillTimer(window, 0x7E58);
    s_look = nullptr;
}

// Columns of a row of the shown popup that carry ink (the row's top and bottom pixel left out).
std::vector<bool> InkColumns(const Screen& screen, const RECT& row)
{
    const DWORD background = ::GetSysColor(COLOR_MENU) & 0xFFFFFF;
    const int threshold = static_cast<int>(
        std::max(Distance(background, ::GetSysColor(COLOR_MENUTEXT) & 0xFFFFFF), 96) * INK_COVERAGE);
    std::vector<bool> ink(static_cast<size_t>(std::max<LONG>(row.right, 0)), false);
    for (int x = std::max<LONG>(row.left, 0); x < row.right && x < screen.Width(); ++x)
        for (int y = row.top + 1; y < row.bottom - 1 && y < screen.Height(); ++y)
            ink[x] = ink[x] || Distance(screen.At(x, y), background) > threshold;
    return ink;
}

}  // namespace

Faults CutMenuTitles(HWND window, const std::string& where)
{
    return ::GetMenu(window) ? CutMenuTitles(window, Screen(window, true), where) : Faults();
}

Faults CutMenuTitles(HWND window, const Screen& screen, const std::string& where)
{
    Faults faults;
    HMENU menu = ::GetMenu(window);
    if (!menu)
        return faults;
    HFONT font = CreateMenuFont();
    RECT frame{};
    ::GetWindowRect(window, &frame);
    const int contrast = std::max(Distance(::GetSysColor(COLOR_MENU), ::GetSysColor(COLOR_MENUTEXT)), 1);
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        const std::wstring title = MenuText(menu, i);
        RECT place{};
        ::GetMenuItemRect(window, menu, static_cast<UINT>(i), &place);
        place = screen.Clip(Offset(place, -frame.left, -frame.top));
        ::InflateRect(&place, -1, -1);  // the edge of a selected title
        const RECT expected = InkOf(font, title, DT_SINGLELINE, {400, place.bottom - place.top}, false);
        const RECT shown = InkBox([&](int x, int y) { return screen.At(x, y); }, place,
                                  ::GetSysColor(COLOR_MENU) & 0xFFFFFF, contrast);
        if (shown.right - shown.left < expected.right - expected.left)
            faults.push_back(where + ": menu title \"" + Utf8(title) + "\" shows " +
                             std::to_string(shown.right - shown.left) + " of its " +
                             std::to_string(expected.right - expected.left) + " pixels of width");
    }
    ::DeleteObject(font);
    return faults;
}

// A command's shortcut (the text after its tab) is drawn at the right of its row: its ink is the
// row's last run of ink as wide as the shortcut's own. Before it the row keeps at least two average
// characters of the menu font empty.
Faults CrowdedMenuShortcuts(HWND window, const std::string& where)
{
    Faults faults;
    HMENU bar = ::GetMenu(window);
    HFONT font = CreateMenuFont();
    const int minimum = 2 * TextMetricsOf(font).tmAveCharWidth;
    for (int title = 0; bar && title < ::GetMenuItemCount(bar); ++title) {
        HMENU popup = ::GetSubMenu(bar, title);
        if (!popup || !HasShortcut(popup))
            continue;
        bool opened = false;
        WhileShown(window, popup, [&](HWND shown) {
            opened = true;
            const Screen screen(shown, true);
            RECT frame{};
            ::GetWindowRect(shown, &frame);
            for (int position = 0; position < ::GetMenuItemCount(popup); ++position) {
                const std::wstring text = MenuText(popup, position);
                const size_t tab = text.find(L'\t');
                if (tab == std::wstring::npos)
                    continue;
                RECT row{};
                ::GetMenuItemRect(nullptr, popup, static_cast<UINT>(position), &row);
                row = Offset(row, -frame.left, -frame.top);
                const std::vector<bool> ink = InkColumns(screen, row);
                const RECT shortcut = InkOf(font, text.substr(tab + 1), DT_SINGLELINE, {400, 40}, false);
                const std::string name = where + ": menu command \"" + Utf8(text.substr(0, tab)) + "\" and its shortcut \"" +
                                         Utf8(text.substr(tab + 1)) + "\"";
                int last = static_cast<int>(ink.size()) - 1;
                while (last >= 0 && !ink[last])
                    --last;
                const int start = last + 1 - (shortcut.right - shortcut.left);
                int before = start - 1;
                while (before >= 0 && !ink[before])
                    --before;
                const int gap = start - before - 1;
                if (last < 0 || before < 0)
                    faults.push_back(name + ": the row shows no text and shortcut");
                else if (gap < minimum)
                    faults.push_back(name + " stand " + std::to_string(gap) + " pixels apart, less than " +
                                     std::to_string(minimum));
            }
        });
        if (!opened)
            faults.push_back(where + ": menu \"" + Utf8(MenuText(bar, title)) + "\" did not open");
    }
    ::DeleteObject(font);
    return faults;
}

}  // namespace textcheck
