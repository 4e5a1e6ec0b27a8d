#include "dialogs/XStatic.h"

#include "platform/ui/UiApp.h"

const ui::MsgMapEntry CxStatic::kMessageEntries[] = {
    ui::OnMessage<WM_ERASEBKGND, &CxStatic::OnEraseBkgnd>(),
    ui::OnRawMessage<WM_SETTEXT, &CxStatic::OnSetText>(),
    ui::OnMessage<WM_SIZE, &CxStatic::OnSize>(),
};
UI_IMPLEMENT_MESSAGE_MAP(CxStatic, CStatic)

CxStatic::CxStatic()
    : m_textColour(::GetSysColor(COLOR_WINDOWTEXT)),
      m_bkColour(::GetSysColor(COLOR_BTNFACE)),
      m_bkBrush(new CBrush(m_bkColour))
{
}

CxStatic::~CxStatic()
{
    delete m_bkBrush;
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
}

void CxStatic::PreSubclassWindow()
{
    m_savedStyle = GetStyle();
    ModifyStyle(SS_TYPEMASK, SS_OWNERDRAW);
    HFONT font = GetFont();
    if (!font)
        font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (!font)
        font = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
    LOGFONTW logFont = {};
    if (font && ::GetObjectW(font, sizeof logFont, &logFont))
        m_font.CreateFontIndirect(&logFont);
    m_text = GetWindowText();
    DragAcceptFiles(TRUE);
    InvalidateRect(nullptr, TRUE);
}

void CxStatic::SetText(const wchar_t* text)
{
    m_text = text ? text : L"";
    if (m_hWnd)
        InvalidateRect(nullptr, TRUE);
}

// Both loaders change the control only once the new picture is in hand: a failed load keeps the
// previous picture and what the control remembers of its source.
BOOL CxStatic::LoadBitmapResource(int resourceId)
{
    HANDLE image = ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0,
                                LR_LOADMAP3DCOLORS);
    if (!image)
        return FALSE;
    m_bitmapResourceId = resourceId;
    m_bitmapPath.Empty();
    SetBitmap(static_cast<HBITMAP>(image));
    return TRUE;
}

BOOL CxStatic::LoadBitmapFile(const wchar_t* path)
{
    if (!path)
        return FALSE;
    HANDLE image = ::LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    if (!image)
        return FALSE;
    m_bitmapResourceId = -1;
    m_bitmapPath = path;
    SetBitmap(static_cast<HBITMAP>(image));
    return TRUE;
}

void CxStatic::SetBitmap(HBITMAP bitmap)
{
    m_hasBitmap = 1;
    if (m_hBitmap && m_hBitmap != bitmap)
        ::DeleteObject(m_hBitmap);
    m_hBitmap = bitmap;
    if (m_hWnd)
        InvalidateRect(nullptr, TRUE);
    m_bitmapInfo = BITMAP();
    if (bitmap)
        ::GetObjectW(bitmap, sizeof m_bitmapInfo, &m_bitmapInfo);
}

void CxStatic::DrawItem(LPDRAWITEMSTRUCT draw)
{
    CDC* screen = CDC::FromHandle(draw->hDC);
    CRect client;
    GetClientRect(client);
    screen->SetBkColor(m_bkColour);

    // Paint off-screen, then copy once: the value texts change every second without flicker.
    CDC memory;
    memory.CreateCompatibleDC(screen);
    CBitmap canvas;
    canvas.CreateCompatibleBitmap(screen, client.Width(), client.Height());
    HGDIOBJ oldCanvas = memory.SelectObject(&canvas);

    if (m_hasBitmap && m_hBitmap) {
        CDC source;
        source.CreateCompatibleDC(screen);
        HGDIOBJ oldBitmap = source.SelectObject(m_hBitmap);
        memory.StretchBlt(0, 0, client.Width(), client.Height(), &source, 0, 0, m_bitmapInfo.bmWidth - 1,
                          m_bitmapInfo.bmHeight - 1, SRCCOPY);
        source.SelectObject(oldBitmap);
    } else {
        memory.FillRect(client, m_bkBrush);
    }

    if (!m_text.IsEmpty()) {
        HGDIOBJ oldFont = m_font.m_hObject ? memory.SelectObject(&m_font) : nullptr;
        COLORREF oldColour = memory.SetTextColor(m_textColour);
        memory.SetBkMode(TRANSPARENT);
        UINT format = DT_WORDBREAK;
        if (m_savedStyle & SS_RIGHT)
            format |= DT_RIGHT;
        else if (m_savedStyle & SS_CENTER)
            format |= DT_CENTER;
        if (m_savedStyle & SS_NOPREFIX)
            format |= DT_NOPREFIX;
        CRect box = client;
        memory.DrawText(m_text, box, format);
        memory.SetTextColor(oldColour);
        if (oldFont)
            memory.SelectObject(oldFont);
    }

    screen->BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(oldCanvas);
}

BOOL CxStatic::OnEraseBkgnd(CDC*)
{
    return FALSE;
}

LRESULT CxStatic::OnSetText(WPARAM, LPARAM lParam)
{
    LRESULT result = Default();
    m_text = reinterpret_cast<const wchar_t*>(lParam);
    InvalidateRect(nullptr, TRUE);
    return result;
}

void CxStatic::OnSize(UINT, int, int)
{
    Default();
    InvalidateRect(nullptr, TRUE);
}
