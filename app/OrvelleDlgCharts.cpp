// The main window's chart images: each maker of the display operations renders its chart from
// the rolling histories into the image folder (display/MainCharts.h) and shows the file in its
// picture control; the hand cursor over the chart pictures.
#include "app/OrvelleDlg.h"

#include "display/MainCharts.h"
#include "station/FileWrites.h"

#include <cerrno>

ChartFrame COrvelleDlg::ChartFrameFor(const CxStatic& picture, const char* file) const
{
    ChartFrame frame;
    if (picture.m_hWnd) {
        CRect rect;
        picture.GetWindowRect(rect);
        ScreenToClient(rect);
        frame.width = rect.Width();
        frame.height = rect.Height();
    }
    frame.path = std::string(m_imgFolderA) + file;
    return frame;
}

std::wstring COrvelleDlg::ChartFilePath(const char* file) const
{
    std::wstring path = m_imgFolder.str();
    for (const char* p = file; *p; ++p)
        path += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return path;
}

void COrvelleDlg::ShowChartFile(CxStatic& picture, const char* file)
{
    picture.LoadBitmapFile(ChartFilePath(file).c_str());
}

double COrvelleDlg::RecordDayEnd() const
{
    return ChartTimeOf(m_recordTime[RECORD_YEAR], m_recordTime[RECORD_MONTH], m_recordTime[RECORD_DAY], 23, 59, 59);
}

namespace {

// Why a chart picture was not written: the system's error, or, when the chart library's runtime cut
// the write short without one, a full disk when the folder has less room than the picture needs.
unsigned long ChartWriteError(const ChartFrame& frame, const std::wstring& folder)
{
    const unsigned long error = ErrorOfFailedFileCall();
    ULARGE_INTEGER room{};
    const unsigned long long needed = 54ull + 3ull * static_cast<unsigned>(frame.width + 1) * frame.height;
    if (error == ERROR_WRITE_FAULT && ::GetDiskFreeSpaceExW(folder.c_str(), &room, nullptr, nullptr) &&
        room.QuadPart < needed)
        return ERROR_DISK_FULL;
    return error;
}

}  // namespace

// A chart whose picture control does not exist (a main dialog without its window) is not drawn. A
// picture that could not be written is said, with the system's reason.
void COrvelleDlg::RenderChart(CxStatic& picture, const char* file, const std::function<bool(const ChartFrame&)>& draw)
{
    if (!picture.m_hWnd)
        return;
    const ChartFrame frame = ChartFrameFor(picture, file);
    const std::wstring path = ChartFilePath(file);
    ::SetLastError(0);
    errno = 0;
    if (draw(frame)) {
        NoteWritten(WriteTask::ChartPictures, path);
    } else {
        SayFailedWrite(WriteTask::ChartPictures, path, ChartWriteError(frame, m_imgFolder.str()));
        ::DeleteFileW(path.c_str());  // no part of a picture is shown for the whole
    }
    ShowChartFile(picture, file);
}

void COrvelleDlg::DrawPressureBarChart()
{
    const HistoryView pressure{m_pressureHistoryTimes, m_pressureHistoryValues, PRESSURE_HISTORY_SIZE, m_pressureHistoryCount};
    RenderChart(m_pressureChart, PRESSURE_BAR_FILE,
                [&](const ChartFrame& frame) { return DrawPressureBars(frame, pressure, m_language); });
}

void COrvelleDlg::DrawPressureLineChart()
{
    const HistoryView pressure{m_pressureHistoryTimes, m_pressureHistoryValues, PRESSURE_HISTORY_SIZE, m_pressureHistoryCount};
    RenderChart(m_pressureChart, PRESSURE_LINE_FILE,
                [&](const ChartFrame& frame) { return DrawPressureLine(frame, pressure, m_language); });
}

void COrvelleDlg::DrawUvBarChart()
{
    const HistoryView uv{m_uvHistoryTimes, m_uvHistoryValues, UV_HISTORY_SIZE, m_uvHistoryCount};
    RenderChart(m_uvChart, UV_BAR_FILE, [&](const ChartFrame& frame) { return DrawUvBars(frame, uv); });
}

void COrvelleDlg::DrawUvLineChart()
{
    const HistoryView uv{m_uvHistoryTimes, m_uvHistoryValues, UV_HISTORY_SIZE, m_uvHistoryCount};
    RenderChart(m_uvChart, UV_LINE_FILE, [&](const ChartFrame& frame) { return DrawUvLine(frame, uv, RecordChartTime()); });
}

void COrvelleDlg::DrawRainBarChart()
{
    const HistoryView rain{m_rainHistoryTimes, m_rainHistoryValues, RAIN_HISTORY_SIZE, m_rainHistoryCount};
    RenderChart(m_rainChart, RAIN_BAR_FILE,
                [&](const ChartFrame& frame) { return DrawRainBars(frame, rain, RecordDayEnd(), m_language); });
}

void COrvelleDlg::DrawRainLineChart()
{
    const HistoryView rain{m_rainHistoryTimes, m_rainHistoryValues, RAIN_HISTORY_SIZE, m_rainHistoryCount};
    RenderChart(m_rainChart, RAIN_LINE_FILE, [&](const ChartFrame& frame) {
        return DrawRainLine(frame, rain, RecordChartTime(), RecordDayEnd(), m_language);
    });
}

void COrvelleDlg::DrawWindRoseChart()
{
    const HistoryView speeds{m_windHistoryTimes, m_windHistorySpeeds, WIND_HISTORY_SIZE, m_windHistoryCount};
    RenderChart(m_windChart, WIND_ROSE_FILE, [&](const ChartFrame& frame) {
        return DrawWindRose(frame, speeds, m_windHistoryDirections, m_language);
    });
}

void COrvelleDlg::DrawWindSpeedBarChart()
{
    const HistoryView speeds{m_windHistoryTimes, m_windHistorySpeeds, WIND_HISTORY_SIZE, m_windHistoryCount};
    RenderChart(m_windChart, WIND_BAR_FILE, [&](const ChartFrame& frame) {
        return DrawWindSpeedBars(frame, speeds, RecordChartTime(), m_language, m_windSpeedBarValues);
    });
}

void COrvelleDlg::DrawWindSpeedLineChart()
{
    const HistoryView speeds{m_windHistoryTimes, m_windHistorySpeeds, WIND_HISTORY_SIZE, m_windHistoryCount};
    RenderChart(m_windChart, WIND_LINE_FILE,
                [&](const ChartFrame& frame) { return DrawWindSpeedLine(frame, speeds, m_language); });
}

void COrvelleDlg::DrawWindDirectionBarChart()
{
    const HistoryView directions{m_windHistoryTimes, m_windHistoryDirections, WIND_HISTORY_SIZE, m_windHistoryCount};
    RenderChart(m_windChart, WIND_BAR_FILE,
                [&](const ChartFrame& frame) { return DrawWindDirectionBars(frame, directions, m_language); });
}

void COrvelleDlg::DrawWindDirectionChart()
{
    const HistoryView directions{m_windHistoryTimes, m_windHistoryDirections, WIND_HISTORY_SIZE, m_windHistoryCount};
    RenderChart(m_windChart, WIND_DIRECTION_FILE,
                [&](const ChartFrame& frame) { return DrawWindDirectionLine(frame, directions, m_language); });
}

void COrvelleDlg::DrawTemperatureChart()
{
    FillDewpointSeries();
    TemperatureChartInput input;
    input.size = SENSOR_HISTORY_SIZE;
    for (int s = 0; s < SENSOR_COUNT && s < CHART_SENSORS; ++s) {
        input.times[s] = m_sensorHistoryTimes[s];
        input.series[0][s] = m_sensorHistoryTemperatures[SensorRow(s)];
        input.series[1][s] = m_sensorHistoryHumidities[SensorRow(s)];
        input.series[2][s] = m_sensorHistoryDewpoints[SensorRow(s)];
        input.timeCounts[s] = m_sensorHistoryCounts[s];
        input.humidityCounts[s] = m_humidityHistoryCounts[s];
    }
    input.shown = m_channelShown;
    input.lineSettings = m_thdSettings;
    RenderChart(m_temperatureChart, TEMPERATURE_FILE,
                [&](const ChartFrame& frame) { return DrawTemperatureLines(frame, input, m_temperatureFactor); });
}

void COrvelleDlg::ShowReadingInTurn(unsigned steps)
{
    const bool waiting = m_readingSteps != 0;
    m_readingSteps |= steps;
    if (!waiting && m_readingSteps != 0 && m_hWnd != nullptr)
        ::PostMessageW(m_hWnd, WM_SHOW_NEXT_STEP, 0, 0);
}

LRESULT COrvelleDlg::OnShowNextStep(WPARAM, LPARAM)
{
    // The lowest step waiting: the values, then the charts of UV, pressure, rain, wind, temperature.
    const unsigned step = m_readingSteps & (~m_readingSteps + 1);
    m_readingSteps &= ~step;
    switch (step) {
    case STEP_VALUES: RefreshAllValues(); break;
    case STEP_UV_CHART: RedrawUvChart(); break;
    case STEP_PRESSURE_CHART: RedrawPressureChart(); break;
    case STEP_RAIN_CHART: RedrawRainChart(); break;
    case STEP_WIND_CHART: RedrawWindChart(); break;
    case STEP_TEMPERATURE_CHART: DrawTemperatureChart(); break;
    default: break;
    }
    if (m_readingSteps != 0)
        ::PostMessageW(m_hWnd, WM_SHOW_NEXT_STEP, 0, 0);
    return 0;
}

void COrvelleDlg::OnMouseMove(UINT flags, CPoint point)
{
    if (IsOnSmallChart(point))
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    CDialog::OnMouseMove(flags, point);
}
