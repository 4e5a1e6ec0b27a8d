// Texts a window paints itself, not controls: each inside the window, shown on the screen, and its
// pixels a pixel clear of every other painted text's and of every control but the group boxes
// (whose frame lines the frame check looks after).
#include "tests/support/WindowTextCheck.h"

#include "tests/support/WindowTextMeasure.h"
#include "texts/TextEncoding.h"

#include <algorithm>
#include <set>
#include <utility>

namespace textcheck {

namespace {

// The pixels a text drawn with TextOut at its place (turned by its font's escapement) inks, in the
// window's client area, and their bounding box.
struct PaintedInk {
    RECT box{};
    std::set<std::pair<int, int>> pixels;  // (x, y)
};

PaintedInk PaintedInkOf(const PaintedText& painted)
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
    ink.box = InkBox([&](int x, int y) { return canvas.At(x, y); }, all, 0xFFFFFF, 765);
    for (int y = ink.box.top; y < ink.box.bottom; ++y)
        for (int x = ink.box.left; x < ink.box.right; ++x)
            if (Distance(canvas.At(x, y), 0xFFFFFF) > 765 * INK_COVERAGE)
                ink.pixels.insert({x - reach + painted.x, y - reach + painted.y});
    if (!Empty(ink.box))
        ink.box = Offset(ink.box, painted.x - reach, painted.y - reach);
    return ink;
}

// Whether a pixel of the ink lies in the rectangle or next to it.
bool Touches(const PaintedInk& ink, RECT area)
{
    ::InflateRect(&area, 1, 1);
    return Overlap(ink.box, area) && std::any_of(ink.pixels.begin(), ink.pixels.end(), [&area](const auto& p) {
               return p.first >= area.left && p.first < area.right && p.second >= area.top && p.second < area.bottom;
           });
}

// Whether a pixel of one ink lies on or next to a pixel of the other.
bool Touches(const PaintedInk& a, const PaintedInk& b)
{
    RECT around = a.box;
    ::InflateRect(&around, 1, 1);
    if (!Overlap(around, b.box))
        return false;
    return std::any_of(a.pixels.begin(), a.pixels.end(), [&b](const auto& p) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (b.pixels.count({p.first + dx, p.second + dy}))
                    return true;
        return false;
    });
}

}  // namespace

Faults PaintedTextFaults(HWND window, const std::vector<PaintedText>& texts, const std::string& where)
{
    Faults faults;
    RECT client{};
    ::GetClientRect(window, &client);
    std::vector<PaintedInk> inks;
    for (const PaintedText& painted : texts)
        inks.push_back(PaintedInkOf(painted));
    const Screen screen(window, false);
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
        for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            const RECT control = BoxInParent(child);
            if (::IsWindowVisible(child) && !IsGroupBox(child) && Touches(inks[i], control))
                faults.push_back(name + " touches control " + std::to_string(::GetDlgCtrlID(child)) + " " +
                                 Describe(control));
        }
    }
    return faults;
}

}  // namespace textcheck
