// Texts a window paints itself, not controls: each inside the window, shown on the screen, and its
// pixels a pixel clear of every other painted text's and of every control but the group boxes
// (whose frame lines the frame check looks after).
#include "tests/support/WindowTextCheck.h"

#include "tests/support/WindowTextMeasure.h"
#include "texts/TextEncoding.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace textcheck {

namespace {

// The pixels a text drawn with TextOut at its place (turned by its font's escapement) inks, in the
// window's client area: their bounding box and, row by row over it, whether each pixel is ink.
struct PaintedInk {
    RECT box{};
    std::vector<bool> pixels;

    bool At(int x, int y) const
    {
        return x >= box.left && x < box.right && y >= box.top && y < box.bottom &&
               pixels[static_cast<size_t>(y - box.top) * (box.right - box.left) + (x - box.left)];
    }
    // Whether a pixel of the ink lies in the rectangle.
    template <class Test>
    bool Any(const RECT& area, Test test) const
    {
        RECT part{};
        if (!::IntersectRect(&part, &box, &area))
            return false;
        for (int y = part.top; y < part.bottom; ++y)
            for (int x = part.left; x < part.right; ++x)
                if (At(x, y) && test(x, y))
                    return true;
        return false;
    }
};

// The ink of the text drawn at the origin.
PaintedInk InkAtTheOrigin(const PaintedText& painted)
{
    const int reach = TextWidth(painted.font, painted.text) + 2 * INK_MARGIN;
    Canvas canvas(2 * reach, 2 * reach, false);
    HGDIOBJ old = ::SelectObject(canvas.dc(), painted.font);
    ::SetBkMode(canvas.dc(), TRANSPARENT);
    ::SetTextColor(canvas.dc(), RGB(0, 0, 0));
    ::SetTextAlign(canvas.dc(), TA_LEFT | TA_TOP);
    ::TextOutW(canvas.dc(), reach, reach, painted.text.c_str(), static_cast<int>(painted.text.size()));
    ::SelectObject(canvas.dc(), old);
    ::GdiFlush();
    PaintedInk ink;
    const RECT all{0, 0, canvas.width(), canvas.height()};
    const RECT drawn = InkBox([&](int x, int y) { return canvas.At(x, y); }, all, 0xFFFFFF, 765);
    for (int y = drawn.top; y < drawn.bottom; ++y)
        for (int x = drawn.left; x < drawn.right; ++x)
            ink.pixels.push_back(Distance(canvas.At(x, y), 0xFFFFFF) > 765 * INK_COVERAGE);
    if (!Empty(drawn))
        ink.box = Offset(drawn, -reach, -reach);
    return ink;
}

// The ink at the text's place; a text in a font drawn before is not drawn again.
PaintedInk PaintedInkOf(const PaintedText& painted)
{
    static std::unordered_map<std::wstring, PaintedInk> drawn;
    PaintedInk ink = Remembered(drawn, FontKey(painted.font) + painted.text, [&] { return InkAtTheOrigin(painted); });
    if (!Empty(ink.box))
        ink.box = Offset(ink.box, painted.x, painted.y);
    return ink;
}

// Whether a pixel of the ink lies in the rectangle or next to it.
bool Touches(const PaintedInk& ink, RECT area)
{
    ::InflateRect(&area, 1, 1);
    return ink.Any(area, [](int, int) { return true; });
}

// Whether a pixel of one ink lies on or next to a pixel of the other.
bool Touches(const PaintedInk& a, const PaintedInk& b)
{
    RECT around = b.box;
    ::InflateRect(&around, 1, 1);
    return a.Any(around, [&b](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (b.At(x + dx, y + dy))
                    return true;
        return false;
    });
}

}  // namespace

Faults PaintedTextFaults(HWND window, const std::vector<PaintedText>& texts, const std::string& where)
{
    return PaintedTextFaults(window, texts, Screen(window, false), where);
}

Faults PaintedTextFaults(HWND window, const std::vector<PaintedText>& texts, const Screen& screen,
                         const std::string& where)
{
    Faults faults;
    RECT client{};
    ::GetClientRect(window, &client);
    std::vector<PaintedInk> inks;
    for (const PaintedText& painted : texts)
        inks.push_back(PaintedInkOf(painted));
    std::vector<std::pair<int, RECT>> controls;  // the shown controls but the group boxes
    if (!texts.empty())
        for (HWND child : screen.Controls())
            if (::IsWindowVisible(child) && !IsGroupBox(child))
                controls.push_back({::GetDlgCtrlID(child), BoxInParent(child)});
    for (size_t i = 0; i < texts.size(); ++i) {
        const RECT& box = inks[i].box;
        const std::string name = where + ": painted text \"" + Utf8(texts[i].text) + "\" " + Describe(box);
        if (Empty(box))
            continue;
        if (!Inside(box, client)) {
            faults.push_back(name + " reaches beyond the window's client area " + Describe(client));
            continue;
        }
        const DWORD background = screen.Background(screen.Clip(box));
        if (screen.InkPixels(box, std::max(Distance(background, 0), 1)) == 0)
            faults.push_back(name + " is not seen on the screen");
        for (size_t j = i + 1; j < texts.size(); ++j)
            if (Touches(inks[i], inks[j]))
                faults.push_back(name + " touches painted text \"" + Utf8(texts[j].text) + "\" " +
                                 Describe(inks[j].box));
        for (const auto& [id, control] : controls)
            if (Touches(inks[i], control))
                faults.push_back(name + " touches control " + std::to_string(id) + " " + Describe(control));
    }
    return faults;
}

}  // namespace textcheck
