#include "tests/support/WindowTextMeasure.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace textcheck {

std::wstring FontKey(HFONT font)
{
    LOGFONTW logFont{};
    ::GetObjectW(font ? font : ::GetStockObject(SYSTEM_FONT), sizeof logFont, &logFont);
    std::wstring key(sizeof logFont / sizeof(wchar_t), L'\0');
    std::memcpy(&key[0], &logFont, sizeof logFont);
    return key;
}

namespace {

// A text drawn in the same font, format and room gives the same ink: the walks over languages and
// layouts measure each caption once.
std::wstring MeasureKey(HFONT font, const std::wstring& text, UINT format, SIZE room, bool mono)
{
    return FontKey(font) + std::to_wstring(format) + L" " + std::to_wstring(room.cx) + L" " +
           std::to_wstring(room.cy) + (mono ? L" m " : L" c ") + text;
}

}  // namespace

std::string Describe(const RECT& r)
{
    std::ostringstream out;
    out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return out.str();
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

bool IsGroupBox(HWND control)
{
    return IsClass(control, L"Button") && (::GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

RECT BoxInParent(HWND control)
{
    RECT r{};
    ::GetWindowRect(control, &r);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<HWND> ChildWindows(HWND window)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::string ControlName(const std::string& where, HWND control)
{
    return where + ": control " + std::to_string(::GetDlgCtrlID(control));
}

int Distance(DWORD a, DWORD b)
{
    auto channel = [](DWORD p, int shift) { return static_cast<int>((p >> shift) & 0xFF); };
    return std::abs(channel(a, 16) - channel(b, 16)) + std::abs(channel(a, 8) - channel(b, 8)) +
           std::abs(channel(a, 0) - channel(b, 0));
}

Canvas::Canvas(int width, int height, bool mono) : m_width(width), m_height(height), m_mono(mono)
{
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } info{};
    info.header = {sizeof(BITMAPINFOHEADER), width, -height, 1, static_cast<WORD>(mono ? 1 : 32), BI_RGB, 0, 0, 0, 0, 0};
    info.colours[1] = {255, 255, 255, 0};
    m_dc = ::CreateCompatibleDC(nullptr);
    m_bitmap = ::CreateDIBSection(m_dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                  reinterpret_cast<void**>(&m_bits), nullptr, 0);
    m_old = ::SelectObject(m_dc, m_bitmap);
    RECT all{0, 0, width, height};
    ::FillRect(m_dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
}

Canvas::~Canvas()
{
    ::SelectObject(m_dc, m_old);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

DWORD Canvas::At(int x, int y) const
{
    if (m_mono) {
        const int stride = ((m_width + 31) / 32) * 4;
        return (m_bits[y * stride + x / 8] & (0x80 >> (x % 8))) ? 0xFFFFFF : 0;
    }
    return reinterpret_cast<const DWORD*>(m_bits)[static_cast<size_t>(y) * m_width + x] & 0xFFFFFF;
}

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

int InkPixelCount(HFONT font, const std::wstring& text, UINT format, SIZE room)
{
    static std::unordered_map<std::wstring, int> measured;
    return Remembered(measured, MeasureKey(font, text, format, room, false), [&] {
        const auto canvas = DrawnText(font, text, format, room, false);
        int count = 0;
        for (int y = 0; y < canvas->height(); ++y)
            for (int x = 0; x < canvas->width(); ++x)
                count += Distance(canvas->At(x, y), 0xFFFFFF) > 765 * INK_COVERAGE;
        return count;
    });
}

RECT InkOf(HFONT font, const std::wstring& text, UINT format, SIZE room, bool mono)
{
    static std::unordered_map<std::wstring, RECT> measured;
    return Remembered(measured, MeasureKey(font, text, format, room, mono), [&] {
        const auto canvas = DrawnText(font, text, format, room, mono);
        const RECT all{0, 0, canvas->width(), canvas->height()};
        const RECT ink = InkBox([&](int x, int y) { return canvas->At(x, y); }, all, 0xFFFFFF, 765);
        return Empty(ink) ? ink : Offset(ink, -INK_MARGIN, -INK_MARGIN);
    });
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

int TextWidth(HFONT font, const std::wstring& text)
{
    static std::unordered_map<std::wstring, int> measured;
    return Remembered(measured, FontKey(font) + text, [&] {
        HDC dc = ::GetDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, font ? font : ::GetStockObject(SYSTEM_FONT));
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        ::SelectObject(dc, old);
        ::ReleaseDC(nullptr, dc);
        return static_cast<int>(size.cx);
    });
}

TEXTMETRICW TextMetricsOf(HFONT font)
{
    static std::unordered_map<std::wstring, TEXTMETRICW> measured;
    return Remembered(measured, FontKey(font), [&] {
        HDC dc = ::GetDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, font ? font : ::GetStockObject(SYSTEM_FONT));
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(dc, &metrics);
        ::SelectObject(dc, old);
        ::ReleaseDC(nullptr, dc);
        return metrics;
    });
}

Screen::Screen(HWND window, bool frame)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    RECT r{};
    if (frame) {
        ::GetWindowRect(window, &r);
        ::OffsetRect(&r, -r.left, -r.top);
    } else {
        ::GetClientRect(window, &r);
    }
    m_width = r.right;
    m_height = r.bottom;
    m_controls = ChildWindows(window);
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

Screen Screen::ClientArea(HWND window) const
{
    RECT frame{}, client{};
    ::GetWindowRect(window, &frame);
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    const RECT area = Clip({origin.x - frame.left, origin.y - frame.top, origin.x - frame.left + client.right,
                            origin.y - frame.top + client.bottom});
    Screen part;
    part.m_controls = m_controls;
    part.m_width = area.right - area.left;
    part.m_height = area.bottom - area.top;
    for (int y = area.top; y < area.bottom; ++y)
        part.m_pixels.insert(part.m_pixels.end(), m_pixels.begin() + static_cast<size_t>(y) * m_width + area.left,
                             m_pixels.begin() + static_cast<size_t>(y) * m_width + area.right);
    return part;
}

RECT Screen::Clip(const RECT& r) const
{
    RECT all{0, 0, m_width, m_height}, out{};
    ::IntersectRect(&out, &r, &all);
    return out;
}

DWORD Screen::Background(const RECT& area) const
{
    // Mostly the area is its background: a colour held by more than half of its pixels (the one a
    // majority vote leaves) is found without counting every colour.
    DWORD candidate = 0;
    long long votes = 0, pixels = 0, held = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x, ++pixels) {
            if (votes == 0)
                candidate = At(x, y);
            votes += At(x, y) == candidate ? 1 : -1;
        }
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            held += At(x, y) == candidate;
    if (held * 2 > pixels)
        return candidate;
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

int Screen::InkPixels(const RECT& area, int contrast) const
{
    const DWORD background = Background(area);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += Distance(At(x, y), background) > contrast * INK_COVERAGE;
    return count;
}

}  // namespace textcheck
