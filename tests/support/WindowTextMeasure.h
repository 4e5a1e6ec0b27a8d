// What the window text checks share: rectangles, the controls' classes, fonts and texts, a text
// drawn the way a control draws it and the box of its ink, and a window's pixels as the screen
// shows them. Only the checks use it.
#pragma once
#include "tests/support/WindowTextCheck.h"

#include <windows.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace textcheck {

// Room around a measured text for ink that runs past its place.
constexpr int INK_MARGIN = 24;
// A pixel counts as ink when it carries at least this share of the text colour.
constexpr double INK_COVERAGE = 0.3;

std::string Describe(const RECT& r);
inline bool Overlap(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
inline bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}
inline bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }
inline RECT Offset(RECT r, int dx, int dy)
{
    ::OffsetRect(&r, dx, dy);
    return r;
}

std::wstring WindowText(HWND window);
bool IsClass(HWND window, const wchar_t* name);
bool IsGroupBox(HWND control);
// The control's rectangle in its parent's client area.
RECT BoxInParent(HWND control);
// The window's own child windows, top first (each step of the walk asks the Wine server: a walk
// is taken once for all the checks of one look at the window).
std::vector<HWND> ChildWindows(HWND window);
inline HFONT FontOf(HWND control) { return reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)); }
// "window: control 1234" for a fault's line.
std::string ControlName(const std::string& where, HWND control);

// What tells a font's look: its LOGFONT, as a key of measures kept for it (fonts made alike are one).
std::wstring FontKey(HFONT font);
// The value kept under the key, measured by `measure` the first time it is asked for.
template <class Value, class Measure>
Value Remembered(std::unordered_map<std::wstring, Value>& kept, const std::wstring& key, Measure measure)
{
    auto known = kept.find(key);
    if (known == kept.end())
        known = kept.emplace(key, measure()).first;
    return known->second;
}

// Sum of the channel differences of two 0x00RRGGBB colours (0 .. 765).
int Distance(DWORD a, DWORD b);

// A top-down DIB of 32 or 1 bits per pixel with a DC, white at start; pixels as 0x00RRGGBB.
class Canvas {
public:
    Canvas(int width, int height, bool mono);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    DWORD At(int x, int y) const;

private:
    int m_width, m_height;
    bool m_mono;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    unsigned char* m_bits = nullptr;
};

// The text drawn black on white with DrawText in the font, with INK_MARGIN around the room for ink
// past it.
std::unique_ptr<Canvas> DrawnText(HFONT font, const std::wstring& text, UINT format, SIZE room, bool mono);
// Pixels of the text's ink, as many as a screen shows of it.
int InkPixelCount(HFONT font, const std::wstring& text, UINT format, SIZE room);
// Ink of a text drawn with DrawText in `font` and `format` into a `room`-sized rectangle at the
// origin, anti-aliased or, for `mono`, into a one-bit bitmap (how the system draws a disabled
// caption). An empty rectangle when nothing is drawn.
RECT InkOf(HFONT font, const std::wstring& text, UINT format, SIZE room, bool mono);
// The size DrawText gives the text in the font and format, broken at `width` when it breaks lines.
SIZE TextSize(HDC dc, HFONT font, const std::wstring& text, UINT format, int width);
// The advance width of a one-line text in the font.
int TextWidth(HFONT font, const std::wstring& text);
// The font's metrics (the system font's for none).
TEXTMETRICW TextMetricsOf(HFONT font);

// The window's client area as it is on the screen (or, with `frame`, the whole window), painted
// afresh before it is read.
class Screen {
public:
    Screen(HWND window, bool frame);
    // The client area of the window out of a capture of the whole window, not painted again.
    Screen ClientArea(HWND window) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    DWORD At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x] & 0xFFFFFF; }
    RECT Clip(const RECT& r) const;
    // The most common colour of the rectangle.
    DWORD Background(const RECT& area) const;
    // Pixels of the rectangle that stand out from its background by the ink share of `contrast`.
    int InkPixels(const RECT& area, int contrast) const;
    // The window's child windows as they were when it was captured.
    const std::vector<HWND>& Controls() const { return m_controls; }

private:
    Screen() = default;
    int m_width = 0, m_height = 0;
    std::vector<DWORD> m_pixels;
    std::vector<HWND> m_controls;
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
                ink.left = ink.left < x ? ink.left : x;
                ink.right = ink.right > x + 1 ? ink.right : x + 1;
                ink.top = ink.top < y ? ink.top : y;
                ink.bottom = ink.bottom > y + 1 ? ink.bottom : y + 1;
            }
    return Empty(ink) ? RECT{0, 0, 0, 0} : ink;
}

// The checks that look at the screen, on a capture taken once: `client` the window's client area,
// `whole` the whole window.
Faults CutComboItems(HWND window, const Screen& client, const std::string& where);
Faults CutEditTexts(const std::vector<HWND>& children, const std::string& where);
Faults TextsOnFrameLines(HWND window, const Screen& client, const std::string& where);
Faults CutMenuTitles(HWND window, const Screen& whole, const std::string& where);
Faults PaintedTextFaults(HWND window, const std::vector<PaintedText>& texts, const Screen& client,
                         const std::string& where);

}  // namespace textcheck
