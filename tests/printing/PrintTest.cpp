// Printing: the page arithmetic of the preview and the printout, the paper sizes, the printer list,
// the page drawn into a metafile in place of a printer, and the print preview dialog itself.
#include "platform/ui/UiMessageBox.h"
#include "platform/ui/UiPrint.h"
#include "printing/EnumPrinters.h"
#include "printing/PrinterDevice.h"
#include "printing/PrintLayout.h"
#include "printing/PrintPreviewDlg.h"
#include "res/resource.h"
#include "tests/support/DialogAnswer.h"
#include "tests/support/DialogTestSupport.h"
#include "tests/support/MessagePump.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <string>

namespace {


// A capture of one colour in a memory DC.
struct SolidCapture {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    SolidCapture(int width, int height, COLORREF colour)
    {
        HDC screen = ::GetDC(nullptr);
        dc = ::CreateCompatibleDC(screen);
        bitmap = ::CreateCompatibleBitmap(screen, width, height);
        ::ReleaseDC(nullptr, screen);
        old = ::SelectObject(dc, bitmap);
        const RECT all = {0, 0, width, height};
        HBRUSH brush = ::CreateSolidBrush(colour);
        ::FillRect(dc, &all, brush);
        ::DeleteObject(brush);
    }
    ~SolidCapture()
    {
        ::SelectObject(dc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
    }
};

}  // namespace

TEST(PrintLayout, ACaptureKeepsItsRatioAndFillsOneSideOfTheFreeArea)
{
    // A4 landscape at 10 pixels per millimetre: the free height is 72 % of the page.
    const CapturePlacement landscape = PlaceCapture(2970, 2100, PageMargins(), 965, 735);
    EXPECT_EQ(landscape.x, 445);
    EXPECT_EQ(landscape.y, 294);
    EXPECT_EQ(landscape.size.height, 1512);
    EXPECT_LT(landscape.size.width, 2970 - 2 * 445);
    EXPECT_NEAR(static_cast<double>(landscape.size.width) / landscape.size.height, 965.0 / 735, 0.002);
    // Portrait: the free width, 70 % of the page.
    const CapturePlacement portrait = PlaceCapture(2100, 2970, PageMargins(), 965, 735);
    EXPECT_EQ(portrait.size.width, 1470);
    EXPECT_NEAR(static_cast<double>(portrait.size.width) / portrait.size.height, 965.0 / 735, 0.002);

    PageMargins none;
    none.left = none.right = 50;
    EXPECT_EQ(PlaceCapture(2970, 2100, none, 965, 735).size.width, 0);
    EXPECT_EQ(FitCapture(100, 100, 0, 735).width, 0);  // an empty capture draws nothing
}

TEST(PrintLayout, TheCaptureHoldsTheWholeWindowWhateverItsStartUpSize)
{
    // A template smaller than the laid-out window (a smaller dialog font): the window's size.
    EXPECT_EQ(CaptureSizeOf(960, 641, 959, 691).width, 960);
    EXPECT_EQ(CaptureSizeOf(960, 641, 959, 691).height, 691);
    // A template as large as the whole window: its size, as taken at start-up.
    EXPECT_EQ(CaptureSizeOf(965, 735, 959, 691).width, 965);
    EXPECT_EQ(CaptureSizeOf(965, 735, 959, 691).height, 735);
}

TEST(PrintLayout, MarginTextsArePlainNumbersWithinHalfThePage)
{
    EXPECT_EQ(MarginFromText(L"20"), 20);
    EXPECT_EQ(MarginFromText(L"99"), 50);
    EXPECT_EQ(MarginFromText(L"-3"), 0);
    EXPECT_EQ(MarginFromText(L"abc"), 0);
    EXPECT_EQ(MarginFromText(nullptr), 0);
}

TEST(PrintLayout, ThePreviewPageKeepsThePapersProportionInTheMiddleOfTheArea)
{
    const PreviewPage page = LayoutPreview(300, 294, 29700, 21000, PageMargins(), 965, 735);
    EXPECT_EQ(page.width, 280);
    EXPECT_EQ(page.height, 21000 * 280 / 29700);
    EXPECT_EQ(page.x, 10);
    EXPECT_EQ(page.y, (294 - page.height) / 2);
    EXPECT_EQ(page.marginTop, page.height * 14 / 100);
    EXPECT_EQ(page.capture.x, page.x + page.marginLeft);
    // Portrait in a wide, low area: the height decides.
    const PreviewPage upright = LayoutPreview(300, 200, 21000, 29700, PageMargins(), 965, 735);
    EXPECT_EQ(upright.height, 180);
    EXPECT_EQ(upright.width, 21000 * 180 / 29700);
    EXPECT_EQ(LayoutPreview(300, 200, -1, -1, PageMargins(), 965, 735).width, 0);
}

TEST(PrintLayout, PaperCodesGiveTheirDocumentedSizes)
{
    auto size = [](int code) { return std::make_pair(PaperSizeOf(code).width, PaperSizeOf(code).height); };
    EXPECT_EQ(size(DMPAPER_LETTER), std::make_pair(21590, 27940));
    EXPECT_EQ(size(DMPAPER_LEGAL), std::make_pair(21590, 35560));
    EXPECT_EQ(size(DMPAPER_A3), std::make_pair(29700, 42000));
    EXPECT_EQ(size(DMPAPER_A5), std::make_pair(14800, 21000));
    EXPECT_EQ(size(DMPAPER_A2), std::make_pair(42000, 59400));
    EXPECT_EQ(size(DMPAPER_A4_ROTATED), std::make_pair(29700, 21000));
    EXPECT_EQ(size(48), std::make_pair(-1, -1));
    EXPECT_EQ(size(DMPAPER_A4), std::make_pair(21000, 29700));
    EXPECT_EQ(size(DMPAPER_A4_TRANSVERSE), std::make_pair(21000, 29700));
    EXPECT_EQ(OrientedPageSize(DMPAPER_LETTER, ORIENTATION_LANDSCAPE).width, 27940);
}

TEST(PrinterList, ListsTheSystemsPrintersLastFirstWithEmptyEntriesForMissingTexts)
{
    PRINTER_INFO_2W printers[3] = {};
    wchar_t names[3][8] = {L"first", L"second", L"third"};
    wchar_t share[] = L"shared";
    for (int k = 0; k < 3; ++k)
        printers[k].pPrinterName = names[k];
    printers[1].pShareName = share;
    const CEnumPrinters list(printers, 3);
    EXPECT_EQ(list.m_count, 3);
    EXPECT_EQ(list.GetPrinterName(0), CString(L"third"));
    EXPECT_EQ(list.GetPrinterName(2), CString(L"first"));
    EXPECT_EQ(list.GetPrinterName(3), CString(L"Error"));
    ASSERT_EQ(list.m_shareNames.size(), 3u);
    EXPECT_EQ(list.m_shareNames[1], CString(L"shared"));
    EXPECT_TRUE(list.m_locations[0].IsEmpty());

    const CEnumPrinters none(nullptr, 0);
    EXPECT_EQ(none.m_count, 0);
    EXPECT_EQ(none.GetPrinterName(0), CString(L"Error"));
    const CEnumPrinters system;
    EXPECT_EQ(system.m_count, static_cast<int>(system.m_printerNames.size()));
    EXPECT_EQ(system.m_ports.size(), system.m_printerNames.size());
}

TEST(PrinterDevice, APageDrawsTheCaptureHalftoneBetweenItsMargins)
{
    SolidCapture capture(965, 735, RGB(200, 30, 40));
    HDC metafile = ::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(metafile, nullptr);
    ASSERT_TRUE(DrawCapturePage(metafile, 2970, 2100, capture.dc, 965, 735, PageMargins()));
    HENHMETAFILE page = ::CloseEnhMetaFile(metafile);
    ASSERT_NE(page, nullptr);

    struct Seen {
        bool halftone = false;
        RECTL stretched = {};
        int stretches = 0;
    } seen;
    auto visit = [](HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) -> int {
        auto* s = reinterpret_cast<Seen*>(data);
        if (record->iType == EMR_SETSTRETCHBLTMODE && record->dParm[0] == HALFTONE)
            s->halftone = true;
        if (record->iType == EMR_STRETCHBLT) {
            const auto* blt = reinterpret_cast<const EMRSTRETCHBLT*>(record);
            s->stretched = {blt->xDest, blt->yDest, blt->xDest + blt->cxDest, blt->yDest + blt->cyDest};
            ++s->stretches;
        }
        return 1;
    };
    ::EnumEnhMetaFile(nullptr, page, visit, &seen, nullptr);
    ::DeleteEnhMetaFile(page);
    EXPECT_TRUE(seen.halftone);
    ASSERT_EQ(seen.stretches, 1);
    const CapturePlacement place = PlaceCapture(2970, 2100, PageMargins(), 965, 735);
    EXPECT_EQ(seen.stretched.left, place.x);
    EXPECT_EQ(seen.stretched.top, place.y);
    EXPECT_EQ(seen.stretched.right - seen.stretched.left, place.size.width);
    EXPECT_EQ(seen.stretched.bottom - seen.stretched.top, place.size.height);
}

TEST(PrinterDevice, PageSettingsCutTheNameToTheDeviceModeAndMarkTheOrientation)
{
    DEVMODEW mode = {};
    mode.dmSize = sizeof mode;
    const std::wstring longName(40, L'p');
    ApplyPageSettings(&mode, longName.c_str(), ORIENTATION_PORTRAIT, DMPAPER_LETTER, 7);
    EXPECT_EQ(std::wcslen(mode.dmDeviceName), static_cast<size_t>(CCHDEVICENAME - 1));
    EXPECT_TRUE(mode.dmFields & DM_ORIENTATION);
    EXPECT_EQ(mode.dmOrientation, ORIENTATION_PORTRAIT);
    EXPECT_EQ(mode.dmPaperSize, DMPAPER_LETTER);
    EXPECT_EQ(mode.dmDefaultSource, 7);

    HGLOBAL names = reinterpret_cast<HGLOBAL>(1), devMode = reinterpret_cast<HGLOBAL>(1);
    EXPECT_FALSE(GetPrinterDevice(L"no such printer here", &names, &devMode));
    EXPECT_EQ(names, nullptr);
    EXPECT_EQ(devMode, nullptr);
}

// ---- the dialog ----------------------------------------------------------------------------------

class PrintPreview : public ::testing::Test {
protected:
    SolidCapture m_capture{965, 735, RGB(20, 120, 200)};

    // Runs the dialog with the script; the printers are two that the system does not have.
    INT_PTR Run(int language, const ui::DialogScript& script)
    {
        ui::ScopedDialogAnswer answer;
        answer.Add(IDD_PRINT_PREVIEW, script);
        CPrintPreviewDialogDlg dialog;
        dialog.m_captureWidth = 965;
        dialog.m_captureHeight = 735;
        dialog.m_pCaptureDC = m_capture.dc;
        dialog.m_language = language;
        PRINTER_INFO_2W printers[2] = {};
        wchar_t names[2][16] = {L"Office laser", L"Photo inkjet"};
        printers[0].pPrinterName = names[0];
        printers[1].pPrinterName = names[1];
        dialog.m_printers = std::make_unique<CEnumPrinters>(printers, 2);
        return dialog.DoModal();
    }
};

TEST_F(PrintPreview, OpensInLandscapeWithDefaultMarginsAndTheLanguagesTexts)
{
    Run(LANGUAGE_GERMAN, [](CDialog& d) {
        auto& dialog = static_cast<CPrintPreviewDialogDlg&>(d);
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_PRINT_LANDSCAPE), 1u);
        EXPECT_EQ(dialog.m_pageWidth, 29700);
        CString text;
        dialog.GetDlgItemText(IDC_PRINT_MARGIN_TOP, text);
        EXPECT_EQ(text, CString(L"14"));
        dialog.GetDlgItemText(IDC_PRINT_MARGIN_RIGHT, text);
        EXPECT_EQ(text, CString(L"15"));
        dialog.GetDlgItemText(IDCANCEL, text);
        EXPECT_EQ(text, CString(TextAt(g_printDialogTexts, 9, LANGUAGE_GERMAN)));
        EXPECT_EQ(dialog.m_printerList.GetCount(), 2);
        CString first;
        dialog.m_printerList.GetLBText(0, first);
        EXPECT_EQ(first, CString(L"Photo inkjet"));
        CRect window;
        dialog.GetWindowRect(window);
        EXPECT_EQ(window.Width(), 506);
        ui::ClickButton(d, IDCANCEL);
    });
}

TEST_F(PrintPreview, OrientationMarginsAndTheDelayedRedraw)
{
    Run(LANGUAGE_ENGLISH, [](CDialog& d) {
        auto& dialog = static_cast<CPrintPreviewDialogDlg&>(d);
        EXPECT_EQ(dialog.m_previewReady, 1);
        // The redraw comes half a second after the paint.
        HWND area = ::GetDlgItem(dialog.m_hWnd, IDC_PRINT_PREVIEW_AREA);
        HDC dc = ::GetDC(area);
        PumpUntil([&] { return dialog.m_redrawPending == 0 && ::GetPixel(dc, 2, 2) == RGB(192, 192, 192); }, 3000);
        EXPECT_EQ(dialog.m_redrawPending, 0);
        EXPECT_EQ(::GetPixel(dc, 2, 2), RGB(192, 192, 192));
        const PreviewPage page = LayoutPreview(dialog.m_previewWidth, dialog.m_previewHeight, 29700, 21000,
                                               PageMargins(), 965, 735);
        const COLORREF inCapture = ::GetPixel(dc, page.capture.x + page.capture.size.width / 2,
                                              page.capture.y + page.capture.size.height / 2);
        EXPECT_EQ(inCapture, RGB(20, 120, 200));
        ::ReleaseDC(area, dc);

        ui::ClickButton(d, IDC_PRINT_PORTRAIT);
        EXPECT_EQ(dialog.m_pageWidth, 21000);
        EXPECT_EQ(dialog.m_orientation, ORIENTATION_PORTRAIT);
        ui::ClickButton(d, IDC_PRINT_PORTRAIT);  // already portrait: no second swap
        EXPECT_EQ(dialog.m_pageWidth, 21000);

        ui::TypeText(d, IDC_PRINT_MARGIN_TOP, L"20");
        ui::TypeText(d, IDC_PRINT_MARGIN_LEFT, L"75");
        EXPECT_EQ(dialog.m_margins.top, 20);
        EXPECT_EQ(dialog.m_margins.left, 50);
        ui::ClickButton(d, IDC_PRINT_RESET_MARGINS);
        EXPECT_EQ(dialog.m_margins.top, 14);
        EXPECT_EQ(dialog.m_margins.left, 15);
        CString text;
        dialog.GetDlgItemText(IDC_PRINT_MARGIN_LEFT, text);
        EXPECT_EQ(text, CString(L"15"));
        ui::ClickButton(d, IDCANCEL);
    });
}

// Typed key by key, a two-digit margin reaches the field whole, moves the spin and the preview's
// margin line, as the arrows do.
TEST_F(PrintPreview, ATwoDigitMarginTypedIntoAFieldTakesEffect)
{
    Run(LANGUAGE_GERMAN, [](CDialog& d) {
        auto& dialog = static_cast<CPrintPreviewDialogDlg&>(d);
        {  // the first redraw, half a second after the opening
            HWND area = ::GetDlgItem(dialog.m_hWnd, IDC_PRINT_PREVIEW_AREA);
            HDC dc = ::GetDC(area);
            PumpUntil([&] { return dialog.m_redrawPending == 0 && ::GetPixel(dc, 2, 2) == RGB(192, 192, 192); }, 3000);
            ::ReleaseDC(area, dc);
        }
        TypeKeys(d, IDC_PRINT_MARGIN_TOP, L"12");
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_TOP), L"12");
        EXPECT_EQ(dialog.m_margins.top, 12);
        EXPECT_EQ(::SendDlgItemMessageW(d.m_hWnd, IDC_PRINT_MARGIN_TOP + 1, UDM_GETPOS32, 0, 0), 12);
        TypeKeys(d, IDC_PRINT_MARGIN_LEFT, L"27");
        EXPECT_EQ(dialog.m_margins.left, 27);

        // The dotted top margin line now lies at 12 % of the page, none at the old 14 %.
        PageMargins margins;
        margins.top = 12;
        margins.left = 27;
        const PreviewPage page = LayoutPreview(dialog.m_previewWidth, dialog.m_previewHeight, dialog.m_pageWidth,
                                               dialog.m_pageHeight, margins, 965, 735);
        margins.top = 14;
        const PreviewPage before = LayoutPreview(dialog.m_previewWidth, dialog.m_previewHeight, dialog.m_pageWidth,
                                                 dialog.m_pageHeight, margins, 965, 735);
        ASSERT_NE(page.marginTop, before.marginTop);
        HWND area = ::GetDlgItem(dialog.m_hWnd, IDC_PRINT_PREVIEW_AREA);
        HDC dc = ::GetDC(area);
        auto greyInRow = [&](int y) {
            int grey = 0;
            for (int x = page.x + 2; x < page.x + page.marginLeft - 2; ++x)
                grey += ::GetPixel(dc, x, y) == RGB(192, 192, 192);
            return grey;
        };
        EXPECT_GT(greyInRow(page.y + page.marginTop - 1), 3);
        EXPECT_EQ(greyInRow(page.y + before.marginTop - 1), 0);
        ::ReleaseDC(area, dc);
        ui::ClickButton(d, IDCANCEL);
    });
}

// What a margin field shows of the margin it holds: the room of its text beside the arrows, and
// whether its text starts in sight.
struct FieldView {
    int room;
    int textWidth;
    bool startShown;
};
FieldView ViewOf(CWnd& dialog, int id)
{
    HWND field = ::GetDlgItem(dialog.m_hWnd, id);
    RECT room{};
    ::SendMessageW(field, EM_SETSEL, 0, 0);  // the caret at the start, as after a click on the text
    ::SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    wchar_t text[16] = {};
    ::GetWindowTextW(field, text, 16);
    HDC dc = ::GetDC(field);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(field, WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32W(dc, L"50", 2, &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(field, dc);
    const int start = static_cast<short>(LOWORD(::SendMessageW(field, EM_POSFROMCHAR, 0, 0)));
    return {room.right - room.left, static_cast<int>(size.cx), start >= room.left};
}

// A two-digit margin once showed only its last digit ("12" read "2"), "99" stayed in the field
// though 50 was used, and an emptied field counted as 0 without a word. In every language: each
// field shows two digits whole, a margin beyond 50 gives way to the 50 used, and an emptied field
// keeps the margin in use, shows it again when left and says so, as Print does.
TEST_F(PrintPreview, EachMarginFieldShowsTheMarginItUsesAndAnEmptiedFieldIsSaid)
{
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        ui::ScopedMessageBoxAnswer boxes(IDOK);
        Run(language, [language](CDialog& d) {
            auto& dialog = static_cast<CPrintPreviewDialogDlg&>(d);
            PumpUntil([&] { return dialog.m_previewReady != 0; }, 3000);
            for (int id : {IDC_PRINT_MARGIN_TOP, IDC_PRINT_MARGIN_BOTTOM, IDC_PRINT_MARGIN_LEFT,
                           IDC_PRINT_MARGIN_RIGHT}) {
                TypeKeys(d, id, L"12");
                const FieldView view = ViewOf(d, id);
                EXPECT_LE(view.textWidth, view.room) << "language " << language << " field " << id;
                EXPECT_TRUE(view.startShown) << "language " << language << " field " << id;
            }
            TypeKeys(d, IDC_PRINT_MARGIN_LEFT, L"99");
            EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_LEFT), L"50") << language;
            EXPECT_EQ(dialog.m_margins.left, 50);

            ::SetFocus(::GetDlgItem(d.m_hWnd, IDC_PRINT_MARGIN_TOP));
            ::SendDlgItemMessageW(d.m_hWnd, IDC_PRINT_MARGIN_TOP, EM_SETSEL, 0, -1);
            ::SendDlgItemMessageW(d.m_hWnd, IDC_PRINT_MARGIN_TOP, WM_CLEAR, 0, 0);
            EXPECT_EQ(dialog.m_margins.top, 12) << "an emptied field took a margin";
            ::SetFocus(::GetDlgItem(d.m_hWnd, IDC_PRINT_MARGIN_BOTTOM));
            EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_TOP), L"12");

            TypeKeys(d, IDC_PRINT_MARGIN_BOTTOM, L"\b\b");
            EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_BOTTOM), L"");
            ui::ClickButton(d, IDOK);  // Print with the field still empty: nothing is printed
            EXPECT_FALSE(dialog.HasEnded());
            EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_BOTTOM), L"12");
            EXPECT_EQ(dialog.m_margins.bottom, 12);
            ui::ClickButton(d, IDCANCEL);
        });
        const auto shown = boxes.Boxes();
        ASSERT_EQ(shown.size(), 2u) << language;
        for (const auto& box : shown)
            EXPECT_EQ(box.text, CString(TextAt(g_printDialogTexts, 14, language)));
    }
}

// A margin deleted key by key passes through its first digit ("15", "1", ""): the emptied field
// goes back to the margin it held before the typing, not to the digit on the way; a letter, a sign
// or a decimal mark typed over a margin gives way to that margin, never to 0.
TEST_F(PrintPreview, AnEmptiedOrLetteredFieldGoesBackToTheMarginBeforeTheTyping)
{
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    Run(LANGUAGE_DUTCH, [](CDialog& d) {
        auto& dialog = static_cast<CPrintPreviewDialogDlg&>(d);
        PumpUntil([&] { return dialog.m_previewReady != 0; }, 3000);
        HWND left = ::GetDlgItem(d.m_hWnd, IDC_PRINT_MARGIN_LEFT);
        ::SetFocus(left);
        ::SendMessageW(left, EM_SETSEL, 2, 2);
        ::SendMessageW(left, WM_CHAR, L'\b', 1);
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_LEFT), L"1");
        ::SendMessageW(left, WM_CHAR, L'\b', 1);
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_LEFT), L"");
        EXPECT_EQ(dialog.m_margins.left, 15);
        ::SetFocus(::GetDlgItem(d.m_hWnd, IDC_PRINT_MARGIN_RIGHT));
        EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_LEFT), L"15");
        EXPECT_EQ(dialog.m_margins.left, 15);

        for (const wchar_t* typed : {L"a", L"-", L","}) {
            TypeKeys(d, IDC_PRINT_MARGIN_TOP, typed);
            EXPECT_EQ(Text(d, IDC_PRINT_MARGIN_TOP), L"14") << typed;
            EXPECT_EQ(dialog.m_margins.top, 14) << typed;
        }
        TypeKeys(d, IDC_PRINT_MARGIN_TOP, L"20");
        EXPECT_EQ(dialog.m_margins.top, 20);
        ui::ClickButton(d, IDCANCEL);
    });
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, CString(TextAt(g_printDialogTexts, 14, LANGUAGE_DUTCH)));
}

TEST_F(PrintPreview, APrinterThatCannotBeReachedIsReportedAndNothingChanges)
{
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedPrintSetupAnswer setup([](DEVMODEW*) { return IDOK; });
    const INT_PTR result = Run(LANGUAGE_FRENCH, [](CDialog& d) {
        auto& dialog = static_cast<CPrintPreviewDialogDlg&>(d);
        dialog.m_printerList.SetCurSel(0);
        ui::ClickButton(d, IDC_PRINT_SETUP);
        EXPECT_EQ(dialog.m_setupDone, 0);
        EXPECT_EQ(dialog.m_pageWidth, 29700);
        ui::ClickButton(d, IDOK);  // Print: the dialog stays open
        EXPECT_FALSE(dialog.HasEnded());
        ui::ClickButton(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(setup.Count(), 0);  // no device mode: the setup dialog never opened
    const auto shown = boxes.Boxes();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].text, CString(TextAt(g_printDialogTexts, 12, LANGUAGE_FRENCH)));
    EXPECT_EQ(shown[1].text, CString(TextAt(g_printDialogTexts, 13, LANGUAGE_FRENCH)));
    EXPECT_EQ(shown[2].text, CString(TextAt(g_printDialogTexts, 12, LANGUAGE_FRENCH)));
}

// Closed while a redraw waits (each opening takes Wine about two seconds here, so a few).
TEST_F(PrintPreview, ClosedRightAfterAPaintAgainAndAgain)
{
    for (int run = 0; run < 4; ++run) {
        const INT_PTR result = Run(LANGUAGE_ENGLISH, [](CDialog& d) {
            d.SendMessage(WM_PAINT);  // a paint: the redraw waits half a second
            EXPECT_EQ(static_cast<CPrintPreviewDialogDlg&>(d).m_redrawPending, 1);
            ui::ClickButton(d, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL) << run;
    }
    // A redraw that outlived its dialog would draw within this time.
    PumpUntil([] { return false; }, 600);
}
