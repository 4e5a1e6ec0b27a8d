// CColorButton: an owner-drawn push button whose face shows a colour with a 3-D bevel (the chart
// line colours of the temperature, humidity and dewpoint line dialog). The button needs the
// BS_OWNERDRAW style; its owner sets the colours and the bevel after subclassing it.
#pragma once
#include "platform/ui/UiControls.h"

// Colours of one ring of a bevel of the given depth (ring 1 is the outermost).
struct BevelRingColours {
    COLORREF topLeft;
    COLORREF bottomRight;
};
// depth > 0 raised, < 0 sunken; ring runs 1 .. |depth|.
BevelRingColours BevelRing(int depth, int ring);

// Draws a bevel of the given depth on the rectangle, ring by ring from the outside in; nothing
// for depth 0.
void DrawBevel(HDC dc, RECT rect, int depth);

class CColorButton : public CButton {
public:
    COLORREF m_textColour = 0x010101;
    COLORREF m_faceColour = 0xC0C0C0;
    COLORREF m_disabledColour = 0x808080;
    int m_bevel = 2;

    void DrawItem(LPDRAWITEMSTRUCT draw) override;
};
