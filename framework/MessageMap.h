#pragma once
// Message maps: each window class lists the messages it serves in a static
// table of entries (message, notification code, control id, handler), built
// with MapOf<its own class>.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <type_traits>

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

// The class a member function belongs to.
template <class>
struct MemberOf;
template <class C, class R, class... Args>
struct MemberOf<R (C::*)(Args...)> {
    using type = C;
};

// The entries of the map of class Owner, each made from a member function of
// Owner or of one of its bases; an entry naming any other class's member does
// not compile, so a handler can never run on an object of the wrong class.
// The thunks crack WPARAM/LPARAM once, so handlers take typed values.
template <class Owner>
struct MapOf {
    // No arguments: WM_PAINT, messages of the window's own.
    template <auto Fn>
    static constexpr MessageMapEntry Message(UINT message) {
        return {message, 0, 0, &Call<Fn>};
    }
    // WM_COMMAND with this notification code from this control.
    template <auto Fn>
    static constexpr MessageMapEntry Command(UINT code, UINT id) {
        return {WM_COMMAND, code, id, &Call<Fn>};
    }
    // WM_QUERYDRAGICON: the icon of the minimised window.
    template <auto Fn>
    static constexpr MessageMapEntry QueryDragIcon() {
        return {WM_QUERYDRAGICON, 0, 0, [](CWnd& self, WPARAM, LPARAM) {
                    return reinterpret_cast<LRESULT>((Of<Fn>(self).*Fn)());
                }};
    }
    // WM_CHAR: the typed character.
    template <auto Fn>
    static constexpr MessageMapEntry Char() {
        return {WM_CHAR, 0, 0, &CallWith<Fn, wchar_t>};
    }
    // WM_KEYDOWN, WM_KEYUP: the virtual key.
    template <auto Fn>
    static constexpr MessageMapEntry Key(UINT message) {
        return {message, 0, 0, &CallWith<Fn, UINT>};
    }
    // A message a worker thread posts: its job's serial and a 32-bit value.
    template <auto Fn>
    static constexpr MessageMapEntry Posted(UINT message) {
        return {message, 0, 0, [](CWnd& self, WPARAM wParam, LPARAM lParam) {
                    (Of<Fn>(self).*Fn)(static_cast<unsigned>(wParam), static_cast<std::uint32_t>(lParam));
                    return LRESULT{0};
                }};
    }
    // WM_GETMINMAXINFO: the sizes to fill in.
    template <auto Fn>
    static constexpr MessageMapEntry GetMinMaxInfo() {
        return {WM_GETMINMAXINFO, 0, 0, [](CWnd& self, WPARAM, LPARAM lParam) {
                    (Of<Fn>(self).*Fn)(reinterpret_cast<MINMAXINFO*>(lParam));
                    return LRESULT{0};
                }};
    }
    // WM_SYSCOMMAND: the command id. The handler passes on what it does not serve.
    template <auto Fn>
    static constexpr MessageMapEntry SysCommand() {
        return {WM_SYSCOMMAND, 0, 0, &CallWith<Fn, UINT>};
    }
    // A socket's WSAAsyncSelect notification: the socket (FD_READ is the only
    // event asked for, and its errors show at the read).
    template <auto Fn>
    static constexpr MessageMapEntry Socket(UINT message) {
        return {message, 0, 0, &CallWith<Fn, UINT_PTR>};
    }
    // A WM_CTLCOLOR* request about this window, reflected by its parent: the
    // handler sets up the DC and answers with the background brush.
    template <auto Fn>
    static constexpr MessageMapEntry CtlColor(UINT ctlColorMessage) {
        return {WM_REFLECT_BASE + ctlColorMessage, 0, 0, [](CWnd& self, WPARAM wParam, LPARAM) {
                    return reinterpret_cast<LRESULT>((Of<Fn>(self).*Fn)(reinterpret_cast<HDC>(wParam)));
                }};
    }

private:
    template <auto Fn>
    static Owner& Of(CWnd& self) {
        static_assert(std::is_base_of_v<typename MemberOf<decltype(Fn)>::type, Owner>,
                      "a message-map entry must name a member of its own class or of a base");
        // Only objects of Owner or of a class derived from it consult Owner's map.
        return static_cast<Owner&>(self);
    }
    template <auto Fn>
    static LRESULT Call(CWnd& self, WPARAM, LPARAM) {
        (Of<Fn>(self).*Fn)();
        return 0;
    }
    template <auto Fn, class Arg>
    static LRESULT CallWith(CWnd& self, WPARAM wParam, LPARAM) {
        (Of<Fn>(self).*Fn)(static_cast<Arg>(wParam));
        return 0;
    }
};

// Declares the table accessor of a class with a message map of its own, and
// `Map`, the entry builder tied to that class. Define both in the class's
// source file:
//   const MessageMapEntry CFoo::messageEntries[] = { Map::Command<&CFoo::OnBar>(BN_CLICKED, IDC_BAR), ... };
//   const MessageMap CFoo::messageMap{&CBase::messageMap, messageEntries};
#define DECLARE_MESSAGE_MAP(theClass)                                                         \
protected:                                                                                    \
    using Map = MapOf<theClass>;                                                              \
    static const MessageMapEntry messageEntries[];                                            \
    static const MessageMap messageMap;                                                       \
    const MessageMap* GetMessageMap() const override {                                        \
        static_assert(std::is_same_v<const theClass*, decltype(this)>,                        \
                      "DECLARE_MESSAGE_MAP must name the class it stands in");                \
        return &messageMap;                                                                   \
    }
