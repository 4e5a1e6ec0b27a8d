// Numbers typed into the station settings dialogs' fields. A field holds a number when its text,
// spaces around it aside, is an optional sign and digits; a temperature may add a decimal mark,
// a point or a comma in every language, and more digits ("-5.3", "12,5", ".5", "12."). Anything
// else (an empty field, letters, "5a", "1e2", "5.3.1") holds no number, and a number beyond the
// range its field takes is refused: such a field is never uploaded, nor brought into the range
// without a word.
#pragma once
#include "platform/ui/UiControls.h"

// A whole number; one beyond the int range reads as the nearer end of it.
bool WholeNumberOfText(const wchar_t* text, int* value);
// A temperature in tenths of a degree, rounded half away from zero; kept within +-1e9 tenths.
bool TenthsOfText(const wchar_t* text, int* tenths);

// True when the dialog's field holds a whole number.
bool FieldHoldsWholeNumber(const CWnd& dialog, int editId);

// The whole number in the up-down control's buddy field, brought into the control's range, shown
// in the field and made its position. False, and nothing changes, when the field holds no number.
bool TakeTypedNumber(CSpinButtonCtrl& spin, int* value);

// Makes the value the up-down control's position and shows it in the buddy field as it is, also a
// value beyond the control's range (one the station holds): the field never shows the range's end
// in its place, which an upload would then send unseen.
void ShowNumber(CSpinButtonCtrl& spin, int value);

// True when the up-down control's buddy field holds a whole number inside the control's range.
bool TypedNumberInRange(const CSpinButtonCtrl& spin);

// The message for a field that takes the numbers from `lowest` to `highest` (as the field shows
// them), in the language.
CString NumberRangeMessage(const wchar_t* lowest, const wchar_t* highest, int language);
// Tells the user the range of the up-down control's field (a message box) and puts the focus back
// on the field with its text selected.
void AskForNumberInRange(CWnd& dialog, CSpinButtonCtrl& spin, int language);

// Tells the user that the field of a whole number holds none (a message box with the dialog's own
// text: `wholeNumberNeeded` when the field holds a number with a fraction such as "12,5", else
// `numberNeeded`) and puts the focus back on the field with its text selected.
void AskForNumber(CWnd& dialog, int editId, const wchar_t* numberNeeded, const wchar_t* wholeNumberNeeded);

// Shows the message (a message box) and puts the focus back on the field with its text selected.
void PointAtField(CWnd& dialog, int editId, const wchar_t* message);
