// The location dialog's sides: a city's controls from the city tables or from the current setting,
// the current-setting column, the daylight-saving dates, the user's changes and the upload.
#include "dialogs/LocationDialog.h"

#include "dialogs/DialogLayout.h"
#include "dialogs/DstDates.h"
#include "dialogs/TypedNumbers.h"
#include "texts/TextTables.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int NUMBER_NEEDED_ROW = 28;
constexpr int WHOLE_NUMBER_NEEDED_ROW = 29;
constexpr int ZONE_OUT_OF_RANGE_ROW = 30;

CString PositionText(int degrees, int minutes, const CString& hemisphere)
{
    CString text;
    text.Format(L"%d\u00B0%d' %s", degrees, minutes, hemisphere.GetString());
    return text;
}

CString ZoneText(int plus, int hours, int minutes)
{
    CString text;
    text.Format(L"%s %d:%02d", plus == 1 ? L"+" : L"-", hours, minutes);
    return text;
}

// The local time of the computer, for the daylight-saving dates.
DstMoment LocalNow()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return DstMoment{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

// The side and the role of a control id of the dialog: which number field (or -1).
bool FindSide(UINT id, int* side)
{
    for (int s = 0; s < LOCATION_SIDES; ++s) {
        const LocationSideIds& ids = kLocationSideIds[s];
        const int all[] = {ids.region, ids.city, ids.name, ids.latHemisphere, ids.lonHemisphere, ids.dstRule,
                           ids.zoneSign};
        for (int control : all)
            if (control == static_cast<int>(id)) {
                *side = s;
                return true;
            }
        for (const LocationNumberIds& number : ids.numbers)
            if (number.edit == static_cast<int>(id) || number.spin == static_cast<int>(id)) {
                *side = s;
                return true;
            }
    }
    return false;
}

int NumberFieldOf(int side, UINT id)
{
    for (int field = 0; field < LOCATION_NUMBER_FIELDS; ++field)
        if (kLocationSideIds[side].numbers[field].edit == static_cast<int>(id))
            return field;
    return -1;
}

}  // namespace

void CLocationDialogDlg::SetCurrentCity(int side, const stationsettings::StationCity& city)
{
    m_region[side] = city.region;
    m_cityCode[side] = city.cityCode;
    m_cityName[side] = city.name;
    m_latDegrees[side] = city.latDegrees;
    m_latMinutes[side] = city.latMinutes;
    m_south[side] = city.south;
    m_lonDegrees[side] = city.lonDegrees;
    m_lonMinutes[side] = city.lonMinutes;
    m_west[side] = city.west;
    m_dstRule[side] = city.dstRule;
    m_zonePlus[side] = city.zonePlus;
    m_zoneHours[side] = city.zoneHours;
    m_zoneMinutes[side] = city.zoneMinutes;
}

// ---- a side's controls ------------------------------------------------------------------------------

void CLocationDialogDlg::SetNumber(int side, int field, int value)
{
    // A value beyond the field's range (an offset of 15 hours that the station holds) is shown as
    // it is: the upload then says so.
    ShowNumber(m_spins[side][field], value);
}

// The field's value moved into its range and shown (what the user typed counts; the fields were
// checked to hold numbers first).
int CLocationDialogDlg::ReadNumber(int side, int field)
{
    int value = 0;
    TakeTypedNumber(m_spins[side][field], &value);
    return value;
}

// The first number field (the local side's first, each side's in its order) that holds no
// number; 0 when every one holds one.
int CLocationDialogDlg::NumberFieldWithoutNumber() const
{
    for (const LocationSideIds& ids : kLocationSideIds) {
        for (const LocationNumberIds& number : ids.numbers) {
            if (!FieldHoldsWholeNumber(*this, number.edit))
                return number.edit;
        }
    }
    return 0;
}

// The up-down control of the first position field (degrees and minutes of latitude and longitude,
// the local side's first) whose number lies beyond the field's range; null when every one lies within.
CSpinButtonCtrl* CLocationDialogDlg::PositionSpinOutOfRange()
{
    for (auto& spins : m_spins)
        for (int field = FIELD_LAT_DEGREES; field < FIELD_ZONE_HOURS; ++field)
            if (!TypedNumberInRange(spins[field]))
                return &spins[field];
    return nullptr;
}

// The field of the first side whose time offset, as typed (before the field's range takes it in),
// is not one of those in use: its hours field when the offset lies beyond -12:00..+14:00, its
// minutes field when they are other than 0 or 30; 0 when both offsets are in use.
int CLocationDialogDlg::ZoneFieldOutOfRange() const
{
    for (int side = 0; side < LOCATION_SIDES; ++side) {
        const LocationNumberIds* numbers = kLocationSideIds[side].numbers;
        CString hoursText, minutesText;
        GetDlgItemText(numbers[FIELD_ZONE_HOURS].edit, hoursText);
        GetDlgItemText(numbers[FIELD_ZONE_MINUTES].edit, minutesText);
        int hours = 0, minutes = 0;
        WholeNumberOfText(hoursText.GetString(), &hours);
        WholeNumberOfText(minutesText.GetString(), &minutes);
        const int plus = m_signList[side].GetCurSel() == 1 ? 1 : 0;
        if (minutes != 0 && minutes != 30)
            return numbers[FIELD_ZONE_MINUTES].edit;
        if (!stationsettings::ZoneOffsetSendable(plus, hours, minutes))
            return numbers[FIELD_ZONE_HOURS].edit;
    }
    return 0;
}

int CLocationDialogDlg::CurrentNumber(int side, int field) const
{
    switch (field) {
    case FIELD_LAT_DEGREES: return m_latDegrees[side];
    case FIELD_LAT_MINUTES: return m_latMinutes[side];
    case FIELD_LON_DEGREES: return m_lonDegrees[side];
    case FIELD_LON_MINUTES: return m_lonMinutes[side];
    case FIELD_ZONE_HOURS: return m_zoneHours[side];
    default: return m_zoneMinutes[side];
    }
}

// The city of the tables in the side's controls; only the user-defined region lets the user edit
// them.
void CLocationDialogDlg::FillCityControls(int side, int region, int city)
{
    const LocationSideIds& ids = kLocationSideIds[side];
    const bool editable = region == REGION_USER_DEFINED;
    const bool wasFilling = m_filling;
    m_filling = true;

    SelectRegion(side, region);
    CComboBox& cities = m_cityList[side];
    cities.ResetContent();
    const int count = RegionGroupStart(region) < 0 ? 0 : g_regionCityCounts[region];
    for (int position = 0; position < count; ++position) {
        const int member = CityAtRegionPosition(region, position);
        const int index = cities.AddString(CityNameAt(member));
        cities.SetItemData(index, static_cast<DWORD_PTR>(member));
        if (member == city)
            cities.SetCurSel(index);
    }
    if (!IsValidCityIndex(city)) {
        m_filling = wasFilling;
        return;
    }

    m_latHemisphereList[side].SetCurSel(g_cityLatitudes[city][POSITION_HEMISPHERE]);
    m_lonHemisphereList[side].SetCurSel(g_cityLongitudes[city][POSITION_HEMISPHERE]);
    m_ruleList[side].SetCurSel(g_cityDstRules[city]);
    const double zone = g_cityTimeZones[city];
    m_signList[side].SetCurSel(zone >= 0 ? 1 : 0);
    for (CComboBox* list : {static_cast<CComboBox*>(&m_latHemisphereList[side]),
                            static_cast<CComboBox*>(&m_lonHemisphereList[side]),
                            static_cast<CComboBox*>(&m_ruleList[side]), static_cast<CComboBox*>(&m_signList[side])})
        list->EnableWindow(editable);

    double wholeHours = 0;
    const double fraction = std::modf(std::fabs(zone), &wholeHours);
    const int values[LOCATION_NUMBER_FIELDS] = {
        g_cityLatitudes[city][POSITION_DEGREES],  g_cityLatitudes[city][POSITION_MINUTES],
        g_cityLongitudes[city][POSITION_DEGREES], g_cityLongitudes[city][POSITION_MINUTES],
        static_cast<int>(wholeHours),             static_cast<int>(fraction * 10) != 0 ? 30 : 0};
    for (int field = 0; field < LOCATION_NUMBER_FIELDS; ++field) {
        SetNumber(side, field, values[field]);
        m_spins[side][field].EnableWindow(editable);
        GetDlgItem(ids.numbers[field].edit)->SendMessage(EM_SETREADONLY, !editable);
    }
    SetDlgItemText(ids.code, CityCodeAt(city));
    SetDlgItemText(ids.name, CityNameAt(city));
    GetDlgItem(ids.name)->SendMessage(EM_SETREADONLY, !editable);
    m_filling = wasFilling;
    ShowDstDates(side, g_cityDstRules[city]);
}

// The current setting in every control of the side: the city, its name (the user's own for the
// user-defined city), position, rule and time offset.
void CLocationDialogDlg::PutCurrentSetting(int side)
{
    const LocationSideIds& ids = kLocationSideIds[side];
    const bool wasFilling = m_filling;
    m_filling = true;
    m_latHemisphereList[side].SetCurSel(m_south[side]);
    m_lonHemisphereList[side].SetCurSel(m_west[side]);
    m_ruleList[side].SetCurSel(m_dstRule[side]);
    m_signList[side].SetCurSel(m_zonePlus[side] == 1 ? 1 : 0);
    for (int field = 0; field < LOCATION_NUMBER_FIELDS; ++field)
        SetNumber(side, field, CurrentNumber(side, field));
    SetDlgItemText(ids.code, CityCodeAt(m_cityCode[side]));
    SetDlgItemText(ids.name, m_cityCode[side] == USER_DEFINED_CITY ? m_cityName[side].GetString()
                                                                   : CityNameAt(m_cityCode[side]));
    m_filling = wasFilling;
    ShowDstDates(side, m_dstRule[side]);
}

void CLocationDialogDlg::ShowCurrentSettingTexts(int side)
{
    const LocationSideIds& ids = kLocationSideIds[side];
    CString text;
    GetDlgItemText(ids.code, text);
    SetDlgItemText(ids.currentCode, text);
    CString hemisphere;
    m_latHemisphereList[side].GetLBText(m_south[side], hemisphere);
    SetDlgItemText(ids.currentLatitude, PositionText(m_latDegrees[side], m_latMinutes[side], hemisphere));
    m_lonHemisphereList[side].GetLBText(m_west[side], hemisphere);
    SetDlgItemText(ids.currentLongitude, PositionText(m_lonDegrees[side], m_lonMinutes[side], hemisphere));
    m_ruleList[side].GetLBText(m_dstRule[side], text);
    SetDlgItemText(ids.currentDstRule, text);
    SetDlgItemText(ids.currentZone, ZoneText(m_zonePlus[side], m_zoneHours[side], m_zoneMinutes[side]));
}

void CLocationDialogDlg::ShowDstDates(int side, int rule)
{
    const DstShownDates shown = DstDatesShown(rule, m_language, LocalNow());
    SetDlgItemText(kLocationSideIds[side].dstStart, shown.start.c_str());
    SetDlgItemText(kLocationSideIds[side].dstEnd, shown.end.c_str());
}

// ---- the user's changes ---------------------------------------------------------------------------

void CLocationDialogDlg::EnableUpload(bool enable)
{
    EnableItem(*this, LOCATION_UPLOAD_BUTTON, enable);
}

void CLocationDialogDlg::OnSelectionChanged(UINT id)
{
    int side = 0;
    if (m_filling || !FindSide(id, &side))
        return;
    const LocationSideIds& ids = kLocationSideIds[side];
    const int control = static_cast<int>(id);
    if (control == ids.region || control == ids.city) {
        const int region = SelectedRegion(side);
        const int city = control == ids.region ? CityAtRegionPosition(region, 0) : SelectedCity(side);
        FillCityControls(side, region, city);
        if (city != m_cityCode[side])
            EnableUpload(true);
    } else if (control == ids.dstRule) {
        const int rule = m_ruleList[side].GetCurSel();
        ShowDstDates(side, rule);
        if (rule != m_dstRule[side])
            EnableUpload(true);
    } else {
        const int selected = static_cast<int>(GetDlgItem(control)->SendMessage(CB_GETCURSEL));
        const int current = control == ids.latHemisphere ? m_south[side]
                            : control == ids.lonHemisphere ? m_west[side]
                                                           : m_zonePlus[side];
        if (selected != current)
            EnableUpload(true);
    }
}

void CLocationDialogDlg::OnEditFocus(UINT id)
{
    int side = 0;
    if (FindSide(id, &side) && NumberFieldOf(side, id) >= 0)
        m_editing = 1;
}

void CLocationDialogDlg::OnEditChanged(UINT id)
{
    int side = 0;
    if (m_filling || !FindSide(id, &side))
        return;
    if (static_cast<int>(id) == kLocationSideIds[side].name) {
        CString text;
        GetDlgItemText(static_cast<int>(id), text);
        if (text != m_cityName[side])
            EnableUpload(true);
        return;
    }
    // A text that is no number in the field's range counts as a change too (the upload then says so).
    const int field = NumberFieldOf(side, id);
    BOOL error = FALSE;
    if (field >= 0 && m_editing &&
        (m_spins[side][field].GetPos32(&error) != CurrentNumber(side, field) || error))
        EnableUpload(true);
}

// The time offset's minutes step between 0 and 30 only.
void CLocationDialogDlg::OnZoneMinutesSpin(NMHDR* header, LRESULT* result)
{
    const NMUPDOWN* step = reinterpret_cast<const NMUPDOWN*>(header);
    const int side = static_cast<int>(header->idFrom) == kLocationSideIds[0].numbers[FIELD_ZONE_MINUTES].spin ? 0 : 1;
    const int shown = static_cast<int>(GetDlgItemInt(kLocationSideIds[side].numbers[FIELD_ZONE_MINUTES].edit));
    if (shown < 30 && step->iDelta > 0)
        m_spins[side][FIELD_ZONE_MINUTES].SetPos32(29);
    else if (shown > 0 && step->iDelta < 0)
        m_spins[side][FIELD_ZONE_MINUTES].SetPos32(1);
    *result = 0;
}

// ---- upload ---------------------------------------------------------------------------------------

stationsettings::StationCity CLocationDialogDlg::ReadSide(int side)
{
    stationsettings::StationCity city;
    city.region = SelectedRegion(side);
    city.cityCode = SelectedCity(side);
    city.latDegrees = ReadNumber(side, FIELD_LAT_DEGREES);
    city.latMinutes = ReadNumber(side, FIELD_LAT_MINUTES);
    city.south = m_latHemisphereList[side].GetCurSel();
    city.lonDegrees = ReadNumber(side, FIELD_LON_DEGREES);
    city.lonMinutes = ReadNumber(side, FIELD_LON_MINUTES);
    city.west = m_lonHemisphereList[side].GetCurSel();
    city.dstRule = m_ruleList[side].GetCurSel();
    city.zonePlus = m_signList[side].GetCurSel();
    city.zoneHours = ReadNumber(side, FIELD_ZONE_HOURS);
    city.zoneMinutes = ReadNumber(side, FIELD_ZONE_MINUTES) != 0 ? 30 : 0;
    SetNumber(side, FIELD_ZONE_MINUTES, city.zoneMinutes);
    city.name = city.cityCode == USER_DEFINED_CITY ? NameToSend(side).str() : CityNameAt(city.cityCode);
    return city;
}

// The user-defined city's name as its field holds it; a field left empty (or holding only spaces)
// keeps the city's previous name, the table's name for a side that held another city, and shows it.
CString CLocationDialogDlg::NameToSend(int side)
{
    const int nameField = kLocationSideIds[side].name;
    CString name;
    GetDlgItemText(nameField, name);
    if (!CString(name).Trim().IsEmpty())
        return name;
    const bool ownName = m_cityCode[side] == USER_DEFINED_CITY && !CString(m_cityName[side]).Trim().IsEmpty();
    name = ownName ? m_cityName[side] : CString(CityNameAt(USER_DEFINED_CITY));
    const bool wasFilling = m_filling;
    m_filling = true;
    SetDlgItemText(nameField, name);
    m_filling = wasFilling;
    return name;
}

void CLocationDialogDlg::OnUploadNewSetting()
{
    if (const int field = NumberFieldWithoutNumber()) {
        AskForNumber(*this, field, TextAt(g_locationDialogTexts, NUMBER_NEEDED_ROW, m_language),
                     TextAt(g_locationDialogTexts, WHOLE_NUMBER_NEEDED_ROW, m_language));
        return;
    }
    if (CSpinButtonCtrl* spin = PositionSpinOutOfRange()) {
        AskForNumberInRange(*this, *spin, m_language);
        return;
    }
    if (const int field = ZoneFieldOutOfRange()) {
        PointAtField(*this, field, TextAt(g_locationDialogTexts, ZONE_OUT_OF_RANGE_ROW, m_language));
        return;
    }
    stationsettings::StationCity cities[LOCATION_SIDES] = {ReadSide(0), ReadSide(1)};
    HeldSetting<StationCities> held;
    if (!m_pMainDlg || !m_pMainDlg->WriteLocation(cities, &held)) {
        // What the station holds after the failure, when it could be read, is the current setting.
        if (held.known)
            for (int side = 0; side < LOCATION_SIDES; ++side)
                SetCurrentCity(side, held.value[side]);
        RestoreCurrentSetting();
        for (int side = 0; side < LOCATION_SIDES; ++side)
            ShowCurrentSettingTexts(side);
        return;
    }
    for (int side = 0; side < LOCATION_SIDES; ++side) {
        stationsettings::StationCity city = cities[side];
        CString shownName;
        GetDlgItemText(kLocationSideIds[side].name, shownName);
        city.name = shownName.str();
        SetCurrentCity(side, city);
        ShowCurrentSettingTexts(side);
    }
    EnableUpload(false);
}

// After a failed upload every control shows the current setting again.
void CLocationDialogDlg::RestoreCurrentSetting()
{
    m_filling = true;
    for (int side = 0; side < LOCATION_SIDES; ++side) {
        FillCityControls(side, m_region[side], m_cityCode[side]);
        PutCurrentSetting(side);
    }
    m_filling = false;
    EnableUpload(false);
}
