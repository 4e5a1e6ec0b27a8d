// What a user sees of a window's texts, measured the way the controls draw them: every caption
// (label, push button, check box, radio, group box) rendered in its control's own font, in the
// place and format the control draws it, must leave its ink inside the room the control gives
// it, every line of it (a label's second line too); no caption's ink lies on another caption or
// under another control; every label shows its text on the screen; every control lies inside the
// window; every entry of a combo box fits its selection field and its dropped list; every edit
// field shows its whole text; no caption, value or control covers a group box's frame line; every
// menu-bar title shows its whole text; and every shortcut of a menu stands apart from its
// command's text. Each check returns one line per fault, naming the window, the control and its
// text.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace textcheck {

using Faults = std::vector<std::string>;

// (Of the listed controls only, when there is a list.)
Faults UnfitCaptions(HWND window, const std::string& where, const std::vector<int>& controls = {});
Faults OverlappingCaptions(HWND window, const std::string& where);
Faults UnpaintedLabels(HWND window, const std::string& where);
Faults ControlsOutsideTheWindow(HWND window, const std::string& where);
Faults CutComboItems(HWND window, const std::string& where);
Faults CutEditTexts(HWND window, const std::string& where);
// Each text as an entry of the combo box, or as the text of the single-line edit field: measured,
// not shown.
Faults CutComboItems(HWND combo, const std::vector<std::wstring>& entries, const std::string& where);
Faults CutEditTexts(HWND field, const std::vector<std::wstring>& texts, const std::string& where);
Faults TextsOnFrameLines(HWND window, const std::string& where);
Faults CutMenuTitles(HWND window, const std::string& where);
// Opens each popup of the window's menu bar that has a shortcut.
Faults CrowdedMenuShortcuts(HWND window, const std::string& where);

// A text the window paints itself, with TextOut at (x, y) of its client area in the font (whose
// escapement turns it).
struct PaintedText {
    std::wstring text;
    HFONT font;
    int x, y;
};
// Each painted text lies inside the window, shows on the screen, and keeps a pixel clear of every
// other painted text and of every control but the group boxes.
Faults PaintedTextFaults(HWND window, const std::vector<PaintedText>& texts, const std::string& where);

// All of the above but the shortcut column (which opens the menus), on one capture of the window;
// the painted texts when the window paints any.
Faults WindowTextFaults(HWND window, const std::string& where, const std::vector<PaintedText>& painted = {});

// The faults one per line, for a test's message.
std::string Lines(const Faults& faults);

}  // namespace textcheck
