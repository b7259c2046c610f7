#pragma once
// Owners of one GDI object each: the object is deleted when replaced and when
// the owner dies; an owner can be moved, never copied. Stock and system
// objects are never put in here: they are borrowed (CBrushHandle).
#include <windows.h>

#include "COwned.h"

struct GdiObjectKind {
    using Handle = HGDIOBJ;
    static Handle Empty() { return nullptr; }
    static bool Close(Handle object) { return ::DeleteObject(object) != FALSE; }
};

class CGdiObject {
public:
    HGDIOBJ GetSafeHandle() const { return m_object.Get(); }
    BOOL DeleteObject() { return m_object.Reset(); }

protected:
    BOOL Attach(HGDIOBJ hObject) {
        m_object.Reset(hObject);
        return hObject != nullptr;
    }

private:
    COwned<GdiObjectKind> m_object;
};

class CBrush : public CGdiObject {
public:
    BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
    operator HBRUSH() const { return static_cast<HBRUSH>(GetSafeHandle()); }
};

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONTW* logFont) { return Attach(::CreateFontIndirectW(logFont)); }
    operator HFONT() const { return static_cast<HFONT>(GetSafeHandle()); }
};

// A brush that belongs to the system (a stock or system-colour brush):
// handed out, never deleted.
class CBrushHandle {
public:
    explicit CBrushHandle(HBRUSH hBrush) : m_hBrush(hBrush) {}
    static CBrushHandle Stock(int object) { return CBrushHandle(static_cast<HBRUSH>(::GetStockObject(object))); }
    operator HBRUSH() const { return m_hBrush; }

private:
    HBRUSH m_hBrush;
};
