#include "platform/ui/UiColorDialog.h"

#include "platform/ui/UiHook.h"

COLORREF CColorDialog::s_customColours[16] = {
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
};

namespace ui {

namespace {
HookSlot<ColorDialogHook> g_hook;
}  // namespace

ColorDialogHook SetColorDialogHook(ColorDialogHook hook) { return g_hook.Set(std::move(hook)); }

}  // namespace ui

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) : m_parent(parent)
{
    m_cc.lStructSize = sizeof m_cc;
    m_cc.Flags = flags;
    m_cc.rgbResult = initial;
    if (initial != 0)
        m_cc.Flags |= CC_RGBINIT;
    m_cc.lpCustColors = s_customColours;
}

INT_PTR CColorDialog::DoModal()
{
    const ui::ColorDialogHook hook = ui::g_hook.Get();
    if (hook) {
        const ui::ColorDialogResult result = hook(m_cc);
        if (result.confirmed)
            m_cc.rgbResult = result.colour;
        return result.confirmed ? IDOK : IDCANCEL;
    }
    m_cc.hwndOwner = m_parent && m_parent->m_hWnd ? m_parent->m_hWnd : ::GetActiveWindow();
    return ::ChooseColorW(&m_cc) ? IDOK : IDCANCEL;
}
