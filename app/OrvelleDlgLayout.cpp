// The main dialog's panel layout: the language's elements, the relayout of the panels, every
// control moved onto its element, the captions with units and the clock.
#include "app/OrvelleDlg.h"

#include "display/ClockTexts.h"
#include "display/PanelCaptions.h"
#include "texts/TextTables.h"

namespace {

constexpr int STATUS_TEXT_ID = 1109;
constexpr int PROGRESS_TEXT_ID = 1144;
constexpr int SEA_LEVEL_FONT_HEIGHT = 28;
constexpr int BOLD = 700;

// The bitmap each trend picture of the sensor blocks (1104..1107) shows until the values set theirs.
constexpr int kTrendBitmaps[4] = {IDB_TREND_2, IDB_TREND_3, IDB_TREND_3, IDB_TREND_1};

}  // namespace

PanelSwitches COrvelleDlg::CurrentPanelSwitches() const
{
    PanelSwitches s;
    s.showForecast = m_showForecast;
    s.showPressure = m_showPressure;
    s.showUv = m_showUv;
    s.showRain = m_showRain;
    s.showWindSpeed = m_showWindSpeed;
    s.showWindDirection = m_showWindDirection;
    s.pressureView = m_pressureView;
    s.uvView = m_uvView;
    s.rainView = m_rainView;
    s.windSpeedView = m_windSpeedView;
    s.windDirectionView = m_windDirectionView;
    return s;
}

void COrvelleDlg::SelectLanguageLayout(int language)
{
    LoadLanguageElements(language, m_channelName);
    ApplyElementPositions();
}

void COrvelleDlg::ApplyPanelLayout(bool force)
{
    ShowPanelControls(false);
    ShowPanelControls(true);
    RelayoutPanels(CurrentPanelSwitches(), m_language, force);
    // The rain, status and date frames are drawn again over what the relayout left.
    for (int id : {1024, 1025, 1026}) {
        HWND frame = ::GetDlgItem(m_hWnd, id);
        ::ShowWindow(frame, SW_HIDE);
        ::ShowWindow(frame, SW_SHOW);
    }
}

void COrvelleDlg::OnUpperPanelLaidOut(int variant)
{
    BuildPressureCaptions(variant);
    BuildUvCaptions(variant);
    ApplyElementPositions();
    // Labels of boxes that moved or went away are painted again on a cleared window.
    Invalidate(TRUE);
    PaintPanels();
}

void COrvelleDlg::OnLowerPanelLaidOut(int variant)
{
    BuildTemperatureCaptions(variant);
    BuildRainCaptions();
    BuildWindCaptions();
    ApplyElementPositions();
    Invalidate(TRUE);
    PaintPanels();
}

void COrvelleDlg::ShowPanelControls(bool show)
{
    for (int id : kPanelControlIds)
        ::ShowWindow(::GetDlgItem(m_hWnd, id), show ? SW_SHOWNORMAL : SW_HIDE);
}

// ---- control positions ------------------------------------------------------------------------------

namespace {

// The sea-level value's font height: 28, or the largest below it with which a four-digit reading
// fits the language's field.
int SeaLevelFontHeight(HWND window, int fieldWidth)
{
    HDC dc = ::GetDC(window);
    int height = SEA_LEVEL_FONT_HEIGHT;
    for (; height > SEA_LEVEL_FONT_HEIGHT / 2; --height) {
        HFONT font = ::CreateFontW(height, 0, 0, 0, BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
        HGDIOBJ old = ::SelectObject(dc, font);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, L"8888.8", 6, &size);
        ::SelectObject(dc, old);
        ::DeleteObject(font);
        if (size.cx <= fieldWidth)
            break;
    }
    ::ReleaseDC(window, dc);
    return height;
}

void MoveToElement(HWND dialog, int controlId, const CPanelLayout& layout, int element)
{
    ::MoveWindow(::GetDlgItem(dialog, controlId), layout.m_elemX[element], layout.m_elemY[element],
                 layout.m_elemW[element], layout.m_elemH[element], TRUE);
}

}  // namespace

void COrvelleDlg::ApplyElementPositions()
{
    if (!m_hWnd || !HasElements())
        return;
    if (!m_frameFont.GetSafeHandle())
        m_frameFont.CreateFont(12, 0, 0, 0, BOLD, 0, 0, 0, 0, 0, 0, 0, 32, L"Arial");
    // The forecast animation starts again: the next tick shows frame 1.
    m_forecastFrame = 0;

    for (const FrameElement& f : kPanelFrames) {
        MoveToElement(m_hWnd, f.control, *this, f.element);
        if (f.bold)
            ::SendDlgItemMessageW(m_hWnd, f.control, WM_SETFONT, reinterpret_cast<WPARAM>(m_frameFont.m_hObject), TRUE);
        SetDlgItemText(f.control, m_elemCaption[f.element]);
    }

    m_seaLevelPressureText.SetFont(L"Arial", SeaLevelFontHeight(m_hWnd, m_elemW[ELEM_SEA_LEVEL_VALUE]), BOLD);
    m_seaLevelPressureText.SetText(L"");
    for (const ElementControl& v : kValueFields) {
        MoveToElement(m_hWnd, v.control, *this, v.element);
        SetDlgItemText(v.control, L"");
    }
    for (const ElementControl& v : kOtherValueFields)
        MoveToElement(m_hWnd, v.control, *this, v.element);
    for (const ElementControl& p : kPictures)
        MoveToElement(m_hWnd, p.control, *this, p.element);
    m_rainChart.SetText(L"");
    m_windChart.SetText(L"");
    for (const ElementControl& c : kChecksAndCombos) {
        MoveToElement(m_hWnd, c.control, *this, c.element);
        if (c.control != IDC_UPPER_SENSOR && c.control != IDC_LOWER_SENSOR)
            SetDlgItemText(c.control, L"");
    }

    // Status strip: the status text starts from its caption; the progress text lies one pixel
    // inside the progress bar.
    MoveToElement(m_hWnd, STATUS_TEXT_ID, *this, ELEM_STATUS_TEXT);
    SetDlgItemText(STATUS_TEXT_ID, m_elemCaption[ELEM_STATUS_TEXT]);
    MoveToElement(m_hWnd, IDC_PROGRESS, *this, ELEM_PROGRESS);
    ::MoveWindow(::GetDlgItem(m_hWnd, PROGRESS_TEXT_ID), m_elemX[ELEM_PROGRESS] + 1, m_elemY[ELEM_PROGRESS] + 1, 0,
                 m_elemH[ELEM_PROGRESS] - 2, TRUE);

    m_uvLevelPicture.LoadBitmapResource(IDB_UV_LEVEL_FIRST + 4);  // the highest level until a reading comes
    for (int i = 0; i < 4; ++i)
        m_panelStatic[i].LoadBitmapResource(kTrendBitmaps[i]);
    // The seconds sit right of the time's digits: the time control above its frame, the seconds
    // above the time control, which leaves them out when it paints.
    for (HWND control : {m_timeText.m_hWnd, m_panelStatic[4].m_hWnd})
        ::SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    DrawAllCharts(*this, ChartViewsOf(*this));
    UpdateClock();
}

// ---- captions with units ----------------------------------------------------------------------------

void COrvelleDlg::BuildPressureCaptions(int upperVariant)
{
    SetPressureCaptions(*this, m_language, m_pressureUnit, upperVariant);
}

void COrvelleDlg::BuildUvCaptions(int upperVariant) { SetUvCaptions(*this, m_language, m_uvUnit, upperVariant); }

void COrvelleDlg::BuildTemperatureCaptions(int lowerVariant)
{
    SetTemperatureCaptions(*this, m_language, m_temperatureUnit, lowerVariant);
}

void COrvelleDlg::BuildRainCaptions() { SetRainCaptions(*this, m_language, m_rainUnit); }

void COrvelleDlg::BuildWindCaptions() { SetWindCaptions(*this, m_language, m_windUnit); }

// ---- clock ------------------------------------------------------------------------------------------

void COrvelleDlg::UpdateClock()
{
    if (!m_hWnd)
        return;
    SYSTEMTIME now = {};
    ::GetLocalTime(&now);
    const LocalTime local{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wDayOfWeek};
    const ClockTexts texts = MakeClockTexts(&local, m_clock24h != 0, g_currentWeekdayNames);
    m_dateText.SetFont(L"Arial", 14, BOLD);
    m_dateText.SetText(texts.date.c_str());
    m_timeText.SetFont(L"Arial", 35, BOLD);
    m_timeText.SetText(texts.time.c_str());
    m_panelStatic[4].SetFont(L"Arial", 17, BOLD);
    m_panelStatic[4].SetText(texts.secondsOrHalf.c_str());
    m_weekdayText.SetFont(L"Arial", 14, BOLD);
    m_weekdayText.SetText(texts.weekday.c_str());
}
