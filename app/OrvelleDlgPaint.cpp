// The main dialog's painted labels and legend samples, the colours of its controls, and the
// all-sensor chart window shown over the panels and given back.
#include "app/OrvelleDlg.h"

#include "display/PanelDrawing.h"
#include "display/PanelLabels.h"

namespace {

constexpr int QUANTITY_COUNT = 3;  // temperature, humidity, dewpoint
constexpr int THD_THICKNESS_FIRST = 18;
constexpr int THD_COLOUR_FIRST = 36;

}  // namespace

void COrvelleDlg::PaintPanels(CDC& dc)
{
    if (!m_hWnd || !HasElements())
        return;
    auto paintLabel = [this, &dc](int element) {
        const LabelFont font = PanelLabelFont(element, m_language);
        // A sensor's name ends with an ellipsis where it would run into the texts beside it.
        const bool sensorName = element >= ELEM_FIRST_SENSOR_NAME && element < ELEM_FIRST_SENSOR_NAME + CHANNEL_COUNT;
        DrawPanelText(dc, m_elemX[element], m_elemY[element], font.height, PANEL_TEXT_FACE, font.weight,
                      m_elemCaption[element], font.escapement, sensorName ? LegendNameRoom(element, m_language) : 0);
    };
    const int labelCount = static_cast<int>(sizeof(kPaintedLabels) / sizeof(kPaintedLabels[0]));
    for (int i = 0; i < kLabelsBeforeSamples; ++i)
        paintLabel(kPaintedLabels[i]);
    for (int sensor = 0; sensor < CHANNEL_COUNT; ++sensor) {
        for (int quantity = 0; quantity < QUANTITY_COUNT; ++quantity) {
            const int element = ELEM_FIRST_LEGEND_SAMPLE + QUANTITY_COUNT * sensor + quantity;
            const int setting = CHANNEL_COUNT * quantity + sensor;
            DrawLineSample(dc, m_elemX[element], m_elemX[element] + m_elemW[element], m_elemY[element],
                           m_elemY[element], static_cast<COLORREF>(m_thdSettings[THD_COLOUR_FIRST + setting]),
                           m_thdSettings[setting], m_thdSettings[THD_THICKNESS_FIRST + setting]);
        }
    }
    for (int i = kLabelsBeforeSamples; i < labelCount; ++i)
        paintLabel(kPaintedLabels[i]);
}

HBRUSH COrvelleDlg::OnCtlColor(CDC* dc, CWnd* control, UINT ctlType)
{
    HBRUSH brush = CDialog::OnCtlColor(dc, control, ctlType);
    if (!m_bkBrush)
        return brush;
    // Every static (frames, check boxes, value texts) on the window's own colour: the system's
    // button colour would leave pale boxes on the panels.
    if (ctlType == CTLCOLOR_STATIC) {
        dc->SetBkMode(TRANSPARENT);
        return m_bkBrush;
    }
    if (ctlType == CTLCOLOR_DLG)
        return m_bkBrush;
    return brush;
}

bool COrvelleDlg::IsOnSmallChart(CPoint point) const
{
    for (int id : kSmallChartControls) {
        CRect chart;
        ::GetWindowRect(ItemHandle(id), &chart);
        ScreenToClient(&chart);
        if (point.x >= chart.left && point.x < chart.right && point.y >= chart.top && point.y < chart.bottom)
            return true;
    }
    return false;
}

void COrvelleDlg::OnLButtonDown(UINT flags, CPoint point)
{
    if (!m_downloading && m_pAllChartDlg && m_pAllChartDlg->m_hWnd && IsOnSmallChart(point)) {
        m_pAllChartDlg->ShowWindow(SW_SHOW);
        ::SetWindowPos(m_pAllChartDlg->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        m_pAllChartDlg->OnTimeRangeChange();
        m_bigChartShown = 1;
        ShowPanelControls(false);
    }
    CDialog::OnLButtonDown(flags, point);
}

ChartUnitFactors COrvelleDlg::ChartUnits() const
{
    ChartUnitFactors units;
    units.temperature = m_temperatureFactor;
    units.pressure = m_pressureFactor;
    units.wind = m_windFactor;
    units.rain = m_rainFactor;
    units.uv = m_uvFactor;
    return units;
}

void COrvelleDlg::SetAllChartTimeWindowFromLastRecord()
{
    if (m_pAllChartDlg && m_pAllChartDlg->m_hWnd)
        m_pAllChartDlg->SetTimeWindowFromLastRecord();
}

void COrvelleDlg::OnAllChartClosed()
{
    m_bigChartShown = 0;
    ShowPanelControls(true);
    ApplyPanelLayout(false);
    RefreshAllValues();
}
