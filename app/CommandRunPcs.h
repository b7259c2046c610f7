#pragma once
// The command line's part for saved PCs: /list, /wake by name or "*", and
// /to, /port and /password.
#include <string>

#include "CommandLine.h"
#include "wakewait/WakeSend.h"

// Where each line goes.
class SayLine {
public:
    virtual void operator()(const std::wstring& line) = 0;

protected:
    ~SayLine() = default;
};

// True when it carried the line out (`code` set). False when the line is
// Power ON's own after all: then `line` may have been given the saved PC's
// MAC and address for /wait, and goes on as before.
bool RunForSavedPcs(CommandLine& line, SayLine& say, ExitCode& code);

// How the wait of such a line sends: a saved PC's destination, port and
// password; nothing of them for a MAC address's.
WakeExtras WaitSending(const CommandLine& line);
