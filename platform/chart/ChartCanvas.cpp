#include "platform/chart/ChartCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <mutex>

using namespace Gdiplus;

namespace {

constexpr uint32_t PALETTE_BASE = 0xFFFF0000u;
constexpr uint32_t MADE_BASE = 0xFFFE0000u;
constexpr int FIRST_DATA_COLOUR = 8;

Color FromValue(uint32_t value)
{
    const BYTE alpha = static_cast<BYTE>(255 - (value >> 24));
    return Color(alpha, static_cast<BYTE>(value >> 16), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value));
}

// Points far enough along a direction to leave any canvas.
constexpr float FAR_AWAY = 100000.0f;

}  // namespace

bool StartGdiplus()
{
    static std::once_flag once;
    static bool started = false;
    std::call_once(once, [] {
        GdiplusStartupInput input;
        ULONG_PTR token = 0;
        started = GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    });
    return started;
}

std::vector<float> DashRuns(int pattern)
{
    std::vector<float> runs;
    const uint32_t value = static_cast<uint32_t>(pattern);
    int top = 3;
    while (top >= 0 && ((value >> (8 * top)) & 0xFF) == 0)
        --top;
    for (int byte = top; byte >= 0; --byte)
        runs.push_back(static_cast<float>(std::max<uint32_t>((value >> (8 * byte)) & 0xFF, 1)));
    if (runs.size() % 2 == 1)
        runs.push_back(runs.back());
    return runs;
}

Canvas::Canvas(const ChartData& chart, int width, int height)
    : m_chart(chart), m_width(std::clamp(width, 1, 16000)), m_height(std::clamp(height, 1, 16000))
{
    if (!StartGdiplus())
        return;
    m_bitmap = std::make_unique<Bitmap>(m_width, m_height, PixelFormat24bppRGB);
    if (m_bitmap->GetLastStatus() != Gdiplus::Ok)
        return;
    m_graphics.reset(Graphics::FromImage(m_bitmap.get()));
    if (!m_graphics || m_graphics->GetLastStatus() != Gdiplus::Ok) {
        m_graphics.reset();
        return;
    }
    m_graphics->SetSmoothingMode(SmoothingModeAntiAlias);
    m_graphics->SetTextRenderingHint(TextRenderingHintAntiAliasGridFit);
    m_graphics->SetPixelOffsetMode(PixelOffsetModeHalf);
    m_graphics->Clear(Color(255, 255, 255, 255));
}

Canvas::~Canvas()
{
    m_graphics.reset();
    m_bitmap.reset();
}

Color Canvas::Plain(int colour) const
{
    uint32_t value = static_cast<uint32_t>(colour);
    if (colour == -1)
        value = PALETTE_BASE + 1;
    if ((value & 0xFFFF0000u) == MADE_BASE) {
        const MadeColour* made = m_chart.Made(colour);
        if (!made)
            return Color(0, 0, 0, 0);
        value = static_cast<uint32_t>(made->gradient ? made->c1 : made->colour);
        if (value == 0xFFFFFFFFu || (value & 0xFFFF0000u) == MADE_BASE)
            value = PALETTE_BASE + 1;
    }
    if ((value & 0xFFFF0000u) == PALETTE_BASE) {
        size_t index = value & 0xFFFF;
        const size_t size = m_chart.palette.size();
        if (index >= size && size > FIRST_DATA_COLOUR)
            index = FIRST_DATA_COLOUR + (index - FIRST_DATA_COLOUR) % (size - FIRST_DATA_COLOUR);
        if (index >= size)
            return Color(0, 0, 0, 0);
        value = m_chart.palette[index];
        if ((value & 0xFFFF0000u) == PALETTE_BASE || (value & 0xFFFF0000u) == MADE_BASE)
            value = 0x000000;
    }
    return FromValue(value);
}

Color Canvas::Resolve(int colour) const { return Plain(colour); }

bool Canvas::Visible(int colour) const
{
    const MadeColour* made = m_chart.Made(colour);
    if (made && made->gradient)
        return Plain(made->c1).GetA() > 0 || Plain(made->c2).GetA() > 0;
    return Plain(colour).GetA() > 0;
}

Color Canvas::Shade(int colour, float factor) const
{
    const Color c = Plain(colour);
    auto scale = [factor](BYTE v) {
        const float out = factor >= 1 ? v + (255 - v) * (factor - 1) : v * factor;
        return static_cast<BYTE>(std::clamp(out, 0.0f, 255.0f));
    };
    return Color(c.GetA(), scale(c.GetR()), scale(c.GetG()), scale(c.GetB()));
}

void Canvas::FillGradient(const GraphicsPath& path, const MadeColour& made)
{
    const Color c1 = Plain(made.c1);
    const Color c2 = Plain(made.c2);
    const float dx = static_cast<float>(made.x2 - made.x1);
    const float dy = static_cast<float>(made.y2 - made.y1);
    const float length = std::sqrt(dx * dx + dy * dy);
    if (length < 0.5f) {
        FillPath(path, c1);
        return;
    }
    const PointF p1(static_cast<float>(made.x1), static_cast<float>(made.y1));
    const PointF p2(static_cast<float>(made.x2), static_cast<float>(made.y2));
    LinearGradientBrush band(p1, p2, c1, c2);
    if (made.periodic) {
        m_graphics->FillPath(&band, &path);
        return;
    }
    // Not periodic: before p1 the first colour, after p2 the second, between them the gradient.
    const float ux = dx / length, uy = dy / length;  // along the gradient
    const float nx = -uy * FAR_AWAY, ny = ux * FAR_AWAY;  // across it, far
    auto strip = [&](PointF from, PointF to) {
        GraphicsPath region;
        const PointF corners[4] = {PointF(from.X + nx, from.Y + ny), PointF(to.X + nx, to.Y + ny),
                                   PointF(to.X - nx, to.Y - ny), PointF(from.X - nx, from.Y - ny)};
        region.AddPolygon(corners, 4);
        return Region(&region);
    };
    const GraphicsState saved = m_graphics->Save();
    Region inside(&path);
    m_graphics->SetClip(&inside, CombineModeIntersect);
    Region before = strip(PointF(p1.X - ux * FAR_AWAY, p1.Y - uy * FAR_AWAY), p1);
    Region middle = strip(p1, p2);
    Region after = strip(p2, PointF(p2.X + ux * FAR_AWAY, p2.Y + uy * FAR_AWAY));
    SolidBrush first(c1), second(c2);
    m_graphics->FillRegion(&first, &before);
    m_graphics->FillRegion(&band, &middle);
    m_graphics->FillRegion(&second, &after);
    m_graphics->Restore(saved);
}

void Canvas::FillPath(const GraphicsPath& path, const Color& colour)
{
    if (colour.GetA() == 0)
        return;
    SolidBrush brush(colour);
    m_graphics->FillPath(&brush, &path);
}

void Canvas::FillPath(const GraphicsPath& path, int colour)
{
    const MadeColour* made = m_chart.Made(colour);
    if (made && made->gradient)
        FillGradient(path, *made);
    else
        FillPath(path, Plain(colour));
}

void Canvas::FillRect(float x, float y, float w, float h, int colour)
{
    if (w <= 0 || h <= 0)
        return;
    GraphicsPath path;
    path.AddRectangle(RectF(x, y, w, h));
    FillPath(path, colour);
}

namespace {

void ApplyDash(Pen& pen, const std::vector<float>& runs, float width)
{
    if (runs.empty())
        return;
    std::vector<float> scaled;
    for (float run : runs)
        scaled.push_back(run / std::max(width, 1.0f));
    pen.SetDashPattern(scaled.data(), static_cast<int>(scaled.size()));
}

}  // namespace

void Canvas::DrawPath(const GraphicsPath& path, int colour, float width)
{
    const Color c = Plain(colour);
    if (c.GetA() == 0 || width <= 0)
        return;
    Pen pen(c, width);
    if (const MadeColour* made = m_chart.Made(colour))
        if (!made->gradient)
            ApplyDash(pen, DashRuns(made->pattern), width);
    m_graphics->DrawPath(&pen, &path);
}

void Canvas::DrawLines(const std::vector<PointF>& points, int colour, float width)
{
    if (points.size() < 2)
        return;
    GraphicsPath path;
    path.AddLines(points.data(), static_cast<int>(points.size()));
    DrawPath(path, colour, width);
}

namespace {

// Pixels of a locked 24-bit bitmap, written with a square pen, clipped to a rectangle.
struct PixelPen {
    unsigned char* bits;
    int stride;
    int left, top, right, bottom;  // clip, right and bottom exclusive
    int width;
    BYTE r, g, b, alpha;

    void Stamp(int cx, int cy) const
    {
        const int x0 = std::max(cx - (width - 1) / 2, left), x1 = std::min(cx + width / 2 + 1, right);
        const int y0 = std::max(cy - (width - 1) / 2, top), y1 = std::min(cy + width / 2 + 1, bottom);
        for (int y = y0; y < y1; ++y) {
            unsigned char* p = bits + static_cast<ptrdiff_t>(y) * stride + x0 * 3;
            for (int x = x0; x < x1; ++x, p += 3) {
                if (alpha == 255) {
                    p[0] = b;
                    p[1] = g;
                    p[2] = r;
                } else {
                    p[0] = static_cast<unsigned char>((p[0] * (255 - alpha) + b * alpha) / 255);
                    p[1] = static_cast<unsigned char>((p[1] * (255 - alpha) + g * alpha) / 255);
                    p[2] = static_cast<unsigned char>((p[2] * (255 - alpha) + r * alpha) / 255);
                }
            }
        }
    }
};

}  // namespace

void Canvas::DrawDenseLines(const std::vector<PointF>& points, int colour, int width, float clipX, float clipY,
                            float clipW, float clipH)
{
    const Color c = Plain(colour);
    if (c.GetA() == 0 || width <= 0 || points.size() < 2)
        return;
    std::vector<float> dashes;
    if (const MadeColour* made = m_chart.Made(colour))
        if (!made->gradient)
            dashes = DashRuns(made->pattern);
    m_graphics->Flush(FlushIntentionSync);
    Rect all(0, 0, m_width, m_height);
    BitmapData data;
    if (m_bitmap->LockBits(&all, ImageLockModeRead | ImageLockModeWrite, PixelFormat24bppRGB, &data) != Gdiplus::Ok)
        return;
    PixelPen pen{static_cast<unsigned char*>(data.Scan0), data.Stride,
                 std::max(0, static_cast<int>(clipX)), std::max(0, static_cast<int>(clipY)),
                 std::min(m_width, static_cast<int>(clipX + clipW) + 1), std::min(m_height, static_cast<int>(clipY + clipH) + 1),
                 std::min(width, 50), c.GetR(), c.GetG(), c.GetB(), c.GetA()};
    // Walks every segment pixel by pixel; a dash pattern counts the pixels along the line.
    size_t dash = 0;
    float left = dashes.empty() ? 0 : dashes[0];
    auto on = [&]() {
        if (dashes.empty())
            return true;
        const bool drawn = dash % 2 == 0;
        if (--left <= 0) {
            dash = (dash + 1) % dashes.size();
            left = dashes[dash];
        }
        return drawn;
    };
    constexpr long LIMIT = 1000000;  // points far outside the picture are cut to this reach
    for (size_t i = 1; i < points.size(); ++i) {
        long x = std::clamp(std::lround(points[i - 1].X), -LIMIT, LIMIT), y = std::clamp(std::lround(points[i - 1].Y), -LIMIT, LIMIT);
        const long x1 = std::clamp(std::lround(points[i].X), -LIMIT, LIMIT), y1 = std::clamp(std::lround(points[i].Y), -LIMIT, LIMIT);
        const long dx = std::labs(x1 - x), dy = -std::labs(y1 - y);
        const long sx = x < x1 ? 1 : -1, sy = y < y1 ? 1 : -1;
        long error = dx + dy;
        while (true) {
            if (on())
                pen.Stamp(static_cast<int>(x), static_cast<int>(y));
            if (x == x1 && y == y1)
                break;
            const long twice = 2 * error;
            if (twice >= dy) {
                error += dy;
                x += sx;
            }
            if (twice <= dx) {
                error += dx;
                y += sy;
            }
        }
    }
    m_bitmap->UnlockBits(&data);
}

void Canvas::DrawLine(float x1, float y1, float x2, float y2, int colour, float width)
{
    DrawLines({PointF(x1, y1), PointF(x2, y2)}, colour, width);
}

void Canvas::DrawRect(float x, float y, float w, float h, int colour, float width)
{
    if (w <= 0 || h <= 0)
        return;
    GraphicsPath path;
    path.AddRectangle(RectF(x, y, w, h));
    DrawPath(path, colour, width);
}

void Canvas::DrawRaised(float x, float y, float w, float h, int depth)
{
    const SmoothingMode mode = m_graphics->GetSmoothingMode();
    m_graphics->SetSmoothingMode(SmoothingModeNone);
    const int rings = std::min(std::abs(depth), 20);
    for (int k = 0; k < rings; ++k) {
        const Color light(255, 255, 255, 255), dark(255, 128, 128, 128);
        Pen topLeft(depth > 0 ? light : dark), bottomRight(depth > 0 ? dark : light);
        const float l = x + k, t = y + k, r = x + w - 1 - k, b = y + h - 1 - k;
        m_graphics->DrawLine(&topLeft, l, t, r, t);
        m_graphics->DrawLine(&topLeft, l, t, l, b);
        m_graphics->DrawLine(&bottomRight, l, b, r, b);
        m_graphics->DrawLine(&bottomRight, r, t, r, b);
    }
    m_graphics->SetSmoothingMode(mode);
}

bool Canvas::SaveBmp(const char* path)
{
    if (!m_bitmap)
        return false;
    m_graphics->Flush(FlushIntentionSync);
    Rect all(0, 0, m_width, m_height);
    BitmapData data;
    if (m_bitmap->LockBits(&all, ImageLockModeRead, PixelFormat24bppRGB, &data) != Gdiplus::Ok)
        return false;
    const int stride = (m_width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = m_width;
    info.biHeight = m_height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(stride * m_height);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;

    bool ok = false;
    // The path is UTF-8 (any folder name works) or, when it is not valid UTF-8, in the code page.
    if (FILE* out = ::_wfopen(WideText(path).c_str(), L"wb")) {
        ok = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&info, sizeof info, 1, out) == 1;
        std::vector<unsigned char> row(static_cast<size_t>(stride), 0);
        for (int y = m_height - 1; ok && y >= 0; --y) {
            const auto* source = static_cast<const unsigned char*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride;
            std::copy(source, source + m_width * 3, row.begin());
            ok = std::fwrite(row.data(), 1, row.size(), out) == row.size();
        }
        ok = std::fclose(out) == 0 && ok;
    }
    m_bitmap->UnlockBits(&data);
    return ok;
}
