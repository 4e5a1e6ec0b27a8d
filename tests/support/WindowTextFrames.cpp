// The frame lines of a window's group boxes as the screen shows them: a caption, value or control
// that lies on a frame line leaves its own pixels where the line should be.
#include "tests/support/WindowTextCheck.h"

#include "tests/support/WindowTextMeasure.h"
#include "texts/TextEncoding.h"

#include <algorithm>

namespace textcheck {

namespace {

// A frame line is two pixels wide (an etched edge, a dark and a light line); a pixel this far from
// both colours is not the line.
constexpr int LINE_TOLERANCE = 48;
// The caption's gap in the top line reaches this far past the caption's measured text.
constexpr int CAPTION_GAP_SLACK = 3;

// The frame as the group box draws it (half the caption's height down from its top), in the
// parent's client area, and the columns of its caption's gap in the top line.
struct Frame {
    RECT box;
    int gapLeft = 0, gapRight = 0;
};

Frame FrameOf(HWND group)
{
    Frame frame{BoxInParent(group)};
    const HFONT font = FontOf(group);
    frame.box.top += TextMetricsOf(font).tmHeight / 2 - 1;
    const std::wstring caption = WindowText(group);
    if (!caption.empty()) {
        // The caption's glyphs may reach past its advance width.
        const int width = std::max<int>(TextWidth(font, caption),
                                        InkOf(font, caption, DT_SINGLELINE, {1000, 40}, false).right);
        const int inset = 7;  // the caption starts this far in from the frame's side
        const LONG align = ::GetWindowLongW(group, GWL_STYLE) & BS_CENTER;
        const int boxWidth = frame.box.right - frame.box.left;
        const int left = align == BS_CENTER ? (boxWidth - width) / 2 : align == BS_RIGHT ? boxWidth - inset - width : inset;
        frame.gapLeft = frame.box.left + left - CAPTION_GAP_SLACK;
        frame.gapRight = frame.box.left + left + width + CAPTION_GAP_SLACK;
    }
    return frame;
}

// A straight run of frame pixels: from (x, y) `length` steps of (dx, dy), two pixels thick
// towards (nx, ny).
struct Line {
    const char* side;
    int x, y, dx, dy, length, nx, ny;
};

// Places along the line where one of its two pixels shows no frame colour, or where the pixel
// next to it inside the frame carries ink (a text that touches the line from inside).
std::vector<int> CoveredPlaces(const Screen& screen, const Line& line, const Frame& frame, bool top, DWORD inside)
{
    const DWORD colours[] = {::GetSysColor(COLOR_BTNSHADOW) & 0xFFFFFF, ::GetSysColor(COLOR_BTNHIGHLIGHT) & 0xFFFFFF};
    auto onScreen = [&](int x, int y) { return x >= 0 && y >= 0 && x < screen.Width() && y < screen.Height(); };
    auto isLine = [&](int x, int y) {
        const DWORD p = onScreen(x, y) ? screen.At(x, y) : colours[0];
        return std::any_of(std::begin(colours), std::end(colours),
                           [&](DWORD c) { return Distance(p, c) <= LINE_TOLERANCE; });
    };
    const int inkThreshold = static_cast<int>(std::max(Distance(inside, 0), 96) * INK_COVERAGE);
    auto isInk = [&](int x, int y) {
        return onScreen(x, y) && !isLine(x, y) && Distance(screen.At(x, y), inside) > inkThreshold;
    };
    std::vector<int> covered;
    for (int step = 0; step < line.length; ++step) {
        const int x = line.x + step * line.dx, y = line.y + step * line.dy;
        if (top && x >= frame.gapLeft && x < frame.gapRight)
            continue;
        if (!isLine(x, y) || !isLine(x + line.nx, y + line.ny) || isInk(x + 2 * line.nx, y + 2 * line.ny))
            covered.push_back(step);
    }
    return covered;
}

}  // namespace

Faults TextsOnFrameLines(HWND window, const std::string& where)
{
    return TextsOnFrameLines(window, Screen(window, false), where);
}

Faults TextsOnFrameLines(HWND window, const Screen& screen, const std::string& where)
{
    Faults faults;
    RECT client{};
    ::GetClientRect(window, &client);
    for (HWND child : screen.Controls()) {
        if (!::IsWindowVisible(child) || !IsGroupBox(child) || !Inside(BoxInParent(child), client))
            continue;
        const Frame frame = FrameOf(child);
        const RECT& b = frame.box;
        const DWORD inside = screen.Background(screen.Clip({b.left + 3, b.top + 3, b.right - 3, b.bottom - 3}));
        // The corners are left out: the lines of the two sides meet there.
        const int width = b.right - b.left - 4, height = b.bottom - b.top - 4;
        const Line lines[] = {
            {"top", b.left + 2, b.top, 1, 0, width, 0, 1},
            {"bottom", b.left + 2, b.bottom - 1, 1, 0, width, 0, -1},
            {"left", b.left, b.top + 2, 0, 1, height, 1, 0},
            {"right", b.right - 1, b.top + 2, 0, 1, height, -1, 0},
        };
        for (const Line& line : lines) {
            const std::vector<int> covered = CoveredPlaces(screen, line, frame, line.y == b.top && line.dx == 1, inside);
            if (covered.empty())
                continue;
            const int first = covered.front(), last = covered.back();
            faults.push_back(ControlName(where, child) + " \"" + Utf8(WindowText(child)) + "\": " +
                             std::to_string(covered.size()) + " pixels of its " + line.side +
                             " frame line are covered or touched, between (" + std::to_string(line.x + first * line.dx) + "," +
                             std::to_string(line.y + first * line.dy) + ") and (" +
                             std::to_string(line.x + last * line.dx) + "," + std::to_string(line.y + last * line.dy) +
                             ")");
        }
    }
    return faults;
}

}  // namespace textcheck
