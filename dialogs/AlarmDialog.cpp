#include "dialogs/AlarmDialog.h"

#include "dialogs/AlarmValues.h"
#include "dialogs/DialogLayout.h"
#include "dialogs/TypedNumbers.h"
#include "res/resource.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

using namespace stationsettings;

namespace {

// Check boxes.
constexpr int TEMPERATURE_CHECK = 1172, RAIN_CHECK = 1173, WIND_CHECK = 1174, GUST_CHECK = 1175,
              WEEKDAY_CHECK = 1176, SINGLE_CHECK = 1177, PRE_ALARM_CHECK = 1178;
// Value edits and their up-down controls.
constexpr int TEMPERATURE_UPPER_EDIT = 1179, TEMPERATURE_UPPER_SPIN = 1180;
constexpr int TEMPERATURE_LOWER_EDIT = 1182, TEMPERATURE_LOWER_SPIN = 1183;
constexpr int RAIN_EDIT = 1184, RAIN_SPIN = 1185, WIND_EDIT = 1186, WIND_SPIN = 1187, GUST_EDIT = 1188, GUST_SPIN = 1190;
constexpr int WEEKDAY_HOUR_EDIT = 1191, WEEKDAY_HOUR_SPIN = 1192, WEEKDAY_MINUTE_EDIT = 1193, WEEKDAY_MINUTE_SPIN = 1194;
constexpr int SINGLE_HOUR_EDIT = 1195, SINGLE_HOUR_SPIN = 1196, SINGLE_MINUTE_EDIT = 1197, SINGLE_MINUTE_SPIN = 1198;
constexpr int PERIOD_EDIT = 1201, PERIOD_SPIN = 1202, DURATION_EDIT = 1203, DURATION_SPIN = 1204;
// "Current setting" boxes.
constexpr int CURRENT_UPPER = 1181, CURRENT_LOWER = 1199, CURRENT_RAIN = 1200, CURRENT_WIND = 1205, CURRENT_GUST = 1206,
              CURRENT_WEEKDAY = 1207, CURRENT_SINGLE = 1208;
// AM/PM lists, buttons, captions.
constexpr int WEEKDAY_AM_PM = 1145, SINGLE_AM_PM = 1031;
constexpr int UPLOAD_BUTTON = 1209, CLOSE_BUTTON = IDOK;
constexpr int TIME_CURRENT_CAPTION = 1216;
constexpr int AM_ROW = 21, PM_ROW = 22;
constexpr int NUMBER_NEEDED_ROW = 23;
constexpr int WHOLE_NUMBER_NEEDED_ROW = 24;

constexpr int VALUE_EDITS[] = {TEMPERATURE_UPPER_EDIT, TEMPERATURE_LOWER_EDIT, RAIN_EDIT, WIND_EDIT, GUST_EDIT,
                               WEEKDAY_HOUR_EDIT, WEEKDAY_MINUTE_EDIT, SINGLE_HOUR_EDIT, SINGLE_MINUTE_EDIT,
                               PERIOD_EDIT, DURATION_EDIT};
constexpr int PRE_ALARM_CONTROLS[] = {PRE_ALARM_CHECK, PERIOD_EDIT, PERIOD_SPIN, DURATION_EDIT, DURATION_SPIN};

// Captions: control, row of g_alarmDialogTexts.
constexpr ItemText CAPTIONS[] = {
    {0, 0}, {1210, 1}, {1212, 2}, {1213, 3}, {1214, 4}, {1215, 5}, {1219, 6}, {1220, 7}, {1221, 8}, {1222, 9},
    {1211, 10}, {1217, 11}, {1218, 12}, {TIME_CURRENT_CAPTION, 13}, {1223, 14}, {1224, 15}, {1225, 16},
    {1226, 17}, {1227, 18}, {UPLOAD_BUTTON, 19}, {CLOSE_BUTTON, 20},
};

template <std::size_t N>
bool OneOf(const int (&ids)[N], int id)
{
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

int CheckState(CWnd& dialog, int id) { return dialog.IsDlgButtonChecked(id) == BST_CHECKED ? 1 : 0; }

bool IsTemperatureEdit(int id) { return id == TEMPERATURE_UPPER_EDIT || id == TEMPERATURE_LOWER_EDIT; }

// The typed temperature in tenths; false when the edit holds no number.
bool TypedTenths(CWnd& dialog, int editId, int* tenths)
{
    CString text;
    dialog.GetDlgItemText(editId, text);
    return TenthsOfText(text.GetString(), tenths);
}

// For the spin clicks: a temperature edit that holds no number reads 0.
int TypedTenthsOrZero(CWnd& dialog, int editId)
{
    int tenths = 0;
    return TypedTenths(dialog, editId, &tenths) ? tenths : 0;
}

bool HoldsNumber(CWnd& dialog, int editId)
{
    int tenths = 0;
    return IsTemperatureEdit(editId) ? TypedTenths(dialog, editId, &tenths) : FieldHoldsWholeNumber(dialog, editId);
}

// The number in a spin's field, in the spin's range and shown (the fields were checked first).
int TakenValue(CSpinButtonCtrl& spin)
{
    int value = 0;
    TakeTypedNumber(spin, &value);
    return value;
}

}  // namespace

const ui::MsgMapEntry CAlarmDialogDlg::kMessageEntries[] = {
    ui::OnCommand<&CAlarmDialogDlg::OnUploadNewSetting>(UPLOAD_BUTTON),
    ui::OnControlRange<&CAlarmDialogDlg::OnTimeAlarmClicked>(BN_CLICKED, WEEKDAY_CHECK, SINGLE_CHECK),
    ui::OnControlRange<&CAlarmDialogDlg::OnOtherAlarmClicked>(BN_CLICKED, TEMPERATURE_CHECK, GUST_CHECK),
    ui::OnControlRange<&CAlarmDialogDlg::OnOtherAlarmClicked>(BN_CLICKED, PRE_ALARM_CHECK, PRE_ALARM_CHECK),
    ui::OnControlRange<&CAlarmDialogDlg::OnEditFocus>(EN_SETFOCUS, TEMPERATURE_UPPER_EDIT, DURATION_EDIT),
    ui::OnControlRange<&CAlarmDialogDlg::OnEditChange>(EN_CHANGE, TEMPERATURE_UPPER_EDIT, DURATION_EDIT),
    ui::OnControlRange<&CAlarmDialogDlg::OnAmPmChanged>(CBN_SELCHANGE, WEEKDAY_AM_PM, WEEKDAY_AM_PM),
    ui::OnControlRange<&CAlarmDialogDlg::OnAmPmChanged>(CBN_SELCHANGE, SINGLE_AM_PM, SINGLE_AM_PM),
    ui::OnNotifyRange<&CAlarmDialogDlg::OnSpinDelta>(UDN_DELTAPOS, TEMPERATURE_UPPER_SPIN, DURATION_SPIN),
};
UI_IMPLEMENT_MESSAGE_MAP(CAlarmDialogDlg, CDialog)

CAlarmDialogDlg::CAlarmDialogDlg(CWnd* parent) : CDialog(IDD_ALARM, parent) {}

void CAlarmDialogDlg::SetRecord(const AlarmRecord& r)
{
    m_temperatureAlarmOn = r[ALARM_TEMPERATURE_ON];
    m_rainAlarmOn = r[ALARM_RAIN_ON];
    m_windAlarmOn = r[ALARM_WIND_ON];
    m_gustAlarmOn = r[ALARM_GUST_ON];
    m_weekdayAlarmOn = r[ALARM_WEEKDAY_ON];
    m_singleAlarmOn = r[ALARM_SINGLE_ON];
    m_preAlarmOn = r[ALARM_PRE_ON];
    m_temperatureUpper = r[ALARM_TEMPERATURE_UPPER];
    m_temperatureLower = r[ALARM_TEMPERATURE_LOWER];
    m_rainUpper = r[ALARM_RAIN_UPPER];
    m_windUpper = r[ALARM_WIND_UPPER];
    m_gustUpper = r[ALARM_GUST_UPPER];
    m_weekdayHour = r[ALARM_WEEKDAY_HOUR];
    m_weekdayMinute = r[ALARM_WEEKDAY_MINUTE];
    m_singleHour = r[ALARM_SINGLE_HOUR];
    m_singleMinute = r[ALARM_SINGLE_MINUTE];
    m_period = r[ALARM_PERIOD];
    m_duration = r[ALARM_DURATION];
}

AlarmRecord CAlarmDialogDlg::Record() const
{
    return AlarmRecord{m_temperatureAlarmOn, m_rainAlarmOn, m_windAlarmOn, m_gustAlarmOn, m_weekdayAlarmOn,
                       m_singleAlarmOn, m_preAlarmOn, m_temperatureUpper, m_temperatureLower, m_rainUpper,
                       m_windUpper, m_gustUpper, m_weekdayHour, m_weekdayMinute, m_singleHour, m_singleMinute,
                       m_period, m_duration};
}

void CAlarmDialogDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, WEEKDAY_AM_PM, m_weekdayAmPm);
    DDX_Control(dx, SINGLE_AM_PM, m_singleAmPm);
    DDX_Control(dx, UPLOAD_BUTTON, m_uploadButton);
    DDX_Control(dx, TEMPERATURE_UPPER_SPIN, m_temperatureUpperSpin);
    DDX_Control(dx, TEMPERATURE_LOWER_SPIN, m_temperatureLowerSpin);
    DDX_Control(dx, RAIN_SPIN, m_rainSpin);
    DDX_Control(dx, WIND_SPIN, m_windSpin);
    DDX_Control(dx, GUST_SPIN, m_gustSpin);
    DDX_Control(dx, WEEKDAY_HOUR_SPIN, m_weekdayHourSpin);
    DDX_Control(dx, WEEKDAY_MINUTE_SPIN, m_weekdayMinuteSpin);
    DDX_Control(dx, SINGLE_HOUR_SPIN, m_singleHourSpin);
    DDX_Control(dx, SINGLE_MINUTE_SPIN, m_singleMinuteSpin);
    DDX_Control(dx, PERIOD_SPIN, m_periodSpin);
    DDX_Control(dx, DURATION_SPIN, m_durationSpin);
    DDX_Text(dx, CURRENT_UPPER, m_currentTemperatureUpperText);
    DDX_Text(dx, CURRENT_LOWER, m_currentTemperatureLowerText);
    DDX_Text(dx, CURRENT_RAIN, m_currentRain);
    DDX_Text(dx, CURRENT_WIND, m_currentWind);
    DDX_Text(dx, CURRENT_GUST, m_currentGust);
    DDX_Text(dx, CURRENT_WEEKDAY, m_currentWeekdayText);
    DDX_Text(dx, CURRENT_SINGLE, m_currentSingleText);
}

// ---- opening ------------------------------------------------------------------------------------

BOOL CAlarmDialogDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!TwelveHour()) {
        ShowItem(*this, WEEKDAY_AM_PM, false);
        ShowItem(*this, SINGLE_AM_PM, false);
    }
    LayOut();
    EnableUpload(false);
    SetSpinRanges();
    ShowMembers();
    BuildCurrentTexts();
    UpdateData(FALSE);
    RememberInitialValues();
    return TRUE;
}

void CAlarmDialogDlg::LayOut()
{
    const int w = UploadButtonExtra(m_language);
    SetWindowSize(*this, 712, 304);
    // The two limit captions and the alarm-time caption take the room up to their right-hand
    // neighbours: "Untergrenze" and "Сигнал Будильника" are wider than 60 and 100 pixels in the
    // dialog font.
    for (int id : {1212, 1217})
        SetItemSize(*this, id, 60, 28);
    for (int id : {1213, 1214})
        SetItemSize(*this, id, 66, 28);
    SetItemSize(*this, 1215, 80, 28);
    for (int id : {1219, 1221, 1222, 1223, 1224, 1225})
        SetItemSize(*this, id, 200, 14);
    SetItemSize(*this, 1220, 240, 14);
    SetItemSize(*this, 1218, 106, 28);
    SetItemSize(*this, 1226, 100, 14);
    SetItemSize(*this, 1227, 150, 14);
    PlaceItem(*this, UPLOAD_BUTTON, 488 - w, 240, w + 120, 24);
    MoveItem(*this, CLOSE_BUTTON, 620, 240);
    if (TwelveHour()) {
        PlaceItem(*this, TIME_CURRENT_CAPTION, 600, 38, 80, 28);
        PlaceItem(*this, CURRENT_WEEKDAY, 600, 83, 60, 23);
        PlaceItem(*this, CURRENT_SINGLE, 600, 132, 60, 23);
        MoveItem(*this, WEEKDAY_AM_PM, 546, 84);
        MoveItem(*this, SINGLE_AM_PM, 546, 133);
    } else {
        SetItemSize(*this, TIME_CURRENT_CAPTION, 80, 28);
    }
    for (CComboBox* list : {&m_weekdayAmPm, &m_singleAmPm}) {
        list->ResetContent();
        list->AddString(TextAt(g_alarmDialogTexts, AM_ROW, m_language));
        list->AddString(TextAt(g_alarmDialogTexts, PM_ROW, m_language));
    }
    SetItemTexts(*this, g_alarmDialogTexts, CAPTIONS, m_language);
}

void CAlarmDialogDlg::SetSpinRanges()
{
    m_temperatureUpperSpin.SetRange32(TEMPERATURE_LIMIT_LOWEST, TEMPERATURE_LIMIT_HIGHEST);
    m_temperatureLowerSpin.SetRange32(TEMPERATURE_LIMIT_LOWEST, TEMPERATURE_LIMIT_HIGHEST);
    m_rainSpin.SetRange32(2, 1999);
    m_windSpin.SetRange32(1, 199);
    m_gustSpin.SetRange32(1, 199);
    const int firstHour = TwelveHour() ? 1 : 0;
    const int lastHour = TwelveHour() ? 12 : 23;
    m_weekdayHourSpin.SetRange32(firstHour, lastHour);
    m_singleHourSpin.SetRange32(firstHour, lastHour);
    m_weekdayMinuteSpin.SetRange32(0, 59);
    m_singleMinuteSpin.SetRange32(0, 59);
    m_periodSpin.SetRange32(1, 6);
    m_durationSpin.SetRange32(1, 15);
}

// The check boxes, AM/PM lists, spins and edits from the members.
void CAlarmDialogDlg::ShowMembers()
{
    const int checks[][2] = {{TEMPERATURE_CHECK, m_temperatureAlarmOn}, {RAIN_CHECK, m_rainAlarmOn},
                             {WIND_CHECK, m_windAlarmOn}, {GUST_CHECK, m_gustAlarmOn},
                             {WEEKDAY_CHECK, m_weekdayAlarmOn}, {SINGLE_CHECK, m_singleAlarmOn},
                             {PRE_ALARM_CHECK, m_preAlarmOn}};
    for (const auto& check : checks)
        CheckDlgButton(check[0], check[1] ? BST_CHECKED : BST_UNCHECKED);
    if (TwelveHour()) {
        m_weekdayAmPm.SetCurSel(IsPmHour(m_weekdayHour) ? 1 : 0);
        m_singleAmPm.SetCurSel(IsPmHour(m_singleHour) ? 1 : 0);
    }
    UpdatePreAlarmControls();

    m_temperatureUpperSpin.SetPos32(m_temperatureUpper);
    ShowLimit(TEMPERATURE_UPPER_EDIT, m_temperatureUpper);
    m_temperatureLowerSpin.SetPos32(m_temperatureLower);
    ShowLimit(TEMPERATURE_LOWER_EDIT, m_temperatureLower);
    // A value beyond its field's range (one the station holds) is shown as it is: the upload then
    // says so instead of sending the range's end.
    ShowNumber(m_rainSpin, m_rainUpper);
    ShowNumber(m_windSpin, m_windUpper);
    ShowNumber(m_gustSpin, m_gustUpper);
    ShowNumber(m_weekdayHourSpin, TwelveHour() ? TwelveHourOf(m_weekdayHour) : m_weekdayHour);
    ShowNumber(m_weekdayMinuteSpin, m_weekdayMinute);
    ShowNumber(m_singleHourSpin, TwelveHour() ? TwelveHourOf(m_singleHour) : m_singleHour);
    ShowNumber(m_singleMinuteSpin, m_singleMinute);
    ShowNumber(m_periodSpin, m_period);
    ShowNumber(m_durationSpin, m_duration);
}

void CAlarmDialogDlg::UpdatePreAlarmControls()
{
    const bool timeAlarm = IsDlgButtonChecked(WEEKDAY_CHECK) == BST_CHECKED || IsDlgButtonChecked(SINGLE_CHECK) == BST_CHECKED;
    if (!timeAlarm)
        CheckDlgButton(PRE_ALARM_CHECK, BST_UNCHECKED);
    for (int id : PRE_ALARM_CONTROLS)
        EnableItem(*this, id, timeAlarm);
}

void CAlarmDialogDlg::BuildCurrentTexts()
{
    m_currentTemperatureUpperText = TemperatureText(m_temperatureUpper).c_str();
    m_currentTemperatureLowerText = TemperatureText(m_temperatureLower).c_str();
    m_currentRain = m_rainUpper;
    m_currentWind = m_windUpper;
    m_currentGust = m_gustUpper;
    if (TwelveHour()) {
        auto amPm = [this](int hour) { return TextAt(g_alarmDialogTexts, IsPmHour(hour) ? PM_ROW : AM_ROW, m_language); };
        m_currentWeekdayText = AlarmTimeText(TwelveHourOf(m_weekdayHour), m_weekdayMinute, amPm(m_weekdayHour)).c_str();
        m_currentSingleText = AlarmTimeText(TwelveHourOf(m_singleHour), m_singleMinute, amPm(m_singleHour)).c_str();
    } else {
        m_currentWeekdayText = AlarmTimeText(m_weekdayHour, m_weekdayMinute, nullptr).c_str();
        m_currentSingleText = AlarmTimeText(m_singleHour, m_singleMinute, nullptr).c_str();
    }
}

void CAlarmDialogDlg::RememberInitialValues()
{
    m_initialTemperatureUpper = m_temperatureUpper;
    m_initialTemperatureLower = m_temperatureLower;
    m_initialWeekdayPm = IsPmHour(m_weekdayHour) ? 1 : 0;
    m_initialSinglePm = IsPmHour(m_singleHour) ? 1 : 0;
}

void CAlarmDialogDlg::EnableUpload(bool enable) { EnableItem(*this, UPLOAD_BUTTON, enable); }

void CAlarmDialogDlg::ShowLimit(int edit, int tenths)
{
    m_showingLimit = true;
    SetDlgItemText(edit, TemperatureText(tenths).c_str());
    m_showingLimit = false;
}

// ---- changes --------------------------------------------------------------------------------------

void CAlarmDialogDlg::OnTimeAlarmClicked(UINT)
{
    UpdatePreAlarmControls();
    EnableUpload(true);
}

void CAlarmDialogDlg::OnOtherAlarmClicked(UINT) { EnableUpload(true); }

void CAlarmDialogDlg::OnEditFocus(UINT id)
{
    if (OneOf(VALUE_EDITS, static_cast<int>(id)))
        m_editTouched = 1;
}

void CAlarmDialogDlg::OnEditChange(UINT id)
{
    if (IsTemperatureEdit(static_cast<int>(id)) && !m_showingLimit)
        m_lastTypedLimit = static_cast<int>(id);
    // The "Current setting" boxes change only when the dialog writes them.
    if (m_editTouched && OneOf(VALUE_EDITS, static_cast<int>(id)))
        EnableUpload(true);
}

void CAlarmDialogDlg::OnAmPmChanged(UINT id)
{
    if (!TwelveHour())
        return;
    const int selection = id == WEEKDAY_AM_PM ? m_weekdayAmPm.GetCurSel() : m_singleAmPm.GetCurSel();
    const int initial = id == WEEKDAY_AM_PM ? m_initialWeekdayPm : m_initialSinglePm;
    if (selection != initial)
        EnableUpload(true);
}

void CAlarmDialogDlg::OnSpinDelta(NMHDR* header, LRESULT* result)
{
    const NMUPDOWN* updown = reinterpret_cast<const NMUPDOWN*>(header);
    const int direction = updown->iDelta;
    switch (header->idFrom) {
    case TEMPERATURE_UPPER_SPIN: {
        const TemperatureLimits limits = StepUpperLimit(TypedTenthsOrZero(*this, TEMPERATURE_UPPER_EDIT),
                                                        TypedTenthsOrZero(*this, TEMPERATURE_LOWER_EDIT), direction);
        m_temperatureLower = limits.lower;
        m_temperatureUpper = limits.upper;
        ShowLimit(TEMPERATURE_UPPER_EDIT, limits.upper);
        break;
    }
    case TEMPERATURE_LOWER_SPIN: {
        const TemperatureLimits limits = StepLowerLimit(TypedTenthsOrZero(*this, TEMPERATURE_UPPER_EDIT),
                                                        TypedTenthsOrZero(*this, TEMPERATURE_LOWER_EDIT), direction);
        m_temperatureUpper = limits.upper;
        m_temperatureLower = limits.lower;
        ShowLimit(TEMPERATURE_LOWER_EDIT, limits.lower);
        break;
    }
    case PERIOD_SPIN: {
        // The period skips 5: from 4 up and from 6 down the click lands on 6 or 4.
        CString text;
        GetDlgItemText(PERIOD_EDIT, text);
        const int shown = static_cast<int>(std::wcstol(text.GetString(), nullptr, 10));
        if ((shown == 4 && direction > 0) || (shown == 6 && direction < 0))
            m_periodSpin.SetPos32(5);
        break;
    }
    default:
        break;
    }
    // A click is a change, whether or not an edit had the focus.
    EnableUpload(true);
    *result = 0;
}

// ---- upload ---------------------------------------------------------------------------------------

// The first field, in the dialog's order, that holds no number (0: every field holds one). The
// pre-alarm's period and duration cannot be corrected while they are disabled: they show their
// current setting again instead.
int CAlarmDialogDlg::FieldWithoutNumber()
{
    for (int id : VALUE_EDITS) {
        if (HoldsNumber(*this, id))
            continue;
        if (::IsWindowEnabled(::GetDlgItem(m_hWnd, id)))
            return id;
        if (id == PERIOD_EDIT)
            m_periodSpin.SetPos32(m_period);
        else if (id == DURATION_EDIT)
            m_durationSpin.SetPos32(m_duration);
    }
    return 0;
}

// The first field, in the dialog's order, whose number lies beyond what it takes (0: none), with
// that range as the field shows it. Temperature limits out of order refuse the field typed last,
// with the range it takes beside the other limit. A disabled pre-alarm field shows its current
// setting again instead.
int CAlarmDialogDlg::FieldOutOfRange(std::wstring* lowest, std::wstring* highest)
{
    int upper = 0, lower = 0;
    TypedTenths(*this, TEMPERATURE_UPPER_EDIT, &upper);
    TypedTenths(*this, TEMPERATURE_LOWER_EDIT, &lower);
    const RefusedLimit refused = RefusedTemperatureLimit(
        upper, lower, m_lastTypedLimit == TEMPERATURE_UPPER_EDIT ? TemperatureField::Upper : TemperatureField::Lower);
    if (refused.field != TemperatureField::None) {
        *lowest = TemperatureText(refused.lowest);
        *highest = TemperatureText(refused.highest);
        return refused.field == TemperatureField::Upper ? TEMPERATURE_UPPER_EDIT : TEMPERATURE_LOWER_EDIT;
    }
    const std::pair<int, CSpinButtonCtrl*> wholeFields[] = {
        {RAIN_EDIT, &m_rainSpin},           {WIND_EDIT, &m_windSpin},
        {GUST_EDIT, &m_gustSpin},           {WEEKDAY_HOUR_EDIT, &m_weekdayHourSpin},
        {WEEKDAY_MINUTE_EDIT, &m_weekdayMinuteSpin}, {SINGLE_HOUR_EDIT, &m_singleHourSpin},
        {SINGLE_MINUTE_EDIT, &m_singleMinuteSpin},   {PERIOD_EDIT, &m_periodSpin},
        {DURATION_EDIT, &m_durationSpin},
    };
    for (const auto& [edit, spin] : wholeFields) {
        if (TypedNumberInRange(*spin))
            continue;
        if (!::IsWindowEnabled(::GetDlgItem(m_hWnd, edit))) {
            spin->SetPos32(edit == PERIOD_EDIT ? m_period : m_duration);
            continue;
        }
        int first = 0, last = 0;
        spin->GetRange32(first, last);
        *lowest = std::to_wstring(first);
        *highest = std::to_wstring(last);
        return edit;
    }
    return 0;
}

int CAlarmDialogDlg::UploadHour(CSpinButtonCtrl& spin, const CComboBox& amPm)
{
    const int shown = TakenValue(spin);
    return TwelveHour() ? HourOfTwelveHour(shown, amPm.GetCurSel() == 1) : shown;
}

// The record the fields give, each value brought into its range and shown in its field.
AlarmRecord CAlarmDialogDlg::TypedRecord()
{
    AlarmRecord record{};
    record[ALARM_TEMPERATURE_ON] = CheckState(*this, TEMPERATURE_CHECK);
    record[ALARM_RAIN_ON] = CheckState(*this, RAIN_CHECK);
    record[ALARM_WIND_ON] = CheckState(*this, WIND_CHECK);
    record[ALARM_GUST_ON] = CheckState(*this, GUST_CHECK);
    record[ALARM_WEEKDAY_ON] = CheckState(*this, WEEKDAY_CHECK);
    record[ALARM_SINGLE_ON] = CheckState(*this, SINGLE_CHECK);
    record[ALARM_PRE_ON] = CheckState(*this, PRE_ALARM_CHECK);

    // The typed temperatures, checked to lie in their ranges, as they are: the spins' ranges, which
    // a failed upload narrows, do not move them.
    const TemperatureLimits limits = UploadTemperatureLimits(TypedTenthsOrZero(*this, TEMPERATURE_UPPER_EDIT),
                                                             TypedTenthsOrZero(*this, TEMPERATURE_LOWER_EDIT));
    m_temperatureUpperSpin.SetPos32(limits.upper);
    m_temperatureLowerSpin.SetPos32(limits.lower);
    ShowLimit(TEMPERATURE_UPPER_EDIT, limits.upper);
    ShowLimit(TEMPERATURE_LOWER_EDIT, limits.lower);
    record[ALARM_TEMPERATURE_UPPER] = limits.upper;
    record[ALARM_TEMPERATURE_LOWER] = limits.lower;
    record[ALARM_RAIN_UPPER] = TakenValue(m_rainSpin);
    record[ALARM_WIND_UPPER] = TakenValue(m_windSpin);
    record[ALARM_GUST_UPPER] = TakenValue(m_gustSpin);
    record[ALARM_WEEKDAY_HOUR] = UploadHour(m_weekdayHourSpin, m_weekdayAmPm);
    record[ALARM_WEEKDAY_MINUTE] = TakenValue(m_weekdayMinuteSpin);
    record[ALARM_SINGLE_HOUR] = UploadHour(m_singleHourSpin, m_singleAmPm);
    record[ALARM_SINGLE_MINUTE] = TakenValue(m_singleMinuteSpin);
    record[ALARM_PERIOD] = UploadPeriod(TakenValue(m_periodSpin));
    m_periodSpin.SetPos32(record[ALARM_PERIOD]);
    record[ALARM_DURATION] = TakenValue(m_durationSpin);
    return record;
}

void CAlarmDialogDlg::OnUploadNewSetting()
{
    if (!m_pMainDlg)
        return;
    if (const int field = FieldWithoutNumber()) {
        AskForNumber(*this, field, TextAt(g_alarmDialogTexts, NUMBER_NEEDED_ROW, m_language),
                     TextAt(g_alarmDialogTexts, WHOLE_NUMBER_NEEDED_ROW, m_language));
        return;
    }
    std::wstring lowest, highest;
    if (const int field = FieldOutOfRange(&lowest, &highest)) {
        PointAtField(*this, field, NumberRangeMessage(lowest.c_str(), highest.c_str(), m_language));
        return;
    }
    const AlarmRecord record = TypedRecord();
    HeldSetting<AlarmRecord> held;
    const bool written = m_pMainDlg->WriteAlarms(record, &held);
    if (held.known || written) {
        // The members, the remembered values and the "Current setting" texts follow what the
        // station now holds.
        SetRecord(held.known ? held.value : record);
        RememberInitialValues();
    } else {
        // Back to the current setting; the spin handlers may have moved the temperature members.
        m_temperatureUpper = m_initialTemperatureUpper;
        m_temperatureLower = m_initialTemperatureLower;
    }
    ShowMembers();
    BuildCurrentTexts();
    UpdateData(FALSE);
    if (!written) {
        m_temperatureUpperSpin.SetRange32(m_temperatureLower, TEMPERATURE_LIMIT_HIGHEST);
        m_temperatureLowerSpin.SetRange32(TEMPERATURE_LIMIT_LOWEST, m_temperatureUpper);
    }
    EnableUpload(false);
}
