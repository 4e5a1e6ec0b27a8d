#include "printing/PrintPreviewDlg.h"

#include "platform/ui/UiMessageBox.h"
#include "platform/ui/UiPrint.h"
#include "printing/PrinterDevice.h"
#include "res/resource.h"
#include "texts/TextTables.h"

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <string>

namespace {

constexpr UINT_PTR REDRAW_TIMER = 1;
constexpr UINT REDRAW_DELAY_MS = 500;
constexpr COLORREF PREVIEW_BACKGROUND = RGB(192, 192, 192);

// Rows of the print dialog's texts.
enum PrintTextRow {
    ROW_TITLE = 0, ROW_ORIENTATION = 1, ROW_PORTRAIT = 2, ROW_LANDSCAPE = 3, ROW_MARGINS = 4,
    ROW_RESET_MARGINS = 5, ROW_PRINTER = 6, ROW_SETUP = 7, ROW_PRINT = 8, ROW_CLOSE = 9, ROW_ERROR = 10,
    ROW_DOCUMENT = 11, ROW_NO_PRINTER_DEVICE = 12, ROW_NO_PROPERTIES = 13, ROW_EMPTY_MARGIN = 14,
};

// The four margin fields and their spins, in the order top, bottom, left, right.
constexpr int kMarginFields[4] = {IDC_PRINT_MARGIN_TOP, IDC_PRINT_MARGIN_BOTTOM, IDC_PRINT_MARGIN_LEFT,
                                  IDC_PRINT_MARGIN_RIGHT};

// Widening and lowering of the buttons per language: (K1, K2, K3).
struct ButtonSpread {
    int taller;   // K1
    int raised;   // K2
    int wider;    // K3
};
ButtonSpread SpreadOf(int language)
{
    switch (language) {
    case LANGUAGE_GERMAN: return {12, 6, 14};
    case LANGUAGE_FRENCH: return {12, 6, 4};
    case LANGUAGE_ITALIAN:
    case LANGUAGE_DUTCH: return {0, 0, 14};
    case LANGUAGE_RUSSIAN: return {12, 6, 0};
    default: return {0, 0, 0};
    }
}

// Index 0..3 of a margin field's id, or -1.
int MarginFieldOf(UINT id)
{
    const auto* field = std::find(std::begin(kMarginFields), std::end(kMarginFields), static_cast<int>(id));
    return field == std::end(kMarginFields) ? -1 : static_cast<int>(field - kMarginFields);
}

int& MarginOf(PageMargins& margins, int field)
{
    switch (field) {
    case 0: return margins.top;
    case 1: return margins.bottom;
    case 2: return margins.left;
    default: return margins.right;
    }
}

// A copy of a global block's bytes.
std::unique_ptr<BYTE[]> CopyBlock(HGLOBAL block, size_t size)
{
    const void* bytes = block ? ::GlobalLock(block) : nullptr;
    if (!bytes)
        return nullptr;
    auto copy = std::make_unique<BYTE[]>(size);
    std::memcpy(copy.get(), bytes, size);
    ::GlobalUnlock(block);
    return copy;
}

void FreeBlocks(HGLOBAL devNames, HGLOBAL devMode)
{
    if (devNames)
        ::GlobalFree(devNames);
    if (devMode)
        ::GlobalFree(devMode);
}

}  // namespace

const ui::MsgMapEntry CPrintPreviewDialogDlg::kMessageEntries[] = {
    ui::OnMessage<WM_PAINT, &CPrintPreviewDialogDlg::OnPaint>(),
    ui::OnMessage<WM_TIMER, &CPrintPreviewDialogDlg::OnTimer>(),
    ui::OnMessage<WM_DESTROY, &CPrintPreviewDialogDlg::OnDestroy>(),
    ui::OnCommand<&CPrintPreviewDialogDlg::OnPrint>(IDOK),
    ui::OnCommand<&CPrintPreviewDialogDlg::OnSetup>(IDC_PRINT_SETUP),
    ui::OnCommand<&CPrintPreviewDialogDlg::OnResetMargins>(IDC_PRINT_RESET_MARGINS),
    ui::OnCommand<&CPrintPreviewDialogDlg::OnPortrait>(IDC_PRINT_PORTRAIT),
    ui::OnCommand<&CPrintPreviewDialogDlg::OnLandscape>(IDC_PRINT_LANDSCAPE),
    ui::OnControlRange<&CPrintPreviewDialogDlg::OnMarginChanged>(EN_UPDATE, IDC_PRINT_MARGIN_TOP,
                                                                 IDC_PRINT_MARGIN_RIGHT + 1),
    ui::OnControlRange<&CPrintPreviewDialogDlg::OnMarginFieldLeft>(EN_KILLFOCUS, IDC_PRINT_MARGIN_TOP,
                                                                   IDC_PRINT_MARGIN_RIGHT + 1),
    ui::OnControlRange<&CPrintPreviewDialogDlg::OnMarginFieldEntered>(EN_SETFOCUS, IDC_PRINT_MARGIN_TOP,
                                                                      IDC_PRINT_MARGIN_RIGHT + 1),
};
UI_IMPLEMENT_MESSAGE_MAP(CPrintPreviewDialogDlg, CDialog)

CPrintPreviewDialogDlg::CPrintPreviewDialogDlg() : CDialog(IDD_PRINT_PREVIEW) {}

CPrintPreviewDialogDlg::~CPrintPreviewDialogDlg() = default;

void CPrintPreviewDialogDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PRINT_PRINTER_LIST, m_printerList);
    for (int k = 0; k < 4; ++k)
        DDX_Control(dx, kMarginFields[k] + 1, m_marginSpins[k]);
}

BOOL CPrintPreviewDialogDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_setupDone = 0;
    m_orientation = ORIENTATION_LANDSCAPE;
    m_paperSize = DMPAPER_A4;
    m_pageWidth = 29700;
    m_pageHeight = 21000;
    m_paperSource = 1;
    m_margins = PageMargins();
    CRect area;
    ::GetClientRect(::GetDlgItem(m_hWnd, IDC_PRINT_PREVIEW_AREA), &area);
    m_previewWidth = area.Width();
    m_previewHeight = area.Height();

    LayOutForLanguage();
    CheckDlgButton(IDC_PRINT_PREVIEW_AREA + m_orientation, BST_CHECKED);
    for (int k = 0; k < 4; ++k) {
        m_marginSpins[k].SetRange32(MARGIN_MIN, MARGIN_MAX);
        m_marginSpins[k].SetPos32(MarginOf(m_margins, k));
        m_marginBeforeTyping[k] = MarginOf(m_margins, k);
    }
    FillPrinterList();
    return TRUE;
}

void CPrintPreviewDialogDlg::LayOutForLanguage()
{
    const int language = LanguageOrEnglish(m_language);
    const ButtonSpread k = SpreadOf(language);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 506, 386, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    auto place = [this](int id, int x, int y, int width, int height) {
        ::MoveWindow(::GetDlgItem(m_hWnd, id), x, y, width, height, TRUE);
    };
    place(IDC_PRINT_RESET_MARGINS, 22, 286 - k.raised, 122, 20 + k.taller);
    place(IDC_PRINT_SETUP, 287 - k.wider / 2, 323, 60 + k.wider, 22);
    place(IDOK, 358 + k.wider / 4, 323, 60, 22);
    place(IDCANCEL, 429, 323, 60, 22);
    SetWindowText(TextAt(g_printDialogTexts, ROW_TITLE, language));
    const struct {
        int id;
        int row;
    } texts[] = {
        {IDC_PRINT_ORIENTATION, ROW_ORIENTATION}, {IDC_PRINT_PORTRAIT, ROW_PORTRAIT},
        {IDC_PRINT_LANDSCAPE, ROW_LANDSCAPE},     {IDC_PRINT_MARGINS, ROW_MARGINS},
        {IDC_PRINT_RESET_MARGINS, ROW_RESET_MARGINS}, {IDC_PRINT_PRINTER, ROW_PRINTER},
        {IDC_PRINT_SETUP, ROW_SETUP},             {IDOK, ROW_PRINT},
        {IDCANCEL, ROW_CLOSE},
    };
    for (const auto& text : texts)
        SetDlgItemText(text.id, TextAt(g_printDialogTexts, text.row, language));
}

void CPrintPreviewDialogDlg::FillPrinterList()
{
    if (!m_printers)
        m_printers = std::make_unique<CEnumPrinters>();
    for (const CString& name : m_printers->m_printerNames)
        m_printerList.AddString(name);
    CString standard = GetDefaultPrinterName();
    if (standard.IsEmpty())
        standard = TextAt(g_printDialogTexts, ROW_ERROR, m_language);
    SelectPrinterStartingWith(standard);
}

void CPrintPreviewDialogDlg::SelectPrinterStartingWith(const CString& name)
{
    // CB_SELECTSTRING finds the first entry that begins with the text.
    if (!name.IsEmpty())
        m_printerList.SelectString(-1, name);
}

CString CPrintPreviewDialogDlg::SelectedPrinterName() const
{
    CString name;
    const int selected = m_printerList.GetCurSel();
    if (selected >= 0)
        m_printerList.GetLBText(selected, name);
    return name;
}

void CPrintPreviewDialogDlg::ShowError(int row) { MessageBox(TextAt(g_printDialogTexts, row, m_language)); }

// ---- the preview --------------------------------------------------------------------------------

void CPrintPreviewDialogDlg::OnPaint()
{
    if (!IsIconic()) {
        m_previewReady = 1;
        if (!m_redrawPending) {
            m_redrawPending = 1;
            SetTimer(REDRAW_TIMER, REDRAW_DELAY_MS);
        }
    }
    Default();
}

void CPrintPreviewDialogDlg::OnTimer(UINT_PTR timerId)
{
    if (timerId != REDRAW_TIMER) {
        Default();
        return;
    }
    KillTimer(REDRAW_TIMER);
    DrawPreview();
    m_redrawPending = 0;
}

void CPrintPreviewDialogDlg::OnDestroy()
{
    KillTimer(REDRAW_TIMER);
    Default();
}

void CPrintPreviewDialogDlg::DrawPreview()
{
    HWND areaWindow = ::GetDlgItem(m_hWnd, IDC_PRINT_PREVIEW_AREA);
    HDC dc = areaWindow ? ::GetDC(areaWindow) : nullptr;
    if (!dc)
        return;
    const PreviewPage page = LayoutPreview(m_previewWidth, m_previewHeight, m_pageWidth, m_pageHeight, m_margins,
                                           m_captureWidth, m_captureHeight);
    const RECT all = {0, 0, m_previewWidth, m_previewHeight};
    HBRUSH grey = ::CreateSolidBrush(PREVIEW_BACKGROUND);
    ::FillRect(dc, &all, grey);
    ::DeleteObject(grey);
    if (page.width > 0 && page.height > 0) {
        const RECT paper = {page.x, page.y, page.x + page.width, page.y + page.height};
        ::FillRect(dc, &paper, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        // 3-D frame: dark grey at the top and left, black at the bottom and right.
        HPEN dark = ::CreatePen(PS_SOLID, 1, RGB(90, 90, 90));
        HGDIOBJ oldPen = ::SelectObject(dc, dark);
        const int left = page.x - 1, top = page.y - 1, right = page.x + page.width, bottom = page.y + page.height;
        ::MoveToEx(dc, left, bottom, nullptr);
        ::LineTo(dc, left, top);
        ::LineTo(dc, right + 1, top);
        ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
        ::MoveToEx(dc, right, top + 1, nullptr);
        ::LineTo(dc, right, bottom);
        ::LineTo(dc, left, bottom);
        // Margins as dotted lines.
        HPEN dotted = ::CreatePen(PS_DOT, 1, PREVIEW_BACKGROUND);
        ::SelectObject(dc, dotted);
        ::SetBkMode(dc, TRANSPARENT);
        const int topLine = page.y + page.marginTop - 1, bottomLine = page.y + page.height - page.marginBottom;
        const int leftLine = page.x + page.marginLeft - 1, rightLine = page.x + page.width - page.marginRight;
        for (int y : {topLine, bottomLine}) {
            ::MoveToEx(dc, page.x - 1, y, nullptr);
            ::LineTo(dc, page.x - 1 + page.width, y);
        }
        for (int x : {leftLine, rightLine}) {
            ::MoveToEx(dc, x, page.y - 1, nullptr);
            ::LineTo(dc, x, page.y + page.height - 1);
        }
        ::SelectObject(dc, oldPen);
        ::DeleteObject(dark);
        ::DeleteObject(dotted);
        if (m_pCaptureDC && page.capture.size.width > 0 && page.capture.size.height > 0) {
            ::SetStretchBltMode(dc, HALFTONE);
            ::SetBrushOrgEx(dc, 0, 0, nullptr);
            ::StretchBlt(dc, page.capture.x, page.capture.y, page.capture.size.width, page.capture.size.height,
                         m_pCaptureDC, 0, 0, m_captureWidth, m_captureHeight, SRCCOPY);
        }
    }
    ::ReleaseDC(areaWindow, dc);
}

// ---- orientation and margins --------------------------------------------------------------------

void CPrintPreviewDialogDlg::SetOrientation(int orientation)
{
    if (orientation == m_orientation)
        return;
    std::swap(m_pageWidth, m_pageHeight);
    m_orientation = orientation;
    DrawPreview();
}

void CPrintPreviewDialogDlg::OnPortrait() { SetOrientation(ORIENTATION_PORTRAIT); }

void CPrintPreviewDialogDlg::OnLandscape() { SetOrientation(ORIENTATION_LANDSCAPE); }

void CPrintPreviewDialogDlg::OnMarginChanged(UINT id)
{
    const int field = MarginFieldOf(id);
    if (!m_previewReady || m_showingMargin || field < 0)
        return;
    CString text;
    GetDlgItemText(static_cast<int>(id), text);
    const HWND edit = ::GetDlgItem(m_hWnd, static_cast<int>(id));
    const bool typing = ::GetFocus() == edit;
    // An emptied field uses the margin it held before the typing began (a key on the way, "1" of a
    // "15" deleted key by key, is not kept) until a number is typed; leaving it says so.
    if (text.IsEmpty()) {
        MarginOf(m_margins, field) = m_marginBeforeTyping[field];
        DrawPreview();
        return;
    }
    // A number beyond 0..50 gives way to the margin it stands for; a text that starts with no digit
    // (a letter, a sign, a decimal mark) to the margin from before the typing.
    const bool number = std::iswdigit(text[0]) != 0;
    const int margin = number ? MarginFromText(text) : m_marginBeforeTyping[field];
    if (text != CString(std::to_wstring(margin).c_str()))
        ShowMargin(field, margin);
    MarginOf(m_margins, field) = margin;
    // A change by the arrows or by the program is the margin a later typing starts from.
    if (!typing)
        m_marginBeforeTyping[field] = margin;
    DrawPreview();
}

void CPrintPreviewDialogDlg::OnMarginFieldEntered(UINT id)
{
    const int field = MarginFieldOf(id);
    if (field >= 0)
        m_marginBeforeTyping[field] = MarginOf(m_margins, field);
}

void CPrintPreviewDialogDlg::ShowMargin(int field, int margin)
{
    m_showingMargin = true;
    m_marginSpins[field].SetPos32(margin);
    m_showingMargin = false;
    const HWND edit = ::GetDlgItem(m_hWnd, kMarginFields[field]);
    const int length = ::GetWindowTextLengthW(edit);
    ::SendMessageW(edit, EM_SETSEL, length, length);
}

bool CPrintPreviewDialogDlg::RefillEmptyMargins()
{
    bool refilled = false;
    for (int field = 0; field < 4; ++field) {
        if (::GetWindowTextLengthW(::GetDlgItem(m_hWnd, kMarginFields[field])) == 0) {
            ShowMargin(field, MarginOf(m_margins, field));
            refilled = true;
        }
    }
    return refilled;
}

void CPrintPreviewDialogDlg::OnMarginFieldLeft(UINT id)
{
    // Leaving for Close, or as the dialog ends, needs no word: nothing is printed.
    const bool closing = HasEnded() || ::GetFocus() == ::GetDlgItem(m_hWnd, IDCANCEL);
    if (MarginFieldOf(id) >= 0 && RefillEmptyMargins() && !closing)
        ShowError(ROW_EMPTY_MARGIN);
}

void CPrintPreviewDialogDlg::OnResetMargins()
{
    m_margins = PageMargins();
    for (int k = 0; k < 4; ++k) {
        m_marginSpins[k].SetPos32(MarginOf(m_margins, k));
        m_marginBeforeTyping[k] = MarginOf(m_margins, k);
    }
    DrawPreview();
}

// ---- printer setup ------------------------------------------------------------------------------

void CPrintPreviewDialogDlg::OnSetup()
{
    const CString printer = SelectedPrinterName();
    HGLOBAL devNames = nullptr;
    HGLOBAL devMode = nullptr;
    if (!GetPrinterDevice(printer, &devNames, &devMode))
        ShowError(ROW_NO_PRINTER_DEVICE);
    auto* mode = devMode ? static_cast<DEVMODEW*>(::GlobalLock(devMode)) : nullptr;
    if (!mode) {
        ShowError(ROW_NO_PROPERTIES);
        FreeBlocks(devNames, devMode);
        return;
    }
    const int orientation = IsDlgButtonChecked(IDC_PRINT_PORTRAIT) ? ORIENTATION_PORTRAIT : ORIENTATION_LANDSCAPE;
    ApplyPageSettings(mode, printer, orientation, m_paperSize, m_paperSource);
    ::GlobalUnlock(devMode);

    CPrintSetupDialog setup(m_hWnd, devMode, devNames);
    if (setup.DoModal() == IDOK) {
        auto* confirmed = setup.m_devMode ? static_cast<DEVMODEW*>(::GlobalLock(setup.m_devMode)) : nullptr;
        if (confirmed) {
            TakeSetup(*confirmed, setup.m_devNames);
            ::GlobalUnlock(setup.m_devMode);
        } else {
            ShowError(ROW_NO_PROPERTIES);
        }
    }
    FreeBlocks(setup.m_devNames, setup.m_devMode);
}

void CPrintPreviewDialogDlg::TakeSetup(const DEVMODEW& mode, HGLOBAL devNames)
{
    wchar_t name[CCHDEVICENAME + 1] = {};
    std::wcsncpy(name, mode.dmDeviceName, CCHDEVICENAME);
    m_deviceName = name;
    m_orientation = mode.dmOrientation == ORIENTATION_PORTRAIT ? ORIENTATION_PORTRAIT : ORIENTATION_LANDSCAPE;
    m_paperSize = mode.dmPaperSize;
    m_paperSource = mode.dmDefaultSource;
    m_savedDevModeSize = std::min<size_t>(mode.dmSize, sizeof(DEVMODEW));
    m_savedDevMode = std::make_unique<BYTE[]>(m_savedDevModeSize);
    std::memcpy(m_savedDevMode.get(), &mode, m_savedDevModeSize);
    m_savedDevNamesSize = devNames ? ::GlobalSize(devNames) : 0;
    m_savedDevNames = CopyBlock(devNames, m_savedDevNamesSize);
    if (!m_savedDevNames)
        m_savedDevNamesSize = 0;
    CheckDlgButton(IDC_PRINT_PORTRAIT, m_orientation == ORIENTATION_PORTRAIT ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_PRINT_LANDSCAPE, m_orientation == ORIENTATION_LANDSCAPE ? BST_CHECKED : BST_UNCHECKED);
    SelectPrinterStartingWith(m_deviceName);
    const PixelSize page = OrientedPageSize(m_paperSize, m_orientation);
    m_pageWidth = page.width;
    m_pageHeight = page.height;
    m_setupDone = 1;
    DrawPreview();
}

// ---- printing -----------------------------------------------------------------------------------

void CPrintPreviewDialogDlg::RestoreSavedSetup(HGLOBAL devMode, HGLOBAL devNames) const
{
    if (!m_setupDone)
        return;
    if (auto* mode = m_savedDevMode ? static_cast<BYTE*>(::GlobalLock(devMode)) : nullptr) {
        const auto* current = reinterpret_cast<const DEVMODEW*>(mode);
        std::memcpy(mode, m_savedDevMode.get(), std::min<size_t>(m_savedDevModeSize, current->dmSize));
        ::GlobalUnlock(devMode);
    }
    if (m_savedDevNames && ::GlobalSize(devNames) >= m_savedDevNamesSize) {
        if (void* names = ::GlobalLock(devNames)) {
            std::memcpy(names, m_savedDevNames.get(), m_savedDevNamesSize);
            ::GlobalUnlock(devNames);
        }
    }
}

void CPrintPreviewDialogDlg::OnPrint()
{
    // Print pressed (or Enter) in an emptied margin field: the field shows the margin in use again
    // and the user decides whether to print with it.
    if (RefillEmptyMargins()) {
        ShowError(ROW_EMPTY_MARGIN);
        return;
    }
    const CString printer = SelectedPrinterName();
    HGLOBAL devNames = nullptr;
    HGLOBAL devMode = nullptr;
    if (!GetPrinterDevice(printer, &devNames, &devMode)) {
        // Without the printer's device there is nothing to print on.
        ShowError(ROW_NO_PRINTER_DEVICE);
        return;
    }
    RestoreSavedSetup(devMode, devNames);
    if (auto* mode = static_cast<DEVMODEW*>(::GlobalLock(devMode))) {
        const int orientation = IsDlgButtonChecked(IDC_PRINT_PORTRAIT) ? ORIENTATION_PORTRAIT : ORIENTATION_LANDSCAPE;
        ApplyPageSettings(mode, m_setupDone ? m_deviceName : printer, orientation, m_paperSize, m_paperSource);
        ::GlobalUnlock(devMode);
    }
    HDC printerDC = CreatePrinterDC(devNames, devMode);
    bool printed = false;
    if (printerDC) {
        if (auto* mode = static_cast<DEVMODEW*>(::GlobalLock(devMode))) {
            ::ResetDCW(printerDC, mode);
            ::GlobalUnlock(devMode);
        }
        PageMargins margins;
        for (int k = 0; k < 4; ++k)
            MarginOf(margins, k) = std::clamp(m_marginSpins[k].TakeBuddyValue(), MARGIN_MIN, MARGIN_MAX);
        printed = PrintCaptureDocument(printerDC, TextAt(g_printDialogTexts, ROW_DOCUMENT, m_language), m_pCaptureDC,
                                       m_captureWidth, m_captureHeight, margins);
        ::DeleteDC(printerDC);
    }
    FreeBlocks(devNames, devMode);
    if (!printed) {
        ShowError(ROW_ERROR);
        return;
    }
    EndDialog(IDOK);
}
