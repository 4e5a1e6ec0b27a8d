#include "platform/chart/XYAxes.h"

#include <algorithm>
#include <cmath>

using namespace Gdiplus;

namespace {

constexpr float TICK = 3;
constexpr float LABEL_GAP = 2;          // between a tick's end and its label
constexpr float ALONG_X = 3;            // between neighbouring x labels
constexpr float ALONG_Y = 1;            // between neighbouring y labels
constexpr float AWAY = 1;               // between a label and any other text
constexpr int TITLE_MOVES = 24;         // pixels a title may move away from the plot to stay clear

bool InsideImage(const Canvas& canvas, const RectF& box)
{
    return box.X >= 0 && box.Y >= 0 && box.GetRight() <= canvas.Width() && box.GetBottom() <= canvas.Height();
}

std::string LabelText(const AxisView& view, size_t k)
{
    const AxisData& axis = *view.data;
    if (view.category) {
        if (axis.hasLabels)
            return k < axis.labels.size() ? axis.labels[k] : std::string();
        return axis.labelFormat.empty() ? std::string() : FormatLabel(axis.labelFormat, view.scale.ticks[k], view.scale);
    }
    return FormatLabel(axis.labelFormat, view.scale.ticks[k], view.scale);
}

// A label to place: its text and where along the axis it belongs (x of a tick, or y).
struct Spot {
    std::string text;
    float at;
};

std::vector<Spot> Spots(const AxisView& view, const Plot& plot)
{
    std::vector<Spot> spots;
    for (size_t k = 0; k < view.scale.ticks.size(); ++k) {
        const double tick = view.scale.ticks[k];
        const float at = view.vertical ? MapY(view, plot, tick) : MapX(view, plot, tick);
        const std::string text = OnPlot(view, plot, at) ? LabelText(view, k) : std::string();
        if (text.find_first_not_of(' ') != std::string::npos)
            spots.push_back(Spot{text, at});
    }
    return spots;
}

// How one try places the labels.
struct Rule {
    int rows = 1;            // x labels: 2 alternates them between two rows, the last in the first
    int every = 1;           // only every n-th label ...
    bool fromLast = true;    // ... counted from the last (or the first)
    bool moveInside = false; // a label at the image's edge moves inside (fixed labels)
    bool dropOutside = false;  // a label that cannot lie inside is left out, not a failure
    bool greedy = false;     // any label that does not fit is left out
    float tickGap = LABEL_GAP;  // between a tick's end and its label
};

// Places the labels by the rule; false when one of them does not fit (and the rule does not allow
// leaving it out) or when none is left.
bool Place(Canvas& canvas, const AxisView& view, const Plot& plot, const TextStyle& style, const Rule& rule,
           std::vector<PlacedText>& out)
{
    out.clear();
    const std::vector<Spot> spots = Spots(view, plot);
    const int n = static_cast<int>(spots.size());
    const float line = canvas.LineHeight(style);
    for (int i = 0; i < n; ++i) {
        const int order = rule.fromLast ? n - 1 - i : i;
        if (order % rule.every != 0)
            continue;
        PlacedText label{spots[i].text, style, 0, 0, canvas.Ink(spots[i].text, style)};
        const RectF& ink = label.ink;
        if (ink.Width <= 0)
            continue;
        if (view.vertical) {
            label.y = spots[i].at - (ink.Y + ink.Height / 2);
            label.x = view.side < 0 ? view.position - TICK - rule.tickGap - ink.GetRight()
                                    : view.position + TICK + rule.tickGap - ink.X;
            if (rule.moveInside)
                label.y = std::clamp(label.y, -ink.Y, canvas.Height() - ink.GetBottom());
        } else {
            const int row = rule.rows > 1 ? order % 2 : 0;
            label.x = spots[i].at - (ink.X + ink.Width / 2);
            label.y = view.position + TICK + rule.tickGap + row * line;
            if (rule.moveInside)
                label.x = std::clamp(label.x, -ink.X, canvas.Width() - ink.GetRight());
        }
        label.ink.Offset(label.x, label.y);
        const bool inside = InsideImage(canvas, label.ink);
        const float alongX = view.vertical ? AWAY : ALONG_X, alongY = view.vertical ? ALONG_Y : AWAY;
        const bool clear = ClearOfTaken(canvas, label.ink, AWAY) &&
                           std::all_of(out.begin(), out.end(), [&](const PlacedText& other) {
                               return Apart(label.ink, other.ink, alongX, alongY);
                           });
        if (inside && clear)
            out.push_back(label);
        else if (!(rule.greedy || (rule.dropOutside && !inside)))
            return false;
    }
    return !out.empty() || n == 0;
}

TextStyle LabelStyle(const AxisData& axis) { return StyleWith(axis.labelStyle, axis.labelColour, kDefaultLabel); }

// Largest number of labels of a sample width that fit along a length.
int TicksFor(float length, float labelLength)
{
    return std::max(1, static_cast<int>(length / std::max(labelLength + 12, 16.0f)));
}

int TicksWanted(Canvas& canvas, const AxisData& axis, const Plot& plot, const TextStyle& style, bool vertical)
{
    if (vertical) {
        const float line = std::max(canvas.LineHeight(style), 6.0f);
        return std::max(1, static_cast<int>(plot.h / (line * 1.6f)));
    }
    const std::string sample = axis.labelFormat.empty() ? "00:00" : FormatLabel(axis.labelFormat, 6.3e10, AxisScale{});
    return TicksFor(plot.w, canvas.Measure(sample, style).Width);
}

// Fixed labels: smaller, then nearer their ticks, then (x) in two rows, then every n-th, then
// whatever fits.
void FitFixed(Canvas& canvas, FittedAxis& fitted, const Plot& plot, const TextStyle& requested)
{
    Rule rule;
    rule.moveInside = true;
    rule.fromLast = !fitted.view.vertical;
    for (int rows = 1; rows <= (fitted.view.vertical ? 1 : 2); ++rows)
        for (float tickGap : {LABEL_GAP, 0.0f})
            for (const TextStyle& style : Shrinking(requested)) {
                rule.rows = rows;
                rule.tickGap = tickGap;
                if (Place(canvas, fitted.view, plot, style, rule, fitted.labels))
                    return;
            }
    rule.tickGap = LABEL_GAP;
    rule.rows = 1;
    const int count = static_cast<int>(Spots(fitted.view, plot).size());
    for (rule.every = 2; rule.every < count; ++rule.every)
        for (const TextStyle& style : Shrinking(requested))
            if (Place(canvas, fitted.view, plot, style, rule, fitted.labels))
                return;
    rule.every = 1;
    rule.greedy = true;
    Place(canvas, fitted.view, plot, requested, rule, fitted.labels);
}

// A scale the library chooses: fewer ticks, then labels nearer their ticks (and, on a y axis,
// smaller labels) until every label fits, then leaving out the labels that cannot lie inside, then
// whatever fits. fitted.view comes made for madeFor ticks; a scale is made again only for another
// number of ticks.
void FitChosen(Canvas& canvas, FittedAxis& fitted, int madeFor, const AxisData& axis, const Plot& plot,
               const ScaleMaker& make, const TextStyle& requested, bool ticksFixed)
{
    const auto scaleFor = [&](int ticks) {
        if (ticks != madeFor)
            fitted.view = make(ticks);
        madeFor = ticks;
    };
    const bool vertical = fitted.view.vertical;
    const std::vector<TextStyle> styles = vertical ? Shrinking(requested) : std::vector<TextStyle>{requested};
    for (bool dropOutside : {false, true}) {
        Rule rule;
        rule.dropOutside = dropOutside;
        for (const TextStyle& style : styles) {
            const int wanted = ticksFixed ? 1 : TicksWanted(canvas, axis, plot, style, vertical);
            for (float tickGap : {LABEL_GAP, 0.0f}) {
                rule.tickGap = tickGap;
                for (int ticks = wanted; ticks >= 1; --ticks) {
                    scaleFor(ticks);
                    if (Place(canvas, fitted.view, plot, style, rule, fitted.labels))
                        return;
                }
            }
        }
    }
    Rule greedy;
    greedy.greedy = true;
    scaleFor(TicksWanted(canvas, axis, plot, requested, vertical));
    Place(canvas, fitted.view, plot, requested, greedy, fitted.labels);
}

// Moves a text by (dx, dy) a pixel at a time until it lies inside the image, clear of every taken
// text and of the labels; false when it cannot within a few pixels.
bool MoveClear(Canvas& canvas, PlacedText& text, float dx, float dy, const std::vector<PlacedText>& labels)
{
    for (int step = 0; step <= TITLE_MOVES; ++step) {
        RectF box = text.ink;
        box.Offset(text.x + dx * step, text.y + dy * step);
        const bool clear = ClearOfTaken(canvas, box, AWAY) &&
                           std::all_of(labels.begin(), labels.end(),
                                       [&box](const PlacedText& label) { return Apart(box, label.ink, AWAY, AWAY); });
        if (InsideImage(canvas, box) && clear) {
            text.x += dx * step;
            text.y += dy * step;
            text.ink = box;
            return true;
        }
    }
    return false;
}

// An axis title: where it belongs at a style, moved inside the image along the axis and away
// from the plot while it touches something; smaller when it cannot be placed so.
struct TitleSpot {
    float x, y;    // DrawText's position
    float dx, dy;  // away from the plot
};

void FitTitle(Canvas& canvas, FittedAxis& fitted, TextStyle requested,
              const std::function<TitleSpot(const SizeF&)>& spotOf)
{
    const AxisData& axis = *fitted.view.data;
    if (!axis.title || axis.title->text.empty())
        return;
    const std::string& text = axis.title->text;
    for (const TextStyle& style : Shrinking(requested)) {
        const SizeF size = canvas.Measure(text, style);
        const TitleSpot spot = spotOf(size);
        PlacedText title{text, style, spot.x, spot.y, canvas.Ink(text, style)};
        if (title.ink.Width <= 0)
            return;
        // Along the axis's side the title stays in the image.
        if (spot.dy != 0)
            title.x = std::clamp(title.x, -title.ink.X, canvas.Width() - title.ink.GetRight());
        else
            title.y = std::clamp(title.y, -title.ink.Y, canvas.Height() - title.ink.GetBottom());
        if (MoveClear(canvas, title, spot.dx, spot.dy, fitted.labels)) {
            fitted.title.assign(1, title);
            return;
        }
    }
    const SizeF size = canvas.Measure(text, requested);
    const TitleSpot spot = spotOf(size);
    RectF ink = canvas.Ink(text, requested);
    ink.Offset(spot.x, spot.y);
    fitted.title.assign(1, PlacedText{text, requested, spot.x, spot.y, ink});
}

float LabelsReach(const FittedAxis& fitted, bool vertical)
{
    float reach = 0;
    for (const PlacedText& label : fitted.labels)
        reach = std::max(reach, vertical ? label.ink.Width : label.ink.GetBottom() - fitted.view.position - TICK);
    return reach;
}

void ReserveAll(Canvas& canvas, const FittedAxis& fitted)
{
    for (const PlacedText& label : fitted.labels)
        canvas.Reserve(label.ink);
    for (const PlacedText& title : fitted.title)
        canvas.Reserve(title.ink);
}

void DrawPlaced(Canvas& canvas, const FittedAxis& fitted)
{
    for (const PlacedText& label : fitted.labels)
        canvas.DrawText(label.text, label.style, label.x, label.y);
    for (const PlacedText& title : fitted.title)
        canvas.DrawText(title.text, title.style, title.x, title.y);
}

// The scale and labels of an axis: all fixed labels, or the ticks the library chooses.
FittedAxis FitLabels(Canvas& canvas, const AxisData& axis, const Plot& plot, const ScaleMaker& make, bool vertical,
                     bool ticksFixed)
{
    FittedAxis fitted;
    const TextStyle requested = LabelStyle(axis);
    const int wanted = TicksWanted(canvas, axis, plot, requested, vertical);
    fitted.view = make(wanted);
    if (fitted.view.category)
        FitFixed(canvas, fitted, plot, requested);
    else
        FitChosen(canvas, fitted, wanted, axis, plot, make, requested, ticksFixed);
    return fitted;
}

// A y axis's title: horizontal above the axis's top end (TopLeft2 ends at the axis, TopRight2
// starts there), or turned along the axis beyond its labels.
void FitYTitle(Canvas& canvas, FittedAxis& fitted, const Plot& plot)
{
    const AxisData& axis = *fitted.view.data;
    if (!axis.title)
        return;
    TextStyle titleStyle = StyleWith(axis.title, axis.titleColour, kDefaultLabel);
    const float at = fitted.view.position;
    const int side = fitted.view.side;
    const int alignment = axis.title->alignment;
    const bool onTop = alignment == Chart::TopLeft2 || alignment == Chart::TopRight2 || alignment == Chart::TopLeft ||
                       alignment == Chart::TopRight || alignment == Chart::Top;
    if (onTop) {
        const bool leftward = alignment == Chart::TopLeft2 || alignment == Chart::TopLeft;
        const float gap = static_cast<float>(axis.titleGap);
        FitTitle(canvas, fitted, titleStyle, [=, &plot](const SizeF& size) {
            const float left = alignment == Chart::Top ? at - size.Width / 2 : leftward ? at - size.Width : at;
            return TitleSpot{left, plot.y - gap - size.Height, 0, -1};
        });
        return;
    }
    titleStyle.angle = side < 0 ? 90 : 270;
    const float gap = TICK + LABEL_GAP + LabelsReach(fitted, true) + 3;
    FitTitle(canvas, fitted, titleStyle, [=, &plot](const SizeF& size) {
        return TitleSpot{side < 0 ? at - gap - size.Width : at + gap, plot.y + (plot.h - size.Height) / 2,
                         static_cast<float>(side), 0};
    });
}

int AxisColour(const AxisData& axis) { return axis.axisColour == -1 ? 0x000000 : axis.axisColour; }

}  // namespace

float MapX(const AxisView& x, const Plot& plot, double v)
{
    const double span = x.scale.upper - x.scale.lower;
    return static_cast<float>(plot.x + (v - x.scale.lower) / (span > 0 ? span : 1) * plot.w);
}

float MapY(const AxisView& y, const Plot& plot, double v)
{
    const double span = y.scale.upper - y.scale.lower;
    return static_cast<float>(plot.y + plot.h - (v - y.scale.lower) / (span > 0 ? span : 1) * plot.h);
}

bool OnPlot(const AxisView& view, const Plot& plot, float at)
{
    const float start = view.vertical ? plot.y : plot.x;
    const float length = view.vertical ? plot.h : plot.w;
    return at >= start - 0.5f && at <= start + length + 0.5f;
}

FittedAxis FitXAxis(Canvas& canvas, const AxisData& axis, const Plot& plot, const ScaleMaker& make)
{
    FittedAxis fitted = FitLabels(canvas, axis, plot, make, false, false);
    // The title is centred under the plot, below the labels.
    const float below = fitted.view.position + TICK + std::max(LabelsReach(fitted, false), 0.0f) + 2;
    FitTitle(canvas, fitted, StyleWith(axis.title, axis.titleColour, kDefaultLabel),
             [&plot, below](const SizeF& size) {
                 return TitleSpot{plot.x + (plot.w - size.Width) / 2, below, 0, 1};
             });
    ReserveAll(canvas, fitted);
    return fitted;
}

FittedAxis FitYAxis(Canvas& canvas, const AxisData& axis, const Plot& plot, const ScaleMaker& make, bool ticksFixed)
{
    FittedAxis fitted = FitLabels(canvas, axis, plot, make, true, ticksFixed);
    FitYTitle(canvas, fitted, plot);
    ReserveAll(canvas, fitted);
    return fitted;
}

void DrawXAxis(Canvas& canvas, const FittedAxis& x, const Plot& plot)
{
    const AxisData& axis = *x.view.data;
    const int colour = AxisColour(axis);
    canvas.DrawLine(plot.x, x.view.position, plot.x + plot.w, x.view.position, colour,
                    static_cast<float>(std::max(axis.width, 1)));
    const int tickColour = axis.tickColour == -1 ? colour : axis.tickColour;
    for (double tick : x.view.scale.ticks) {
        const float px = MapX(x.view, plot, tick);
        if (OnPlot(x.view, plot, px))
            canvas.DrawLine(px, x.view.position, px, x.view.position + TICK, tickColour, 1);
    }
    DrawPlaced(canvas, x);
}

void DrawYAxis(Canvas& canvas, const FittedAxis& y, const Plot& plot)
{
    const AxisData& axis = *y.view.data;
    const int colour = AxisColour(axis);
    const float at = y.view.position;
    canvas.DrawLine(at, plot.y, at, plot.y + plot.h, colour, static_cast<float>(std::max(axis.width, 1)));
    const int tickColour = axis.tickColour == -1 ? colour : axis.tickColour;
    for (double tick : y.view.scale.ticks) {
        const float py = MapY(y.view, plot, tick);
        if (OnPlot(y.view, plot, py))
            canvas.DrawLine(at, py, at + y.view.side * TICK, py, tickColour, 1);
    }
    DrawPlaced(canvas, y);
}
