#include "display/ShowAllChartDlg.h"

#include "display/AllChartLayout.h"
#include "display/PanelDrawing.h"
#include "records/RecordFileIo.h"
#include "res/resource.h"
#include "texts/TextEncoding.h"

namespace {

constexpr COLORREF CHART_WINDOW_BACKGROUND = 0xD8E9EC;
constexpr int LEGEND_TEXT_HEIGHT = 12;
constexpr int LEGEND_TEXT_WEIGHT = 700;

bool IsSeriesBox(int id) { return id >= IDC_ALL_CHART_FIRST_SERIES && id < IDC_ALL_CHART_FIRST_SERIES + SERIES_COUNT; }

// A bare ASCII file name as a wide one.
std::wstring WideName(const std::string& name) { return std::wstring(name.begin(), name.end()); }

}  // namespace

const ui::MsgMapEntry CShowAllChartDlg::kMessageEntries[] = {
    ui::OnMessage<ui::WM_CTLCOLOR, &CShowAllChartDlg::OnCtlColor>(),
    ui::OnMessage<WM_PAINT, &CShowAllChartDlg::OnPaint>(),
    ui::OnCommandRange<&CShowAllChartDlg::OnSeriesCheck>(IDC_ALL_CHART_FIRST_SERIES,
                                                         IDC_ALL_CHART_FIRST_SERIES + SERIES_COUNT - 1),
    ui::OnCommand<&CShowAllChartDlg::OnPieView>(IDC_ALL_CHART_PIE_VIEW),
    ui::OnCommand<&CShowAllChartDlg::OnLineView>(IDC_ALL_CHART_LINE_VIEW),
    ui::OnCommand<&CShowAllChartDlg::OnCloseButton>(IDC_ALL_CHART_CLOSE),
    ui::OnControl<&CShowAllChartDlg::OnTimeRangeChange>(CBN_SELCHANGE, IDC_ALL_CHART_TIME_RANGE),
};
UI_IMPLEMENT_MESSAGE_MAP(CShowAllChartDlg, CDialog)

CShowAllChartDlg::CShowAllChartDlg() : CDialog(IDD_SHOW_ALL_CHART) {}

CShowAllChartDlg::~CShowAllChartDlg()
{
    if (m_backgroundBrush)
        ::DeleteObject(m_backgroundBrush);
}

BOOL CShowAllChartDlg::Create(CWnd* parent) { return CDialog::Create(IDD_SHOW_ALL_CHART, parent); }

int CShowAllChartDlg::PieControlId(int series)
{
    if (series == 0)
        return IDC_ALL_CHART_PIE_IN_TEMPERATURE;
    if (series <= 5)
        return IDC_ALL_CHART_PIE_CH1 + series - 1;
    return IDC_ALL_CHART_PIE_FIRST_OTHER + series - 6;
}

void CShowAllChartDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_ALL_CHART_GROUP, m_groupBox);
    for (int i = 0; i < SERIES_COUNT; ++i)
        DDX_Control(dx, IDC_ALL_CHART_FIRST_SERIES + i, m_seriesCheck[i]);
    DDX_Control(dx, IDC_ALL_CHART_LINE_PICTURE, m_lineChartPicture);
    for (int i = 0; i < SERIES_COUNT; ++i)
        DDX_Control(dx, PieControlId(i), m_piePicture[i]);
    DDX_Control(dx, IDC_ALL_CHART_TIME_RANGE, m_timeRangeCombo);
}

BOOL CShowAllChartDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_backgroundBrush = ::CreateSolidBrush(CHART_WINDOW_BACKGROUND);
    const ChartWindowElement& group = g_chartWindowLayout[CHART_ELEM_GROUP_BOX];
    m_groupBox.MoveWindow(group.x, group.y, group.width, group.height, TRUE);
    for (int i = 0; i < SERIES_COUNT; ++i) {
        const ChartWindowElement& box = g_chartWindowLayout[CHART_ELEM_FIRST_BOX + i];
        m_seriesCheck[i].MoveWindow(box.x, box.y, box.width, box.height, TRUE);
        m_seriesShown[i] = false;
        m_series[i] = Series();
    }
    m_checkedCount = 0;
    m_lineChartPicture.MoveWindow(LINE_CHART_X, LINE_CHART_Y, LINE_CHART_WIDTH, LINE_CHART_HEIGHT, TRUE);
    for (int k = 0; k < TIME_RANGE_COUNT; ++k)
        m_timeRangeCombo.AddString(EntryAt(g_chartTimeRangeTexts, k));
    m_timeRangeCombo.SetCurSel(TIME_RANGE_LAST_HOUR);
    for (CxStatic& pie : m_piePicture)
        pie.ShowWindow(SW_HIDE);
    CheckDlgButton(IDC_ALL_CHART_LINE_VIEW, BST_CHECKED);
    m_pieView = 0;
    LoadChartSettings();
    SaveChartSettings();
    return TRUE;
}

// ---- painting -----------------------------------------------------------------------------------

void CShowAllChartDlg::OnPaint()
{
    CPaintDC dc(this);
    const int* lineSettings = m_pMainDlg ? m_pMainDlg->ChartLineSettings() : nullptr;
    for (int i = 0; i < SERIES_COUNT; ++i) {
        const ChartWindowElement& sample = g_chartWindowLayout[CHART_ELEM_FIRST_SAMPLE + i];
        const SeriesKind& kind = SeriesKindOf(i);
        COLORREF colour = RGB(kind.colour >> 16, (kind.colour >> 8) & 0xFF, kind.colour & 0xFF);
        int style = 0;
        int thickness = sample.height;
        if (kind.sensor >= 0 && lineSettings) {
            const int setting = 6 * kind.quantity + kind.sensor;
            style = lineSettings[setting];
            thickness = lineSettings[18 + setting];
            colour = static_cast<COLORREF>(lineSettings[36 + setting]);
        }
        DrawLineSample(dc, sample.x, sample.x + sample.width, sample.y, sample.y, colour, style, thickness);
    }
    for (int i = 0; i < SERIES_COUNT; ++i) {
        const ChartWindowElement& title = g_chartWindowLayout[CHART_ELEM_FIRST_TITLE + i];
        DrawPanelText(dc, title.x, title.y, LEGEND_TEXT_HEIGHT, L"Arial", LEGEND_TEXT_WEIGHT, SeriesTitle(i), 0);
    }
}

HBRUSH CShowAllChartDlg::OnCtlColor(CDC* dc, CWnd* control, UINT ctlType)
{
    HBRUSH brush = CDialog::OnCtlColor(dc, control, ctlType);
    if (!m_backgroundBrush)
        return brush;
    // Every static-class control (the boxes, the radios, the frame and the pictures beside the
    // radios) on the window's own colour: the system's button colour would leave pale boxes.
    if (ctlType == CTLCOLOR_STATIC) {
        dc->SetBkMode(TRANSPARENT);
        return m_backgroundBrush;
    }
    if (ctlType == CTLCOLOR_DLG)
        return m_backgroundBrush;
    return brush;
}

// ---- handlers -----------------------------------------------------------------------------------

void CShowAllChartDlg::OnSeriesCheck(UINT id)
{
    if (!IsSeriesBox(static_cast<int>(id)))
        return;
    const int series = static_cast<int>(id) - IDC_ALL_CHART_FIRST_SERIES;
    m_seriesShown[series] = !m_seriesShown[series];
    if (m_seriesShown[series]) {
        ++m_checkedCount;
        if (m_checkedCount > MAX_SHOWN_SERIES) {
            m_seriesCheck[series].SetCheck(BST_UNCHECKED);
            m_seriesShown[series] = false;
            --m_checkedCount;
        }
    } else {
        --m_checkedCount;
    }
    CopySeriesFromHistory();
    RedrawView();
    SaveChartSettings();
}

void CShowAllChartDlg::OnPieView()
{
    m_pieView = 1;
    m_lineChartPicture.ShowWindow(SW_HIDE);
    ShowSeriesPies();
    SaveChartSettings();
}

void CShowAllChartDlg::OnLineView()
{
    m_pieView = 0;
    m_lineChartPicture.ShowWindow(SW_SHOW);
    DrawAllLineChart();
    for (CxStatic& pie : m_piePicture)
        pie.ShowWindow(SW_HIDE);
    SaveChartSettings();
}

void CShowAllChartDlg::OnCloseButton()
{
    ShowWindow(SW_HIDE);
    if (m_pMainDlg)
        m_pMainDlg->OnAllChartClosed();
    // The keys go to the window it covered again: its first control shown takes the focus, unless
    // the focus is on a control shown there already (never on one of this window's hidden ones).
    const HWND parent = ::GetParent(m_hWnd);
    const HWND focus = ::GetFocus();
    if (!focus || focus == parent || !::IsWindowVisible(focus))
        ui::FocusFirstControl(parent);
}

void CShowAllChartDlg::OnOK() { OnCloseButton(); }

void CShowAllChartDlg::OnCancel() { OnCloseButton(); }

void CShowAllChartDlg::OnTimeRangeChange()
{
    const double readingTime = m_pMainDlg ? m_pMainDlg->CurrentReadingChartTime() : 0;
    const ChartPeriod period =
        PeriodOfRange(PublishedHistoryColumns(), m_timeRangeCombo.GetCurSel(), readingTime, ChartPeriod{m_timeStart, m_timeEnd});
    m_timeStart = period.start;
    m_timeEnd = period.end;
    CopySeriesFromHistory();
    RedrawView();
    SaveChartSettings();
}

void CShowAllChartDlg::SetTimeWindowFromLastRecord()
{
    const ChartPeriod period = PeriodAfterDownload(PublishedHistoryColumns(), ChartPeriod{m_timeStart, m_timeEnd});
    m_timeStart = period.start;
    m_timeEnd = period.end;
    CopySeriesFromHistory();
}

// ---- series and drawing -------------------------------------------------------------------------

void CShowAllChartDlg::CopySeriesFromHistory() { m_series = SeriesPointsFrom(PublishedHistoryColumns(), m_timeStart); }

void CShowAllChartDlg::RedrawView()
{
    if (m_pieView == 1)
        ShowSeriesPies();
    else
        DrawAllLineChart();
}

void CShowAllChartDlg::DrawAllLineChart()
{
    if (!m_lineChartPicture.m_hWnd || !m_pMainDlg)
        return;
    CRect rect;
    m_lineChartPicture.GetWindowRect(rect);
    ScreenToClient(rect);
    ChartFrame frame;
    frame.width = rect.Width();
    frame.height = rect.Height();
    frame.path = m_chartFolderA + ALL_LINE_CHART_FILE;
    AllSensorChartInput input;
    for (int i = 0; i < SERIES_COUNT; ++i)
        input.shown[i] = m_seriesShown[i];
    input.series = &m_series;
    input.lineSettings = m_pMainDlg->ChartLineSettings();
    input.units = m_pMainDlg->ChartUnits();
    DrawAllSensorLineChart(frame, input);
    m_lineChartPicture.LoadBitmapFile((m_chartFolder.str() + WideName(ALL_LINE_CHART_FILE)).c_str());
}

void CShowAllChartDlg::ShowSeriesPies()
{
    for (CxStatic& pie : m_piePicture)
        pie.ShowWindow(SW_HIDE);
    int slot = 0;
    for (int i = 0; i < SERIES_COUNT && slot < MAX_SHOWN_SERIES; ++i) {
        if (!m_seriesShown[i])
            continue;
        const PieSlot place = PieSlotAt(slot);
        m_piePicture[i].ShowWindow(SW_SHOW);
        m_piePicture[i].MoveWindow(place.x, place.y, PIE_WIDTH, PIE_HEIGHT, TRUE);
        DrawSeriesPie(i);
        ++slot;
    }
}

void CShowAllChartDlg::DrawSeriesPie(int series)
{
    const Series& points = m_series[series];
    const PieRanges ranges = PieRangesOf(points.values.data(), static_cast<int>(points.values.size()));
    const std::string file = SeriesPieFile(series);
    ::DrawSeriesPie(file, ranges, Utf8(SeriesTitle(series)));
    m_piePicture[series].LoadBitmapFile(WideName(file).c_str());
}

// ---- settings file ------------------------------------------------------------------------------

bool CAllChartOwner::WriteOwnFile(const std::wstring& path, const std::string& bytes)
{
    return ReplaceFileWith(path, bytes);
}

std::wstring CShowAllChartDlg::SettingsPath() const { return m_settingsFolder.str() + ALL_CHART_SETTINGS_FILE; }

void CShowAllChartDlg::LoadChartSettings()
{
    AllChartSettings settings;
    LoadAllChartSettings(SettingsPath(), &settings);
    m_checkedCount = 0;
    for (int i = 0; i < SERIES_COUNT; ++i) {
        m_seriesCheck[i].SetCheck(settings.checks[i]);
        m_seriesShown[i] = settings.checks[i] != 0;
        m_checkedCount += m_seriesShown[i] ? 1 : 0;
    }
    m_pieView = settings.lineView ? 0 : 1;
    CheckDlgButton(IDC_ALL_CHART_LINE_VIEW, settings.lineView ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_ALL_CHART_PIE_VIEW, settings.lineView ? BST_UNCHECKED : BST_CHECKED);
    // The line chart lies above the pies: in the pie view it would cover them.
    m_lineChartPicture.ShowWindow(settings.lineView ? SW_SHOW : SW_HIDE);
    m_timeRangeCombo.SetCurSel(settings.timeRange);
}

void CShowAllChartDlg::SaveChartSettings()
{
    AllChartSettings settings;
    for (int i = 0; i < SERIES_COUNT; ++i)
        settings.checks[i] = m_seriesCheck[i].GetCheck();
    settings.lineView = static_cast<int>(IsDlgButtonChecked(IDC_ALL_CHART_LINE_VIEW));
    settings.timeRange = m_timeRangeCombo.GetCurSel();
    if (m_pMainDlg != nullptr)
        m_pMainDlg->WriteOwnFile(SettingsPath(), AllChartSettingsBytes(settings));
    else
        SaveAllChartSettings(SettingsPath(), settings);
}
