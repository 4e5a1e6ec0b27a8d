#include "controls/XStatic.h"

#include "controls/MemDC.h"
#include "controls/StaticTextLayout.h"
#include "platform/ui/UiApp.h"

#include <cstddef>
#include <cstring>
#include <cwchar>

const ui::MsgMapEntry CxStatic::kMessageEntries[] = {
    ui::OnMessage<WM_ERASEBKGND, &CxStatic::OnEraseBkgnd>(),
    ui::OnRawMessage<WM_SETTEXT, &CxStatic::OnSetText>(),
    ui::OnRawMessage<WM_SETFONT, &CxStatic::OnSetFont>(),
    ui::OnMessage<WM_SIZE, &CxStatic::OnSize>(),
    ui::OnMessage<WM_DROPFILES, &CxStatic::OnDropFiles>(),
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
    CopyFont(font);
    m_text = GetWindowText();
    DragAcceptFiles(TRUE);
    InvalidateRect(nullptr, TRUE);
}

void CxStatic::CopyFont(HFONT font)
{
    LOGFONTW logFont = {};
    if (font && ::GetObjectW(font, sizeof logFont, &logFont))
        m_font.CreateFontIndirect(&logFont);  // deletes the font held before
}

void CxStatic::SetText(const wchar_t* text)
{
    const wchar_t* wanted = text ? text : L"";
    if (m_text == wanted)
        return;
    m_text = wanted;
    if (m_hWnd)
        InvalidateRect(nullptr, TRUE);
}

void CxStatic::SetFont(const wchar_t* face, int height, int weight)
{
    LOGFONTW logFont = {};
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    if (face)
        std::wcsncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
    // The same font again changes nothing.
    LOGFONTW current = {};
    if (m_font.GetSafeHandle() && ::GetObjectW(m_font.GetSafeHandle(), sizeof current, &current) == sizeof current &&
        std::memcmp(&current, &logFont, offsetof(LOGFONTW, lfFaceName)) == 0 &&
        std::wcscmp(current.lfFaceName, logFont.lfFaceName) == 0)
        return;
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&logFont);
    if (m_hWnd)
        InvalidateRect(nullptr, TRUE);
}

void CxStatic::SetBackgroundColour(COLORREF colour)
{
    m_bkColour = colour;
    delete m_bkBrush;
    m_bkBrush = new CBrush(colour);
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

    // Everything is painted off-screen and copied once: the value texts change every second
    // without flicker.
    CMemDC memory(screen, &client);
    DrawBackground(memory, client);
    HGDIOBJ oldFont = m_font.m_hObject ? memory.SelectObject(&m_font) : nullptr;
    const COLORREF oldColour = memory.SetTextColor(m_textColour);
    DrawTextLines(memory, client);
    memory.SetTextColor(oldColour);
    if (oldFont)
        memory.SelectObject(oldFont);
}

void CxStatic::DrawBackground(CDC& dc, const CRect& client)
{
    if (!(m_hasBitmap && m_hBitmap)) {
        dc.FillRect(client, m_bkBrush);
        return;
    }
    // The whole bitmap, every row and column, stretched over the control.
    CDC source;
    source.CreateCompatibleDC(&dc);
    HGDIOBJ oldBitmap = source.SelectObject(m_hBitmap);
    dc.SetStretchBltMode(COLORONCOLOR);
    dc.StretchBlt(0, 0, client.Width(), client.Height(), &source, 0, 0, m_bitmapInfo.bmWidth, m_bitmapInfo.bmHeight,
                  SRCCOPY);
    source.SelectObject(oldBitmap);
}

void CxStatic::DrawTextLines(CDC& dc, const CRect& client)
{
    const std::wstring text = m_text.str();
    if (text.empty())
        return;
    const UINT format = StaticTextFormat(m_savedStyle, text);
    const std::vector<std::wstring> lines = BreakStaticText(text, client.Width(), [&dc](const std::wstring& run) {
        return dc.GetTextExtent(run.c_str(), static_cast<int>(run.size())).cx;
    });
    TEXTMETRICW metrics = {};
    dc.GetTextMetrics(&metrics);
    const int lineHeight = metrics.tmHeight;
    const int top = StaticTextTop(m_savedStyle, client.top, client.Height(), static_cast<int>(lines.size()), lineHeight);
    dc.SetBkMode(TRANSPARENT);
    for (size_t k = 0; k < lines.size(); ++k) {
        CRect box(client.left, top + static_cast<int>(k) * lineHeight, client.right, client.bottom);
        dc.DrawText(lines[k].c_str(), static_cast<int>(lines[k].size()), box, format);
    }
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

LRESULT CxStatic::OnSetFont(WPARAM wParam, LPARAM)
{
    LRESULT result = Default();
    CopyFont(reinterpret_cast<HFONT>(wParam));
    InvalidateRect(nullptr, TRUE);
    return result;
}

void CxStatic::OnSize(UINT, int, int)
{
    Default();
    InvalidateRect(nullptr, TRUE);
}

void CxStatic::OnDropFiles(HDROP drop)
{
    if (::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 1) {
        wchar_t path[MAX_PATH] = {};
        ::DragQueryFileW(drop, 0, path, MAX_PATH);
        const wchar_t* dot = std::wcsrchr(path, L'.');
        if (dot && ::lstrcmpiW(dot, L".bmp") == 0)
            LoadBitmapFile(path);
    }
    ::DragFinish(drop);
}
