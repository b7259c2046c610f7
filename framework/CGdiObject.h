#pragma once
// GDI objects, owned or borrowed as in WTL: an owner (CBrush, CFont) deletes
// its object when replaced and when it dies, and can be moved, never
// copied; its borrowed twin (CBrushHandle, CFontHandle) only hands the
// object out. Stock and system objects, and a control's own font, are only
// ever borrowed.
#include <windows.h>

#include <type_traits>

#include "COwned.h"

struct GdiObjectKind {
    using Handle = HGDIOBJ;
    static Handle Empty() { return nullptr; }
    static bool Close(Handle object) { return ::DeleteObject(object) != FALSE; }
};

template <bool t_bOwns>
class CGdiObjectT {
public:
    CGdiObjectT() = default;
    explicit CGdiObjectT(HGDIOBJ hObject) : m_object(hObject) {}

    HGDIOBJ GetSafeHandle() const { return m_object.Get(); }
    // An owner's only: a borrowed object is never deleted.
    template <bool t_bOwner = t_bOwns, class = std::enable_if_t<t_bOwner>>
    BOOL DeleteObject() {
        return m_object.Reset();
    }

protected:
    BOOL Attach(HGDIOBJ hObject) {
        m_object.Reset(hObject);
        return hObject != nullptr;
    }

private:
    COwned<GdiObjectKind, t_bOwns> m_object;
};

template <bool t_bOwns>
class CBrushT : public CGdiObjectT<t_bOwns> {
public:
    CBrushT() = default;
    explicit CBrushT(HBRUSH hBrush) : CGdiObjectT<t_bOwns>(hBrush) {}
    static CBrushT Stock(int object) { return CBrushT(static_cast<HBRUSH>(::GetStockObject(object))); }

    BOOL CreateSolidBrush(COLORREF color) { return this->Attach(::CreateSolidBrush(color)); }
    operator HBRUSH() const { return static_cast<HBRUSH>(this->GetSafeHandle()); }
};

template <bool t_bOwns>
class CFontT : public CGdiObjectT<t_bOwns> {
public:
    CFontT() = default;
    explicit CFontT(HFONT hFont) : CGdiObjectT<t_bOwns>(hFont) {}

    BOOL CreateFontIndirect(const LOGFONTW* logFont) { return this->Attach(::CreateFontIndirectW(logFont)); }
    operator HFONT() const { return static_cast<HFONT>(this->GetSafeHandle()); }
};

using CBrush = CBrushT<true>;
using CBrushHandle = CBrushT<false>;
using CFont = CFontT<true>;
using CFontHandle = CFontT<false>;
