// The colour dialog: a thin wrapper of the common dialog ChooseColorW. Tests answer it without a
// person, as they answer message boxes: while a ui::ScopedColorDialogAnswer lives, DoModal asks it
// instead of showing the dialog.
#pragma once
#include "platform/ui/UiWnd.h"

#include <commdlg.h>

#include <functional>
#include <mutex>
#include <vector>

class CColorDialog {
public:
    // A non-zero initial colour is preselected (CC_RGBINIT); black preselects nothing.
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);

    // IDOK when the user confirmed a colour, else IDCANCEL.
    INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORW m_cc{};

private:
    CWnd* m_parent;
    // The sixteen custom colours, kept for the whole run as the dialog remembers them.
    static COLORREF s_customColours[16];
};

namespace ui {

// What a test's stand-in for the dialog returns: whether it was confirmed, and the colour.
struct ColorDialogResult {
    bool confirmed;
    COLORREF colour;
};
using ColorDialogHook = std::function<ColorDialogResult(const CHOOSECOLORW& request)>;
// Installs the hook (an empty one restores the real dialog); returns the previous hook.
ColorDialogHook SetColorDialogHook(ColorDialogHook hook);

// For tests: while it lives, every colour dialog is answered with the next of the answers added
// (Cancel once they are used up), and the colour each was opened with is recorded.
class ScopedColorDialogAnswer {
public:
    ScopedColorDialogAnswer();
    ~ScopedColorDialogAnswer();
    ScopedColorDialogAnswer(const ScopedColorDialogAnswer&) = delete;
    ScopedColorDialogAnswer& operator=(const ScopedColorDialogAnswer&) = delete;

    void Confirm(COLORREF colour);
    void Cancel();
    // The colour that each dialog opened with (0 when nothing was preselected), in order.
    std::vector<COLORREF> OpenedWith() const;

private:
    mutable std::mutex m_mutex;
    std::vector<ColorDialogResult> m_answers;
    std::size_t m_next = 0;
    std::vector<COLORREF> m_opened;
    ColorDialogHook m_previous;
};

}  // namespace ui
