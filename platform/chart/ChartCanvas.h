// The drawing surface of one rendering: a 24-bit GDI+ bitmap with anti-aliasing, the chart's
// colours resolved (palette references, gradients, dashed lines, transparency) and its fonts
// mapped to installed faces. Internal to the library.
#pragma once
#include "platform/chart/ChartModel.h"

#include <windows.h>
#include <gdiplus.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

// An installed face for a font named by file or face ("arial.ttf", "timesbi.ttf", "bold",
// "mingliu.ttc", "Tahoma", ""), and the style the name asks for. Never null while GDI+ has at
// least one installed face; null only on a machine without any.
struct ResolvedFont {
    const Gdiplus::FontFamily* family = nullptr;
    int style = Gdiplus::FontStyleRegular;
    std::wstring face;  // the face actually used
};
ResolvedFont ResolveFont(const std::string& name);

// UTF-8 to UTF-16 (the system code page when the text is not valid UTF-8).
std::wstring WideText(const std::string& text);

// Lengths of the drawn and skipped runs of a dash pattern, from its highest non-zero byte down.
std::vector<float> DashRuns(int pattern);

class Canvas {
public:
    Canvas(const ChartData& chart, int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool IsReady() const { return m_graphics != nullptr; }
    Gdiplus::Graphics& G() { return *m_graphics; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // A colour reference as a plain colour (a gradient gives its first colour, a dashed line its
    // colour); alpha from the top byte.
    Gdiplus::Color Resolve(int colour) const;
    // False for transparent colours (nothing to draw).
    bool Visible(int colour) const;
    // The opaque value 0xRRGGBB that a reference ends up as (for lighter and darker shades).
    Gdiplus::Color Shade(int colour, float factor) const;

    void FillRect(float x, float y, float w, float h, int colour);
    void FillPath(const Gdiplus::GraphicsPath& path, int colour);
    void FillPath(const Gdiplus::GraphicsPath& path, const Gdiplus::Color& colour);
    void DrawPath(const Gdiplus::GraphicsPath& path, int colour, float width);
    void DrawLine(float x1, float y1, float x2, float y2, int colour, float width);
    void DrawLines(const std::vector<Gdiplus::PointF>& points, int colour, float width);
    // A line of many points, without smoothing, clipped to a rectangle.
    void DrawDenseLines(const std::vector<Gdiplus::PointF>& points, int colour, int width, float clipX, float clipY,
                        float clipW, float clipH);
    void DrawRect(float x, float y, float w, float h, int colour, float width);
    // A 3-D edge of the given depth (raised when positive).
    void DrawRaised(float x, float y, float w, float h, int depth);

    // Size of a text in a style (rotation included).
    Gdiplus::SizeF Measure(const std::string& text, const TextStyle& style);
    // The box the text's glyphs cover when DrawText puts it at (0, 0); empty for a text without ink.
    // Measured once for all renderings of the process.
    Gdiplus::RectF Ink(const std::string& text, const TextStyle& style);
    // Draws a text with its box's top-left at (x, y) rounded to whole pixels (the rotated text's
    // bounding box). Its ink box is kept among the taken boxes, and logged as
    // "drawText(text,left,top,right,bottom)" when recording.
    void DrawText(const std::string& text, const TextStyle& style, float x, float y);
    float LineHeight(const TextStyle& style);

    // Ink boxes of the texts drawn so far, and of texts still to come that were reserved.
    const std::vector<Gdiplus::RectF>& Taken() const { return m_taken; }
    void Reserve(const Gdiplus::RectF& box) { m_taken.push_back(box); }

    bool SaveBmp(const char* path);

private:
    struct TextLayout;
    bool Lay(const std::string& text, const TextStyle& style, TextLayout& layout);
    Gdiplus::RectF DrawnInk(const std::string& text, const TextStyle& style);
    // The font of a style, made once per rendering; null when no face is installed.
    Gdiplus::Font* FontOf(const TextStyle& style);
    void FillGradient(const Gdiplus::GraphicsPath& path, const MadeColour& made);
    Gdiplus::Color Plain(int colour) const;

    const ChartData& m_chart;
    int m_width;
    int m_height;
    std::unique_ptr<Gdiplus::Bitmap> m_bitmap;
    std::unique_ptr<Gdiplus::Graphics> m_graphics;
    std::vector<Gdiplus::RectF> m_taken;
    std::map<std::string, std::unique_ptr<Gdiplus::Font>> m_fonts;  // by font name and size
};

// GDI+ started once for the process; false when it cannot start.
bool StartGdiplus();
