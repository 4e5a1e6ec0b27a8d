// The texts of a window's lists and fields: every entry of a combo box whole in its selection
// field and in its dropped list, and every edit field's text whole in the field; the same for
// texts that a list or a field may take.
#include "tests/support/WindowTextCheck.h"

#include "tests/support/WindowTextMeasure.h"
#include "texts/TextEncoding.h"

#include <algorithm>

namespace textcheck {

namespace {

constexpr UINT LINE = DT_SINGLELINE | DT_NOPREFIX;

std::wstring ComboItem(HWND combo, int index)
{
    const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0)
        return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

// Whether the box's entries are texts (an owner-drawn box without strings draws pictures).
bool HasTextItems(HWND combo)
{
    const LONG style = ::GetWindowLongW(combo, GWL_STYLE);
    return !(style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) || (style & CBS_HASSTRINGS);
}

// The width the dropped list gives its entries: the list is dropped and measured as shown.
int DroppedListWidth(HWND combo, HWND list)
{
    const bool wasDropped = ::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
    if (!wasDropped)
        ::SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    RECT client{};
    ::GetClientRect(list, &client);
    if (!wasDropped)
        ::SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    return client.right;
}

// Where the box starts an entry's text inside the rectangle it draws the entry in: read from the
// selected entry as the screen shows it, else one pixel in (as the system draws).
int TextStart(const Screen& screen, HWND combo, const RECT& field, HFONT font)
{
    const int selected = static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
    const std::wstring text = selected >= 0 ? ComboItem(combo, selected) : std::wstring();
    const RECT expected = InkOf(font, text, LINE, {1000, field.bottom - field.top}, false);
    if (Empty(expected))
        return 1;
    const RECT area = screen.Clip(field);
    const DWORD background = screen.Background(area);
    const RECT shown = InkBox([&](int x, int y) { return screen.At(x, y); }, area, background,
                              std::max(Distance(background, ::GetSysColor(COLOR_WINDOWTEXT) & 0xFFFFFF), 96));
    if (Empty(shown))
        return 1;
    return std::max(0, static_cast<int>(shown.left - expected.left - field.left));
}

// The entries whole in the combo box's selection field and in its dropped list.
Faults CutEntries(HWND window, const Screen& screen, HWND combo, const std::vector<std::wstring>& entries,
                  const std::string& where)
{
    Faults faults;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!::GetComboBoxInfo(combo, &info))
        return faults;
    const HFONT font = FontOf(combo);
    // The field draws an entry one pixel inside its item rectangle, clipped there.
    RECT field = info.rcItem;
    ::InflateRect(&field, -1, -1);
    ::MapWindowPoints(combo, window, reinterpret_cast<POINT*>(&field), 2);
    const int start = TextStart(screen, combo, field, font);
    const int listWidth = info.hwndList ? DroppedListWidth(combo, info.hwndList) : 0;
    for (const std::wstring& text : entries) {
        const RECT ink = InkOf(font, text, LINE, {1000, field.bottom - field.top}, false);
        if (Empty(ink))
            continue;
        // One pixel of the field's own colour keeps the text off the list's arrow.
        const int needed = start + ink.right + 1;
        const std::string entry = ControlName(where, combo) + " entry \"" + Utf8(text) + "\"";
        if (needed > field.right - field.left)
            faults.push_back(entry + " needs " + std::to_string(needed) + " pixels in its selection field of " +
                             std::to_string(field.right - field.left));
        if (listWidth > 0 && needed > listWidth)
            faults.push_back(entry + " needs " + std::to_string(needed) + " pixels in its list of " +
                             std::to_string(listWidth));
    }
    return faults;
}

// The text whole in the single-line edit field (shown from its first character when `shown`).
Faults CutFieldText(HWND field, const std::wstring& text, bool shown, const std::string& where)
{
    RECT room{};
    ::SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    const int width = TextWidth(FontOf(field), text);
    // A single-line field scrolled to its end shows a later character first.
    const bool scrolled = shown && ::SendMessageW(field, EM_GETFIRSTVISIBLELINE, 0, 0) > 0;
    if (width <= room.right - room.left && !scrolled)
        return {};
    return {ControlName(where, field) + " \"" + Utf8(text) + "\" needs " + std::to_string(width) +
            " pixels in its field of " + std::to_string(room.right - room.left) +
            (scrolled ? ", scrolled to its end" : "")};
}

}  // namespace

Faults CutComboItems(HWND window, const Screen& screen, const std::string& where)
{
    Faults faults;
    for (HWND child : screen.Controls()) {
        if (!::IsWindowVisible(child) || !IsClass(child, L"ComboBox") || !HasTextItems(child))
            continue;
        std::vector<std::wstring> entries;
        const int count = static_cast<int>(::SendMessageW(child, CB_GETCOUNT, 0, 0));
        for (int index = 0; index < count; ++index)
            entries.push_back(ComboItem(child, index));
        const Faults cut = CutEntries(window, screen, child, entries, where);
        faults.insert(faults.end(), cut.begin(), cut.end());
    }
    return faults;
}

Faults CutComboItems(HWND window, const std::string& where)
{
    return CutComboItems(window, Screen(window, false), where);
}

Faults CutComboItems(HWND combo, const std::vector<std::wstring>& entries, const std::string& where)
{
    const HWND window = ::GetParent(combo);
    return CutEntries(window, Screen(window, false), combo, entries, where);
}

Faults CutEditTexts(HWND window, const std::string& where)
{
    return CutEditTexts(ChildWindows(window), where);
}

Faults CutEditTexts(const std::vector<HWND>& children, const std::string& where)
{
    Faults faults;
    for (HWND child : children) {
        const LONG style = ::GetWindowLongW(child, GWL_STYLE);
        if (!::IsWindowVisible(child) || !IsClass(child, L"Edit") || (style & (ES_MULTILINE | ES_PASSWORD)))
            continue;
        const std::wstring text = WindowText(child);
        if (text.empty())
            continue;
        const Faults cut = CutFieldText(child, text, true, where);
        faults.insert(faults.end(), cut.begin(), cut.end());
    }
    return faults;
}

Faults CutEditTexts(HWND field, const std::vector<std::wstring>& texts, const std::string& where)
{
    Faults faults;
    for (const std::wstring& text : texts) {
        const Faults cut = CutFieldText(field, text, false, where);
        faults.insert(faults.end(), cut.begin(), cut.end());
    }
    return faults;
}

}  // namespace textcheck
