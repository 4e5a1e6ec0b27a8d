// What the running program's window shows: the sky panel and the About box in German, and the
// window printed on the PDF printer.
#include "tests/e2e/ProgramRun.h"
#include "app/SettingsFiles.h"
#include "res/resource.h"
#include "tests/e2e/PrintedPage.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <regex>
#include <string>
#include <vector>

namespace {

using namespace e2e;

std::wstring ControlText(HWND window, int id)
{
    wchar_t text[1024] = {};
    GetDlgItemTextW(window, id, text, 1024);
    return text;
}

// The pixels of a control as the screen shows them.
std::vector<uint32_t> CapturedPixels(HWND control)
{
    RECT r{};
    GetWindowRect(control, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<uint32_t> pixels;
    if (w <= 0 || h <= 0)
        return pixels;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    pixels.assign(static_cast<uint32_t*>(bits), static_cast<uint32_t*>(bits) + w * h);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// A visible top-level window of the process that holds the control.
HWND WindowWithControl(DWORD processId, int controlId)
{
    struct Search {
        DWORD processId;
        int controlId;
        HWND found;
    } search{processId, controlId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            if (pid == s->processId && IsWindowVisible(window) && GetDlgItem(window, s->controlId) != nullptr) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The text of a message box that the window opened ("" when there is none).
std::wstring MessageOf(HWND owner)
{
    struct Search {
        HWND owner;
        HWND found;
    } search{owner, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            if (GetWindow(window, GW_OWNER) == s->owner && IsWindowVisible(window) &&
                std::wstring(className) == L"#32770") {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found ? ControlText(search.found, 0xFFFF) : std::wstring();
}

// The About box of the process: its visible dialog with the status edit 1413.
HWND AboutBoxOf(DWORD processId) { return WindowWithControl(processId, 1413); }

struct AboutContents {
    std::wstring versions, lines, close, version;
};

// Opens the About box by the message, reads it and closes it with its Close button.
AboutContents ReadAboutBox(HWND main, DWORD processId, UINT message, WPARAM command)
{
    AboutContents about;
    PostMessageW(main, message, command, 0);
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = AboutBoxOf(processId)) != nullptr; }, 30))
        return about;
    for (int id = 1408; id <= 1412; ++id)
        about.versions += ControlText(box, id) + L"|";
    about.lines = ControlText(box, 1413);
    about.close = ControlText(box, IDOK);
    about.version = ControlText(box, 1425);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    WaitFor([&] { return AboutBoxOf(processId) == nullptr; }, 10);
    return about;
}

TEST(EndToEnd, SkyPanelValuesAndAboutBoxInGerman)
{
    Program program(L"sky");
    ASSERT_TRUE(program.HasBinaries());
    ASSERT_TRUE(settings::WriteFileBytes(program.File(settings::LANGUAGE_FILE), settings::EncodeLanguage(1)));
    program.SetEnvironment(L"USB_EMULATOR", L"demo");
    ASSERT_TRUE(program.Start());

    // The first poll fills the moon phase.
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = program.MainWindow()) != nullptr && !ControlText(main, 1063).empty(); },
                        240))
        << "no moon phase after the first poll";
    DWORD processId = 0;
    GetWindowThreadProcessId(main, &processId);

    // Moon phase name of the language, the demo station's own town (user-defined), sunrise before
    // sunset in the 24-hour form.
    const std::wstring phase = ControlText(main, 1063);
    const wchar_t* const* names = LunarPhaseNamesFor(LANGUAGE_GERMAN);
    EXPECT_TRUE(std::any_of(names, names + LUNAR_PHASE_NAME_COUNT, [&](const wchar_t* n) { return phase == n; }))
        << "phase name: " << std::string(phase.begin(), phase.end());
    EXPECT_EQ(ControlText(main, 1064), L"User defined city");
    EXPECT_EQ(ControlText(main, 1065), L"50\u00B07' Norden");
    EXPECT_EQ(ControlText(main, 1066), L"8\u00B041' Osten");
    const std::wregex clock(L"(\\d\\d):(\\d\\d)");
    const std::wstring sunrise = ControlText(main, 1061), sunset = ControlText(main, 1062);
    EXPECT_TRUE(std::regex_match(sunrise, clock));
    EXPECT_TRUE(std::regex_match(sunset, clock));
    EXPECT_LT(sunrise, sunset);

    // Every value box of the demo station is filled.
    for (int id : {1027, 1056, 1057, 1087, 1088, 1089, 1090, 1091, 1092, 1093, 1098, 1099, 1100, 1101, 1052})
        EXPECT_FALSE(ControlText(main, id).empty()) << "control " << id;
    EXPECT_NE(ControlText(main, 1140).find(L"seit "), std::wstring::npos);

    // The forecast picture moves on every five seconds: it changes within two periods.
    HWND forecast = GetDlgItem(main, 1003);
    ASSERT_NE(forecast, nullptr);
    const std::vector<uint32_t> first = CapturedPixels(forecast);
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(WaitFor([&] { return CapturedPixels(forecast) != first; }, 11)) << "the forecast picture did not change";

    // The About box from the Help menu and from the system menu: the same box, Close in German.
    const AboutContents fromMenu = ReadAboutBox(main, processId, WM_COMMAND, 32790);
    const AboutContents fromSystemMenu = ReadAboutBox(main, processId, WM_SYSCOMMAND, 16);
    EXPECT_EQ(fromMenu.versions, L"  V1|  V12|  V7|  V20|  V5|");
    EXPECT_EQ(fromMenu.close, L"Ende");
    EXPECT_EQ(fromMenu.version, L"Version 1.4");
    EXPECT_NE(fromMenu.lines.find(L"\r\n1Mbit\r\n"), std::wstring::npos) << "memory size line";
    EXPECT_EQ(std::count(fromMenu.lines.begin(), fromMenu.lines.end(), L'\n'), 10);
    EXPECT_EQ(fromSystemMenu.versions, fromMenu.versions);
    EXPECT_EQ(fromSystemMenu.close, fromMenu.close);
    // The first line is the clock, which may have moved on a minute between the two boxes.
    const auto afterClock = [](const std::wstring& lines) { return lines.substr(lines.find(L'\n') + 1, 40); };
    EXPECT_EQ(afterClock(fromSystemMenu.lines), afterClock(fromMenu.lines));
    EXPECT_EQ(program.MessageBoxWindow(), nullptr);
}

// File > Print with cups-pdf's printer "PDF" chosen in the preview: one landscape page (the
// preview's default) in cups-pdf's folder, holding the capture of the main window inside the
// default margins (top and bottom 14 %, left and right 15 %) with its aspect ratio.
TEST(EndToEnd, PrintOnThePdfPrinterGivesOnePageWithTheWindowCapture)
{
    if (!printed::HasPrinter(L"PDF"))
        GTEST_SKIP() << "no printer \"PDF\" (cups-pdf): tools/test.sh starts CUPS and adds it when it runs as root";
    if (!Exists(printed::kPdfToPpm))
        GTEST_SKIP() << "no pdftoppm (poppler-utils) to read the printed page";
    const std::wstring pdfFolder = printed::PdfPrinterFolder();
    ASSERT_FALSE(pdfFolder.empty()) << "Wine does not name the home folder (WINEHOMEDIR)";

    Program program(L"print_pdf");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(program));
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitForFirstPoll(60)) << "no record files in the folder";
    const HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    DWORD processId = 0;
    GetWindowThreadProcessId(main, &processId);
    RECT client{};
    GetClientRect(main, &client);
    const std::vector<uint32_t> screen = CapturedPixels(main);
    const uint32_t background = printed::CommonestColour(screen);
    const double backgroundShare = std::count_if(screen.begin(), screen.end(), [&](uint32_t p) {
                                       return (p & 0xFFFFFF) == background;
                                   }) / double(screen.size());

    PostMessageW(main, WM_COMMAND, MAKEWPARAM(ID_FILE_PRINT, 0), 0);
    HWND preview = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (preview = WindowWithControl(processId, IDC_PRINT_PRINTER_LIST)) != nullptr; }, 30))
        << "no print preview";
    const HWND list = GetDlgItem(preview, IDC_PRINT_PRINTER_LIST);
    const LRESULT entry = SendMessageW(list, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(L"PDF"));
    ASSERT_NE(entry, CB_ERR) << "the printer list does not offer \"PDF\"";
    SendMessageW(list, CB_SETCURSEL, WPARAM(entry), 0);
    const printed::FileTimes before = printed::PdfFilesIn(pdfFolder);
    PostMessageW(preview, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(preview, IDOK)));
    std::wstring error;
    WaitFor([&] { return !IsWindow(preview) || !(error = MessageOf(preview)).empty(); }, 60);
    EXPECT_EQ(error, L"") << "printing reported an error";
    EXPECT_FALSE(IsWindow(preview)) << "the preview stayed open after printing";

    // The printed document is kept with the scenario, out of the printer's folder.
    const std::wstring pdf = program.File(L"printed.pdf");
    ASSERT_TRUE(printed::TakeNewPdf(pdfFolder, L"WeatherPrintPreview", before, pdf, 60))
        << "no new PDF in " << std::string(pdfFolder.begin(), pdfFolder.end());
    const std::vector<printed::Page> pages = printed::RenderPages(pdf, 24);
    ASSERT_EQ(pages.size(), 1u) << "pages in the printed PDF";
    const printed::Page& page = pages[0];
    EXPECT_GT(page.width, page.height) << "the page is not landscape";

    const RECT ink = printed::InkBox(page);
    ASSERT_GT(ink.right - ink.left, page.width / 4) << "the page is blank or nearly";
    ASSERT_GT(ink.bottom - ink.top, page.height / 4) << "the page is blank or nearly";
    // The capture fills the free height or the free width, from the top left corner of the margins.
    const double slack = 2.5;
    EXPECT_NEAR(ink.top, page.height * 0.14, slack);
    EXPECT_NEAR(ink.left, page.width * 0.15, slack);
    EXPECT_LE(ink.bottom, page.height * 0.86 + slack);
    EXPECT_LE(ink.right, page.width * 0.85 + slack);
    EXPECT_TRUE(ink.bottom >= page.height * 0.86 - slack || ink.right >= page.width * 0.85 - slack);
    // The whole window is on the page: the print has the proportions of the window's client area.
    const double shownRatio = double(client.right) / client.bottom;
    const double printedRatio = double(ink.right - ink.left) / (ink.bottom - ink.top);
    EXPECT_NEAR(printedRatio, shownRatio, 0.04 * shownRatio);
    // The window's own colours are on the paper: its commonest one covers about as much of the print.
    EXPECT_GT(printed::ShareNear(page, ink, background, 12), 0.8 * backgroundShare)
        << "window colour " << std::hex << background;
}

}  // namespace
