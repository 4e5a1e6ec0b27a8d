// Text layout of the custom static control, as plain functions: the control breaks its text into
// lines itself (DrawText only ever draws one line), and its saved static style chooses the
// alignment, the ellipsis and the vertical position.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Width in pixels of a run of text in the control's font.
using TextWidthFn = std::function<int(const std::wstring&)>;

// Breaks a text into the lines the control draws, for a box `width` pixels wide.
// - A CR directly followed by LF, or an LF directly followed by CR, ends a line (the pair is
//   dropped); a lone CR or LF stays in the text.
// - A line that would grow wider than the box ends at its last space (which is dropped); a line
//   without a space, or one that already ends in a space, is cut between characters.
// - Every line takes at least one character, so a box narrower than one glyph still ends.
// An empty text gives no lines.
std::vector<std::wstring> BreakStaticText(const std::wstring& text, int width, const TextWidthFn& measure);

// DrawText format of one line for the control's saved style: right or centred text by the type
// of the static (SS_RIGHT, SS_CENTER), SS_NOPREFIX, the ellipsis kind (SS_ENDELLIPSIS,
// SS_PATHELLIPSIS, SS_WORDELLIPSIS), and tab expansion when the text holds a tab.
UINT StaticTextFormat(DWORD style, const std::wstring& text);

// Top of the first line: the box's top, or, with SS_CENTERIMAGE, the lines centred vertically in
// the box (above the box when they do not fit).
int StaticTextTop(DWORD style, int boxTop, int boxHeight, int lineCount, int lineHeight);
