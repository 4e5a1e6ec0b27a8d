// Texts on the canvas: fonts of a style, the size and the ink box of a text, drawing it.
#include "platform/chart/ChartCanvas.h"
#include "platform/chart/ChartRecord.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <unordered_map>

using namespace Gdiplus;

namespace {

constexpr float POINTS_TO_PIXELS = 96.0f / 72.0f;

const StringFormat& PlainFormat()
{
    static StringFormat* format = [] {
        auto* f = new StringFormat(StringFormat::GenericTypographic());
        f->SetFormatFlags(StringFormatFlagsNoWrap | StringFormatFlagsNoClip | StringFormatFlagsMeasureTrailingSpaces);
        return f;
    }();
    return *format;
}

SizeF Rotated(SizeF size, double angle)
{
    const double r = angle * 3.14159265358979 / 180;
    const double c = std::fabs(std::cos(r)), s = std::fabs(std::sin(r));
    return SizeF(static_cast<float>(size.Width * c + size.Height * s),
                 static_cast<float>(size.Width * s + size.Height * c));
}

float EmPixels(const TextStyle& style) { return static_cast<float>(std::clamp(style.size, 1.0, 400.0)) * POINTS_TO_PIXELS; }

std::string InkKey(const std::string& text, const TextStyle& style)
{
    char numbers[48];
    std::snprintf(numbers, sizeof numbers, "|%g|%g|", style.size, style.angle);
    return style.font + numbers + text;
}

// Inks measured by any rendering of the process, by InkKey: every canvas draws its texts with the
// same settings, so a text's ink in a style is the same in each. Emptied when it holds KEPT_INKS.
constexpr size_t KEPT_INKS = 4096;
std::mutex g_inkLock;
std::unordered_map<std::string, RectF> g_inks;

}  // namespace

// A text in a style: its font, its wide form, its box unturned and turned.
struct Canvas::TextLayout {
    Font* font = nullptr;
    std::wstring wide;
    SizeF plain;
    SizeF turned;
};

Font* Canvas::FontOf(const TextStyle& style)
{
    char size[24];
    std::snprintf(size, sizeof size, "|%g", style.size);
    std::unique_ptr<Font>& font = m_fonts[style.font + size];
    if (!font) {
        const ResolvedFont resolved = ResolveFont(style.font);
        if (!resolved.family)
            return nullptr;
        font = std::make_unique<Font>(resolved.family, EmPixels(style), resolved.style, UnitPixel);
    }
    return font->GetLastStatus() == Gdiplus::Ok ? font.get() : nullptr;
}

float Canvas::LineHeight(const TextStyle& style)
{
    Font* font = FontOf(style);
    return font ? font->GetHeight(m_graphics.get()) : 0;
}

bool Canvas::Lay(const std::string& text, const TextStyle& style, TextLayout& layout)
{
    layout.font = FontOf(style);
    if (!layout.font || text.empty())
        return false;
    layout.wide = WideText(text);
    RectF box;
    m_graphics->MeasureString(layout.wide.c_str(), static_cast<int>(layout.wide.size()), layout.font,
                              PointF(0, 0), &PlainFormat(), &box);
    layout.plain = SizeF(box.Width, std::max(box.Height, layout.font->GetHeight(m_graphics.get())));
    layout.turned = Rotated(layout.plain, style.angle);
    return true;
}

SizeF Canvas::Measure(const std::string& text, const TextStyle& style)
{
    TextLayout layout;
    return Lay(text, style, layout) ? layout.turned : SizeF(0, 0);
}

RectF Canvas::Ink(const std::string& text, const TextStyle& style)
{
    const std::string key = InkKey(text, style);
    std::lock_guard<std::mutex> lock(g_inkLock);
    const auto known = g_inks.find(key);
    if (known != g_inks.end())
        return known->second;
    const RectF ink = DrawnInk(text, style);
    if (g_inks.size() >= KEPT_INKS)
        g_inks.clear();
    g_inks.emplace(key, ink);
    return ink;
}

// The pixels DrawText covers, found by drawing the text as DrawText does, at a whole pixel, into a
// scratch image of the same settings: hinting widens glyphs and their advances past the outlines
// (a label measured by its outlines at the image's edge loses the end of its last glyph).
RectF Canvas::DrawnInk(const std::string& text, const TextStyle& style)
{
    RectF ink;
    TextLayout layout;
    if (Lay(text, style, layout)) {
        const int margin = static_cast<int>(EmPixels(style)) + 4;
        const int width = static_cast<int>(std::ceil(layout.turned.Width)) + 2 * margin;
        const int height = static_cast<int>(std::ceil(layout.turned.Height)) + 2 * margin;
        Bitmap scratch(width, height, PixelFormat32bppARGB);
        Graphics g(&scratch);
        g.SetSmoothingMode(m_graphics->GetSmoothingMode());
        g.SetTextRenderingHint(m_graphics->GetTextRenderingHint());
        g.SetPixelOffsetMode(m_graphics->GetPixelOffsetMode());
        g.Clear(Color(0, 0, 0, 0));
        SolidBrush brush(Color(255, 0, 0, 0));
        g.TranslateTransform(margin + layout.turned.Width / 2, margin + layout.turned.Height / 2);
        g.RotateTransform(static_cast<float>(-style.angle));
        g.DrawString(layout.wide.c_str(), static_cast<int>(layout.wide.size()), layout.font,
                     PointF(-layout.plain.Width / 2, -layout.plain.Height / 2), &PlainFormat(), &brush);
        g.Flush(FlushIntentionSync);
        int left = width, top = height, right = -1, bottom = -1;
        BitmapData bits;
        Gdiplus::Rect all(0, 0, width, height);
        if (scratch.LockBits(&all, ImageLockModeRead, PixelFormat32bppARGB, &bits) == Gdiplus::Ok) {
            for (int y = 0; y < height; ++y) {
                const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const char*>(bits.Scan0) + y * bits.Stride);
                for (int x = 0; x < width; ++x)
                    if (row[x] >> 24) {
                        left = std::min(left, x), right = std::max(right, x);
                        top = std::min(top, y), bottom = std::max(bottom, y);
                    }
            }
            scratch.UnlockBits(&bits);
        }
        if (right >= left)
            ink = RectF(static_cast<float>(left - margin), static_cast<float>(top - margin),
                        static_cast<float>(right - left + 1), static_cast<float>(bottom - top + 1));
    }
    return ink;
}

void Canvas::DrawText(const std::string& text, const TextStyle& style, float x, float y)
{
    // At a whole pixel the text covers exactly its ink box; a place worked out for the unrounded
    // position inside the image stays inside.
    x = std::round(x);
    y = std::round(y);
    const Color colour = Plain(style.colour);
    TextLayout layout;
    if (colour.GetA() == 0 || !Lay(text, style, layout))
        return;
    SolidBrush brush(colour);
    const GraphicsState saved = m_graphics->Save();
    m_graphics->TranslateTransform(x + layout.turned.Width / 2, y + layout.turned.Height / 2);
    m_graphics->RotateTransform(static_cast<float>(-style.angle));
    m_graphics->DrawString(layout.wide.c_str(), static_cast<int>(layout.wide.size()), layout.font,
                           PointF(-layout.plain.Width / 2, -layout.plain.Height / 2), &PlainFormat(), &brush);
    m_graphics->Restore(saved);

    RectF ink = Ink(text, style);
    if (ink.Width <= 0 || ink.Height <= 0)
        return;
    ink.Offset(x, y);
    m_taken.push_back(ink);
    Record("drawText", text.c_str(), static_cast<int>(std::floor(ink.X)), static_cast<int>(std::floor(ink.Y)),
           static_cast<int>(std::ceil(ink.GetRight())), static_cast<int>(std::ceil(ink.GetBottom())));
}
