// What a user sees of a window's texts, measured the way the controls draw them: every caption
// (label, push button, check box, radio, group box) rendered in its control's own font, in the
// place and format the control draws it, must leave its ink inside the room the control gives
// it; no caption's ink lies on another caption or under another control; every label shows its
// text on the screen; every control lies inside the window; and every menu-bar title shows its
// whole text. Each check returns one line per fault, naming the window, the control and its text.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace textcheck {

using Faults = std::vector<std::string>;

Faults UnfitCaptions(HWND window, const std::string& where);
Faults OverlappingCaptions(HWND window, const std::string& where);
Faults UnpaintedLabels(HWND window, const std::string& where);
Faults ControlsOutsideTheWindow(HWND window, const std::string& where);
Faults CutMenuTitles(HWND window, const std::string& where);

// All of the above.
Faults WindowTextFaults(HWND window, const std::string& where);

// The faults one per line, for a test's message.
std::string Lines(const Faults& faults);

}  // namespace textcheck
