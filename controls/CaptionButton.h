// CCaptionButton: a push button that paints itself as the system's push button does, so that its
// caption shows whole in every state. The system paints a disabled caption through a one-bit
// image only as wide as the text measures, and cuts the last glyphs' pixels that reach past it
// (a long caption loses its last letter while the button is disabled). Binding the button makes
// it owner-drawn; its text, font and notifications stay those of the button.
#pragma once
#include "platform/ui/UiControls.h"

class CCaptionButton : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT draw) override;

protected:
    void PreSubclassWindow() override;
};
