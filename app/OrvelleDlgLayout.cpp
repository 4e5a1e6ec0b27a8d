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

void COrvelleDlg::SelectLanguageLayout(int language)
{
    LoadLanguageElements(language, m_channelName);
    ApplyElementPositions();
}

void COrvelleDlg::ApplyPanelLayout(bool force)
{
    // A shown window is not drawn while its controls are hidden and shown again, moved and given
    // their texts: it is drawn once, whole, when the relayout is done (a window not shown yet has
    // nothing to draw again).
    const bool shown = IsWindowVisible() != FALSE;
    if (shown) {
        SetRedraw(FALSE);
        ShowPanelControls(false);
    }
    ShowPanelControls(true);
    // Both panels laid out, then the controls placed once.
    HoldElementPositions();
    RelayoutPanels(*this, m_language, force);
    ReleaseElementPositions();
    // The rain, status and date frames are hidden and shown again last; then the window is drawn.
    if (shown) {
        for (int id : {1024, 1025, 1026}) {
            HWND frame = ItemHandle(id);
            ::ShowWindow(frame, SW_HIDE);
            ::ShowWindow(frame, SW_SHOW);
        }
        SetRedraw(TRUE);
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

void COrvelleDlg::OnUpperPanelLaidOut(int variant)
{
    BuildPressureCaptions(variant);
    BuildUvCaptions(variant);
    ApplyElementPositions();
    RepaintPanels();
}

void COrvelleDlg::OnLowerPanelLaidOut(int variant)
{
    BuildTemperatureCaptions(variant);
    BuildRainCaptions();
    BuildWindCaptions();
    ApplyElementPositions();
    RepaintPanels();
}

// Labels of boxes that moved or went away are painted again on a cleared window (a window not
// shown yet is painted when it shows).
void COrvelleDlg::RepaintPanels()
{
    if (!IsWindowVisible())
        return;
    Invalidate(TRUE);
    UpdateWindow();
}

void COrvelleDlg::ShowPanelControls(bool show)
{
    for (int id : kPanelControlIds) {
        HWND control = ItemHandle(id);
        const bool visible = (::GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
        if (control && visible != show)
            ::ShowWindow(control, show ? SW_SHOWNORMAL : SW_HIDE);
    }
}

HWND COrvelleDlg::ItemHandle(int controlId) const
{
    HWND& handle = m_itemHandles[controlId];
    if (!handle)
        handle = ::GetDlgItem(m_hWnd, controlId);
    return handle;
}

void COrvelleDlg::HoldElementPositions()
{
    if (m_elementPositionHolds++ == 0)
        m_elementPositionsPending = false;
}

void COrvelleDlg::ReleaseElementPositions()
{
    if (m_elementPositionHolds == 0 || --m_elementPositionHolds > 0)
        return;
    if (m_elementPositionsPending)
        ApplyElementPositions();
    m_elementPositionsPending = false;
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

// Controls moved together in one deferred batch, without redrawing. Only this class moves the
// main window's controls: a control still where it was last placed is left alone (a combo box's
// window is not as high as the place given to it, which includes its list).
class ControlPlacement {
public:
    explicit ControlPlacement(std::unordered_map<HWND, RECT>& placed) : m_placed(placed) {}

    void Move(HWND control, int x, int y, int width, int height)
    {
        if (control)
            m_targets.push_back(Target{control, RECT{x, y, x + width, y + height}});
    }
    void MoveToElement(HWND control, const CPanelLayout& layout, int element)
    {
        Move(control, layout.m_elemX[element], layout.m_elemY[element], layout.m_elemW[element],
             layout.m_elemH[element]);
    }

    // Moves the controls that are not at their places; true when any moved.
    bool Apply()
    {
        std::vector<const Target*> moving;
        for (const Target& target : m_targets) {
            const auto placed = m_placed.find(target.control);
            if (placed == m_placed.end() || !::EqualRect(&placed->second, &target.rect))
                moving.push_back(&target);
        }
        if (moving.empty())
            return false;
        HDWP batch = ::BeginDeferWindowPos(static_cast<int>(moving.size()));
        for (const Target* target : moving) {
            const RECT& r = target->rect;
            if (batch)
                batch = ::DeferWindowPos(batch, target->control, nullptr, r.left, r.top, r.right - r.left,
                                         r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
            m_placed[target->control] = r;
        }
        if (!batch || !::EndDeferWindowPos(batch))
            m_placed.clear();  // not known where they are: the next placement moves them all
        return true;
    }

private:
    struct Target {
        HWND control;
        RECT rect;
    };
    std::unordered_map<HWND, RECT>& m_placed;
    std::vector<Target> m_targets;
};

}  // namespace

void COrvelleDlg::ApplyElementPositions()
{
    if (!m_hWnd || !HasElements())
        return;
    if (m_elementPositionHolds > 0) {
        m_elementPositionsPending = true;
        return;
    }
    if (!m_frameFont.GetSafeHandle())
        m_frameFont.CreateFont(12, 0, 0, 0, BOLD, 0, 0, 0, 0, 0, 0, 0, 32, L"Arial");
    // The forecast animation starts again: the next tick shows frame 1.
    m_forecastFrame = 0;

    ControlPlacement placement(m_placedControls);
    for (const FrameElement& f : kPanelFrames) {
        const HWND frame = ItemHandle(f.control);
        placement.MoveToElement(frame, *this, f.element);
        const WPARAM font = reinterpret_cast<WPARAM>(m_frameFont.m_hObject);
        if (f.bold && static_cast<WPARAM>(::SendMessageW(frame, WM_GETFONT, 0, 0)) != font)
            ::SendMessageW(frame, WM_SETFONT, font, TRUE);
        AfxSetWindowText(frame, m_elemCaption[f.element]);
    }

    m_seaLevelPressureText.SetFont(L"Arial", SeaLevelFontHeight(m_hWnd, m_elemW[ELEM_SEA_LEVEL_VALUE]), BOLD);
    m_seaLevelPressureText.SetText(L"");
    for (const ElementControl& v : kValueFields) {
        placement.MoveToElement(ItemHandle(v.control), *this, v.element);
        SetControlText(v.control, std::wstring());
    }
    for (const ElementControl& v : kOtherValueFields)
        placement.MoveToElement(ItemHandle(v.control), *this, v.element);
    for (const ElementControl& p : kPictures)
        placement.MoveToElement(ItemHandle(p.control), *this, p.element);
    m_rainChart.SetText(L"");
    m_windChart.SetText(L"");
    for (const ElementControl& c : kChecksAndCombos) {
        placement.MoveToElement(ItemHandle(c.control), *this, c.element);
        if (c.control != IDC_UPPER_SENSOR && c.control != IDC_LOWER_SENSOR)
            SetControlText(c.control, std::wstring());
    }

    // Status strip: the status text starts from its caption; the progress text lies one pixel
    // inside the progress bar.
    placement.MoveToElement(ItemHandle(STATUS_TEXT_ID), *this, ELEM_STATUS_TEXT);
    SetControlText(STATUS_TEXT_ID, m_elemCaption[ELEM_STATUS_TEXT].str());
    placement.MoveToElement(ItemHandle(IDC_PROGRESS), *this, ELEM_PROGRESS);
    placement.Move(ItemHandle(PROGRESS_TEXT_ID), m_elemX[ELEM_PROGRESS] + 1, m_elemY[ELEM_PROGRESS] + 1, 0,
                   m_elemH[ELEM_PROGRESS] - 2);
    // Each control is moved once; a shown window is drawn again where anything moved.
    if (placement.Apply() && IsWindowVisible())
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);

    m_uvLevelPicture.LoadBitmapResource(IDB_UV_LEVEL_FIRST + 4);  // the highest level until a reading comes
    for (int i = 0; i < 4; ++i)
        m_panelStatic[i].LoadBitmapResource(kTrendBitmaps[i]);
    // The seconds sit right of the time's digits: the time control above its frame, the seconds
    // above the time control, which leaves them out when it paints.
    for (HWND control : {m_timeText.m_hWnd, m_panelStatic[4].m_hWnd})
        ::SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    DrawAllCharts(*this, *this);
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
