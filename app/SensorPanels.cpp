// The sensor panels of the temperature and humidity area: their settings file
// "rInOutdoorSetting.dat", the series check boxes, the sensor combo boxes and the panel texts.
#include "app/OrvelleDlg.h"
#include "app/SensorPanelTexts.h"
#include "app/SettingsFiles.h"
#include "display/PanelDrawing.h"

namespace {

// Panel controls by row (temperature, humidity, dewpoint): current, maximum, minimum.
const int kUpperPanelIds[9] = {1070, 1071, 1072, 1076, 1077, 1078, 1082, 1012, 1083};
const int kLowerPanelIds[9] = {1073, 1074, 1075, 1079, 1080, 1081, 1084, 1085, 1086};

constexpr int LIST_TEXT_INDENT = 3;  // pixels a list draws before its item's text

// A sensor's name as a sensor list shows it: whole, or ended with an ellipsis where it is wider
// than the list's selection field (the name itself stays as the user typed it).
std::wstring NameInList(HWND list, const std::wstring& name)
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!list || !::GetComboBoxInfo(list, &info))
        return name;
    HDC dc = ::GetDC(list);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0)));
    const std::wstring shown =
        FitWithEllipsis(name, info.rcItem.right - info.rcItem.left - LIST_TEXT_INDENT, [dc](const std::wstring& run) {
            SIZE size{};
            ::GetTextExtentPoint32W(dc, run.c_str(), static_cast<int>(run.size()), &size);
            return static_cast<int>(size.cx);
        });
    ::SelectObject(dc, old);
    ::ReleaseDC(list, dc);
    return shown;
}

}  // namespace

void COrvelleDlg::LoadInOutdoorSetting()
{
    settings::Bytes bytes;
    bool found = settings::ReadFileBytes(m_installFolder + settings::IN_OUTDOOR_FILE, &bytes);
    settings::InOutdoorSetting setting = settings::DecodeInOutdoor(found ? &bytes : nullptr);
    for (int i = 0; i < SERIES_CHECK_COUNT; ++i) {
        m_seriesChecks[i].SetCheck(setting.checks[i]);
        m_channelShown[i] = setting.checks[i] != 0 ? 1 : 0;
    }
    m_upperSensorCombo.SetCurSel(setting.upperSensor);
    m_lowerSensorCombo.SetCurSel(setting.lowerSensor);
}

void COrvelleDlg::SaveInOutdoorSetting()
{
    settings::InOutdoorSetting setting;
    for (int i = 0; i < SERIES_CHECK_COUNT; ++i)
        setting.checks[i] = m_seriesChecks[i].GetCheck();
    setting.upperSensor = m_upperSensorCombo.GetCurSel();
    setting.lowerSensor = m_lowerSensorCombo.GetCurSel();
    WriteSettingsFile(settings::IN_OUTDOOR_FILE, settings::EncodeInOutdoor(setting));
}

void COrvelleDlg::FillSensorCombos()
{
    const int upper = m_upperSensorCombo.GetCurSel();
    const int lower = m_lowerSensorCombo.GetCurSel();
    m_upperSensorCombo.ResetContent();
    m_lowerSensorCombo.ResetContent();
    for (int i = 0; i < CHANNEL_COUNT; ++i) {
        m_upperSensorCombo.AddString(NameInList(m_upperSensorCombo.m_hWnd, m_channelName[i]).c_str());
        m_lowerSensorCombo.AddString(NameInList(m_lowerSensorCombo.m_hWnd, m_channelName[i]).c_str());
        if (HasElements())
            m_elemCaption[ELEM_FIRST_SENSOR_NAME + i] = m_channelName[i];
    }
    m_upperSensorCombo.SetCurSel(upper);
    m_lowerSensorCombo.SetCurSel(lower);
}

void COrvelleDlg::OnSeriesCheck(UINT id)
{
    // 1041..1043 are entries 0..2, 1035..1040 entries 3..8.
    int index = id >= 1041 ? static_cast<int>(id) - 1041 : static_cast<int>(id) - 1035 + 3;
    if (index < 0 || index >= SERIES_CHECK_COUNT)
        return;
    m_channelShown[index] = m_channelShown[index] ? 0 : 1;
    DrawTemperatureChart();
    SaveInOutdoorSetting();
}

void COrvelleDlg::OnUpperSensorChanged()
{
    UpdateUpperSensorPanel();
    SaveInOutdoorSetting();
}

void COrvelleDlg::OnLowerSensorChanged()
{
    UpdateLowerSensorPanel();
    SaveInOutdoorSetting();
}

void COrvelleDlg::UpdateSensorPanel(const CComboBox& combo, const int (&controlIds)[9], CxStatic& temperatureTrend,
                                    CxStatic& humidityTrend)
{
    SensorPanelTexts panel = ComputeSensorPanelTexts(*this, combo.GetCurSel());
    if (!panel.selected)
        return;
    if (int bitmap = TrendBitmapId(panel.temperatureTrend))
        temperatureTrend.LoadBitmapResource(bitmap);
    if (int bitmap = TrendBitmapId(panel.humidityTrend))
        humidityTrend.LoadBitmapResource(bitmap);
    for (int row = 0; row < 3; ++row) {
        SetControlText(controlIds[row], panel.current[row]);
        SetControlText(controlIds[3 + row], panel.maximum[row]);
        SetControlText(controlIds[6 + row], panel.minimum[row]);
    }
}

void COrvelleDlg::UpdateUpperSensorPanel()
{
    UpdateSensorPanel(m_upperSensorCombo, kUpperPanelIds, m_panelStatic[0], m_panelStatic[1]);
}

void COrvelleDlg::UpdateLowerSensorPanel()
{
    UpdateSensorPanel(m_lowerSensorCombo, kLowerPanelIds, m_panelStatic[2], m_panelStatic[3]);
}
