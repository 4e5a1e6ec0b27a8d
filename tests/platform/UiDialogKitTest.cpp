// The dialog kit of the class layer: data exchange with validation, the up-down control,
// notification reflection, early measuring of owner-drawn controls, the keys of modeless dialogs
// and the seam that answers modal dialogs.
#include "platform/ui/Ui.h"
#include "tests/support/DialogAnswer.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

constexpr UINT IDD_UI_KIT = 510;
constexpr UINT IDD_UI_KIT_PANEL = 530;
constexpr int EDIT_NUMBER = 511, SPIN = 512, EDIT_TEXT = 513, CHECK = 514, RADIO_FIRST = 515, COMBO = 519,
              GO = 520, OFF = 521;

// An owner-drawn combo box that measures its own items.
class CMeasuredCombo : public CComboBox {
public:
    int m_measured = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT measure) override
    {
        ++m_measured;
        measure->itemHeight = 21;
    }
};

// A button that handles its own click (reflected) and a spin that sees its own UDN_DELTAPOS.
class CSelfClickButton : public CButton {
public:
    int m_clicks = 0;
    void OnClicked() { ++m_clicks; }
    UI_DECLARE_MESSAGE_MAP()
};
const ui::MsgMapEntry CSelfClickButton::kMessageEntries[] = {
    ui::OnReflectedControl<&CSelfClickButton::OnClicked>(BN_CLICKED),
};
UI_IMPLEMENT_MESSAGE_MAP(CSelfClickButton, CButton)

class CWatchedSpin : public CSpinButtonCtrl {
public:
    std::vector<int> m_deltas;
    void OnDeltaPos(NMHDR* header, LRESULT*) { m_deltas.push_back(reinterpret_cast<NMUPDOWN*>(header)->iDelta); }
    UI_DECLARE_MESSAGE_MAP()
};
const ui::MsgMapEntry CWatchedSpin::kMessageEntries[] = {
    ui::OnReflectedNotify<&CWatchedSpin::OnDeltaPos>(UDN_DELTAPOS),
};
UI_IMPLEMENT_MESSAGE_MAP(CWatchedSpin, CSpinButtonCtrl)

class CKitDialog : public CDialog {
public:
    CKitDialog() : CDialog(IDD_UI_KIT) { BindControlEarly(COMBO, m_combo); }

    int m_number = 7;
    CString m_text = L"hello";
    int m_check = 1;
    int m_radio = 2;
    bool m_validate = false;
    CMeasuredCombo m_combo;
    CWatchedSpin m_spin;
    std::vector<std::string> m_events;
    int m_parentGo = 0;

    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, SPIN, m_spin);
        DDX_Text(dx, EDIT_NUMBER, m_number);
        if (m_validate)
            DDV_MinMaxInt(dx, m_number, 1, 99);
        DDX_Text(dx, EDIT_TEXT, m_text);
        DDX_Check(dx, CHECK, m_check);
        DDX_Radio(dx, RADIO_FIRST, m_radio);
    }
    BOOL OnInitDialog() override
    {
        m_events.push_back(m_combo.m_measured > 0 ? "init after measure" : "init");
        return CDialog::OnInitDialog();
    }
    void OnMeasureItem(int id, LPMEASUREITEMSTRUCT measure)
    {
        m_events.push_back("measure " + std::to_string(id));
        CDialog::OnMeasureItem(id, measure);
    }
    void OnGo() { ++m_parentGo; }
    UI_DECLARE_MESSAGE_MAP()
};
const ui::MsgMapEntry CKitDialog::kMessageEntries[] = {
    ui::OnMessage<WM_MEASUREITEM, &CKitDialog::OnMeasureItem>(),
    ui::OnCommand<&CKitDialog::OnGo>(GO),
};
UI_IMPLEMENT_MESSAGE_MAP(CKitDialog, CDialog)

CString ItemText(CWnd& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

}  // namespace

TEST(UiDataExchange, LoadsMembersAndSavesTheControlsBack)
{
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    CKitDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_UI_KIT));
    EXPECT_EQ(ItemText(dialog, EDIT_NUMBER), L"7");
    EXPECT_EQ(ItemText(dialog, EDIT_TEXT), L"hello");
    EXPECT_EQ(dialog.IsDlgButtonChecked(CHECK), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(dialog.GetCheckedRadioButton(515, 518), 517);

    dialog.SetDlgItemText(EDIT_NUMBER, L"  -42 ");
    dialog.SetDlgItemText(EDIT_TEXT, L"world");
    dialog.CheckDlgButton(CHECK, BST_UNCHECKED);
    dialog.CheckRadioButton(515, 517, 515);
    dialog.CheckDlgButton(518, BST_CHECKED);  // another group: not part of the value
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_number, -42);
    EXPECT_EQ(dialog.m_text, L"world");
    EXPECT_EQ(dialog.m_check, 0);
    EXPECT_EQ(dialog.m_radio, 0);

    dialog.CheckRadioButton(515, 517, 0);
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_radio, -1);
    dialog.m_radio = 9;  // no such button: none is checked
    dialog.UpdateData(FALSE);
    EXPECT_EQ(dialog.GetCheckedRadioButton(515, 517), 0);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST(UiDataExchange, InvalidTextStopsThePassWithAMessage)
{
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    CKitDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_UI_KIT));
    dialog.SetDlgItemText(EDIT_NUMBER, L"12abc");
    dialog.SetDlgItemText(EDIT_TEXT, L"changed");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_number, 7);
    EXPECT_EQ(dialog.m_text, L"hello");  // the routines after the failure did nothing
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"Please enter an integer.");

    dialog.m_validate = true;
    dialog.SetDlgItemText(EDIT_NUMBER, L"100");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[1].text, L"Please enter an integer between 1 and 99.");
    dialog.SetDlgItemText(EDIT_NUMBER, L"99");
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_number, 99);
    dialog.SetDlgItemText(EDIT_NUMBER, L"99999999999");  // does not fit an int
    EXPECT_FALSE(dialog.UpdateData(TRUE));
}

TEST(UiSpinButton, RangePositionBuddyTextAndTypedValues)
{
    CKitDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_UI_KIT));
    CSpinButtonCtrl& spin = dialog.m_spin;
    ASSERT_NE(spin.m_hWnd, nullptr);
    EXPECT_EQ(spin.GetBuddy(), ::GetDlgItem(dialog.m_hWnd, EDIT_NUMBER));
    spin.SetRange32(-656, 16404);
    int low = 0, high = 0;
    spin.GetRange32(low, high);
    EXPECT_EQ(low, -656);
    EXPECT_EQ(high, 16404);
    spin.SetPos32(-328);
    EXPECT_EQ(ItemText(dialog, EDIT_NUMBER), L"-328");
    spin.SetPos32(20000);  // moved to the end of the range
    EXPECT_EQ(spin.GetPos32(), 16404);
    EXPECT_EQ(ItemText(dialog, EDIT_NUMBER), L"16404");

    // What a user types counts, kept in the range.
    dialog.SetDlgItemText(EDIT_NUMBER, L"20000");
    EXPECT_EQ(spin.TakeBuddyValue(), 16404);
    dialog.SetDlgItemText(EDIT_NUMBER, L"-700");
    EXPECT_EQ(spin.TakeBuddyValue(), -656);
    dialog.SetDlgItemText(EDIT_NUMBER, L"x");
    EXPECT_EQ(spin.TakeBuddyValue(), 0);
    EXPECT_EQ(spin.GetPos32(), 0);

    dialog.SetDlgItemInt(EDIT_TEXT, static_cast<UINT>(-15));
    BOOL translated = FALSE;
    EXPECT_EQ(static_cast<int>(dialog.GetDlgItemInt(EDIT_TEXT, &translated)), -15);
    EXPECT_TRUE(translated);
}

TEST(UiSpinButton, ValueMovedIntoARangeGivenInEitherOrder)
{
    CKitDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_UI_KIT));
    CSpinButtonCtrl& spin = dialog.m_spin;
    spin.SetRange32(100, -5);  // ends reversed
    EXPECT_EQ(spin.SetPosInRange(500), 100);
    EXPECT_EQ(spin.SetPosInRange(-50), -5);
    EXPECT_EQ(spin.SetPosInRange(7), 7);
    EXPECT_EQ(spin.GetPos32(), 7);
    dialog.SetDlgItemText(EDIT_NUMBER, L"-9");
    EXPECT_EQ(spin.TakeBuddyValue(), -5);
}

TEST(UiReflection, ControlSeesItsOwnNotificationsFirst)
{
    CKitDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_UI_KIT));
    dialog.ShowWindow(SW_SHOW);
    // Without a reflected entry the parent's map handles the click.
    EXPECT_TRUE(ui::ClickButton(dialog, GO));
    EXPECT_EQ(dialog.m_parentGo, 1);
    CSelfClickButton button;
    ASSERT_TRUE(button.SubclassDlgItem(GO, &dialog));
    EXPECT_TRUE(ui::ClickButton(dialog, GO));
    EXPECT_EQ(button.m_clicks, 1);
    EXPECT_EQ(dialog.m_parentGo, 1);  // handled by the button: the parent does not see it

    // WM_NOTIFY: the spin sees its own UDN_DELTAPOS, then moves as usual.
    dialog.m_spin.SetRange32(0, 10);
    dialog.m_spin.SetPos32(5);
    EXPECT_TRUE(ui::ClickSpinArrow(dialog, SPIN, true));
    EXPECT_TRUE(ui::ClickSpinArrow(dialog, SPIN, false));
    EXPECT_TRUE(ui::ClickSpinArrow(dialog, SPIN, false));
    EXPECT_EQ(dialog.m_spin.m_deltas, (std::vector<int>{1, -1, -1}));
    EXPECT_EQ(dialog.m_spin.GetPos32(), 4);
    // A disabled control cannot be used.
    EXPECT_FALSE(ui::ClickButton(dialog, OFF));
}

TEST(UiDialogCreation, OwnerDrawnControlsAreMeasuredBeforeOnInitDialog)
{
    CKitDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_UI_KIT));
    ASSERT_GE(dialog.m_events.size(), 2u);
    EXPECT_EQ(dialog.m_events.front(), "measure 519");
    EXPECT_EQ(dialog.m_events.back(), "init after measure");
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dialog.m_hWnd, COMBO)), &dialog.m_combo);
    EXPECT_EQ(dialog.m_combo.SendMessage(CB_GETITEMHEIGHT, 0), 21);
}

TEST(UiModelessDialog, DialogKeysReachItInTheMessageLoopAndInsideAModalDialog)
{
    // Enter in a dialog is its default button (IDOK) wherever the focus is.
    struct CCountingOk : CKitDialog {
        int m_ok = 0;
        void OnOK() override { ++m_ok; }
    };
    CCountingOk modeless;
    ASSERT_TRUE(modeless.Create(IDD_UI_KIT));
    modeless.ShowWindow(SW_SHOW);
    HWND number = ::GetDlgItem(modeless.m_hWnd, EDIT_NUMBER);
    MSG enter = {number, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(ui::PreTranslateDialogMessage(&enter));
    EXPECT_EQ(modeless.m_ok, 1);
    MSG click = {number, WM_LBUTTONDOWN, 0, 0, 0, {}};
    EXPECT_FALSE(ui::PreTranslateDialogMessage(&click));

    // A modeless panel inside a modal dialog: its Enter is its own, not the modal dialog's.
    struct CWithPanel : CKitDialog {
        CCountingOk m_panel;
        BOOL OnInitDialog() override
        {
            m_panel.Create(IDD_UI_KIT_PANEL, this);
            m_panel.ShowWindow(SW_SHOW);
            return CKitDialog::OnInitDialog();
        }
    } modal;
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_UI_KIT, [&](CDialog&) {
        ::PostMessageW(::GetDlgItem(modal.m_panel.m_hWnd, EDIT_NUMBER), WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_EQ(modal.DoModal(), IDCANCEL);  // the modal dialog's own IDOK never came
    EXPECT_EQ(modal.m_panel.m_ok, 1);
}

TEST(UiDialogAnswer, ScriptsPlayTheUserOfModalDialogs)
{
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    CString seenText;
    answer.Add(IDD_UI_KIT, [&](CDialog& d) {
        EXPECT_TRUE(d.IsWindowVisible());
        EXPECT_TRUE(ui::TypeText(d, EDIT_NUMBER, L"55"));
        EXPECT_TRUE(ui::SelectComboItem(d, COMBO, 1));
        EXPECT_FALSE(ui::SelectComboItem(d, COMBO, 5));
        seenText = ItemText(d, EDIT_TEXT);
        EXPECT_TRUE(ui::ClickButton(d, IDOK));
    });
    answer.Add(0, nullptr);
    EXPECT_EQ(answer.Unused(), 2u);
    struct CFilled : CKitDialog {
        BOOL OnInitDialog() override
        {
            m_combo.AddString(L"a");
            m_combo.AddString(L"b");
            return CKitDialog::OnInitDialog();
        }
    } filled;
    filled.m_text = L"from the caller";
    EXPECT_EQ(filled.DoModal(), IDOK);
    EXPECT_EQ(seenText, L"from the caller");
    EXPECT_EQ(filled.m_number, 55);  // OK saved the typed value

    // A dialog without a script is closed with Cancel.
    CKitDialog unscripted;
    EXPECT_EQ(unscripted.DoModal(), IDCANCEL);
    EXPECT_EQ(answer.Opened(), (std::vector<UINT>{IDD_UI_KIT, IDD_UI_KIT}));
    EXPECT_EQ(answer.Unused(), 1u);  // the script for template 0 was never taken
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST(UiMessageBox, AModalDialogInFrontOfTheMainWindowOwnsTheBox)
{
    CWinApp app(L"Kit");
    CKitDialog main;
    ASSERT_TRUE(main.Create(IDD_UI_KIT));
    main.ShowWindow(SW_SHOW);
    app.m_pMainWnd = &main;
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    HWND modalWindow = nullptr;
    answer.Add(IDD_UI_KIT, [&](CDialog& d) {
        modalWindow = d.m_hWnd;
        AfxMessageBox(L"inside");
        ui::ClickButton(d, IDCANCEL);
    });
    CKitDialog modal;
    EXPECT_EQ(modal.DoModal(), IDCANCEL);
    AfxMessageBox(L"outside");
    app.m_pMainWnd = nullptr;
    const std::vector<ui::ScopedMessageBoxAnswer::Shown> shown = boxes.Boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].owner, modalWindow);  // owned by the main window, it would enable it on closing
    EXPECT_EQ(shown[1].owner, main.m_hWnd);
    EXPECT_EQ(shown[1].caption, L"Kit");
}
