// CMemDC: a device context that stands in for a real one while a control paints. Everything is
// drawn into a compatible bitmap in the real DC's coordinates and copied onto the real DC in one
// block when the object is destroyed, so a repaint does not flicker. On a printer DC it draws
// straight onto the printer and copies nothing.
//
//     { CMemDC memory(screen, &rect); ...draw on memory... }  // copied here
#pragma once
#include "platform/ui/UiGdi.h"

class CMemDC : public CDC {
public:
    // rect: the area drawn, in the real DC's logical coordinates; null for its clip box.
    // copyFirst: start from the real DC's picture; otherwise the area starts filled with the
    // real DC's background colour.
    explicit CMemDC(CDC* dc, const RECT* rect = nullptr, bool copyFirst = false);
    ~CMemDC() override;

    CBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    CDC* m_pDC;
    RECT m_rect = {};
    BOOL m_bMemDC;
};
