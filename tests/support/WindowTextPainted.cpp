// Texts a window paints itself, not controls: each inside the window, shown on the screen, clear
// of every other painted text and of every control but the group boxes (whose frame lines the
// frame check looks after).
#include "tests/support/WindowTextCheck.h"

#include "tests/support/WindowTextMeasure.h"
#include "texts/TextEncoding.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace textcheck {

namespace {

// Ink of a text drawn with TextOut at (0, 0), turned by the font's escapement (relative to that
// point).
RECT PaintedInk(const PaintedText& painted)
{
    const int reach = TextWidth(painted.font, painted.text) + 2 * INK_MARGIN;
    Canvas canvas(2 * reach, 2 * reach, false);
    HGDIOBJ old = ::SelectObject(canvas.dc(), painted.font);
    ::SetBkMode(canvas.dc(), TRANSPARENT);
    ::SetTextColor(canvas.dc(), RGB(0, 0, 0));
    ::SetTextAlign(canvas.dc(), TA_LEFT | TA_TOP);
    ::TextOutW(canvas.dc(), reach, reach, painted.text.c_str(), static_cast<int>(painted.text.size()));
    ::SelectObject(canvas.dc(), old);
    ::GdiFlush();
    const RECT all{0, 0, canvas.width(), canvas.height()};
    const RECT ink = InkBox([&](int x, int y) { return canvas.At(x, y); }, all, 0xFFFFFF, 765);
    return Empty(ink) ? ink : Offset(ink, -reach, -reach);
}

}  // namespace

Faults PaintedTextFaults(HWND window, const std::vector<PaintedText>& texts, const std::string& where)
{
    Faults faults;
    RECT client{};
    ::GetClientRect(window, &client);
    std::vector<RECT> inks;
    for (const PaintedText& painted : texts)
        inks.push_back(Offset(PaintedInk(painted), painted.x, painted.y));
    const Screen screen(window, false);
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string name = where + ": painted text \"" + Utf8(texts[i].text) + "\" " + Describe(inks[i]);
        if (Empty(inks[i]))
            continue;
        if (!Inside(inks[i], client)) {
            faults.push_back(name + " reaches beyond the window's client area " + Describe(client));
            continue;
        }
        const DWORD background = screen.Background(screen.Clip(inks[i]));
        if (screen.InkPixels(inks[i], std::max(Distance(background, 0), 1)) == 0)
            faults.push_back(name + " is not seen on the screen");
        // A text touching another reads as one: one pixel apart at least.
        RECT touching = inks[i];
        ::InflateRect(&touching, 1, 1);
        for (size_t j = i + 1; j < texts.size(); ++j)
            if (Overlap(touching, inks[j]))
                faults.push_back(name + " touches painted text \"" + Utf8(texts[j].text) + "\" " + Describe(inks[j]));
        for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            const RECT box = BoxInParent(child);
            if (std::getenv("ZZ_NEAR") && ::IsWindowVisible(child) && !IsGroupBox(child)) { RECT n = inks[i]; ::InflateRect(&n, 8, 0); if (Overlap(n, box)) std::printf("NEAR %s ctl %d %s\n", name.c_str(), ::GetDlgCtrlID(child), Describe(box).c_str()); }
            if (::IsWindowVisible(child) && !IsGroupBox(child) && Overlap(touching, box))
                faults.push_back(name + " touches control " + std::to_string(::GetDlgCtrlID(child)) + " " +
                                 Describe(box));
        }
    }
    return faults;
}

}  // namespace textcheck
