#pragma once
// One owner for every move-only handle: what it holds is closed by its
// kind's Close when replaced and when the owner dies; an owner can be moved,
// never copied. The same template with `t_bOwns` false is the borrowed twin
// (a stock brush, a control's font): it hands the handle out, closes nothing
// and can be copied, as WTL's CBrushT<false> does. A kind names its handle
// type, its empty value and how one is closed:
//   struct RegKeyKind { using Handle = HKEY; static Handle Empty(); static bool Close(Handle); };
// Platform-free.

// What makes an owner move-only; the borrowed twin copies.
template <bool t_bOwns>
struct COwnedCopies {};
template <>
struct COwnedCopies<true> {
    COwnedCopies() = default;
    COwnedCopies(const COwnedCopies&) = delete;
    COwnedCopies& operator=(const COwnedCopies&) = delete;
    COwnedCopies(COwnedCopies&&) = default;
    COwnedCopies& operator=(COwnedCopies&&) = default;
};

template <class Kind, bool t_bOwns = true>
class COwned : private COwnedCopies<t_bOwns> {
public:
    using Handle = typename Kind::Handle;

    COwned() = default;
    explicit COwned(Handle handle) : m_handle(handle) {}
    COwned(COwned&& other) noexcept : m_handle(other.Release()) {}
    COwned& operator=(COwned&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    // Deleted for an owner (its base cannot be copied).
    COwned(const COwned&) = default;
    COwned& operator=(const COwned&) = default;
    ~COwned() { Reset(); }

    Handle Get() const { return m_handle; }
    bool IsSet() const { return m_handle != Kind::Empty(); }
    // Closes what it holds, if anything (an owner only), and holds `handle`
    // instead; true when something was closed and its Close succeeded.
    bool Reset(Handle handle = Kind::Empty()) {
        const Handle old = m_handle;
        m_handle = handle;
        if constexpr (t_bOwns) return old != Kind::Empty() && Kind::Close(old);
        return false;
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
