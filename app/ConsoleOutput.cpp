#include "ConsoleOutput.h"

#include <vector>

#include "framework/SystemLibrary.h"

namespace {
constexpr DWORD kAttachParentProcess = static_cast<DWORD>(-1);
}

ConsoleOutput::ConsoleOutput() {
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    const DWORD type = out && out != INVALID_HANDLE_VALUE ? ::GetFileType(out) : FILE_TYPE_UNKNOWN;
    if (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE || type == FILE_TYPE_CHAR) {
        m_hOut = out;
        m_bConsole = type == FILE_TYPE_CHAR;
        return;
    }
    // A program of the GUI subsystem gets no console of its own: the one
    // it was started from, if any, is borrowed.
    using AttachFn = BOOL(WINAPI*)(DWORD);
    static const auto attach = FindSystemProc<AttachFn>(L"kernel32.dll", "AttachConsole");
    if (!attach || !attach(kAttachParentProcess)) return;
    m_console.Reset(
        ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!m_console.IsSet()) return;
    m_hOut = m_console.Get();
    m_bConsole = true;
}

void ConsoleOutput::Line(const std::wstring& text) {
    if (!m_hOut) return;
    const std::wstring line = text + L"\r\n";
    DWORD written = 0;
    if (m_bConsole && ::WriteConsoleW(m_hOut, line.c_str(), static_cast<DWORD>(line.size()), &written, nullptr)) return;
    // A file, a pipe, or a handle that only looked like a console.
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return;
    std::vector<char> utf8(static_cast<std::size_t>(bytes));
    ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), utf8.data(), bytes, nullptr, nullptr);
    ::WriteFile(m_hOut, utf8.data(), static_cast<DWORD>(bytes), &written, nullptr);
}
