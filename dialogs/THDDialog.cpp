#include "dialogs/THDDialog.h"

#include "dialogs/DialogLayout.h"
#include "platform/ui/UiColorDialog.h"
#include "res/resource.h"

namespace {

// Controls of sensor s and quantity q: 1248 + 6q + s line type, 1266 + 6q + s thickness,
// 1290 + 6q + s colour; 1284 + s name field; 1316 + s row label; 1308 + q Reset.
constexpr int FIRST_LINE_TYPE = 1248;
constexpr int FIRST_THICKNESS = 1266;
constexpr int FIRST_NAME = 1284;
constexpr int FIRST_COLOUR = 1290;
constexpr int LAST_COLOUR = FIRST_COLOUR + THD_QUANTITIES * THD_SENSORS - 1;
constexpr int FIRST_RESET = 1308;
constexpr int LAST_RESET = FIRST_RESET + THD_QUANTITIES - 1;
constexpr int FIRST_ROW_LABEL = 1316;
constexpr int OUTER_FRAME = 1311;
constexpr int WINDOW_HEIGHT = 346;

constexpr COLORREF BUTTON_CAPTION_COLOUR = 0x010101;
constexpr COLORREF BUTTON_DISABLED_COLOUR = 0x808080;

constexpr int LINE_TYPE_CODES = 5;  // solid, dotted, dashed, dash-dot, long-short, top to bottom
constexpr int THICKNESS_CODES = 3;  // "1/2 pt", "1 pt", "1 1/2 pt"

int Slot(int quantity, int sensor) { return THD_SENSORS * quantity + sensor; }

// Extra width of the Reset buttons: German, French, Italian, Dutch, Russian, Polish 40 (the French
// "Réinitialisation" needs 66 pixels); Spanish 20.
int ResetExtra(int language)
{
    switch (language) {
    case LANGUAGE_GERMAN:
    case LANGUAGE_FRENCH:
    case LANGUAGE_ITALIAN:
    case LANGUAGE_DUTCH:
    case LANGUAGE_RUSSIAN:
    case LANGUAGE_POLISH: return 40;
    case LANGUAGE_SPANISH: return 20;
    default: return 0;
    }
}

// Thickness lists exchange the item's code: saving takes the selected item's (0 with none),
// loading selects the item with the member's code.
void DDX_Thickness(CDataExchange* dx, const CLineThickComboBox& box, int& value)
{
    if (dx->m_bSaveAndValidate) {
        const int code = box.CodeAt(box.GetCurSel());
        value = code < 0 ? 0 : code;
    } else {
        SelectLineStyleItem(box.m_hWnd, value);
    }
}

}  // namespace

const COLORREF kResetLineColours[THD_SENSORS] = {0x0000FF, 0x8080FF, 0x0080FF, 0x00FFFF, 0x008000, 0x800000};

const ui::MsgMapEntry CTHDDialogDlg::kMessageEntries[] = {
    ui::OnControlRange<&CTHDDialogDlg::OnColourButton>(BN_CLICKED, FIRST_COLOUR, LAST_COLOUR),
    ui::OnControlRange<&CTHDDialogDlg::OnReset>(BN_CLICKED, FIRST_RESET, LAST_RESET),
};
UI_IMPLEMENT_MESSAGE_MAP(CTHDDialogDlg, CDialog)

CTHDDialogDlg::CTHDDialogDlg(CWnd* parent) : CDialog(IDD_THD_LINES, parent) {}

void CTHDDialogDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    for (int q = 0; q < THD_QUANTITIES; ++q) {
        for (int s = 0; s < THD_SENSORS; ++s) {
            DDX_Control(dx, FIRST_LINE_TYPE + Slot(q, s), m_lineTypeBox[q][s]);
            DDX_LineType(dx, FIRST_LINE_TYPE + Slot(q, s), m_lineType[q][s]);
            DDX_Control(dx, FIRST_THICKNESS + Slot(q, s), m_thicknessBox[q][s]);
            DDX_Thickness(dx, m_thicknessBox[q][s], m_lineThickness[q][s]);
            DDX_Control(dx, FIRST_COLOUR + Slot(q, s), m_colourButton[q][s]);
        }
    }
}

BOOL CTHDDialogDlg::OnInitDialog()
{
    CDialog::OnInitDialog();  // the lists are still empty: nothing is selected yet
    LayOut();
    FillLists();
    for (int s = 0; s < THD_SENSORS; ++s) {
        ::SendDlgItemMessageW(m_hWnd, FIRST_NAME + s, EM_LIMITTEXT, CHANNEL_NAME_MAX_UNITS, 0);
        SetDlgItemText(FIRST_NAME + s, m_channelName[s]);
    }
    for (int q = 0; q < THD_QUANTITIES; ++q) {
        for (int s = 0; s < THD_SENSORS; ++s) {
            m_colourButton[q][s].m_bevel = 2;
            ShowColour(q, s, m_lineColour[q][s]);
        }
    }
    UpdateData(FALSE);
    return TRUE;
}

void CTHDDialogDlg::LayOut()
{
    // The window holds the outer frame with the frame's left margin on its right too (the lists
    // are wide enough for their whole samples, which makes the frame wider than 824 pixels).
    const RECT frame = ItemBox(*this, OUTER_FRAME);
    SetWindowSize(*this, WindowWidthForClient(*this, frame.right + frame.left), WINDOW_HEIGHT);
    for (int s = 0; s < THD_SENSORS; ++s)
        SetItemSize(*this, FIRST_ROW_LABEL + s, 100, 14);
    // Each Reset button ends where its group's thickness lists end.
    const int extra = ResetExtra(m_language);
    for (int q = 0; q < THD_QUANTITIES; ++q) {
        const int right = ItemBox(*this, FIRST_THICKNESS + Slot(q, 0)).right;
        PlaceItem(*this, FIRST_RESET + q, right - 50 - extra, 228, 50 + extra, 22);
    }

    const ItemText texts[] = {
        {0, 0},     {1311, 1},  {1312, 2},  {1313, 3},  {1143, 4},  {1314, 5},  {1315, 6},
        {1322, 7},  {1323, 7},  {1324, 7},  {1325, 8},  {1326, 8},  {1327, 8},  {1328, 9},
        {1329, 9},  {1330, 9},  {1316, 10}, {1317, 11}, {1318, 12}, {1319, 13}, {1320, 14},
        {1321, 15}, {1308, 16}, {1309, 16}, {1310, 16}, {IDOK, 17}, {IDCANCEL, 18},
    };
    SetItemTexts(*this, g_thdDialogTexts, texts, m_language);
}

void CTHDDialogDlg::FillLists()
{
    for (int q = 0; q < THD_QUANTITIES; ++q) {
        for (int s = 0; s < THD_SENSORS; ++s) {
            m_lineTypeBox[q][s].ResetContent();
            for (int code = 0; code < LINE_TYPE_CODES; ++code)
                m_lineTypeBox[q][s].AddCode(code);
            m_thicknessBox[q][s].ResetContent();
            for (int code = 0; code < THICKNESS_CODES; ++code)
                m_thicknessBox[q][s].AddCode(code);
        }
    }
}

void CTHDDialogDlg::ShowColour(int quantity, int sensor, COLORREF colour)
{
    CColorButton& button = m_colourButton[quantity][sensor];
    button.m_textColour = BUTTON_CAPTION_COLOUR;
    button.m_faceColour = colour;
    button.m_disabledColour = BUTTON_DISABLED_COLOUR;
    if (button.m_hWnd)
        button.Invalidate();
}

void CTHDDialogDlg::OnColourButton(UINT id)
{
    const int slot = static_cast<int>(id) - FIRST_COLOUR;
    CColorDialog dialog(0, 0, this);
    if (dialog.DoModal() == IDOK)
        ShowColour(slot / THD_SENSORS, slot % THD_SENSORS, dialog.GetColor());
}

void CTHDDialogDlg::OnReset(UINT id)
{
    const int q = static_cast<int>(id) - FIRST_RESET;  // also the lists' position: 0, 1 or 2
    for (int s = 0; s < THD_SENSORS; ++s) {
        m_lineTypeBox[q][s].SetCurSel(q);
        m_thicknessBox[q][s].SetCurSel(q);
        ShowColour(q, s, kResetLineColours[s]);
    }
}

void CTHDDialogDlg::OnOK()
{
    // A name field left empty (or holding only spaces) keeps the sensor's previous name.
    for (int s = 0; s < THD_SENSORS; ++s) {
        CString name;
        GetDlgItemText(FIRST_NAME + s, name);
        CString trimmed = name;
        if (!trimmed.Trim().IsEmpty())
            m_channelName[s] = name;
    }
    for (int q = 0; q < THD_QUANTITIES; ++q)
        for (int s = 0; s < THD_SENSORS; ++s)
            m_lineColour[q][s] = m_colourButton[q][s].m_faceColour;
    CDialog::OnOK();
}
