#include "controls/StaticTextLayout.h"

namespace {

bool IsLinePair(wchar_t a, wchar_t b) { return (a == L'\r' && b == L'\n') || (a == L'\n' && b == L'\r'); }

}  // namespace

std::vector<std::wstring> BreakStaticText(const std::wstring& text, int width, const TextWidthFn& measure)
{
    std::vector<std::wstring> lines;
    std::wstring rest = text;
    size_t i = 1;
    while (i <= rest.size()) {
        // A line pair ends the line before it.
        if (i < rest.size() && IsLinePair(rest[i - 1], rest[i])) {
            lines.push_back(rest.substr(0, i - 1));
            rest.erase(0, i + 1);
            i = 1;
            continue;
        }
        if (measure(rest.substr(0, i)) <= width) {
            ++i;
            continue;
        }
        // The i-th character does not fit: the line is what came before it, at least one character.
        const size_t fits = i > 1 ? i - 1 : 1;
        const std::wstring line = rest.substr(0, fits);
        const size_t space = line.rfind(L' ');
        if (space == std::wstring::npos || space == line.size() - 1) {
            lines.push_back(line);
            rest.erase(0, fits);
        } else {
            lines.push_back(line.substr(0, space));
            rest.erase(0, space + 1);
        }
        i = 1;
    }
    if (!rest.empty())
        lines.push_back(rest);
    return lines;
}

UINT StaticTextFormat(DWORD style, const std::wstring& text)
{
    UINT format = DT_LEFT;
    switch (style & SS_TYPEMASK) {
    case SS_RIGHT:
        format |= DT_RIGHT;
        break;
    case SS_CENTER:
        format |= DT_CENTER;
        break;
    default:
        break;
    }
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    switch (style & SS_ELLIPSISMASK) {
    case SS_ENDELLIPSIS:
        format |= DT_END_ELLIPSIS;
        break;
    case SS_PATHELLIPSIS:
        format |= DT_PATH_ELLIPSIS;
        break;
    case SS_WORDELLIPSIS:
        format |= DT_WORD_ELLIPSIS;
        break;
    default:
        break;
    }
    if (text.find(L'\t') != std::wstring::npos)
        format |= DT_EXPANDTABS;
    return format;
}

int StaticTextTop(DWORD style, int boxTop, int boxHeight, int lineCount, int lineHeight)
{
    if (!(style & SS_CENTERIMAGE))
        return boxTop;
    return boxTop + (boxHeight - lineCount * lineHeight) / 2;
}
