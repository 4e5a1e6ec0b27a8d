#include "tests/support/WindowTextCheck.h"

#include "tests/support/WindowTextMeasure.h"
#include "texts/TextEncoding.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <utility>

namespace textcheck {

namespace {

enum class Kind { Label, PushButton, CheckBox, GroupBox };

// One caption as its control draws it (rectangles in the parent's client area).
struct Caption {
    HWND control;
    int id;
    Kind kind;
    std::wstring text;
    RECT box;   // the control
    RECT room;  // where the control lets its text go
    RECT ink;   // where the text's pixels go
    UINT format;
    int lines = 1;       // the lines the text takes
    int roomLines = 1;   // the whole lines its room shows
};

// The widest word of a text: a word wider than its line is cut or broken.
int WidestWord(HDC dc, HFONT font, const std::wstring& text, UINT format)
{
    HGDIOBJ old = ::SelectObject(dc, font ? font : ::GetStockObject(SYSTEM_FONT));
    int widest = 0;
    std::wistringstream words(text);
    for (std::wstring word; words >> word;) {
        if (!(format & DT_NOPREFIX))
            word.erase(std::remove(word.begin(), word.end(), L'&'), word.end());
        SIZE s{};
        ::GetTextExtentPoint32W(dc, word.c_str(), static_cast<int>(word.size()), &s);
        widest = std::max<int>(widest, s.cx);
    }
    ::SelectObject(dc, old);
    return widest;
}

// The DrawText format a static of this style draws its text with; 0 for statics without text
// (pictures, frames, owner-drawn).
UINT StaticFormat(LONG style)
{
    UINT format = 0;
    switch (style & SS_TYPEMASK) {
    case SS_LEFT: format = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK; break;
    case SS_CENTER: format = DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK; break;
    case SS_RIGHT: format = DT_RIGHT | DT_EXPANDTABS | DT_WORDBREAK; break;
    case SS_SIMPLE: format = DT_LEFT | DT_SINGLELINE; break;
    case SS_LEFTNOWORDWRAP: format = DT_LEFT | DT_EXPANDTABS; break;
    default: return 0;
    }
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    if ((style & SS_TYPEMASK) != SS_SIMPLE && (style & SS_CENTERIMAGE))
        format |= DT_SINGLELINE | DT_VCENTER;
    return format;
}

Kind ButtonKind(LONG style)
{
    const LONG type = style & BS_TYPEMASK;
    if (type == BS_GROUPBOX)
        return Kind::GroupBox;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW || (style & BS_PUSHLIKE))
        return Kind::PushButton;
    return Kind::CheckBox;
}

// Width of a check box's or radio's mark and the gap after it, as the button control draws them.
int CheckMarkRoom(HWND control)
{
    HDC dc = ::GetDC(control);
    HGDIOBJ old = ::SelectObject(dc, FontOf(control));
    INT zero = 0;
    ::GetCharWidthW(dc, L'0', L'0', &zero);
    const int mark = 12 * ::GetDeviceCaps(dc, LOGPIXELSX) / 96 + 1;
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    return mark + zero / 2;
}

// Lays out a button's caption the way the button control does: the label's measured rectangle
// inside `area` (control coordinates), aligned by the format, one pixel in from a side it leans on.
RECT LabelRect(const RECT& area, SIZE text, UINT format)
{
    RECT r{area.left, area.top, area.left + text.cx, area.top + text.cy};
    if (format & DT_CENTER)
        r = Offset(r, ((area.right - area.left) - text.cx) / 2, 0);
    else if (format & DT_RIGHT)
        r = Offset(r, (area.right - area.left) - text.cx - 1, 0);
    else
        r = Offset(r, 1, 0);
    if (format & DT_VCENTER)
        r = Offset(r, 0, ((area.bottom - area.top) - text.cy) / 2);
    else
        r = Offset(r, 0, 1);
    return r;
}

// Fills in room and ink of a button's caption; false for buttons that show no text of their own.
bool MeasureButton(Caption& c, LONG style, const RECT& client, HDC dc)
{
    if (style & (BS_BITMAP | BS_ICON))
        return false;
    const HFONT font = FontOf(c.control);
    const bool ownerDrawn = (style & BS_TYPEMASK) == BS_OWNERDRAW;
    const bool disabled = !::IsWindowEnabled(c.control);
    c.kind = ButtonKind(style);
    c.format = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    RECT area = client;
    if (c.kind == Kind::PushButton) {
        c.format |= DT_CENTER | DT_VCENTER;
        if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            ::InflateRect(&area, -1, -1);
        c.room = area;
        ::InflateRect(&c.room, -2, -2);  // inside the frame
    } else if (c.kind == Kind::CheckBox) {
        c.format |= DT_VCENTER;
        area.left += CheckMarkRoom(c.control);
        c.room = area;
    } else {
        ::InflateRect(&area, -7, 1);
        c.room = area;
        c.room.bottom = client.bottom;
    }
    const SIZE text = TextSize(dc, font, c.text, c.format, area.right - area.left);
    const RECT label = LabelRect(area, text, c.format);
    // The system draws an enabled caption straight, a disabled one through a one-bit image of the
    // label's measured size; an owner-drawn button draws its caption over its whole face.
    if (ownerDrawn) {
        c.ink = InkOf(font, c.text, c.format, {client.right, client.bottom}, false);
    } else {
        const RECT drawn = InkOf(font, c.text, c.format, text, disabled);
        c.ink = Offset(drawn, label.left, label.top);
        if (disabled) {
            // What falls outside the image is lost: the room is the label itself.
            c.room.left = std::max(c.room.left, label.left);
            c.room.right = std::min(c.room.right, label.right);
        }
    }
    return true;
}

std::string Name(const std::string& where, const Caption& c)
{
    std::ostringstream out;
    out << where << ": control " << c.id << " \"" << Utf8(c.text) << "\"";
    return out.str();
}

// How many lines a label's text takes at its width, and how many whole lines its height shows.
void CountLines(Caption& c, HDC dc, const RECT& inner)
{
    const HFONT font = FontOf(c.control);
    const int line = std::max<int>(TextMetricsOf(font).tmHeight, 1);
    c.lines = std::max(1, static_cast<int>(TextSize(dc, font, c.text, c.format, inner.right).cy / line));
    c.roomLines = inner.bottom / line;
}

// The shown, captioned controls of a window inside its client area (a layout parks the controls
// of a hidden box beyond it); only those of the listed ids when there is a list.
std::vector<Caption> Captions(HWND window, const std::vector<HWND>& children, const std::vector<int>& only = {})
{
    std::vector<Caption> captions;
    RECT client{};
    ::GetClientRect(window, &client);
    HDC dc = ::GetDC(window);
    for (HWND child : children) {
        if (!::IsWindowVisible(child) ||
            (!only.empty() && std::find(only.begin(), only.end(), ::GetDlgCtrlID(child)) == only.end()))
            continue;
        const std::wstring text = WindowText(child);
        if (text.find_first_not_of(L" \t\r\n") == std::wstring::npos)
            continue;
        const LONG style = ::GetWindowLongW(child, GWL_STYLE);
        Caption c{child, ::GetDlgCtrlID(child), Kind::Label, text, BoxInParent(child), {}, {}, 0};
        if (!Overlap(c.box, client))
            continue;
        RECT inner{};
        ::GetClientRect(child, &inner);
        if (IsClass(child, L"Static")) {
            c.format = StaticFormat(style);
            if (c.format == 0)
                continue;
            c.room = inner;
            c.ink = InkOf(FontOf(child), text, c.format, {inner.right, inner.bottom}, false);
            // A word wider than the label is broken or runs past it.
            const int widest = WidestWord(dc, FontOf(child), text, c.format);
            if (!(c.format & DT_SINGLELINE) && widest > inner.right)
                c.ink.right = std::max<LONG>(c.ink.right, c.ink.left + widest);
            CountLines(c, dc, inner);
        } else if (!IsClass(child, L"Button") || !MeasureButton(c, style, inner, dc)) {
            continue;
        }
        POINT origin{0, 0};
        ::MapWindowPoints(child, window, &origin, 1);
        c.room = Offset(c.room, origin.x, origin.y);
        c.ink = Offset(c.ink, origin.x, origin.y);
        captions.push_back(c);
    }
    ::ReleaseDC(window, dc);
    return captions;
}

Faults UnfitCaptions(const std::vector<Caption>& captions, const std::string& where)
{
    Faults faults;
    for (const Caption& c : captions) {
        RECT ink = c.ink;
        if (c.kind == Kind::GroupBox)
            ink.bottom = std::min(ink.bottom, c.room.bottom);
        if (Empty(ink) || Inside(ink, c.room))
            continue;
        std::string fault = Name(where, c) + " draws its text at " + Describe(c.ink) + ", outside its room " +
                            Describe(c.room);
        if (c.lines > c.roomLines)
            fault += ": it takes " + std::to_string(c.lines) + " lines, line " + std::to_string(c.roomLines + 1) +
                     " is cut at the bottom";
        faults.push_back(fault);
    }
    return faults;
}

Faults OverlappingCaptions(HWND window, const std::vector<HWND>& children, const std::vector<Caption>& captions,
                           const std::string& where)
{
    Faults faults;
    RECT client{};
    ::GetClientRect(window, &client);
    // Fields, lists, pictures and marks without a caption of their own, inside the client area.
    std::vector<std::pair<HWND, RECT>> uncaptioned;
    for (HWND other : children) {
        const LONG style = ::GetWindowLongW(other, GWL_STYLE);
        const bool caption = IsClass(other, L"Button")
                                 ? (style & BS_TYPEMASK) == BS_GROUPBOX || !WindowText(other).empty()
                                 : IsClass(other, L"Static") && StaticFormat(style) != 0;
        const RECT box = BoxInParent(other);
        if (::IsWindowVisible(other) && !caption && Overlap(box, client))
            uncaptioned.push_back({other, box});
    }
    for (size_t a = 0; a < captions.size(); ++a) {
        for (size_t b = a + 1; b < captions.size(); ++b) {
            if (Overlap(captions[a].ink, captions[b].ink))
                faults.push_back(Name(where, captions[a]) + " " + Describe(captions[a].ink) + " lies on" +
                                 Name("", captions[b]) + " " + Describe(captions[b].ink));
        }
        if (captions[a].kind != Kind::Label && captions[a].kind != Kind::CheckBox)
            continue;
        for (const auto& [other, box] : uncaptioned)
            if (other != captions[a].control && Overlap(captions[a].ink, box))
                faults.push_back(Name(where, captions[a]) + " " + Describe(captions[a].ink) + " lies under control " +
                                 std::to_string(::GetDlgCtrlID(other)) + " " + Describe(box));
    }
    return faults;
}

Faults UnpaintedLabels(const std::vector<Caption>& captions, const Screen& screen, const std::string& where)
{
    Faults faults;
    for (const Caption& c : captions) {
        if (c.kind != Kind::Label)
            continue;
        RECT ink{};
        ::IntersectRect(&ink, &c.ink, &c.box);
        ink = screen.Clip(ink);
        RECT inner{};
        ::GetClientRect(c.control, &inner);
        const int expected = InkPixelCount(FontOf(c.control), c.text, c.format, {inner.right, inner.bottom});
        const DWORD background = screen.Background(screen.Clip(c.box));
        const int contrast = std::max(Distance(background, 0), 1);
        const int shown = Empty(ink) ? 0 : screen.InkPixels(ink, contrast);
        if (shown * 2 < expected || shown == 0)
            faults.push_back(Name(where, c) + " shows " + std::to_string(shown) + " of its " +
                             std::to_string(expected) + " text pixels at " + Describe(ink));
    }
    return faults;
}

Faults ControlsOutsideTheWindow(HWND window, const std::vector<HWND>& children, const std::string& where)
{
    Faults faults;
    RECT client{};
    ::GetClientRect(window, &client);
    for (HWND child : children) {
        const RECT box = BoxInParent(child);
        if (::IsWindowVisible(child) && Overlap(box, client) && !Inside(box, client))
            faults.push_back(ControlName(where, child) + " at " + Describe(box) +
                             " reaches beyond the window's client area " + Describe(client));
    }
    return faults;
}

}  // namespace

Faults UnfitCaptions(HWND window, const std::string& where, const std::vector<int>& controls)
{
    return UnfitCaptions(Captions(window, ChildWindows(window), controls), where);
}

Faults OverlappingCaptions(HWND window, const std::string& where)
{
    const std::vector<HWND> children = ChildWindows(window);
    return OverlappingCaptions(window, children, Captions(window, children), where);
}

Faults UnpaintedLabels(HWND window, const std::string& where)
{
    const Screen client(window, false);
    return UnpaintedLabels(Captions(window, client.Controls()), client, where);
}

Faults ControlsOutsideTheWindow(HWND window, const std::string& where)
{
    return ControlsOutsideTheWindow(window, ChildWindows(window), where);
}

Faults WindowTextFaults(HWND window, const std::string& where, const std::vector<PaintedText>& painted)
{
    const Screen whole(window, true);
    const Screen client = whole.ClientArea(window);
    const std::vector<HWND>& children = whole.Controls();
    const std::vector<Caption> captions = Captions(window, children);
    Faults faults = UnfitCaptions(captions, where);
    for (const Faults& more :
         {OverlappingCaptions(window, children, captions, where), UnpaintedLabels(captions, client, where),
          ControlsOutsideTheWindow(window, children, where), CutComboItems(window, client, where),
          CutEditTexts(children, where),
          TextsOnFrameLines(window, client, where), CutMenuTitles(window, whole, where),
          PaintedTextFaults(window, painted, client, where)})
        faults.insert(faults.end(), more.begin(), more.end());
    return faults;
}

std::string Lines(const Faults& faults)
{
    std::string all;
    for (const std::string& f : faults)
        all += f + "\n";
    return all;
}

}  // namespace textcheck
