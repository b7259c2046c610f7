#pragma once
// `/scan` carried out: the scan of this PC's subnets on this thread, its
// lines on the console or redirected output, else on the clipboard as the
// report goes, with one message to say so unless /quiet.
#include "CommandLine.h"
#include "ConsoleOutput.h"

ExitCode ScanCommand(ConsoleOutput& out, bool quiet);
