// The all-sensor chart window on screen, over a plain parent window: its start from the settings
// file, the limit of twelve series, the two views, the periods and the ways to close it.
#include "display/AllChartLayout.h"
#include "display/ShowAllChartDlg.h"
#include "platform/chart/Chart.h"
#include "records/ReadingsRecord.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <vector>

namespace {

const double NOON = Chart::chartTime(2024, 5, 10, 12, 0);

class FakeMainWindow : public CAllChartOwner {
public:
    int closes = 0;
    int lines[54] = {};
    void OnAllChartClosed() override { ++closes; }
    const int* ChartLineSettings() const override { return lines; }
    ChartUnitFactors ChartUnits() const override { return ChartUnitFactors(); }
    double CurrentReadingChartTime() const override { return NOON; }
};

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<int> ReadInts(const std::wstring& path)
{
    std::vector<int> values(27, -1);
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (file) {
        values.resize(std::fread(values.data(), 4, 27, file));
        std::fclose(file);
    }
    return values;
}

// Publishes `rows` history rows a minute apart from noon, every value 20.
class PublishedRows {
public:
    explicit PublishedRows(int rows) : m_dates(5, std::vector<int>(rows)), m_values(rows, 20.0)
    {
        for (int r = 0; r < rows; ++r) {
            m_dates[0][r] = 2024, m_dates[1][r] = 5, m_dates[2][r] = 10, m_dates[3][r] = 12 + r / 60;
            m_dates[4][r] = r % 60;
        }
        g_historyYear = m_dates[0].data(), g_historyMonth = m_dates[1].data(), g_historyDay = m_dates[2].data();
        g_historyHour = m_dates[3].data(), g_historyMinute = m_dates[4].data();
        for (auto& sensor : g_historySensorColumns)
            for (double*& column : sensor)
                column = m_values.data();
        g_historyPressure = g_historyRain = g_historyWindGust = m_values.data();
        g_historyRowCount = rows;
    }
    ~PublishedRows()
    {
        g_historyRowCount = 0;
        g_historyYear = g_historyMonth = g_historyDay = g_historyHour = g_historyMinute = nullptr;
        for (auto& sensor : g_historySensorColumns)
            for (double*& column : sensor)
                column = nullptr;
        g_historyPressure = g_historyRain = g_historyWindGust = nullptr;
    }

private:
    std::vector<std::vector<int>> m_dates;
    std::vector<double> m_values;
};

class AllChartWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + L"allchart" + std::to_wstring(::GetCurrentProcessId()) + L"\\";
        ::CreateDirectoryW(m_folder.c_str(), nullptr);
        ::GetCurrentDirectoryW(MAX_PATH, m_previousFolder);
        ::SetCurrentDirectoryW(m_folder.c_str());  // the pies land in the current folder
    }
    void TearDown() override
    {
        m_window.reset();
        ::SetCurrentDirectoryW(m_previousFolder);
    }
    // One shown parent for every test (showing a new top-level window takes Wine a while), with a
    // check box of its own beside the chart window.
    static void SetUpTestSuite()
    {
        HWND parent = ::CreateWindowExW(0, L"STATIC", L"main", WS_POPUP | WS_VISIBLE, 0, 0, 980, 640, nullptr,
                                        nullptr, nullptr, nullptr);
        ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 958, 615, 16, 16,
                          parent, reinterpret_cast<HMENU>(PARENT_BOX), nullptr, nullptr);
        s_parent.Attach(parent);
    }
    static constexpr int PARENT_BOX = 100;
    static void TearDownTestSuite() { ::DestroyWindow(s_parent.Detach()); }

    CShowAllChartDlg& Open()
    {
        m_window = std::make_unique<CShowAllChartDlg>();
        m_window->m_pMainDlg = &m_main;
        m_window->m_chartFolder = m_folder;
        m_window->m_chartFolderA = std::string(m_folder.begin(), m_folder.end());
        m_window->m_settingsFolder = m_folder;
        EXPECT_TRUE(m_window->Create(&s_parent));
        m_window->MoveWindow(0, 0, 955, 610, TRUE);
        m_window->ShowWindow(SW_SHOW);
        return *m_window;
    }
    void Click(int id) { ::SendMessageW(::GetDlgItem(m_window->m_hWnd, id), BM_CLICK, 0, 0); }
    std::wstring SettingsFile() const { return m_folder + L"rShowAllChartSetting.dat"; }
    RECT RectOf(int id) const
    {
        RECT r{};
        ::GetWindowRect(::GetDlgItem(m_window->m_hWnd, id), &r);
        ::MapWindowPoints(nullptr, m_window->m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    std::wstring m_folder;
    wchar_t m_previousFolder[MAX_PATH] = {};
    static CWnd s_parent;
    FakeMainWindow m_main;
    std::unique_ptr<CShowAllChartDlg> m_window;
};

CWnd AllChartWindow::s_parent;

}  // namespace

TEST_F(AllChartWindow, WithoutASettingsFileItStartsEmptyInTheLineViewAndWritesTheFile)
{
    ::DeleteFileW(SettingsFile().c_str());
    CShowAllChartDlg& window = Open();
    EXPECT_EQ(window.m_checkedCount, 0);
    EXPECT_EQ(window.m_pieView, 0);
    EXPECT_EQ(window.m_timeRangeCombo.GetCurSel(), 0);
    EXPECT_EQ(window.m_timeRangeCombo.GetCount(), 8);
    const std::vector<int> file = ReadInts(SettingsFile());
    ASSERT_EQ(file.size(), 27u);
    EXPECT_EQ(file[25], 1);
    EXPECT_EQ(file[26], 0);
    const RECT chart = RectOf(IDC_ALL_CHART_LINE_PICTURE);
    EXPECT_EQ(chart.left, LINE_CHART_X);
    EXPECT_EQ(chart.bottom - chart.top, LINE_CHART_HEIGHT);
}

TEST_F(AllChartWindow, ASavedPieViewShowsThePiesOfItsSeriesInTheFirstSlots)
{
    std::vector<int> saved(27, 0);
    saved[0] = saved[14] = 1;
    saved[25] = 0;  // pie view
    saved[26] = 5;  // "Pass 90 days"
    FILE* file = _wfopen(SettingsFile().c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(saved.data(), 4, 27, file);
    std::fclose(file);
    PublishedRows history(90);

    CShowAllChartDlg& window = Open();
    EXPECT_EQ(window.IsDlgButtonChecked(IDC_ALL_CHART_PIE_VIEW), 1u);
    EXPECT_EQ(window.IsDlgButtonChecked(IDC_ALL_CHART_LINE_VIEW), 0u);
    EXPECT_EQ(window.m_timeRangeCombo.GetCurSel(), 5);
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(window.m_hWnd, IDC_ALL_CHART_LINE_PICTURE)));

    window.OnTimeRangeChange();
    EXPECT_EQ(window.SeriesCount(0), 90);
    EXPECT_EQ(RectOf(CShowAllChartDlg::PieControlId(0)).left, PieSlotAt(0).x);
    EXPECT_EQ(RectOf(CShowAllChartDlg::PieControlId(14)).left, PieSlotAt(1).x);
    EXPECT_EQ(RectOf(CShowAllChartDlg::PieControlId(14)).top, PieSlotAt(1).y);
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(window.m_hWnd, CShowAllChartDlg::PieControlId(14))));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(window.m_hWnd, CShowAllChartDlg::PieControlId(1))));
    EXPECT_TRUE(Exists(m_folder + L"multidepthpie0.bmp"));
    EXPECT_TRUE(Exists(m_folder + L"multidepthpie14.bmp"));

    // Back to the line view: the pies go, the line chart comes and is drawn, the file follows.
    Click(IDC_ALL_CHART_LINE_VIEW);
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(window.m_hWnd, CShowAllChartDlg::PieControlId(0))));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(window.m_hWnd, IDC_ALL_CHART_LINE_PICTURE)));
    EXPECT_TRUE(Exists(m_folder + L"AllLineChart.bmp"));
    EXPECT_EQ(ReadInts(SettingsFile())[25], 1);
}

TEST_F(AllChartWindow, AThirteenthSeriesIsRefusedAndUncheckingMakesRoom)
{
    ::DeleteFileW(SettingsFile().c_str());
    CShowAllChartDlg& window = Open();
    for (int i = 0; i < 13; ++i)
        Click(IDC_ALL_CHART_FIRST_SERIES + i);
    EXPECT_EQ(window.m_checkedCount, 12);
    EXPECT_EQ(window.m_seriesCheck[12].GetCheck(), 0);
    EXPECT_FALSE(window.m_seriesShown[12]);
    std::vector<int> file = ReadInts(SettingsFile());
    EXPECT_EQ(file[11], 1);
    EXPECT_EQ(file[12], 0);

    Click(IDC_ALL_CHART_FIRST_SERIES + 3);
    Click(IDC_ALL_CHART_FIRST_SERIES + 20);
    EXPECT_EQ(window.m_checkedCount, 12);
    EXPECT_TRUE(window.m_seriesShown[20]);
    EXPECT_FALSE(window.m_seriesShown[3]);
    file = ReadInts(SettingsFile());
    EXPECT_EQ(file[3], 0);
    EXPECT_EQ(file[20], 1);
}

TEST_F(AllChartWindow, PeriodsComeFromTheBoxOrTheDownloadOrTheReadingTime)
{
    CShowAllChartDlg& window = Open();
    window.OnTimeRangeChange();  // no history: empty at the reading's time
    EXPECT_EQ(window.m_timeStart, NOON);
    EXPECT_EQ(window.m_timeEnd, NOON);

    PublishedRows history(120);
    window.m_timeRangeCombo.SetCurSel(0);
    ::SendMessageW(window.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_ALL_CHART_TIME_RANGE, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(window.m_timeRangeCombo.m_hWnd));
    EXPECT_EQ(window.m_timeEnd, NOON + 119 * 60);
    EXPECT_EQ(window.m_timeEnd - window.m_timeStart, 3900);
    EXPECT_EQ(window.SeriesCount(4), 66);  // 65 minutes back, both ends included

    // The download's period: one hour, copied, neither drawn nor saved.
    ::DeleteFileW(SettingsFile().c_str());
    ::DeleteFileW((m_folder + L"AllLineChart.bmp").c_str());
    window.SetTimeWindowFromLastRecord();
    EXPECT_EQ(window.m_timeEnd - window.m_timeStart, 3600);
    EXPECT_EQ(window.SeriesCount(4), 61);
    EXPECT_FALSE(Exists(SettingsFile()));
    EXPECT_FALSE(Exists(m_folder + L"AllLineChart.bmp"));
}

TEST_F(AllChartWindow, EnterEscAndTheCloseButtonHideItAndGiveThePanelsBack)
{
    CShowAllChartDlg& window = Open();
    for (int command : {IDOK, IDCANCEL, IDC_ALL_CHART_CLOSE}) {
        window.ShowWindow(SW_SHOW);
        ::SendMessageW(window.m_hWnd, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        EXPECT_FALSE(window.IsWindowVisible()) << command;
    }
    EXPECT_EQ(m_main.closes, 3);
    EXPECT_TRUE(::IsWindow(window.m_hWnd));
}

// Keys pressed on the window that has the focus, through the program's dialog keys.
void Press(std::initializer_list<WPARAM> keys)
{
    for (WPARAM key : keys) {
        ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
        ::PostMessageW(::GetFocus(), WM_KEYUP, key, 0xC0000001);
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (ui::PreTranslateDialogMessage(&message))
                continue;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

// Once closed (by its button, or Esc), the focus stays on none of its hidden controls: Tab, Tab,
// Space once ticked a hidden series box. Even with the focus put back on one, the keys change only
// the shown window's own controls.
TEST_F(AllChartWindow, AfterItClosesTheKeysChangeOnlyTheCoveredWindowsControls)
{
    CShowAllChartDlg& window = Open();
    const HWND parentBox = ::GetDlgItem(s_parent.m_hWnd, PARENT_BOX);
    const HWND firstSeriesBox = ::GetDlgItem(window.m_hWnd, IDC_ALL_CHART_FIRST_SERIES);
    for (bool escape : {false, true}) {
        window.ShowWindow(SW_SHOW);
        if (escape) {
            ::SetFocus(firstSeriesBox);
            Press({VK_ESCAPE});
        } else {
            ::SetFocus(::GetDlgItem(window.m_hWnd, IDC_ALL_CHART_CLOSE));
            Click(IDC_ALL_CHART_CLOSE);
        }
        ASSERT_FALSE(window.IsWindowVisible());
        EXPECT_EQ(::GetFocus(), parentBox) << escape;
        if (escape)
            ::SetFocus(firstSeriesBox);  // where the covered dialog's restored focus may leave it
        auto ticks = [&] {
            std::vector<UINT> states;
            for (int series = 0; series < SERIES_COUNT; ++series)
                states.push_back(::IsDlgButtonChecked(window.m_hWnd, IDC_ALL_CHART_FIRST_SERIES + series));
            return states;
        };
        const std::vector<UINT> seriesTicked = ticks();
        const bool parentTicked = ::SendMessageW(parentBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
        Press({VK_TAB, VK_TAB, VK_SPACE});
        EXPECT_EQ(ticks(), seriesTicked) << escape;
        EXPECT_EQ(::GetFocus(), parentBox) << escape;
        EXPECT_NE(::SendMessageW(parentBox, BM_GETCHECK, 0, 0) == BST_CHECKED, parentTicked) << escape;
    }
}
