// Small drawing operations on a window's client area: a panel caption, and a sample of a chart
// line style (the legends of the main window and the all-sensor chart window). Both draw on the
// device context they are given: the window's paint DC keeps them to the area being painted,
// whose background the window has just cleared (a text drawn again over itself looks bold).
#pragma once
#include "platform/ui/UiGdi.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Draws text at (x, y) in a font of the face, height, weight and escapement (tenths of a degree,
// truncated), left-top aligned on a transparent background. The caption "null" draws nothing.
// With a maxWidth above 0 a longer text is drawn as FitWithEllipsis gives it for that width.
void DrawPanelText(CDC& dc, int x, int y, int height, const wchar_t* face, int weight, const wchar_t* text,
                   double escapement, int maxWidth = 0);

// The text as it fits in `width` pixels of a font whose widths `measure` gives: whole when it
// fits, else its longest start that fits with an ellipsis ("…") after it, without the blanks that
// ended that start and without the first half of a character of two UTF-16 units.
std::wstring FitWithEllipsis(const std::wstring& text, int width,
                             const std::function<int(const std::wstring&)>& measure);

// Pixel runs [first, last] of one row of a line sample from startX to endX in a style: 0 solid,
// 1 dashes of 4 every 5, 2 dots every 2, 3 dash-dot every 7 while the dash ends before endX - 4,
// any other style one fixed pattern.
std::vector<std::pair<int, int>> LineSampleRuns(int style, int startX, int endX);

// Clears the sample's area to the window background (0xD8E9EC) and draws rows y - thickness .. y
// of the style in a one-pixel pen of the colour (a COLORREF). bottomY is the area's bottom.
void DrawLineSample(CDC& dc, int startX, int endX, int y, int bottomY, COLORREF colour, int style, int thickness);
