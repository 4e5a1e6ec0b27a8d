#include "dialogs/DisplayDialog.h"

#include "dialogs/DialogLayout.h"
#include "res/resource.h"
#include "texts/TextTables.h"

namespace {

constexpr int FORECAST_CHECK = 1142;
constexpr int PRESSURE_CHECK = 1143;
constexpr int RAIN_CHECK = 1145;
constexpr int WIND_SPEED_CHECK = 1146;
constexpr int WIND_DIRECTION_CHECK = 1147;
constexpr int PRESSURE_BAR = 1150;  // 1150/1151 pressure, 1152/1153 UV, 1154/1155 rain: bar, line
constexpr int RAIN_LINE = 1155;
constexpr int SPEED_BAR = 1156;
constexpr int SPEED_LINE = 1157;
constexpr int DIRECTION_FIRST = 1158;
constexpr int DIRECTION_SECOND = 1159;
constexpr int WIND_ROSE = 1160;
constexpr int PART_LABEL = 1162;
constexpr int VIEW_LABEL = 1163;
constexpr int FORECAST_LABEL = 1169;
constexpr int FIRST_CHART_LABEL = 1164;  // 1164..1168: pressure, UV, rain, wind speed, wind direction
constexpr int VIEW_ROSE = 3;

// The bracket beside the wind rose's radio, which stands for both wind rows.
const POINT kRoseBracket[] = {{315, 170}, {340, 182}, {315, 194}};

// The pressure, UV and rain rows: check box and the first of their two radios (bar, line).
int ChartRadio(int check) { return PRESSURE_BAR + 2 * (check - PRESSURE_CHECK); }
int ChartCheck(int radio) { return PRESSURE_CHECK + (radio - PRESSURE_BAR) / 2; }

}  // namespace

const ui::MsgMapEntry CDisplayDialogDlg::kMessageEntries[] = {
    ui::OnMessage<WM_PAINT, &CDisplayDialogDlg::OnPaint>(),
    ui::OnCommandRange<&CDisplayDialogDlg::OnChartCheck>(PRESSURE_CHECK, RAIN_CHECK),
    ui::OnCommand<&CDisplayDialogDlg::OnWindCheck>(WIND_SPEED_CHECK),
    ui::OnCommand<&CDisplayDialogDlg::OnWindCheck>(WIND_DIRECTION_CHECK),
    ui::OnCommandRange<&CDisplayDialogDlg::OnChartRadio>(PRESSURE_BAR, RAIN_LINE),
    ui::OnCommandRange<&CDisplayDialogDlg::OnWindRadio>(SPEED_BAR, WIND_ROSE),
};
UI_IMPLEMENT_MESSAGE_MAP(CDisplayDialogDlg, CDialog)

CDisplayDialogDlg::CDisplayDialogDlg(CWnd* parent) : CDialog(IDD_DISPLAY, parent) {}

BOOL CDisplayDialogDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetItemSize(*this, PART_LABEL, 200, 14);
    SetItemSize(*this, FORECAST_LABEL, 200, 14);
    for (int id = FIRST_CHART_LABEL; id < FIRST_CHART_LABEL + 5; ++id)
        SetItemSize(*this, id, 200, 14);
    SetItemSize(*this, VIEW_LABEL, 140, 14);
    const ItemText items[] = {{0, 0},         {1161, 1},        {PART_LABEL, 2}, {VIEW_LABEL, 3},
                              {FORECAST_LABEL, 4}, {1164, 5},   {1165, 6},       {1166, 7},
                              {1167, 8},      {1168, 9},        {IDOK, 10},      {IDCANCEL, 11}};
    SetItemTexts(*this, g_displayDialogTexts, items, m_language);

    const int shows[] = {m_showForecast, m_showPressure, m_showUv, m_showRain, m_showWindSpeed, m_showWindDirection};
    for (int i = 0; i < 6; ++i)
        CheckDlgButton(FORECAST_CHECK + i, shows[i] ? BST_CHECKED : BST_UNCHECKED);
    const int chartShows[] = {m_showPressure, m_showUv, m_showRain};
    const int chartViews[] = {m_pressureView, m_uvView, m_rainView};
    for (int i = 0; i < 3; ++i)
        if (chartShows[i])
            CheckDlgButton(ChartRadio(PRESSURE_CHECK + i) + (chartViews[i] == 1 ? 0 : 1), BST_CHECKED);
    ShowWindViews();
    return TRUE;
}

void CDisplayDialogDlg::ShowWindViews()
{
    if (!m_showWindSpeed && !m_showWindDirection)
        return;
    int radio = m_showWindDirection && m_windDirectionView == 1 ? DIRECTION_FIRST : DIRECTION_SECOND;
    if (m_showWindSpeed && m_showWindDirection && m_windSpeedView == VIEW_ROSE && m_windDirectionView == VIEW_ROSE)
        radio = WIND_ROSE;
    else if (m_showWindSpeed && m_windSpeedView == 1)
        radio = SPEED_BAR;
    else if (m_showWindSpeed && m_windSpeedView == 2)
        radio = SPEED_LINE;
    CheckDlgButton(radio, BST_CHECKED);
}

void CDisplayDialogDlg::OnPaint()
{
    if (IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    dc.MoveTo(kRoseBracket[0].x, kRoseBracket[0].y);
    dc.LineTo(kRoseBracket[1].x, kRoseBracket[1].y);
    dc.LineTo(kRoseBracket[2].x, kRoseBracket[2].y);
}

// Pressure, UV or rain shown or hidden: its bar radio follows the box, its line radio is cleared.
void CDisplayDialogDlg::OnChartCheck(UINT id)
{
    const int radio = ChartRadio(static_cast<int>(id));
    CheckDlgButton(radio, IsDlgButtonChecked(static_cast<int>(id)));
    CheckDlgButton(radio + 1, BST_UNCHECKED);
}

// A wind box changed: the wind radios follow both boxes (speed alone: speed bar; direction alone:
// first direction chart; both: the rose; neither: none).
void CDisplayDialogDlg::OnWindCheck()
{
    const bool speed = IsDlgButtonChecked(WIND_SPEED_CHECK) == BST_CHECKED;
    const bool direction = IsDlgButtonChecked(WIND_DIRECTION_CHECK) == BST_CHECKED;
    int checked = 0;
    if (speed && direction)
        checked = WIND_ROSE;
    else if (speed)
        checked = SPEED_BAR;
    else if (direction)
        checked = DIRECTION_FIRST;
    for (int radio = SPEED_BAR; radio <= WIND_ROSE; ++radio)
        CheckDlgButton(radio, radio == checked ? BST_CHECKED : BST_UNCHECKED);
}

void CDisplayDialogDlg::OnChartRadio(UINT id)
{
    CheckDlgButton(ChartCheck(static_cast<int>(id)), BST_CHECKED);
}

void CDisplayDialogDlg::OnWindRadio(UINT id)
{
    const int radio = static_cast<int>(id);
    const bool speed = radio == SPEED_BAR || radio == SPEED_LINE || radio == WIND_ROSE;
    const bool direction = radio == DIRECTION_FIRST || radio == DIRECTION_SECOND || radio == WIND_ROSE;
    CheckDlgButton(WIND_SPEED_CHECK, speed ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(WIND_DIRECTION_CHECK, direction ? BST_CHECKED : BST_UNCHECKED);
}

void CDisplayDialogDlg::OnOK()
{
    int* shows[] = {&m_showForecast, &m_showPressure, &m_showUv, &m_showRain, &m_showWindSpeed, &m_showWindDirection};
    for (int i = 0; i < 6; ++i)
        *shows[i] = IsDlgButtonChecked(FORECAST_CHECK + i) == BST_CHECKED ? 1 : 0;
    const int chartShows[] = {m_showPressure, m_showUv, m_showRain};
    int* chartViews[] = {&m_pressureView, &m_uvView, &m_rainView};
    for (int i = 0; i < 3; ++i) {
        const bool bar = IsDlgButtonChecked(ChartRadio(PRESSURE_CHECK + i)) == BST_CHECKED;
        *chartViews[i] = (bar ? 1 : 2) * chartShows[i];
    }
    struct WindChoice {
        int radio, speedView, directionView;
    };
    static const WindChoice kWindChoices[] = {{WIND_ROSE, VIEW_ROSE, VIEW_ROSE}, {SPEED_BAR, 1, 0}, {SPEED_LINE, 2, 0},
                                              {DIRECTION_FIRST, 0, 1},           {DIRECTION_SECOND, 0, 2}};
    for (const WindChoice& choice : kWindChoices) {
        if (IsDlgButtonChecked(choice.radio) == BST_CHECKED) {
            m_windSpeedView = choice.speedView;
            m_windDirectionView = choice.directionView;
        }
    }
    EndDialog(IDOK);
}
