// Message maps: a table of entries beside each class that handles messages.
//
//     class CMyDlg : public CDialog {
//         ...
//         UI_DECLARE_MESSAGE_MAP()
//     };
//     const ui::MsgMapEntry CMyDlg::kMessageEntries[] = {
//         ui::OnMessage<WM_PAINT, &CMyDlg::OnPaint>(),
//         ui::OnMessage<WM_TIMER, &CMyDlg::OnTimer>(),
//         ui::OnCommand<&CMyDlg::OnSaveAs>(32771),
//         ui::OnCommandRange<&CMyDlg::OnSeriesCheck>(1035, 1043),
//         ui::OnControl<&CMyDlg::OnUpperSensorChanged>(CBN_SELCHANGE, 1030),
//     };
//     UI_IMPLEMENT_MESSAGE_MAP(CMyDlg, CDialog)
//
// Every entry is {message, notification code, id range, handler}; the handler is a plain function
// that casts the object and calls the member with the message's arguments taken apart (the
// "cracker" of the message). The window looks up the most derived class's table first, then the
// base classes'; the first matching entry handles the message. A handler that wants the
// platform's own processing calls Default() (or the base class's handler of the same name).
//
// Handler signatures by message (ui::OnMessage<Msg, &C::Fn>()):
//   WM_PAINT, WM_DESTROY, WM_CLOSE, WM_NCDESTROY   void Fn()
//   WM_TIMER                                        void Fn(UINT_PTR timerId)
//   WM_SYSCOMMAND                                   void Fn(UINT id, LPARAM lParam)
//   WM_QUERYDRAGICON                                HCURSOR Fn()
//   WM_DRAWITEM                                     void Fn(int controlId, LPDRAWITEMSTRUCT)
//   WM_MEASUREITEM                                  void Fn(int controlId, LPMEASUREITEMSTRUCT)
//   WM_INITMENUPOPUP                                void Fn(CMenu* popup, UINT index, BOOL sysMenu)
//   WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP,
//   WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP  void Fn(UINT flags, CPoint point)
//   WM_ERASEBKGND                                   BOOL Fn(CDC* dc)
//   WM_SIZE                                         void Fn(UINT type, int cx, int cy)
//   WM_SHOWWINDOW                                   void Fn(BOOL show, UINT status)
//   WM_DROPFILES                                    void Fn(HDROP drop)
//   WM_HSCROLL, WM_VSCROLL                          void Fn(UINT code, UINT pos, CWnd* bar)
//   WM_SETCURSOR                                    BOOL Fn(CWnd* window, UINT hitTest, UINT message)
//   ui::WM_CTLCOLOR (every WM_CTLCOLOR* message)    HBRUSH Fn(CDC* dc, CWnd* control, UINT ctlType)
// Any message, uncracked: ui::OnRawMessage<Msg, &C::Fn>()    LRESULT Fn(WPARAM, LPARAM)
// Commands (WM_COMMAND from menus, accelerators, and BN_CLICKED of buttons):
//   ui::OnCommand<&C::Fn>(id)                       void Fn()
//   ui::OnCommandRange<&C::Fn>(firstId, lastId)     void Fn(UINT id)
// Control notifications (WM_COMMAND with a notification code):
//   ui::OnControl<&C::Fn>(code, id)                 void Fn()
//   ui::OnControlRange<&C::Fn>(code, first, last)   void Fn(UINT id)
// WM_NOTIFY:
//   ui::OnNotify<&C::Fn>(code, id)                  void Fn(NMHDR* header, LRESULT* result)
//   ui::OnNotifyRange<&C::Fn>(code, first, last)    void Fn(NMHDR* header, LRESULT* result)
// Notifications reflected to the control that sent them (entries in the control's own map):
//   ui::OnReflectedControl<&C::Fn>(code)            void Fn()
//   ui::OnReflectedNotify<&C::Fn>(code)             void Fn(NMHDR* header, LRESULT* result)
// A control notification (WM_COMMAND with a control, WM_NOTIFY) goes first to the permanent object
// of the control that sent it: when its map has a reflected entry for it, that entry handles it and
// the parent does not see it; otherwise the parent's map handles it as usual.
#pragma once
#include "platform/ui/UiGeometry.h"

#include <cstddef>

class CCmdTarget;
class CWnd;
class CDC;
class CMenu;

namespace ui {

// Pseudo message of the WM_CTLCOLOR* family (WM_CTLCOLORMSGBOX .. WM_CTLCOLORSTATIC).
constexpr UINT WM_CTLCOLOR = 0x0019;
// Command entries match menu and accelerator commands (no control) and BN_CLICKED of a control.
constexpr UINT CODE_COMMAND = 0xFFFFFFFEu;
// Messages a parent reflects to the control that sent a notification (the control's map sees
// OCM_COMMAND or OCM_NOTIFY with the original wParam and lParam).
constexpr UINT OCM_BASE = WM_USER + 0x1C00;
constexpr UINT OCM_COMMAND = OCM_BASE + WM_COMMAND;
constexpr UINT OCM_NOTIFY = OCM_BASE + WM_NOTIFY;

// Calls the handler; returns false when the handler declines the message (never, today).
using MsgHandler = bool (*)(CCmdTarget* self, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

struct MsgMapEntry {
    UINT message;    // window message; WM_COMMAND or WM_NOTIFY for commands and notifications
    UINT code;       // notification code (WM_COMMAND / WM_NOTIFY), else 0
    UINT firstId;    // control or command id range (WM_COMMAND / WM_NOTIFY), else 0
    UINT lastId;
    MsgHandler handler;
};

struct MessageMap {
    const MessageMap* base;       // the base class's map, or null
    const MsgMapEntry* entries;
    std::size_t count;
};

// True when the entry handles this message.
bool EntryMatches(const MsgMapEntry& entry, UINT message, WPARAM wParam, LPARAM lParam);

// ---- building blocks ---------------------------------------------------------------------------
template <class> struct MemberOf;
template <class C, class R, class... A> struct MemberOf<R (C::*)(A...)> { using type = C; };

template <auto Fn> using ClassOf = typename MemberOf<decltype(Fn)>::type;

CWnd* WndFromHandle(HWND window);
CDC* DCFromHandle(HDC dc);
CMenu* MenuFromHandle(HMENU menu);

// Cracker of a message: Call<Fn> takes the message apart and calls the member.
template <UINT Msg> struct Cracker;

#define UI_CRACKER(msg, body)                                                                   \
    template <> struct Cracker<msg> {                                                          \
        template <auto Fn>                                                                     \
        static bool Call(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT* result)   \
        {                                                                                      \
            auto* self = static_cast<ClassOf<Fn>*>(t);                                         \
            (void)wParam; (void)lParam; (void)result;                                          \
            body;                                                                              \
            return true;                                                                       \
        }                                                                                      \
    };

UI_CRACKER(WM_PAINT, (self->*Fn)(); *result = 0)
UI_CRACKER(WM_DESTROY, (self->*Fn)(); *result = 0)
UI_CRACKER(WM_CLOSE, (self->*Fn)(); *result = 0)
UI_CRACKER(WM_TIMER, (self->*Fn)(static_cast<UINT_PTR>(wParam)); *result = 0)
UI_CRACKER(WM_SYSCOMMAND, (self->*Fn)(static_cast<UINT>(wParam), lParam); *result = 0)
UI_CRACKER(WM_QUERYDRAGICON, *result = reinterpret_cast<LRESULT>((self->*Fn)()))
UI_CRACKER(WM_DRAWITEM, (self->*Fn)(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); *result = TRUE)
UI_CRACKER(WM_MEASUREITEM, (self->*Fn)(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); *result = TRUE)
UI_CRACKER(WM_INITMENUPOPUP, (self->*Fn)(MenuFromHandle(reinterpret_cast<HMENU>(wParam)), LOWORD(lParam), static_cast<BOOL>(HIWORD(lParam))); *result = 0)
UI_CRACKER(WM_MOUSEMOVE, (self->*Fn)(static_cast<UINT>(wParam), CPoint(lParam)); *result = 0)
UI_CRACKER(WM_LBUTTONDOWN, (self->*Fn)(static_cast<UINT>(wParam), CPoint(lParam)); *result = 0)
UI_CRACKER(WM_ERASEBKGND, *result = (self->*Fn)(DCFromHandle(reinterpret_cast<HDC>(wParam))))
UI_CRACKER(WM_SIZE, (self->*Fn)(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))); *result = 0)
UI_CRACKER(WM_DROPFILES, (self->*Fn)(reinterpret_cast<HDROP>(wParam)); *result = 0)

#undef UI_CRACKER

// The WM_CTLCOLOR* family: the control type is taken from the message.
template <> struct Cracker<WM_CTLCOLOR> {
    template <auto Fn>
    static bool Call(CCmdTarget* t, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
    {
        auto* self = static_cast<ClassOf<Fn>*>(t);
        UINT ctlType = message - WM_CTLCOLORMSGBOX;  // CTLCOLOR_MSGBOX .. CTLCOLOR_STATIC
        HBRUSH brush = (self->*Fn)(DCFromHandle(reinterpret_cast<HDC>(wParam)),
                                   WndFromHandle(reinterpret_cast<HWND>(lParam)), ctlType);
        *result = reinterpret_cast<LRESULT>(brush);
        return true;
    }
};

template <UINT Msg, auto Fn>
constexpr MsgMapEntry OnMessage()
{
    return MsgMapEntry{Msg, 0, 0, 0, &Cracker<Msg>::template Call<Fn>};
}

template <auto Fn>
bool CallRaw(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    *result = (static_cast<ClassOf<Fn>*>(t)->*Fn)(wParam, lParam);
    return true;
}
template <UINT Msg, auto Fn>
constexpr MsgMapEntry OnRawMessage()
{
    return MsgMapEntry{Msg, 0, 0, 0, &CallRaw<Fn>};
}

template <auto Fn>
bool CallVoid(CCmdTarget* t, UINT, WPARAM, LPARAM, LRESULT* result)
{
    (static_cast<ClassOf<Fn>*>(t)->*Fn)();
    *result = 0;
    return true;
}
template <auto Fn>
bool CallWithId(CCmdTarget* t, UINT, WPARAM wParam, LPARAM, LRESULT* result)
{
    (static_cast<ClassOf<Fn>*>(t)->*Fn)(LOWORD(wParam));
    *result = 0;
    return true;
}
template <auto Fn>
bool CallNotify(CCmdTarget* t, UINT, WPARAM, LPARAM lParam, LRESULT* result)
{
    *result = 0;
    (static_cast<ClassOf<Fn>*>(t)->*Fn)(reinterpret_cast<NMHDR*>(lParam), result);
    return true;
}

template <auto Fn>
constexpr MsgMapEntry OnCommand(UINT id)
{
    return MsgMapEntry{WM_COMMAND, CODE_COMMAND, id, id, &CallVoid<Fn>};
}
template <auto Fn>
constexpr MsgMapEntry OnCommandRange(UINT firstId, UINT lastId)
{
    return MsgMapEntry{WM_COMMAND, CODE_COMMAND, firstId, lastId, &CallWithId<Fn>};
}
template <auto Fn>
constexpr MsgMapEntry OnControl(UINT code, UINT id)
{
    return MsgMapEntry{WM_COMMAND, code, id, id, &CallVoid<Fn>};
}
template <auto Fn>
constexpr MsgMapEntry OnControlRange(UINT code, UINT firstId, UINT lastId)
{
    return MsgMapEntry{WM_COMMAND, code, firstId, lastId, &CallWithId<Fn>};
}
template <auto Fn>
constexpr MsgMapEntry OnNotify(UINT code, UINT id)
{
    return MsgMapEntry{WM_NOTIFY, code, id, id, &CallNotify<Fn>};
}
template <auto Fn>
constexpr MsgMapEntry OnNotifyRange(UINT code, UINT firstId, UINT lastId)
{
    return MsgMapEntry{WM_NOTIFY, code, firstId, lastId, &CallNotify<Fn>};
}
template <auto Fn>
constexpr MsgMapEntry OnReflectedControl(UINT code)
{
    return MsgMapEntry{OCM_COMMAND, code, 0, 0xFFFF, &CallVoid<Fn>};
}
template <auto Fn>
constexpr MsgMapEntry OnReflectedNotify(UINT code)
{
    return MsgMapEntry{OCM_NOTIFY, code, 0, 0xFFFF, &CallNotify<Fn>};
}

}  // namespace ui

// The map of a class: its own table (kMessageEntries) chained to its base class's map.
#define UI_DECLARE_MESSAGE_MAP()                                             \
public:                                                                      \
    static const ui::MsgMapEntry kMessageEntries[];                          \
    static const ui::MessageMap kMessageMap;                                 \
    const ui::MessageMap* GetMessageMap() const override { return &kMessageMap; }

#define UI_IMPLEMENT_MESSAGE_MAP(theClass, baseClass)                        \
    const ui::MessageMap theClass::kMessageMap = {                           \
        &baseClass::kMessageMap, theClass::kMessageEntries,                  \
        sizeof(theClass::kMessageEntries) / sizeof(theClass::kMessageEntries[0])};

// Root of the classes with message maps (windows and the application object).
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    static const ui::MessageMap kMessageMap;  // empty
    virtual const ui::MessageMap* GetMessageMap() const { return &kMessageMap; }

    // Looks the message up in this object's maps, most derived first; true when handled.
    bool DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
};
