// The location dialog's opening: layout by language, the lists, and both sides filled from the
// current setting.
#include "dialogs/LocationDialog.h"

#include "dialogs/DialogLayout.h"
#include "res/resource.h"
#include "texts/TextTables.h"

namespace {

// Each side's box is SIDE_EXTRA pixels wider than the Windows fonts need, so that in the fonts
// found here the hemisphere lists show "het noorden" and "Południowy" whole, the current-setting
// column "179°59' het westen" on one line, the degree fields three digits, and the city list, the
// code field and the name field every city's name and code (the template holds the wider lists,
// column and fields).
constexpr int SIDE_EXTRA = 42;
constexpr int WINDOW_WIDTH = 750 + 2 * SIDE_EXTRA;
constexpr int SIDE_BOX_WIDTH = 354 + SIDE_EXTRA;
constexpr int SECOND_SIDE_SHIFT = 368 + SIDE_EXTRA;  // pixels between a label of the local side and the second's
constexpr int CURRENT_SETTING_X = 303;  // the current-setting column, right of the hemisphere lists
// The daylight-saving date fields end at the right of the current-setting column; they are wider
// than the Windows fonts need, so a date and "Always add 1 hour" fit in the fonts found here.
constexpr int DST_FIELD_RIGHT = 360 + SIDE_EXTRA;
constexpr int DST_FIELD_EXTRA = 40;
// The labels of two lines ("City name", "DST mode", "Time offset") reach the lists beside them, so a
// longer text such as "DST Modus ( Sommerzeit )" keeps to two lines.
constexpr int TWO_LINE_LABEL_WIDTH = 80;
// The Upload button reaches further left than the Windows fonts need, for the longer captions.
constexpr int UPLOAD_EXTRA = 16;
constexpr int ROW_REGION_FIRST = LOCATION_REGION_FIRST_ROW;
constexpr int ROW_NORTH = 15;
constexpr int ROW_EAST = 18;
const wchar_t* const kSignTexts[2] = {L"(-)", L"(+)"};  // position 1 is plus

}  // namespace

const ui::MsgMapEntry CLocationDialogDlg::kMessageEntries[] = {
    ui::OnCommand<&CLocationDialogDlg::OnUploadNewSetting>(LOCATION_UPLOAD_BUTTON),
    ui::OnControlRange<&CLocationDialogDlg::OnSelectionChanged>(CBN_SELCHANGE, 1331, 1385),
    ui::OnControlRange<&CLocationDialogDlg::OnEditFocus>(EN_SETFOCUS, 1331, 1385),
    ui::OnControlRange<&CLocationDialogDlg::OnEditChanged>(EN_CHANGE, 1331, 1385),
    ui::OnNotify<&CLocationDialogDlg::OnZoneMinutesSpin>(UDN_DELTAPOS, 1356),
    ui::OnNotify<&CLocationDialogDlg::OnZoneMinutesSpin>(UDN_DELTAPOS, 1381),
};
UI_IMPLEMENT_MESSAGE_MAP(CLocationDialogDlg, CDialog)

CLocationDialogDlg::CLocationDialogDlg(CWnd* parent) : CDialog(IDD_LOCATION, parent)
{
    // The small lists measure their own items, which they do while the dialog is being built.
    for (int side = 0; side < LOCATION_SIDES; ++side) {
        const LocationSideIds& ids = kLocationSideIds[side];
        BindControlEarly(ids.latHemisphere, m_latHemisphereList[side]);
        BindControlEarly(ids.lonHemisphere, m_lonHemisphereList[side]);
        BindControlEarly(ids.dstRule, m_ruleList[side]);
        BindControlEarly(ids.zoneSign, m_signList[side]);
    }
}

void CLocationDialogDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    for (int side = 0; side < LOCATION_SIDES; ++side) {
        const LocationSideIds& ids = kLocationSideIds[side];
        DDX_Control(dx, ids.region, m_regionList[side]);
        DDX_Control(dx, ids.city, m_cityList[side]);
        for (int field = 0; field < LOCATION_NUMBER_FIELDS; ++field)
            DDX_Control(dx, ids.numbers[field].spin, m_spins[side][field]);
    }
    DDX_Control(dx, LOCATION_UPLOAD_BUTTON, m_uploadButton);
}

BOOL CLocationDialogDlg::OnInitDialog()
{
    m_filling = true;
    CDialog::OnInitDialog();
    LayOut();
    EnableUpload(false);
    FillLists();
    for (int side = 0; side < LOCATION_SIDES; ++side) {
        if (!IsValidCityIndex(m_cityCode[side]))
            m_cityCode[side] = USER_DEFINED_CITY;
        if (RegionOfCity(m_cityCode[side]) != m_region[side])
            m_region[side] = RegionOfCity(m_cityCode[side]);
        FillCityControls(side, m_region[side], m_cityCode[side]);
        ShowCurrentSettingTexts(side);
        if (m_region[side] == REGION_USER_DEFINED)
            PutCurrentSetting(side);
    }
    m_filling = false;
    return TRUE;
}

void CLocationDialogDlg::LayOut()
{
    const LocationOffsets g = LocationOffsetsFor(m_language);
    const bool dutch = m_language == LANGUAGE_DUTCH;
    SetWindowSize(*this, WINDOW_WIDTH, 354);
    for (int side = 0; side < LOCATION_SIDES; ++side) {
        const LocationSideIds& ids = kLocationSideIds[side];
        const int x = side * SECOND_SIDE_SHIFT;
        SetItemSize(*this, ids.group, SIDE_BOX_WIDTH, 270);
        PlaceItem(*this, ids.regionLabel, 26 + x, 34, 80, 14);
        PlaceItem(*this, ids.cityLabel, 26 + x, 58 + g.cityNameY, TWO_LINE_LABEL_WIDTH, 28);
        PlaceItem(*this, ids.currentLabel, CURRENT_SETTING_X + x, 58 - g.currentRise, 80, 30);
        PlaceItem(*this, ids.codeLabel, 26 + x, 82, 80, 14);
        PlaceItem(*this, ids.latitudeLabel, 26 + x, 106, 80, 14);
        PlaceItem(*this, ids.longitudeLabel, 26 + x, 130, 80, 14);
        PlaceItem(*this, ids.dstLabel, 26 + x, 156 + g.dstModeY, TWO_LINE_LABEL_WIDTH, 28);
        SetItemSize(*this, ids.dstStartLabel, 200, 14);
        SetItemSize(*this, ids.dstEndLabel, 200, 14);
        const int dateWidth = 94 + g.dstFieldWidth + DST_FIELD_EXTRA;
        PlaceItem(*this, ids.dstStart, DST_FIELD_RIGHT + x - dateWidth, 180, dateWidth, 20);
        PlaceItem(*this, ids.dstEnd, DST_FIELD_RIGHT + x - dateWidth, 204, dateWidth, 20);
        if (dutch)
            PlaceItem(*this, ids.zoneLabel, 22 + x, 252 + g.timeOffsetY, TWO_LINE_LABEL_WIDTH, 38);
        else
            PlaceItem(*this, ids.zoneLabel, 26 + x, 252 + g.timeOffsetY, TWO_LINE_LABEL_WIDTH, 28);
        const ItemText texts[] = {{ids.group, 1 + side}, {ids.regionLabel, 3},   {ids.cityLabel, 11},
                                  {ids.currentLabel, 12}, {ids.codeLabel, 13},   {ids.latitudeLabel, 14},
                                  {ids.longitudeLabel, 17}, {ids.dstLabel, 20},  {ids.dstStartLabel, 21},
                                  {ids.dstEndLabel, 22},  {ids.zoneLabel, 25}};
        SetItemTexts(*this, g_locationDialogTexts, texts, m_language);
    }
    PlaceItem(*this, LOCATION_UPLOAD_BUTTON, 518 + 2 * SIDE_EXTRA - g.uploadWidth - UPLOAD_EXTRA, 290,
              128 + g.uploadWidth + UPLOAD_EXTRA, 24);
    MoveItem(*this, IDOK, 658 + 2 * SIDE_EXTRA, 290);
    const ItemText texts[] = {{0, 0}, {LOCATION_UPLOAD_BUTTON, 26}, {IDOK, 27}};
    SetItemTexts(*this, g_locationDialogTexts, texts, m_language);
}

// Region lists (sorted by the system: an entry knows its region by its item data), hemisphere,
// rule and sign lists, and the ranges of the number fields.
void CLocationDialogDlg::FillLists()
{
    for (int side = 0; side < LOCATION_SIDES; ++side) {
        m_regionList[side].ResetContent();
        for (int region = 0; region < REGION_COUNT; ++region) {
            const int index = m_regionList[side].AddString(TextAt(g_locationDialogTexts, ROW_REGION_FIRST + region,
                                                                  m_language));
            m_regionList[side].SetItemData(index, static_cast<DWORD_PTR>(region));
        }
        for (int hemisphere = 0; hemisphere < 2; ++hemisphere) {
            m_latHemisphereList[side].AddString(TextAt(g_locationDialogTexts, ROW_NORTH + hemisphere, m_language));
            m_lonHemisphereList[side].AddString(TextAt(g_locationDialogTexts, ROW_EAST + hemisphere, m_language));
            m_signList[side].AddString(kSignTexts[hemisphere]);
        }
        for (int rule = 0; rule < DST_RULE_COUNT; ++rule)
            m_ruleList[side].AddString(DstCodeAt(rule));
        for (int field = 0; field < LOCATION_NUMBER_FIELDS; ++field)
            m_spins[side][field].SetRange32(0, kLocationNumberMaxima[field]);
    }
}

void CLocationDialogDlg::SelectRegion(int side, int region)
{
    CComboBox& list = m_regionList[side];
    for (int index = 0; index < list.GetCount(); ++index)
        if (static_cast<int>(list.GetItemData(index)) == region)
            list.SetCurSel(index);
}

int CLocationDialogDlg::SelectedRegion(int side) const
{
    const int index = m_regionList[side].GetCurSel();
    return index < 0 ? -1 : static_cast<int>(m_regionList[side].GetItemData(index));
}

int CLocationDialogDlg::SelectedCity(int side) const
{
    const int index = m_cityList[side].GetCurSel();
    return index < 0 ? -1 : static_cast<int>(m_cityList[side].GetItemData(index));
}
