#include "tests/support/WindowTextCheck.h"

#include "texts/TextEncoding.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>

namespace textcheck {

namespace {

// Room around a measured text for ink that runs past its place.
constexpr int INK_MARGIN = 24;
// A pixel counts as ink when it carries at least this share of the text colour.
constexpr double INK_COVERAGE = 0.3;

std::string Describe(const RECT& r)
{
    std::ostringstream out;
    out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return out.str();
}

bool Overlap(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

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
};

RECT Offset(RECT r, int dx, int dy)
{
    ::OffsetRect(&r, dx, dy);
    return r;
}

std::wstring WindowText(HWND window)
{
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(window, &text[0], length + 1)));
    return text;
}

bool IsClass(HWND window, const wchar_t* name)
{
    wchar_t found[64] = {};
    ::GetClassNameW(window, found, 64);
    return _wcsicmp(found, name) == 0;
}

RECT BoxInParent(HWND control)
{
    RECT r{};
    ::GetWindowRect(control, &r);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HFONT FontOf(HWND control) { return reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)); }

int Distance(DWORD a, DWORD b)
{
    auto channel = [](DWORD p, int shift) { return static_cast<int>((p >> shift) & 0xFF); };
    return std::abs(channel(a, 16) - channel(b, 16)) + std::abs(channel(a, 8) - channel(b, 8)) +
           std::abs(channel(a, 0) - channel(b, 0));
}

// A top-down DIB of 32 or 1 bits per pixel with a DC, white at start; pixels as 0x00RRGGBB.
class Canvas {
public:
    Canvas(int width, int height, bool mono) : m_width(width), m_height(height), m_mono(mono)
    {
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colours[2];
        } info{};
        info.header = {sizeof(BITMAPINFOHEADER), width, -height, 1, static_cast<WORD>(mono ? 1 : 32), BI_RGB,
                       0, 0, 0, 0, 0};
        info.colours[1] = {255, 255, 255, 0};
        m_dc = ::CreateCompatibleDC(nullptr);
        m_bitmap = ::CreateDIBSection(m_dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                      reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_old = ::SelectObject(m_dc, m_bitmap);
        RECT all{0, 0, width, height};
        ::FillRect(m_dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    }
    ~Canvas()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    DWORD At(int x, int y) const
    {
        if (m_mono) {
            const int stride = ((m_width + 31) / 32) * 4;
            return (m_bits[y * stride + x / 8] & (0x80 >> (x % 8))) ? 0xFFFFFF : 0;
        }
        return reinterpret_cast<const DWORD*>(m_bits)[static_cast<size_t>(y) * m_width + x] & 0xFFFFFF;
    }

private:
    int m_width, m_height;
    bool m_mono;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    unsigned char* m_bits = nullptr;
};

// The bounding box of the pixels that stand out from `background` by the ink share of `contrast`.
template <class Pixels>
RECT InkBox(const Pixels& at, const RECT& area, DWORD background, int contrast)
{
    RECT ink{area.right, area.bottom, area.left, area.top};
    const int threshold = static_cast<int>(contrast * INK_COVERAGE);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (Distance(at(x, y), background) > threshold) {
                ink.left = std::min<LONG>(ink.left, x);
                ink.right = std::max<LONG>(ink.right, x + 1);
                ink.top = std::min<LONG>(ink.top, y);
                ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
    return Empty(ink) ? RECT{0, 0, 0, 0} : ink;
}

// The text drawn black on white in the font, with INK_MARGIN around the room for ink past it.
std::unique_ptr<Canvas> DrawnText(HFONT font, const std::wstring& text, UINT format, SIZE room, bool mono)
{
    auto canvas = std::make_unique<Canvas>(room.cx + 2 * INK_MARGIN, room.cy + 2 * INK_MARGIN, mono);
    HGDIOBJ old = ::SelectObject(canvas->dc(), font ? font : ::GetStockObject(SYSTEM_FONT));
    ::SetBkMode(canvas->dc(), TRANSPARENT);
    ::SetTextColor(canvas->dc(), RGB(0, 0, 0));
    RECT r{INK_MARGIN, INK_MARGIN, INK_MARGIN + room.cx, INK_MARGIN + room.cy};
    ::DrawTextW(canvas->dc(), text.c_str(), static_cast<int>(text.size()), &r, format | DT_NOCLIP);
    ::SelectObject(canvas->dc(), old);
    ::GdiFlush();
    return canvas;
}

// Pixels of the text's ink, as many as a screen shows of it.
int InkPixelCount(HFONT font, const std::wstring& text, UINT format, SIZE room)
{
    const auto canvas = DrawnText(font, text, format, room, false);
    int count = 0;
    for (int y = 0; y < canvas->height(); ++y)
        for (int x = 0; x < canvas->width(); ++x)
            count += Distance(canvas->At(x, y), 0xFFFFFF) > 765 * INK_COVERAGE;
    return count;
}

// Ink of a text drawn with DrawText in `font` and `format` into a `room`-sized rectangle at the
// origin, anti-aliased or, for `mono`, into a one-bit bitmap (how the system draws a disabled
// caption). An empty rectangle when nothing is drawn.
RECT InkOf(HFONT font, const std::wstring& text, UINT format, SIZE room, bool mono)
{
    const auto canvas = DrawnText(font, text, format, room, mono);
    const RECT all{0, 0, canvas->width(), canvas->height()};
    const RECT ink = InkBox([&](int x, int y) { return canvas->At(x, y); }, all, 0xFFFFFF, 765);
    return Empty(ink) ? ink : Offset(ink, -INK_MARGIN, -INK_MARGIN);
}

SIZE TextSize(HDC dc, HFONT font, const std::wstring& text, UINT format, int width)
{
    HGDIOBJ old = ::SelectObject(dc, font ? font : ::GetStockObject(SYSTEM_FONT));
    RECT r{0, 0, std::max(width, 1), 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                (format & ~(DT_VCENTER | DT_BOTTOM | DT_CENTER | DT_RIGHT)) | DT_CALCRECT);
    ::SelectObject(dc, old);
    return {r.right - r.left, r.bottom - r.top};
}

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

// The window's client area as it is on the screen (or, with `frame`, the whole window).
class Screen {
public:
    Screen(HWND window, bool frame)
    {
        ::RedrawWindow(window, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        RECT r{};
        if (frame) {
            ::GetWindowRect(window, &r);
            ::OffsetRect(&r, -r.left, -r.top);
        } else {
            ::GetClientRect(window, &r);
        }
        m_width = r.right;
        m_height = r.bottom;
        HDC dc = frame ? ::GetWindowDC(window) : ::GetDC(window);
        HDC memory = ::CreateCompatibleDC(dc);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), m_width, -m_height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, m_width, m_height, dc, 0, 0, SRCCOPY);
        ::GdiFlush();
        if (bits)
            m_pixels.assign(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + m_width * m_height);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::ReleaseDC(window, dc);
    }
    DWORD At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x] & 0xFFFFFF; }
    RECT Clip(const RECT& r) const
    {
        RECT all{0, 0, m_width, m_height}, out{};
        ::IntersectRect(&out, &r, &all);
        return out;
    }
    // The most common colour of the rectangle.
    DWORD Background(const RECT& area) const
    {
        std::vector<DWORD> colours;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                colours.push_back(At(x, y));
        std::sort(colours.begin(), colours.end());
        DWORD best = colours.empty() ? 0 : colours[0];
        size_t run = 0;
        for (size_t i = 0; i < colours.size();) {
            size_t j = i;
            while (j < colours.size() && colours[j] == colours[i])
                ++j;
            if (j - i > run)
                run = j - i, best = colours[i];
            i = j;
        }
        return best;
    }
    // Pixels of the rectangle that stand out from its background by the ink share of `contrast`.
    int InkPixels(const RECT& area, int contrast) const
    {
        const DWORD background = Background(area);
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += Distance(At(x, y), background) > contrast * INK_COVERAGE;
        return count;
    }

private:
    int m_width = 0, m_height = 0;
    std::vector<DWORD> m_pixels;
};

// The shown, captioned controls of a window inside its client area (a layout parks the controls
// of a hidden box beyond it).
std::vector<Caption> Captions(HWND window)
{
    std::vector<Caption> captions;
    RECT client{};
    ::GetClientRect(window, &client);
    HDC dc = ::GetDC(window);
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child))
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
        if (!Empty(ink) && !Inside(ink, c.room))
            faults.push_back(Name(where, c) + " draws its text at " + Describe(c.ink) + ", outside its room " +
                             Describe(c.room));
    }
    return faults;
}

Faults OverlappingCaptions(HWND window, const std::vector<Caption>& captions, const std::string& where)
{
    Faults faults;
    RECT client{};
    ::GetClientRect(window, &client);
    for (size_t a = 0; a < captions.size(); ++a) {
        for (size_t b = a + 1; b < captions.size(); ++b) {
            if (Overlap(captions[a].ink, captions[b].ink))
                faults.push_back(Name(where, captions[a]) + " " + Describe(captions[a].ink) + " lies on" +
                                 Name("", captions[b]) + " " + Describe(captions[b].ink));
        }
        if (captions[a].kind != Kind::Label && captions[a].kind != Kind::CheckBox)
            continue;
        // Fields, lists, pictures and marks without a caption of their own.
        for (HWND other = ::GetWindow(window, GW_CHILD); other; other = ::GetWindow(other, GW_HWNDNEXT)) {
            if (other == captions[a].control || !::IsWindowVisible(other))
                continue;
            const LONG style = ::GetWindowLongW(other, GWL_STYLE);
            const bool caption = IsClass(other, L"Button")
                                     ? (style & BS_TYPEMASK) == BS_GROUPBOX || !WindowText(other).empty()
                                     : IsClass(other, L"Static") && StaticFormat(style) != 0;
            const RECT box = BoxInParent(other);
            if (!caption && Overlap(box, client) && Overlap(captions[a].ink, box))
                faults.push_back(Name(where, captions[a]) + " " + Describe(captions[a].ink) + " lies under control " +
                                 std::to_string(::GetDlgCtrlID(other)) + " " + Describe(box));
        }
    }
    return faults;
}

Faults UnpaintedLabels(HWND window, const std::vector<Caption>& captions, const std::string& where)
{
    Faults faults;
    const Screen screen(window, false);
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

}  // namespace

Faults UnfitCaptions(HWND window, const std::string& where) { return UnfitCaptions(Captions(window), where); }

Faults OverlappingCaptions(HWND window, const std::string& where)
{
    return OverlappingCaptions(window, Captions(window), where);
}

Faults UnpaintedLabels(HWND window, const std::string& where)
{
    return UnpaintedLabels(window, Captions(window), where);
}

Faults ControlsOutsideTheWindow(HWND window, const std::string& where)
{
    Faults faults;
    RECT client{};
    ::GetClientRect(window, &client);
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const RECT box = BoxInParent(child);
        if (::IsWindowVisible(child) && Overlap(box, client) && !Inside(box, client))
            faults.push_back(where + ": control " + std::to_string(::GetDlgCtrlID(child)) + " at " + Describe(box) +
                             " reaches beyond the window's client area " + Describe(client));
    }
    return faults;
}

Faults CutMenuTitles(HWND window, const std::string& where)
{
    Faults faults;
    HMENU menu = ::GetMenu(window);
    if (!menu)
        return faults;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = ::CreateFontIndirectW(&metrics.lfMenuFont);
    const Screen screen(window, true);
    RECT frame{};
    ::GetWindowRect(window, &frame);
    const int contrast = std::max(Distance(::GetSysColor(COLOR_MENU), ::GetSysColor(COLOR_MENUTEXT)), 1);
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t title[128] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(i), title, 128, MF_BYPOSITION);
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

Faults WindowTextFaults(HWND window, const std::string& where)
{
    const std::vector<Caption> captions = Captions(window);
    Faults faults = UnfitCaptions(captions, where);
    for (const Faults& more : {OverlappingCaptions(window, captions, where), UnpaintedLabels(window, captions, where),
                               ControlsOutsideTheWindow(window, where), CutMenuTitles(window, where)})
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
