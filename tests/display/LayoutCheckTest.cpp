// The layout of every language and every pair of panel variants, with each unit, measured with the
// window's fonts: every shown box inside the client area and inside its frame, no two shown boxes
// (painted captions as measured, value fields, pictures, charts, check boxes) on top of each other,
// no caption's ink or value on its frame's lines, and each value clear of its caption.
#include "display/PanelCaptions.h"
#include "display/PanelDrawing.h"
#include "display/PanelLabels.h"
#include "tests/display/LayoutTestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Units {
    int pressure, uv, rain, temperature, wind;
};

// Lays out both panels the way the main window does, with captions in the given units.
class CheckedLayout : public TestLayout {
public:
    // The language's own tables and labels, with the default sensor names of the language.
    explicit CheckedLayout(int lang) : language(lang)
    {
        std::wstring names[6];
        for (int i = 0; i < 6; ++i)
            names[i] = TextAt(g_mainThdTexts, 10 + i, lang);
        LoadLanguageElements(lang, names);
    }
    int language;
    Units units{};

protected:
    void OnUpperPanelLaidOut(int v) override
    {
        SetPressureCaptions(*this, language, units.pressure, v);
        SetUvCaptions(*this, language, units.uv, v);
    }
    void OnLowerPanelLaidOut(int v) override
    {
        SetTemperatureCaptions(*this, language, units.temperature, v);
        SetRainCaptions(*this, language, units.rain);
        SetWindCaptions(*this, language, units.wind);
    }
};

// Text sizes with the fonts the painter uses (face Arial as it resolves on this machine).
class Measure {
public:
    Measure() : m_dc(::GetDC(nullptr)) {}
    ~Measure()
    {
        for (auto& entry : m_fonts)
            ::DeleteObject(entry.second);
        ::ReleaseDC(nullptr, m_dc);
    }
    SIZE Text(const std::wstring& text, int height, int weight)
    {
        auto key = std::make_tuple(text, height, weight);
        auto found = m_sizes.find(key);
        if (found != m_sizes.end())
            return found->second;
        HGDIOBJ old = ::SelectObject(m_dc, Font(height, weight));
        SIZE size{};
        ::GetTextExtentPoint32W(m_dc, text.c_str(), static_cast<int>(text.size()), &size);
        // The ink ends before the advance of the last glyph when that glyph has room after it.
        ABC last{};
        if (!text.empty() && ::GetCharABCWidthsW(m_dc, text.back(), text.back(), &last) && last.abcC > 0)
            size.cx -= last.abcC;
        ::SelectObject(m_dc, old);
        m_sizes[key] = size;
        return size;
    }

    // The box of the pixels a text leaves, relative to the point it is drawn at (left, top aligned).
    RECT Ink(const std::wstring& text, int height, int weight)
    {
        auto key = std::make_tuple(text, height, weight);
        auto found = m_inks.find(key);
        if (found != m_inks.end())
            return found->second;
        const SIZE cell = Text(text, height, weight);
        const int width = cell.cx + 2 * INK_ROOM, rows = cell.cy + 2 * INK_ROOM;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -rows, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC memory = ::CreateCompatibleDC(m_dc);
        HBITMAP bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ oldBitmap = ::SelectObject(memory, bitmap);
        HGDIOBJ oldFont = ::SelectObject(memory, Font(height, weight));
        const RECT all{0, 0, width, rows};
        ::FillRect(memory, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::SetBkMode(memory, TRANSPARENT);
        ::SetTextColor(memory, RGB(0, 0, 0));
        ::TextOutW(memory, INK_ROOM, INK_ROOM, text.c_str(), static_cast<int>(text.size()));
        ::GdiFlush();
        RECT ink{width, rows, 0, 0};
        const DWORD* pixel = static_cast<const DWORD*>(bits);
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < width; ++x)
                if ((pixel[y * width + x] & 0xFF) < 160) {  // at least a third of the text's darkness
                    ink.left = std::min<LONG>(ink.left, x - INK_ROOM);
                    ink.right = std::max<LONG>(ink.right, x + 1 - INK_ROOM);
                    ink.top = std::min<LONG>(ink.top, y - INK_ROOM);
                    ink.bottom = std::max<LONG>(ink.bottom, y + 1 - INK_ROOM);
                }
        ::SelectObject(memory, oldFont);
        ::SelectObject(memory, oldBitmap);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        if (ink.right <= ink.left)
            ink = RECT{0, 0, 0, 0};
        m_inks[key] = ink;
        return ink;
    }
    // How far a text advances the pen, as the painter measures it (a blank: its width between words).
    int Advance(const std::wstring& text, int height, int weight)
    {
        HGDIOBJ old = ::SelectObject(m_dc, Font(height, weight));
        SIZE size{};
        ::GetTextExtentPoint32W(m_dc, text.c_str(), static_cast<int>(text.size()), &size);
        ::SelectObject(m_dc, old);
        return size.cx;
    }
    // Height of a font's character cell.
    int CellHeight(int height, int weight)
    {
        HGDIOBJ old = ::SelectObject(m_dc, Font(height, weight));
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(m_dc, &metrics);
        ::SelectObject(m_dc, old);
        return metrics.tmHeight;
    }

private:
    static constexpr int INK_ROOM = 8;  // room around the cell for ink that runs past it
    HFONT Font(int height, int weight)
    {
        HFONT& font = m_fonts[{height, weight}];
        if (!font)
            font = ::CreateFontW(height, 0, 0, 0, weight, 0, 0, 0, 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, 32, PANEL_TEXT_FACE);
        return font;
    }
    HDC m_dc;
    std::map<std::pair<int, int>, HFONT> m_fonts;
    std::map<std::tuple<std::wstring, int, int>, SIZE> m_sizes;
    std::map<std::tuple<std::wstring, int, int>, RECT> m_inks;
};

// The innermost frame of an element (-1: none).
int FrameOf(int k)
{
    if (k >= 1 && k <= 9) return 0;
    if (k >= 11 && k <= 23) return 10;
    if (k >= 26 && k <= 31) return 25;
    if (k >= 33 && k <= 35) return 32;
    if (k >= 37 && k <= 46) return 36;
    if (k == 25 || k == 32 || k == 36) return 24;
    if (k >= 48 && k <= 51) return 47;
    if ((k >= 53 && k <= 116) || (k >= 150 && k <= 153) || k == 155 || k == 156) return 52;
    if ((k >= 118 && k <= 127) || (k >= 157 && k <= 159)) return 117;
    if ((k >= 129 && k <= 145) || k == 160 || k == 161) return 128;
    if (k >= 147 && k <= 149) return 146;
    if (k == 154) return 146;
    return -1;
}

bool IsFrame(int k)
{
    for (const FrameElement& f : kPanelFrames) {
        if (f.element == k)
            return true;
    }
    return false;
}

// Laid out but never shown.
bool IsUnused(int k) { return k == 40 || k == 41 || k == 45 || k == 46 || k == 50 || k == 143 || k == 144; }

bool IsPainted(int k)
{
    for (int p : kPaintedLabels) {
        if (p == k)
            return true;
    }
    return false;
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

std::string Describe(const RECT& r)
{
    std::ostringstream out;
    out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return out.str();
}

// The client area of the main window at its size of 965 x 735.
RECT MainClientArea()
{
    RECT frame{0, 0, 0, 0};
    ::AdjustWindowRectEx(&frame, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, TRUE, WS_EX_APPWINDOW);
    return RECT{0, 0, 965 - (frame.right - frame.left), 735 - (frame.bottom - frame.top)};
}

struct Item {
    int element;
    RECT rect;
};

// The shown boxes of the layout as they appear on screen.
std::vector<Item> ShownBoxes(const CheckedLayout& layout, int language, Measure& measure)
{
    std::vector<Item> items;
    for (int k = 0; k < DISPLAY_ELEMENT_COUNT; ++k) {
        if (layout.Hidden(k) || IsUnused(k))
            continue;
        const TestLayout::Box b = layout.At(k);
        RECT r{b.x, b.y, b.x + b.w, b.y + b.h};
        if (IsPainted(k)) {
            const std::wstring text = layout.Caption(k);
            if (text.empty() || text == L"null")
                continue;
            const LabelFont font = PanelLabelFont(k, language);
            const SIZE size = measure.Text(text, font.height, font.weight);
            r = font.escapement ? RECT{b.x, b.y - size.cx, b.x + size.cy, b.y}
                                : RECT{b.x, b.y, b.x + size.cx, b.y + size.cy};
        } else if (k >= ELEM_FIRST_LEGEND_SAMPLE && k < ELEM_FIRST_LEGEND_SAMPLE + 18) {
            r = RECT{b.x - 2, b.y - 4, b.x + b.w + 2, b.y + 2};  // the sample and its widest line
        } else if (k == 93 || k == 94) {
            r.bottom = b.y + 24;  // a closed combo box
        }
        items.push_back({k, r});
    }
    return items;
}

void CheckLayout(const CheckedLayout& layout, int language, const RECT& client, Measure& measure,
                 const std::string& where, std::vector<std::string>& faults)
{
    const std::vector<Item> items = ShownBoxes(layout, language, measure);
    std::map<int, RECT> frames;
    for (const Item& item : items) {
        if (IsFrame(item.element))
            frames[item.element] = item.rect;
    }
    for (const Item& item : items) {
        std::ostringstream fault;
        if (!Inside(item.rect, client))
            fault << "outside the client area";
        const int frame = FrameOf(item.element);
        RECT room = frames.count(frame) ? frames[frame] : RECT{};
        if (frame >= 0 && frames.count(frame) && !Inside(item.rect, room))
            fault << "outside frame " << frame << " " << Describe(room);
        if (!fault.str().empty())
            faults.push_back(where + " element " + std::to_string(item.element) + " " + Describe(item.rect) + ": " +
                             fault.str());
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (IsFrame(items[i].element))
            continue;
        for (std::size_t j = i + 1; j < items.size(); ++j) {
            const int a = items[i].element;
            const int b = items[j].element;
            if (IsFrame(b) || (a == 149 && b == 154))
                continue;
            if (Overlap(items[i].rect, items[j].rect))
                faults.push_back(where + " elements " + std::to_string(a) + " " + Describe(items[i].rect) + " and " +
                                 std::to_string(b) + " " + Describe(items[j].rect) + " overlap");
        }
    }
}

bool IsValueField(int k)
{
    for (const ElementControl& v : kValueFields)
        if (v.element == k)
            return true;
    for (const ElementControl& v : kOtherValueFields)
        if (v.element == k)
            return true;
    return false;
}

// Where a shown element leaves pixels: a painted label its ink, any other element its box.
RECT PixelsOf(const CheckedLayout& layout, int k, int language, Measure& measure)
{
    const TestLayout::Box b = layout.At(k);
    if (!IsPainted(k))
        return RECT{b.x, b.y, b.x + b.w, b.y + b.h};
    const LabelFont font = PanelLabelFont(k, language);
    if (font.escapement) {
        const SIZE size = measure.Text(layout.Caption(k), font.height, font.weight);
        return RECT{b.x, b.y - size.cx, b.x + size.cy, b.y};
    }
    RECT ink = measure.Ink(layout.Caption(k), font.height, font.weight);
    ::OffsetRect(&ink, b.x, b.y);
    return ink;
}

// A frame's etched lines take two pixels on each side; the top one runs through the middle of
// the caption. What lies inside the frame keeps a pixel off them.
RECT InsideTheLines(const TestLayout::Box& frame, int captionHeight)
{
    return RECT{frame.x + 3, frame.y + captionHeight / 2 + 2, frame.x + frame.w - 3, frame.y + frame.h - 3};
}


// Captions and values that lie on their frame's lines, and labels whose text runs up to the value
// beside them: a value stands two blanks or more from its label, further than the label's own words
// from one another.
void CheckFrameLinesAndGaps(const CheckedLayout& layout, int language, Measure& measure, const std::string& where,
                            std::vector<std::string>& faults)
{
    const int captionHeight = measure.CellHeight(12, 700);
    std::vector<int> shown;
    for (int k = 0; k < DISPLAY_ELEMENT_COUNT; ++k) {
        const std::wstring text = layout.Caption(k);
        if (!layout.Hidden(k) && !IsUnused(k) && !(IsPainted(k) && (text.empty() || text == L"null")))
            shown.push_back(k);
    }
    for (int k : shown) {
        const int frame = FrameOf(k);
        if (IsFrame(k) || frame < 0 || layout.Hidden(frame) || !(IsPainted(k) || IsValueField(k)))
            continue;
        const RECT pixels = PixelsOf(layout, k, language, measure);
        const RECT inside = InsideTheLines(layout.At(frame), captionHeight);
        if (!Inside(pixels, inside))
            faults.push_back(where + " element " + std::to_string(k) + " \"" + ui::NarrowAcp(layout.Caption(k).c_str()) +
                             "\" " + Describe(pixels) + " lies on a line of frame " + std::to_string(frame) + " " +
                             Describe(inside));
    }
    for (int label : shown) {
        if (!IsPainted(label) || PanelLabelFont(label, language).escapement)
            continue;
        const RECT ink = PixelsOf(layout, label, language, measure);
        const LabelFont font = PanelLabelFont(label, language);
        const int blank = measure.Advance(L" ", font.height, font.weight);
        for (int value : shown) {
            const TestLayout::Box b = layout.At(value);
            const bool sameLine = b.y < ink.bottom && ink.top < b.y + b.h;
            if (IsValueField(value) && sameLine && b.x >= layout.At(label).x && b.x < ink.right + 2 * blank)
                faults.push_back(where + " element " + std::to_string(label) + " \"" +
                                 ui::NarrowAcp(layout.Caption(label).c_str()) + "\" ends at " +
                                 std::to_string(ink.right) + ", at the value " + std::to_string(value) + " at " +
                                 std::to_string(b.x));
        }
    }
}

// Every layout of every language with each unit: `check` gets each laid-out pair of variants.
template <class Check>
void ForEveryLayout(Check&& check)  // check(CheckedLayout&, language, where)
{
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        CheckedLayout layout(language);
        for (int unitSet = 0; unitSet < 4; ++unitSet) {
            layout.units = Units{unitSet % 3, unitSet % 2, unitSet % 2, unitSet % 2, unitSet};
            for (int upper = 0; upper < 8; ++upper) {
                for (int lower = 0; lower < 8; ++lower) {
                    DisplaySwitches s;
                    s.m_showForecast = upper & 1;
                    s.m_showPressure = (upper >> 1) & 1;
                    s.m_showUv = (upper >> 2) & 1;
                    s.m_showRain = lower & 1;
                    s.m_showWindSpeed = (lower >> 1) & 1;
                    s.m_showWindDirection = (lower >> 2) & 1;
                    layout.RelayoutPanels(s, language, true);
                    std::ostringstream where;
                    where << "language " << language << " units " << unitSet << " variants " << upper << "/" << lower;
                    check(layout, language, where.str());
                }
            }
        }
    }
}

// The faults, one line per distinct fault text after the position prefix.
std::string Report(const std::vector<std::string>& faults)
{
    std::ostringstream report;
    std::map<std::string, int> seen;
    int shown = 0;
    for (const std::string& f : faults) {
        const std::string key = f.substr(f.find(" element"));
        if (seen[key]++ == 0 && shown++ < 60)
            report << f << "\n";
    }
    return std::to_string(faults.size()) + " faults, first distinct ones:\n" + report.str();
}

}  // namespace

TEST(LayoutCheck, EveryLanguageEveryVariantPairAndEveryUnitFitsWithoutOverlaps)
{
    const RECT client = MainClientArea();
    ASSERT_GT(client.right, 900);
    ASSERT_GT(client.bottom, 650);
    Measure measure;
    std::vector<std::string> faults;
    ForEveryLayout([&](CheckedLayout& layout, int language, const std::string& where) {
        CheckLayout(layout, language, client, measure, where, faults);
    });
    EXPECT_TRUE(faults.empty()) << Report(faults);
}

// The UV index caption and value once lay on the UV box's bottom line in the forecast and UV
// layout, a second line of the rain rows on the rain box's bottom line, and the Spanish wind chill
// caption ran up to its value.
TEST(LayoutCheck, CaptionsAndValuesKeepOffTheFrameLinesAndClearOfTheValueBesideThem)
{
    Measure measure;
    std::vector<std::string> faults;
    ForEveryLayout([&](CheckedLayout& layout, int language, const std::string& where) {
        CheckFrameLinesAndGaps(layout, language, measure, where, faults);
    });
    EXPECT_TRUE(faults.empty()) << Report(faults);
}

// A sensor's name of 34 characters once ran across the row heads of the temperature box. The
// language's own names show whole; a long name, drawn as it fits its room, lies on nothing and
// keeps clear of the texts beside it.
TEST(LayoutCheck, LegendNamesShowWholeOrEndWithAnEllipsisBeforeTheTextsBesideThem)
{
    const RECT client = MainClientArea();
    Measure measure;
    std::vector<std::string> faults;
    ForEveryLayout([&](CheckedLayout& layout, int language, const std::string& where) {
        for (int k = ELEM_FIRST_SENSOR_NAME; k < ELEM_FIRST_SENSOR_NAME + 6; ++k) {
            const int room = layout.LegendNameRoom(k, language);
            const int own = measure.Advance(layout.Caption(k), 14, 400);
            if (own > room)
                faults.push_back(where + " element " + std::to_string(k) + " \"" +
                                 ui::NarrowAcp(layout.Caption(k).c_str()) + "\" needs " + std::to_string(own) +
                                 " pixels, its room is " + std::to_string(room));
        }
        const std::vector<CString> names(layout.m_elemCaption.begin() + ELEM_FIRST_SENSOR_NAME,
                                         layout.m_elemCaption.begin() + ELEM_FIRST_SENSOR_NAME + 6);
        for (int k = ELEM_FIRST_SENSOR_NAME; k < ELEM_FIRST_SENSOR_NAME + 6; ++k)
            layout.m_elemCaption[k] =
                FitWithEllipsis(L"Greenhouse behind the old garage " + std::to_wstring(k - ELEM_FIRST_SENSOR_NAME),
                                layout.LegendNameRoom(k, language),
                                [&](const std::wstring& run) { return measure.Advance(run, 14, 400); })
                    .c_str();
        CheckLayout(layout, language, client, measure, where, faults);
        CheckFrameLinesAndGaps(layout, language, measure, where, faults);
        std::copy(names.begin(), names.end(), layout.m_elemCaption.begin() + ELEM_FIRST_SENSOR_NAME);
    });
    EXPECT_TRUE(faults.empty()) << Report(faults);
}

TEST(LayoutCheck, TheSecondsStandRightOfTheWidestTimeInTheClockFont)
{
    TestLayout layout;
    Measure measure;
    int widest = 0;
    for (const wchar_t* time : {L"00:00", L"22:22", L"88:88", L"12:59"})
        widest = std::max(widest, static_cast<int>(measure.Text(time, 35, 700).cx));
    EXPECT_LE(layout.At(149).x + widest, layout.At(154).x);
    EXPECT_GE(layout.At(154).w, measure.Text(L"PM", 17, 700).cx);
    EXPECT_LE(layout.At(154).x + layout.At(154).w, layout.At(149).x + layout.At(149).w);
}
