// The charting library: what each chart kind renders into its file, the recording of calls,
// fonts and texts, and degenerate input.
#include "platform/chart/Chart.h"
#include "tests/platform/ChartTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr int WHITE = 0xFFFFFF;

BmpImage Render(BaseChart& chart, const char* name)
{
    const std::string path = TempChartPath(name);
    ::DeleteFileA(path.c_str());
    EXPECT_TRUE(chart.makeChart(path.c_str())) << name;
    BmpImage image;
    EXPECT_TRUE(image.Load(path)) << name;
    return image;
}

}  // namespace

TEST(ChartLibrary, LineAreaAndBarLayersDrawInTheirColoursOnAGradientPlot)
{
    const double values[] = {3, 7, 2, 9, 4, 8};
    const double times[] = {Chart::chartTime(2024, 5, 1, 10), Chart::chartTime(2024, 5, 1, 11),
                            Chart::chartTime(2024, 5, 1, 12), Chart::chartTime(2024, 5, 1, 13),
                            Chart::chartTime(2024, 5, 1, 14), Chart::chartTime(2024, 5, 1, 15)};
    XYChart line(300, 200, 0xECE9D8, Chart::Transparent, 0);
    const int gradient = line.linearGradientColor(0, 20, 0, 120, 0xFFFFCC, 0x0000AA);
    line.setPlotArea(40, 20, 240, 150, gradient, -1, 0xCCCCCC, Chart::Transparent);
    line.xAxis()->setDateScale(times[0], times[5]);
    line.xAxis()->setLabelFormat("{value|hh:nn}");
    LineLayer* red = line.addLineLayer(DoubleArray(values, 6), 0xFF0000);
    red->setXData(DoubleArray(times, 6));
    red->setLineWidth(3);
    BmpImage image = Render(line, "chart_line.bmp");
    EXPECT_EQ(image.width, 300);
    EXPECT_EQ(image.height, 200);
    EXPECT_GT(image.Count(0xFF0000), 40);
    // The gradient runs from its first colour at its start to its second at its end, and keeps
    // the second beyond.
    EXPECT_EQ(image.Count(0xFFFFCC, 12, {250, 21, 275, 23}), 50);
    EXPECT_EQ(image.Count(0x0000AA, 12, {250, 118, 275, 120}), 50);
    EXPECT_EQ(image.Count(0x0000AA, 3, {250, 130, 275, 160}), 25 * 30);
    EXPECT_EQ(image.At(5, 5), 0xECE9D8);

    const double bars[] = {5, 0, 9, 3};
    XYChart flat(200, 150);
    flat.setPlotArea(30, 20, 150, 100);
    flat.addBarLayer(DoubleArray(bars, 4), 0x0000FF)->setBarWidth(12);
    EXPECT_GT(Render(flat, "chart_bar.bmp").Count(0x0000FF, 10), 12 * 100);

    XYChart round(200, 150);
    round.setPlotArea(30, 20, 150, 100);
    BarLayer* cylinders = round.addBarLayer(DoubleArray(bars, 4), 0x0000FF);
    cylinders->set3D(3, 0);
    cylinders->setBarWidth(12);
    cylinders->setBarShape(Chart::CircleShape);
    const BmpImage shaded = Render(round, "chart_cylinders.bmp");
    int blue = 0;
    for (int y = 0; y < shaded.height; ++y)
        for (int x = 0; x < shaded.width; ++x) {
            const int c = shaded.At(x, y);
            blue += (c & 0xFF) > std::max((c >> 16) & 0xFF, (c >> 8) & 0xFF) + 60;
        }
    EXPECT_GT(blue, 8 * 100);

    XYChart area(200, 150);
    area.setPlotArea(30, 20, 150, 100, WHITE);
    area.addAreaLayer(DoubleArray(values, 6), 0x00AA00);
    EXPECT_GT(Render(area, "chart_area.bmp").Count(0x00AA00), 2000);
}

TEST(ChartLibrary, DenseDashedLinesStayInsideThePlotArea)
{
    // Far more points than pixel columns, with values beyond a fixed scale on both sides.
    std::vector<double> values(20000);
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = 50 + 80 * std::sin(i / 40.0);
    XYChart chart(300, 200, WHITE, Chart::Transparent, 0);
    chart.setPlotArea(50, 40, 200, 120, WHITE, -1, WHITE, Chart::Transparent);
    chart.yAxis()->setLinearScale(0, 100);
    const int dashed = chart.dashLineColor(0x00C000, Chart::DashLine);
    chart.addLineLayer(DoubleArray(values.data(), static_cast<int>(values.size())), dashed)->setLineWidth(3);
    const BmpImage image = Render(chart, "chart_dense.bmp");
    EXPECT_GT(image.Count(0x00C000, 0, {50, 40, 251, 161}), 2000);
    EXPECT_EQ(image.Count(0x00C000, 0, {0, 0, 300, 38}), 0);
    EXPECT_EQ(image.Count(0x00C000, 0, {0, 163, 300, 200}), 0);
}

TEST(ChartLibrary, PolarAreaAndThreeDimensionalPieDraw)
{
    const char* compass[] = {"N", "E", "S", "W"};
    const double speeds[] = {4, 0, 8, 2};
    PolarChart polar(160, 160, 0xECE9D8, Chart::Transparent, 0);
    polar.setPlotArea(80, 85, 52, 0xDDDDDD, Chart::Transparent, 1);
    polar.setGridStyle(false, true);
    polar.angularAxis()->setLabels(StringArray(compass, 4));
    polar.radialAxis()->setLabelFormat("{value}");
    polar.radialAxis()->setLabelStyle("", 8)->setBackground(0x40FFFFFF, 0x40000000);
    polar.addAreaLayer(DoubleArray(speeds, 4), 0xAA00AA);
    BmpImage rose = Render(polar, "chart_polar.bmp");
    EXPECT_EQ(rose.width, 160);
    EXPECT_GT(rose.Count(0xAA00AA, 30), 150);
    EXPECT_GT(rose.Count(0xDDDDDD, 8), 200);

    const double counts[] = {1, 1, 0, 0, 1};
    const double depths[] = {13, 13, 1, 1, 13};
    const char* labels[] = {"a", "b", "c", "d", "e"};
    PieChart pie(230, 145, Chart::BackgroundColor, Chart::Transparent, 0);
    pie.setPieSize(61, 76, 58);
    pie.setData(DoubleArray(counts, 5), StringArray(labels, 5));
    pie.set3D2(DoubleArray(depths, 5), 45);
    TextBox* sectorLabels = pie.setLabelStyle("", 8, Chart::Transparent);
    ASSERT_NE(sectorLabels, nullptr);
    EXPECT_EQ(pie.setLabelStyle("", 9, Chart::Transparent), sectorLabels);
    pie.addLegend(115, 35, true, "", 8)->setBackground(Chart::Transparent, Chart::Transparent);
    pie.setStartAngle(225);
    BmpImage plain = Render(pie, "chart_pie.bmp");
    const int first = plain.Count(0xE8412C, 30, {0, 0, 115, 145});
    EXPECT_GT(first, 500);  // the first data colour fills a third of the pie

    pie.setColors(IntArray(Chart::transparentPalette, Chart::transparentPaletteSize));
    BmpImage glass = Render(pie, "chart_pie_glass.bmp");
    EXPECT_GT(glass.Count(0xFF7F7F, 30, {0, 0, 115, 145}), 500);  // half-transparent red over white
}

TEST(ChartLibrary, RecordingLogsEveryCallWithItsArguments)
{
    Chart::startRecording();
    {
        const double data[] = {1, 2.5, 0};
        XYChart chart(230, 150, 0xECE9D8, Chart::Transparent, 0);
        chart.addBarLayer(DoubleArray(data, 3), 0xFF0000)->set3D(3, 0);
        chart.yAxis()->setTitle("Pressure", "bold", 10, Chart::TextColor);
        chart.yAxis()->setTitlePos(Chart::TopRight2, 3);
        const int dashed = chart.dashLineColor(0xFF0000, Chart::DotLine);
        chart.addLineLayer(DoubleArray(data, 3), dashed);
        chart.addLineLayer(DoubleArray(nullptr, 0));
    }
    const std::string log = Chart::recordedCalls();
    Chart::stopRecording();
    EXPECT_NE(log.find("XYChart(230,150,0xECE9D8,0xFF000000,0)\n"), std::string::npos) << log;
    EXPECT_NE(log.find("addBarLayer([3|1,2.5,0],0xFF0000,\"\")\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Layer.set3D(3,0)\n"), std::string::npos);
    EXPECT_NE(log.find("Axis.setTitle(\"Pressure\",\"bold\",10,0xFFFF0002)\n"), std::string::npos);
    EXPECT_NE(log.find("Axis.setTitlePos(11,3)\n"), std::string::npos);
    EXPECT_NE(log.find("dashLineColor(0xFF0000,514)\n"), std::string::npos);
    EXPECT_NE(log.find("addLineLayer([3|1,2.5,0],0xFFFE0000,\"\")\n"), std::string::npos);
    EXPECT_NE(log.find("addLineLayer([0|],-1,\"\")\n"), std::string::npos);
    // Once stopped, nothing more is logged; a new start begins an empty log.
    XYChart later(10, 10);
    EXPECT_EQ(Chart::recordedCalls(), log);
    Chart::startRecording();
    EXPECT_EQ(Chart::recordedCalls(), "");
    Chart::stopRecording();
}

TEST(ChartLibrary, TheRecordedBoxOfADrawnTextHoldsItsInkTightly)
{
    // A black chart title and a turned axis title on white: every dark pixel lies in the box recorded for
    // one of them, and each box has dark pixels next to each of its sides. Drawn again with the two
    // fonts swapped, each box is the one of its text in its new font, not the one measured before.
    const char* fonts[][2] = {{"timesbi.ttf", "bold"}, {"bold", "timesbi.ttf"}};
    for (const auto& font : fonts) {
        XYChart chart(260, 160, WHITE, Chart::Transparent, 0);
        chart.setPlotArea(60, 40, 150, 90, WHITE, -1, WHITE, WHITE, WHITE);
        chart.addTitle("Ciśnienie (Qj)", font[0], 14, 0x000000);
        chart.yAxis()->setTitle("Давление", font[1], 9, 0x000000);
        chart.yAxis()->setTitlePos(Chart::Left, 3);  // turned along the axis
        chart.yAxis()->setColors(WHITE, WHITE, -1, WHITE);
        chart.xAxis()->setColors(WHITE, WHITE, -1, WHITE);
        Chart::startRecording();
        const BmpImage image = Render(chart, "chart_ink.bmp");
        std::vector<DrawnText> texts = DrawnTexts(Chart::recordedCalls());
        Chart::stopRecording();
        // The axes' labels are white.
        texts.erase(std::remove_if(texts.begin(), texts.end(),
                                   [](const DrawnText& t) { return t.text != "Ciśnienie (Qj)" && t.text != "Давление"; }),
                    texts.end());
        ASSERT_EQ(texts.size(), 2u);
        auto dark = [&image](int x, int y) {
            const int c = image.At(x, y);
            return ((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF) < 3 * 0x90;
        };
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x)
                if (dark(x, y)) {
                    const bool boxed = std::any_of(texts.begin(), texts.end(), [x, y](const DrawnText& t) {
                        return x >= t.box.left - 1 && x <= t.box.right && y >= t.box.top - 1 && y <= t.box.bottom;
                    });
                    EXPECT_TRUE(boxed) << "ink at " << x << "," << y << " in " << font[0];
                }
        for (const DrawnText& t : texts) {
            auto darkIn = [&](int left, int top, int right, int bottom) {
                for (int y = std::max(top, 0); y < std::min(bottom, image.height); ++y)
                    for (int x = std::max(left, 0); x < std::min(right, image.width); ++x)
                        if (dark(x, y))
                            return true;
                return false;
            };
            const RECT& b = t.box;
            EXPECT_TRUE(darkIn(b.left - 1, b.top, b.left + 2, b.bottom)) << t.text << " left in " << font[0];
            EXPECT_TRUE(darkIn(b.right - 2, b.top, b.right + 1, b.bottom)) << t.text << " right in " << font[0];
            EXPECT_TRUE(darkIn(b.left, b.top - 1, b.right, b.top + 2)) << t.text << " top in " << font[0];
            EXPECT_TRUE(darkIn(b.left, b.bottom - 2, b.right, b.bottom + 1)) << t.text << " bottom in " << font[0];
        }
    }
}

// Small hinted labels spread past their glyphs' outlines. A rain chart whose axes end at "10",
// the right one by the image's right edge, and its dated x labels, in black on white: every dark
// pixel lies in the recorded box of a text, every box in the image, and the right axis's "10"
// shows as many pixels as the left one's (it is not cut at the edge).
TEST(ChartLibrary, SmallLabelsAtTheImagesEdgeKeepTheirWholeInkInTheirBoxes)
{
    const double rain[] = {0, 2.5, 10, 4, 7.5};
    const double t0 = Chart::chartTime(2024, 5, 10, 0);
    const double times[] = {t0, t0 + 86400, t0 + 2 * 86400, t0 + 3 * 86400, t0 + 4 * 86400};
    for (int width : {270, 333, 578}) {
        XYChart chart(width, 140, WHITE, Chart::Transparent, 0);
        chart.setPlotArea(30, 20, width - 45, 100, WHITE, WHITE, WHITE, Chart::Transparent);
        chart.xAxis()->setDateScale(times[0], times[4]);
        chart.xAxis()->setLabelFormat("{value|mm/dd hh:nn}");
        chart.xAxis()->setLabelStyle("arial.ttf", 7);
        chart.addLineLayer(DoubleArray(rain, 5), WHITE)->setXData(DoubleArray(times, 5));
        for (Axis* axis : {chart.xAxis(), chart.yAxis(), chart.yAxis2()})
            axis->setColors(WHITE, 0x000000, 0x000000, WHITE);
        Chart::startRecording();
        const BmpImage image = Render(chart, "chart_edge.bmp");
        const std::vector<DrawnText> texts = DrawnTexts(Chart::recordedCalls());
        Chart::stopRecording();
        auto dark = [&image](int x, int y) {
            const int c = image.At(x, y);
            return ((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF) < 3 * 0xC0;
        };
        auto darkIn = [&](const RECT& b) {
            int count = 0;
            for (int y = std::max<int>(b.top, 0); y < std::min<int>(b.bottom, image.height); ++y)
                for (int x = std::max<int>(b.left, 0); x < std::min<int>(b.right, image.width); ++x)
                    count += dark(x, y);
            return count;
        };
        int left = -1, right = -1;
        for (const DrawnText& t : texts) {
            EXPECT_TRUE(t.box.left >= 0 && t.box.top >= 0 && t.box.right <= width && t.box.bottom <= 140)
                << t.text << " at width " << width;
            if (t.text == "10" && t.box.right <= 30)
                left = darkIn(t.box);
            if (t.text == "10" && t.box.left >= width - 15)
                right = darkIn(t.box);
        }
        EXPECT_GT(left, 0) << width;
        EXPECT_EQ(right, left) << "the right axis's \"10\" at width " << width;
        int outside = 0;
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x)
                outside += dark(x, y) && std::none_of(texts.begin(), texts.end(), [x, y](const DrawnText& t) {
                    return x >= t.box.left && x < t.box.right && y >= t.box.top && y < t.box.bottom;
                });
        EXPECT_EQ(outside, 0) << "dark pixels outside every text's box at width " << width;
    }
}

TEST(ChartLibrary, FontsByFileAlwaysFindAFaceAndUtf8TextsRender)
{
    // Titles in black on white: every font name, Cyrillic, Polish and the degree sign leave ink.
    const char* fonts[] = {"arial.ttf", "mingliu.ttc", "timesbi.ttf", "bold", "", "no such face.ttf"};
    const char* texts[] = {"Давление", "Ciśnienie", "( °C / td°C )", "Pressure", "\xC3\x28 broken", "x"};
    for (int i = 0; i < 6; ++i) {
        XYChart chart(200, 60, WHITE, Chart::Transparent, 0);
        chart.setPlotArea(10, 40, 180, 10, WHITE, -1, WHITE, Chart::Transparent);
        chart.addTitle(texts[i], fonts[i], 12, 0x000000);
        BmpImage image = Render(chart, "chart_font.bmp");
        EXPECT_GT(image.Count(0x000000, 200, {0, 0, 200, 30}), 15) << fonts[i] << " " << texts[i];
    }
}

TEST(ChartLibrary, DegenerateInputStillMakesAFile)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double odd[] = {nan, Chart::NoValue, 5, std::numeric_limits<double>::infinity(), -3};
    {
        XYChart chart(0, 0);
        chart.xAxis()->setDateScale(500, 100);
        chart.yAxis()->setLinearScale(4, 4);
        chart.addLineLayer(DoubleArray(odd, 5))->setXData(DoubleArray(odd, 5));
        chart.addBarLayer(DoubleArray(nullptr, 7));
        chart.addLineLayer(DoubleArray(odd, 5), 0x00FF00)->setXData(DoubleArray(nullptr, 0));
        BmpImage image = Render(chart, "chart_degenerate.bmp");
        EXPECT_EQ(image.width, 1);
    }
    {
        XYChart chart(120, 80);
        chart.xAxis()->setDateScale(0, 0);
        chart.addLineLayer(DoubleArray(odd, 5), 0xFF0000)->setXData(DoubleArray(odd, 1));
        Render(chart, "chart_zero_dates.bmp");
    }
    {
        const double zeros[] = {0, 0, 0};
        const double depths[] = {nan, std::numeric_limits<double>::infinity(), -4};
        PieChart pie(100, 100);
        pie.setData(DoubleArray(zeros, 3));
        pie.set3D2(DoubleArray(depths, 3));
        EXPECT_EQ(Render(pie, "chart_empty_pie.bmp").Count(0xE8412C), 0);
        PieChart none(100, 100);
        none.setData(DoubleArray(nullptr, 0), StringArray(nullptr, 3));
        Render(none, "chart_no_pie.bmp");
    }
    {
        PolarChart polar(100, 100);
        polar.setPlotArea(50, 50, 0);
        polar.addAreaLayer(DoubleArray(odd, 5));
        Render(polar, "chart_polar_degenerate.bmp");
    }
    // A file that cannot be written is reported.
    XYChart chart(50, 50);
    EXPECT_FALSE(chart.makeChart("Z:\\no\\such\\folder\\chart.bmp"));
    EXPECT_FALSE(chart.makeChart(nullptr));
}

TEST(ChartLibrary, FilePathsInUtf8ReachFoldersOutsideTheCodePage)
{
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"\u6C14\u8C61\u56FE";  // a Chinese folder name
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring file = folder + L"\\chart.bmp";
    ::DeleteFileW(file.c_str());

    std::string utf8(static_cast<size_t>(::WideCharToMultiByte(CP_UTF8, 0, file.c_str(), -1, nullptr, 0, nullptr, nullptr)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, file.c_str(), -1, &utf8[0], static_cast<int>(utf8.size()), nullptr, nullptr);
    XYChart chart(40, 30, 0x00FF00);
    EXPECT_TRUE(chart.makeChart(utf8.c_str()));
    EXPECT_NE(::GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
    ::DeleteFileW(file.c_str());
    ::RemoveDirectoryW(folder.c_str());
}
