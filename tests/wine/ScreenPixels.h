#pragma once
// What a real window shows on the screen, read back pixel by pixel: shared by
// the in-process tests and the probe that looks at another process.
#include <windows.h>

#include <string>

COLORREF ScreenPixel(HWND hWnd, int clientX, int clientY);

// True when some pixel of the client rectangle has exactly this colour.
bool ClientHasColour(HWND hWnd, COLORREF colour);

struct IconComparison {
    int iconPixels = 0;  // pixels of the icon that are not the dialog's face colour
    int differing = 0;   // pixels where the screen differs from the icon
};

// The system icon `iconId`, drawn on the dialog face colour, against what the
// window shows with the icon's top-left corner at client (left, top).
IconComparison CompareIconAt(HWND hWnd, LPCWSTR iconId, int left, int top);

