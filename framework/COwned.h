#pragma once
// One owner for every move-only handle: what it holds is closed by its
// kind's Close when replaced and when the owner dies; an owner can be moved,
// never copied. Only owned handles go in here: a borrowed one (a stock
// brush, a system icon) keeps a type of its own that closes nothing, as in
// WTL's owned and borrowed pairs. A kind names its handle type, its empty
// value and how one is closed:
//   struct RegKeyKind { using Handle = HKEY; static Handle Empty(); static bool Close(Handle); };
// Platform-free.
template <class Kind>
class COwned {
public:
    using Handle = typename Kind::Handle;

    COwned() = default;
    explicit COwned(Handle handle) : m_handle(handle) {}
    COwned(COwned&& other) noexcept : m_handle(other.Release()) {}
    COwned& operator=(COwned&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    COwned(const COwned&) = delete;
    COwned& operator=(const COwned&) = delete;
    ~COwned() { Reset(); }

    Handle Get() const { return m_handle; }
    bool IsSet() const { return m_handle != Kind::Empty(); }
    // Closes what it holds, if anything, and holds `handle` instead; true
    // when something was closed and its Close succeeded.
    bool Reset(Handle handle = Kind::Empty()) {
        const Handle old = m_handle;
        m_handle = handle;
        return old != Kind::Empty() && Kind::Close(old);
    }
    // Lets go of the handle without closing it.
    Handle Release() {
        const Handle handle = m_handle;
        m_handle = Kind::Empty();
        return handle;
    }

private:
    Handle m_handle = Kind::Empty();
};
