#pragma once
// A command line carried out: Power ON's packet through Power ON's own
// sender, the send through every adapter, and Wake and wait's watch, each
// step said on a line (ConsoleOutput) in the user's language. Without a
// console and without /quiet, the outcome shows in the notices Power ON
// uses, or after /wait in one message; with /quiet no window opens at all.
#include <string>
#include <vector>

// `args` without the program's own name; the process's exit code (ExitCode).
int RunCommandLine(const std::vector<std::wstring>& args);
