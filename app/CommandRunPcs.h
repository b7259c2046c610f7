#pragma once
// The command line's part for saved PCs: /list, /wake by name or "*", and
// /to, /port and /password.
#include <functional>
#include <string>

#include "CommandLine.h"

using SayLine = std::function<void(const std::wstring&)>;

// True when it carried the line out (`code` set). False when the line is
// Power ON's own after all: then `line` may have been given the saved PC's
// MAC and address for /wait, and goes on as before.
bool RunForSavedPcs(CommandLine& line, const SayLine& say, ExitCode& code);
