#include "dialogs/DisplayingUnitDialog.h"

#include "dialogs/DialogLayout.h"
#include "res/resource.h"

namespace {

constexpr int FIRST_SYSTEM_RADIO = 1228;  // 1228..1231: English, Scientific, Metric, Custom
constexpr int LAST_SYSTEM_RADIO = 1231;
constexpr int OUTER_GROUP = 1244;
constexpr int NOTICE = 1247;

// One unit list: its combo box and group box, the rows of its group caption and first item in
// g_displayingUnitDialogTexts, its member, and the unit a system fixes (null: free in every system).
struct UnitList {
    int comboId;
    int groupId;
    int groupRow;
    int firstItemRow;
    int itemCount;
    int CDisplayingUnitDialogDlg::*member;
    int UnitSystemUnits::*systemUnit;
};
constexpr UnitList kLists[CDisplayingUnitDialogDlg::LIST_COUNT] = {
    {1233, 1239, 6, 7, 2, &CDisplayingUnitDialogDlg::m_altitudeUnit, &UnitSystemUnits::altitude},
    {1232, 1245, 9, 10, 2, &CDisplayingUnitDialogDlg::m_uvUnit, nullptr},
    {1234, 1240, 12, 13, 3, &CDisplayingUnitDialogDlg::m_pressureUnit, &UnitSystemUnits::pressure},
    {1235, 1241, 16, 17, 2, &CDisplayingUnitDialogDlg::m_rainUnit, &UnitSystemUnits::rain},
    {1236, 1246, 19, 20, 2, &CDisplayingUnitDialogDlg::m_timeFormat, nullptr},
    {1237, 1242, 22, 23, 2, &CDisplayingUnitDialogDlg::m_temperatureUnit, &UnitSystemUnits::temperature},
    {1238, 1243, 25, 26, 4, &CDisplayingUnitDialogDlg::m_windUnit, &UnitSystemUnits::wind},
};

constexpr UnitSystemUnits kSystems[3] = {
    /* English    */ {0, 0, 0, 1, 3},
    /* Scientific */ {1, 1, 1, 0, 2},
    /* Metric     */ {1, 2, 1, 0, 0},
};

bool NoticeSitsHigher(int language)
{
    return language == LANGUAGE_GERMAN || language == LANGUAGE_FRENCH || language == LANGUAGE_ITALIAN;
}

}  // namespace

bool UnitsOfSystem(int system, UnitSystemUnits* units)
{
    if (system < UNIT_SYSTEM_ENGLISH || system > UNIT_SYSTEM_METRIC)
        return false;
    *units = kSystems[system];
    return true;
}

const ui::MsgMapEntry CDisplayingUnitDialogDlg::kMessageEntries[] = {
    ui::OnControlRange<&CDisplayingUnitDialogDlg::OnSystemClicked>(BN_CLICKED, FIRST_SYSTEM_RADIO, LAST_SYSTEM_RADIO),
};
UI_IMPLEMENT_MESSAGE_MAP(CDisplayingUnitDialogDlg, CDialog)

CDisplayingUnitDialogDlg::CDisplayingUnitDialogDlg(CWnd* parent) : CDialog(IDD_DISPLAYING_UNIT, parent) {}

BOOL CDisplayingUnitDialogDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowSize(*this, 446, 360);
    for (int id = FIRST_SYSTEM_RADIO; id <= LAST_SYSTEM_RADIO; ++id)
        SetItemSize(*this, id, 120, 14);
    PlaceItem(*this, NOTICE, 26, NoticeSitsHigher(m_language) ? 247 : 254, 390, 28);

    const ItemText captions[] = {{0, 0},  {OUTER_GROUP, 1}, {FIRST_SYSTEM_RADIO, 2}, {FIRST_SYSTEM_RADIO + 1, 3},
                                 {FIRST_SYSTEM_RADIO + 2, 4}, {LAST_SYSTEM_RADIO, 5}, {NOTICE, 30},
                                 {IDOK, 31},  {IDCANCEL, 32}};
    SetItemTexts(*this, g_displayingUnitDialogTexts, captions, m_language);
    FillLists();

    const bool knownSystem = m_unitSystem >= UNIT_SYSTEM_ENGLISH && m_unitSystem <= UNIT_SYSTEM_CUSTOM;
    CheckRadioButton(FIRST_SYSTEM_RADIO, LAST_SYSTEM_RADIO, knownSystem ? FIRST_SYSTEM_RADIO + m_unitSystem : 0);
    // The hour-format list shows any nonzero format as 24 hours.
    for (int k = 0; k < LIST_COUNT; ++k) {
        const int unit = this->*kLists[k].member;
        SelectUnit(k, kLists[k].member == &CDisplayingUnitDialogDlg::m_timeFormat ? (unit != 0 ? 1 : 0) : unit);
    }
    ApplySystem(knownSystem ? m_unitSystem : UNIT_SYSTEM_CUSTOM);
    return TRUE;
}

void CDisplayingUnitDialogDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    for (int k = 0; k < LIST_COUNT; ++k)
        DDX_Control(dx, kLists[k].comboId, m_unitLists[k]);
}

void CDisplayingUnitDialogDlg::FillLists()
{
    for (int k = 0; k < LIST_COUNT; ++k) {
        const UnitList& list = kLists[k];
        SetDlgItemText(list.groupId, TextAt(g_displayingUnitDialogTexts, list.groupRow, m_language));
        CComboBox& combo = m_unitLists[k];
        combo.ResetContent();
        for (int unit = 0; unit < list.itemCount; ++unit) {
            const int index = combo.AddString(TextAt(g_displayingUnitDialogTexts, list.firstItemRow + unit, m_language));
            if (index >= 0)
                combo.SetItemData(index, static_cast<DWORD_PTR>(unit));
        }
    }
}

void CDisplayingUnitDialogDlg::SelectUnit(int k, int unit)
{
    const CComboBox& combo = m_unitLists[k];
    int position = -1;
    for (int i = 0; i < combo.GetCount(); ++i)
        if (static_cast<int>(combo.GetItemData(i)) == unit)
            position = i;
    m_unitLists[k].SetCurSel(position);
}

void CDisplayingUnitDialogDlg::TakeUnit(int k, int& unit) const
{
    const int position = m_unitLists[k].GetCurSel();
    if (position >= 0)
        unit = static_cast<int>(m_unitLists[k].GetItemData(position));
}

void CDisplayingUnitDialogDlg::ApplySystem(int system)
{
    UnitSystemUnits units{};
    const bool fixed = UnitsOfSystem(system, &units);
    for (int k = 0; k < LIST_COUNT; ++k) {
        const UnitList& list = kLists[k];
        if (!list.systemUnit)
            continue;
        if (fixed)
            SelectUnit(k, units.*list.systemUnit);
        EnableItem(*this, list.comboId, !fixed);
    }
}

void CDisplayingUnitDialogDlg::OnSystemClicked(UINT id)
{
    ApplySystem(static_cast<int>(id) - FIRST_SYSTEM_RADIO);
}

void CDisplayingUnitDialogDlg::OnOK()
{
    const int checked = GetCheckedRadioButton(FIRST_SYSTEM_RADIO, LAST_SYSTEM_RADIO);
    if (checked != 0)
        m_unitSystem = checked - FIRST_SYSTEM_RADIO;
    for (int k = 0; k < LIST_COUNT; ++k)
        TakeUnit(k, this->*kLists[k].member);
    CDialog::OnOK();
}
