#include "dialogs/TypedNumbers.h"

#include "platform/ui/UiMessageBox.h"
#include "texts/TextTables.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cwctype>
#include <string>

namespace {

constexpr double TENTHS_LIMIT = 1e9;

bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

// The decimal mark: a point, or the comma with which most of the program's languages write it.
bool IsDecimalMark(wchar_t ch) { return ch == L'.' || ch == L','; }

// The number of the text, when it is one: sign, digits, and with `fraction` a decimal mark with
// more digits; at least one digit, spaces only around it.
bool NumberOfText(const wchar_t* text, bool fraction, double* value)
{
    if (!text)
        return false;
    const wchar_t* p = text;
    while (std::iswspace(*p))
        ++p;
    bool negative = false;
    if (*p == L'+' || *p == L'-')
        negative = *p++ == L'-';
    double number = 0;
    int digits = 0;
    for (; IsDigit(*p); ++p, ++digits)
        number = number * 10 + (*p - L'0');
    if (fraction && IsDecimalMark(*p)) {
        double scale = 0.1;
        for (++p; IsDigit(*p); ++p, ++digits, scale /= 10)
            number += (*p - L'0') * scale;
    }
    while (std::iswspace(*p))
        ++p;
    if (digits == 0 || *p != 0 || !std::isfinite(number))
        return false;
    *value = negative ? -number : number;
    return true;
}

}  // namespace

bool WholeNumberOfText(const wchar_t* text, int* value)
{
    double number = 0;
    if (!NumberOfText(text, false, &number))
        return false;
    *value = static_cast<int>(std::clamp(number, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
    return true;
}

bool TenthsOfText(const wchar_t* text, int* tenths)
{
    double number = 0;
    if (!NumberOfText(text, true, &number))
        return false;
    *tenths = static_cast<int>(std::lround(std::clamp(number * 10.0, -TENTHS_LIMIT, TENTHS_LIMIT)));
    return true;
}

bool FieldHoldsWholeNumber(const CWnd& dialog, int editId)
{
    CString text;
    dialog.GetDlgItemText(editId, text);
    int value = 0;
    return WholeNumberOfText(text.GetString(), &value);
}

namespace {

// The text of the up-down control's buddy field ("" without one).
std::wstring BuddyText(const CSpinButtonCtrl& spin)
{
    const HWND buddy = spin.GetBuddy();
    if (!buddy)
        return std::wstring();
    const int length = ::GetWindowTextLengthW(buddy);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    ::GetWindowTextW(buddy, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace

bool TakeTypedNumber(CSpinButtonCtrl& spin, int* value)
{
    const HWND buddy = spin.GetBuddy();
    const std::wstring text = BuddyText(spin);
    int typed = 0;
    if (!buddy || !WholeNumberOfText(text.c_str(), &typed))
        return false;
    *value = spin.SetPosInRange(typed);
    const std::wstring shown = std::to_wstring(*value);
    if (text != shown)
        ::SetWindowTextW(buddy, shown.c_str());
    return true;
}

void ShowNumber(CSpinButtonCtrl& spin, int value)
{
    spin.SetPos32(value);  // the field shows the position
    const HWND buddy = spin.GetBuddy();
    if (buddy && spin.GetPos32() != value)
        ::SetWindowTextW(buddy, std::to_wstring(value).c_str());
}

bool TypedNumberInRange(const CSpinButtonCtrl& spin)
{
    int value = 0, lower = 0, upper = 0;
    spin.GetRange32(lower, upper);
    return WholeNumberOfText(BuddyText(spin).c_str(), &value) && value >= std::min(lower, upper) &&
           value <= std::max(lower, upper);
}

CString NumberRangeMessage(const wchar_t* lowest, const wchar_t* highest, int language)
{
    CString message;
    message.Format(EntryAt(g_numberRangeTexts, language), lowest, highest);
    return message;
}

void AskForNumberInRange(CWnd& dialog, CSpinButtonCtrl& spin, int language)
{
    int lower = 0, upper = 0;
    spin.GetRange32(lower, upper);
    const CString message = NumberRangeMessage(std::to_wstring(std::min(lower, upper)).c_str(),
                                               std::to_wstring(std::max(lower, upper)).c_str(), language);
    const HWND buddy = spin.GetBuddy();
    PointAtField(dialog, buddy ? ::GetDlgCtrlID(buddy) : 0, message);
}

void AskForNumber(CWnd& dialog, int editId, const wchar_t* numberNeeded, const wchar_t* wholeNumberNeeded)
{
    CString text;
    dialog.GetDlgItemText(editId, text);
    double number = 0;
    const bool decimal = NumberOfText(text.GetString(), true, &number);
    PointAtField(dialog, editId, decimal ? wholeNumberNeeded : numberNeeded);
}

void PointAtField(CWnd& dialog, int editId, const wchar_t* message)
{
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    if (HWND edit = ::GetDlgItem(dialog.m_hWnd, editId))
        dialog.SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
}
