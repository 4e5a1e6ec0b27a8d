// The caption of an owner-drawn push button, as the caption-fitting and colour buttons draw it.
#pragma once
#include "platform/ui/UiControls.h"

// Draws the caption on one line, centred in the box, in the colour with a transparent background
// and the DC's font; the DC's text colour and background mode are as they were afterwards.
void DrawButtonCaption(HDC dc, const CString& caption, RECT box, COLORREF colour);
