#include "controls/MemDC.h"

CMemDC::CMemDC(CDC* dc, const RECT* rect, bool copyFirst) : m_pDC(dc), m_bMemDC(!dc->IsPrinting())
{
    if (rect)
        m_rect = *rect;
    else
        m_pDC->GetClipBox(&m_rect);

    if (m_bMemDC) {
        CreateCompatibleDC(m_pDC);
        m_pDC->LPtoDP(&m_rect);
        m_bitmap.CreateCompatibleBitmap(m_pDC, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top);
        m_oldBitmap = SelectObject(&m_bitmap);
        SetMapMode(m_pDC->GetMapMode());
        m_pDC->DPtoLP(&m_rect);
        SetWindowOrg(m_rect.left, m_rect.top);
    } else {
        Attach(m_pDC->m_hDC);
        m_bPrinting = m_pDC->m_bPrinting;
    }

    SetBkMode(TRANSPARENT);
    if (copyFirst)
        BitBlt(m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, m_pDC, m_rect.left,
               m_rect.top, SRCCOPY);
    else
        FillSolidRect(&m_rect, m_pDC->GetBkColor());
}

CMemDC::~CMemDC()
{
    if (m_bMemDC) {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, this,
                      m_rect.left, m_rect.top, SRCCOPY);
        if (m_oldBitmap)
            SelectObject(m_oldBitmap);
        m_bitmap.DeleteObject();
        DeleteDC();
    } else {
        Detach();
    }
}
