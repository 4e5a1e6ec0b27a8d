// Drawing straight onto a window's client area: a panel caption and a sample of a chart line style.
// Both draw on a client device context of their own, so they can run outside WM_PAINT.
#pragma once
#include <windows.h>

// Draws `text` at (x, y), left-top aligned, transparent, in the face, height and weight given;
// escapement in tenths of a degree (900 draws upward from the point). The text "null" (a hidden
// element) and a null text draw nothing.
void DrawPanelText(HWND window, int x, int y, int height, const wchar_t* face, int weight, const wchar_t* text,
                   double escapement);

// A sample of a line style from startX to endX on row y: the rectangle around it is cleared to the
// main window's background, then rows y - thickness .. y are drawn in the colour: style 0 a full
// line, 1 dashes of 4 pixels every 5, 2 dots every 2 pixels, 3 dash-dot every 7 pixels, anything
// else one fixed dash pattern. A thickness outside 0..3 (a damaged settings file) draws as the
// nearest of them.
void DrawLineSample(HWND window, int startX, int endX, int y, int bottomY, COLORREF colour, int style, int thickness);
