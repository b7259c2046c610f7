#include "ScreenPixels.h"

#include <algorithm>

COLORREF ScreenPixel(HWND hWnd, int clientX, int clientY) {
    POINT point{clientX, clientY};
    ::ClientToScreen(hWnd, &point);
    const HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, point.x, point.y);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

bool ClientHasColour(HWND hWnd, COLORREF colour) {
    RECT client{};
    ::GetClientRect(hWnd, &client);
    POINT origin{0, 0};
    ::ClientToScreen(hWnd, &origin);
    const HDC screen = ::GetDC(nullptr);
    bool found = false;
    for (int y = 0; y < client.bottom && !found; ++y)
        for (int x = 0; x < client.right && !found; ++x) found = ::GetPixel(screen, origin.x + x, origin.y + y) == colour;
    ::ReleaseDC(nullptr, screen);
    return found;
}

IconComparison CompareIconAt(HWND hWnd, LPCWSTR iconId, int left, int top) {
    const int width = ::GetSystemMetrics(SM_CXICON), height = ::GetSystemMetrics(SM_CYICON);
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ old = ::SelectObject(memory, bitmap);
    RECT all{0, 0, width, height};
    ::FillRect(memory, &all, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawIcon(memory, 0, 0, ::LoadIconW(nullptr, iconId));

    POINT origin{left, top};
    ::ClientToScreen(hWnd, &origin);
    IconComparison result;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF expected = ::GetPixel(memory, x, y);
            if (expected != ::GetSysColor(COLOR_BTNFACE)) ++result.iconPixels;
            if (::GetPixel(screen, origin.x + x, origin.y + y) != expected) ++result.differing;
        }
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return result;
}
