#pragma once
// Message maps: each window class lists the messages it serves in a static
// table of entries (message, notification code, control id, handler). The
// handler thunks below crack WPARAM/LPARAM once, so the member functions they
// call take typed values.
#include <windows.h>

#include <cstddef>

class CWnd;

// Control-colour requests that a parent reflects back to the child they are
// about; the child's table lists them as WM_REFLECT_BASE + WM_CTLCOLOR*.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

using MessageHandler = LRESULT (*)(CWnd& self, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message;
    UINT code;   // notification code of a WM_COMMAND entry, otherwise 0
    UINT id;     // control id of a WM_COMMAND entry, otherwise 0
    MessageHandler handler;
};

struct MessageMap {
    const MessageMap* base;  // consulted when no entry here matches
    const MessageMapEntry* entries;
    std::size_t count;

    template <std::size_t N>
    constexpr MessageMap(const MessageMap* baseMap, const MessageMapEntry (&table)[N])
        : base(baseMap), entries(table), count(N) {}
    constexpr MessageMap(const MessageMap* baseMap) : base(baseMap), entries(nullptr), count(0) {}

    const MessageMapEntry* Find(UINT message, WPARAM wParam) const;
};

namespace msg {

// The class a member function belongs to.
template <class>
struct MemberOf;
template <class C, class R, class... Args>
struct MemberOf<R (C::*)(Args...)> {
    using type = C;
};
template <auto Fn>
auto& Self(CWnd& self) {
    return static_cast<typename MemberOf<decltype(Fn)>::type&>(self);
}

// WM_COMMAND from a control, and WM_PAINT: no arguments.
template <auto Fn>
LRESULT Command(CWnd& self, WPARAM, LPARAM) {
    (Self<Fn>(self).*Fn)();
    return 0;
}

template <auto Fn>
LRESULT Paint(CWnd& self, WPARAM, LPARAM) {
    (Self<Fn>(self).*Fn)();
    return 0;
}

template <auto Fn>
LRESULT QueryDragIcon(CWnd& self, WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>((Self<Fn>(self).*Fn)());
}

template <auto Fn>
LRESULT Char(CWnd& self, WPARAM wParam, LPARAM) {
    (Self<Fn>(self).*Fn)(static_cast<wchar_t>(wParam));
    return 0;
}

template <auto Fn>
LRESULT Key(CWnd& self, WPARAM wParam, LPARAM) {
    (Self<Fn>(self).*Fn)(static_cast<UINT>(wParam));
    return 0;
}

// Reflected control-colour request: the handler sets up the DC and answers
// with the brush for the background.
template <auto Fn>
LRESULT CtlColor(CWnd& self, WPARAM wParam, LPARAM) {
    return reinterpret_cast<LRESULT>((Self<Fn>(self).*Fn)(reinterpret_cast<HDC>(wParam)));
}

}  // namespace msg

// Declares the table accessor of a class with a message map of its own.
// Define both in the class's source file:
//   const MessageMapEntry CFoo::messageEntries[] = { {...}, ... };
//   const MessageMap CFoo::messageMap{&CBase::messageMap, messageEntries};
#define DECLARE_MESSAGE_MAP()                                                  \
protected:                                                                     \
    static const MessageMapEntry messageEntries[];                             \
    static const MessageMap messageMap;                                        \
    const MessageMap* GetMessageMap() const override { return &messageMap; }
