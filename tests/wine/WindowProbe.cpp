// Looks at the dialogs of another Wine process for the shell tests: what they
// show, where a control is, which icon a notice paints, the clipboard.
// Output is UTF-8, one fact a line.
//   probe dump                 every visible dialog: caption, then each control
//   probe wait COUNT SECONDS [SETTLE_MS]  until exactly COUNT dialogs are visible
//   probe center ID            screen centre of control ID in the active dialog
//   probe window               the active dialog's caption buttons and taskbar style
//   probe rect                 the active dialog's screen rectangle: x y width height
//   probe icon                 which system icon the active dialog paints at (15, 10)
//   probe colours ID           "blue", "black" (text) and the background of control ID
//   probe clipboard            the clipboard's Unicode text
//   probe set-clipboard TEXT   puts ASCII text on the clipboard
//   probe syscommand ID        posts WM_SYSCOMMAND ID to the active dialog
//   probe syscommand-timed ID  the same, and prints when it posted (ns, as date +%s%N)
//   probe rows ID [count]      the rows of list view ID in the active dialog,
//                              cells joined by " | "; then "rows N" (alone with count)
//   probe click ID             clicks button ID of the active dialog and prints how
//                              many milliseconds the dialog took to handle it
//   probe taken SECONDS        joins the input of the window with the focus, prints
//                              "ready", then "taken" once its thread has taken a
//                              right Shift press sent after that ("closed" when
//                              the window's thread closed its last window first)
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ScreenPixels.h"
#include "controls/ClipboardText.h"
#include "framework/CHandle.h"

namespace {

void PrintUtf8(const std::wstring& text) {
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> out(static_cast<size_t>(bytes));
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), bytes, nullptr, nullptr);
    std::fputs(out.data(), stdout);
}

std::wstring Escaped(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text) {
        if (c == L'\n') out += L"\\n";
        else if (c == L'\r') out += L"\\r";
        else out += c;
    }
    return out;
}

// WM_GETTEXT, not GetWindowText: across processes only the message reaches
// the text an edit control keeps for itself.
std::wstring TextOf(HWND hWnd) {
    wchar_t text[1024] = {};
    ::SendMessageW(hWnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring ClassOf(HWND hWnd) {
    wchar_t name[64] = {};
    ::GetClassNameW(hWnd, name, 64);
    return name;
}

BOOL CALLBACK CollectDialog(HWND hWnd, LPARAM list) {
    if (ClassOf(hWnd) == L"#32770" && ::IsWindowVisible(hWnd))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(hWnd);
    return TRUE;
}

std::vector<HWND> VisibleDialogs() {
    std::vector<HWND> dialogs;
    ::EnumWindows(&CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

// The dialog the user can act on: visible and not disabled by a nested one.
HWND ActiveDialog() {
    for (HWND hWnd : VisibleDialogs())
        if (::IsWindowEnabled(hWnd)) return hWnd;
    return nullptr;
}

BOOL CALLBACK PrintChild(HWND hWnd, LPARAM) {
    std::printf("  %d %s ", ::GetDlgCtrlID(hWnd), ::IsWindowVisible(hWnd) ? "visible" : "hidden");
    PrintUtf8(ClassOf(hWnd) + L" [" + Escaped(TextOf(hWnd)) + L"]");
    std::printf(" style=%08lx\n", static_cast<unsigned long>(::GetWindowLongW(hWnd, GWL_STYLE)));
    return TRUE;
}

int Dump() {
    for (HWND dialog : VisibleDialogs()) {
        std::printf("dialog %s ", ::IsWindowEnabled(dialog) ? "enabled" : "disabled");
        PrintUtf8(L"[" + TextOf(dialog) + L"]\n");
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info);
        std::printf("  focus %d\n", info.hwndFocus ? ::GetDlgCtrlID(info.hwndFocus) : -1);
        ::EnumChildWindows(dialog, &PrintChild, 0);
    }
    return 0;
}

int Wait(int count, int seconds, int settleMs) {
    for (int i = 0; i < seconds * 100; ++i) {
        if (static_cast<int>(VisibleDialogs().size()) == count) {
            ::Sleep(settleMs);  // let the dialog finish painting
            return 0;
        }
        ::Sleep(10);
    }
    std::printf("timeout waiting for %d dialogs\n", count);
    return 1;
}

// The active dialog's caption buttons and taskbar style.
int Window() {
    const HWND dialog = ActiveDialog();
    if (!dialog) return 1;
    const LONG style = ::GetWindowLongW(dialog, GWL_STYLE);
    std::printf("minimizebox=%d maximizebox=%d appwindow=%d\n", (style & WS_MINIMIZEBOX) != 0,
                (style & WS_MAXIMIZEBOX) != 0, (::GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0);
    return 0;
}

int Rect() {
    const HWND dialog = ActiveDialog();
    if (!dialog) return 1;
    RECT rect{};
    ::GetWindowRect(dialog, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return 0;
}

int Center(int id) {
    const HWND control = ::GetDlgItem(ActiveDialog(), id);
    if (!control) return 1;
    RECT rect{};
    ::GetWindowRect(control, &rect);
    std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return 0;
}

int Icon() {
    const HWND dialog = ActiveDialog();
    if (!dialog) return 1;
    const struct {
        const wchar_t* name;
        LPCWSTR id;
    } icons[] = {{L"information", IDI_ASTERISK}, {L"warning", IDI_EXCLAMATION}, {L"error", IDI_HAND}};
    const wchar_t* found = L"none";
    for (const auto& icon : icons)
        if (CompareIconAt(dialog, icon.id, 15, 10).differing == 0) found = icon.name;
    PrintUtf8(std::wstring(found) + L"\n");
    return 0;
}

int Colours(int id) {
    const HWND control = ::GetDlgItem(ActiveDialog(), id);
    if (!control) return 1;
    RECT client{};
    ::GetClientRect(control, &client);
    const bool blue = ClientHasColour(control, RGB(0, 0, 255));
    const bool black = ClientHasColour(control, RGB(0, 0, 0));
    const COLORREF back = ScreenPixel(control, client.right - 3, client.bottom / 2);
    std::printf("blue=%d black=%d background=%s\n", blue, black,
                back == RGB(255, 255, 255) ? "white" : back == ::GetSysColor(COLOR_BTNFACE) ? "buttonface" : "other");
    return 0;
}

int Clipboard() {
    std::wstring text;  // stays empty when there is no text to read
    ReadClipboardText(nullptr, text);
    PrintUtf8(L"[" + text + L"]\n");
    return 0;
}

int SetClipboard(const wchar_t* text) {
    return WriteClipboardText(nullptr, text) ? 0 : 1;
}

int SysCommand(unsigned id, bool timed = false) {
    const HWND dialog = ActiveDialog();
    if (!dialog) return 1;
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    if (!::PostMessageW(dialog, WM_SYSCOMMAND, id, 0)) return 1;
    // The benchmark's clock starts here, as date +%s%N counts.
    const unsigned long long ticks = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    if (timed) std::printf("%llu\n", (ticks - 116444736000000000ULL) * 100);
    return 0;
}

// A list view's texts live in the other process: the item and the text buffer
// are lent there for each read.
int Rows(int id, bool countOnly) {
    const HWND list = ::GetDlgItem(ActiveDialog(), id);
    if (!list) return 1;
    if (countOnly) {
        std::printf("rows %d\n", static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)));
        return 0;
    }
    DWORD pid = 0;
    ::GetWindowThreadProcessId(list, &pid);
    const CHandle owner(::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    const HANDLE process = owner.Get();
    if (!process) return 1;
    constexpr SIZE_T kText = 512;
    auto* remote = static_cast<BYTE*>(
        ::VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + kText * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
    const int rows = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns = static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        std::wstring line;
        for (int column = 0; column < columns; ++column) {
            LVITEMW item{};
            item.iSubItem = column;
            item.cchTextMax = kText;
            item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof item);
            ::WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
            ::SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote));
            wchar_t text[kText] = {};
            ::ReadProcessMemory(process, remote + sizeof item, text, sizeof text - sizeof(wchar_t), nullptr);
            line += (column ? L" | " : L"") + std::wstring(text);
        }
        PrintUtf8(line + L"\n");
    }
    std::printf("rows %d\n", rows);
    ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return 0;
}

// Selects every row of list `id`, as Shift+End from the first row does; the
// item's state goes through the program's own memory.
int SelectAll(int id) {
    const HWND list = ::GetDlgItem(ActiveDialog(), id);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(list, &pid);
    const HANDLE process = list ? ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid) : nullptr;
    if (!process) return 1;
    void* remote = ::VirtualAllocEx(process, nullptr, sizeof(LVITEMW), MEM_COMMIT, PAGE_READWRITE);
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    ::WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
    ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(remote));
    ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    ::CloseHandle(process);
    return 0;
}

// BM_CLICK is sent, not posted: the time it takes is the time the dialog's
// handler takes.
int Click(int id) {
    const HWND dialog = ActiveDialog();
    const HWND button = dialog ? ::GetDlgItem(dialog, id) : nullptr;
    if (!button) return 1;
    const DWORD start = ::GetTickCount();
    ::SendMessageW(button, BM_CLICK, 0, 0);
    std::printf("%lu\n", static_cast<unsigned long>(::GetTickCount() - start));
    return 0;
}

BOOL CALLBACK FindVisible(HWND hWnd, LPARAM found) {
    if (!::IsWindowVisible(hWnd)) return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

bool HasVisibleWindow(DWORD thread) {
    bool found = false;
    ::EnumThreadWindows(thread, &FindVisible, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Under Wine, WaitForInputIdle returns at once for a program that was idle
// before (the idle event is never reset), and a sent message overtakes input
// still queued. The key state of the program's input changes only as its
// thread takes keys from the queue, in the order the X server gave them: a
// right Shift press sent after the caller's input shows there once all of it
// was taken. Joining that input clears its key state, so the caller sends
// nothing before "ready", when no key of its own can be held down.
int Taken(int seconds) {
    HWND window = ::GetForegroundWindow();  // Wine follows the X focus
    if (!window) window = ActiveDialog();
    if (!window) {
        std::puts("no window takes the input");
        return 1;
    }
    const DWORD threadId = ::GetWindowThreadProcessId(window, nullptr);
    const CHandle owner(::OpenThread(SYNCHRONIZE, FALSE, threadId));
    const HANDLE thread = owner.Get();
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // joining needs a queue of our own
    if (!thread || !::AttachThreadInput(::GetCurrentThreadId(), threadId, TRUE)) {
        std::puts("cannot join the program's input");
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    const char* said = nullptr;
    for (int i = 0; i < seconds * 100; ++i) {
        if (::GetKeyState(VK_RSHIFT) & 0x8000) {
            said = "taken";
            break;
        }
        // A program that closed its last window takes no more keys.
        if (::WaitForSingleObject(thread, 0) == WAIT_OBJECT_0 || !HasVisibleWindow(threadId)) {
            said = "closed";
            break;
        }
        ::Sleep(10);
    }
    std::puts(said ? said : "the program took no input for the whole wait");
    return said ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"dump") return Dump();
    if (command == L"wait" && argc > 3) return Wait(_wtoi(argv[2]), _wtoi(argv[3]), argc > 4 ? _wtoi(argv[4]) : 300);
    if (command == L"center" && argc > 2) return Center(_wtoi(argv[2]));
    if (command == L"rect") return Rect();
    if (command == L"window") return Window();
    if (command == L"icon") return Icon();
    if (command == L"colours" && argc > 2) return Colours(_wtoi(argv[2]));
    if (command == L"clipboard") return Clipboard();
    if (command == L"set-clipboard" && argc > 2) return SetClipboard(argv[2]);
    if (command == L"syscommand" && argc > 2) return SysCommand(static_cast<unsigned>(std::wcstoul(argv[2], nullptr, 0)));
    if (command == L"syscommand-timed" && argc > 2)
        return SysCommand(static_cast<unsigned>(std::wcstoul(argv[2], nullptr, 0)), true);
    if (command == L"rows" && argc > 2) return Rows(_wtoi(argv[2]), argc > 3 && std::wstring(argv[3]) == L"count");
    if (command == L"click" && argc > 2) return Click(_wtoi(argv[2]));
    if (command == L"select-all" && argc > 2) return SelectAll(_wtoi(argv[2]));
    if (command == L"taken" && argc > 2) return Taken(_wtoi(argv[2]));
    std::fputs("usage: probe dump|wait N S|center ID|rect|window|icon|colours ID|clipboard|set-clipboard TEXT|syscommand ID|rows ID [count]|click ID|taken S\n", stderr);
    return 2;
}
