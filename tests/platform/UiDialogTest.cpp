// The class layer: dialogs, data exchange, message maps, reflection and the message-box seam.
#include "platform/ui/Ui.h"
#include "tests/support/SystemDialogAnswers.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

constexpr UINT IDD_UI_TEST = 500;
constexpr UINT WM_TEST_RAW = WM_APP + 7;

class CTestDialog : public CDialog {
public:
    explicit CTestDialog(CWnd* parent = nullptr) : CDialog(IDD_UI_TEST, parent) {}

    CStatic m_label;
    CButton m_check;
    CComboBox m_combo;
    CProgressCtrl m_progress;

    int m_initCount = 0;
    int m_goClicks = 0;
    std::vector<UINT> m_timers;
    std::vector<UINT> m_rangeIds;
    LPARAM m_rawParam = 0;
    bool m_closeFromInit = false;
    bool m_closeWhenShown = false;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ++m_initCount;
        m_combo.AddString(L"alpha");
        m_combo.AddString(L"beta");
        if (m_closeFromInit)
            ::PostMessageW(m_hWnd, WM_COMMAND, IDCANCEL, 0);
        if (m_closeWhenShown)
            SetTimer(CLOSE_TIMER, 1);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, 501, m_label);
        DDX_Control(dx, 502, m_check);
        DDX_Control(dx, 503, m_combo);
        DDX_Control(dx, 504, m_progress);
    }
    void OnGo() { ++m_goClicks; }
    void OnTimer(UINT_PTR id)
    {
        if (id != CLOSE_TIMER)
            m_timers.push_back(static_cast<UINT>(id));
        else if (IsWindowVisible())
            EndDialog(IDCANCEL);
    }
    static constexpr UINT_PTR CLOSE_TIMER = 77;
    void OnRange(UINT id) { m_rangeIds.push_back(id); }
    LRESULT OnRaw(WPARAM wParam, LPARAM lParam)
    {
        m_rawParam = lParam;
        return static_cast<LRESULT>(wParam) * 2;
    }

    UI_DECLARE_MESSAGE_MAP()
};

const ui::MsgMapEntry CTestDialog::kMessageEntries[] = {
    ui::OnCommand<&CTestDialog::OnGo>(505),
    ui::OnMessage<WM_TIMER, &CTestDialog::OnTimer>(),
    ui::OnCommandRange<&CTestDialog::OnRange>(600, 610),
    ui::OnRawMessage<WM_TEST_RAW, &CTestDialog::OnRaw>(),
};
UI_IMPLEMENT_MESSAGE_MAP(CTestDialog, CDialog)

// A derived dialog whose own map handles a command the base also handles: the derived one wins.
class CDerivedDialog : public CTestDialog {
public:
    int m_derivedGo = 0;
    void OnGoDerived() { ++m_derivedGo; }
    UI_DECLARE_MESSAGE_MAP()
};
const ui::MsgMapEntry CDerivedDialog::kMessageEntries[] = {
    ui::OnCommand<&CDerivedDialog::OnGoDerived>(505),
};
UI_IMPLEMENT_MESSAGE_MAP(CDerivedDialog, CTestDialog)

// A static control that paints itself: owner-draw messages reach it through its parent.
class COwnerStatic : public CStatic {
public:
    int m_draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT) override { ++m_draws; }
};

}  // namespace

TEST(UiDialog, ModelessDialogBindsControlsAndDispatchesItsMap)
{
    CTestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_UI_TEST));
    EXPECT_EQ(dialog.m_initCount, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(dialog.m_hWnd), &dialog);
    ASSERT_NE(dialog.m_combo.m_hWnd, nullptr);
    EXPECT_EQ(dialog.m_combo.m_hWnd, ::GetDlgItem(dialog.m_hWnd, 503));
    EXPECT_EQ(CWnd::FromHandlePermanent(dialog.m_combo.m_hWnd), &dialog.m_combo);

    EXPECT_EQ(dialog.m_combo.GetCount(), 2);
    CString text;
    dialog.m_combo.GetLBText(1, text);
    EXPECT_EQ(text, L"beta");
    dialog.m_combo.GetLBText(7, text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(dialog.m_combo.SetCurSel(9), CB_ERR);

    dialog.m_check.SetCheck(BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(502), static_cast<UINT>(BST_CHECKED));
    dialog.m_progress.SetRange(0, 1500);
    dialog.m_progress.SetPos(300);
    PBRANGE range{-1, -1};
    ::SendMessageW(dialog.m_progress.m_hWnd, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 1500);
    EXPECT_EQ(dialog.m_progress.GetPos(), 300);

    // A button click is a command of the map; WM_TIMER is cracked; ranges pass the id; a raw entry
    // returns its own result.
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(505, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, 505)));
    EXPECT_EQ(dialog.m_goClicks, 1);
    ::SendMessageW(dialog.m_hWnd, WM_TIMER, 4, 0);
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(603, 0), 0);
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(611, 0), 0);
    // A control's notification other than a click is no command.
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(604, CBN_SELCHANGE), reinterpret_cast<LPARAM>(dialog.m_combo.m_hWnd));
    EXPECT_EQ(dialog.m_timers, std::vector<UINT>{4});
    EXPECT_EQ(dialog.m_rangeIds, std::vector<UINT>{603});
    EXPECT_EQ(::SendMessageW(dialog.m_hWnd, WM_TEST_RAW, 21, 5), 42);
    EXPECT_EQ(dialog.m_rawParam, 5);

    // Unhandled messages go to the dialog's own window procedure.
    dialog.SetWindowText(L"Renamed");
    EXPECT_EQ(dialog.GetWindowText(), L"Renamed");

    HWND window = dialog.m_hWnd;
    HWND combo = dialog.m_combo.m_hWnd;
    ASSERT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(dialog.m_combo.m_hWnd, nullptr);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(CWnd::FromHandlePermanent(combo), nullptr);
}

TEST(UiDialog, DerivedMapComesBeforeBaseMap)
{
    CDerivedDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_UI_TEST));
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(505, BN_CLICKED), 0);
    EXPECT_EQ(dialog.m_derivedGo, 1);
    EXPECT_EQ(dialog.m_goClicks, 0);
    ::SendMessageW(dialog.m_hWnd, WM_TIMER, 9, 0);  // still reaches the base class's entry
    EXPECT_EQ(dialog.m_timers, std::vector<UINT>{9});
}

TEST(UiDialog, ModalDialogEndsWithTheValueOfEndDialog)
{
    CTestDialog dialog;
    dialog.m_closeFromInit = true;  // IDCANCEL is posted from OnInitDialog
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_initCount, 1);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

// A modal dialog is destroyed without a hide before; what it covered of its owner is painted again
// all the same.
TEST(UiDialog, AClosedDialogHasWhatItCoveredPaintedAgain)
{
    CTestDialog owner;
    ASSERT_TRUE(owner.Create(IDD_UI_TEST));
    owner.SetWindowPos(nullptr, 0, 0, 600, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    owner.ShowWindow(SW_SHOW);
    owner.UpdateWindow();

    CTestDialog dialog(&owner);
    dialog.m_closeWhenShown = true;
    ::ValidateRect(owner.m_hWnd, nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    RECT update{};
    EXPECT_TRUE(::GetUpdateRect(owner.m_hWnd, &update, FALSE));
    owner.DestroyWindow();
}

TEST(UiDialog, OwnerDrawIsReflectedToTheBoundControl)
{
    CTestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_UI_TEST));
    COwnerStatic picture;
    ASSERT_TRUE(picture.SubclassDlgItem(506, &dialog));
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_STATIC;
    draw.CtlID = 506;
    draw.hwndItem = picture.m_hWnd;
    EXPECT_EQ(::SendMessageW(dialog.m_hWnd, WM_DRAWITEM, 506, reinterpret_cast<LPARAM>(&draw)), TRUE);
    EXPECT_EQ(picture.m_draws, 1);
    // A menu item is never a control: nothing is reflected.
    draw.CtlType = ODT_MENU;
    ::SendMessageW(dialog.m_hWnd, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    EXPECT_EQ(picture.m_draws, 1);
    // A control can be bound only once.
    COwnerStatic second;
    EXPECT_FALSE(second.SubclassDlgItem(506, &dialog));
    picture.UnsubclassWindow();
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dialog.m_hWnd, 506)), nullptr);
}

TEST(UiMessageBox, TestsAnswerWithoutAPersonAndSeeTheText)
{
    ui::ScopedMessageBoxAnswer answer(IDNO);
    EXPECT_EQ(AfxMessageBox(L"Clear all records?", MB_YESNO), IDNO);
    CWnd none;
    answer.SetAnswer(IDYES);
    EXPECT_EQ(none.MessageBox(L"Second", L"Caption", MB_YESNO | MB_ICONQUESTION), IDYES);
    std::vector<ui::ScopedMessageBoxAnswer::Shown> boxes = answer.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, L"Clear all records?");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(boxes[1].caption, L"Caption");
}

TEST(UiMessageBox, ScopesNestAndRestore)
{
    ui::ScopedMessageBoxAnswer outer(IDOK);
    {
        ui::ScopedMessageBoxAnswer inner(IDCANCEL);
        EXPECT_EQ(ui::ShowMessageBox(nullptr, L"inner", L"", MB_OKCANCEL), IDCANCEL);
    }
    EXPECT_EQ(ui::ShowMessageBox(nullptr, L"outer", L"", MB_OKCANCEL), IDOK);
    EXPECT_EQ(outer.Count(), 1u);
}

TEST(UiMenu, LoadedMenuIsOwnedAndWrappersAreNot)
{
    HMENU raw = ::CreatePopupMenu();
    ::AppendMenuW(raw, MF_STRING, 40, L"Item");
    CMenu* wrapper = CMenu::FromHandle(raw);
    EXPECT_EQ(wrapper->m_hMenu, raw);
    EXPECT_EQ(CMenu::FromHandle(raw), wrapper);
    {
        CMenu owner;
        owner.Attach(raw);
        EXPECT_EQ(owner.EnableMenuItem(40, MF_BYCOMMAND | MF_GRAYED), static_cast<UINT>(MF_ENABLED));
        EXPECT_EQ(::GetMenuState(raw, 40, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
        EXPECT_EQ(owner.EnableMenuItem(99, MF_BYCOMMAND | MF_GRAYED), static_cast<UINT>(-1));
    }
    EXPECT_FALSE(::IsMenu(raw));  // the owner destroyed it
}
