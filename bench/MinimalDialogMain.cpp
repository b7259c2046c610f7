// The baseline of the start-up benchmark: the least a dialog program built
// with the same toolchain does, one modal dialog from a template. Built with
// BENCH_QUORVANE_DIALOG, it shows Quorvane's main dialog from Quorvane's own
// resources and gives the window its icon, as Quorvane does, and nothing more.
#include <windows.h>

#ifdef BENCH_QUORVANE_DIALOG
#include "resource.h"
#endif

namespace {

#ifdef BENCH_QUORVANE_DIALOG
constexpr int kDialog = IDD_WAKE_DIALOG;
void SetIcon(HWND hWnd) {
    const HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    ::SendMessageW(hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ::SendMessageW(hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}
#else
constexpr int kDialog = 1;
void SetIcon(HWND) {}
#endif

INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetIcon(hWnd);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        ::EndDialog(hWnd, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    return static_cast<int>(::DialogBoxParamW(instance, MAKEINTRESOURCEW(kDialog), nullptr, &DialogProc, 0));
}
