#pragma once
// Owners of one GDI object each: the object is deleted when replaced and when
// the owner dies; an owner can be moved, never copied. Stock and system
// objects are never put in here: they are borrowed (CBrushHandle).
#include <windows.h>

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(other.m_hObject) { other.m_hObject = nullptr; }
    CGdiObject& operator=(CGdiObject&& other) noexcept {
        if (this != &other) {
            DeleteObject();
            m_hObject = other.m_hObject;
            other.m_hObject = nullptr;
        }
        return *this;
    }
    ~CGdiObject() { DeleteObject(); }

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL DeleteObject() {
        if (!m_hObject) return FALSE;
        const BOOL deleted = ::DeleteObject(m_hObject);
        m_hObject = nullptr;
        return deleted;
    }

protected:
    BOOL Attach(HGDIOBJ hObject) {
        DeleteObject();
        m_hObject = hObject;
        return hObject != nullptr;
    }

private:
    HGDIOBJ m_hObject = nullptr;
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
