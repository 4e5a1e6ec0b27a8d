#include "dialogs/AltitudeDialog.h"

#include "dialogs/DialogLayout.h"
#include "dialogs/TypedNumbers.h"
#include "res/resource.h"

#include <algorithm>

namespace {

constexpr int NEW_VALUE_EDIT = 1135;
constexpr int SPIN = 1136;
constexpr int CURRENT_EDIT = 1137;
constexpr int UPLOAD_BUTTON = 1138;
constexpr int VALUE_LABEL = 1139;
constexpr int GROUP_BOX = 1140;
constexpr int CURRENT_LABEL = 1141;
constexpr int CLOSE_BUTTON = IDOK;
constexpr int BUTTON_TOP = 96;
constexpr int NUMBER_NEEDED_ROW = 7;
constexpr int WHOLE_NUMBER_NEEDED_ROW = 8;

}  // namespace

const ui::MsgMapEntry CAltitudeDialogDlg::kMessageEntries[] = {
    ui::OnControl<&CAltitudeDialogDlg::OnEditFocus>(EN_SETFOCUS, NEW_VALUE_EDIT),
    ui::OnControl<&CAltitudeDialogDlg::OnEditChange>(EN_CHANGE, NEW_VALUE_EDIT),
    ui::OnNotify<&CAltitudeDialogDlg::OnSpinDelta>(UDN_DELTAPOS, SPIN),
    ui::OnCommand<&CAltitudeDialogDlg::OnUploadNewSetting>(UPLOAD_BUTTON),
};
UI_IMPLEMENT_MESSAGE_MAP(CAltitudeDialogDlg, CDialog)

void AltitudeRange(bool feet, int* lowest, int* highest)
{
    *lowest = feet ? -656 : -200;
    *highest = feet ? 16404 : 5000;
}

CAltitudeDialogDlg::CAltitudeDialogDlg(CWnd* parent) : CDialog(IDD_ALTITUDE, parent) {}

void CAltitudeDialogDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, SPIN, m_spin);
    DDX_Control(dx, UPLOAD_BUTTON, m_uploadButton);
    DDX_Text(dx, CURRENT_EDIT, m_altitude);
}

BOOL CAltitudeDialogDlg::OnInitDialog()
{
    if (InFeet())
        m_altitude = stationsettings::MetresToFeet(m_altitude);
    CDialog::OnInitDialog();
    LayOut();
    EnableItem(*this, UPLOAD_BUTTON, false);
    int lowest = 0, highest = 0;
    AltitudeRange(InFeet(), &lowest, &highest);
    m_spin.SetRange32(lowest, highest);
    ShowNumber(m_spin, m_altitude);  // also an altitude the station holds beyond the range
    return TRUE;
}

void CAltitudeDialogDlg::LayOut()
{
    const int w = UploadButtonExtra(m_language);
    const int b = LanguageOrEnglish(m_language) == LANGUAGE_ENGLISH ? 258 : 310;
    SetWindowSize(*this, b + 6, 164);
    SetItemSize(*this, GROUP_BOX, b - 22, 76);
    SetItemSize(*this, CURRENT_LABEL, b - 182, 14);
    PlaceItem(*this, UPLOAD_BUTTON, b - w - 218, BUTTON_TOP, w + 120, 23);
    MoveItem(*this, CLOSE_BUTTON, b - 86, BUTTON_TOP);
    if (m_language == LANGUAGE_POLISH) {
        PlaceItem(*this, CURRENT_LABEL, 190, 32, b - 202, 14);
        MoveItem(*this, NEW_VALUE_EDIT, 130, 50);
        MoveItem(*this, SPIN, 175, 50);
        MoveItem(*this, CURRENT_EDIT, 190, 50);
        // "Wysokość (Metryczna)" is wider than the room before the moved field: two lines.
        SetItemSize(*this, VALUE_LABEL, 106, 28);
    }
    const ItemText items[] = {{0, 0}, {GROUP_BOX, 1}, {VALUE_LABEL, InFeet() ? 3 : 2}, {CURRENT_LABEL, 4},
                              {UPLOAD_BUTTON, 5}, {CLOSE_BUTTON, 6}};
    SetItemTexts(*this, g_altitudeDialogTexts, items, m_language);
}

void CAltitudeDialogDlg::OnEditFocus() { m_editTouched = 1; }

void CAltitudeDialogDlg::OnEditChange()
{
    if (!m_editTouched || !m_spin.m_hWnd)
        return;
    // A text outside the range counts as a change too.
    BOOL error = FALSE;
    const int position = m_spin.GetPos32(&error);
    if (error || position != m_altitude)
        EnableItem(*this, UPLOAD_BUTTON, true);
}

void CAltitudeDialogDlg::OnSpinDelta(NMHDR*, LRESULT*)
{
    EnableItem(*this, UPLOAD_BUTTON, true);
}

void CAltitudeDialogDlg::OnUploadNewSetting()
{
    if (!m_pMainDlg)
        return;
    int value = 0;
    if (!FieldHoldsWholeNumber(*this, NEW_VALUE_EDIT)) {
        AskForNumber(*this, NEW_VALUE_EDIT, TextAt(g_altitudeDialogTexts, NUMBER_NEEDED_ROW, m_language),
                     TextAt(g_altitudeDialogTexts, WHOLE_NUMBER_NEEDED_ROW, m_language));
        return;
    }
    if (!TypedNumberInRange(m_spin)) {
        AskForNumberInRange(*this, m_spin, m_language);
        return;
    }
    TakeTypedNumber(m_spin, &value);
    HeldSetting<int> held;
    const bool written = m_pMainDlg->WriteAltitude(value, &held);
    EnableItem(*this, UPLOAD_BUTTON, false);
    m_altitude = SettingAfterUpload(held, written, value, m_altitude);
    m_spin.SetPos32(m_altitude);
    UpdateData(FALSE);
}
