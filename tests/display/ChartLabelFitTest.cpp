// Every label of the main window's chart images and of the all-sensor window's charts is drawn
// whole, inside its image, and covers no other text: each chart is rendered at every size its
// picture takes in any language's layout, in every language and with each unit set, and the
// boxes the library recorded for the texts it drew are checked.
#include "display/AllSensorCharts.h"
#include "display/MainCharts.h"
#include "platform/chart/Chart.h"
#include "records/UnitFactors.h"
#include "tests/display/HistoryFixture.h"
#include "tests/display/LayoutTestSupport.h"
#include "tests/display/RecordedCalls.h"
#include "tests/platform/ChartTestSupport.h"
#include "texts/TextEncoding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <sstream>

namespace {

const double T0 = Chart::chartTime(2024, 5, 10, 12, 0);
const double DAY_END = Chart::chartTime(2024, 5, 10, 23, 59, 59);

constexpr int PRESSURE_PICTURE = 9, UV_PICTURE = 23, RAIN_PICTURE = 127, WIND_PICTURE = 145;

struct Size {
    int width, height;
    bool operator<(const Size& other) const
    {
        return width != other.width ? width < other.width : height < other.height;
    }
};

// The sizes each chart picture takes in the layouts of every language and panel variant.
std::map<int, std::set<Size>> PictureSizes()
{
    std::map<int, std::set<Size>> sizes;
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        TestLayout layout(language);
        for (int variants = 0; variants < 64; ++variants) {
            DisplaySwitches s;
            s.m_showForecast = variants & 1;
            s.m_showPressure = (variants >> 1) & 1;
            s.m_showUv = (variants >> 2) & 1;
            s.m_showRain = (variants >> 3) & 1;
            s.m_showWindSpeed = (variants >> 4) & 1;
            s.m_showWindDirection = (variants >> 5) & 1;
            layout.RelayoutPanels(s, language, true);
            for (int picture : {PRESSURE_PICTURE, UV_PICTURE, RAIN_PICTURE, WIND_PICTURE})
                if (!layout.Hidden(picture))
                    sizes[picture].insert(Size{layout.m_elemW[picture], layout.m_elemH[picture]});
        }
    }
    return sizes;
}

// A day of readings every ten minutes, newest at T0, from a wave through the given range.
History Wave(int size, double low, double high, double span = 86400, double every = 600)
{
    std::vector<std::pair<double, double>> samples;
    for (double t = T0 - span; t <= T0; t += every)
        samples.emplace_back(t, low + (high - low) * (0.5 + 0.5 * std::sin((t - T0) / 9000.0)));
    return History(size, samples);
}

// The directions of the wind samples: every compass point in turn.
std::vector<double> Directions(const History& speeds)
{
    std::vector<double> directions(speeds.times.size(), 0.0);
    for (size_t i = 0; i < directions.size(); ++i)
        directions[i] = static_cast<double>(i % 16);
    return directions;
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> Trimmed(const std::vector<std::string>& texts)
{
    std::vector<std::string> out;
    for (const std::string& t : texts)
        if (!Trimmed(t).empty())
            out.push_back(Trimmed(t));
    return out;
}

std::vector<std::string> Compass(int language)
{
    const std::array<const char*, 16>& labels = CompassLabels(language);
    return std::vector<std::string>(labels.begin(), labels.end());
}

std::string Title(int row, int language) { return Utf8(TextAt(g_smallChartTitles, row, language)); }

// Renders one chart and lists what is wrong with its texts: a text reaching out of the image, two
// texts or a text and a box that cover each other, a listed label that was not drawn.
class LabelCheck {
public:
    std::vector<std::string> faults;

    std::vector<DrawnText> Check(const std::string& name, int width, int height, const std::function<bool()>& draw,
                                 const std::vector<std::string>& listed)
    {
        const std::string log = Recorded(draw);
        const std::vector<DrawnText> texts = DrawnTexts(log);
        const std::vector<RECT> boxes = DrawnBoxes(log);
        std::ostringstream where;
        where << name << " " << width << "x" << height << ": ";
        for (size_t i = 0; i < texts.size(); ++i) {
            const RECT& b = texts[i].box;
            if (b.left < 0 || b.top < 0 || b.right > width || b.bottom > height)
                faults.push_back(where.str() + "\"" + texts[i].text + "\" reaches out of the image " + Box(b));
            // A box covers a text unless the text lies in it (its own frame, legend or band).
            for (const RECT& box : boxes)
                if (Intersect(b, box) && !Within(b, box))
                    faults.push_back(where.str() + "a box " + Box(box) + " covers \"" + texts[i].text + "\" " + Box(b));
            for (size_t j = i + 1; j < texts.size(); ++j)
                if (Intersect(b, texts[j].box))
                    faults.push_back(where.str() + "\"" + texts[i].text + "\" " + Box(b) + " covers \"" +
                                     texts[j].text + "\" " + Box(texts[j].box));
        }
        std::multiset<std::string> drawn;
        for (const DrawnText& t : texts)
            drawn.insert(Trimmed(t.text));
        for (const std::string& label : listed)
            if (drawn.count(label) == 0)
                faults.push_back(where.str() + "\"" + label + "\" is not drawn");
        return texts;
    }

    static std::string Box(const RECT& b)
    {
        std::ostringstream out;
        out << "[" << b.left << "," << b.top << " " << b.right << "," << b.bottom << "]";
        return out.str();
    }

    std::string Report() const
    {
        std::ostringstream out;
        for (size_t i = 0; i < faults.size() && i < 40; ++i)
            out << faults[i] << "\n";
        return out.str();
    }
};

}  // namespace

TEST(ChartLabels, EveryMainChartDrawsItsLabelsWholeInsideAndApartInEveryLanguageSizeAndUnit)
{
    const std::map<int, std::set<Size>> sizes = PictureSizes();
    ASSERT_EQ(sizes.size(), 4u);
    const std::vector<std::string> evenHours = Trimmed(BarOffsetLabels(HOURLY_BARS, true));
    const History uv = Wave(360, 0, 8.4, 43200);
    const History speeds = Wave(750, 0, 23.5);
    const std::vector<double> directions = Directions(speeds);
    HistoryView compassView = speeds.View();
    compassView.values = directions.data();
    LabelCheck check;
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        // Each unit set in several languages (labels in inHg or mmHg are as wide in every one).
        const double pressureFactor = std::vector<double>{1.0, FACTOR_HPA_TO_INHG, FACTOR_HPA_TO_MMHG}[language % 3];
        const History pressure = Wave(750, 1001.2 * pressureFactor, 1006.1 * pressureFactor);
        // Rain up to a few, ten or twenty millimetres (two-digit labels by the right edge), or inches.
        const double rainTop = std::vector<double>{4.2, 9.8, 23.5}[language % 3];
        const History rain = Wave(360, 0, language % 2 ? rainTop * FACTOR_MM_TO_INCH : rainTop, 14 * 86400.0, 3600);
        const std::vector<std::string> compass = Compass(language);
        const int l = language;
        double bars[HOURLY_BARS];
        struct Maker {
            const char* name;
            int picture;
            std::function<bool(const ChartFrame&)> draw;
            std::vector<std::vector<std::string>> listed;
        } charts[] = {
            {"pressure bars", PRESSURE_PICTURE, [&](const ChartFrame& f) { return DrawPressureBars(f, pressure.View(), l); },
             {evenHours, {Title(0, l)}}},
            {"pressure line", PRESSURE_PICTURE, [&](const ChartFrame& f) { return DrawPressureLine(f, pressure.View(), l); },
             {{Title(0, l)}}},
            {"UV bars", UV_PICTURE, [&](const ChartFrame& f) { return DrawUvBars(f, uv.View()); },
             {Trimmed(BarOffsetLabels(UV_BARS, false))}},
            {"UV line", UV_PICTURE, [&](const ChartFrame& f) { return DrawUvLine(f, uv.View(), T0); }, {}},
            {"rain bars", RAIN_PICTURE, [&](const ChartFrame& f) { return DrawRainBars(f, rain.View(), DAY_END, l); },
             {Trimmed(BarOffsetLabels(RAIN_DAYS, false)), {Title(4, l)}}},
            {"rain line", RAIN_PICTURE, [&](const ChartFrame& f) { return DrawRainLine(f, rain.View(), T0, DAY_END, l); },
             {{Title(4, l)}}},
            {"wind speed bars", WIND_PICTURE,
             [&](const ChartFrame& f) { return DrawWindSpeedBars(f, speeds.View(), T0, l, bars); },
             {evenHours, {Title(1, l)}}},
            {"wind speed line", WIND_PICTURE, [&](const ChartFrame& f) { return DrawWindSpeedLine(f, speeds.View(), l); },
             {{Title(1, l)}}},
            {"wind direction bars", WIND_PICTURE,
             [&](const ChartFrame& f) { return DrawWindDirectionBars(f, compassView, l); },
             {compass, evenHours, {Title(2, l)}}},
            {"wind direction line", WIND_PICTURE,
             [&](const ChartFrame& f) { return DrawWindDirectionLine(f, compassView, l); }, {compass, {Title(2, l)}}},
            {"wind rose", WIND_PICTURE,
             [&](const ChartFrame& f) { return DrawWindRose(f, speeds.View(), directions.data(), l); },
             {compass, {Title(3, l)}}},
        };
        for (const Maker& chart : charts) {
            if (chart.picture == UV_PICTURE && language > 0)
                continue;  // no language-dependent text
            std::vector<std::string> listed;
            for (const std::vector<std::string>& part : chart.listed)
                listed.insert(listed.end(), part.begin(), part.end());
            for (const Size& s : sizes.at(chart.picture)) {
                const ChartFrame frame{s.width, s.height, TempChartPath("ChartLabels.bmp")};
                check.Check(chart.name, s.width, s.height, [&] { return chart.draw(frame); }, listed);
            }
        }
    }
    EXPECT_TRUE(check.faults.empty()) << check.faults.size() << " faults:\n" << check.Report();
}

namespace {

// A day of one series every ten minutes, through the given range.
Series SeriesWave(double low, double high)
{
    Series series;
    for (double t = T0 - 86400; t <= T0; t += 600) {
        series.times.push_back(t);
        series.values.push_back(low + (high - low) * (0.5 + 0.5 * std::sin((t - T0) / 9000.0)));
    }
    return series;
}

// Every series in the given units, with values as the history would hold them.
std::array<Series, SERIES_COUNT> AllSeries(const ChartUnitFactors& units)
{
    std::array<Series, SERIES_COUNT> all;
    for (int i = 0; i < SERIES_COUNT; ++i) {
        const SeriesKind& kind = SeriesKindOf(i);
        switch (kind.axis) {
        case SeriesAxis::Temperature: all[i] = SeriesWave(-12.4 * units.temperature, 31.7 * units.temperature); break;
        case SeriesAxis::Humidity: all[i] = SeriesWave(21, 97); break;
        case SeriesAxis::Pressure: all[i] = SeriesWave(985.3 * units.pressure, 1031.8 * units.pressure); break;
        case SeriesAxis::Wind: all[i] = SeriesWave(0, 38.5 * units.wind); break;
        case SeriesAxis::Direction: all[i] = SeriesWave(0, 15); break;
        case SeriesAxis::Rain: all[i] = SeriesWave(0, 12.7 * units.rain); break;
        case SeriesAxis::Uv: all[i] = SeriesWave(0, 11 * units.uv); break;
        }
    }
    return all;
}

}  // namespace

TEST(ChartLabels, TheAllSensorLineChartAndPiesDrawTheirLabelsWholeInsideAndApartInEveryUnit)
{
    ChartUnitFactors metric;
    ChartUnitFactors imperial{FACTOR_C_TO_F, FACTOR_HPA_TO_INHG, 1.0, FACTOR_MM_TO_INCH, FACTOR_UVI_TO_MEDH};
    ChartUnitFactors other{1.0, FACTOR_HPA_TO_MMHG, FACTOR_MPH_TO_KMH, 1.0, 1.0};
    ChartUnitFactors sea{1.0, FACTOR_HPA_TO_MMHG, FACTOR_MPH_TO_KNOTS, 1.0, 1.0};
    metric.wind = FACTOR_MPH_TO_MS;
    struct UnitSet {
        ChartUnitFactors units;
        std::vector<std::string> titles;
    } sets[] = {
        {metric, {"\xC2\xB0" "C", "hPa", "R.H.%", "m/s", "Direction", "mm", "UVI"}},
        {imperial, {"\xC2\xB0" "F", "inHg", "R.H.%", "mph", "Direction", "inch", "MED/h"}},
        {other, {"\xC2\xB0" "C", "mmHg", "R.H.%", "km/hr", "Direction", "mm", "UVI"}},
        {sea, {"\xC2\xB0" "C", "mmHg", "R.H.%", "knots", "Direction", "mm", "UVI"}},
    };
    int lines[54] = {};
    LabelCheck check;
    for (const UnitSet& set : sets) {
        const std::array<Series, SERIES_COUNT> series = AllSeries(set.units);
        AllSensorChartInput input;
        for (int i : {0, 1, 2, 3, 4, 8, 9, 13, 14, 18, 5, 6})
            input.shown[i] = true;
        input.series = &series;
        input.lineSettings = lines;
        input.units = set.units;
        std::vector<std::string> listed = set.titles;
        const std::vector<std::string> compass = Compass(LANGUAGE_ENGLISH);
        listed.insert(listed.end(), compass.begin(), compass.end());
        check.Check("all-sensor line chart", 920, 440,
                    [&] { return DrawAllSensorLineChart(ChartFrame{920, 440, TempChartPath(ALL_LINE_CHART_FILE)}, input); },
                    listed);

        for (int i = 0; i < SERIES_COUNT; ++i) {
            const PieRanges ranges = PieRangesOf(series[i].values.data(), static_cast<int>(series[i].values.size()));
            std::vector<std::string> pie(ranges.labels, ranges.labels + PIE_RANGE_COUNT);
            pie.push_back(Utf8(SeriesTitle(i)));
            check.Check("pie " + std::to_string(i), PIE_WIDTH, PIE_HEIGHT,
                        [&] { return DrawSeriesPie(TempChartPath("multidepthpie.bmp"), ranges, pie.back()); }, pie);
        }
    }
    EXPECT_TRUE(check.faults.empty()) << check.faults.size() << " faults:\n" << check.Report();
}

TEST(ChartLabels, ATimeAxisOfOneSampleShowsEachTimeOnce)
{
    const History one(750, {{T0, 1003.5}});
    const ChartFrame frame{333, 140, TempChartPath(PRESSURE_LINE_FILE)};
    for (const auto& draw : std::vector<std::function<bool()>>{
             [&] { return DrawPressureLine(frame, one.View(), LANGUAGE_ENGLISH); },
             [&] { return DrawWindSpeedLine(frame, one.View(), LANGUAGE_ENGLISH); },
             [&] { return DrawUvLine(frame, one.View(), T0); }}) {
        std::vector<std::string> times;
        for (const DrawnText& text : DrawnTexts(Recorded(draw)))
            if (text.text.size() == 5 && text.text[2] == ':')
                times.push_back(text.text);
        ASSERT_FALSE(times.empty());
        EXPECT_EQ(times.front(), "12:00");
        EXPECT_EQ(std::set<std::string>(times.begin(), times.end()).size(), times.size())
            << times.front() << " is shown " << times.size() << " times";
    }
}
