// The print preview: one page holding a capture of the main window. The dialog shows the page
// scaled into its preview area with the margins as dotted lines, lets the user choose the printer,
// the orientation, the four margins in percent of the page and the printer's own setup, and prints
// the capture stretched into the margins, keeping its aspect ratio.
//
// The preview is drawn 500 ms after the dialog is painted (a burst of paints gives one drawing),
// by a one-shot timer on the dialog's own thread, and at once after every change.
#pragma once
#include "platform/ui/UiControls.h"
#include "platform/ui/UiDialog.h"
#include "printing/EnumPrinters.h"
#include "printing/PrintLayout.h"

#include <memory>

class CPrintPreviewDialogDlg : public CDialog {
public:
    CPrintPreviewDialogDlg();
    ~CPrintPreviewDialogDlg() override;

    // ---- set by the caller before DoModal ---------------------------------------------------
    int m_captureWidth = 0;
    int m_captureHeight = 0;
    HDC m_pCaptureDC = nullptr;      // memory DC holding the capture (the caller's)
    int m_language = 0;
    unsigned char m_previewReady = 0;
    unsigned char m_redrawPending = 0;

    // ---- state ----------------------------------------------------------------------------------
    PageMargins m_margins;
    int m_previewWidth = 0;
    int m_previewHeight = 0;
    int m_pageWidth = 29700;         // hundredths of a millimetre, as oriented
    int m_pageHeight = 21000;
    int m_paperSize = DMPAPER_A4;
    int m_paperSource = 1;
    int m_orientation = ORIENTATION_LANDSCAPE;
    CString m_deviceName;            // printer confirmed in Setup
    unsigned char m_setupDone = 0;
    bool m_showingMargin = false;    // a margin is being put into its field
    // Each field's margin as it was when the user began typing into it (top, bottom, left, right).
    int m_marginBeforeTyping[4] = {};
    // The device mode and device names confirmed in Setup (null before), applied when printing.
    std::unique_ptr<BYTE[]> m_savedDevMode;
    size_t m_savedDevModeSize = 0;
    std::unique_ptr<BYTE[]> m_savedDevNames;
    size_t m_savedDevNamesSize = 0;

    CComboBox m_printerList;         // 1446
    CSpinButtonCtrl m_marginSpins[4];  // top 1451, bottom 1453, left 1455, right 1457
    // The printers of the machine; made when the dialog opens (tests may set it before).
    std::unique_ptr<CEnumPrinters> m_printers;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // Draws the whole preview area now.
    void DrawPreview();

    UI_DECLARE_MESSAGE_MAP()

protected:
    void OnPaint();
    void OnTimer(UINT_PTR timerId);
    void OnDestroy();
    // Button 1 "Print": one page on the selected printer; the dialog ends after a printed page.
    void OnPrint();
    // Button 1447 "Setup": the printer's own setup dialog on its device mode.
    void OnSetup();
    void OnResetMargins();
    void OnPortrait();
    void OnLandscape();
    // A margin field's text changed: its margin takes the number, brought into 0..50 (the field
    // then shows the margin used); an emptied field leaves the margin as it was.
    void OnMarginChanged(UINT id);
    // A margin field lost the focus: an emptied field shows the margin in use again, and says so.
    void OnMarginFieldLeft(UINT id);
    void OnMarginFieldEntered(UINT id);

private:
    void LayOutForLanguage();
    void FillPrinterList();
    void SelectPrinterStartingWith(const CString& name);
    CString SelectedPrinterName() const;
    void SetOrientation(int orientation);
    // Puts a margin into its field through the spin, the caret after it.
    void ShowMargin(int field, int margin);
    // Puts the margin in use back into every emptied field; whether there was one.
    bool RefillEmptyMargins();
    void ShowError(int row);
    // Takes a confirmed setup's device mode (and names): members, radios, printer and page size.
    void TakeSetup(const DEVMODEW& mode, HGLOBAL devNames);
    void RestoreSavedSetup(HGLOBAL devMode, HGLOBAL devNames) const;
};
