// The test kit that answers modal dialogs without a person, the way ScopedMessageBoxAnswer
// (SystemDialogAnswers.h) answers message boxes: while a ScopedDialogAnswer lives, every modal dialog that opens on any thread runs the
// next script added for its template once it is up: shown and idle in its modal loop.
// A script acts as the user with the helpers below and usually ends the dialog (a click on OK,
// Cancel or Close); a dialog that is still open once the messages its script posted have been
// handled, or that opens without a script, is ended with IDCANCEL, so a test never waits for a
// person.
//
//     ui::ScopedDialogAnswer answer;
//     answer.Add(IDD_ALTITUDE, [](CDialog& d) {
//         ui::TypeText(d, 1135, L"300");
//         ui::ClickButton(d, 1138);        // "Upload new setting"
//         ui::ClickButton(d, IDOK);         // "Close"
//     });
//     mainDialog.OnAltitude();
//     EXPECT_EQ(answer.Opened(), std::vector<UINT>{IDD_ALTITUDE});
//
// Only test programs link the kit (library ui_testkit); the program itself keeps just the hook
// that CDialog consults (ui::SetModalDialogHook).
#pragma once
#include "platform/ui/UiDialog.h"
#include "tests/support/SystemDialogAnswers.h"

#include <deque>
#include <functional>
#include <mutex>
#include <vector>

namespace ui {

using DialogScript = std::function<void(CDialog& dialog)>;

class ScopedDialogAnswer {
public:
    ScopedDialogAnswer();
    ~ScopedDialogAnswer();
    ScopedDialogAnswer(const ScopedDialogAnswer&) = delete;
    ScopedDialogAnswer& operator=(const ScopedDialogAnswer&) = delete;

    // The next modal dialog of the template runs the script (scripts of one template in the order
    // they were added).
    void Add(UINT templateId, DialogScript script);
    // Template ids of the modal dialogs opened so far, in order.
    std::vector<UINT> Opened() const;
    // Scripts that no dialog has taken yet.
    std::size_t Unused() const;

    // Called from the modal dialog hook and the script timers (any thread).
    void DialogOpened(UINT templateId);
    bool TakeScript(UINT templateId, DialogScript* script);

private:
    struct Entry {
        UINT templateId;
        DialogScript script;
    };
    mutable std::mutex m_mutex;
    std::deque<Entry> m_scripts;
    std::vector<UINT> m_opened;
    ScopedDialogAnswer* m_previous = nullptr;
    ModalDialogHook m_previousHook;
};

// ---- acting as the user (each does what the control does when a person uses it) ------------
// A click on the button (push button, check box or radio button); false, and nothing happens,
// when the button is missing, hidden or disabled.
bool ClickButton(CWnd& dialog, int id);
// The edit gets the focus (EN_SETFOCUS), then the text (EN_CHANGE); false when it is missing or
// disabled.
bool TypeText(CWnd& dialog, int id, const wchar_t* text);
// Selects the item of the combo box and tells the dialog (CBN_SELCHANGE); false when the box is
// missing or disabled or has no such item.
bool SelectComboItem(CWnd& dialog, int id, int index);
// A click on the up or down arrow of the up-down control (UDN_DELTAPOS, then its own step);
// false when it is missing or disabled.
bool ClickSpinArrow(CWnd& dialog, int spinId, bool up);

}  // namespace ui
