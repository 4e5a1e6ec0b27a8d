// The settings dialogs lay themselves out for the language when they open: window size, control
// sizes and positions in pixels, and every caption from the dialog's own text table (the
// templates' captions are only the English fallback).
#pragma once
#include "platform/ui/UiWnd.h"
#include "texts/TextTables.h"

#include <cstddef>

// Extra width of the "Upload new setting" button of the station dialogs: French 82; Polish 36;
// Italian and Russian 30; German, Spanish and Dutch 20; English and any other id 0.
int UploadButtonExtra(int language);

// Outer size of a window; size, position, or both of one of the dialog's controls (pixels,
// positions in the dialog's client area). A missing control is skipped.
void SetWindowSize(CWnd& window, int width, int height);
void SetItemSize(CWnd& dialog, int id, int width, int height);
void MoveItem(CWnd& dialog, int id, int x, int y);
void PlaceItem(CWnd& dialog, int id, int x, int y, int width, int height);
void ShowItem(CWnd& dialog, int id, bool show);
void EnableItem(CWnd& dialog, int id, bool enable);
// A control's rectangle in the dialog's client area (empty for a missing control).
RECT ItemBox(CWnd& dialog, int id);
// The outer width of a window whose client area is `clientWidth` pixels wide.
int WindowWidthForClient(CWnd& window, int clientWidth);

// A caption of a dialog: control `id` (0: the window's title) shows `row` of the dialog's table.
struct ItemText {
    int id;
    int row;
};

template <std::size_t N, std::size_t M>
void SetItemTexts(CWnd& dialog, const TextTable<N>& table, const ItemText (&items)[M], int language)
{
    for (const ItemText& item : items) {
        const wchar_t* text = TextAt(table, item.row, language);
        if (item.id == 0)
            dialog.SetWindowText(text);
        else
            dialog.SetDlgItemText(item.id, text);
    }
}
