#pragma once
// Where the command line's lines go: standard output when a script
// redirected it to a file or a pipe (UTF-8, no byte-order mark), otherwise
// the console of the program that started this one (AttachConsole, Windows
// XP and later, through the console's wide API); nowhere when neither
// exists (a desktop shortcut, Windows 2000).
#include <windows.h>

#include <string>

#include "framework/CHandle.h"

class ConsoleOutput {
public:
    ConsoleOutput();

    bool Available() const { return m_hOut != nullptr; }
    void Line(const std::wstring& text);

private:
    HANDLE m_hOut = nullptr;  // standard output, borrowed, or m_console's
    CFileHandle m_console;    // the parent's console, opened here
    bool m_bConsole = false;
};
