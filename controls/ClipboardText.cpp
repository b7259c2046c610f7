#include "ClipboardText.h"

#include "framework/CMemory.h"

namespace {

class OpenClipboardLock {
public:
    explicit OpenClipboardLock(HWND owner) : m_open(::OpenClipboard(owner) != FALSE) {}
    OpenClipboardLock(const OpenClipboardLock&) = delete;
    OpenClipboardLock& operator=(const OpenClipboardLock&) = delete;
    ~OpenClipboardLock() {
        if (m_open) ::CloseClipboard();
    }
    bool IsOpen() const { return m_open; }

private:
    bool m_open;
};

}  // namespace

bool ReadClipboardText(HWND owner, std::wstring& text) {
    OpenClipboardLock clipboard(owner);
    if (!clipboard.IsOpen() || !::IsClipboardFormatAvailable(CF_UNICODETEXT)) return false;
    const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    if (!data) return false;
    const auto* locked = static_cast<const wchar_t*>(::GlobalLock(data));
    if (!locked) return false;
    // The clipboard block may lack its terminator; never read past its size.
    const size_t capacity = ::GlobalSize(data) / sizeof(wchar_t);
    size_t length = 0;
    while (length < capacity && locked[length]) ++length;
    text.assign(locked, length);
    ::GlobalUnlock(data);
    return true;
}

bool WriteClipboardText(HWND owner, const std::wstring& text) {
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    CGlobalMemory block(::GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!block.IsSet()) return false;
    void* locked = ::GlobalLock(block.Get());
    if (locked) {
        ::CopyMemory(locked, text.c_str(), bytes);
        ::GlobalUnlock(block.Get());
    }
    OpenClipboardLock clipboard(owner);
    if (!locked || !clipboard.IsOpen() || !::EmptyClipboard() || !::SetClipboardData(CF_UNICODETEXT, block.Get()))
        return false;
    block.Release();  // the clipboard owns the block once it took it
    return true;
}
