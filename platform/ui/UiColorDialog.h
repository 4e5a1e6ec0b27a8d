// The colour dialog: a thin wrapper of the common dialog ChooseColorW. Tests answer it without a
// person, as they answer message boxes: while a hook is installed, DoModal asks it instead of
// showing the dialog.
#pragma once
#include "platform/ui/UiWnd.h"

#include <commdlg.h>

#include <functional>

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

}  // namespace ui
