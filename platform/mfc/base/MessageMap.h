// Message maps: the entry and map records, the macros that build them and the thunks that call a
// handler with the message's parameters unpacked.
//
// Each entry holds a thunk instantiated for the handler's member pointer. The thunk checks the
// handler's exact signature at compile time (a wrong signature is a static_assert naming the
// expected one) and calls it on the object, so no member pointer is ever cast to another type.
#pragma once

#include <type_traits>

#include "mfc/base/Geometry.h"
#include "win/Windows.h"

class CCmdTarget;
class CDC;
class CWnd;
class CScrollBar;

// Reflected notifications arrive at the control as WM_REFLECT_BASE + the parent's message.
#define WM_REFLECT_BASE 0xBC00
// The map entry of every WM_CTLCOLOR… message (the kind is message − WM_CTLCOLORMSGBOX).
#define WM_CTLCOLOR 0x0019

namespace qelt::msgmap {

// Calls the entry's handler; false when the handler declined the message.
typedef bool (*Thunk)(CCmdTarget* target, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

template <class F>
struct Member;
template <class C, class R, class... A>
struct Member<R (C::*)(A...)> {
    using Class = C;
    using Signature = R(A...);
};

template <auto F, class Sig>
constexpr bool kSignatureIs = std::is_same_v<typename Member<decltype(F)>::Signature, Sig>;

template <auto F>
typename Member<decltype(F)>::Class& Target(CCmdTarget* target) {
    return *static_cast<typename Member<decltype(F)>::Class*>(target);
}

// The window a handle names, as the handler's parameter type (CWnd*, CScrollBar* …); resolved
// where the map is instantiated, so this header needs no window class.
template <class WindowPtr>
WindowPtr WindowFromHandle(WPARAM handle) {
    using Window = std::remove_pointer_t<WindowPtr>;
    return static_cast<WindowPtr>(Window::FromHandle(reinterpret_cast<HWND>(handle)));
}

// The device context a handle names, as the handler's parameter type (CDC*).
template <class DcPtr>
DcPtr DcFromHandle(WPARAM handle) {
    return std::remove_pointer_t<DcPtr>::FromHandle(reinterpret_cast<HDC>(handle));
}

template <auto F>
bool Void(CCmdTarget* t, UINT, WPARAM, LPARAM, LRESULT*) {
    static_assert(kSignatureIs<F, void()>, "handler must be void Handler()");
    (Target<F>(t).*F)();
    return true;
}

template <auto F>
bool Range(CCmdTarget* t, UINT, WPARAM wParam, LPARAM, LRESULT*) {
    static_assert(kSignatureIs<F, void(UINT)>, "range handler must be void Handler(UINT nID)");
    (Target<F>(t).*F)(LOWORD(wParam));
    return true;
}

template <auto F>
bool Notify(CCmdTarget* t, UINT, WPARAM, LPARAM lParam, LRESULT* result) {
    static_assert(kSignatureIs<F, void(NMHDR*, LRESULT*)>,
                  "notification handler must be void Handler(NMHDR*, LRESULT*)");
    (Target<F>(t).*F)(reinterpret_cast<NMHDR*>(lParam), result);
    return true;
}

template <auto F>
bool NotifyRange(CCmdTarget* t, UINT, WPARAM, LPARAM lParam, LRESULT* result) {
    static_assert(kSignatureIs<F, void(UINT, NMHDR*, LRESULT*)>,
                  "notification range handler must be void Handler(UINT nID, NMHDR*, LRESULT*)");
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    (Target<F>(t).*F)(static_cast<UINT>(header->idFrom), header, result);
    return true;
}

template <auto F>
bool Message(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    static_assert(kSignatureIs<F, LRESULT(WPARAM, LPARAM)>,
                  "message handler must be LRESULT Handler(WPARAM, LPARAM)");
    *result = (Target<F>(t).*F)(wParam, lParam);
    return true;
}

template <auto F>
bool Create(CCmdTarget* t, UINT, WPARAM, LPARAM lParam, LRESULT* result) {
    static_assert(kSignatureIs<F, int(LPCREATESTRUCT)>, "OnCreate must be int OnCreate(LPCREATESTRUCT)");
    *result = (Target<F>(t).*F)(reinterpret_cast<LPCREATESTRUCT>(lParam));
    return true;
}

template <auto F>
bool Size(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT*) {
    static_assert(kSignatureIs<F, void(UINT, int, int)>, "OnSize must be void OnSize(UINT, int, int)");
    (Target<F>(t).*F)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
    return true;
}

template <auto F>
bool HelpInfo(CCmdTarget* t, UINT, WPARAM, LPARAM lParam, LRESULT* result) {
    static_assert(kSignatureIs<F, BOOL(HELPINFO*)>, "OnHelpInfo must be BOOL OnHelpInfo(HELPINFO*)");
    *result = (Target<F>(t).*F)(reinterpret_cast<HELPINFO*>(lParam));
    return true;
}

template <auto F>
bool ShowWindow(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT*) {
    static_assert(kSignatureIs<F, void(BOOL, UINT)>, "OnShowWindow must be void OnShowWindow(BOOL, UINT)");
    (Target<F>(t).*F)(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
    return true;
}

template <auto F>
bool Mouse(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT*) {
    static_assert(kSignatureIs<F, void(UINT, CPoint)>, "mouse handler must be void Handler(UINT, CPoint)");
    (Target<F>(t).*F)(static_cast<UINT>(wParam), CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
    return true;
}

template <auto F>
bool MouseWheel(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    static_assert(kSignatureIs<F, BOOL(UINT, short, CPoint)>,
                  "OnMouseWheel must be BOOL OnMouseWheel(UINT, short, CPoint)");
    *result = (Target<F>(t).*F)(LOWORD(wParam), static_cast<short>(HIWORD(wParam)),
                                CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
    return true;
}

template <auto F>
bool Key(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT*) {
    static_assert(kSignatureIs<F, void(UINT, UINT, UINT)>, "key handler must be void Handler(UINT, UINT, UINT)");
    (Target<F>(t).*F)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
    return true;
}

template <auto F>
bool Focus(CCmdTarget* t, UINT, WPARAM wParam, LPARAM, LRESULT*) {
    static_assert(kSignatureIs<F, void(CWnd*)>, "focus handler must be void Handler(CWnd*)");
    (Target<F>(t).*F)(WindowFromHandle<CWnd*>(wParam));
    return true;
}

template <auto F>
bool ContextMenu(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT*) {
    static_assert(kSignatureIs<F, void(CWnd*, CPoint)>, "OnContextMenu must be void OnContextMenu(CWnd*, CPoint)");
    (Target<F>(t).*F)(WindowFromHandle<CWnd*>(wParam), CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
    return true;
}

template <auto F>
bool SetCursor(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    static_assert(kSignatureIs<F, BOOL(CWnd*, UINT, UINT)>,
                  "OnSetCursor must be BOOL OnSetCursor(CWnd*, UINT, UINT)");
    *result = (Target<F>(t).*F)(WindowFromHandle<CWnd*>(wParam), LOWORD(lParam), HIWORD(lParam));
    return true;
}

template <auto F>
bool Scroll(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT*) {
    static_assert(kSignatureIs<F, void(UINT, UINT, CScrollBar*)>,
                  "scroll handler must be void Handler(UINT, UINT, CScrollBar*)");
    (Target<F>(t).*F)(LOWORD(wParam), HIWORD(wParam),
                      lParam ? WindowFromHandle<CScrollBar*>(static_cast<WPARAM>(lParam)) : nullptr);
    return true;
}

template <auto F>
bool DrawItem(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    static_assert(kSignatureIs<F, void(int, LPDRAWITEMSTRUCT)>,
                  "OnDrawItem must be void OnDrawItem(int, LPDRAWITEMSTRUCT)");
    (Target<F>(t).*F)(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *result = TRUE;
    return true;
}

template <auto F>
bool MeasureItem(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    static_assert(kSignatureIs<F, void(int, LPMEASUREITEMSTRUCT)>,
                  "OnMeasureItem must be void OnMeasureItem(int, LPMEASUREITEMSTRUCT)");
    (Target<F>(t).*F)(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    *result = TRUE;
    return true;
}

template <auto F>
bool EraseBackground(CCmdTarget* t, UINT, WPARAM wParam, LPARAM, LRESULT* result) {
    static_assert(kSignatureIs<F, BOOL(CDC*)>, "OnEraseBkgnd must be BOOL OnEraseBkgnd(CDC*)");
    *result = (Target<F>(t).*F)(DcFromHandle<CDC*>(wParam));
    return true;
}

template <auto F>
bool ControlColor(CCmdTarget* t, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    static_assert(kSignatureIs<F, HBRUSH(CDC*, CWnd*, UINT)>, "OnCtlColor must be HBRUSH OnCtlColor(CDC*, CWnd*, UINT)");
    HBRUSH brush = (Target<F>(t).*F)(DcFromHandle<CDC*>(wParam), WindowFromHandle<CWnd*>(static_cast<WPARAM>(lParam)),
                                     message - WM_CTLCOLORMSGBOX);
    *result = reinterpret_cast<LRESULT>(brush);
    return true;
}

template <auto F>
bool Timer(CCmdTarget* t, UINT, WPARAM wParam, LPARAM, LRESULT*) {
    static_assert(kSignatureIs<F, void(UINT_PTR)>, "OnTimer must be void OnTimer(UINT_PTR)");
    (Target<F>(t).*F)(static_cast<UINT_PTR>(wParam));
    return true;
}

}  // namespace qelt::msgmap

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;             // the window message; WM_COMMAND / WM_NOTIFY for control notifications
    UINT nCode;                // the notification code of WM_COMMAND, WM_NOTIFY and their reflections
    UINT nID;                  // the first control id of WM_COMMAND / WM_NOTIFY entries
    UINT nLastID;              // the last control id (equal to nID unless a range)
    qelt::msgmap::Thunk pfn;   // null ends the map
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();   // null for CCmdTarget's, the root
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define afx_msg

#define DECLARE_MESSAGE_MAP()                         \
protected:                                            \
    static const AFX_MSGMAP* GetThisMessageMap();     \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                              \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }        \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                        \
        using ThisClass [[maybe_unused]] = theClass;                                         \
        using TheBaseClass = baseClass;                                                      \
        static const AFX_MSGMAP_ENTRY messageEntries[] = {

#define END_MESSAGE_MAP()                                                                    \
        {0, 0, 0, 0, nullptr}};                                                              \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &messageEntries[0]}; \
        return &messageMap;                                                                  \
    }

#define QELT_COMMAND_ID(id) static_cast<UINT>(static_cast<WORD>(id))

// Commands and control notifications (WM_COMMAND).
#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, 0, QELT_COMMAND_ID(id), QELT_COMMAND_ID(id), &qelt::msgmap::Void<&ThisClass::memberFxn>},
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, 0, QELT_COMMAND_ID(id), QELT_COMMAND_ID(idLast), &qelt::msgmap::Range<&ThisClass::memberFxn>},
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                              \
    {WM_COMMAND, QELT_COMMAND_ID(wNotifyCode), QELT_COMMAND_ID(id), QELT_COMMAND_ID(id),     \
     &qelt::msgmap::Void<&ThisClass::memberFxn>},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                \
    {WM_COMMAND, QELT_COMMAND_ID(wNotifyCode), QELT_COMMAND_ID(id), QELT_COMMAND_ID(idLast), \
     &qelt::msgmap::Range<&ThisClass::memberFxn>},
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    {WM_REFLECT_BASE + WM_COMMAND, QELT_COMMAND_ID(wNotifyCode), 0, 0, &qelt::msgmap::Void<&ThisClass::memberFxn>},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

// Common-control notifications (WM_NOTIFY).
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                              \
    {WM_NOTIFY, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(id), \
     &qelt::msgmap::Notify<&ThisClass::memberFxn>},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                    \
    {WM_NOTIFY, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(idLast), \
     &qelt::msgmap::NotifyRange<&ThisClass::memberFxn>},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                          \
    {WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(wNotifyCode), 0, 0,                    \
     &qelt::msgmap::Notify<&ThisClass::memberFxn>},

// Any message to a handler LRESULT Handler(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) \
    {static_cast<UINT>(message), 0, 0, 0, &qelt::msgmap::Message<&ThisClass::memberFxn>},

// Window messages to their fixed handlers.
#define QELT_ON_WM(message, thunk, memberFxn) {message, 0, 0, 0, &qelt::msgmap::thunk<&ThisClass::memberFxn>},
#define ON_WM_CREATE() QELT_ON_WM(WM_CREATE, Create, OnCreate)
#define ON_WM_DESTROY() QELT_ON_WM(WM_DESTROY, Void, OnDestroy)
#define ON_WM_NCDESTROY() QELT_ON_WM(WM_NCDESTROY, Void, OnNcDestroy)
#define ON_WM_CLOSE() QELT_ON_WM(WM_CLOSE, Void, OnClose)
#define ON_WM_SIZE() QELT_ON_WM(WM_SIZE, Size, OnSize)
#define ON_WM_PAINT() QELT_ON_WM(WM_PAINT, Void, OnPaint)
#define ON_WM_HELPINFO() QELT_ON_WM(WM_HELP, HelpInfo, OnHelpInfo)
#define ON_WM_SHOWWINDOW() QELT_ON_WM(WM_SHOWWINDOW, ShowWindow, OnShowWindow)
#define ON_WM_LBUTTONDOWN() QELT_ON_WM(WM_LBUTTONDOWN, Mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() QELT_ON_WM(WM_LBUTTONUP, Mouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() QELT_ON_WM(WM_LBUTTONDBLCLK, Mouse, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() QELT_ON_WM(WM_RBUTTONDOWN, Mouse, OnRButtonDown)
#define ON_WM_RBUTTONUP() QELT_ON_WM(WM_RBUTTONUP, Mouse, OnRButtonUp)
#define ON_WM_MBUTTONDOWN() QELT_ON_WM(WM_MBUTTONDOWN, Mouse, OnMButtonDown)
#define ON_WM_MBUTTONUP() QELT_ON_WM(WM_MBUTTONUP, Mouse, OnMButtonUp)
#define ON_WM_MOUSEMOVE() QELT_ON_WM(WM_MOUSEMOVE, Mouse, OnMouseMove)
#define ON_WM_MOUSEWHEEL() QELT_ON_WM(WM_MOUSEWHEEL, MouseWheel, OnMouseWheel)
#define ON_WM_KEYDOWN() QELT_ON_WM(WM_KEYDOWN, Key, OnKeyDown)
#define ON_WM_KEYUP() QELT_ON_WM(WM_KEYUP, Key, OnKeyUp)
#define ON_WM_CHAR() QELT_ON_WM(WM_CHAR, Key, OnChar)
#define ON_WM_SETFOCUS() QELT_ON_WM(WM_SETFOCUS, Focus, OnSetFocus)
#define ON_WM_KILLFOCUS() QELT_ON_WM(WM_KILLFOCUS, Focus, OnKillFocus)
#define ON_WM_CONTEXTMENU() QELT_ON_WM(WM_CONTEXTMENU, ContextMenu, OnContextMenu)
#define ON_WM_SETCURSOR() QELT_ON_WM(WM_SETCURSOR, SetCursor, OnSetCursor)
#define ON_WM_HSCROLL() QELT_ON_WM(WM_HSCROLL, Scroll, OnHScroll)
#define ON_WM_VSCROLL() QELT_ON_WM(WM_VSCROLL, Scroll, OnVScroll)
#define ON_WM_DRAWITEM() QELT_ON_WM(WM_DRAWITEM, DrawItem, OnDrawItem)
#define ON_WM_MEASUREITEM() QELT_ON_WM(WM_MEASUREITEM, MeasureItem, OnMeasureItem)
#define ON_WM_TIMER() QELT_ON_WM(WM_TIMER, Timer, OnTimer)
#define ON_WM_ERASEBKGND() QELT_ON_WM(WM_ERASEBKGND, EraseBackground, OnEraseBkgnd)
#define ON_WM_CTLCOLOR() QELT_ON_WM(WM_CTLCOLOR, ControlColor, OnCtlColor)
